// Reading a save file: every value is checked against the game's own ranges before anything
// of the running game changes, and the first fault found is named to the player.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <functional>
#include <set>
#include <string_view>
#include <vector>

#include "save/SaveTexts.h"
#include "save/SavedGame.h"
#include "state/CharacterRecord.h"
#include "state/GameLimits.h"
#include "state/GameRules.h"
#include "state/Text.h"

namespace {

using Json = nlohmann::json;

constexpr int kDeepest = 8;               // the format nests four deep
constexpr size_t kLongestMessage = 2000;  // bytes of an information line or journal text
constexpr size_t kLongestLabel = 200;    // bytes of a panel text
constexpr size_t kMostMarks = 64;         // drawings on one zone thumbnail (16 markers and a frame)
// Fractions a version-1 file's dice replay from their seed (a long game makes thousands; a
// million takes a few milliseconds).
constexpr uint64_t kMostReplayedDraws = 10000000;

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

struct Fault {
    std::string field;
    SaveText what;
};

// Reads one part of the file; every reader throws a Fault naming the first bad value.
class Reader {
public:
    explicit Reader(std::string path) : path_(std::move(path)) {}

    [[noreturn]] void Fail(const std::string& field, SaveText what) const { throw Fault{field, what}; }

    const Json& Get(const Json& object, const std::string& key) const {
        if (!object.is_object()) Fail(path_, SaveText::FieldType);
        auto it = object.find(key);
        if (it == object.end()) Fail(Name(key), SaveText::FieldMissing);
        return *it;
    }

    Reader Into(const std::string& key) const { return Reader(Name(key)); }

    long long Int(const Json& v, const std::string& field, long long lo, long long hi) const {
        if (!v.is_number_integer()) Fail(field, v.is_number() ? SaveText::FieldRange : SaveText::FieldType);
        long long n = 0;
        if (v.is_number_unsigned()) {
            const auto u = v.get<uint64_t>();
            if (u > static_cast<uint64_t>(hi)) Fail(field, SaveText::FieldRange);
            n = static_cast<long long>(u);
        } else {
            n = v.get<long long>();
        }
        if (n < lo || n > hi) Fail(field, SaveText::FieldRange);
        return n;
    }
    long long IntAt(const Json& object, const std::string& key, long long lo, long long hi) const {
        return Int(Get(object, key), Name(key), lo, hi);
    }

    bool Bool(const Json& object, const std::string& key) const {
        const Json& v = Get(object, key);
        if (!v.is_boolean()) Fail(Name(key), SaveText::FieldType);
        return v.get<bool>();
    }

    // Any text of at most most bytes without NUL (the parser has checked it is UTF-8).
    std::string Text(const Json& v, const std::string& field, size_t most) const {
        if (!v.is_string()) Fail(field, SaveText::FieldType);
        const std::string& s = v.get_ref<const std::string&>();
        if (s.size() > most || s.find('\0') != std::string::npos) Fail(field, SaveText::FieldText);
        return s;
    }
    std::string TextAt(const Json& object, const std::string& key, size_t most) const {
        return Text(Get(object, key), Name(key), most);
    }

    // An array of exactly count elements.
    const Json& Array(const Json& object, const std::string& key, size_t count) const {
        const Json& v = Get(object, key);
        if (!v.is_array()) Fail(Name(key), SaveText::FieldType);
        if (v.size() != count) Fail(Name(key), SaveText::FieldRange);
        return v;
    }

    template <typename Slots, typename Check>
    void Ints(const Json& object, const std::string& key, Slots& out, Check range) const {
        const Json& a = Array(object, key, out.size());
        for (size_t i = 0; i < out.size(); ++i) {
            long long lo = 0, hi = 0;
            range(static_cast<int>(i), lo, hi);
            out[i] = static_cast<typename Slots::value_type>(Int(a[i], Element(key, i), lo, hi));
        }
    }

    // An array of exactly as many true/false values as out holds.
    template <typename Flags>
    void Bools(const Json& object, const std::string& key, Flags& out) const {
        const Json& a = Array(object, key, out.size());
        for (size_t i = 0; i < out.size(); ++i) {
            if (!a[i].is_boolean()) Fail(Element(key, i), SaveText::FieldType);
            out[i] = a[i].get<bool>();
        }
    }

