// What a network game's machines say of the turn, and which of a joined player's inputs stay on
// his machine rather than go to the host.
#include <gtest/gtest.h>

#include <string>

#include "net/Turns.h"

namespace {

TEST(NetTurns, EachMachineSaysWhoPlaysAndWhereInItsLanguage) {
    using net::Where;
    EXPECT_EQ(net::WhoPlays(Where::ThisMachine, "Bob", "Bob", false, false), "à vous de jouer, Bob (cette machine)");
    EXPECT_EQ(net::WhoPlays(Where::ThisMachine, "Bob", "Bob", true, false), "your turn, Bob (this machine)");
    EXPECT_EQ(net::WhoPlays(Where::Machine, "Ann", "Zoé", false, false), "Ann joue sur la machine de Zoé");
    EXPECT_EQ(net::WhoPlays(Where::OnHost, "Ann", "", true, false), "Ann plays on the host's machine");
    EXPECT_EQ(net::WhoPlays(Where::Computer, "Ann", "", false, false), "l'ordinateur joue pour Ann");
    EXPECT_EQ(net::WhoPlays(Where::Away, "Ann", "Zoé", true, false), "Zoé's machine is away: Ann's turn waits");
    // The title bar says it is a network game.
    EXPECT_EQ(net::WhoPlays(Where::HereOnHost, "Ann", "", false, true), "partie en réseau : Ann joue ici (cette machine)");
    EXPECT_EQ(net::WhoPlays(Where::HereOnHost, "Ann", "", true, true), "network game: Ann plays here (this machine)");
}

TEST(NetTurns, AJoinedPlayersOwnWindowsAndHarmlessEntriesStayOnHisMachine) {
    auto entryOfKey = [](const std::string& screen, const std::string& key) -> std::string {
        if (key == "F1") return screen == "frmJeu" ? "MNU_JeuAide" : "MNU_AideRegles";
        if (key == "F2" && screen == "Combat") return "MNU_AideJournal";
        if (key == "Ctrl+S") return "MNU_JeuSauver";
        if (key == "T") return "MNU_RelaisRevoir";
        return "";
    };
    for (const char* here : {"menu frmJeu.MNU_JeuAide", "menu frmJeu.MNU_JeuJournal", "menu frmJeu.MNU_JeuSon",
                             "menu frmJeu.MNU_RelaisRevoir", "menu frmJeu.MNU_JeuReseauFin", "press frmJeu.F1",
                             "presson frmJeu.T", "press frmJeu.Esc", "click frmJeu.MenuJeu 5 5 1 0", "press Combat.F1", "press Combat.F2", "menu ChCmb.MNU_AideRegles", "click frmAide.Suivant 5 5 1 0", "close frmJournal", "press frmJournal.Esc"})
        EXPECT_TRUE(net::StaysOnJoinedMachine(here, entryOfKey)) << here;
    // The game's own moves go to the host; saving, loading, the languages and the board's close
    // box are no joined machine's at all (the host's gate refuses them).
    for (const char* away : {"click frmJeu.Image1 96 64 1 0", "press frmJeu.Return", "press frmJeu.Ctrl+S",
                             "menu frmJeu.MNU_JeuSauver", "menu frmJeu.MNU_JeuLangue(1)", "close frmJeu",
                             "click Combat.Attaque 5 5 1 0", "press Combat.Esc", "menu Combat.MNU_JeuSon", "menu \"frmJeu.MNU_JeuAide", "wait 40", "menu"})
        EXPECT_FALSE(net::StaysOnJoinedMachine(away, entryOfKey)) << away;
}

}  // namespace
