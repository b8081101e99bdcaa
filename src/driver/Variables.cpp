#include "driver/Variables.h"

#include <functional>
#include <map>

#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

bool ParseInt(const std::string& text, long long& out) {
    if (text == "true" || text == "True") { out = -1; return true; }
    if (text == "false" || text == "False") { out = 0; return true; }
    try {
        size_t used = 0;
        out = std::stoll(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

template <typename A>
bool SetIn(A& array, int index, long long v) {
    if (index < 0 || index >= static_cast<int>(array.size())) return false;
    array[index] = static_cast<typename A::value_type>(v);
    return true;
}

}  // namespace

bool SetVariable(const std::string& full, const std::string& value) {
    std::string name = full;
    int index = -1;
    size_t open = full.find('[');
    if (open != std::string::npos) {
        if (full.back() != ']') return false;
        name = full.substr(0, open);
        long long i;
        if (!ParseInt(full.substr(open + 1, full.size() - open - 2), i)) return false;
        index = static_cast<int>(i);
    }
    if (name == "CharacterRecords") {
        if (index < 0 || index > kMaxCharacters) return false;
        gd.CharacterRecords[index] = FromUtf8(value);
        return true;
    }
    if (name == "Resources") {
        if (index < 0 || index > kMaxCharacters) return false;
        gd.Resources[index] = value;
        return true;
    }
    long long v;
    if (!ParseInt(value, v)) return false;
    static const std::map<std::string, std::function<void(long long)>> scalars = {
        {"LanguageOffset", [](long long x) { gd.LanguageOffset = static_cast<int>(x); }},
        {"PlayerCount", [](long long x) { gd.PlayerCount = static_cast<int>(x); }},
        {"CurrentCharacter", [](long long x) { gd.CurrentCharacter = static_cast<int>(x); }},
        {"ShownCharacter", [](long long x) { gd.ShownCharacter = static_cast<int>(x); }},
        {"MovesLeft", [](long long x) { gd.MovesLeft = static_cast<int>(x); }},
        {"InventoryScroll", [](long long x) { gd.InventoryScroll = static_cast<int16_t>(x); }},
        {"CombatMode", [](long long x) { gd.CombatMode = static_cast<int>(x); }},
        {"FreeMoveCharacter", [](long long x) { gd.FreeMoveCharacter = static_cast<int>(x); }},
        {"FightResult", [](long long x) { gd.FightResult = static_cast<int>(x); }},
        {"PendingSpell", [](long long x) { gd.PendingSpell = static_cast<int>(x); }},
        {"EnemyNumber", [](long long x) { gd.EnemyNumber = static_cast<int>(x); }},
        {"EnemyAttack", [](long long x) { gd.EnemyAttack = static_cast<int>(x); }},
        {"EnemyDefense", [](long long x) { gd.EnemyDefense = static_cast<int>(x); }},
        {"EnemyAgility", [](long long x) { gd.EnemyAgility = static_cast<int>(x); }},
        {"CapacityAvailable", [](long long x) { gd.CapacityAvailable = x != 0; }},
        {"MagicAvailable", [](long long x) { gd.MagicAvailable = x != 0; }},
        {"EndTurnAvailable", [](long long x) { gd.EndTurnAvailable = x != 0; }},
    };
    if (index < 0) {
        auto it = scalars.find(name);
        if (it != scalars.end()) {
            it->second(v);
            return true;
        }
    }
    if (name == "AttackBonus") return SetIn(gd.AttackBonus, index, v);
    if (name == "DefenseBonus") return SetIn(gd.DefenseBonus, index, v);
    if (name == "AgilityBonus") return SetIn(gd.AgilityBonus, index, v);
    if (name == "Status") return SetIn(gd.Status, index, v);
    if (name == "MagicPoints") return SetIn(gd.MagicPoints, index, v);
    if (name == "Zone") return SetIn(gd.Zone, index, v);
    if (name == "PosX") return SetIn(gd.PosX, index, v);
    if (name == "PosY") return SetIn(gd.PosY, index, v);
    if (name == "DoorState") return SetIn(gd.DoorState, index, v);
    if (name == "TowerFloor") return SetIn(gd.TowerFloor, index, v);
    // The screens' own values: the board's clock and obstacles.
    for (Screen* s : Ui::Get().OpenScreens()) {
        for (const Screen::Var& var : s->vars) {
            if (var.name != name) continue;
            int i = index < 0 ? 0 : index;
            if (i >= var.count || (index < 0 && var.count != 1)) return false;
            var.values[i] = static_cast<int>(v);
            return true;
        }
    }
    return false;
}
