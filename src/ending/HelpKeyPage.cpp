#include "ending/HelpKeyPage.h"

#include <algorithm>
#include <initializer_list>

#include "ui/KeyBindings.h"
#include "ui/Screen.h"

namespace {

// A control whose key the page gives; screen "*" names a program key by its action.
struct Use {
    const char* screen;
    const char* control;
};
// Keys that do one thing, and what they do in each language.
struct Item {
    std::vector<Use> uses;
    const char* french;
    const char* english;
};
// One line of the page holds one or more items.
using Row = std::vector<Item>;
struct Section {
    const char* french;
    const char* english;
    std::vector<Row> rows;
};

const char* ActionName(ProgramKey action) {
    switch (action) {
        case ProgramKey::Help: return "Help";
        case ProgramKey::Journal: return "Journal";
        case ProgramKey::FullScreen: return "FullScreen";
        case ProgramKey::MuteAll: return "MuteAll";
        case ProgramKey::MuteMusic: return "MuteMusic";
        case ProgramKey::MuteEffects: return "MuteEffects";
        case ProgramKey::Save: return "Save";
        case ProgramKey::HurryComputer: return "HurryComputer";
    }
    return "";
}

std::string KeyOf(const Use& use) {
    // "#" names the keys that walk a dialog's controls.
    if (std::string(use.screen) == "#") {
        const std::string what = use.control;
        if (what == "Next") return Screen::kFocusNextKey;
        if (what == "Previous") return Screen::kFocusPreviousKey;
        if (what == "Click") return Screen::kFocusClickKey;
        return "";
    }
    if (std::string(use.screen) == "*") {
        for (const ProgramKeyBinding& b : kProgramKeys)
            if (use.control == std::string(ActionName(b.action))) return b.key;
        return "";
    }
    return BoundKey(use.screen, use.control);
}

const std::vector<Section>& Sections() {
    static const std::vector<Section> sections = {
        {"Sur la carte", "On the map", {
            {{{{"frmJeu", "MNU_Up"}, {"frmJeu", "MNU_Down"}, {"frmJeu", "MNU_Left"}, {"frmJeu", "MNU_Right"}},
              "déplacer qui joue", "move who plays"},
             {{{"*", "HurryComputer"}}, "presser l'ordinateur", "hurry the computer"},
             {{{"frmJeu", "MenuJeu"}}, "le menu", "the menu"}},
            {{{{"frmJeu", "EndTurn"}}, "finir le tour", "end the turn"},
             {{{"frmJeu", "Capacity"}}, "la capacité de la classe", "the class capacity"},
             {{{"frmJeu", "Magic"}}, "la magie", "magic"},
             {{{"frmJeu", "BattleNow"}}, "le combat qui attend", "the fight that awaits"}},
            {{{{"frmJeu", "ScrollUp"}, {"frmJeu", "ScrollDn"}},
              "faire défiler les objets", "scroll the items"},
             {{{"frmJeu", "MNU_RelaisRevoir"}}, "à qui le tour", "whose turn"},
             {{{"*", "Save"}}, "sauvegarder", "save the game"}},
        }},
        {"En combat, au marché, à la forge, à l'arène", "In a fight, at the market, the forge, the arena", {
            {{{{"ChCmb", "StepPix(0)"}, {"ChCmb", "StepPix(1)"}, {"ChCmb", "StepPix(2)"}, {"ChCmb", "StepPix(3)"}},
              "Attaque, Magie, Défense, Fuite", "Attack, Magic, Defence, Flight"}},
            {{{{"Combat", "MNU_Lieu(1)"}, {"Combat", "MNU_Lieu(2)"}, {"Combat", "MNU_Lieu(3)"},
               {"Combat", "MNU_Lieu(4)"}, {"Combat", "MNU_Lieu(5)"}},
              "aller au marchand, à l'enclume, au gradin", "walk to a seller, the anvil, a stand"},
             {{{"Combat", "MNU_Sortir"}}, "sortir", "leave"}},
        }},
        {"Dans les fenêtres", "In the windows", {
            {{{{"#", "Next"}, {"#", "Previous"}}, "aller d'un bouton, d'une liste à l'autre",
              "go from button to button, list to list"},
             {{{"#", "Click"}}, "presser le bouton", "press the button"}},
            {{{{"Detail", "Command1"}, {"Resource", "Command1"}, {"frmAbout", "Command1"}, {"frmFini", "Command1"},
               {"MsgBox", "OK"}},
              "répondre OK", "answer OK"},
             {{{"FairePerso", "cmdOK"}}, "valider les groupes", "confirm the parties"},
             {{{"FairePerso", "cmdCancel"}}, "annuler leur création", "cancel making them"}},
            {{{{"frmMagic", "NoMagic(0)"}, {"frmMagic", "NoMagic(1)"}, {"frmMagic", "NoMagic(2)"},
                {"frmMagic", "NoMagic(3)"}, {"frmMagic", "NoMagic(4)"}, {"frmMagic", "NoMagic(5)"}},
              "choisir un sort", "choose a spell"},
             {{{"frmMagic", "Image1"}}, "n'en lancer aucun", "cast none"}},
            {{{{"ALaMinaNoVoy", "Image1(0)"}, {"ALaMinaNoVoy", "Image1(2)"}, {"ALaMinaNoVoy", "Image1(4)"},
               {"ALaMinaNoVoy", "Image1(6)"}},
              "le métal de la mine", "the metal of the mine"},
             {{{"Graveyard", "PersoMort(0)"}, {"Graveyard", "PersoMort(1)"}, {"Graveyard", "PersoMort(2)"},
               {"Graveyard", "PersoMort(3)"}, {"Graveyard", "PersoMort(4)"}},
              "le mort à relever", "the dead to raise"}},
            {{{{"frmAide", "Precedent"}, {"frmAide", "Suivant"}}, "tourner les pages de l'aide",
              "turn the pages of the help"},
             {{{"frmAide", "OK"}, {"frmAide", "MNU_Fermer"}, {"frmJournal", "OK"}, {"frmJournal", "MNU_Fermer"}},
              "fermer l'aide ou le journal", "close the help or the journal"}},
            {{{{"frmJournal", "ScrollUp"}, {"frmJournal", "ScrollDn"}, {"frmJournal", "MNU_PageHaut"},
               {"frmJournal", "MNU_PageBas"}, {"frmJournal", "MNU_Debut"}, {"frmJournal", "MNU_Fin"}},
              "faire défiler le journal", "scroll the journal"}},
        }},
        {"Partie enregistrée", "Watching a replay", {
            {{{{"frmBegin", "MNU_Watch"}}, "en revoir une", "watch one"},
             {{{"frmReplay", "Play"}}, "lire ou pause", "play or pause"},
             {{{"frmReplay", "Step"}}, "un pas", "step"},
             {{{"frmReplay", "Faster"}, {"frmReplay", "Slower"}}, "la vitesse", "speed"}},
            {{{{"frmReplay", "TakeOver"}}, "prendre la main", "take over"},
             {{{"frmReplay", "Stop"}}, "arrêter de regarder", "stop watching"}},
        }},
        {"Partout", "Everywhere", {
            {{{{"*", "Help"}}, "cette aide", "this help"},
             {{{"*", "Journal"}}, "le journal", "the journal"},
             {{{"frmBegin", "MNU_Load"}, {"frmJeu", "MNU_JeuReprendre"}}, "reprendre une partie", "load a game"},
             {{{"frmBegin", "MNU_Continue"}}, "la dernière", "the last game"}},
            {{{{"*", "FullScreen"}}, "plein écran", "full screen"},
             {{{"*", "MuteAll"}}, "le son", "silence all"},
             {{{"*", "MuteMusic"}}, "la musique", "music only"},
             {{{"*", "MuteEffects"}}, "les bruitages", "effects only"}},
        }},
    };
    return sections;
}

std::string NamePart(const std::string& part, bool english) {
    struct Name {
        const char* key;
        const char* french;
        const char* english;
    };
    static const Name names[] = {
        {"Return", "Entrée", "Return"},   {"Esc", "Échap", "Escape"},
        {"PgUp", "Page préc.", "Page Up"}, {"PgDown", "Page suiv.", "Page Down"},
        {"Home", "Début", "Home"},        {"End", "Fin", "End"},
        {"Up", "↑", "↑"},                 {"Down", "↓", "↓"},
        {"Left", "←", "←"},               {"Right", "→", "→"},
        {"Shift", "Maj", "Shift"},        {"Space", "Espace", "Space"},
    };
    for (const Name& n : names)
        if (part == n.key) return english ? n.english : n.french;
    return part;
}

}  // namespace

