// What the fight screen shows of the fight itself, beside its message line: the character's
// life and magic points and what its spells on itself add for this fight, the enemy's
// remaining blows as six pips and its values, and the chance of winning as the fight stands
// (the computer players' own reckoning, state/FightOdds.h). Drawn over the picture, they
// never take a click.
#include "combat/FightStatus.h"

#include <algorithm>
#include <string>

#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "rules/Enemies.h"
#include "combat/Fight.h"
#include "state/CharacterRecord.h"
#include "state/CombatModes.h"
#include "state/FightOdds.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"

namespace {

constexpr Rgb kPlate{24, 18, 10};
constexpr Rgb kFrame{200, 160, 80};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kGain{140, 230, 140};
constexpr Rgb kPipLeft{220, 40, 30}, kPipStruck{90, 80, 70}, kPipEdge{10, 8, 4};
constexpr Rgb kValues{230, 215, 180};
// Poor, even and good odds.
constexpr Rgb kOdds[3] = {{240, 110, 90}, {240, 200, 90}, {120, 220, 120}};
constexpr int kPips = 6, kPipSize = 13, kPipPitch = 18;
constexpr int kPlateHeight = 64;  // the character's plate without a line of gains

struct Words {
    const char *life, *magic, *gains, *attack, *defence, *blows, *agility;
};
const Words kFrench{"Vie", "Magie", "Sorts\u00A0:", "Att", "Déf", "Coups à porter\u00A0:", "Agi"};
const Words kEnglish{"Life", "Magic", "Spells:", "Att", "Def", "Blows to land:", "Agi"};
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

    Plate(f, "EtatMechant", 282, 6, 128, 80);
    Control& enemy = On(f, Kind::Label, "EtatMechantNom", "EtatMechant", 4, 4, 120, 18);
    enemy.font = Font{"Times New Roman", 11, true};
    enemy.fore = kLightYellow;
    enemy.align = Align::Center;
    On(f, Kind::PictureBox, "Coups", "EtatMechant", 11, 24, kPipPitch * (kPips - 1) + kPipSize + 1, kPipSize + 1);
    Control& blows = On(f, Kind::Label, "CoupsTexte", "EtatMechant", 4, 42, 120, 16);
    blows.align = Align::Center;
    blows.font.bold = false;
    Control& values = On(f, Kind::Label, "EtatMechantValeurs", "EtatMechant", 4, 60, 120, 16);
    values.align = Align::Center;
    values.fore = kValues;
    values.font = Font{"Arial", 8, false};

    // The chance of winning, under the enemy's plate.
    Plate(f, "Pronostic", 282, 90, 128, 42);
    Control& words = On(f, Kind::Label, "PronosticMots", "Pronostic", 4, 4, 120, 15);
    words.align = Align::Center;
    words.font = Font{"Arial", 8, false};
    Control& figure = On(f, Kind::Label, "PronosticChiffre", "Pronostic", 4, 19, 120, 20);
    figure.align = Align::Center;
    figure.font = Font{"Arial", 12, true};
}

void ShowFightStatus(CombatForm& f) {
    f.C("EtatPerso").visible = true;
    // The young girl does not fight: she has no blows to count.
    f.C("EtatMechant").visible = gd.EnemyNumber != 4;
    f.C("Pronostic").visible = gd.EnemyNumber != 4;
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
    f.C("EtatMechantValeurs").caption = std::string(w.attack) + " " + std::to_string(gd.EnemyAttack) + "  " +
                                        w.defence + " " + std::to_string(gd.EnemyDefense) + "  " + w.agility + " " +
                                        std::to_string(gd.EnemyAgility);
    const double win = ChanceNow(*panel);
    f.C("PronosticMots").caption = odds::ChanceWords();
    Control& figure = f.C("PronosticChiffre");
    figure.caption = odds::ChanceFigure(win);
    figure.fore = kOdds[odds::ChanceBand(win)];
}

double ChanceNow(ChCmb& panel) {
    const int c = gd.CurrentCharacter;
    if (rec::Life(c) == 0) return 0.0;        // lost at the end of the message
    if (LastSpellCast() == 9) return 1.0;     // Armagueddon: won at the end of the message
    odds::FightSides sides = odds::SidesAgainst(c, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility);
    sides.attack += panel.FightAttackBonus;
    sides.defense += panel.FightDefenseBonus;
    sides.hitsLeft = std::max(1, panel.EnemyHitsLeft);
    const odds::FightOutlook outlook = odds::WinChance(sides);
    // The enemy's blow on its way comes first, unless Main noire holds it back.
    const Control* enemyTurn = panel.Find("MechantTimer");
    if (enemyTurn && enemyTurn->enabled && LastSpellCast() != 11)
        return panel.Defending ? outlook.winEnemyNextDefended : outlook.winEnemyNext;
    return outlook.winToAct;
}
