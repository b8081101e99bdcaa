#include "ai/Paths.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

#include "rules/DirectionStep.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"

namespace ai {

namespace {

constexpr int kDx[4] = {0, 0, -1, 1};
constexpr int kDy[4] = {-1, 1, 0, 0};

// Entering a place ends the walk, and some places are dangerous: what passing through one
// costs, in steps, beside the step itself.
int PlaceCost(const Spot& s) {
    switch (map::PlaceAt(s.zone, s.x, s.y)) {
        case map::Place::Volcano: return 30;   // one death in six
        case map::Place::Swamp: return 12;     // one chance in six to lose every item
        case map::Place::Tower: return 5;      // half the time the next turn is lost
        case map::Place::Inn: return 40;       // its price and a night asleep, the turns of a night
        default: return 3;                     // the rest of the turn's movement
    }
}

int Key(const Spot& s) { return ((s.zone * 32 + (s.x + 4)) * 32) + (s.y + 4); }
Spot SpotOf(int key) { return Spot{key / 1024, key / 32 % 32 - 4, key % 32 - 4}; }

}  // namespace

const char* DirectionKey(int d) {
    static const char* const kKeys[4] = {"Up", "Down", "Left", "Right"};
    return d >= 0 && d < 4 ? kKeys[d] : "Up";
}

bool IsPlaceFor(const Spot& s, int cls) { return reach::IsPlaceFor(s.zone, s.x, s.y, cls); }

namespace {

map::Cell CellOf(const Spot& s) { return map::Cell{s.zone, s.x, s.y}; }
Spot SpotOf(const map::Cell& c) { return Spot{c.zone, c.column, c.row}; }

std::vector<map::Cell> CellsOf(const Obstacles& obstacles) {
    std::vector<map::Cell> cells;
    for (const Spot& o : obstacles) cells.push_back(CellOf(o));
    return cells;
}

// A direction command with movement left, by the board's own rule.
Step WalkAmong(const Spot& from, int d, int cls, reach::Obstacles obstacles) {
    const reach::DirectionStep s = reach::Direction(CellOf(from), kDx[d], kDy[d], cls, true, obstacles);
    Step out;
    out.to = SpotOf(s.to);
    out.moved = s.Moved();
    out.enteredPlace = s.kind == reach::StepKind::IntoPlace;
    return out;
}

}  // namespace

Step Walk(const Spot& from, int d, int cls, const Obstacles& obstacles) {
    const std::vector<map::Cell> cells = CellsOf(obstacles);
    return WalkAmong(from, d, cls, cells);
}

namespace {

// Keys of spots run below this (zones 0-4, columns and rows -4 to 27).
constexpr int kKeyCount = 5 * 32 * 32;
bool Keyed(const Spot& s) { return s.zone >= 0 && s.zone <= 4 && s.x >= -4 && s.x < 28 && s.y >= -4 && s.y < 28; }

long long searchVisits = 0;

// What the searches work out once and keep while the obstacles stay where they are (they
// stand for the rest of the game once placed): each cell's four direction commands, and the
// cost from an origin to every spot, per temple rule (the only way the class changes a walk).
struct PathMemo {
    Obstacles obstacles;
    std::vector<map::Cell> cells;   // the same, as the rules take them
    std::vector<std::array<Step, 4>> steps[2];
    std::vector<char> known[2];
    std::map<int, std::vector<int>> costs[2];   // by origin's key; -1 where it never gets
};

PathMemo& MemoFor(const Obstacles& obstacles) {
    static PathMemo memo;
    if (memo.steps[0].empty() || !(obstacles == memo.obstacles)) {
        memo.obstacles = obstacles;
        memo.cells = CellsOf(obstacles);
        for (int rule = 0; rule < 2; ++rule) {
            memo.steps[rule].assign(kKeyCount, {});
            memo.known[rule].assign(kKeyCount, 0);
            memo.costs[rule].clear();
        }
    }
    return memo;
}

// The four direction commands from a keyed spot.
class StepTable {
  public:
    StepTable(int cls, const Obstacles& obstacles)
        : memo_(MemoFor(obstacles)), rule_(reach::TempleRefuses(cls) ? 1 : 0), cls_(cls) {}
    const std::array<Step, 4>& From(const Spot& s) {
        const int key = Key(s);
        std::array<Step, 4>& four = memo_.steps[rule_][key];
        if (!memo_.known[rule_][key]) {
            for (int d = 0; d < 4; ++d) four[d] = WalkAmong(s, d, cls_, memo_.cells);
            memo_.known[rule_][key] = 1;
        }
        return four;
    }
    std::vector<int>& CostsFrom(const Spot& s) { return memo_.costs[rule_][Key(s)]; }

  private:
    PathMemo& memo_;
    int rule_, cls_;
};

// The spots reached after k steps, by key, with the first direction that led to each.
struct Reached {
    int key;
    Spot spot;
    int firstDirection;
};
using Layer = std::vector<Reached>;

bool SameLayer(const Layer& a, const Layer& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].firstDirection != b[i].firstDirection) return false;
    return true;
}

uint64_t LayerHash(const Layer& layer) {
    uint64_t h = 1469598103934665603ull;
    for (const Reached& r : layer) h = (h ^ static_cast<uint64_t>(r.key * 4 + r.firstDirection + 1)) * 1099511628211ull;
    return h;
}

// Past this many steps without a layer seen before, the walk is planned as if the movement
// stopped there (with the same evenness); no start on the map comes near it.
constexpr int kMaxLayers = 4 * map::kColumns * map::kRows;

}  // namespace

