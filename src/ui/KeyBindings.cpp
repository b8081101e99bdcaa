#include "ui/KeyBindings.h"

#include <utility>

#include "ui/Screen.h"

namespace {

// A key does what a click on its control does, and nothing while the control is hidden or
// disabled. Dialog buttons answer Return; the fight's four actions answer 1 to 4. Entries of
// menus (the board's direction menu, the help's and the journal's hidden key menus) get the
// key as their shortcut.
constexpr KeyBinding kBindings[] = {
    {"frmJeu", "MNU_Up", "Up"},        {"frmJeu", "MNU_Down", "Down"},  {"frmJeu", "MNU_Left", "Left"},
    {"frmJeu", "MNU_Right", "Right"},
    {"frmJeu", "EndTurn", "Return"},   {"frmJeu", "Capacity", "C"},   {"frmJeu", "Magic", "M"},
    {"frmJeu", "BattleNow", "F"},      {"frmJeu", "ScrollUp", "PgUp"}, {"frmJeu", "ScrollDn", "PgDown"},
    {"frmJeu", "MNU_RelaisRevoir", "T"},
    {"frmJeu", "MenuJeu", "Esc"},      {"frmJeu", "MNU_JeuReprendre", "Ctrl+O"},
    {"ChCmb", "StepPix(0)", "1"},      {"ChCmb", "StepPix(1)", "2"},  {"ChCmb", "StepPix(2)", "3"},
    {"ChCmb", "StepPix(3)", "4"},      {"Detail", "Command1", "Return"}, {"Resource", "Command1", "Return"},
    {"frmAbout", "Command1", "Return"}, {"frmFini", "Command1", "Return"}, {"MsgBox", "OK", "Return"},
    {"frmBegin", "MNU_Load", "Ctrl+O"},  {"frmBegin", "MNU_Continue", "Ctrl+R"},
    {"FairePerso", "cmdOK", "Ctrl+Return"}, {"FairePerso", "cmdCancel", "Esc"},
    {"frmBegin", "MNU_Watch", "Ctrl+W"},
    {"frmReplay", "Play", "Space"},    {"frmReplay", "Step", "Right"}, {"frmReplay", "Slower", "Down"},
    {"frmReplay", "Faster", "Up"},     {"frmReplay", "TakeOver", "T"}, {"frmReplay", "Stop", "Esc"},
    {"frmMagic", "NoMagic(0)", "1"},   {"frmMagic", "NoMagic(1)", "2"}, {"frmMagic", "NoMagic(2)", "3"},
    {"frmMagic", "NoMagic(3)", "4"},   {"frmMagic", "NoMagic(4)", "5"}, {"frmMagic", "NoMagic(5)", "6"},
    {"frmMagic", "Image1", "Esc"},     {"ALaMinaNoVoy", "Image1(0)", "1"}, {"ALaMinaNoVoy", "Image1(2)", "2"},
    {"ALaMinaNoVoy", "Image1(4)", "3"}, {"ALaMinaNoVoy", "Image1(6)", "4"},
    {"Graveyard", "PersoMort(0)", "1"}, {"Graveyard", "PersoMort(1)", "2"}, {"Graveyard", "PersoMort(2)", "3"},
    {"Graveyard", "PersoMort(3)", "4"}, {"Graveyard", "PersoMort(4)", "5"},
    {"frmAide", "Precedent", "Left"},  {"frmAide", "Suivant", "Right"}, {"frmAide", "OK", "Return"},
    {"frmAide", "MNU_Fermer", "Esc"},
    {"frmJournal", "ScrollUp", "Up"},  {"frmJournal", "ScrollDn", "Down"},
    {"frmJournal", "MNU_PageHaut", "PgUp"}, {"frmJournal", "MNU_PageBas", "PgDown"},
    {"frmJournal", "MNU_Debut", "Home"}, {"frmJournal", "MNU_Fin", "End"},
    {"frmJournal", "OK", "Return"},    {"frmJournal", "MNU_Fermer", "Esc"},
    {"Combat", "MNU_Lieu(1)", "1"},    {"Combat", "MNU_Lieu(2)", "2"}, {"Combat", "MNU_Lieu(3)", "3"},
    {"Combat", "MNU_Lieu(4)", "4"},    {"Combat", "MNU_Lieu(5)", "5"}, {"Combat", "MNU_Sortir", "Esc"},
};

}  // namespace

void ApplyKeyBindings(Screen& screen) {
    for (const KeyBinding& b : kBindings) {
        if (screen.Name() != b.screen) continue;
        Control* c = screen.Find(b.control);
        if (!c) continue;
        if (c->kind == Kind::Menu) {
            c->shortcut = b.key;
        } else {
            c->hotkey = b.key;
        }
    }
}

std::span<const KeyBinding> KeyBindingTable() { return kBindings; }

std::string BoundKey(const std::string& screen, const std::string& control) {
    for (const KeyBinding& b : kBindings)
        if (screen == b.screen && control == b.control) return b.key;
    return "";
}

std::optional<ProgramKey> ProgramKeyFor(const std::string& key) {
    for (const ProgramKeyBinding& b : kProgramKeys)
        if (key == b.key) return b.action;
    return std::nullopt;
}

namespace {
ProgramActions& Actions() {
    static ProgramActions actions;
    return actions;
}
}  // namespace

void SetProgramActions(ProgramActions actions) { Actions() = std::move(actions); }

void RunProgramAction(ProgramKey action, Screen& from) {
    if (Actions().run) Actions().run(action, from);
}

bool ProgramSwitchOn(ProgramKey action, Screen& from) {
    return Actions().isOn ? Actions().isOn(action, from) : false;
}
