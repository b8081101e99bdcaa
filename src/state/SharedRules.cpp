// The character panel, the item list, the level rewards and the action buttons. They
// paint the board's controls while the board is open, and only change the state otherwise.
#include "state/SharedRules.h"
#include "state/GameLimits.h"

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "state/Status.h"

namespace {

struct Milestone { int ratio, attack, defense, agility; };
constexpr Milestone kMilestones[] = {
    {3, 1, 0, 0},  {6, 0, 1, 0},  {9, 2, 1, 0},  {12, 0, 2, 0},  {18, 0, 0, 1},  {24, 3, 0, 0},
    {30, 1, 5, 0}, {38, 4, 0, 0}, {46, 0, 0, 2}, {56, 4, 0, 1},  {68, 0, 12, 0}, {80, 8, 0, 0},
};

int Digit(int c, int position) { return static_cast<int>(rec::ReadNumber(c, position, 1)); }

PanelView* gPanel = nullptr;

void SetCaption(PanelView* b, const std::string& key, const std::string& text) {
    if (b) b->SetCaption(key, text);
}

std::string Bouton(int n) { return "bouton" + std::to_string(n) + ".bmp"; }

void PaintButton(PanelView& b, const char* key, bool enabled, int picture, int greyed) {
    b.SetButton(key, enabled, Bouton(enabled ? picture : greyed));
}

std::string ItemLine(int line) { return "Inventaire(" + std::to_string(line) + ")"; }

// The panel labels' texts for character c, label by label in RefreshPanel's order (the
// movement label as the dice; the current character's moves come after the item list).
template <typename Write>
void PanelLabels(int c, Write write) {
    write("lblNom", rec::ReadName(c, rec::Name::Character));
    write("lblNiv", NumberText(rec::Experience(c)));
    write("lblClasse", Msg(59 + rec::ClassNumber(c)));
    std::string moves = DigitText(Digit(c, rec::kMoveDice)) + " D6";
    if (Digit(c, rec::kMoveBonus) != 0) moves += " +" + NumberText(Digit(c, rec::kMoveBonus));
    write("lblMvt", moves);
    write("lblAtt", NumberText(rec::EffectiveAttack(c)));
    write("lblDef", NumberText(rec::EffectiveDefense(c)));
    write("LblAg", NumberText(rec::EffectiveAgility(c)));
    write("lblPognon", NumberText(rec::Gold(c)));
    write("lblLife", " " + DigitText(rec::Life(c)));
    write("lblResource", NumberText(rec::ResourceMean(c)) + "%");
}

// The three item lines of c from its entry first on.
template <typename Write>
void ItemLines(int c, int first, Write write) {
    const int count = rec::ItemCount(c);
    for (int line = 0, k = first; line < 3; ++line, ++k)
        write(ItemLine(line), k >= 0 && k < count ? Msg(300 + rec::ItemAt(c, k).number) : std::string());
}

}  // namespace

void SetPanelView(PanelView* view) { gPanel = view; }
PanelView* CurrentPanelView() { return gPanel; }

void RefreshPanel(int c) {
    PanelView* b = gPanel;
    PanelLabels(c, [b](const std::string& key, const std::string& text) { SetCaption(b, key, text); });
    gd.InventoryScroll = 0;
    ShowItemList(c);
    if (c == gd.CurrentCharacter) SetCaption(b, "lblMvt", NumberText(gd.MovesLeft));
}

void ShowItemList(int c) {
    PanelView* b = gPanel;
    if (!b) return;
    ItemLines(c, gd.InventoryScroll, [b](const std::string& key, const std::string& text) { b->SetCaption(key, text); });
}

void ShowPanelAhead(int c) {
    PanelView* b = gPanel;
    if (!b) return;
    auto live = [b](const std::string& key, const std::string& text) { b->SetLiveCaption(key, text); };
    PanelLabels(c, live);
    ItemLines(c, 0, live);
    if (c == gd.CurrentCharacter) live("lblMvt", NumberText(gd.MovesLeft));
}

void ApplyLevelMilestones() {
    const int c = gd.CurrentCharacter;
    const long gain = rec::ReadNumber(c, rec::kExperienceGain, 1);
    const long experience = rec::Experience(c);
    // With no gain per win there is no ratio, and so no reward.
    if (gain != 0 && experience % gain == 0) {
        const long ratio = experience / gain;
        for (const Milestone& m : kMilestones) {
            if (m.ratio != ratio || c < 0 || c > kMaxCharacters) continue;
            gd.AttackBonus[c] = limits::Grown(gd.AttackBonus[c], m.attack, -limits::kMostBonus, limits::kMostBonus);
            gd.DefenseBonus[c] = limits::Grown(gd.DefenseBonus[c], m.defense, -limits::kMostBonus, limits::kMostBonus);
            gd.AgilityBonus[c] = limits::Grown(gd.AgilityBonus[c], m.agility, -limits::kMostBonus, limits::kMostBonus);
        }
    }
    RefreshPanel(c);
}

void PaintActionButtons(int p) {
    PanelView* b = gPanel;
    if (!b) return;
    PaintButton(*b, "Capacity", gd.CapacityAvailable, p, p + 16);
    PaintButton(*b, "Magic", gd.MagicAvailable, p + 4, p + 20);
    PaintButton(*b, "EndTurn", gd.EndTurnAvailable, p + 8, p + 24);
    b->SetPicture("SaveLoad", Bouton(p + 12));
}

void RefreshActionButtons() {
    int k = gd.CurrentCharacter;
    if (k >= 0 && k <= kMaxCharacters && gd.Status[k] == status::kControlled) k = gd.Status[0];
    PaintActionButtons(rec::Owner(k));
}
