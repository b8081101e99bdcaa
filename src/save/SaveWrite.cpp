// The save file's text, written in the order docs/save-format.md gives.
#include <nlohmann/json.hpp>

#include "save/SavedGame.h"
#include "state/Text.h"

namespace {

using Json = nlohmann::ordered_json;

template <typename Array>
Json Numbers(const Array& a) {
    Json out = Json::array();
    for (auto v : a) out.push_back(static_cast<int>(v));
    return out;
}

template <typename Array>
Json Flags(const Array& a) {
    Json out = Json::array();
    for (bool v : a) out.push_back(v);
    return out;
}

Json StateJson(const GlobalDecl& g) {
    Json s;
    s["LanguageOffset"] = g.LanguageOffset;
    s["PlayerCount"] = g.PlayerCount;
    s["CurrentCharacter"] = g.CurrentCharacter;
    s["ShownCharacter"] = g.ShownCharacter;
    s["MovesLeft"] = g.MovesLeft;
    s["InventoryScroll"] = g.InventoryScroll;
    s["CombatMode"] = g.CombatMode;
    s["FreeMoveCharacter"] = g.FreeMoveCharacter;
    s["FightResult"] = g.FightResult;
    s["PendingSpell"] = g.PendingSpell;
    s["EnemyNumber"] = g.EnemyNumber;
    s["EnemyAttack"] = g.EnemyAttack;
    s["EnemyDefense"] = g.EnemyDefense;
    s["EnemyAgility"] = g.EnemyAgility;
    s["CapacityAvailable"] = g.CapacityAvailable;
    s["MagicAvailable"] = g.MagicAvailable;
    s["EndTurnAvailable"] = g.EndTurnAvailable;
    Json records = Json::array();
    for (const std::u32string& r : g.CharacterRecords) records.push_back(ToUtf8(r));
    s["CharacterRecords"] = records;
    s["Resources"] = g.Resources;
    s["AttackBonus"] = Numbers(g.AttackBonus);
    s["DefenseBonus"] = Numbers(g.DefenseBonus);
    s["AgilityBonus"] = Numbers(g.AgilityBonus);
    s["Status"] = Numbers(g.Status);
    s["MagicPoints"] = Numbers(g.MagicPoints);
    s["Zone"] = Numbers(g.Zone);
    s["PosX"] = Numbers(g.PosX);
    s["PosY"] = Numbers(g.PosY);
    s["DoorState"] = Numbers(g.DoorState);
    s["TowerFloor"] = Numbers(g.TowerFloor);
    s["ComputerPlayer"] = Flags(g.ComputerPlayer);
    s["ComputerLevel"] = Numbers(g.ComputerLevel);
    return s;
}

// The board's values alone: what its screen shows is drawn again from the game on load.
Json BoardJson(const BoardState& b) {
    Json j;
    j["HourCounter"] = b.HourCounter;
    j["DisplayedZone"] = b.DisplayedZone;
    j["BlockX"] = Numbers(b.BlockX);
    j["BlockY"] = Numbers(b.BlockY);
    j["BlockZone"] = Numbers(b.BlockZone);
    j["FightPending"] = b.fightPending;
    j["Informations"] = b.informations;
    return j;
}

Json JournalJson(const JournalState& journal) {
    Json entries = Json::array();
    for (const JournalEntry& e : journal.entries)
        entries.push_back(
            Json{{"day", e.day}, {"hour", e.hour}, {"character", e.characterName}, {"player", e.player}, {"text", e.text}});
    Json j;
    j["InformationsShows"] = journal.informationsShown;
    j["FightLineShows"] = journal.fightShown;
    j["entries"] = entries;
    return j;
}

}  // namespace

std::string SaveFileText(const SavedGame& game) {
    Json root;
    root["format"] = "quelmor-save";
    root["version"] = kSaveVersion;
    root["state"] = StateJson(game.state);
    root["board"] = BoardJson(game.board);
    // The generator's whole state, as text: its 64-bit words are more than many JSON readers keep.
    root["dice"] = Json{{"engine", game.dice.engine}};
    root["journal"] = JournalJson(game.journal);
    // Text that is not valid UTF-8 cannot come from the game; should it, it is written as U+FFFD.
    return root.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}
