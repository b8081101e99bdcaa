// Reading a save file: every value is checked against the game's own ranges before anything
// of the running game changes, and the first fault found is named to the player.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <set>
#include <string_view>
#include <vector>

#include "save/SaveReader.h"
#include "save/SaveTexts.h"
#include "save/SavedGame.h"
#include "state/CharacterRecord.h"
#include "state/GameLimits.h"
#include "state/GameRules.h"
#include "state/Text.h"

namespace {

using namespace save_read;

constexpr int kDeepest = 8;               // the format nests four deep
constexpr size_t kLongestMessage = 2000;  // bytes of an information line or journal text

// The deepest nesting of arrays and objects, counted without parsing (strings skipped), so
// that no parser ever walks a hostile depth.
int Depth(std::string_view text) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (inString) {
            if (ch == '\\') ++i;
            else if (ch == '"') inString = false;
        } else if (ch == '"') {
            inString = true;
        } else if (ch == '[' || ch == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > kDeepest) return deepest;
        } else if (ch == ']' || ch == '}') {
            --depth;
        }
    }
    return deepest;
}

bool Blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
}

bool Digits(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

void ReadState(const Reader& r, const Json& s, GlobalDecl& g) {
    const int language = static_cast<int>(r.IntAt(s, "LanguageOffset", 1000, 2000));
    if (language != 1000 && language != 2000) r.Fail(r.Name("LanguageOffset"), SaveText::FieldRange);
    g.LanguageOffset = language;
    g.PlayerCount = static_cast<int>(r.IntAt(s, "PlayerCount", 2, 4));
    const int inPlay = g.PlayerCount == 2 ? 12 : g.PlayerCount == 3 ? 15 : 16;
    const int perPlayer = 8 - g.PlayerCount;
    g.CurrentCharacter = static_cast<int>(r.IntAt(s, "CurrentCharacter", 1, inPlay));
    g.ShownCharacter = static_cast<int>(r.IntAt(s, "ShownCharacter", 1, inPlay));
    g.MovesLeft = static_cast<int>(r.IntAt(s, "MovesLeft", 0, limits::kMostMoves));
    g.InventoryScroll = static_cast<int16_t>(r.IntAt(s, "InventoryScroll", 0, limits::kMostItems));
    g.CombatMode = static_cast<int>(r.IntAt(s, "CombatMode", 0, 4));
    g.FreeMoveCharacter = static_cast<int>(r.IntAt(s, "FreeMoveCharacter", 0, kMaxCharacters));
    g.FightResult = static_cast<int>(r.IntAt(s, "FightResult", -1, 1));
    g.PendingSpell = static_cast<int>(r.IntAt(s, "PendingSpell", 0, 999));
    g.EnemyNumber = static_cast<int>(r.IntAt(s, "EnemyNumber", 0, 19));
    g.EnemyAttack = static_cast<int>(r.IntAt(s, "EnemyAttack", 0, limits::kMostEnemyValue));
    g.EnemyDefense = static_cast<int>(r.IntAt(s, "EnemyDefense", 0, limits::kMostEnemyValue));
    g.EnemyAgility = static_cast<int>(r.IntAt(s, "EnemyAgility", 0, limits::kMostEnemyValue));
    g.CapacityAvailable = r.Bool(s, "CapacityAvailable");
    g.MagicAvailable = r.Bool(s, "MagicAvailable");
    g.EndTurnAvailable = r.Bool(s, "EndTurnAvailable");

    const size_t slots = kMaxCharacters + 1;
    const Json& records = r.Array(s, "CharacterRecords", slots);
    for (size_t c = 0; c < slots; ++c) {
        const std::string field = r.Element("CharacterRecords", c);
        const std::u32string record = FromUtf8(r.Text(records[c], field, 4 * (rec::kFixedLength + 4 * limits::kMostItems)));
        const bool played = c >= 1 && static_cast<int>(c) <= inPlay;
        const int owner = played ? static_cast<int>(c - 1) / perPlayer + 1 : 0;
        if ((played || !record.empty()) && RecordRule(record, owner) != Rule::None) r.Fail(field, SaveText::FieldRecord);
        g.CharacterRecords[c] = record;
    }
    const Json& resources = r.Array(s, "Resources", slots);
    for (size_t c = 0; c < slots; ++c) {
        const std::string field = r.Element("Resources", c);
        const std::string text = r.Text(resources[c], field, 14);
        const bool played = c >= 1 && static_cast<int>(c) <= inPlay;
        const bool digits = text.size() == 14 && Digits(FromUtf8(text));
        if (!digits && (played || !text.empty())) r.Fail(field, SaveText::FieldRange);
        g.Resources[c] = text;
    }
    auto within = [](long long lo, long long hi) {
        return [lo, hi](int, long long& from, long long& to) { from = lo, to = hi; };
    };
    r.Ints(s, "AttackBonus", g.AttackBonus, within(-limits::kMostBonus, limits::kMostBonus));
    r.Ints(s, "DefenseBonus", g.DefenseBonus, within(-limits::kMostBonus, limits::kMostBonus));
    r.Ints(s, "AgilityBonus", g.AgilityBonus, within(-limits::kMostBonus, limits::kMostBonus));
    r.Ints(s, "MagicPoints", g.MagicPoints, within(0, limits::kMostMagic));
    // Slot 0 of Status holds the controlling character; the others hold status codes.
    r.Ints(s, "Status", g.Status, [](int i, long long& lo, long long& hi) { lo = 0, hi = i == 0 ? kMaxCharacters : 29; });
    for (int c = 1; c <= kMaxCharacters; ++c)
        if (!KnownStatus(g.Status[c])) r.Fail(r.Element("Status", c), SaveText::FieldRange);
    r.Ints(s, "Zone", g.Zone, [inPlay](int i, long long& lo, long long& hi) { lo = i >= 1 && i <= inPlay ? 1 : 0, hi = 4; });
    // On the 20 x 15 grid, or just past its edge while a zone change carries a character over.
    r.Ints(s, "PosX", g.PosX, within(-1, 22));
    r.Ints(s, "PosY", g.PosY, within(-1, 17));
    r.Ints(s, "DoorState", g.DoorState, within(0, 6));
    for (int p = 0; p <= kMaxPlayers; ++p)
        if (g.DoorState[p] == 3) r.Fail(r.Element("DoorState", p), SaveText::FieldRange);
    r.Ints(s, "TowerFloor", g.TowerFloor, within(0, 5));
    // The parties the computer plays; files saved before there were computer players have
    // none, and every party is a person's.
    g.ComputerPlayer.fill(false);
    if (s.contains("ComputerPlayer")) {
        r.Bools(s, "ComputerPlayer", g.ComputerPlayer);
        for (size_t p = 0; p < g.ComputerPlayer.size(); ++p)
            g.ComputerPlayer[p] = g.ComputerPlayer[p] && p >= 1 && static_cast<int>(p) <= g.PlayerCount;
    }
    // Their levels; files from before there were levels were played by the hard one.
    g.ComputerLevel.fill(computer_level::kHard);
    if (s.contains("ComputerLevel")) r.Ints(s, "ComputerLevel", g.ComputerLevel, within(computer_level::kEasy, computer_level::kHard));
}

void ReadBoard(const Reader& r, const Json& b, BoardState& v, int version) {
    v.HourCounter = static_cast<int>(r.IntAt(b, "HourCounter", limits::kFirstHour, limits::kLastHour));
    v.DisplayedZone = static_cast<int>(r.IntAt(b, "DisplayedZone", 0, 4));
    auto blocks = [](int hi) { return [hi](int, long long& lo, long long& to) { lo = 0, to = hi; }; };
    r.Ints(b, "BlockX", v.BlockX, blocks(22));
    r.Ints(b, "BlockY", v.BlockY, blocks(17));
    r.Ints(b, "BlockZone", v.BlockZone, blocks(4));
    if (version < 3) CheckOlderScreenKeys(r, b);
    v.fightPending = r.Bool(b, "FightPending");
    v.informations = r.TextAt(b, "Informations", kLongestMessage);
}

void ReadJournal(const Reader& r, const Json& j, JournalState& journal) {
    const Json& entries = r.Get(j, "entries");
    if (!entries.is_array()) r.Fail(r.Name("entries"), SaveText::FieldType);
    if (entries.size() > static_cast<size_t>(limits::kMostJournalEntries)) r.Fail(r.Name("entries"), SaveText::FieldRange);
    journal.entries.clear();
    journal.entries.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Reader e(r.Element("entries", i));
        JournalEntry entry;
        entry.day = static_cast<int>(e.IntAt(entries[i], "day", 1, limits::kLastDay));
        entry.hour = static_cast<int>(e.IntAt(entries[i], "hour", 0, 23));
        entry.characterName = e.TextAt(entries[i], "character", 4 * rec::kNameWidth);
        // Games saved before the journal knew the player have no "player": no colour then.
        if (entries[i].is_object() && entries[i].contains("player"))
            entry.player = static_cast<int>(e.IntAt(entries[i], "player", 0, 4));
        entry.text = e.TextAt(entries[i], "text", kLongestMessage);
        journal.entries.push_back(std::move(entry));
    }
    const long long last = static_cast<long long>(entries.size()) - 1;
    journal.informationsShown = static_cast<int>(r.IntAt(j, "InformationsShows", -1, last));
    journal.fightShown = static_cast<int>(r.IntAt(j, "FightLineShows", -1, last));
}

