#include "ai/Paths.h"

#include <map>
#include <queue>
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

std::vector<WalkEnd> TurnEnds(const Spot& from, int moves, int cls, const Obstacles& obstacles) {
    std::vector<WalkEnd> ends;
    if (moves <= 0) return ends;
    // Spots after k steps, with the first direction that leads there (the first one found).
    std::map<int, WalkEnd> layer;
    layer[Key(from)] = WalkEnd{from, -1, false, false};
    std::map<int, bool> endSeen;
    for (int k = 0; k < moves && !layer.empty(); ++k) {
        std::map<int, WalkEnd> next;
        for (auto& [key, w] : layer) {
            bool any = false;
            for (int d = 0; d < 4; ++d) {
                Step s = Walk(w.spot, d, cls, obstacles);
                if (!s.moved) continue;
                any = true;
                WalkEnd e{s.to, w.firstDirection < 0 ? d : w.firstDirection, s.enteredPlace, false};
                if (s.enteredPlace || k + 1 == moves) {
                    int ek = Key(s.to) * 2 + (s.enteredPlace ? 1 : 0);
                    if (!endSeen[ek]) {
                        endSeen[ek] = true;
                        ends.push_back(e);
                    }
                } else {
                    next.emplace(Key(s.to), e);
                }
            }
            if (!any && k > 0) {
                int ek = Key(w.spot) * 2;
                if (!endSeen[ek]) {
                    endSeen[ek] = true;
                    WalkEnd e = w;
                    e.stuck = true;
                    ends.push_back(e);
                }
            }
        }
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
