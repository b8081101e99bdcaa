#include "state/CharacterRecord.h"
#include "state/GameLimits.h"

#include <algorithm>
#include <cmath>

#include "state/GlobalDecl.h"
#include "state/Status.h"
#include "state/Text.h"

namespace rec {
namespace {

bool ValidSlot(int c) { return c >= 0 && c <= kMaxCharacters; }

std::u32string& R(int c) {
    static std::u32string none;
    if (!ValidSlot(c)) {
        none.clear();
        return none;
    }
    return gd.CharacterRecords[c];
}

std::u32string Digits(long value, int width) {
    long max = 1;
    for (int i = 0; i < width; ++i) max *= 10;
    value = std::clamp(value, 0L, max - 1);
    std::string d = PadDigits(value, width);
    return std::u32string(d.begin(), d.end());
}

// Entries end 3 characters before the end; a record shorter than its fixed part has none.
int ItemsEnd(const std::u32string& r) { return static_cast<int>(r.size()) - 3; }

}  // namespace

std::u32string NameField(const std::string& name) {
    std::u32string n = FromUtf8(name);
    // Control characters would break the one-line fields; they are shown as blanks.
    for (char32_t& ch : n)
        if (ch < 0x20 || ch == 0x7F) ch = U' ';
    if (n.size() > static_cast<size_t>(kNameWidth)) n.resize(kNameWidth);
    if (n.size() < static_cast<size_t>(kNameWidth)) n.insert(0, kNameWidth - n.size(), U' ');
    return n;
}

std::u32string Make(int player, const std::string& playerName, int classNumber,
                    const std::string& characterName, const std::string& classTemplate) {
    std::u32string r = Digits(player, 2);
    r += NameField(playerName);
    r += Digits(classNumber, 2);
    r += NameField(characterName);
    r += FromUtf8(classTemplate);
    return r;
}

std::u32string ReadText(int c, int pos, int width) {
    const std::u32string& r = R(c);
    if (pos < 1 || width <= 0 || static_cast<size_t>(pos - 1) >= r.size()) return {};
    return r.substr(pos - 1, width);
}

long ReadNumber(int c, int pos, int width) {
    // ReadLeadingNumber(ReadText(c, pos, width)), read in place: the game asks for numbers of
    // the records all the time.
    const std::u32string& r = R(c);
    if (pos < 1 || width <= 0 || static_cast<size_t>(pos - 1) >= r.size()) return 0;
    return static_cast<long>(ReadLeadingNumber(std::u32string_view(r).substr(pos - 1, width)));
}

void WriteNumber(int c, int pos, int width, long value) {
    std::u32string& r = R(c);
    if (pos < 1 || static_cast<size_t>(pos - 1 + width) > r.size()) return;
    r.replace(pos - 1, width, Digits(value, width));
}

std::string ReadName(int c, Name which) {
    int pos = which == Name::Player ? kPlayerName : kCharacterName;
    return TrimLeft(ToUtf8(ReadText(c, pos, kNameWidth)));
}

std::string PlayerNameField(int c) { return ToUtf8(ReadText(c, kPlayerName, kNameWidth)); }

static char32_t FromEnd(int c, int k) {
    const std::u32string& r = R(c);
    return static_cast<int>(r.size()) >= k ? r[r.size() - k] : U'0';
}

int Life(int c) {
    char32_t ch = FromEnd(c, 3);
    return ch >= U'0' && ch <= U'9' ? static_cast<int>(ch - U'0') : 0;
}
bool ActsByDay(int c) { return FromEnd(c, 2) == U'1'; }
bool ActsByNight(int c) { return FromEnd(c, 1) == U'1'; }

void WriteLife(int c, int value) {
    std::u32string& r = R(c);
    if (r.size() < 3) return;
    r[r.size() - 3] = static_cast<char32_t>(U'0' + std::clamp(value, 0, 9));
}

long Gold(int c) { return ReadNumber(c, kGold, kGoldWidth); }
void WriteGold(int c, long value) { WriteNumber(c, kGold, kGoldWidth, std::clamp(value, 0L, kMaxGold)); }
long Experience(int c) { return ReadNumber(c, kExperience, kExperienceWidth); }
void WriteExperience(int c, long value) {
    WriteNumber(c, kExperience, kExperienceWidth, std::clamp(value, 0L, kMaxExperience));
}
int ClassNumber(int c) { return static_cast<int>(ReadNumber(c, kClassNumber, kClassNumberWidth)); }
int PlayerNumber(int c) { return static_cast<int>(ReadNumber(c, kPlayerNumber, kPlayerNumberWidth)); }

int ItemCount(int c) {
    int n = static_cast<int>(R(c).size()) - kFixedLength;
    return n > 0 ? n / 4 : 0;
}

int ItemPosition(int k) { return kItems + 4 * k; }

ItemEntry ItemAt(int c, int k) {
    if (k < 0 || k >= ItemCount(c)) return {};
    int pos = ItemPosition(k);
    return {static_cast<int>(ReadNumber(c, pos, 2)), static_cast<int>(ReadNumber(c, pos + 2, 2))};
}

int FindItem(int c, int itemNumber) {
    int n = ItemCount(c);
    for (int k = 0; k < n; ++k)
        if (ItemAt(c, k).number == itemNumber) return ItemPosition(k);
    return 0;
}

bool HasItem(int c, int itemNumber) { return FindItem(c, itemNumber) != 0; }

int CountItem(int c, int itemNumber) {
    int count = 0, n = ItemCount(c);
    for (int k = 0; k < n; ++k)
        if (ItemAt(c, k).number == itemNumber) ++count;
    return count;
}

static std::u32string Entry(int number, int value) { return Digits(number, 2) + Digits(value, 2); }

void AddItemFront(int c, int itemNumber, int itemValue) {
    InsertItemTextFront(c, Entry(itemNumber, itemValue));
}

void AddItemBack(int c, int itemNumber, int itemValue) {
    AppendItemsText(c, Entry(itemNumber, itemValue));
}

void InsertItemTextFront(int c, const std::u32string& entry) {
    std::u32string& r = R(c);
    if (r.size() < static_cast<size_t>(kFixedLength) || entry.size() != 4) return;
    if (ItemCount(c) >= limits::kMostItems) return;   // a full list takes nothing more
    r.insert(kItems - 1, entry);
}

void AppendItemsText(int c, const std::u32string& entries) {
    std::u32string& r = R(c);
    if (r.size() < static_cast<size_t>(kFixedLength) || entries.size() % 4 != 0) return;
    // A full list takes what it has room for.
    const size_t room = 4 * static_cast<size_t>(std::max(0, limits::kMostItems - ItemCount(c)));
    r.insert(ItemsEnd(r), entries.substr(0, room));
}

void RemoveItem(int c, int pos) {
    std::u32string& r = R(c);
    if (pos < kItems || pos + 3 > ItemsEnd(r) || (pos - kItems) % 4 != 0) return;
    r.erase(pos - 1, 4);
}

void SetItemValue(int c, int pos, int value) {
    std::u32string& r = R(c);
    if (pos < kItems || pos + 3 > ItemsEnd(r)) return;
    r.replace(pos + 1, 2, Digits(value, 2));
}

void ClearItems(int c) {
    std::u32string& r = R(c);
    if (r.size() < static_cast<size_t>(kFixedLength)) return;
    r = r.substr(0, kItems - 1) + r.substr(r.size() - 3);
}

std::u32string ItemsText(int c) {
    const std::u32string& r = R(c);
    if (r.size() < static_cast<size_t>(kFixedLength)) return {};
    return r.substr(kItems - 1, ItemsEnd(r) - (kItems - 1));
}

bool CountsForAttack(int n) { return n < 20 || n == 46 || n == 47; }
bool CountsForDefense(int n) { return n >= 20 && n < 40; }

int EffectiveAttack(int c) {
    int total = static_cast<int>(ReadNumber(c, kAttack, 1));
    for (int k = 0, n = ItemCount(c); k < n; ++k) {
        ItemEntry e = ItemAt(c, k);
        if (CountsForAttack(e.number)) total += e.value;
    }
    return total + (ValidSlot(c) ? gd.AttackBonus[c] : 0);
}

int EffectiveDefense(int c) {
    int total = static_cast<int>(ReadNumber(c, kDefense, 1));
    for (int k = 0, n = ItemCount(c); k < n; ++k) {
        ItemEntry e = ItemAt(c, k);
        if (CountsForDefense(e.number)) total += e.value;
    }
    return total + (ValidSlot(c) ? gd.DefenseBonus[c] : 0);
}

int EffectiveAgility(int c) {
    return static_cast<int>(ReadNumber(c, kAgility, 1)) + (ValidSlot(c) ? gd.AgilityBonus[c] : 0);
}

int Owner(int c) {
    switch (gd.PlayerCount) {
        case 2: return c < 7 ? 1 : 2;
        case 3: return c < 6 ? 1 : (c < 11 ? 2 : 3);
        case 4: return c < 5 ? 1 : (c < 9 ? 2 : (c < 13 ? 3 : 4));
        default: return 1;
    }
}

int Controller(int c) {
    const int by = gd.Status[0];
    if (c >= 1 && c <= kMaxCharacters && gd.Status[c] == status::kControlled && by >= 1 && by <= kMaxCharacters)
        return by;
    return c;
}

bool PlayedByComputer(int c) {
    if (c < 1 || c > kMaxCharacters) return false;
    const int p = Owner(Controller(c));
    return p >= 1 && p <= kMaxPlayers && gd.ComputerPlayer[p];
}

static std::string& Res(int c) {
    static std::string none;
    if (!ValidSlot(c)) return none = "00000000000000";
    std::string& s = gd.Resources[c];
    if (s.size() != 14) s.resize(14, '0');
    return s;
}

int Resource(int c, int r) {
    if (r < 1 || r > 7) return 0;
    return static_cast<int>(ReadLeadingNumber(Res(c).substr(2 * r - 2, 2)));
}

void SetResource(int c, int r, int amount) {
    if (r < 1 || r > 7) return;
    Res(c).replace(2 * r - 2, 2, PadDigits(std::clamp(amount, 0, 99), 2));
}

void AddResource(int c, int r, int n) { SetResource(c, r, Resource(c, r) + n); }

int ResourceMean(int c) {
    int sum = 0;
    for (int r = 1; r <= 7; ++r) sum += Resource(c, r);
    return static_cast<int>(std::nearbyint(sum / 7.0));  // default rounding: half to even
}

}  // namespace rec
