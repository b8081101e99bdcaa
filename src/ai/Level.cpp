#include "ai/Level.h"

#include <cstdint>

#include "ai/Memory.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/SplitMix.h"

namespace ai {

int LevelOf(int c) {
    const int p = rec::Owner(rec::Controller(c));
    if (p < 1 || p > kMaxPlayers || !computer_level::Valid(gd.ComputerLevel[p])) return computer_level::kHard;
    return gd.ComputerLevel[p];
}

double FightThreshold(int level) {
    switch (level) {
        case computer_level::kEasy: return 0.35;
        case computer_level::kNormal: return 0.6;
        default: return 0.8;
    }
}

bool Forgets(int c, Lapse what) {
    const int level = LevelOf(c);
    if (level == computer_level::kHard) return false;
    // In hundredths: how often a turn forgets a given thing.
    const int rate = level == computer_level::kEasy ? 65 : 35;
    // The turn (character and hour) and the game's deal pick the draw.
    uint64_t s = static_cast<uint64_t>(gb.HourCounter) * 131 + static_cast<uint64_t>(c) * 17 + static_cast<uint64_t>(what);
    for (int i = 1; i <= CharacterCount(); ++i) s = s * 31 + static_cast<uint64_t>(rec::ClassNumber(i));
    const bool forgets = SplitMixPick(s, 100) < rate;
    Memory& m = Mem();
    const unsigned bit = 1u << static_cast<unsigned>(what);
    if (forgets && !(m.lapsesCounted & bit)) {
        m.lapsesCounted |= bit;
        ++Mistakes(level).lapses;
    }
    return forgets;
}

namespace {
bool everyFightUndying = true;
}

void SetFightsEveryFightUndying(bool on) { everyFightUndying = on; }
bool FightsEveryFightUndying() { return everyFightUndying; }

MistakeCount& Mistakes(int level) {
    static MistakeCount count[computer_level::kHard + 1];
    return count[computer_level::Valid(level) ? level : computer_level::kHard];
}

}  // namespace ai
