#pragma once
// Writing the game's record (RecordFormat.h): from the title screen before a new game, or from
// the board's running game, every input and the time between them, until the game ends.
#include <functional>
#include <string>

namespace record {

// Where a streamed record's text goes: whole lines, each with its line feed.
using Stream = std::function<void(const std::string& text)>;

// Starts writing the record to path (made anew) from this point: the title screen in front
// (`start new`) or the board between two actions (`start save` or `start game`, its whole
// state). The dice's seed is fixed for the record's sake (the driver's --seed when it gave
// one, else the clock's) and written. False with why when the file cannot be made, a record
// is already being written, or neither the title nor the board is ready.
bool StartRecording(const std::string& path, std::string& why);
// The same record, its lines handed to out as they are made (a hosted game sends them to the
// machines that joined it), onHandOver told at each hand-over; head receives its first four
// lines. Beside a file being written (the game's own record), the lines go to both.
// StopRecording ends both as it ends a file's; StopStreaming ends the stream alone, the file
// going on.
bool StartStreaming(Stream out, std::function<void()> onHandOver, std::string& head, std::string& why);
void StopStreaming();
// The first four lines of a record that would start from the board's game as it stands now,
// the record's seed kept ("" but on the board between two actions, while a record is made).
std::string BoardHead();
// Goes on writing a record that was just replayed (Continue): the file is cut after its last
// whole event (validBytes, as the replay reports it) and the lines follow from there.
bool ContinueRecording(const std::string& path, long long validBytes, std::string& why);
// Stops writing: with a reason, the record ends there (`end won`, `end left`); with none, the
// game goes on another time (the program closes: Continue takes it up). Made safe on disk.
void StopRecording(const std::string& reason);
bool Recording();

// A party's player changed (person or computer, and the computer's level): the set-up box while
// the set-up is open, the game's own values otherwise. The driver's `computer P` and a
// record's `computer P on` both. level: 0 a person, else computer_level's.
void SetComputerParty(int player, int level);
// The word after `computer P`: "off" 0, "on" or "hard" the hard level, "easy" and "normal"
// theirs; -1 for any other word.
int ComputerPartyWord(const std::string& word);
// The word a record writes for a level (0 a person): "off", "easy", "normal", or "on" for hard.
const char* ComputerPartyWordOf(int level);
// The driver changed the game behind the player's back (`set`, `rnd`, `call`): a replay
// stops there, saying so.
void MarkUnfaithful(const std::string& command);

}  // namespace record
