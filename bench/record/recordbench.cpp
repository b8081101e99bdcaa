// quelmor-recordbench: the game's record at scale.
//   quelmor-recordbench games [N [actions]]   N games (computer and random-play parties, 2 to 4
//                                              players) recorded, each replayed by a fresh
//                                              quelmor-driver to the same final state
//   quelmor-recordbench kill [N]               a long recorded game killed at N random moments:
//                                              each record is the start of the whole one and
//                                              replays to its state after as many events
//   quelmor-recordbench speed [events]         a 4-player game of that many events (20,000):
//                                              replayed whole in this process as Continue does
//                                              (median and worst of 5), and by a fresh driver
//   quelmor-recordbench fuzz [seconds]         real records mutated at random (bytes, lines,
//                                              junk, driver commands, huge lines and waits),
//                                              each replayed: a refusal is fine, a crash is not
// Run beside build-asan/bin (or any bin folder with quelmor-driver). Prints one line a result.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "driver/ComputerGames.h"
#include "driver/Driver.h"
#include "platform/SdlServices.h"
#include "record/Replayer.h"
#include "support/CommandOutput.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/Pictures.h"

namespace fs = std::filesystem;

namespace {

std::string bin;  // the folder of quelmor-driver
fs::path work;    // a folder of our own for the records

double Ms(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string RunDriver(const std::string& script, const std::string& options = "") {
    const fs::path file = work / "script.txt";
    WriteAll(file, script);
    const std::string command = bin + "/quelmor-driver " + options + " < " + file.string() + " 2>/dev/null";
    return CommandOutput(command);
}

std::string StateOf(const std::string& dump) { return dump.substr(0, dump.find(", \"audio\": ")); }

std::string DumpLine(const std::string& out) {
    const size_t at = out.find("{\"");
    return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) - at);
}

std::vector<std::string> WholeLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

int Games(int n, long long actions) {
    int same = 0;
    long long events = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 1; g <= n; ++g) {
        ComputerGameOptions o;
        o.seed = 7000 + g;
        o.players = 2 + g % 3;
        for (int p = 0; p < o.players; ++p) o.computer.push_back(((g >> p) & 1) != 0);
        o.maxActions = actions;
        o.recordPath = (work / "game.qrec").string();
        const ComputerGameResult r = RunComputerGame(o);
        events += static_cast<long long>(WholeLines(ReadAll(o.recordPath)).size()) - 4;
        const std::string replayed = StateOf(DumpLine(RunDriver("replay " + o.recordPath + "\ndump\n")));
        const bool ok = r.failure.empty() && replayed == r.finalState.substr(0, r.finalState.size() - 1);
        same += ok;
        if (!ok) {
            fs::copy_file(o.recordPath, work / ("differs-" + std::to_string(o.seed) + ".qrec"),
                          fs::copy_options::overwrite_existing);
            std::printf("seed %llu: %s\n", static_cast<unsigned long long>(o.seed),
                        r.failure.empty() ? "the replay ends in another state" : r.failure.c_str());
        }
    }
    std::printf("games: %d recorded (%lld events), %d replayed by a fresh process to the same final state, %.0f s\n", n,
                events, same, Ms(start) / 1000);
    return same == n ? 0 : 1;
}

