#pragma once
// The market and the forge on the Combat screen, driven by scripts.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "combat/CombatForm.h"
#include "items/Shop.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "support/Game.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

// A two-player game whose character 1 of class cls is the one in the shop.
class ShopTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>(false);
        gd.PlayerCount = 2;
        gd.CurrentCharacter = gd.ShownCharacter = 1;
        for (int c = 1; c <= 12; ++c) {
            gd.CharacterRecords[c] = rec::Make(c < 7 ? 1 : 2, "Ann", 7, "Hero", classes::Template(7));
            gd.Resources[c] = "00000000000000";
        }
    }
    void TearDown() override { session.reset(); }

    // Character 1 becomes class cls with its template items, or with the items given as text.
    void Hero(int cls, long gold, const std::string& items = "-") {
        gd.CharacterRecords[1] = rec::Make(1, "Ann", cls, "Hero", classes::Template(cls));
        if (items != "-") {
            rec::ClearItems(1);
            rec::AppendItemsText(1, FromUtf8(items));
        }
        rec::WriteGold(1, gold);
    }
    // Opens the Combat screen in mode 1 (market) or 2 (forge) for character 1.
    Screen& Open(int mode) {
        gd.CombatMode = mode;
        return Ui::Get().Show(MakeCombatForm());
    }
    int Run(const std::string& script) {
        int status = session->Run(script);
        EXPECT_EQ(status, 0) << session->err();
        return status;
    }
    Screen* shop() { return Ui::Get().Find("Combat"); }
    // The shop's values the open Combat screen holds.
    ShopState& State() { return ShopStateOf(*dynamic_cast<CombatForm&>(*shop()).shop); }
    std::string Items() { return ToUtf8(rec::ItemsText(1)); }
    std::string GoldField() { return ToUtf8(rec::ReadText(1, rec::kGold, rec::kGoldWidth)); }

    std::unique_ptr<Session> session;
};

// Script lines: walk to seller s and wait until the menu is up.
inline std::string AtSeller(int s) {
    return "click Form " + std::to_string(64 * s + 16) + " 110\nwait 2000\n";
}
// Walk to the anvil.
inline std::string AtAnvil() { return "click Form 270 170\nwait 2000\n"; }
