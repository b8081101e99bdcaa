#include "ending/HelpKeys.h"

#include "ending/HelpTexts.h"
#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "ui/Screen.h"

void AddHelpKeys(Screen& screen, const std::string& menu) {
    const bool english = HelpInEnglish();
    std::string parent = menu;
    if (parent.empty()) {
        Control& keys = screen.Add(Kind::Menu, "MNU_Aide");
        keys.popupMenu = true;
        keys.caption = english ? "Help" : "Aide";
        parent = "MNU_Aide";
    }
    Control& help = screen.Add(Kind::Menu, "MNU_AideRegles");
    help.parent = parent;
    help.caption = english ? "&Rules of the game" : "&Règles du jeu";
    help.shortcut = kHelpKey;
    Control& journal = screen.Add(Kind::Menu, "MNU_AideJournal");
    journal.parent = parent;
    journal.caption = english ? "&Journal of the game" : "&Journal de la partie";
    journal.shortcut = kJournalKey;
    screen.On("MNU_AideRegles_Click", [](const EventArgs&) { OpenHelp(); });
    screen.On("MNU_AideJournal_Click", [](const EventArgs&) { OpenJournal(); });
}
