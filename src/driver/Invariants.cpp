#include "driver/Invariants.h"
#include "state/Random.h"

#include <array>
#include <set>

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

// The parts of each record that the game writes only when it creates the record: player
// number, both names, class, movement dice and bonus (1-26), the four class digits (30-33)
// and, at the end, the two day and night flags.
struct Fixed {
    std::u32string head, digits, flags;
    bool operator==(const Fixed&) const = default;
};
std::array<Fixed, kMaxCharacters + 1> gFixed;
bool gKnown = false;

Fixed FixedPart(const std::u32string& r) {
    return Fixed{r.substr(0, 26), r.substr(29, 4), r.substr(r.size() - 2)};
}

bool Digits(const std::u32string& r, size_t from, size_t to) {  // 1-based, inclusive
    for (size_t i = from; i <= to; ++i)
        if (i > r.size() || r[i - 1] < U'0' || r[i - 1] > U'9') return false;
    return true;
}

int Number(const std::u32string& r, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from; i <= to; ++i) n = n * 10 + static_cast<int>(r[i - 1] - U'0');
    return n;
}

bool KnownStatus(int s) {
    return (s >= 0 && s <= 7) || (s >= 10 && s <= 13) || s == 15 || (s >= 17 && s <= 29);
}

bool OnGrid(int x, int y) { return x >= 1 && x <= 20 && y >= 1 && y <= 15; }

// Where a zone change leaves a character for a moment: just outside the new zone's edge,
// one cell before its first road.
bool ZoneChangeLanding(int zone, int x, int y) {
    static constexpr int kLandings[8][3] = {{1, 3, 16}, {4, 0, 13}, {2, 18, 16}, {4, 18, 0},
                                            {1, 21, 3}, {3, 3, 0},  {2, 0, 3},   {3, 21, 13}};
    for (const auto& l : kLandings)
        if (l[0] == zone && l[1] == x && l[2] == y) return true;
    return false;
}

std::string Where(int c) { return "character " + std::to_string(c) + ": "; }

std::string CheckRecord(int c) {
    const std::u32string& r = gd.CharacterRecords[c];
    if (r.size() < 41 || (r.size() - 41) % 4 != 0)
        return Where(c) + "record length " + std::to_string(r.size()) + " is not 41 + 4n: " + ToUtf8(r);
    if (!Digits(r, 1, 2) || !Digits(r, 13, 14) || !Digits(r, 25, r.size()))
        return Where(c) + "a numeric field holds something else than digits: " + ToUtf8(r);
    if (Number(r, 1, 2) != rec::Owner(c))
        return Where(c) + "player number " + ToUtf8(r.substr(0, 2)) + " is not its owner " + std::to_string(rec::Owner(c));
    int cls = Number(r, 13, 14);
    if (cls < 1 || cls > 16) return Where(c) + "class number " + std::to_string(cls);
    for (size_t i = 2; i < 24; ++i)
        if (i != 12 && i != 13 && (r[i] < 0x20 || r[i] == 0x7F))
            return Where(c) + "control character in a name field: " + ToUtf8(r);
    char32_t day = r[r.size() - 2], night = r[r.size() - 1];
    if ((day != U'0' && day != U'1') || (night != U'0' && night != U'1'))
        return Where(c) + "day and night flags are not 0 or 1";
    // Life is the one digit before the flags; Gold and Experience are five and three digits,
    // so the digit test above keeps them within 99999 and 999.
    if (rec::Gold(c) > rec::kMaxGold || rec::Experience(c) > rec::kMaxExperience)
        return Where(c) + "gold or experience beyond its field";
    for (int k = 0; k < rec::ItemCount(c); ++k) {
        rec::ItemEntry e = rec::ItemAt(c, k);
        if (e.number < 0 || e.number > 99 || e.value < 0 || e.value > 99) return Where(c) + "item entry out of range";
    }
    return {};
}

}  // namespace

