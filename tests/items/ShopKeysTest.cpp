// The market's sellers, the forge's anvil and the ways out answer keys: each key walks where a
// click on its place walks, and keys of places the shop doesn't have do nothing.
#include "items/ShopFixture.h"
#include "state/Random.h"
#include "ui/KeyBindings.h"

namespace {

// What a walk left behind: where the icon stands, whether it still walks, the menu offered.
std::string WalkState(Screen& s) {
    std::string out = std::to_string(s.C("Perso").left) + "," + std::to_string(s.C("Perso").top) +
                      (s.C("Regul").enabled ? " walking" : " still") + " seller " +
                      std::to_string(ShopStateOf(*dynamic_cast<CombatForm&>(s).shop).seller) + " [" + s.C("Message").caption + "]";
    for (int i = 0; i <= 21; ++i)
        if (s.C("Item", i).visible) out += " " + s.C("Item", i).caption;
    return out;
}

}  // namespace

TEST_F(ShopTest, EachSellersKeyWalksWhereAClickOnHimWalks) {
    Hero(5, 2000);
    for (int seller = 1; seller <= 5; ++seller) {
        const std::string key = BoundKey("Combat", "MNU_Lieu(" + std::to_string(seller) + ")");
        ASSERT_EQ(key, std::to_string(seller));
        rnd::Queue({0.5});  // the same greeting both times
        Screen& byKey = Open(1);
        Run("press " + key + "\nwait 2000\n");
        const std::string pressed = WalkState(byKey);
        Ui::Get().CloseAll();
        rnd::Queue({0.5});
        Screen& byClick = Open(1);
        Run(AtSeller(seller));
        EXPECT_EQ(pressed, WalkState(byClick)) << "seller " << seller;
        EXPECT_EQ(byClick.C("Perso").left, 64 * seller);
        Ui::Get().CloseAll();
    }
}

TEST_F(ShopTest, EscapeLeavesTheMarketAndTheForge) {
    Hero(5, 2000);
    for (int mode : {1, 2}) {
        Open(mode);
        Run("press " + BoundKey("Combat", "MNU_Sortir") + "\n");
        EXPECT_EQ(shop(), nullptr) << "mode " << mode;
        EXPECT_EQ(gd.CombatMode, 0);
    }
}

TEST_F(ShopTest, TheForgeHasOnePlaceTheAnvil) {
    Hero(5, 2000);
    Screen& s = Open(2);
    const std::string before = WalkState(s);
    for (const char* key : {"2", "3", "4", "5"}) {
        Run(std::string("press ") + key + "\nwait 500\n");
        EXPECT_EQ(WalkState(s), before) << "key " << key;
    }
    Run("press 1\nwait 2000\n");
    EXPECT_EQ(s.C("Perso").left, 256);  // at the anvil, its menu up
    EXPECT_FALSE(s.C("Regul").enabled);
    EXPECT_TRUE(s.C("Item", 0).visible);
}
