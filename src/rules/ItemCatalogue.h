#pragma once
// The item catalogue: every kind of object a character can carry, with its name, where the
// market sells it, its price, the value digits the market writes, the group of which a
// character keeps only the newest one, and the classes it is restricted to. One table feeds
// the market, the forge, item use and every rule that looks for an item by number.
#include <string>

namespace items {

// Item numbers that rules look for.
constexpr int kWhiteArrows = 3;
constexpr int kBronzeArrows = 4;
constexpr int kLionsArmour = 20;
constexpr int kLilliputianArmour = 21;
constexpr int kRunicArmour = 25;
constexpr int kHelmet = 29;
constexpr int kShield = 30;
constexpr int kCelestialSceptre = 42;
constexpr int kMagicRing = 44;
constexpr int kTalisman = 45;
constexpr int kSmithsTools = 48;
constexpr int kMasterKey = 49;
constexpr int kTent = 50;
constexpr int kMagicPotion = 60;
constexpr int kHealingOintment = 61;
constexpr int kLifePotion = 62;
constexpr int kFirePotion = 63;
constexpr int kWaterPotion = 64;
constexpr int kAirPotion = 65;
constexpr int kEarthPotion = 66;
constexpr int kStrengthPotion = 67;
constexpr int kDefencePotion = 68;
constexpr int kFireArrow = 74;
constexpr int kSmithsBook = 80;
constexpr int kThievesBook = 81;
// The books of magic: each teaches spells (fire has fight spells only).
constexpr int kFireBook = 84;
constexpr int kWaterBook = 85;
constexpr int kEarthBook = 86;
constexpr int kGoldBook = 87;
constexpr int kChaosBook = 88;
constexpr int kShadowBook = 89;
// The black-hand spells also answer to item 90, which nothing sells, forges or gives.
constexpr int kBlackHandBook = 90;
constexpr int kFirstSpellBook = kFireBook;
constexpr int kLastSpellBook = kShadowBook;
constexpr int kPlushParrot = 94;
constexpr int kShadowKey = 96;
constexpr int kGoldKey = 97;
constexpr int kBread = 98;
constexpr int kRunicKey = 99;

// The group the forge's fire armour clears: armours, helmet and shield.
constexpr int kArmourSetFirst = 20;
constexpr int kArmourSetLast = 30;

// How an item can be had at the market.
enum class Stock {
    ForSale,     // bought at its seller for its price
    OutOfStock,  // listed by its seller, never in stock
    ForgedOnly,  // listed by its seller, made only at the forge
    NotSold,     // not in any seller's menu (keys, bread, the parrot)
};

// Which classes the market sells an item to.
enum class Restriction {
    None,
    NotImpOrFairy,   // refused to the Diablotin (class 4) and the Fée (class 6)
    ImpOrFairyOnly,  // sold only to the Diablotin and the Fée
};

struct CatalogueItem {
    int number;          // ItemNumber 00-99
    int nameId;          // French message id of the name (1300 + number)
    int seller;          // 1-5, 0 when not in a seller's menu
    int position;        // place in the seller's menu, from 0
    Stock stock;
    long price;          // gold pieces, 0 unless for sale
    int value;           // ItemValue the market writes
    int groupFirst;      // the item's group, both 0 when it has none
    int groupLast;
    Restriction restriction;
};

// The catalogue entry of item number n, nullptr for a number that names no item.
const CatalogueItem* FindCatalogueItem(int n);
// The item at a position of a seller's menu, nullptr when that position holds none.
const CatalogueItem* SellerItem(int seller, int position);
// All catalogue entries in number order, and their count.
const CatalogueItem* Catalogue();
int CatalogueSize();

// The name of item n in the current language (message 1300 + n).
std::string ItemName(int n);
// The first item number (in number order) whose name in the current language is name; -1 if none.
int ItemNumberByName(const std::string& name);

// Is the item for sale at the market?
bool IsForSale(int n);
// The relative message with which the market refuses item n to a class (16, 17 or 18), 0 if sold.
int RefusalMessage(int n, int classNumber);

// Do the item's value digits count in the attack total, in the defence total?
bool AddsToAttack(int n);
bool AddsToDefense(int n);
// Is the item a tower door key? a book of magic?
bool IsDoorKey(int n);
bool IsSpellBook(int n);

}  // namespace items
