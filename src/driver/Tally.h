#pragma once
// The tournament's count of a series of games: wins by seat, by side (what played a party:
// "computer", "random") and by class in the winning party, with the games each class and
// side took part in, so that a share can be read against how often it played.
#include <map>
#include <string>
#include <vector>

struct TallyGame {
    std::vector<std::string> sides;         // per seat (index 0 = player 1)
    std::vector<std::vector<int>> classes;  // per seat, the party's class numbers
    int winner = 0;                         // the winning seat (1-4), 0 when unfinished
    long long characterTurns = 0;
};

struct TallyCount {
    int wins = 0;
    int played = 0;  // games in which it held a seat (a side counted once per game)
};

class Tally {
public:
    void Add(const TallyGame& game);

    int games() const { return games_; }
    int unfinished() const { return unfinished_; }
    const std::vector<TallyCount>& bySeat() const { return bySeat_; }
    const std::map<std::string, TallyCount>& bySide() const { return bySide_; }
    const std::map<int, TallyCount>& byClass() const { return byClass_; }
    double medianTurns() const;

private:
    int games_ = 0, unfinished_ = 0;
    std::vector<TallyCount> bySeat_;
    std::map<std::string, TallyCount> bySide_;
    std::map<int, TallyCount> byClass_;
    std::vector<long long> turns_;
};

// The median of v, 0 when empty.
double Median(std::vector<long long> v);

// The seats' sides of game g when the sides rotate: seat p gets sides[(p + g) % n], so that
// over n games each side has sat in every seat once.
std::vector<std::string> RotatedSides(const std::vector<std::string>& sides, int g);
