#include "driver/ComputerGames.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <sstream>

#include "ai/Computer.h"
#include "ai/Level.h"
#include "ai/RandomParty.h"
#include "driver/Driver.h"
#include "board/frmJeu.h"
#include "driver/Dump.h"
#include "driver/Invariants.h"
#include "record/Recorder.h"
#include "setup/frmBegin.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/SplitMix.h"
#include "state/Status.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace {

uint64_t Mix(uint64_t& s) { return SplitMixNext(s); }

// The set-up: the classes dealt at random, the named players, then the computer flags.
std::vector<std::string> Opening(const ComputerGameOptions& o, uint64_t& s) {
    int classes[16];
    for (int i = 0; i < 16; ++i) classes[i] = i + 1;
    for (int i = 15; i > 0; --i) std::swap(classes[i], classes[Mix(s) % static_cast<uint64_t>(i + 1)]);
    std::string line = "newgame";
    const int per = 8 - o.players;
    for (int p = 0, next = 0; p < o.players; ++p) {
        line += " \"P" + std::to_string(p + 1) + "\" ";
        for (int k = 0; k < per; ++k) line += (k ? "," : "") + std::to_string(classes[next++]);
    }
    std::vector<std::string> lines;
    if (!o.recordPath.empty()) lines.push_back("record \"" + o.recordPath + "\"");
    lines.push_back(line);
    for (int p = 0; p < o.players; ++p) {
        const size_t k = static_cast<size_t>(p);
        const int level = k < o.levels.size() && computer_level::Valid(o.levels[k]) ? o.levels[k] : computer_level::kHard;
        const bool computer = k < o.computer.size() && o.computer[k];
        lines.push_back("computer " + std::to_string(p + 1) + " " + record::ComputerPartyWordOf(computer ? level : 0));
    }
    return lines;
}

// One line per party: door state, tower floor, characters alive, and the strongest
// character's attack, defence and life, with the party's gold.
std::string Standing(int players) {
    std::ostringstream line;
    const int per = CharactersPerPlayer();
    for (int p = 1; p <= players; ++p) {
        int alive = 0, bestAttack = 0, bestDefense = 0;
        long gold = 0;
        for (int c = (p - 1) * per + 1; c <= p * per; ++c) {
            gold += rec::Gold(c);
            if (gd.Status[c] == status::kDead) continue;
            ++alive;
            bestAttack = std::max(bestAttack, rec::EffectiveAttack(c));
            bestDefense = std::max(bestDefense, rec::EffectiveDefense(c));
        }
        line << (p > 1 ? "; " : "") << "P" << p << (gd.ComputerPlayer[p] ? " computer" : " random") << " door "
             << gd.DoorState[p] << " floor " << gd.TowerFloor[p] << " alive " << alive << " best att " << bestAttack
             << " def " << bestDefense << " gold " << gold;
    }
    return line.str();
}

}  // namespace

ComputerGameResult RunComputerGame(const ComputerGameOptions& o) {
    StartRun(o.seed);
    ai::ForgetMemory();
    for (int level = computer_level::kEasy; level <= computer_level::kHard; ++level) ai::Mistakes(level) = {};
    ComputerGameResult result;
    uint64_t s = o.seed * 6364136223846793005ull + 1442695040888963407ull;
    std::vector<std::string> opening = Opening(o, s);
    size_t next = 0;
    int lastCharacter = -1, lastHour = -1;
    std::istringstream none;
    std::ostringstream out, err;
    {
        Driver driver(none, out, err);
        driver.SetOpening([] { OpenTitleScreen(); });
        driver.SetLineSource([&](std::string& line) {
            if (next < opening.size()) {
                line = opening[next++];
                return true;
            }
            if (o.checkRules && result.actions > 0) {
                std::string broken = CheckInvariants();
                if (broken.empty() && !driver.popupScreen()) broken = CheckTurnCanEnd();
                if (!broken.empty()) {
                    result.failure = broken;
                    return false;
                }
            }
            if (!ai::GameRunning()) {
                if (Ui::Get().Find("frmFini")) result.winner = rec::Owner(gd.CurrentCharacter);
                return false;
            }
            if (result.actions >= o.maxActions) return false;
            const int hour = Jeu() ? gb.HourCounter : 0;
            if (gd.CurrentCharacter != lastCharacter || hour != lastHour) {
                ++result.characterTurns;
                lastCharacter = gd.CurrentCharacter;
                lastHour = hour;
            }
            ai::Decision d;
            if (ai::ComputerToAct()) {
                if (o.beforeDecision) o.beforeDecision(driver.popupScreen());
                auto start = std::chrono::steady_clock::now();
                d = ai::Decide(driver.popupScreen(), driver.popupMenu());
                result.decisionMs.push_back(
                    std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - start).count());
                ++result.levels[ai::LevelOf(gd.CurrentCharacter)].decisions;
            } else {
                d = ai::RandomMove(s, driver.popupScreen(), driver.popupMenu());
            }
            if (o.verbose) {
                const int c = gd.CurrentCharacter;
                std::cerr << result.actions << " P" << rec::Owner(c) << " c" << c << " @" << gd.Zone[c] << ":" << gd.PosX[c]
                          << "," << gd.PosY[c] << " mv " << gd.MovesLeft << ": " << d.line << "  -- " << d.reason << "\n";
            }
            line = d.line;
            ++result.actions;
            return true;
        });
        int status = driver.Run();
        if (status != 0 && result.failure.empty()) result.failure = "the driver stopped: " + err.str();
        result.standing = Standing(o.players);
        const int per = CharactersPerPlayer();
        result.classes.assign(static_cast<size_t>(o.players), {});
        for (int p = 1; p <= o.players; ++p)
            for (int c = (p - 1) * per + 1; c <= p * per; ++c) result.classes[static_cast<size_t>(p - 1)].push_back(rec::ClassNumber(c));
        for (int level = computer_level::kEasy; level <= computer_level::kHard; ++level) {
            result.levels[level].lapses = ai::Mistakes(level).lapses;
            result.levels[level].weakFights = ai::Mistakes(level).weakFights;
        }
        record::StopRecording("");
        result.finalState = DumpState(driver.popupScreen(), driver.popupMenu());
    }
    return result;
}
