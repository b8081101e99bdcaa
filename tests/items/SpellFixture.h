#pragma once
// A two-player party and a stand-in board that carries the Magic button's handler, so a
// script can open the spell dialog, pick a row and check what the cast left.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "items/Spells.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "support/Game.h"
#include "ui/Screen.h"

class SpellTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>(false);
        gd.PlayerCount = 2;
        for (int c = 1; c <= 12; ++c) {
            Make(c, 7);
            gd.MagicPoints[c] = 10;
        }
        gd.CurrentCharacter = 1;
        auto stage = std::make_unique<Screen>("Stage", 640, 480);
        AddSpellHandlers(*stage);
        Ui::Get().Show(std::move(stage));
    }
    void TearDown() override { session.reset(); }

    static void Make(int c, int k) {
        gd.CharacterRecords[c] = rec::Make(c < 7 ? 1 : 2, "Joueur", k, "Perso", classes::Template(k));
    }
    int Run(const std::string& script) {
        int status = session->Run(script);
        EXPECT_EQ(status, 0) << session->err();
        return status;
    }
    // Presses the Magic button and runs the script inside the dialog.
    void InDialog(const std::string& script) { Run("call Stage.Magic_Click\n" + script); }
    Screen* Dialog() { return session->screen("frmMagic"); }
    bool RowShown(int b) { return Dialog()->C("lblMagic", b - 1).visible && Dialog()->C("NoMagic", b - 1).visible; }
    bool RowEnabled(int b) { return Dialog()->C("lblMagic", b - 1).enabled && Dialog()->C("NoMagic", b - 1).enabled; }

    std::unique_ptr<Session> session;
};
