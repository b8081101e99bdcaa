#pragma once
// The game's one random generator of fractions in [0, 1). It can be seeded, and fractions
// queued with Queue are handed out first, so tests and scripts can fix every die.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace rnd {

// Seeds the generator; queued fractions are kept.
void Seed(uint64_t seed);
// Seeds from the time of day, unless a fixed seed was requested with FixSeed.
void SeedFromClock();
// From now on SeedFromClock seeds with this value (the driver's --seed, tests).
void FixSeed(uint64_t seed);
// The seed FixSeed asked for; false when SeedFromClock reads the clock.
bool FixedSeed(uint64_t& seed);
// SeedFromClock reads the clock again (the generator and the queue are left as they are).
void UnfixSeed();
// A seed from the time of day, as SeedFromClock would take it.
uint64_t ClockSeed();
// Forgets a fixed seed and empties the queue.
void Reset();
// Queues fractions to be returned by the next draws, in order.
void Queue(std::initializer_list<double> fractions);
void QueueOne(double fraction);
// Number of queued fractions not drawn yet.
int QueuedCount();
// The next fraction in [0, 1).
double Rnd();
// Int(Rnd × n): a whole number 0 to n − 1.
int Below(int n);
// One six-sided die: Int(Rnd × 6) + 1.
int D6();
// Number of draws since the last Seed (for replay checks).
uint64_t DrawCount();

// Where the seeded generator stands: its whole state as text (the engine's 312 words and its
// place among them, in decimal, blank-separated), and the seed it was last given with how many
// fractions it has made since (queued fractions are not counted). Restoring it goes on with
// exactly the fractions the generator would have made next; the queue is left as it is.
struct Position {
    std::string engine;   // when empty, the seed and the fractions made are replayed instead
    uint64_t seed = 0;
    uint64_t made = 0;
};
Position Where();
void Restore(const Position& at);
// Whether text is a state the engine can be put in (Restore takes only such text): 313
// decimal numbers of 64 bits at most, one blank between two, the last (the place) at most 312,
// the words not all zero.
bool IsEngineState(const std::string& text);
// The engine's state once seeded with seed and past made fractions (it takes time in made).
std::string EngineStateAfter(uint64_t seed, uint64_t made);

}  // namespace rnd
