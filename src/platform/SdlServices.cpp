#include "platform/SdlServices.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QUrl>
#include <climits>
#include <cstdio>
#include <map>

namespace {

const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

SdlServices* gActive = nullptr;

// The piece loaded last stays loaded after its screen has closed: loading a MIDI piece builds a
// FluidSynth synthesizer and reads the soundfont into it (tens of milliseconds, on the screens'
// thread), and the piece asked for next is most often the same (fight after fight). A
// synthesizer holds some 8 MiB, so one piece is kept, no more.
struct LoadedPiece {
    std::string path;
    Mix_Music* music = nullptr;
};

LoadedPiece& Loaded() {
    static LoadedPiece piece;
    return piece;
}

void FreeLoadedMusic() {
    if (Loaded().music) Mix_FreeMusic(Loaded().music);  // halts it if it still plays
    Loaded() = LoadedPiece{};
}

Mix_Music* LoadMusic(const std::string& path) {
    LoadedPiece& kept = Loaded();
    if (kept.music && kept.path == path) return kept.music;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) return nullptr;  // a missing piece leaves the kept one alone
    FreeLoadedMusic();
    kept = LoadedPiece{path, music};
    return music;
}

class SdlMusicPlayer : public MusicPlayer {
public:
    explicit SdlMusicPlayer(SdlServices& owner) : owner_(owner) {}
    ~SdlMusicPlayer() override { Release(); }

    void SetFileName(const std::string& file) override { file_ = file; }

    void Command(const std::string& command) override {
        if (!owner_.audioReady()) return;
        if (command == "open") {
            Release();
            const std::string path = owner_.PathOf(file_);
            if (LoadMusic(path)) opened_ = path;
        } else if (command == "play") {
            // Another screen may have loaded its own piece since: this one is loaded again then.
            Mix_Music* music = opened_.empty() ? nullptr : LoadMusic(opened_);
            if (music && !owner_.musicMuted()) {
                Mix_PlayMusic(music, 0);
                playing_ = true;
            }
        } else if (command == "stop") {
            if (playing_) Mix_HaltMusic();
            playing_ = false;
        } else if (command == "close") {
            Release();
        }
    }

private:
    void Release() {
        if (playing_) Mix_HaltMusic();
        playing_ = false;
        opened_.clear();
    }
    SdlServices& owner_;
    std::string file_;
    std::string opened_;  // the piece opened, "" when none could be
    bool playing_ = false;
};

}  // namespace

struct SdlServices::Cache {
    std::map<std::string, Mix_Chunk*> chunks;
};

SdlServices::SdlServices(std::string folder) : folder_(std::move(folder)), cache_(std::make_unique<Cache>()) {
    for (const char* sf : kSoundFonts) {
        if (access(sf, R_OK) == 0) {
            Mix_SetSoundFonts(sf);
            break;
        }
    }
    // SDL would turn SIGINT and SIGTERM into a quit event nobody reads here: the game must
    // end when the session or the terminal asks it to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "quelmor: no sound (%s)\n", SDL_GetError());
        return;
    }
    // A short buffer so that blows and spells sound the moment they are clicked.
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        std::fprintf(stderr, "quelmor: no sound (%s)\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(8);
    ready_ = true;
    gActive = this;
}

SdlServices::~SdlServices() {
    if (gActive == this) gActive = nullptr;
    if (!ready_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    FreeLoadedMusic();
    for (auto& [name, chunk] : cache_->chunks)
        if (chunk) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string SdlServices::PathOf(const std::string& file) const {
    if (!file.empty() && file[0] == '/') return file;
    return folder_.empty() ? file : folder_ + "/" + file;
}

std::unique_ptr<MusicPlayer> SdlServices::NewMusicPlayer() { return std::make_unique<SdlMusicPlayer>(*this); }

void SdlServices::PlaySound(const std::string& file, int /*flags*/) {
    // Every wave is played without waiting; the flag only says so.
    if (!ready_ || effectsMuted_) return;
    auto it = cache_->chunks.find(file);
    if (it == cache_->chunks.end())
        it = cache_->chunks.emplace(file, Mix_LoadWAV(PathOf(file).c_str())).first;
    if (it->second) Mix_PlayChannel(-1, it->second, 0);
}

void SdlServices::OpenMail(const std::string& address, const std::string& subject) {
    QUrl url(QString::fromStdString("mailto:" + address));
    url.setQuery(QStringLiteral("subject=") + QString::fromStdString(subject));
    QDesktopServices::openUrl(url);
}

void SdlServices::SetMusicMuted(bool muted) {
    musicMuted_ = muted;
    if (ready_) Mix_VolumeMusic(muted ? 0 : MIX_MAX_VOLUME);
}

void SdlServices::SetEffectsMuted(bool muted) {
    effectsMuted_ = muted;
    if (ready_ && muted) Mix_HaltChannel(-1);
}

std::string ProgramFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}
