#include "driver/JumpStarts.h"

#include "rules/MapTables.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"

namespace {

std::string Set(const std::string& what, int index, long long value) {
    return "set " + what + "[" + std::to_string(index) + "] " + std::to_string(value);
}

std::string Quote(const std::string& text) {
    std::string q = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\') q.push_back('\\');
        if (ch == '\n' || ch == '\r') ch = ' ';
        q.push_back(ch);
    }
    return q + "\"";
}

// Puts character c on a cell of a zone and shows that zone, with moves to spend.
void Put(std::vector<std::string>& lines, int c, int zone, int column, int row, int moves) {
    lines.push_back(Set("Zone", c, zone));
    lines.push_back(Set("PosX", c, column));
    lines.push_back(Set("PosY", c, row));
    lines.push_back("set MovesLeft " + std::to_string(moves));
    lines.push_back("call frmJeu.Carte_Click " + std::to_string(zone));
}

// The record of c with other gold and, at the front, more item entries.
std::string Record(int c, long gold, const std::u32string& items) {
    std::u32string r = gd.CharacterRecords[c];
    std::u32string digits = FromUtf8(std::to_string(gold));
    while (digits.size() < 5) digits.insert(digits.begin(), U'0');
    r.replace(rec::kGold - 1, 5, digits);
    r.insert(rec::kItems - 1, items);
    return "set CharacterRecords[" + std::to_string(c) + "] " + Quote(ToUtf8(r));
}

}  // namespace

std::vector<std::string> JumpStart(const std::function<int(int)>& pick) {
    std::vector<std::string> lines;
    const int c = gd.CurrentCharacter, count = CharacterCount();
    if (c < 1 || c > count || gd.CharacterRecords[c].size() < 41) return lines;
    const int owner = rec::Owner(c);
    switch (pick(6)) {
        case 0: {
            // Two cells from a place, on the road that leads into it.
            const map::PlaceCell& p = map::PlaceCells()[pick(map::kPlaceCount)];
            static const int kSteps[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
            for (int k = 0; k < 4; ++k) {
                int x = p.cell.column + kSteps[k][0], y = p.cell.row + kSteps[k][1];
                if (!map::IsRoadCell(p.cell.zone, x, y)) continue;
                Put(lines, c, p.cell.zone, x, y, 2 + pick(4));
                break;
            }
            break;
        }
        case 1:
            // The door opened, a floor or two before the last one, with the wind book's
            // Armagueddon and the points to cast it.
            lines.push_back(Record(c, rec::Gold(c), U"8600"));
            lines.push_back(Set("MagicPoints", c, 14 + pick(20)));
            lines.push_back(Set("DoorState", owner, 5 + pick(2)));
            lines.push_back(Set("TowerFloor", owner, 3 + pick(2)));
            Put(lines, c, map::kTowerDoor.zone, map::kTowerDoor.column, map::kTowerDoor.row, 1 + pick(3));
            break;
        case 2:
            // Below the door with the three keys (runic, gold, shadow).
            lines.push_back(Record(c, rec::Gold(c), U"990097009600"));
            Put(lines, c, map::kTowerDoor.zone, map::kTowerDoor.column, map::kTowerDoor.row + 1, 1 + pick(2));
            break;
        case 3:
            // Rich, with a book of spells and a sceptre.
            lines.push_back(Record(c, pick(2) ? 99999 : 20000 + pick(1000), U"86008800" + FromUtf8(pick(2) ? "4200" : "")));
            lines.push_back(Set("MagicPoints", c, pick(30)));
            break;
        case 4:
            // Companions lost on the way.
            for (int n = 1 + pick(3); n > 0; --n) {
                int k = 1 + pick(count);
                if (k != c) lines.push_back(Set("Status", k, 6));
            }
            break;
        default:
            // Worn out: one life point left.
            lines.push_back("set CharacterRecords[" + std::to_string(c) + "] " +
                            Quote(ToUtf8(gd.CharacterRecords[c].substr(0, gd.CharacterRecords[c].size() - 3) + U"1" +
                                         gd.CharacterRecords[c].substr(gd.CharacterRecords[c].size() - 2))));
            break;
    }
    return lines;
}