// From version 2 on, the engine's own state, which is set as it is.
void ReadDice(const Reader& r, const Json& d, rnd::Position& dice, int version) {
    if (version == 1) {
        ReadReplayedDice(r, d, dice);
        return;
    }
    dice.engine = r.TextAt(d, "engine", 8000);
    if (!rnd::IsEngineState(dice.engine)) r.Fail(r.Name("engine"), SaveText::DiceState);
}

std::string FieldFault(const Fault& f) { return Say(SaveText::BadField) + f.field + Say(f.what); }

// Notes the first key that an object of the file gives twice (the parser would keep the last
// one silently), by its place: "state.PosX".
class KeyTracker {
public:
    bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
                open_.push_back({});
                break;
            case Json::parse_event_t::object_end:
                if (!open_.empty()) open_.pop_back();
                break;
            case Json::parse_event_t::key:
                if (!open_.empty() && parsed.is_string()) {
                    Object& o = open_.back();
                    o.current = parsed.get<std::string>();
                    if (!o.keys.insert(o.current).second && duplicate_.empty()) duplicate_ = Place();
                }
                break;
            default:
                break;
        }
        (void)depth;
        return true;
    }
    const std::string& duplicate() const { return duplicate_; }

private:
    struct Object {
        std::set<std::string> keys;
        std::string current;
    };
    std::string Place() const {
        std::string place;
        for (const Object& o : open_) place += (place.empty() ? "" : ".") + o.current;
        return place;
    }
    std::vector<Object> open_;
    std::string duplicate_;
};

