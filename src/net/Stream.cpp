#include "net/Stream.h"

#include "net/Protocol.h"

namespace net {

void HostStream::Restart(const std::vector<std::string>& head) {
    lines_.clear();
    lines_.push_back(StartLine(events_, handOvers_));
    for (const std::string& line : head) lines_.push_back(HeadLine(line));
    startLines_ = lines_.size();
}

std::vector<std::string> HostStream::StartMessages() const {
    return std::vector<std::string>(lines_.begin(), lines_.begin() + static_cast<long>(startLines_));
}

std::string HostStream::Event(const std::string& recordLine) {
    lines_.push_back(EventLine(++events_, recordLine));
    return lines_.back();
}

std::string HostStream::Hash(uint64_t hash) {
    lines_.push_back(HashLine(++handOvers_, hash));
    return lines_.back();
}

void HashBook::Restart(long long handOvers) {
    mine_ = handOvers;
    own_.clear();
    host_.clear();
}

HashBook::Match HashBook::Mine(uint64_t hash) {
    own_[++mine_] = hash;
    return Compare(mine_);
}

HashBook::Match HashBook::Host(long long k, uint64_t hash) {
    host_[k] = hash;
    return Compare(k);
}

HashBook::Match HashBook::Compare(long long k) {
    const auto own = own_.find(k);
    const auto host = host_.find(k);
    if (own == own_.end() || host == host_.end()) return Match::Waiting;
    const bool same = own->second == host->second;
    if (!same)
        last_ = "hand-over " + std::to_string(k) + ": this game's hash " + HashText(own->second) +
                " differs from the host's " + HashText(host->second);
    own_.erase(own);
    host_.erase(host);
    ++(same ? agreed_ : differed_);
    return same ? Match::Agree : Match::Differ;
}

}  // namespace net
