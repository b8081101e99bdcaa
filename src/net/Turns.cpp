#include "net/Turns.h"

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/CommandLine.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace net {

int PartyToPlay() {
    if (!Board() || Ui::Get().Find("frmFini")) return 0;
    const int c = gd.CurrentCharacter;
    if (c < 1 || c > 16) return 0;
    // A character under another's spell is played by that one's player.
    return rec::Owner(rec::Controller(c));
}

std::string WhoPlays(Where where, const std::string& party, const std::string& machine, bool english, bool forTitle) {
    std::string said;
    switch (where) {
        case Where::HereOnHost:
            said = english ? party + " plays here (this machine)" : party + " joue ici (cette machine)";
            break;
        case Where::OnHost:
            said = english ? party + " plays on the host's machine" : party + " joue sur la machine hôte";
            break;
        case Where::ThisMachine:
            said = english ? "your turn, " + party + " (this machine)" : "à vous de jouer, " + party + " (cette machine)";
            break;
        case Where::Machine:
            said = english ? party + " plays on " + machine + "'s machine" : party + " joue sur la machine de " + machine;
            break;
        case Where::Away:
            said = english ? machine + "'s machine is away: " + party + "'s turn waits"
                           : "la machine de " + machine + " est absente : le tour de " + party + " attend";
            break;
        case Where::Computer:
            said = english ? "the computer plays for " + party : "l'ordinateur joue pour " + party;
            break;
    }
    if (!forTitle) return said;
    return (english ? "network game: " : "partie en réseau : ") + said;
}

bool StaysOnJoinedMachine(const std::string& recordLine, const EntryOfKey& entryOfKey) {
    const CommandLine line = ReadCommandLine(recordLine);
    if (line.words.size() < 2 || line.quoteLeftOpen) return false;
    const std::string& cmd = line.Command();
    const ControlPath path = SplitControlPath(line.words[1]);
    const std::string screen = cmd == "close" ? line.words[1] : path.screen;
    // The help and the journal are each machine's own.
    if (screen == "frmAide" || screen == "frmJournal") return true;
    if (screen.empty() || cmd == "close") return false;
    std::string entry;
    if (cmd == "menu") entry = path.key;
    else if ((cmd == "press" || cmd == "presson") && entryOfKey) entry = entryOfKey(screen, path.key);
    // The help's and the journal's entries (and keys), on any screen that has them.
    if (entry == "MNU_AideRegles" || entry == "MNU_AideJournal") return true;
    if (screen != "frmJeu") return false;
    // The game's menu opens on each machine (its entries are judged one by one).
    if ((cmd == "click" && path.key == "MenuJeu") || ((cmd == "press" || cmd == "presson") && path.key == "Esc")) return true;
    static const char* const kHere[] = {"MNU_JeuAide",    "MNU_JeuJournal", "MNU_JeuPleinEcran", "MNU_JeuSon",
                                        "MNU_JeuMusique", "MNU_JeuEffets",  "MNU_RelaisRevoir",  "MNU_JeuReseauFin"};
    for (const char* here : kHere)
        if (entry == here) return true;
    return false;
}

}  // namespace net
