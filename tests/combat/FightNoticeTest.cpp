// When a fight closes, a notice on the board says how it ended, and the journal keeps it; the
// information line keeps showing only the game's own messages.
#include <gtest/gtest.h>

#include <functional>

#include "board/Board.h"
#include "board/Encounter.h"
#include "state/CharacterRecord.h"
#include "state/Journal.h"
#include "state/Messages.h"
#include "support/Game.h"

namespace {

const std::string kSix = "click ChCmb.StepPix(0)\nwait 4400\n";  // one blow and the enemy's answer

struct Case {
    const char* what;
    int character;                        // 1 Guerrier, 2 Cavalier Noir
    std::function<void()> before;         // where the fight takes place, what the fighter holds
    int enemy, attack, defence, agility;  // the encounter
    std::string script;                   // from the fight button on
    std::function<std::string(const std::string&)> notice;  // from the fighter's name
    int informations;                     // the message the line shows after the fight, 0 none
};

std::string Name(int c) { return rec::ReadName(c, rec::Name::Character); }

void WinSixTimes(std::string& script) {
    for (int k = 0; k < 6; ++k) script += kSix;
}

std::vector<Case> Cases() {
    std::string win = "rnd 0.99 0\nclick frmJeu.BattleNow\n";
    WinSixTimes(win);
    const std::string lose = "rnd 0 0.99 0.99 0\nclick frmJeu.BattleNow\n";  // struck first, and hit
    const std::string flee = "rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n";
    auto lastLife = [] { rec::WriteLife(gd.CurrentCharacter, 1); };
    auto inTown = [] {
        gd.Zone[1] = 3;
        gd.PosX[1] = 10;
        gd.PosY[1] = 10;
    };
    auto onArena = [] {
        gd.Zone[1] = 3;
        gd.PosX[1] = 3;
        gd.PosY[1] = 5;
        gd.DefenseBonus[1] = 50;  // the guard never lands a blow
    };
    auto gain = [](int times) { return std::to_string(times * rec::ReadNumber(1, rec::kExperienceGain, 1)); };
    return {
        {"victory", 1, [] {}, 5, 0, 0, 0, win,
         [gain](const std::string&) { return EnemyName(5) + "\u00A0: victoire, +" + gain(1) + " d'expérience."; }, 0},
        {"death", 1, lastLife, 5, 99, 16, 99, lose,
         [](const std::string& n) { return EnemyName(5) + "\u00A0: défaite, " + n + " meurt."; }, 0},
        {"survival", 2, lastLife, 5, 99, 16, 99, lose,
         [](const std::string& n) { return EnemyName(5) + "\u00A0: défaite, " + n + " survit sans un point de vie."; },
         0},
        {"flight", 1, [] {}, 5, 16, 16, 0, flee, [](const std::string&) { return EnemyName(5) + "\u00A0: fuite."; },
         0},
        {"prison", 1, inTown, 2, 18, 18, 0, flee,
         [](const std::string& n) { return EnemyName(2) + "\u00A0: fuite\u00A0; " + n + " va en prison."; },
         115},
        {"hermit", 1, [] {}, 14, 16, 16, 0, flee,
         [](const std::string&) { return EnemyName(14) + "\u00A0: fuite\u00A0; il vous a tout volé."; }, 578},
        {"key", 1, [] {}, 4, 0, 0, 0, "rnd 0.1\nclick frmJeu.BattleNow\nwait 8000\n",
         [](const std::string& n) { return EnemyName(4) + "\u00A0: une clé runique pour " + n + "."; }, 0},
        {"slap", 1, [] {}, 4, 0, 0, 0, "rnd 0.9\nclick frmJeu.BattleNow\nwait 8000\n",
         [](const std::string&) { return EnemyName(4) + "\u00A0: une gifle, pas de clé."; }, 0},
        {"arena", 1, onArena, 1, 20, 0, 0, win,
         [gain](const std::string&) {
             return EnemyName(1) + "\u00A0: victoire, +" + gain(2) + " d'expérience, +2000 pièces d'or.";
         },
         0},
        {"tower lost", 1, lastLife, 15, 99, 16, 99, lose,
         [](const std::string& n) {
             return EnemyName(15) + "\u00A0: défaite, " + n + " se relève avec 6 points de vie.";
         },
         0},
        {"tower won", 1, [] {}, 15, 0, 0, 0, win,
         [](const std::string&) { return EnemyName(15) + "\u00A0: victoire, étage conquis\u00A0: 1."; }, 0},
    };
}

TEST(FightNotice, EachWayAFightEndsIsToldOnTheBoardAndKeptInTheJournal) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.what);
        Session s;
        ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
        Screen* board = s.screen("frmJeu");
        gd.CurrentCharacter = c.character;
        c.before();
        MeetMonster(c.enemy, c.attack, c.defence, c.agility);
        ASSERT_EQ(s.Run(c.script), 0) << s.err();
        ASSERT_EQ(s.screen("Combat"), nullptr);
        const std::string notice = c.notice(Name(c.character));
        EXPECT_EQ(board->C("AvisTexte").caption, notice);
        EXPECT_TRUE(board->Shown(board->C("Avis")));
        EXPECT_EQ(JournalEntries().back().text, notice);
        EXPECT_EQ(Informations(), c.informations ? Msg(c.informations) : "");
    }
}

TEST(FightNotice, ItFadesAndTheNextTurnsBannerTakesItsPlace) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    Screen* board = s.screen("frmJeu");
    MeetMonster(5, 16, 16, 0);
    gd.LanguageOffset = 2000;
    ASSERT_EQ(s.Run("rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n"), 0) << s.err();
    EXPECT_EQ(board->C("AvisTexte").caption, EnemyName(5) + ": flight.");
    ASSERT_EQ(s.Run("wait 4000\n"), 0) << s.err();
    EXPECT_TRUE(board->Shown(board->C("Avis")));
    ASSERT_EQ(s.Run("wait 3000\n"), 0) << s.err();
    EXPECT_FALSE(board->Shown(board->C("Avis")));
    // A second fight's notice, then the turn ends: the banner, not the notice.
    MeetMonster(5, 16, 16, 0);
    ASSERT_EQ(s.Run("rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n"), 0) << s.err();
    EXPECT_TRUE(board->Shown(board->C("Avis")));
    ASSERT_EQ(s.Run("click frmJeu.EndTurn\n"), 0) << s.err();
    EXPECT_FALSE(board->Shown(board->C("Avis")));
    EXPECT_TRUE(board->Shown(board->C("Relais")));
}

}  // namespace
