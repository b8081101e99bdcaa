#include "driver/Tally.h"

#include <algorithm>
#include <set>

void Tally::Add(const TallyGame& game) {
    ++games_;
    const size_t seats = game.sides.size();
    if (bySeat_.size() < seats) bySeat_.resize(seats);
    std::set<std::string> sidesSeen;
    std::set<int> classesSeen;
    for (size_t p = 0; p < seats; ++p) {
        ++bySeat_[p].played;
        if (sidesSeen.insert(game.sides[p]).second) ++bySide_[game.sides[p]].played;
        if (p < game.classes.size())
            for (int c : game.classes[p])
                if (classesSeen.insert(c).second) ++byClass_[c].played;
    }
    if (game.winner < 1 || static_cast<size_t>(game.winner) > seats) {
        ++unfinished_;
        return;
    }
    const size_t w = static_cast<size_t>(game.winner - 1);
    ++bySeat_[w].wins;
    ++bySide_[game.sides[w]].wins;
    if (w < game.classes.size()) {
        std::set<int> counted;
        for (int c : game.classes[w])
            if (counted.insert(c).second) ++byClass_[c].wins;
    }
    turns_.push_back(game.characterTurns);
}

double Median(std::vector<long long> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? static_cast<double>(v[n / 2]) : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double Tally::medianTurns() const { return Median(turns_); }

std::vector<std::string> RotatedSides(const std::vector<std::string>& sides, int g) {
    std::vector<std::string> seats(sides.size());
    const size_t n = sides.size();
    for (size_t p = 0; p < n; ++p) seats[p] = sides[(p + static_cast<size_t>(g)) % n];
    return seats;
}
