#include "platform/SdlServices.h"

#include <unistd.h>

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/DataFolder.h"
#include "platform/MidiLength.h"
#include "platform/MixerLibrary.h"

namespace {

const char* const kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

// The mixer's levels. SDL2_mixer sets FluidSynth's gain to 1.2 x music volume / maximum: at the
// maximum, six times FluidSynth's own 0.2, and the tunes clip. At 32 (a gain of 0.3) the
// loudest bars, the title's, peak near -5 dBFS with the game's soundfont. The effects, recorded
// near -2 dBFS, are mixed at three quarters: some 15 dB above the battle music while they sound,
// and the two together stay below full scale (bench/run measures all of it).
constexpr int kMusicVolume = 32;
constexpr int kEffectVolume = MIX_MAX_VOLUME * 3 / 4;

// Set while the sound device is open (then the library is loaded).
const MixerLibrary* gMix = nullptr;

// The piece loaded last stays loaded after its screen has closed: loading a MIDI piece builds a
// FluidSynth synthesizer and reads the soundfont into it (tens of milliseconds, on the screens'
// thread), and the piece asked for next is most often the same (fight after fight). A
// synthesizer holds some 8 MiB, so one piece is kept, no more.
struct LoadedPiece {
    std::string path;
    Mix_Music* music = nullptr;
    bool repeats = false;  // see Repeats
};

// Whether a piece may be asked to repeat without end: only a MIDI file that FluidSynth will
// surely read and that lasts a second or more (MidiLength.h tells why). Any other plays once.
bool Repeats(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return MidiSeconds(bytes) >= 1.0;
}

LoadedPiece& Loaded() {
    static LoadedPiece piece;
    return piece;
}

void FreeLoadedMusic() {
    if (Loaded().music) gMix->FreeMusic(Loaded().music);  // halts it if it still plays
    Loaded() = LoadedPiece{};
}

Mix_Music* LoadMusic(const std::string& path) {
    LoadedPiece& kept = Loaded();
    if (kept.music && kept.path == path) return kept.music;
    Mix_Music* music = gMix->LoadMUS(path.c_str());
    if (!music) return nullptr;  // a missing piece leaves the kept one alone
    FreeLoadedMusic();
    kept = LoadedPiece{path, music, Repeats(path)};
    return music;
}

}  // namespace

// One screen's music player. Before the sound device is open it only remembers what its
// screen asked (a piece opened, playing or not), and catches up when the device opens.
class SdlMusicPlayer : public MusicPlayer {
public:
    explicit SdlMusicPlayer(SdlServices& owner) : owner_(owner) { owner_.players_.push_back(this); }
    ~SdlMusicPlayer() override {
        Release();
        auto& all = owner_.players_;
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }

    void SetFileName(const std::string& file) override { file_ = file; }

    void Command(const std::string& command) override {
        if (command == "open") {
            Release();
            wanted_ = owner_.PathOf(file_);
            if (owner_.audioReady()) Open();
        } else if (command == "play") {
            wantPlaying_ = !wanted_.empty();
            if (owner_.audioReady()) Play();
        } else if (command == "stop") {
            wantPlaying_ = false;
            if (playing_) {
                gMix->HaltMusic();
                owner_.RestLater();
            }
            playing_ = false;
        } else if (command == "close") {
            Release();
        }
    }

    // The sound device has just opened: do what the screen asked before. A piece opened but
    // not playing is loaded only when played (loading it now would unload a playing one).
    void CatchUp() {
        if (wanted_.empty()) return;
        if (!wantPlaying_) {
            opened_ = wanted_;
            return;
        }
        Open();
        Play();
    }

    // The device rested in silence: nothing of this player's sounds any more.
    void Silenced() { playing_ = false; }

private:
    void Open() {
        opened_ = owner_.Awake() && LoadMusic(wanted_) ? wanted_ : std::string();
        owner_.RestLater();  // should it never be played
    }
    void Play() {
        // Another screen may have loaded its own piece since (or the device rested and let it
        // go): this one is loaded again then.
        Mix_Music* music = opened_.empty() || !owner_.Awake() ? nullptr : LoadMusic(opened_);
        if (music && !owner_.musicMuted()) {
            // Round and round until the screen stops it or closes: FluidSynth's own player
            // starts the piece again the moment it ends.
            gMix->PlayMusic(music, Loaded().repeats ? -1 : 0);
            playing_ = true;
            if (!Loaded().repeats) owner_.RestLater();  // once it has ended
        }
    }
    void Release() {
        if (playing_) {
            gMix->HaltMusic();
            owner_.RestLater();
        }
        playing_ = false;
        wantPlaying_ = false;
        wanted_.clear();
        opened_.clear();
    }
    SdlServices& owner_;
    std::string file_;
    std::string wanted_;        // the piece the screen opened, "" when none
    std::string opened_;        // the piece loaded for it, "" when none could be
    bool wantPlaying_ = false;  // the screen said play and not stop since
    bool playing_ = false;
};

struct SdlServices::Cache {
    std::map<std::string, Mix_Chunk*> chunks;
};

SdlServices::SdlServices(std::string folder) : folder_(std::move(folder)), cache_(std::make_unique<Cache>()) {}

