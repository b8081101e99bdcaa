// The item catalogue: names, sellers' menus, prices, groups and class restrictions.
#include <gtest/gtest.h>

#include <set>

#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"

using namespace items;

TEST(ItemCatalogue, EveryItemIsNamedByItsMessage) {
    ResetGlobalDecl();
    std::set<int> numbers;
    for (int k = 0; k < CatalogueSize(); ++k) {
        const CatalogueItem& item = Catalogue()[k];
        EXPECT_TRUE(numbers.insert(item.number).second) << item.number;
        EXPECT_EQ(item.nameId, 1300 + item.number);
        EXPECT_EQ(ItemName(item.number), MsgId(item.nameId));
        EXPECT_NE(ItemName(item.number), "--") << item.number;
        EXPECT_FALSE(ItemName(item.number).empty()) << item.number;
        EXPECT_EQ(FindCatalogueItem(item.number), &item);
    }
    for (int n : {52, 55, 59, 78, 79, 90, 91, 92, 93, 95, 100})
        EXPECT_EQ(FindCatalogueItem(n), nullptr) << n;
    EXPECT_EQ(numbers.size(), 85u);
    EXPECT_EQ(ItemNumberByName("Tente"), kTent);
    EXPECT_EQ(ItemNumberByName(""), -1);
    gd.LanguageOffset = 2000;
    EXPECT_EQ(ItemNumberByName("Runic key"), kRunicKey);
    EXPECT_EQ(ItemNumberByName("Tente"), -1);
}

TEST(ItemCatalogue, SellersMenusFollowTheMessageNumbers) {
    // Seller s shows message 1300 + 20 (s − 1) + p at position p until a "--".
    for (int s = 1; s <= 5; ++s) {
        int shown = 0;
        for (int p = 0; p < 20; ++p) {
            std::string name = MsgId(1300 + 20 * (s - 1) + p);
            if (name == "--") break;
            const CatalogueItem* item = SellerItem(s, p);
            ASSERT_NE(item, nullptr) << s << " " << p;
            EXPECT_EQ(item->number, 20 * (s - 1) + p);
            ++shown;
        }
        const int expected[] = {0, 20, 20, 12, 18, 10};
        EXPECT_EQ(shown, expected[s]) << s;
        EXPECT_EQ(SellerItem(s, shown), nullptr);
    }
    EXPECT_EQ(SellerItem(0, 0), nullptr);
}

TEST(ItemCatalogue, WhatIsForSaleAndForHowMuch) {
    EXPECT_EQ(FindCatalogueItem(0)->price, 8000);
    EXPECT_EQ(FindCatalogueItem(25)->price, 26000);
    EXPECT_EQ(FindCatalogueItem(25)->value, 5);
    EXPECT_EQ(FindCatalogueItem(44)->value, 1);
    EXPECT_EQ(FindCatalogueItem(46)->value, 9);
    EXPECT_EQ(FindCatalogueItem(88)->price, 60000);
    EXPECT_EQ(FindCatalogueItem(89)->price, 80000);
    EXPECT_EQ(FindCatalogueItem(30)->price, 500);
    for (int n : {40, 41, 43}) EXPECT_EQ(FindCatalogueItem(n)->stock, Stock::OutOfStock) << n;
    for (int n : {31, 39, 69, 77}) EXPECT_EQ(FindCatalogueItem(n)->stock, Stock::ForgedOnly) << n;
    for (int n : {94, 96, 97, 98, 99}) {
        EXPECT_EQ(FindCatalogueItem(n)->stock, Stock::NotSold) << n;
        EXPECT_EQ(FindCatalogueItem(n)->seller, 0);
    }
    // Everything for sale has a price; nothing else has one.
    for (int k = 0; k < CatalogueSize(); ++k) {
        const CatalogueItem& item = Catalogue()[k];
        EXPECT_EQ(IsForSale(item.number), item.price > 0) << item.number;
        if (!IsForSale(item.number)) {
            EXPECT_EQ(item.value, 0) << item.number;
        }
    }
    // The weapons' and armours' value digits are what the totals of the record count.
    for (int k = 0; k < CatalogueSize(); ++k) {
        int n = Catalogue()[k].number;
        EXPECT_EQ(AddsToAttack(n), rec::CountsForAttack(n)) << n;
        EXPECT_EQ(AddsToDefense(n), rec::CountsForDefense(n)) << n;
    }
}

TEST(ItemCatalogue, GroupsKeepOneOfAKind) {
    const int groups[][2] = {{0, 2}, {3, 4}, {5, 8}, {9, 11}, {12, 16}, {17, 19}, {20, 28}};
    for (auto [first, last] : groups)
        for (int n = first; n <= last; ++n) {
            EXPECT_EQ(FindCatalogueItem(n)->groupFirst, first) << n;
            EXPECT_EQ(FindCatalogueItem(n)->groupLast, last) << n;
        }
    for (int n : {29, 30, 42, 44, 50, 62, 89}) {
        EXPECT_EQ(FindCatalogueItem(n)->groupFirst, 0) << n;
        EXPECT_EQ(FindCatalogueItem(n)->groupLast, 0) << n;
    }
}

TEST(ItemCatalogue, ArmoursRestrictedByClass) {
    EXPECT_EQ(RefusalMessage(kLionsArmour, 4), 16);
    EXPECT_EQ(RefusalMessage(kLionsArmour, 6), 17);
    EXPECT_EQ(RefusalMessage(kLionsArmour, 7), 0);
    EXPECT_EQ(RefusalMessage(kLilliputianArmour, 4), 0);
    EXPECT_EQ(RefusalMessage(kLilliputianArmour, 6), 0);
    EXPECT_EQ(RefusalMessage(kLilliputianArmour, 1), 18);
    EXPECT_EQ(RefusalMessage(kLilliputianArmour, 16), 18);
    // Nothing else is restricted, the runic armour included.
    for (int k = 0; k < CatalogueSize(); ++k) {
        int n = Catalogue()[k].number;
        if (n == kLionsArmour || n == kLilliputianArmour) continue;
        for (int cls = 1; cls <= 16; ++cls) EXPECT_EQ(RefusalMessage(n, cls), 0) << n << " " << cls;
    }
}
