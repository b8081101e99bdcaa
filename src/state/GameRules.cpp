#include "state/GameRules.h"

#include <string_view>

#include "state/CharacterRecord.h"
#include "state/GameLimits.h"
#include "state/Status.h"
#include "state/Text.h"

namespace {

bool Digits(std::u32string_view text) {
    for (char32_t c : text)
        if (c < U'0' || c > U'9') return false;
    return true;
}

int Number(std::u32string_view text) {
    int n = 0;
    for (char32_t c : text) n = n * 10 + static_cast<int>(c - U'0');
    return n;
}

// The field at position (from 1) and width.
std::u32string_view Field(const std::u32string& r, int position, int width) {
    return std::u32string_view(r).substr(static_cast<size_t>(position - 1), static_cast<size_t>(width));
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

RuleBreak Broken(Rule rule, int slot, std::string detail) { return RuleBreak{rule, slot, std::move(detail)}; }

std::string Of(int c) { return "character " + std::to_string(c) + ": "; }

int CountOf(const GlobalDecl& g) {
    return g.PlayerCount == 2 ? 12 : g.PlayerCount == 3 ? 15 : g.PlayerCount == 4 ? 16 : 0;
}

// The first fault of a record's layout, with what it is in plain English.
Rule RecordFault(const std::u32string& r, int owner, std::string& why) {
    const size_t length = r.size();
    if (length < static_cast<size_t>(rec::kFixedLength) || (length - rec::kFixedLength) % 4 != 0) {
        why = "record length " + std::to_string(length) + " is not 41 + 4n";
        return Rule::RecordShape;
    }
    if (!Digits(Field(r, rec::kPlayerNumber, 2)) || !Digits(Field(r, rec::kClassNumber, 2)) ||
        !Digits(Field(r, rec::kMoveDice, static_cast<int>(length) - rec::kMoveDice + 1))) {
        why = "a numeric field holds something else than digits";
        return Rule::RecordShape;
    }
    const int player = Number(Field(r, rec::kPlayerNumber, 2)), cls = Number(Field(r, rec::kClassNumber, 2));
    if (player < 1 || player > kMaxPlayers || cls < 1 || cls > 16) {
        why = "player number " + std::to_string(player) + " or class number " + std::to_string(cls);
        return Rule::RecordShape;
    }
    if (owner != 0 && player != owner) {
        why = "player number " + std::to_string(player) + " is not its owner " + std::to_string(owner);
        return Rule::RecordOwner;
    }
    for (char32_t flag : {r[length - 2], r[length - 1]})
        if (flag != U'0' && flag != U'1') {
            why = "day and night flags are not 0 or 1";
            return Rule::RecordShape;
        }
    for (int position : {rec::kPlayerName, rec::kCharacterName})
        for (char32_t c : Field(r, position, rec::kNameWidth))
            if (c < 0x20 || c == 0x7F) {
                why = "control character in a name field";
                return Rule::NameControl;
            }
    if ((length - rec::kFixedLength) / 4 > static_cast<size_t>(limits::kMostItems)) {
        why = "more than " + std::to_string(limits::kMostItems) + " item entries";
        return Rule::TooManyItems;
    }
    return Rule::None;
}

RuleBreak CheckCharacter(const GlobalDecl& g, int c, int perPlayer) {
    const std::u32string& r = g.CharacterRecords[static_cast<size_t>(c)];
    std::string why;
    if (Rule rule = RecordFault(r, (c - 1) / perPlayer + 1, why); rule != Rule::None)
        return Broken(rule, c, Of(c) + why + ": " + ToUtf8(r));
    const std::string& res = g.Resources[static_cast<size_t>(c)];
    if (res.size() != 14 || res.find_first_not_of("0123456789") != std::string::npos)
        return Broken(Rule::ResourcesShape, c, Of(c) + "resources are not 14 digits: " + res);
    if (!KnownStatus(g.Status[c])) return Broken(Rule::StatusCode, c, Of(c) + "unknown status " + std::to_string(g.Status[c]));
    if (g.Zone[c] < 1 || g.Zone[c] > 4) return Broken(Rule::ZoneRange, c, Of(c) + "zone " + std::to_string(g.Zone[c]));
    if (!OnGrid(g.PosX[c], g.PosY[c]) && !ZoneChangeLanding(g.Zone[c], g.PosX[c], g.PosY[c]))
        return Broken(Rule::OffMap, c,
                      Of(c) + "position (" + std::to_string(g.PosX[c]) + ", " + std::to_string(g.PosY[c]) + ") of zone " +
                          std::to_string(g.Zone[c]) + " is off the grid");
    if (g.MagicPoints[c] < 0) return Broken(Rule::NegativeMagic, c, Of(c) + "negative magic points");
    if (g.MagicPoints[c] > limits::kMostMagic) return Broken(Rule::MagicRange, c, Of(c) + "magic points beyond their limit");
    for (int bonus : {g.AttackBonus[c], g.DefenseBonus[c], g.AgilityBonus[c]})
        if (bonus < -limits::kMostBonus || bonus > limits::kMostBonus)
            return Broken(Rule::BonusRange, c, Of(c) + "a bonus beyond its limit");
    return {};
}

RuleBreak CheckBoard(const BoardNumbers& b) {
    if (b.hourCounter < limits::kFirstHour || b.hourCounter > limits::kLastHour)
        return Broken(Rule::ClockRange, 0, "the clock " + std::to_string(b.hourCounter) + " is beyond the game's days");
    if (b.displayedZone < 0 || b.displayedZone > 4)
        return Broken(Rule::DisplayedZoneRange, 0, "zone shown " + std::to_string(b.displayedZone));
    for (int i = 0; i <= kMaxCharacters; ++i) {
        const int zone = b.blockZone[i], x = b.blockX[i], y = b.blockY[i];
        // No obstacle (all three 0; slot 0 is no character), or one on a cell of a zone.
        const bool none = zone == 0 && x == 0 && y == 0;
        if (!none && (i == 0 || zone < 1 || zone > 4 || !OnGrid(x, y)))
            return Broken(Rule::ObstacleOffMap, i,
                          "obstacle " + std::to_string(i) + " at (" + std::to_string(x) + ", " + std::to_string(y) +
                              ") of zone " + std::to_string(zone));
    }
    return {};
}

}  // namespace

bool KnownStatus(int s) {
    using namespace status;
    return (s >= kFree && s <= kLosesNextTurn) || (s >= kElementFirst && s <= kElementLast) || s == kControlled ||
           (s >= kAsleep && s <= kForgingLast);
}

Rule RecordRule(const std::u32string& r, int owner) {
    std::string why;
    return RecordFault(r, owner, why);
}

RuleBreak CheckGameRules(const GlobalDecl& g, const BoardNumbers* board) {
    const int count = CountOf(g);
    if (count == 0) return {};   // no game
    const int perPlayer = count / g.PlayerCount;
    for (int c = 1; c <= count; ++c)
        if (RuleBreak broken = CheckCharacter(g, c, perPlayer)) return broken;
    // The records of one player share its number and name field; each class plays once.
    std::array<bool, 17> played{};
    for (int c = 1; c <= count; ++c) {
        const std::u32string& r = g.CharacterRecords[static_cast<size_t>(c)];
        const std::u32string& first = g.CharacterRecords[static_cast<size_t>((c - 1) / perPlayer * perPlayer + 1)];
        if (r.compare(0, 12, first, 0, 12) != 0)
            return Broken(Rule::PlayerFields, c,
                          Of(c) + "its player field differs from its companions': " + ToUtf8(r.substr(0, 12)) + " / " +
                              ToUtf8(first.substr(0, 12)));
        const int cls = Number(Field(r, rec::kClassNumber, 2));
        if (played[static_cast<size_t>(cls)]) return Broken(Rule::ClassTwice, c, Of(c) + "its class is played twice");
        played[static_cast<size_t>(cls)] = true;
    }
    if (g.CurrentCharacter < 1 || g.CurrentCharacter > count)
        return Broken(Rule::CurrentNotInPlay, 0, "current character " + std::to_string(g.CurrentCharacter) + " is not in play");
    if (g.ShownCharacter < 1 || g.ShownCharacter > count)
        return Broken(Rule::ShownNotInPlay, 0, "shown character " + std::to_string(g.ShownCharacter) + " is not in play");
    // Slot 0 of Status holds the character who last took control of another, which the
    // controlled character's turn reads.
    bool controlled = false;
    for (int c = 1; c <= count; ++c) controlled = controlled || g.Status[c] == status::kControlled;
    if (g.Status[0] < (controlled ? 1 : 0) || g.Status[0] > count)
        return Broken(Rule::ControllerNotInPlay, 0,
                      "the controlling character " + std::to_string(g.Status[0]) + " is not in play");
    if (g.FreeMoveCharacter < 0 || g.FreeMoveCharacter > count)
        return Broken(Rule::FreeMoveNotInPlay, 0, "free-moving character " + std::to_string(g.FreeMoveCharacter));
    if (g.MovesLeft < 0 || g.MovesLeft > limits::kMostMoves)
        return Broken(Rule::MovesRange, 0, "movement points " + std::to_string(g.MovesLeft));
    for (int value : {g.EnemyAttack, g.EnemyDefense, g.EnemyAgility})
        if (value < 0 || value > limits::kMostEnemyValue)
            return Broken(Rule::EnemyRange, 0, "enemy attack, defence or agility " + std::to_string(value));
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const int door = g.DoorState[p], floor = g.TowerFloor[p];
        if (floor < 0 || floor > 5) return Broken(Rule::TowerFloorRange, p, "tower floor out of range");
        if (door < 0 || door > 6 || door == 3) return Broken(Rule::DoorStateCode, p, "door state " + std::to_string(door));
        // A party climbs the tower only through its opened door (5 or 6).
        if (floor > 0 && door < 5)
            return Broken(Rule::FloorWithDoorShut, p, "player " + std::to_string(p) + " won a floor behind a shut door");
    }
    if (board)
        if (RuleBreak broken = CheckBoard(*board)) return broken;
    return {};
}

RuleBreak CheckGameGoesOn(const GlobalDecl& g, const BoardNumbers& board) {
    if (CountOf(g) == 0) return Broken(Rule::CurrentNotInPlay, 0, "no game");
    if (RuleBreak broken = CheckGameRules(g, &board)) return broken;
    // The last floor won ends the game at once: the end screen shows the winner and no save
    // is made from it.
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (g.TowerFloor[p] >= 5)
            return Broken(Rule::GameOver, p, "player " + std::to_string(p) + " has won the tower: the game is over");
    return {};
}