int Kill(int points) {
    const std::string game =
        "newgame \"A\" 4,8,12,16 \"B\" 3,7,11,15 \"C\" 2,6,10,14 \"D\" 1,5,9,13\ncomputer 1\ncomputer 2\ncomputer 3\n"
        "computer 4\nplay 6000\n";
    const fs::path whole = work / "whole.qrec", cut = work / "cut.qrec", script = work / "kill.txt";
    const auto began = std::chrono::steady_clock::now();
    RunDriver("record " + whole.string() + "\n" + game);
    // The kills fall anywhere in the time a whole run takes.
    const int runMs = static_cast<int>(Ms(began));
    const std::vector<std::string> all = WholeLines(ReadAll(whole));
    WriteAll(script, "record " + cut.string() + "\n" + game);
    std::mt19937 pick(20261210);
    int good = 0, checked = 0;
    for (int point = 0; point < points; ++point) {
        fs::remove(cut);
        const pid_t child = fork();
        if (child == 0) {
            ::dup2(::open(script.c_str(), O_RDONLY), 0);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            const std::string driver = bin + "/quelmor-driver";
            ::execl(driver.c_str(), driver.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 500 && (!fs::exists(cut) || fs::file_size(cut) < 200); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, runMs)(pick)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string text = ReadAll(cut);
        const std::vector<std::string> lines = WholeLines(text);
        const bool prefix = lines.size() <= all.size() && std::equal(lines.begin(), lines.end(), all.begin());
        const size_t cutBytes = text.size() - (text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
        bool same = true;
        if (prefix && lines.size() > 4) {
            const std::string events = std::to_string(lines.size() - 4);
            same = StateOf(DumpLine(RunDriver("replay " + cut.string() + "\ndump\n"))) ==
                   StateOf(DumpLine(RunDriver("replay " + whole.string() + " " + events + "\ndump\n")));
            ++checked;
        }
        good += prefix && same;
        std::printf("kill %d: %zu whole lines of %zu, %zu bytes of a line cut short: %s\n", point + 1, lines.size(),
                    all.size(), cutBytes, prefix && same ? "resumes with nothing lost but the event in flight" : "DIFFERS");
        std::fflush(stdout);
    }
    std::printf("kill: %d points, %d replayed and compared, %d good\n", points, checked, good);
    return good == points ? 0 : 1;
}

int Speed(long long events) {
    // Four parties of random play (which never win nor leave), played on until the record holds
    // that many events.
    const fs::path path = work / "long.qrec";
    ComputerGameOptions o;
    o.seed = 20261210;
    o.players = 4;
    o.computer = {false, false, false, false};
    o.recordPath = path.string();
    std::string text;
    long long held = 0;
    for (o.maxActions = events; held < events; o.maxActions += o.maxActions / 2) {
        const ComputerGameResult r = RunComputerGame(o);
        text = ReadAll(path);
        held = static_cast<long long>(WholeLines(text).size()) - 4;
        if (r.actions < o.maxActions) break;  // the game ended before
    }
    // Wall time, and the process's processor time, which a busy machine does not inflate.
    auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
    };
    std::vector<double> ms, cpu;
    record::ReplayResult r;
    for (int run = 0; run < 9; ++run) {
        std::ifstream in(path, std::ios::binary);
        record::Replayer replay(in);
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuMs();
        r = replay.Run();
        ms.push_back(Ms(start));
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("speed: a 4-player record of %lld events (%zu bytes), replayed %lld events in this process as Continue "
                "does: median %.1f ms, worst %.1f ms; processor time median %.1f ms, worst %.1f ms (%s)\n",
                held, text.size(), r.events, ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2], cpu.back(),
                r.message.c_str());
    const auto start = std::chrono::steady_clock::now();
    const std::string check = RunDriver("", "--replay " + path.string());
    std::printf("speed: quelmor-driver --replay, a fresh process from start to exit: %.1f ms: %s", Ms(start), check.c_str());
    return 0;
}

// One mutation of a record's text.
std::string Mutate(const std::string& text, std::mt19937& rng) {
    std::vector<std::string> lines = WholeLines(text);
    // A record cut down to nothing grows a line again.
    if (lines.empty()) return text + "wait 10\n";
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    std::string out;
    switch (pick(8)) {
        case 0: {  // a byte changed
            out = text;
            out[pick(out.size())] = static_cast<char>(pick(256));
            return out;
        }
        case 1: lines.erase(lines.begin() + static_cast<long>(pick(lines.size()))); break;
        case 2: lines.insert(lines.begin() + static_cast<long>(pick(lines.size())), lines[pick(lines.size())]); break;
        case 3: {
            static const char* const kJunk[] = {"set MovesLeft 99", "rnd 0.99", "call EndTurn_Click", "wait 3600000",
                                                "wait 99999999999", "click frmJeu.Image1 -5 99999 1 0", "close",
                                                "menu frmJeu.MNU_Dir(9)", "saved x", "start save {}", "end won",
                                                "computer 9 on", "hurry maybe", "\"", "", "# note"};
            lines.insert(lines.begin() + static_cast<long>(pick(lines.size())), kJunk[pick(std::size(kJunk))]);
            break;
        }
        case 4: lines[pick(lines.size())] = std::string(5000 + pick(100000), 'x'); break;
        case 5: return text.substr(0, pick(text.size()));
        case 6: {  // a number changed in a line
            std::string& line = lines[pick(lines.size())];
            const size_t at = line.find_first_of("0123456789");
            if (at != std::string::npos) line.insert(at, std::to_string(pick(1000000)));
            break;
        }
        default: {  // two lines swapped
            std::swap(lines[pick(lines.size())], lines[pick(lines.size())]);
            break;
        }
    }
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

int Fuzz(double seconds) {
    std::vector<std::string> seeds;
    for (int g = 0; g < 3; ++g) {
        ComputerGameOptions o;
        o.seed = 900 + g;
        o.players = 2 + g;
        o.computer.assign(o.players, g != 1);
        o.maxActions = 400;
        o.recordPath = (work / "seed.qrec").string();
        RunComputerGame(o);
        seeds.push_back(ReadAll(o.recordPath));
    }
    std::mt19937 rng(20261210);
    long long runs = 0, refused = 0;
    const auto start = std::chrono::steady_clock::now();
    while (Ms(start) < seconds * 1000) {
        std::string text = seeds[runs % seeds.size()];
        for (int m = 0, n = 1 + static_cast<int>(rng() % 3); m < n; ++m) text = Mutate(text, rng);
        std::istringstream in(text);
        record::Replayer replay(in);
        refused += !replay.Run().Valid();
        ++runs;
    }
    std::printf("fuzz: %lld mutated records replayed in %.0f s, %lld refused at a line, no crash\n", runs, seconds, refused);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    bin = fs::absolute(fs::path(argv[0])).parent_path().string();
    pictures::SetFolder(ProgramFolder());
    work = fs::temp_directory_path() / ("quelmor-recordbench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "games") return Games(argc > 2 ? std::atoi(argv[2]) : 200, argc > 3 ? std::atoll(argv[3]) : 1500);
    if (what == "kill") return Kill(argc > 2 ? std::atoi(argv[2]) : 50);
    if (what == "speed") return Speed(argc > 2 ? std::atoll(argv[2]) : 20000);
    if (what == "fuzz") {
        // The replays run in this process: they need a host and services, which a driver gives.
        std::istringstream none;
        std::ostringstream out, err;
        ::Driver driver(none, out, err);
        return Fuzz(argc > 2 ? std::atof(argv[2]) : 60);
    }
    std::fprintf(stderr, "usage: quelmor-recordbench games [N [actions]] | kill [N] | speed [events] | fuzz [seconds]\n");
    return 2;
}
