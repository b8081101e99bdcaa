#include "ui/Services.h"

namespace {

class RecordingPlayer : public MusicPlayer {
public:
    explicit RecordingPlayer(std::vector<std::string>& log) : log_(log) {}
    void SetFileName(const std::string& file) override { file_ = file; }
    void Command(const std::string& command) override { log_.push_back("music " + command + " " + file_); }

private:
    std::vector<std::string>& log_;
    std::string file_;
};

}  // namespace

std::unique_ptr<MusicPlayer> RecordingServices::NewMusicPlayer() {
    return std::make_unique<RecordingPlayer>(log);
}

void RecordingServices::PlaySound(const std::string& file, int flags) {
    log.push_back("sound " + file + " " + std::to_string(flags));
}

void RecordingServices::OpenMail(const std::string& address, const std::string& subject) {
    log.push_back("mail " + address + " " + subject);
}
