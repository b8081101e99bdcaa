#include "ui/Services.h"

namespace {

class RecordingPlayer : public MusicPlayer {
public:
    explicit RecordingPlayer(RecordingServices& services) : services_(services) {}
    void SetFileName(const std::string& file) override { file_ = file; }
    void Command(const std::string& command) override { services_.MusicCommand(file_, command); }

private:
    RecordingServices& services_;
    std::string file_;
};

}  // namespace

std::unique_ptr<MusicPlayer> RecordingServices::NewMusicPlayer() { return std::make_unique<RecordingPlayer>(*this); }

void RecordingServices::MusicCommand(const std::string& file, const std::string& command) {
    log.push_back("music " + command + " " + file);
    ServiceRequest r;
    r.type = ServiceRequest::Music;
    r.file = file;
    r.command = command;
    requests.push_back(r);
}

void RecordingServices::PlaySound(const std::string& file, int flags) {
    log.push_back("sound " + file + " " + std::to_string(flags));
    ServiceRequest r;
    r.type = ServiceRequest::Sound;
    r.file = file;
    r.flags = flags;
    requests.push_back(r);
}

void RecordingServices::OpenMail(const std::string& address, const std::string& subject) {
    log.push_back("mail " + address + " " + subject);
    ServiceRequest r;
    r.type = ServiceRequest::Mail;
    r.address = address;
    r.subject = subject;
    requests.push_back(r);
}

std::string RecordingServices::AskFileName(const FileQuestion& question) {
    log.push_back(std::string("file ") + (question.kind == FileQuestion::Save ? "save " : "open ") + question.folder);
    fileDialogTitle = question.title;
    lastFileQuestion = question;
    if (fileAnswers.empty()) return "";
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}
