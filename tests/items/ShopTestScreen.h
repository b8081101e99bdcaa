#pragma once
// A stand-in for the Combat screen in its shop modes: the same control names, its handlers
// forwarding to the market and forge functions, so the shops can be driven by scripts.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "items/Shop.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "support/Game.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

class ShopTestScreen : public Screen {
public:
    ShopTestScreen() : Screen("Combat", 416, 320) {
        Add(Kind::Image, "Fond").visible = false;
        Add(Kind::Label, "Message").visible = false;
        Control& perso = Add(Kind::Image, "Perso");
        perso.width = perso.height = 32;
        perso.visible = false;
        Add(Kind::ListBox, "List1").visible = false;
        Control& regul = Add(Kind::Timer, "Regul");
        regul.enabled = false;
        regul.interval = 1000;
        Add(Kind::Menu, "MNU_Item").popupMenu = true;
        for (int i = 0; i <= 21; ++i) {
            Control& item = Add(Kind::Menu, "Item", i);
            item.parent = "MNU_Item";
            item.visible = i == 0;
        }
        On("Form_MouseDown", [this](const EventArgs& a) { ShopMouseDown(*this, a.x, a.y); }, "BSXY");
        On("Regul_Timer", [this](const EventArgs&) { ShopTimer(*this); });
        On("Item_Click", [this](const EventArgs& a) { ShopItemClick(*this, a.index); }, "I");
        On("List1_Click", [this](const EventArgs&) { ShopListClick(*this); });
    }
    void Load() override { ShopLoad(*this); }
};

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
    // Opens the stand-in screen in mode 1 (market) or 2 (forge).
    Screen& Open(int mode) {
        gd.CombatMode = mode;
        return Ui::Get().Show(std::make_unique<ShopTestScreen>());
    }
    int Run(const std::string& script) {
        int status = session->Run(script);
        EXPECT_EQ(status, 0) << session->err();
        return status;
    }
    Screen* shop() { return Ui::Get().Find("Combat"); }
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
