// quelmor-tournament [--games N] [--seed S] [--actions A] [--check] [--verbose] [--timings]
//                    [--standings] [--pairing computer|mixed] [--parties SIDE,SIDE[,SIDE[,SIDE]]]
// Plays seeded games between computer parties and random-play parties. Without --parties:
// two-player games, one line per pairing: the wins of each side, the unfinished games and the
// median game length in character turns; in the mixed pairing the computer takes the first
// seat in even games and the second in odd ones. With --parties (two to four sides, each
// "random" or a computer: "easy", "normal", "hard", or "computer", the hard one): games of
// that many players whose sides turn round the seats from one game to the next, counted by
// seat, by side and by class in the winning party, with the mistakes made at each level.
// --weigh-undying-fights: the Cavalier Noir's fights weighed as any class's (it takes them all
// otherwise), to measure what that habit is worth.
// Game g uses seed S + g.
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>

#include "ai/Level.h"
#include "driver/ComputerGames.h"
#include "driver/Tally.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "platform/SdlServices.h"
#include "view/Pictures.h"

namespace {

std::vector<std::string> SplitSides(const std::string& list) {
    std::vector<std::string> sides;
    size_t from = 0;
    while (from <= list.size()) {
        size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        sides.push_back(list.substr(from, comma - from));
        from = comma + 1;
    }
    return sides;
}

// A side's computer level (computer_level), 0 for random play, -1 for an unknown side.
int SideLevel(const std::string& side) {
    if (side == "random") return 0;
    if (side == "computer" || side == "hard") return computer_level::kHard;
    if (side == "normal") return computer_level::kNormal;
    if (side == "easy") return computer_level::kEasy;
    return -1;
}

bool KnownSides(const std::vector<std::string>& sides) {
    if (sides.size() < 2 || sides.size() > 4) return false;
    return std::all_of(sides.begin(), sides.end(), [](const std::string& s) { return SideLevel(s) >= 0; });
}

// How often the easier levels erred: lapses (a thing forgotten for a turn) and fights taken
// below the hard level's odds, against the decisions taken at the level.
void PrintMistakes(const ComputerGameResult::LevelCount (&levels)[4]) {
    static const char* const kNames[] = {"", "easy", "normal", "hard"};
    std::cout << "mistakes by level:";
    bool first = true;
    for (int level = computer_level::kEasy; level <= computer_level::kHard; ++level) {
        const ComputerGameResult::LevelCount& l = levels[level];
        if (l.decisions == 0) continue;
        std::cout << (first ? " " : "; ") << kNames[level] << " " << l.lapses << " lapses and " << l.weakFights
                  << " weak fights in " << l.decisions << " decisions";
        first = false;
    }
    std::cout << std::endl;
}

void PrintTally(const std::vector<std::string>& sides, const Tally& t, unsigned long long seed) {
    auto share = [](const TallyCount& c) { return std::to_string(c.wins) + " of " + std::to_string(c.played); };
    std::cout << "parties";
    for (size_t i = 0; i < sides.size(); ++i) std::cout << (i ? "," : " ") << sides[i];
    std::cout << ": games " << t.games() << ", seeds " << seed << "-" << seed + static_cast<unsigned long long>(t.games()) - 1
              << ", unfinished " << t.unfinished() << ", median " << t.medianTurns() << " character turns" << std::endl;
    std::cout << "wins by seat:";
    for (size_t p = 0; p < t.bySeat().size(); ++p) std::cout << (p ? ", " : " ") << "P" << p + 1 << " " << share(t.bySeat()[p]);
    std::cout << std::endl << "wins by side:";
    bool first = true;
    for (const auto& [side, count] : t.bySide()) {
        std::cout << (first ? " " : ", ") << side << " " << share(count);
        first = false;
    }
    std::cout << std::endl << "wins by class in the party:";
    first = true;
    for (const auto& [number, count] : t.byClass()) {
        std::cout << (first ? " " : ", ") << classes::Name(number) << " " << share(count);
        first = false;
    }
    std::cout << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    int games = 20;
    unsigned long long seed = 1;
    long long actions = 200000;
    bool check = false, verbose = false, timings = false, standings = false;
    std::string only;  // "computer" or "mixed": one pairing alone
    std::vector<std::string> parties;  // --parties: the sides of a 2-4 player series
    for (int i = 1; i < argc; ++i) {
        auto value = [&] { return i + 1 < argc ? std::strtoll(argv[++i], nullptr, 10) : 0LL; };
        if (!std::strcmp(argv[i], "--games")) games = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--seed")) seed = static_cast<unsigned long long>(value());
        else if (!std::strcmp(argv[i], "--actions")) actions = value();
        else if (!std::strcmp(argv[i], "--check")) check = true;
        else if (!std::strcmp(argv[i], "--verbose")) verbose = true;
        else if (!std::strcmp(argv[i], "--timings")) timings = true;
        else if (!std::strcmp(argv[i], "--standings")) standings = true;
        else if (!std::strcmp(argv[i], "--weigh-undying-fights")) ai::SetFightsEveryFightUndying(false);
        else if (!std::strcmp(argv[i], "--pairing") && i + 1 < argc) only = argv[++i];
        else if (!std::strcmp(argv[i], "--parties") && i + 1 < argc) {
            parties = SplitSides(argv[++i]);
            if (!KnownSides(parties)) {
                std::cerr << "quelmor-tournament: --parties takes two to four sides, each easy, normal, hard, computer or random\n";
                return 2;
            }
        } else {
            std::cerr << "usage: quelmor-tournament [--games N] [--seed S] [--actions A] [--check] [--verbose] [--timings] [--standings] [--pairing computer|mixed] [--parties SIDE,SIDE[,SIDE[,SIDE]]] [--weigh-undying-fights]\n";
            return 2;
        }
    }
    pictures::SetFolder(ProgramFolder());
    std::vector<float> decisions;
    int status = 0;
    // One game: its decision times kept, a broken rule and (with --standings) its end printed.
    auto play = [&](const ComputerGameOptions& o) {
        ComputerGameResult r = RunComputerGame(o);
        decisions.insert(decisions.end(), r.decisionMs.begin(), r.decisionMs.end());
        if (!r.failure.empty()) {
            std::cout << "FAILED: seed " << o.seed << ": " << r.failure << std::endl;
            status = 1;
        }
        if (standings) std::cout << "seed " << o.seed << (r.winner ? " won by P" + std::to_string(r.winner) : std::string(" unfinished")) << ": " << r.standing << std::endl;
        return r;
    };
    if (!parties.empty()) {
        Tally tally;
        ComputerGameResult::LevelCount levels[4];
        for (int g = 0; g < games; ++g) {
            ComputerGameOptions o;
            o.seed = seed + static_cast<unsigned long long>(g);
            o.players = static_cast<int>(parties.size());
            o.maxActions = actions;
            o.checkRules = check;
            o.verbose = verbose;
            TallyGame game;
            game.sides = RotatedSides(parties, g);
            for (const std::string& side : game.sides) {
                o.computer.push_back(SideLevel(side) > 0);
                o.levels.push_back(SideLevel(side));
            }
            ComputerGameResult r = play(o);
            for (int level = 1; level < 4; ++level) {
                levels[level].decisions += r.levels[level].decisions;
                levels[level].lapses += r.levels[level].lapses;
                levels[level].weakFights += r.levels[level].weakFights;
            }
            game.classes = r.classes;
            game.winner = r.winner;
            game.characterTurns = r.characterTurns;
            tally.Add(game);
        }
        PrintTally(parties, tally, seed);
        PrintMistakes(levels);
    }
    struct Pairing {
        const char* first;
        const char* second;
        bool mixed;
    };
    const Pairing pairings[] = {{"computer", "computer", false}, {"computer", "random", true}};
    for (const Pairing& pairing : pairings) {
        // A series of --parties stands instead of the pairings.
        if (!parties.empty() || (!only.empty() && only != (pairing.mixed ? "mixed" : "computer"))) continue;
        int winsFirst = 0, winsSecond = 0, unfinished = 0;
        std::vector<long long> lengths;
        for (int g = 0; g < games; ++g) {
            ComputerGameOptions o;
            o.seed = seed + static_cast<unsigned long long>(g);
            o.maxActions = actions;
            o.checkRules = check;
            o.verbose = verbose;
            const bool swap = pairing.mixed && g % 2 == 1;
            o.computer = pairing.mixed ? std::vector<bool>{!swap, swap} : std::vector<bool>{true, true};
            ComputerGameResult r = play(o);
            if (r.winner == 0) {
                ++unfinished;
                continue;
            }
            lengths.push_back(r.characterTurns);
            // The first side of the line is the computer in the mixed pairing, whatever its seat.
            bool firstWon = pairing.mixed ? (r.winner == 1) != swap : r.winner == 1;
            (firstWon ? winsFirst : winsSecond)++;
        }
        std::cout << pairing.first << " vs " << pairing.second << ": " << pairing.first << " " << winsFirst << " wins, "
                  << pairing.second << " " << winsSecond << " wins, unfinished " << unfinished << ", median "
                  << Median(lengths) << " character turns (games " << games << ", seeds " << seed << "-"
                  << seed + games - 1 << ")" << std::endl;
    }
    if (timings && !decisions.empty()) {
        std::sort(decisions.begin(), decisions.end());
        std::cout << "decisions " << decisions.size() << ": median " << decisions[decisions.size() / 2] << " ms, worst "
                  << decisions.back() << " ms" << std::endl;
    }
    return status;
}
