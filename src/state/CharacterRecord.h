#pragma once
// The character record: one text per character with every field at a fixed position
// (1-based, counted in characters). All reads and writes of records go through here, so
// no field can ever grow past its width or shift the fields behind it.
#include <string>

namespace rec {

// Field positions and widths of the fixed part.
constexpr int kPlayerNumber = 1, kPlayerNumberWidth = 2;
constexpr int kPlayerName = 3, kNameWidth = 10;
constexpr int kClassNumber = 13, kClassNumberWidth = 2;
constexpr int kCharacterName = 15;
constexpr int kMoveDice = 25, kMoveBonus = 26;
constexpr int kExperience = 27, kExperienceWidth = 3;
constexpr int kAttack = 30, kDefense = 31, kAgility = 32, kExperienceGain = 33;
constexpr int kGold = 34, kGoldWidth = 5;
constexpr int kItems = 39;
constexpr int kFixedLength = 41;     // a record without items
constexpr long kMaxGold = 99999;
constexpr long kMaxExperience = 999;

enum class Name { Player, Character };

struct ItemEntry {
    int number = 0;  // ItemNumber 00-99
    int value = 0;   // ItemValue 00-99
};

// Builds a record from its parts; names are cut to 10 characters and right-aligned.
std::u32string Make(int player, const std::string& playerName, int classNumber,
                    const std::string& characterName, const std::string& classTemplate);
// A name as stored in a record field: its first 10 characters, padded on the left with blanks.
std::u32string NameField(const std::string& name);

// The cut-out text of a field of character c (empty where the record is shorter).
std::u32string ReadText(int c, int pos, int width);
// The number read from a field (leading digits; blanks and no digits read as 0).
long ReadNumber(int c, int pos, int width);
// Writes value into a field of the fixed part as width digits, capped at the field's maximum.
void WriteNumber(int c, int pos, int width, long value);
// A name field without its leading blanks, as UTF-8.
std::string ReadName(int c, Name which);
// The player name field with its blanks, as stored (UTF-8).
std::string PlayerNameField(int c);

int Life(int c);            // the third-last character
bool ActsByDay(int c);      // the second-last character is "1"
bool ActsByNight(int c);    // the last character is "1"
// Writes the life digit (0-9; values beyond are clamped).
void WriteLife(int c, int value);

long Gold(int c);
void WriteGold(int c, long value);        // capped at 0..99999
long Experience(int c);
void WriteExperience(int c, long value);  // capped at 0..999
int ClassNumber(int c);
int PlayerNumber(int c);

int ItemCount(int c);
ItemEntry ItemAt(int c, int k);           // k counted from 0
int ItemPosition(int k);                  // 39 + 4k
// Position of the first entry with that number, 0 when there is none.
int FindItem(int c, int itemNumber);
bool HasItem(int c, int itemNumber);
int CountItem(int c, int itemNumber);
void AddItemFront(int c, int itemNumber, int itemValue);
void AddItemBack(int c, int itemNumber, int itemValue);
void RemoveItem(int c, int pos);
void SetItemValue(int c, int pos, int value);
void ClearItems(int c);
// The items part as text (4 digits per entry).
std::u32string ItemsText(int c);
// Appends entries given as text of 4-digit groups at the back.
void AppendItemsText(int c, const std::u32string& entries);
// Inserts one entry given as 4 characters at the front.
void InsertItemTextFront(int c, const std::u32string& entry);

int EffectiveAttack(int c);
int EffectiveDefense(int c);
int EffectiveAgility(int c);
// Items that add to attack: numbers below 20, 46 and 47; to defence: 20 to 39.
bool CountsForAttack(int itemNumber);
bool CountsForDefense(int itemNumber);

// Owner of character c by the fixed ranges of the player count.
int Owner(int c);
// The character whose player plays c now: the controlling character while c is under
// another's control (status 15, slot 0 of Status holds it), otherwise c itself.
int Controller(int c);
// Is c played by a computer party now (the party of its controller)?
bool PlayedByComputer(int c);

// Resources: seven two-digit amounts, resource r (1-7) at positions 2r − 1 and 2r.
int Resource(int c, int r);
// Sets a resource amount, written as two digits; kept within 0..99.
void SetResource(int c, int r, int amount);
void AddResource(int c, int r, int n);
// Mean of the seven amounts, rounded half to even.
int ResourceMean(int c);

}  // namespace rec
