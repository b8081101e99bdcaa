#include "platform/MixerLibrary.h"

#include <dlfcn.h>

#include <cstdio>

namespace {

template <typename F>
bool Resolve(void* handle, const char* name, F& entry) {
    entry = reinterpret_cast<F>(dlsym(handle, name));
    if (!entry) std::fprintf(stderr, "quelmor: no sound (%s lacks %s)\n", "SDL2_mixer", name);
    return entry != nullptr;
}

const MixerLibrary* Open() {
    // The versioned name first: the bare one only exists where the development files are.
    void* handle = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle) handle = dlopen("libSDL2_mixer.so", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "quelmor: no sound (%s)\n", dlerror());
        return nullptr;
    }
    static MixerLibrary lib;
    // dlsym on the mixer's handle also finds SDL's own entry points, which it depends on.
    bool ok = Resolve(handle, "SDL_SetHint", lib.SetHint) && Resolve(handle, "SDL_Init", lib.Init) &&
              Resolve(handle, "SDL_QuitSubSystem", lib.QuitSubSystem) &&
              Resolve(handle, "SDL_GetError", lib.GetError) &&
              Resolve(handle, "Mix_SetSoundFonts", lib.SetSoundFonts) &&
              Resolve(handle, "Mix_OpenAudio", lib.OpenAudio) && Resolve(handle, "Mix_CloseAudio", lib.CloseAudio) &&
              Resolve(handle, "Mix_Init", lib.InitMixer) && Resolve(handle, "Mix_Quit", lib.QuitMixer) &&
              Resolve(handle, "Mix_AllocateChannels", lib.AllocateChannels) &&
              Resolve(handle, "Mix_LoadMUS", lib.LoadMUS) && Resolve(handle, "Mix_FreeMusic", lib.FreeMusic) &&
              Resolve(handle, "Mix_PlayMusic", lib.PlayMusic) && Resolve(handle, "Mix_HaltMusic", lib.HaltMusic) &&
              Resolve(handle, "Mix_VolumeMusic", lib.VolumeMusic) && Resolve(handle, "Mix_Volume", lib.Volume) &&
              Resolve(handle, "Mix_LoadWAV", lib.LoadWAV) &&
              Resolve(handle, "Mix_FreeChunk", lib.FreeChunk) &&
              Resolve(handle, "Mix_PlayChannel", lib.PlayChannel) &&
              Resolve(handle, "Mix_HaltChannel", lib.HaltChannel) && Resolve(handle, "Mix_Playing", lib.Playing) &&
              Resolve(handle, "Mix_PlayingMusic", lib.PlayingMusic);
    // The library stays open for the rest of the run even when unusable: its code may
    // still be referenced by the sound server's threads.
    return ok ? &lib : nullptr;
}

}  // namespace

const MixerLibrary* LoadMixerLibrary() {
    static const MixerLibrary* lib = Open();
    return lib;
}
