// What files of versions 1 and 2 hold beside the game: the board's screen (the icons shown,
// the thumbnails' drawings, the panel's texts), which the board now draws again from the game,
// and version 1's dice, kept as a seed to replay. The screen's keys are still checked as those
// versions checked them, so that a damaged old file is refused as it always was.
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "save/SaveReader.h"

namespace save_read {

namespace {

constexpr size_t kLongestLabel = 200;   // bytes of a panel text
constexpr size_t kMostMarks = 64;       // drawings on one zone thumbnail (16 markers and a frame)
constexpr int kSlots = 17;              // characters, slot 0 included
// The panel's texts, by the names of their labels.
constexpr const char* kPanelKeys[13] = {"lblNom", "lblNiv",    "lblClasse",   "lblMvt",        "lblAtt",
                                        "lblDef", "LblAg",     "lblPognon",   "lblLife",       "lblResource",
                                        "Inventaire(0)", "Inventaire(1)", "Inventaire(2)"};
// Fractions a version-1 file's dice replay from their seed (a long game makes thousands; ten
// million take a few tens of milliseconds).
constexpr uint64_t kMostReplayedDraws = 10000000;

// One zone's thumbnail: at most kMostMarks [type, x1, y1, x2, y2, r, g, b] drawings within the
// thumbnail (76 x 57), give or take a marker's half width.
void CheckThumbnail(const Reader& r, const Json& ops, const std::string& field) {
    if (!ops.is_array()) r.Fail(field, SaveText::FieldType);
    if (ops.size() > kMostMarks) r.Fail(field, SaveText::FieldRange);
    for (size_t n = 0; n < ops.size(); ++n) {
        const std::string at = field + "[" + std::to_string(n) + "]";
        const Json& op = ops[n];
        if (!op.is_array() || op.size() != 8 || !op[0].is_string()) r.Fail(at, SaveText::FieldType);
        const std::string type = op[0].get<std::string>();
        if (type != "line" && type != "box" && type != "fill") r.Fail(at, SaveText::FieldRange);
        const long long most[7] = {80, 61, 80, 61, 255, 255, 255};
        for (size_t k = 1; k <= 7; ++k) r.Int(op[k], at, k <= 4 ? -4 : 0, most[k - 1]);
    }
}

}  // namespace

void CheckOlderScreenKeys(const Reader& r, const Json& board) {
    std::array<bool, kSlots> icons{};
    r.Bools(board, "IconsShown", icons);
    const Json& thumbnails = r.Array(board, "Thumbnails", 4);
    for (size_t k = 0; k < 4; ++k) CheckThumbnail(r, thumbnails[k], r.Element("Thumbnails", k));
    const Reader panel = r.Into("Panel");
    const Json& texts = r.Get(board, "Panel");
    for (const char* key : kPanelKeys) panel.TextAt(texts, key, kLongestLabel);
}

void ReadReplayedDice(const Reader& r, const Json& dice, rnd::Position& out) {
    const std::string seed = r.TextAt(dice, "seed", 20);
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(seed.data(), seed.data() + seed.size(), value);
    if (seed.empty() || error != std::errc() || end != seed.data() + seed.size() || seed[0] == '-' || seed[0] == '+')
        r.Fail(r.Name("seed"), SaveText::FieldRange);
    out.seed = value;
    out.made = static_cast<uint64_t>(r.IntAt(dice, "made", 0, static_cast<long long>(kMostReplayedDraws)));
    out.engine = rnd::EngineStateAfter(out.seed, out.made);
}

}  // namespace save_read
