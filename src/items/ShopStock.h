#pragma once
// What the five market sellers sell: price, value digits and item group of each item.
// (Kept here until the shared item catalogue takes these figures over.)

struct StockItem {
    int number = 0;       // ItemNumber
    bool forSale = false; // false: out of stock, forged only or no such item
    long price = 0;       // gold pieces
    int value = 0;        // ItemValue written with the entry
    int groupFirst = 0;   // the item's group, both 0 when it has none
    int groupLast = 0;
};

// The item at menu position p (0-19) of seller s (1-5): item number 20 (s − 1) + p.
StockItem MarketStock(int seller, int position);
// The same figures by item number.
StockItem StockOf(int itemNumber);