void ResetInvariants() { gKnown = false; }

void StartRun(uint64_t seed) {
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    ResetGlobalDecl();
    rnd::Reset();
    rnd::FixSeed(seed);
    ResetInvariants();
}

std::string CheckRecords() {
    const int count = CharacterCount();
    for (int c = 1; c <= count; ++c) {
        if (std::string broken = CheckRecord(c); !broken.empty()) return broken;
        const std::string& res = gd.Resources[c];
        if (res.size() != 14 || res.find_first_not_of("0123456789") != std::string::npos)
            return Where(c) + "resources are not 14 digits: " + res;
        if (!KnownStatus(gd.Status[c])) return Where(c) + "unknown status " + std::to_string(gd.Status[c]);
        if (gd.Zone[c] < 1 || gd.Zone[c] > 4) return Where(c) + "zone " + std::to_string(gd.Zone[c]);
        if (!OnGrid(gd.PosX[c], gd.PosY[c]) && !ZoneChangeLanding(gd.Zone[c], gd.PosX[c], gd.PosY[c]))
            return Where(c) + "position (" + std::to_string(gd.PosX[c]) + ", " + std::to_string(gd.PosY[c]) +
                   ") of zone " + std::to_string(gd.Zone[c]) + " is off the grid";
        if (gd.MagicPoints[c] < 0) return Where(c) + "negative magic points";
    }
    // The records of one player share its number and name field; each class plays once.
    std::set<int> classes;
    for (int c = 1; c <= count; ++c) {
        const std::u32string& r = gd.CharacterRecords[c];
        int first = (rec::Owner(c) - 1) * CharactersPerPlayer() + 1;
        if (r.substr(0, 12) != gd.CharacterRecords[first].substr(0, 12))
            return Where(c) + "its player field differs from its companions': " + ToUtf8(r.substr(0, 12)) + " / " +
                   ToUtf8(gd.CharacterRecords[first].substr(0, 12));
        if (!classes.insert(Number(r, 13, 14)).second) return Where(c) + "its class is played twice";
    }
    if (count > 0) {
        if (gd.CurrentCharacter < 1 || gd.CurrentCharacter > count)
            return "current character " + std::to_string(gd.CurrentCharacter) + " is not in play";
        if (gd.ShownCharacter < 1 || gd.ShownCharacter > count)
            return "shown character " + std::to_string(gd.ShownCharacter) + " is not in play";
        if (gd.Status[0] < 0 || gd.Status[0] > count)
            return "the controlling character " + std::to_string(gd.Status[0]) + " is not in play";
    }
    if (gd.MovesLeft < 0) return "negative movement points";
    if (gd.EnemyAttack < 0 || gd.EnemyDefense < 0) return "negative enemy attack or defence";
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (gd.TowerFloor[p] < 0 || gd.TowerFloor[p] > 5) return "tower floor out of range";
        static const std::set<int> kDoor = {0, 1, 2, 4, 5, 6};
        if (!kDoor.count(gd.DoorState[p])) return "door state " + std::to_string(gd.DoorState[p]);
    }
    return {};
}

std::string CheckInvariants() {
    if (std::string broken = CheckRecords(); !broken.empty()) return broken;
    if (std::string broken = CheckScreens(); !broken.empty()) return broken;
    // The parts written once stay as the board found them, for the whole game.
    if (!Ui::Get().Find("frmJeu")) {
        gKnown = false;
        return {};
    }
    const int count = CharacterCount();
    if (!gKnown) {
        for (int c = 1; c <= count; ++c) gFixed[c] = FixedPart(gd.CharacterRecords[c]);
        gKnown = true;
        return {};
    }
    for (int c = 1; c <= count; ++c)
        if (!(FixedPart(gd.CharacterRecords[c]) == gFixed[c]))
            return Where(c) + "a field written only at creation changed: " + ToUtf8(gd.CharacterRecords[c]);
    return {};
}
