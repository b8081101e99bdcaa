// quelmor-soundbench: the sound timings of the game's own SDL services, without a window.
// Prints "key value" lines for bench/run: the mixer's configured and actual buffer, the cost
// of starting a wave effect, the time of a change of music piece and of playing the same piece
// again, FluidSynth's own time to load the soundfont (to tell whether a piece reloads it), and
// the memory the loaded pieces hold. Run with SDL_AUDIODRIVER=dummy.
// With --levels: the levels of the music and the effects instead (levels.h).
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "levels.h"
#include "platform/SdlServices.h"

namespace {

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

std::atomic<int> gMixBytes{0};
std::atomic<long long> gMixCount{0};
void PostMix(void*, Uint8*, int len) {
    gMixBytes = len;
    ++gMixCount;
}

// The process's resident memory in KiB.
long RssKb() {
    long kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmRSS: %ld", &kb) == 1) break;
        std::fclose(f);
    }
    return kb;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// FluidSynth's own time to load the soundfont into a fresh synthesizer, through the library the
// mixer itself loads (-1 when it cannot be found).
double SoundFontLoadMs(const char* file) {
    void* lib = dlopen("libfluidsynth.so.3", RTLD_NOW);
    if (!lib) return -1;
    using NewSettings = void* (*)();
    using NewSynth = void* (*)(void*);
    using SfLoad = int (*)(void*, const char*, int);
    using Delete = void (*)(void*);
    auto newSettings = reinterpret_cast<NewSettings>(dlsym(lib, "new_fluid_settings"));
    auto newSynth = reinterpret_cast<NewSynth>(dlsym(lib, "new_fluid_synth"));
    auto sfload = reinterpret_cast<SfLoad>(dlsym(lib, "fluid_synth_sfload"));
    auto deleteSynth = reinterpret_cast<Delete>(dlsym(lib, "delete_fluid_synth"));
    auto deleteSettings = reinterpret_cast<Delete>(dlsym(lib, "delete_fluid_settings"));
    if (!newSettings || !newSynth || !sfload || !deleteSynth || !deleteSettings) return -1;
    void* settings = newSettings();
    void* synth = newSynth(settings);
    auto t = Clock::now();
    int id = sfload(synth, file, 1);
    double ms = MsSince(t);
    deleteSynth(synth);
    deleteSettings(settings);
    return id < 0 ? -1 : ms;
}

}  // namespace

const char* SoundFont() {
    static const char* const fonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                        "/usr/share/sounds/sf2/default-GM.sf2"};
    for (const char* f : fonts)
        if (FILE* probe = std::fopen(f, "rb")) {
            std::fclose(probe);
            return f;
        }
    return nullptr;
}

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--levels") return RunLevels();
    const char* font = SoundFont();
    if (font) std::printf("soundfont %s\nsoundfont_load_ms %.3f\n", font, SoundFontLoadMs(font));
    auto t = Clock::now();
    SdlServices services(ProgramFolder());
    services.Start();
    std::printf("audio_open_ms %.3f\n", MsSince(t));
    if (!services.audioReady()) {
        std::printf("audio_ready 0\n");
        return 1;
    }
    std::printf("audio_ready 1\naudio_driver %s\n", SDL_GetCurrentAudioDriver());
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    std::printf("mixer_freq %d\nmixer_channels %d\nmixer_format_bits %d\n", freq, channels, SDL_AUDIO_BITSIZE(format));
    for (int i = 0; i < Mix_GetNumMusicDecoders(); ++i) std::printf("music_decoder %s\n", Mix_GetMusicDecoder(i));

    // The real buffer: the bytes of one mixing callback.
    Mix_SetPostMix(PostMix, nullptr);
    for (int i = 0; i < 100 && gMixCount < 3; ++i) SDL_Delay(10);
    const int frameBytes = channels * SDL_AUDIO_BITSIZE(format) / 8;
    const int frames = frameBytes > 0 ? gMixBytes / frameBytes : 0;
    std::printf("buffer_frames %d\nbuffer_ms %.3f\n", frames, freq > 0 ? 1000.0 * frames / freq : 0.0);

    // A wave effect: the first call reads the file, later ones play it from the cache.
    t = Clock::now();
    services.PlaySound("cmbsnd1.wav", 1);
    std::printf("effect_first_call_ms %.3f\n", MsSince(t));
    std::vector<double> calls, waits;
    for (int i = 0; i < 20; ++i) {
        SDL_Delay(7 + 3 * (i % 5));  // land at different points of the mixing period
        long long before = gMixCount;
        t = Clock::now();
        services.PlaySound("cmbsnd1.wav", 1);
        calls.push_back(MsSince(t));
        while (gMixCount == before) std::this_thread::sleep_for(std::chrono::microseconds(100));
        waits.push_back(MsSince(t));  // until the mixer has taken the effect into a buffer
    }
    std::printf("effect_call_ms %.4f\neffect_to_next_mix_ms %.3f\n", Median(calls), Median(waits));

    // Music: the title's piece, then the fight's, as two screens' players do.
    auto title = services.NewMusicPlayer();
    auto fight = services.NewMusicPlayer();
    auto play = [](MusicPlayer& player, const char* file) {
        auto start = Clock::now();
        player.SetFileName(file);
        player.Command("open");
        player.Command("play");
        return MsSince(start);
    };
    std::printf("music_first_ms %.3f\n", play(*title, "start.mid"));
    // With a piece loaded, FluidSynth may share the font's samples with a new synthesizer.
    if (font) std::printf("soundfont_load_while_playing_ms %.3f\n", SoundFontLoadMs(font));
    SDL_Delay(300);
    // A fight after the title (another piece: loaded), then the next fight (the same piece).
    std::vector<double> changes, repeats;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) play(*title, "start.mid");
        SDL_Delay(150);
        title->Command("stop");
        changes.push_back(play(*fight, "battle.mid"));
        SDL_Delay(150);
        fight->Command("close");
        repeats.push_back(play(*fight, "battle.mid"));
        SDL_Delay(150);
        fight->Command("close");
    }
    std::printf("music_change_ms %.3f\nmusic_change_worst_ms %.3f\nmusic_repeat_ms %.3f\n", Median(changes),
                *std::max_element(changes.begin(), changes.end()), Median(repeats));
    // What the pieces kept loaded cost: every piece of the game played once.
    const long before = RssKb();
    for (const char* piece : {"forge.mid", "marche.mid", "battle.mid", "start.mid"}) play(*fight, piece);
    fight->Command("stop");
    std::printf("rss_two_pieces_kb %ld\nrss_all_pieces_kb %ld\n", before, RssKb());
    Mix_SetPostMix(nullptr, nullptr);
    return 0;
}
