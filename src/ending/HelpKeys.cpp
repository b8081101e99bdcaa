#include "ending/HelpKeys.h"

#include "ending/HelpTexts.h"
#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

void AddHelpKeys(Screen& screen, const std::string& menu) {
    std::string parent = menu;
    if (parent.empty()) {
        Control& keys = screen.Add(Kind::Menu, "MNU_Aide");
        keys.popupMenu = true;
        parent = "MNU_Aide";
    }
    Control& help = screen.Add(Kind::Menu, "MNU_AideRegles");
    help.parent = parent;
    help.shortcut = kHelpKey;
    Control& journal = screen.Add(Kind::Menu, "MNU_AideJournal");
    journal.parent = parent;
    journal.shortcut = kJournalKey;
    CaptionHelpKeys(screen);
    screen.On("MNU_AideRegles_Click", [](const EventArgs&) { OpenHelp(); });
    screen.On("MNU_AideJournal_Click", [](const EventArgs&) { OpenJournal(); });
}

void CaptionHelpKeys(Screen& screen) {
    const bool english = HelpInEnglish();
    if (Control* keys = screen.Find("MNU_Aide")) keys->caption = english ? "Help" : "Aide";
    screen.C("MNU_AideRegles").caption = english ? "&Rules of the game" : "&Règles du jeu";
    screen.C("MNU_AideJournal").caption = english ? "&Journal of the game" : "&Journal de la partie";
}
