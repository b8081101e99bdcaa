#include "rules/ItemCatalogue.h"

#include "state/Messages.h"

namespace items {
namespace {

constexpr Stock S = Stock::ForSale;
constexpr Stock X = Stock::OutOfStock;
constexpr Stock F = Stock::ForgedOnly;
constexpr Stock N = Stock::NotSold;
constexpr Restriction R0 = Restriction::None;

// number, name id, seller, position, stock, price, value, group first, group last, restriction
constexpr CatalogueItem kItems[] = {
    {0, 1300, 1, 0, S, 8000, 6, 0, 2, R0},
    {1, 1301, 1, 1, S, 15000, 10, 0, 2, R0},
    {2, 1302, 1, 2, S, 22000, 14, 0, 2, R0},
    {3, 1303, 1, 3, S, 600, 5, 3, 4, R0},
    {4, 1304, 1, 4, S, 800, 7, 3, 4, R0},
    {5, 1305, 1, 5, S, 12000, 7, 5, 8, R0},
    {6, 1306, 1, 6, S, 14000, 8, 5, 8, R0},
    {7, 1307, 1, 7, S, 15000, 9, 5, 8, R0},
    {8, 1308, 1, 8, S, 16000, 10, 5, 8, R0},
    {9, 1309, 1, 9, S, 12000, 7, 9, 11, R0},
    {10, 1310, 1, 10, S, 13000, 8, 9, 11, R0},
    {11, 1311, 1, 11, S, 14000, 9, 9, 11, R0},
    {12, 1312, 1, 12, S, 2000, 5, 12, 16, R0},
    {13, 1313, 1, 13, S, 2500, 6, 12, 16, R0},
    {14, 1314, 1, 14, S, 3500, 7, 12, 16, R0},
    {15, 1315, 1, 15, S, 5000, 8, 12, 16, R0},
    {16, 1316, 1, 16, S, 10000, 9, 12, 16, R0},
    {17, 1317, 1, 17, S, 6000, 6, 17, 19, R0},
    {18, 1318, 1, 18, S, 10000, 7, 17, 19, R0},
    {19, 1319, 1, 19, S, 12000, 8, 17, 19, R0},
    {20, 1320, 2, 0, S, 1000, 3, 20, 28, Restriction::NotImpOrFairy},
    {21, 1321, 2, 1, S, 1000, 3, 20, 28, Restriction::ImpOrFairyOnly},
    {22, 1322, 2, 2, S, 2500, 4, 20, 28, R0},
    {23, 1323, 2, 3, S, 6000, 5, 20, 28, R0},
    {24, 1324, 2, 4, S, 6000, 5, 20, 28, R0},
    {25, 1325, 2, 5, S, 26000, 5, 20, 28, R0},
    {26, 1326, 2, 6, S, 8000, 6, 20, 28, R0},
    {27, 1327, 2, 7, S, 8000, 6, 20, 28, R0},
    {28, 1328, 2, 8, S, 30000, 9, 20, 28, R0},
    {29, 1329, 2, 9, S, 1000, 3, 0, 0, R0},
    {30, 1330, 2, 10, S, 500, 2, 0, 0, R0},
    {31, 1331, 2, 11, F, 0, 0, 0, 0, R0},
    {32, 1332, 2, 12, F, 0, 0, 0, 0, R0},
    {33, 1333, 2, 13, F, 0, 0, 0, 0, R0},
    {34, 1334, 2, 14, F, 0, 0, 0, 0, R0},
    {35, 1335, 2, 15, F, 0, 0, 0, 0, R0},
    {36, 1336, 2, 16, F, 0, 0, 0, 0, R0},
    {37, 1337, 2, 17, F, 0, 0, 0, 0, R0},
    {38, 1338, 2, 18, F, 0, 0, 0, 0, R0},
    {39, 1339, 2, 19, F, 0, 0, 0, 0, R0},
    {40, 1340, 3, 0, X, 0, 0, 0, 0, R0},
    {41, 1341, 3, 1, X, 0, 0, 0, 0, R0},
    {42, 1342, 3, 2, S, 25000, 0, 0, 0, R0},
    {43, 1343, 3, 3, X, 0, 0, 0, 0, R0},
    {44, 1344, 3, 4, S, 5300, 1, 0, 0, R0},
    {45, 1345, 3, 5, S, 23000, 0, 0, 0, R0},
    {46, 1346, 3, 6, S, 20000, 9, 0, 0, R0},
    {47, 1347, 3, 7, S, 18000, 6, 0, 0, R0},
    {48, 1348, 3, 8, S, 8000, 0, 0, 0, R0},
    {49, 1349, 3, 9, S, 15000, 0, 0, 0, R0},
    {50, 1350, 3, 10, S, 12000, 0, 0, 0, R0},
    {51, 1351, 3, 11, S, 27000, 0, 0, 0, R0},
    {60, 1360, 4, 0, S, 5000, 0, 0, 0, R0},
    {61, 1361, 4, 1, S, 15000, 0, 0, 0, R0},
    {62, 1362, 4, 2, S, 30000, 0, 0, 0, R0},
    {63, 1363, 4, 3, S, 8000, 0, 0, 0, R0},
    {64, 1364, 4, 4, S, 8000, 0, 0, 0, R0},
    {65, 1365, 4, 5, S, 8000, 0, 0, 0, R0},
    {66, 1366, 4, 6, S, 8000, 0, 0, 0, R0},
    {67, 1367, 4, 7, S, 12000, 0, 0, 0, R0},
    {68, 1368, 4, 8, S, 12000, 0, 0, 0, R0},
    {69, 1369, 4, 9, F, 0, 0, 0, 0, R0},
    {70, 1370, 4, 10, F, 0, 0, 0, 0, R0},
    {71, 1371, 4, 11, F, 0, 0, 0, 0, R0},
    {72, 1372, 4, 12, F, 0, 0, 0, 0, R0},
    {73, 1373, 4, 13, F, 0, 0, 0, 0, R0},
    {74, 1374, 4, 14, F, 0, 0, 0, 0, R0},
    {75, 1375, 4, 15, F, 0, 0, 0, 0, R0},
    {76, 1376, 4, 16, F, 0, 0, 0, 0, R0},
    {77, 1377, 4, 17, F, 0, 0, 0, 0, R0},
    {80, 1380, 5, 0, S, 20000, 0, 0, 0, R0},
    {81, 1381, 5, 1, S, 21000, 0, 0, 0, R0},
    {82, 1382, 5, 2, S, 32000, 0, 0, 0, R0},
    {83, 1383, 5, 3, S, 24000, 0, 0, 0, R0},
    {84, 1384, 5, 4, S, 28000, 0, 0, 0, R0},
    {85, 1385, 5, 5, S, 28000, 0, 0, 0, R0},
    {86, 1386, 5, 6, S, 28000, 0, 0, 0, R0},
    {87, 1387, 5, 7, S, 28000, 0, 0, 0, R0},
    {88, 1388, 5, 8, S, 60000, 0, 0, 0, R0},
    {89, 1389, 5, 9, S, 80000, 0, 0, 0, R0},
    {94, 1394, 0, 0, N, 0, 0, 0, 0, R0},
    {96, 1396, 0, 0, N, 0, 0, 0, 0, R0},
    {97, 1397, 0, 0, N, 0, 0, 0, 0, R0},
    {98, 1398, 0, 0, N, 0, 0, 0, 0, R0},
    {99, 1399, 0, 0, N, 0, 0, 0, 0, R0},
};

constexpr int kCount = static_cast<int>(sizeof kItems / sizeof kItems[0]);

}  // namespace

const CatalogueItem* Catalogue() { return kItems; }
int CatalogueSize() { return kCount; }

const CatalogueItem* FindCatalogueItem(int n) {
    for (const CatalogueItem& item : kItems)
        if (item.number == n) return &item;
    return nullptr;
}

const CatalogueItem* SellerItem(int seller, int position) {
    if (seller < 1) return nullptr;
    for (const CatalogueItem& item : kItems)
        if (item.seller == seller && item.position == position) return &item;
    return nullptr;
}

std::string ItemName(int n) { return Msg(300 + n); }

int ItemNumberByName(const std::string& name) {
    if (name.empty()) return -1;
    for (const CatalogueItem& item : kItems)
        if (ItemName(item.number) == name) return item.number;
    return -1;
}

bool IsForSale(int n) {
    const CatalogueItem* item = FindCatalogueItem(n);
    return item && item->stock == Stock::ForSale;
}

int RefusalMessage(int n, int classNumber) {
    const CatalogueItem* item = FindCatalogueItem(n);
    if (!item) return 0;
    bool impOrFairy = classNumber == 4 || classNumber == 6;
    switch (item->restriction) {
        case Restriction::NotImpOrFairy:
            if (classNumber == 4) return 16;
            if (classNumber == 6) return 17;
            return 0;
        case Restriction::ImpOrFairyOnly:
            return impOrFairy ? 0 : 18;
        case Restriction::None:
            return 0;
    }
    return 0;
}

bool AddsToAttack(int n) { return (n >= 0 && n < 20) || n == 46 || n == 47; }
bool AddsToDefense(int n) { return n >= 20 && n <= 39; }
bool IsDoorKey(int n) { return n == kShadowKey || n == kGoldKey || n == kRunicKey; }
bool IsSpellBook(int n) { return n >= kFirstSpellBook && n <= kLastSpellBook; }

}  // namespace items
