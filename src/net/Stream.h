#pragma once
// The host's stream as a machine that joins late (or comes back) needs it: the start of the game
// and every event and hash since, in order. And on a joined machine, the hash comparison: its
// own game's hash at each hand-over against the host's.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace net {

class HostStream {
public:
    // The game starts (again) here: the record's first four lines, after so many events and
    // hand-overs of the host's stream. What came before is no longer needed to catch up.
    void Restart(const std::vector<std::string>& head);
    // The next event: its message, numbered.
    std::string Event(const std::string& recordLine);
    // The next hand-over: its message.
    std::string Hash(uint64_t hash);

    // Everything a machine needs to stand where the host stands: `start`, the `head` lines,
    // the events and hashes since.
    const std::vector<std::string>& CatchUp() const { return lines_; }
    // The start messages alone, for a machine that drops its game for the host's.
    std::vector<std::string> StartMessages() const;

    long long events() const { return events_; }
    long long handOvers() const { return handOvers_; }

private:
    long long events_ = 0;
    long long handOvers_ = 0;
    std::vector<std::string> lines_;
    size_t startLines_ = 0;
};

// A joined machine's hash comparison: its own hashes and the host's, by hand-over.
class HashBook {
public:
    enum class Match { Waiting, Agree, Differ };
    // The game starts again after `handOvers` hand-overs: the next one is handOvers + 1.
    void Restart(long long handOvers);
    // This machine's game reached its next hand-over with this hash.
    Match Mine(uint64_t hash);
    // The host's hash at its hand-over k.
    Match Host(long long k, uint64_t hash);

    long long mine() const { return mine_; }
    long long agreed() const { return agreed_; }
    long long differed() const { return differed_; }
    // The last hand-over compared that differed, with both hashes, for the log.
    const std::string& LastDifference() const { return last_; }

private:
    Match Compare(long long k);

    long long mine_ = 0;
    long long agreed_ = 0;
    long long differed_ = 0;
    std::map<long long, uint64_t> own_, host_;
    std::string last_;
};

}  // namespace net
