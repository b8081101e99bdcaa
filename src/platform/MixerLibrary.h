#pragma once
// SDL2_mixer, opened at run time rather than linked: it drags in FluidSynth, the sound servers'
// client libraries and GLib (some forty shared libraries), which the game then need not load
// before its first window is on the screen. Without the library the game is silent.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

struct MixerLibrary {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_Init) Init = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&Mix_SetSoundFonts) SetSoundFonts = nullptr;
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_Init) InitMixer = nullptr;
    decltype(&Mix_Quit) QuitMixer = nullptr;
    decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
    decltype(&Mix_LoadMUS) LoadMUS = nullptr;
    decltype(&Mix_FreeMusic) FreeMusic = nullptr;
    decltype(&Mix_PlayMusic) PlayMusic = nullptr;
    decltype(&Mix_HaltMusic) HaltMusic = nullptr;
    decltype(&Mix_VolumeMusic) VolumeMusic = nullptr;
    decltype(&Mix_Volume) Volume = nullptr;
    decltype(&Mix_LoadWAV) LoadWAV = nullptr;
    decltype(&Mix_FreeChunk) FreeChunk = nullptr;
    decltype(&Mix_PlayChannel) PlayChannel = nullptr;
    decltype(&Mix_HaltChannel) HaltChannel = nullptr;
    decltype(&Mix_Playing) Playing = nullptr;
    decltype(&Mix_PlayingMusic) PlayingMusic = nullptr;
};

// The library's entry points, loaded on the first call (later calls return the same table);
// nullptr when the library or one of its entry points can't be found. Not for several threads.
const MixerLibrary* LoadMixerLibrary();
