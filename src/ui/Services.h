#pragma once
// What the screens ask of the platform: music, wave sounds, the mail client, and the file
// dialog and the user's data folder for saved games.
// The real implementation lives in src/platform; tests and the driver use a recording one.
#include <deque>
#include <memory>
#include <string>
#include <vector>

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // The bare file name that the next "open" uses.
    virtual void SetFileName(const std::string& file) = 0;
    // "open", "play" (returns at once), "stop", "close"; unknown commands are ignored.
    virtual void Command(const std::string& command) = 0;
};

// A file name asked of the player: where the dialog opens, its title, the one kind of file it
// shows (its name and its suffix, without the dot), the name it offers (a save dialog; "" for
// none) and the language of the dialog's own words ("fr" or "en").
struct FileQuestion {
    enum Kind { Save, Open } kind = Save;
    std::string folder;
    std::string title;
    std::string filterName;
    std::string suffix;
    std::string name;
    std::string language = "fr";
};

class Services {
public:
    virtual ~Services() = default;
    // A new music player; the piece stops when the player is destroyed.
    virtual std::unique_ptr<MusicPlayer> NewMusicPlayer() = 0;
    // Plays a wave file; flag 1 means without waiting.
    virtual void PlaySound(const std::string& file, int flags) = 0;
    // Opens the system's mail client on a new message.
    virtual void OpenMail(const std::string& address, const std::string& subject) = 0;
    // The file the player chooses in a file dialog; "" when the dialog is cancelled. Choosing
    // an existing file to save over is only a choice: the game asks before replacing it.
    virtual std::string AskFileName(const FileQuestion& question) = 0;
    // Where saved games go unless the player says otherwise: the user's data folder
    // (XDG_DATA_HOME, by default ~/.local/share) followed by quelmor/saves. Nothing is made.
    virtual std::string SavesFolder() = 0;
};

// One request as the recording services took it.
struct ServiceRequest {
    enum Type { Music, Sound, Mail } type = Music;
    std::string file;      // music and sound: the bare file name
    std::string command;   // music: "open", "play", "stop", "close"
    int flags = 0;         // sound
    std::string address;   // mail
    std::string subject;   // mail
};

// Records every request, as a line ("music open start.mid", "sound song.wav 1", "mail a s")
// and field by field, in the order they came.
class RecordingServices : public Services {
public:
    std::unique_ptr<MusicPlayer> NewMusicPlayer() override;
    void PlaySound(const std::string& file, int flags) override;
    void OpenMail(const std::string& address, const std::string& subject) override;
    // The file dialog answers with the next scripted name ("" when none is left: cancelled),
    // logs "file save FOLDER" or "file open FOLDER" and keeps the dialog's title.
    std::string AskFileName(const FileQuestion& question) override;
    std::string SavesFolder() override { return savesFolder; }
    void MusicCommand(const std::string& file, const std::string& command);
    std::deque<std::string> fileAnswers;
    std::string savesFolder;   // "" for none: nothing is made
    std::vector<std::string> log;
    std::string fileDialogTitle;   // the title of the last file dialog asked for
    FileQuestion lastFileQuestion; // and the whole question
    std::vector<ServiceRequest> requests;
};
