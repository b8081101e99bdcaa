#pragma once
// A two-player party with no board behind it, and the fight screens opened directly, so a
// test can fix every die and watch one fight from its first roll to its outcome.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "combat/Combat.h"
#include "rules/Enemies.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

class FightTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>(false);
        gd.PlayerCount = 2;
        for (int c = 1; c <= 12; ++c) {
            Make(c, 7);  // Guerrier
            gd.MagicPoints[c] = 10;
            gd.Zone[c] = 1;
            gd.PosX[c] = 8;
            gd.PosY[c] = 8;
        }
        gd.CurrentCharacter = 1;
        gd.CombatMode = 0;
    }
    void TearDown() override { session.reset(); }

    // Character c of class k, with the class's starting record.
    static void Make(int c, int k) {
        gd.CharacterRecords[c] = rec::Make(c < 7 ? 1 : 2, "Joueur", k, "Perso", classes::Template(k));
    }
    static void Enemy(int e) {
        EnemyValues v = EnemyTable(e);
        gd.EnemyNumber = v.number;
        gd.EnemyAttack = v.attack;
        gd.EnemyDefense = v.defense;
        gd.EnemyAgility = v.agility;
    }
    // Opens the fight; the two initiative dice come first (character, then enemy).
    void Fight(double mine = 0.99, double theirs = 0.0) {
        rnd::Queue({mine, theirs});
        StartFight();
    }
    int Run(const std::string& script) {
        int status = session->Run(script);
        EXPECT_EQ(status, 0) << session->err();
        return status;
    }
    // A stand-in for the board: its handler Open_Click runs open, so that a script can open
    // a modal screen and go on inside it ("call Stage.Open_Click").
    static Screen& Stage(std::function<void()> open) {
        auto stage = std::make_unique<Screen>("Stage", 640, 480);
        stage->On("Open_Click", [open](const EventArgs&) { open(); });
        return Ui::Get().Show(std::move(stage));
    }
    Screen* Combat() { return session->screen("Combat"); }
    Screen* Panel() { return session->screen("ChCmb"); }
    bool FightOpen() { return Combat() != nullptr && Panel() != nullptr; }
    std::string Message() { return Combat() ? Combat()->C("Message").caption : ""; }
    bool MessageShown() { return Combat() && Combat()->C("Fond").visible && Combat()->C("Message").visible; }
    int PanelVar(const std::string& name) {
        for (const Screen::Var& v : Panel()->vars)
            if (v.name == name) return *v.values;
        ADD_FAILURE() << "no panel value " << name;
        return 0;
    }
    static int Life(int c = 1) { return rec::Life(c); }

    std::unique_ptr<Session> session;
};