    std::string Name(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    std::string Element(const std::string& key, size_t i) const { return Name(key) + "[" + std::to_string(i) + "]"; }

private:
    std::string path_;
};

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
}

void ReadBoard(const Reader& r, const Json& b, BoardValues& v) {
    v.HourCounter = static_cast<int>(r.IntAt(b, "HourCounter", limits::kFirstHour, limits::kLastHour));
    v.DisplayedZone = static_cast<int>(r.IntAt(b, "DisplayedZone", 0, 4));
    auto blocks = [](int hi) { return [hi](int, long long& lo, long long& to) { lo = 0, to = hi; }; };
    r.Ints(b, "BlockX", v.BlockX, blocks(22));
    r.Ints(b, "BlockY", v.BlockY, blocks(17));
    r.Ints(b, "BlockZone", v.BlockZone, blocks(4));
    r.Bools(b, "IconsShown", v.iconsShown);
    const Json& thumbnails = r.Array(b, "Thumbnails", 4);
    for (int k = 1; k <= 4; ++k) {
        const std::string field = r.Element("Thumbnails", static_cast<size_t>(k - 1));
        const Json& ops = thumbnails[static_cast<size_t>(k - 1)];
        if (!ops.is_array()) r.Fail(field, SaveText::FieldType);
        if (ops.size() > kMostMarks) r.Fail(field, SaveText::FieldRange);
        std::vector<DrawOp>& out = v.thumbnails[static_cast<size_t>(k)];
        out.clear();
        for (size_t n = 0; n < ops.size(); ++n) {
            const std::string at = field + "[" + std::to_string(n) + "]";
            const Json& op = ops[n];
            if (!op.is_array() || op.size() != 8 || !op[0].is_string()) r.Fail(at, SaveText::FieldType);
            DrawOp d;
            const std::string type = op[0].get<std::string>();
            if (type == "line") d.type = DrawOp::Line;
            else if (type == "box") d.type = DrawOp::Rect;
            else if (type == "fill") d.type = DrawOp::FillRect;
            else r.Fail(at, SaveText::FieldRange);
            // Within the thumbnail (76 x 57), give or take a marker's half width.
            d.x1 = static_cast<int>(r.Int(op[1], at, -4, 80));
            d.y1 = static_cast<int>(r.Int(op[2], at, -4, 61));
            d.x2 = static_cast<int>(r.Int(op[3], at, -4, 80));
            d.y2 = static_cast<int>(r.Int(op[4], at, -4, 61));
            d.color = Rgb{static_cast<int>(r.Int(op[5], at, 0, 255)), static_cast<int>(r.Int(op[6], at, 0, 255)),
                          static_cast<int>(r.Int(op[7], at, 0, 255))};
            out.push_back(d);
        }
    }
    const Reader panel = r.Into("Panel");
    const Json& texts = r.Get(b, "Panel");
    for (size_t k = 0; k < v.panel.size(); ++k) v.panel[k] = panel.TextAt(texts, kPanelLabels[k], kLongestLabel);
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

// Version 2 keeps the engine's own state, which is set as it is; version 1 kept the seed and
// the fractions made since, which are replayed.
void ReadDice(const Reader& r, const Json& d, rnd::Position& dice, int version) {
    if (version >= 2) {
        dice.engine = r.TextAt(d, "engine", 8000);
        if (!rnd::IsEngineState(dice.engine)) r.Fail(r.Name("engine"), SaveText::DiceState);
        return;
    }
    const std::string seed = r.TextAt(d, "seed", 20);
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(seed.data(), seed.data() + seed.size(), value);
    if (seed.empty() || error != std::errc() || end != seed.data() + seed.size() || seed[0] == '-' || seed[0] == '+')
        r.Fail(r.Name("seed"), SaveText::FieldRange);
    dice.seed = value;
    dice.made = static_cast<uint64_t>(r.IntAt(d, "made", 0, static_cast<long long>(kMostReplayedDraws)));
    dice.engine = rnd::EngineStateAfter(dice.seed, dice.made);
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
    const bool known = version != root.end() && version->is_number_integer() &&
                       (*version == kSaveVersion || *version == kFirstSaveVersion);
    if (!known) {
        why = Say(SaveText::OtherVersion) + (version != root.end() && version->is_number() ? version->dump() : "?") + ".";
        return false;
    }
    try {
        const Reader top("");
        ReadState(top.Into("state"), top.Get(root, "state"), game.state);
        ReadBoard(top.Into("board"), top.Get(root, "board"), game.board);
        ReadDice(top.Into("dice"), top.Get(root, "dice"), game.dice, version->get<int>());
        ReadJournal(top.Into("journal"), top.Get(root, "journal"), game.journal);
    } catch (const Fault& f) {
        why = FieldFault(f);
        return false;
    }
    // Every value is in its range: the state as a whole must be one the game can go on from.
    BoardNumbers board;
    board.hourCounter = game.board.HourCounter;
    board.displayedZone = game.board.DisplayedZone;
    board.blockX = game.board.BlockX;
    board.blockY = game.board.BlockY;
    board.blockZone = game.board.BlockZone;
    if (const RuleBreak broken = CheckGameGoesOn(game.state, board)) {
        why = Say(SaveText::RuleBroken) + SayRule(broken.rule, broken.slot);
        return false;
    }
    return true;
}

}  // namespace

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