std::string KeyName(const std::string& key, bool english) {
    std::string name;
    size_t from = 0;
    while (true) {
        // A "+" right at the start of a part is the plus key itself.
        size_t plus = key.find('+', from + 1);
        name += NamePart(key.substr(from, plus == std::string::npos ? std::string::npos : plus - from), english);
        if (plus == std::string::npos) break;
        name += "+";
        from = plus + 1;
    }
    return name;
}

std::vector<std::string> KeysOnKeyboardPage() {
    std::vector<std::string> keys;
    for (const Section& section : Sections())
        for (const Row& row : section.rows)
            for (const Item& item : row)
                for (const Use& use : item.uses)
                    keys.push_back(std::string(use.screen) + "|" + use.control + "|" + KeyOf(use));
    return keys;
}

std::string KeyboardPageText(bool english) {
    std::string text;
    for (const Section& section : Sections()) {
        // Each section under its heading, with no blank line between: the page is full.
        if (!text.empty()) text += "\n";
        text += english ? section.english : section.french;
        for (const Row& row : section.rows) {
            text += "\n- ";
            for (size_t k = 0; k < row.size(); ++k) {
                const Item& item = row[k];
                if (k > 0) text += english ? "; " : " ; ";
                // One name for each key, once even when it serves several screens.
                std::vector<std::string> names;
                for (const Use& use : item.uses) {
                    const std::string key = KeyOf(use);
                    if (key.empty()) continue;
                    const std::string name = KeyName(key, english);
                    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
                }
                for (size_t n = 0; n < names.size(); ++n) text += (n > 0 ? ", " : "") + names[n];
                text += english ? ": " : " : ";
                text += english ? item.english : item.french;
            }
            text += ".";
        }
    }
    return text;
}
