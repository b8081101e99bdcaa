#pragma once
// Where the end picture (fin.bmp, 800 x 600) puts what a player looks at: the tower with its
// banner and the three keys. The end screen writes its headline across the top, its sentence
// on a band near the bottom and its OK button under it, so these stay clear of both.
namespace ending {

struct Box {
    double left, top, right, bottom;
};

// The tower: its middle, the top of its wall, its foot.
constexpr double kTowerX = 400, kTowerTop = 236, kTowerBase = 470;
// The spire rises above the wall; the banner's pole above the spire.
constexpr double kSpireHeight = 92, kPoleHeight = 30;
constexpr double kPoleTop = kTowerTop - 18 - kSpireHeight - kPoleHeight;
// The banner flies from the pole's top to the right, 56 pixels long and 24 high.
constexpr Box kBanner{kTowerX - 2, kPoleTop - 8, kTowerX + 58, kPoleTop + 26};

// A floating key: its middle, its size (1 = 62 pixels from ring to bit) and its slant.
struct Key {
    double x, y, size, angle;
};
constexpr Key kRunicKey{170, 300, 2.0, -24};
constexpr Key kShadowKey{630, 300, 2.0, 24};
constexpr Key kGoldKey{400, 318, 1.35, -90};  // across the tower, before its door
// The square around a key whatever its slant (its glow aside).
constexpr Box Bounds(const Key& k) {
    return {k.x - 34 * k.size, k.y - 34 * k.size, k.x + 34 * k.size, k.y + 34 * k.size};
}

}  // namespace ending
