#include "driver/NetCommands.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "net/Seats.h"
#include "wire/HostSession.h"
#include "wire/JoinSession.h"

namespace {

std::unique_ptr<wire::HostSession>& Hosted() {
    static std::unique_ptr<wire::HostSession> session;
    return session;
}

const char* PauseWord(wire::Pause::Why why) {
    switch (why) {
        case wire::Pause::Why::HereToPlay: return "here";
        case wire::Pause::Why::SeatDone: return "done";
        case wire::Pause::Why::GameOver: return "over";
        case wire::Pause::Why::Idle: return "idle";
    }
    return "";
}

}  // namespace

bool IsNetCommand(const std::string& command) {
    return command == "host" || command == "serve" || command == "unhost" || command == "join";
}

std::string RunNetCommand(const CommandLine& line, const std::function<bool(std::string&)>& nextLine, std::ostream& out,
                          std::ostream& err) {
    const std::vector<std::string>& w = line.words;
    const std::string& cmd = line.Command();
    auto log = [&err, cmd](const std::string& text) {
        err << cmd << ": " << text << "\n";
        err.flush();
    };
    if (cmd == "host") {
        int port = 0;
        if (w.size() < 3 || !line.Number(1, port)) return "host: give PORT CODE [P=NAME...]";
        if (Hosted() && Hosted()->Running()) return "host: a game is already hosted";
        net::Seats seats;
        std::string why;
        if (!seats.Read(std::vector<std::string>(w.begin() + 3, w.end()), why)) return "host: " + why;
        auto session = std::make_unique<wire::HostSession>([log](const std::string& text) { log(text); });
        wire::HostSession* hosted = session.get();
        session->SetOnPause([&out, hosted](const wire::Pause& p) {
            out << "serve: " << PauseWord(p.why) << ": " << p.message << "; " << hosted->Events() << " events, "
                << hosted->HandOvers() << " hand-overs, " << hosted->Refusals() << " refused\n";
            out.flush();
        });
        if (!session->Start(port, w[2], seats, why)) return "host: " + why;
        Hosted() = std::move(session);
        return "";
    }
    if (cmd == "serve") {
        if (!Hosted() || !Hosted()->Running()) return "serve: no game is hosted";
        int seconds = 30;
        if (w.size() > 1 && (!line.Number(1, seconds) || seconds < 1 || seconds > 7 * 86400))
            return "serve: not a number of seconds from 1 to a week's: " + w[1];
        Hosted()->Serve(seconds * 1000);  // says where it paused
        return "";
    }
    if (cmd == "unhost") {
        // The session may be serving under this line (a dialog handed to the script): it is
        // stopped, and let go only at the driver's end.
        if (Hosted()) Hosted()->Stop("the host stopped");
        return "";
    }
    // join ADDRESS PORT CODE NAME
    int port = 0;
    if (w.size() != 5 || !line.Number(2, port)) return "join: give ADDRESS PORT CODE NAME";
    wire::JoinSession session([&nextLine](std::string& input) { return nextLine(input) ? wire::InputNext::Line : wire::InputNext::Over; },
                              [log](const std::string& text) { log(text); });
    const wire::JoinResult r = session.Run(w[1], port, w[3], w[4]);
    std::vector<double> answers = r.answerMs;
    std::sort(answers.begin(), answers.end());
    out << "join: " << r.why << "; " << r.events << " events, " << r.agreed << " hand-overs agreed, " << r.differed
        << " differed, " << r.resyncs << " resyncs, " << r.refusals << " refused, " << r.rejoins << " rejoins; answers median "
        << (answers.empty() ? 0 : answers[answers.size() / 2]) << " ms, worst " << (answers.empty() ? 0 : answers.back())
        << " ms over " << answers.size() << " inputs; " << r.bytes << " bytes over " << r.clockMs << " ms of the game\n";
    if (!r.joined) return "join: " + r.why;
    return "";
}

void EndNetSessions() {
    if (Hosted()) Hosted()->Stop("the host stopped");
    Hosted().reset();
}
