// What the fight screen shows of the fight itself, beside its message line: the character's
// life and magic points and what its spells on itself add for this fight, and the enemy's
// remaining blows as six pips. Drawn over the picture, they never take a click.
#include "combat/FightStatus.h"

#include <algorithm>
#include <string>

#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "combat/Enemies.h"
#include "combat/Fight.h"
#include "state/CharacterRecord.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"

namespace {

constexpr Rgb kPlate{24, 18, 10};
constexpr Rgb kFrame{200, 160, 80};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kGain{140, 230, 140};
constexpr Rgb kPipLeft{220, 40, 30}, kPipStruck{90, 80, 70}, kPipEdge{10, 8, 4};
constexpr int kPips = 6, kPipSize = 13, kPipPitch = 18;
constexpr int kPlateHeight = 64;  // the character's plate without a line of gains

struct Words {
    const char *life, *magic, *gains, *attack, *defence, *blows;
};
const Words kFrench{"Vie", "Magie", "Sorts\u00A0:", "Att", "Déf", "Coups à porter\u00A0:"};
const Words kEnglish{"Life", "Magic", "Spells:", "Att", "Def", "Blows to land:"};
const Words& Text() { return gd.LanguageOffset == 2000 ? kEnglish : kFrench; }

void Frame(CombatForm& f, Control& plate, int height) {
    plate.height = height;
    f.Cls(plate);
    f.DrawBox(plate, 0, 0, plate.width - 1, height - 1, kFrame, false);
}

Control& Plate(CombatForm& f, const std::string& name, int left, int top, int width, int height) {
    Control& plate = Place(f.Add(Kind::PictureBox, name), left, top, width, height);
    plate.opaque = true;
    plate.back = kPlate;
    plate.decoration = true;
    plate.visible = false;
    Frame(f, plate, height);
    return plate;
}

Control& On(CombatForm& f, Kind kind, const std::string& name, const std::string& plate, int left, int top,
            int width, int height) {
    Control& c = Place(f.Add(kind, name), left, top, width, height);
    c.parent = plate;
    c.decoration = true;
    if (kind == Kind::Label) {
        c.fore = colors::kWhite;
        c.font = Font{"Arial", 9, true};
    }
    return c;
}

std::string Signed(int n) { return (n < 0 ? "-" : "+") + std::to_string(n < 0 ? -n : n); }

}  // namespace

void AddFightStatus(CombatForm& f) {
    Plate(f, "EtatPerso", 6, 6, 128, kPlateHeight);
    Control& name = On(f, Kind::Label, "EtatNom", "EtatPerso", 4, 4, 120, 18);
    name.font = Font{"Times New Roman", 11, true};
    name.fore = kLightYellow;
    name.align = Align::Center;
    On(f, Kind::Image, "EtatVieIcone", "EtatPerso", 10, 25, 16, 16).picture = "icovie.gif";
    On(f, Kind::Label, "EtatVie", "EtatPerso", 32, 25, 90, 16);
    Control& orb = On(f, Kind::Image, "EtatMagieIcone", "EtatPerso", 10, 44, 16, 16);
    orb.picture = "action1.gif";
    orb.stretch = true;
    On(f, Kind::Label, "EtatMagie", "EtatPerso", 32, 44, 90, 16);
    Control& gains = On(f, Kind::Label, "EtatSorts", "EtatPerso", 4, 62, 120, 16);
    gains.fore = kGain;
    gains.align = Align::Center;
    gains.font.size = 8;
    gains.visible = false;

    Plate(f, "EtatMechant", 282, 6, 128, 64);
    Control& enemy = On(f, Kind::Label, "EtatMechantNom", "EtatMechant", 4, 4, 120, 18);
    enemy.font = Font{"Times New Roman", 11, true};
    enemy.fore = kLightYellow;
    enemy.align = Align::Center;
    On(f, Kind::PictureBox, "Coups", "EtatMechant", 11, 24, kPipPitch * (kPips - 1) + kPipSize + 1, kPipSize + 1);
    Control& blows = On(f, Kind::Label, "CoupsTexte", "EtatMechant", 4, 42, 120, 16);
    blows.align = Align::Center;
    blows.font.bold = false;
}

void ShowFightStatus(CombatForm& f) {
    f.C("EtatPerso").visible = true;
    // The young girl does not fight: she has no blows to count.
    f.C("EtatMechant").visible = gd.EnemyNumber != 4;
    f.C("EtatNom").caption = rec::ReadName(gd.CurrentCharacter, rec::Name::Character);
    f.C("EtatMechantNom").caption = EnemyName(gd.EnemyNumber);
    RefreshFightStatus(f);
}

void RefreshFightStatus(CombatForm& f) {
    if (f.closed || f.openedMode != combat_mode::kFight) return;
    const Words& w = Text();
    const int c = gd.CurrentCharacter;
    f.C("EtatVie").caption = std::string(w.life) + " " + std::to_string(rec::Life(c));
    f.C("EtatMagie").caption = std::string(w.magic) + " " + std::to_string(gd.MagicPoints[c]);
    // The panel holds the fight's own values; once it has closed they stay as last shown.
    ChCmb* panel = FightPanel();
    if (!panel || panel->closed) return;
    Control& gains = f.C("EtatSorts");
    std::string text;
    if (panel->FightAttackBonus != 0) text += std::string(" ") + w.attack + " " + Signed(panel->FightAttackBonus);
    if (panel->FightDefenseBonus != 0) text += std::string(" ") + w.defence + " " + Signed(panel->FightDefenseBonus);
    gains.caption = text.empty() ? "" : w.gains + text;
    gains.visible = !text.empty();
    // The plate grows by the line of gains while there are any.
    Control& plate = f.C("EtatPerso");
    const int height = text.empty() ? kPlateHeight : kPlateHeight + 16;
    if (plate.height != height) Frame(f, plate, height);

    const int left = std::max(0, std::min(kPips, panel->EnemyHitsLeft));
    Control& pips = f.C("Coups");
    f.Cls(pips);
    for (int k = 0; k < kPips; ++k) {
        const int x = k * kPipPitch;
        f.DrawEllipse(pips, x, 0, x + kPipSize, kPipSize, kPipEdge, true);
        f.DrawEllipse(pips, x + 1, 1, x + kPipSize - 1, kPipSize - 1, k < left ? kPipLeft : kPipStruck, k < left);
    }
    f.C("CoupsTexte").caption = std::string(w.blows) + " " + std::to_string(left);
}