// The file's text as JSON, or why it is not.
bool Parse(const std::string& text, Json& root, std::string& why) {
    KeyTracker keys;
    try {
        root = Json::parse(text, std::ref(keys));
    } catch (const Json::parse_error& e) {
        // Input that ends where more was expected is a file cut short (in a string as well).
        const bool atEnd = std::string_view(e.what()).find("unexpected end of input") != std::string_view::npos ||
                           e.byte > text.size();
        why = atEnd ? Say(SaveText::Truncated) : Say(SaveText::Malformed) + std::to_string(e.byte) + ").";
        return false;
    } catch (const Json::out_of_range&) {
        why = Say(SaveText::NumberTooLarge);   // beyond what a double holds
        return false;
    } catch (const Json::exception& e) {
        why = Say(SaveText::JsonFault) + e.what() + ").";
        return false;
    }
    if (!keys.duplicate().empty()) {
        why = Say(SaveText::DuplicateKey) + keys.duplicate() + ".";
        return false;
    }
    return true;
}

bool ReadGame(const Json& root, SavedGame& game, std::string& why) {
    auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || *format != "quelmor-save") {
        why = Say(SaveText::NotASave);
        return false;
    }
    auto version = root.find("version");
    const bool known = version != root.end() && version->is_number_integer() && *version >= kFirstSaveVersion &&
                       *version <= kSaveVersion;
    if (!known) {
        why = Say(SaveText::OtherVersion) + (version != root.end() && version->is_number() ? version->dump() : "?") + ".";
        return false;
    }
    try {
        const Reader top("");
        ReadState(top.Into("state"), top.Get(root, "state"), game.state);
        ReadBoard(top.Into("board"), top.Get(root, "board"), game.board, version->get<int>());
        ReadDice(top.Into("dice"), top.Get(root, "dice"), game.dice, version->get<int>());
        ReadJournal(top.Into("journal"), top.Get(root, "journal"), game.journal);
    } catch (const Fault& f) {
        why = FieldFault(f);
        return false;
    }
    // Every value is in its range: the state as a whole must be one the game can go on from.
    if (const RuleBreak broken = CheckGameGoesOn(game.state, NumbersOf(game.board))) {
        why = Say(SaveText::RuleBroken) + SayRule(broken.rule, broken.slot);
        return false;
    }
    return true;
}

}  // namespace

BoardNumbers NumbersOf(const BoardState& board) {
    BoardNumbers n;
    n.hourCounter = board.HourCounter;
    n.displayedZone = board.DisplayedZone;
    n.blockX = board.BlockX;
    n.blockY = board.BlockY;
    n.blockZone = board.BlockZone;
    return n;
}

bool ReadSaveText(const std::string& text, SavedGame& out, std::string& why) {
    if (text.empty() || Blank(text)) {
        why = Say(SaveText::Empty);
        return false;
    }
    if (static_cast<long long>(text.size()) > kLargestSave) {
        why = Say(SaveText::TooLarge);
        return false;
    }
    if (Depth(text) > kDeepest) {
        why = Say(SaveText::TooDeep);
        return false;
    }
    Json root;
    if (!Parse(text, root, why)) return false;
    SavedGame game;
    try {
        if (!ReadGame(root, game, why)) return false;
    } catch (const Json::exception& e) {   // a value read as what it is not: nothing is kept
        why = Say(SaveText::JsonFault) + e.what() + ").";
        return false;
    }
    out = std::move(game);
    return true;
}
