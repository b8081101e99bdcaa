#include "items/ShopStock.h"

namespace {

struct Row {
    long price;  // 0: not sold
    int value;
};

// Item numbers 0-89; numbers without a price are not sold at the market.
constexpr Row kRows[90] = {
    // 0-19: seller 1, weapons
    {8000, 6}, {15000, 10}, {22000, 14}, {600, 5}, {800, 7},
    {12000, 7}, {14000, 8}, {15000, 9}, {16000, 10},
    {12000, 7}, {13000, 8}, {14000, 9},
    {2000, 5}, {2500, 6}, {3500, 7}, {5000, 8}, {10000, 9},
    {6000, 6}, {10000, 7}, {12000, 8},
    // 20-39: seller 2, armour, helmet, shield; 31-39 are forged only
    {1000, 3}, {1000, 3}, {2500, 4}, {6000, 5}, {6000, 5}, {26000, 5}, {8000, 6}, {8000, 6},
    {30000, 9}, {1000, 3}, {500, 2},
    {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
    // 40-59: seller 3, objects; 40, 41 and 43 are always out of stock
    {0, 0}, {0, 0}, {25000, 0}, {0, 0}, {5300, 1}, {23000, 0}, {20000, 9}, {18000, 6},
    {8000, 0}, {15000, 0}, {12000, 0}, {27000, 0},
    {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
    // 60-79: seller 4, potions; 69-77 are forged only
    {5000, 0}, {15000, 0}, {30000, 0}, {8000, 0}, {8000, 0}, {8000, 0}, {8000, 0},
    {12000, 0}, {12000, 0},
    {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
    // 80-89: seller 5, books
    {20000, 0}, {21000, 0}, {32000, 0}, {24000, 0}, {28000, 0}, {28000, 0}, {28000, 0},
    {28000, 0}, {60000, 0}, {80000, 0},
};

// The groups of which a buyer keeps only the newest item.
struct Group {
    int first, last;
};
constexpr Group kGroups[] = {{0, 2}, {3, 4}, {5, 8}, {9, 11}, {12, 16}, {17, 19}, {20, 28}};

}  // namespace

StockItem StockOf(int n) {
    StockItem item;
    item.number = n;
    if (n < 0 || n >= 90) return item;
    item.forSale = kRows[n].price > 0;
    item.price = kRows[n].price;
    item.value = kRows[n].value;
    for (const Group& g : kGroups)
        if (n >= g.first && n <= g.last) {
            item.groupFirst = g.first;
            item.groupLast = g.last;
        }
    return item;
}

StockItem MarketStock(int seller, int position) {
    if (seller < 1 || seller > 5 || position < 0 || position > 19) return {};
    return StockOf(20 * (seller - 1) + position);
}
