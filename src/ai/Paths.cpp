#include "ai/Paths.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

#include "board/MapTables.h"
#include "state/Classes.h"

namespace ai {

namespace {

bool TempleRefused(int cls) {
    using namespace classes;
    return cls == kCavalierNoir || cls == kDiablotin || cls == kNecromancien || cls == kMonstre || cls == kOrc ||
           cls == kSorcier || cls == kTroll || cls == kVampire;
}

const map::ZoneExit* ExitAt(int zone, int x, int y) {
    const map::ZoneExit* exits = map::ZoneExits();
    for (int e = 0; e < map::kZoneExitCount; ++e)
        if (exits[e].fromZone == zone && exits[e].exitColumn == x && exits[e].exitRow == y) return &exits[e];
    return nullptr;
}

// The board's passability test, with the zone change it makes on an exit.
bool Passable(Spot& at, int x, int y, const Obstacles& obstacles) {
    if (const map::ZoneExit* e = ExitAt(at.zone, x, y)) {
        at.zone = e->toZone;
        if (e->newX >= 0) at.x = e->newX;
        if (e->newY >= 0) at.y = e->newY;
        return true;
    }
    for (const Spot& o : obstacles)
        if (o.zone == at.zone && o.x == x && o.y == y) return false;
    return map::IsRoadCell(at.zone, x, y);
}

constexpr int kDx[4] = {0, 0, -1, 1};
constexpr int kDy[4] = {-1, 1, 0, 0};

// Entering a place ends the walk, and some places are dangerous: what passing through one
// costs, in steps, beside the step itself.
int PlaceCost(const Spot& s) {
    switch (map::PlaceAt(s.zone, s.x, s.y)) {
        case map::Place::Volcano: return 30;   // one death in six
        case map::Place::Swamp: return 12;     // one chance in six to lose every item
        case map::Place::Tower: return 5;      // half the time the next turn is lost
        default: return 3;                     // the rest of the turn's movement
    }
}

int Key(const Spot& s) { return ((s.zone * 32 + (s.x + 4)) * 32) + (s.y + 4); }

}  // namespace

const char* DirectionKey(int d) {
    static const char* const kKeys[4] = {"Up", "Down", "Left", "Right"};
    return d >= 0 && d < 4 ? kKeys[d] : "Up";
}

bool IsPlaceFor(const Spot& s, int cls) {
    if (s.zone == map::Forest && s.x == 11 && s.y == 9 && TempleRefused(cls)) return false;
    return map::PlaceAt(s.zone, s.x, s.y) != map::Place::None;
}

Step Walk(const Spot& from, int d, int cls, const Obstacles& obstacles) {
    Step out;
    Spot at = from;
    const int dx = kDx[d], dy = kDy[d];
    if (IsPlaceFor(Spot{at.zone, at.x + 2 * dx, at.y + 2 * dy}, cls)) {
        out.to = Spot{at.zone, at.x + 2 * dx, at.y + 2 * dy};
        out.moved = out.enteredPlace = true;
        return out;
    }
    const bool onPlace = IsPlaceFor(at, cls);
    const bool twoAhead = Passable(at, at.x + 2 * dx, at.y + 2 * dy, obstacles);
    if (onPlace && twoAhead) {
        at.x += 2 * dx;
        at.y += 2 * dy;
        out.to = at;
        out.moved = true;
        return out;
    }
    if (Passable(at, at.x + dx, at.y + dy, obstacles)) {
        at.x += dx;
        at.y += dy;
        out.moved = true;
    }
    out.to = at;
    return out;
}

namespace {

// Keys of spots run below this (zones 0-4, columns and rows -4 to 27).
constexpr int kKeyCount = 5 * 32 * 32;
bool Keyed(const Spot& s) { return s.zone >= 0 && s.zone <= 4 && s.x >= -4 && s.x < 28 && s.y >= -4 && s.y < 28; }

long long searchVisits = 0;

// The cells one search meets, each with its four direction commands worked out once.
class WalkGraph {
  public:
    WalkGraph(int cls, const Obstacles& obstacles) : cls_(cls), obstacles_(obstacles), node_(kKeyCount, -1) {}
    const std::array<Step, 4>& From(const Spot& s) {
        int& n = node_[Key(s)];
        if (n < 0) {
            n = static_cast<int>(steps_.size());
            std::array<Step, 4> four;
            for (int d = 0; d < 4; ++d) four[d] = Walk(s, d, cls_, obstacles_);
            steps_.push_back(four);
        }
        return steps_[n];
    }

  private:
    int cls_;
    const Obstacles& obstacles_;
    std::vector<int> node_;
    std::vector<std::array<Step, 4>> steps_;
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
    // Each layer follows from the one before alone, and there are only so many spots: the
    // layers come round in a cycle within a few dozen steps. Once a layer repeats, whole
    // rounds of the cycle are skipped; they would only find again the places and dead ends
    // of the first round, so the walk's ends are the same as if every step were taken.
    WalkGraph graph(cls, obstacles);
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
            const std::array<Step, 4>& four = graph.From(w.spot);
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

int StepsBetween(const Spot& from, const Spot& to, int cls, const Obstacles& obstacles) {
    if (from == to) return 0;
    // Memo per (temple rule, origin): a breadth-first walk over the whole map. Obstacles stand
    // for the rest of the game once placed, so the memo only starts afresh when they change.
    static std::map<std::pair<int, int>, std::map<int, int>> memo;
    static Obstacles memoObstacles;
    if (!(obstacles == memoObstacles)) {
        memo.clear();
        memoObstacles = obstacles;
    }
    auto& dist = memo[{TempleRefused(cls) ? 1 : 0, Key(from)}];
    if (dist.empty()) {
        // Shortest by cost, where entering a place costs what it risks on top of its step.
        using Item = std::pair<int, int>;   // cost, key
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> q;
        std::map<int, Spot> spots;
        spots[Key(from)] = from;
        dist[Key(from)] = 0;
        q.push({0, Key(from)});
        while (!q.empty()) {
            auto [here, key] = q.top();
            q.pop();
            if (here > dist[key]) continue;
            ++searchVisits;
            const Spot s = spots[key];
            for (int d = 0; d < 4; ++d) {
                Step st = Walk(s, d, cls, obstacles);
                if (!st.moved) continue;
                const int k = Key(st.to);
                const int cost = here + 1 + (st.enteredPlace ? PlaceCost(st.to) : 0);
                auto found = dist.find(k);
                if (found != dist.end() && found->second <= cost) continue;
                dist[k] = cost;
                spots[k] = st.to;
                q.push({cost, k});
            }
        }
    }
    auto it = dist.find(Key(to));
    return it == dist.end() ? -1 : it->second;
}

}  // namespace ai