bool SdlServices::Start() {
    if (started_) return ready_;
    started_ = true;
    if (gMix) {
        std::fprintf(stderr, "quelmor: no sound (the device is already in use by this program)\n");
        return false;
    }
    const MixerLibrary* mix = LoadMixerLibrary();
    if (!mix) return false;
    for (const char* sf : kSoundFonts) {
        if (access(sf, R_OK) == 0) {
            soundFont_ = sf;
            mix->SetSoundFonts(sf);
            break;
        }
    }
    // SDL would turn SIGINT and SIGTERM into a quit event nobody reads here: the game must
    // end when the session or the terminal asks it to.
    mix->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix->Init(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "quelmor: no sound (%s)\n", mix->GetError());
        return false;
    }
    gMix = mix;
    if (!OpenDevice()) {
        gMix = nullptr;
        mix->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mix->InitMixer(MIX_INIT_MID);
    ready_ = true;
    rest_ = std::make_unique<QTimer>();
    rest_->setSingleShot(true);
    QObject::connect(rest_.get(), &QTimer::timeout, [this] { Rest(); });
    const std::vector<SdlMusicPlayer*> waiting = players_;
    for (SdlMusicPlayer* player : waiting) player->CatchUp();
    if (!gMix->PlayingMusic()) RestLater();  // no screen asked for music
    return true;
}

bool SdlServices::OpenDevice() {
    // The soundfont is named again: closing the device forgets it.
    if (soundFont_) gMix->SetSoundFonts(soundFont_);
    // A short buffer so that blows and spells sound the moment they are clicked.
    if (gMix->OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        std::fprintf(stderr, "quelmor: no sound (%s)\n", gMix->GetError());
        return false;
    }
    gMix->AllocateChannels(8);
    gMix->Volume(-1, kEffectVolume);
    gMix->VolumeMusic(musicMuted_ ? 0 : kMusicVolume);
    deviceOpen_ = true;
    return true;
}

bool SdlServices::Awake() {
    if (!ready_) return false;
    return deviceOpen_ || OpenDevice();
}

void SdlServices::RestLater() {
    if (rest_) rest_->start(kRestMs);
}

void SdlServices::Rest() {
    if (!deviceOpen_) return;
    if (gMix->PlayingMusic() || gMix->Playing(-1) > 0) {
        RestLater();  // a piece that plays once, or an effect, is not over yet
        return;
    }
    // Nothing sounds: the device closes. The loaded piece and the effects go with it (they
    // belong to the device's mixer) and load again when next asked for.
    FreeLoadedMusic();
    for (auto& [name, chunk] : cache_->chunks)
        if (chunk) gMix->FreeChunk(chunk);
    cache_->chunks.clear();
    for (SdlMusicPlayer* player : players_) player->Silenced();
    gMix->CloseAudio();
    deviceOpen_ = false;
}

SdlServices::~SdlServices() {
    if (!ready_) return;
    rest_.reset();
    if (deviceOpen_) {
        gMix->HaltChannel(-1);
        gMix->HaltMusic();
    }
    FreeLoadedMusic();
    for (auto& [name, chunk] : cache_->chunks)
        if (chunk) gMix->FreeChunk(chunk);
    if (deviceOpen_) gMix->CloseAudio();
    gMix->QuitMixer();
    gMix->QuitSubSystem(SDL_INIT_AUDIO);
    gMix = nullptr;
}

std::string SdlServices::PathOf(const std::string& file) const {
    if (!file.empty() && file[0] == '/') return file;
    return folder_.empty() ? file : folder_ + "/" + file;
}

std::unique_ptr<MusicPlayer> SdlServices::NewMusicPlayer() { return std::make_unique<SdlMusicPlayer>(*this); }

void SdlServices::PlaySound(const std::string& file, int /*flags*/) {
    // Every wave is played without waiting; the flag only says so.
    if (!ready_ || effectsMuted_ || !Awake()) return;
    auto it = cache_->chunks.find(file);
    if (it == cache_->chunks.end())
        it = cache_->chunks.emplace(file, gMix->LoadWAV(PathOf(file).c_str())).first;
    if (it->second) gMix->PlayChannel(-1, it->second, 0);
    RestLater();
}

void SdlServices::OpenMail(const std::string& address, const std::string& subject) {
    QUrl url(QString::fromStdString("mailto:" + address));
    url.setQuery(QStringLiteral("subject=") + QString::fromStdString(subject));
    QDesktopServices::openUrl(url);
}

std::string SdlServices::AskFileName(const FileQuestion& question) {
    return fileDialog_ ? fileDialog_(question) : std::string();
}

std::string SdlServices::SavesFolder() { return UserSavesFolder(); }

void SdlServices::SetMusicMuted(bool muted) {
    musicMuted_ = muted;
    if (ready_ && deviceOpen_) gMix->VolumeMusic(muted ? 0 : kMusicVolume);
}

void SdlServices::SetEffectsMuted(bool muted) {
    effectsMuted_ = muted;
    if (ready_ && deviceOpen_ && muted) gMix->HaltChannel(-1);
}

std::string ProgramFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}
