#pragma once
// Games for the event, encounter and item tests.
//
// Party: two players of six characters, the records built from the class templates as
// set-up builds them, everyone on its class's start cell. `PartyState` writes only the
// shared state (for the rules that need no board); `BoardGame` opens the real board on
// such a party and drives it through a script session.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board/Board.h"
#include "rules/MapTables.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "state/Text.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

namespace events_test {

// Player 1: Guerrier, Amazone, Chevalier, Diablotin, Elfe, Fée;
// player 2: Magicien, Nécromancien, Monstre, Nain, Orc, Troll.
constexpr std::array<int, 12> kParty = {7, 1, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14};

inline void WriteParty(const std::array<int, 12>& classes) {
    gd.PlayerCount = 2;
    for (int c = 1; c <= 12; ++c) {
        int cls = classes[c - 1];
        gd.CharacterRecords[c] = rec::Make(c <= 6 ? 1 : 2, c <= 6 ? "Ann" : "Bob", cls,
                                           classes::DefaultName(cls), classes::Template(cls));
    }
}

// The state a board start leaves, written by hand: start cells, no bonus, 10 magic points,
// empty stocks, everyone free, character 1 to play.
inline void PartyState(const std::array<int, 12>& classes = kParty) {
    FreshProcess();
    WriteParty(classes);
    for (int c = 1; c <= 12; ++c) {
        map::Cell start = map::StartCell(rec::ClassNumber(c));
        gd.Zone[c] = start.zone;
        gd.PosX[c] = start.column;
        gd.PosY[c] = static_cast<int16_t>(start.row);
        gd.MagicPoints[c] = 10;
        gd.Resources[c] = "00000000000000";
        gd.Status[c] = 0;
    }
    gd.CurrentCharacter = gd.ShownCharacter = 1;
}

// Character c takes the turn (as the panel shows it).
inline void Act(int c) { gd.CurrentCharacter = gd.ShownCharacter = c; }

// Puts character c on a cell of a zone.
inline void Put(int c, int zone, int column, int row) {
    gd.Zone[c] = zone;
    gd.PosX[c] = column;
    gd.PosY[c] = static_cast<int16_t>(row);
}

// The items of character c as their four-digit text.
inline std::string Items(int c) { return ToUtf8(rec::ItemsText(c)); }

// Makes the item list of c exactly the given entries ("4401" "6300" ...).
inline void SetItems(int c, const std::string& entries) {
    rec::ClearItems(c);
    rec::AppendItemsText(c, FromUtf8(entries));
}

// The real board on a fresh party, driven by script lines.
class BoardGame {
public:
    explicit BoardGame(const std::array<int, 12>& classes = kParty) : session_(false) {
        WriteParty(classes);
        OpenBoard();
    }
    bool open() const { return Board() != nullptr; }
    Session& session() { return session_; }
    // Runs script lines and expects them to end normally.
    void Run(const std::string& script) {
        int status = session_.Run(script);
        EXPECT_EQ(status, 0) << session_.err();
    }
    Screen& board() { return *Board(); }
    Control& C(const std::string& key) { return Board()->C(key); }
    // Gives the turn to character c on a cell with n movement points (the board's own turn
    // start is not run: only the values a move reads).
    void Stand(int c, int zone, int column, int row, int moves) {
        Act(c);
        Put(c, zone, column, row);
        SetMovesLeft(moves);
        gd.EndTurnAvailable = false;
    }

private:
    Session session_;
};

}  // namespace events_test

// A test that needs the board fails when the board cannot be opened.
#define REQUIRE_BOARD(game) \
    if (!(game).open()) FAIL() << "the board did not open"