long long SearchVisits() { return searchVisits; }

std::vector<WalkEnd> TurnEnds(const Spot& from, int moves, int cls, const Obstacles& obstacles) {
    std::vector<WalkEnd> ends;
    if (moves <= 0 || !Keyed(from)) return ends;
    // Each layer follows from the one before alone, and there are only so many spots: once
    // the walk has spread over the cells it can reach, the layers come round in a cycle (on
    // this map, of two steps, there and back, within twenty steps of any start). When a layer
    // repeats, whole rounds of the cycle are skipped; they would only find again the places
    // and dead ends of the first round, so the walk's ends are the same as if every step
    // were taken.
    StepTable table(cls, obstacles);
    Layer layer{Reached{Key(from), from, -1}};
    std::vector<Layer> seen;
    std::unordered_multimap<uint64_t, int> seenAt;
    bool skipped = false;
    std::vector<char> endSeen(2 * kKeyCount, 0);
    std::vector<int> reachedAt(kKeyCount, -1);
    Layer next;
    for (int k = 0; k < moves && !layer.empty(); ++k) {
        if (!skipped) {
            const uint64_t h = LayerHash(layer);
            auto [first, last] = seenAt.equal_range(h);
            for (auto it = first; it != last && !skipped; ++it)
                if (SameLayer(seen[it->second], layer)) {
                    const int round = k - it->second;
                    k += (moves - 1 - k) / round * round;
                    skipped = true;
                }
            if (!skipped) {
                if (k >= kMaxLayers) {
                    k = moves - 1 - ((moves - 1 - k) % 2);
                    skipped = true;
                } else {
                    seenAt.emplace(h, static_cast<int>(seen.size()));
                    seen.push_back(layer);
                }
            }
        }
        next.clear();
        for (const Reached& w : layer) {
            ++searchVisits;
            bool any = false;
            const std::array<Step, 4>& four = table.From(w.spot);
            for (int d = 0; d < 4; ++d) {
                const Step& s = four[d];
                if (!s.moved) continue;
                any = true;
                WalkEnd e{s.to, w.firstDirection < 0 ? d : w.firstDirection, s.enteredPlace, false};
                if (s.enteredPlace || k + 1 == moves) {
                    const int ek = Key(s.to) * 2 + (s.enteredPlace ? 1 : 0);
                    if (!endSeen[ek]) {
                        endSeen[ek] = 1;
                        ends.push_back(e);
                    }
                } else if (const int key = Key(s.to); reachedAt[key] != k) {
                    reachedAt[key] = k;
                    next.push_back(Reached{key, s.to, e.firstDirection});
                }
            }
            if (!any && k > 0) {
                const int ek = Key(w.spot) * 2;
                if (!endSeen[ek]) {
                    endSeen[ek] = 1;
                    ends.push_back(WalkEnd{w.spot, w.firstDirection, false, true});
                }
            }
        }
        std::sort(next.begin(), next.end(), [](const Reached& a, const Reached& b) { return a.key < b.key; });
        layer.swap(next);
    }
    return ends;
}

std::vector<WalkStop> TurnStops(const Spot& from, int moves, int cls, const Obstacles& obstacles) {
    std::vector<WalkStop> stops;
    if (moves <= 0 || !Keyed(from)) return stops;
    StepTable table(cls, obstacles);
    std::vector<char> reached(kKeyCount, 0);
    reached[Key(from)] = 1;
    std::vector<WalkStop> layer{WalkStop{from, -1, 0}}, next;
    for (int k = 0; k < moves && !layer.empty(); ++k) {
        next.clear();
        for (const WalkStop& w : layer) {
            ++searchVisits;
            const std::array<Step, 4>& four = table.From(w.spot);
            for (int d = 0; d < 4; ++d) {
                const Step& s = four[d];
                if (!s.moved || s.enteredPlace || !Keyed(s.to) || reached[Key(s.to)]) continue;
                reached[Key(s.to)] = 1;
                next.push_back(WalkStop{s.to, w.firstDirection < 0 ? d : w.firstDirection, k + 1});
            }
        }
        stops.insert(stops.end(), next.begin(), next.end());
        layer.swap(next);
    }
    return stops;
}

int StepsBetween(const Spot& from, const Spot& to, int cls, const Obstacles& obstacles) {
    if (from == to) return 0;
    if (!Keyed(from) || !Keyed(to)) return -1;
    StepTable table(cls, obstacles);
    std::vector<int>& cost = table.CostsFrom(from);
    if (cost.empty()) {
        // Shortest by cost over the whole map, where entering a place costs what it risks on
        // top of its step.
        cost.assign(kKeyCount, -1);
        using Item = std::pair<int, int>;   // cost, key
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> q;
        cost[Key(from)] = 0;
        q.push({0, Key(from)});
        while (!q.empty()) {
            auto [here, key] = q.top();
            q.pop();
            if (here > cost[key]) continue;
            ++searchVisits;
            const std::array<Step, 4>& four = table.From(SpotOf(key));
            for (const Step& st : four) {
                if (!st.moved) continue;
                const int k = Key(st.to);
                const int c = here + 1 + (st.enteredPlace ? PlaceCost(st.to) : 0);
                if (cost[k] >= 0 && cost[k] <= c) continue;
                cost[k] = c;
                q.push({c, k});
            }
        }
    }
    return cost[Key(to)];
}

}  // namespace ai
