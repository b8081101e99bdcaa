#include "ending/HelpKeys.h"

#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "ending/HelpTexts.h"
#include "ui/Screen.h"

void AddHelpKeys(Screen& screen) {
    Control& menu = screen.Add(Kind::Menu, "MNU_Aide");
    menu.popupMenu = true;
    menu.caption = HelpInEnglish() ? "Help" : "Aide";
    Control& help = screen.Add(Kind::Menu, "MNU_AideRegles");
    help.parent = "MNU_Aide";
    help.caption = HelpInEnglish() ? "&Rules" : "&Règles";
    help.shortcut = kHelpKey;
    Control& journal = screen.Add(Kind::Menu, "MNU_AideJournal");
    journal.parent = "MNU_Aide";
    journal.caption = "&Journal";
    journal.shortcut = kJournalKey;
    screen.On("MNU_AideRegles_Click", [](const EventArgs&) { OpenHelp(); });
    screen.On("MNU_AideJournal_Click", [](const EventArgs&) { OpenJournal(); });
}
