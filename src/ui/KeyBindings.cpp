#include "ui/KeyBindings.h"

#include <string>

#include "ui/Screen.h"

namespace {

struct Binding {
    const char* screen;
    const char* control;
    const char* key;
};

// A key does what a click on its control does, and nothing while the control is hidden or
// disabled. Dialog buttons answer Return; the fight's four actions answer 1 to 4.
constexpr Binding kBindings[] = {
    {"frmJeu", "EndTurn", "Return"},   {"frmJeu", "Capacity", "C"},   {"frmJeu", "Magic", "M"},
    {"frmJeu", "BattleNow", "F"},      {"frmJeu", "ScrollUp", "PgUp"}, {"frmJeu", "ScrollDn", "PgDown"},
    {"ChCmb", "StepPix(0)", "1"},      {"ChCmb", "StepPix(1)", "2"},  {"ChCmb", "StepPix(2)", "3"},
    {"ChCmb", "StepPix(3)", "4"},      {"Detail", "Command1", "Return"}, {"Resource", "Command1", "Return"},
    {"frmAbout", "Command1", "Return"}, {"frmFini", "Command1", "Return"}, {"MsgBox", "OK", "Return"},
    {"FairePerso", "cmdOK", "Ctrl+Return"}, {"FairePerso", "cmdCancel", "Esc"},
    {"frmMagic", "NoMagic(0)", "1"},   {"frmMagic", "NoMagic(1)", "2"}, {"frmMagic", "NoMagic(2)", "3"},
    {"frmMagic", "NoMagic(3)", "4"},   {"frmMagic", "NoMagic(4)", "5"}, {"frmMagic", "NoMagic(5)", "6"},
    {"frmMagic", "Image1", "Esc"},     {"ALaMinaNoVoy", "Image1(0)", "1"}, {"ALaMinaNoVoy", "Image1(2)", "2"},
    {"ALaMinaNoVoy", "Image1(4)", "3"}, {"ALaMinaNoVoy", "Image1(6)", "4"},
    {"Graveyard", "PersoMort(0)", "1"}, {"Graveyard", "PersoMort(1)", "2"}, {"Graveyard", "PersoMort(2)", "3"},
    {"Graveyard", "PersoMort(3)", "4"}, {"Graveyard", "PersoMort(4)", "5"},
};

}  // namespace

void ApplyKeyBindings(Screen& screen) {
    for (const Binding& b : kBindings) {
        if (screen.Name() != b.screen) continue;
        Control* c = screen.Find(b.control);
        if (!c) continue;
        c->hotkey = b.key;
    }
}
