// The market and the forge as the Combat screen sees them (ui/Navigation.h): the shop's own
// values, and each event of the screen handed to the shop's handler.
#include "items/Shop.h"
#include "ui/Navigation.h"

namespace {

class CombatShop : public ShopOnCombat {
public:
    CombatShop(Screen& combat, int& seller) : combat_(combat), state_(seller) {}
    void Load(int combatMode) override { ShopLoad(combat_, state_, combatMode); }
    void MouseDown(int x, int y) override { ShopMouseDown(combat_, state_, x, y); }
    bool PlacePoint(int place, int& x, int& y) const override { return ShopPlacePoint(state_, place, x, y); }
    void Timer() override { ShopTimer(combat_, state_); }
    void ItemClick(int index) override { ShopItemClick(combat_, state_, index); }
    void ListClick() override { ShopListClick(combat_, state_); }

    ShopState& state() { return state_; }

private:
    Screen& combat_;
    ShopState state_;
};

}  // namespace

std::unique_ptr<ShopOnCombat> MakeShopOnCombat(Screen& combat, int& seller) {
    return std::make_unique<CombatShop>(combat, seller);
}

ShopState& ShopStateOf(ShopOnCombat& shop) { return dynamic_cast<CombatShop&>(shop).state(); }
