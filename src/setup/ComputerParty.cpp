// Set-up's "played by the computer" box: one per player, shown for the player whose tab is
// open, with the level the computer plays at beside it (a button that goes round easy,
// normal and hard; hard unless changed); OK writes the boxes and levels into the game, and a
// computer party left incomplete is filled with the classes the computer prefers among those
// still in the list, under their default names.
#include "setup/FairePerso.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"

namespace {

struct BoxWords {
    const char *on, *off, *tooltip;
    const char* levels[3];
    const char *levelTip, *levelWhyNot;
};
const BoxWords kFrench{"[X] Joué par l'ordinateur", "[  ] Joué par l'ordinateur",
                       "L'ordinateur joue ce groupe (Tab puis Espace pour cocher)",
                       {"Niveau : facile", "Niveau : normal", "Niveau : difficile"},
                       "Le jeu de l'ordinateur : facile fait souvent des erreurs, normal parfois, difficile jamais "
                       "(Tab puis Espace pour changer)",
                       "Cochez d'abord « Joué par l'ordinateur »"};
const BoxWords kEnglish{"[X] Played by the computer", "[  ] Played by the computer",
                        "The computer plays this party (Tab, then Space to tick)",
                        {"Level: easy", "Level: normal", "Level: hard"},
                        "How the computer plays: easy makes mistakes often, normal now and then, hard never "
                        "(Tab, then Space to change)",
                        "Tick \"Played by the computer\" first"};

const BoxWords& Words() { return gd.LanguageOffset == 2000 ? kEnglish : kFrench; }

// The classes the computer picks first: the Monstre's breath ignores the enemy's values and
// the Cavalier Noir cannot die; then the strongest fighters, the spell casters last.
constexpr int kPreference[16] = {10, 2, 14, 12, 7, 3, 1, 11, 15, 4, 16, 5, 13, 8, 9, 6};

}  // namespace

void FairePerso::LayoutComputerBox() {
    Place(Add(Kind::Button, "Computer"), 16, 388, 196, 26);
    On("Computer_Click", [this](const EventArgs&) { SetComputer(shownPlayer_, !computer_[shownPlayer_]); });
    Place(Add(Kind::Button, "ComputerLevel"), 216, 388, 136, 26);
    On("ComputerLevel_Click", [this](const EventArgs&) {
        if (!computer_[shownPlayer_]) return;
        const int level = levels_[shownPlayer_];
        SetComputerLevel(shownPlayer_, level >= computer_level::kHard ? computer_level::kEasy : level + 1);
    });
}

void FairePerso::SetComputer(int player, bool on) {
    if (player < 1 || player > kMaxTabs) return;
    computer_[player] = on;
    ShowComputerBox();
}

void FairePerso::SetComputerLevel(int player, int level) {
    if (player < 1 || player > kMaxTabs || !computer_level::Valid(level)) return;
    computer_[player] = true;
    levels_[player] = level;
    ShowComputerBox();
}

void FairePerso::ShowComputerBox() {
    const BoxWords& w = Words();
    Control& box = C("Computer");
    box.caption = computer_[shownPlayer_] ? w.on : w.off;
    box.tooltip = w.tooltip;
    Control& level = C("ComputerLevel");
    level.caption = w.levels[levels_[shownPlayer_] - computer_level::kEasy];
    level.tooltip = w.levelTip;
    level.whyNot = w.levelWhyNot;
    level.enabled = computer_[shownPlayer_];
}

void FairePerso::CompleteComputerParties() {
    const int perPlayer = 8 - TabCount();
    for (int p = 1; p <= TabCount(); ++p) {
        if (!computer_[p]) continue;
        int shown = shownPlayer_;
        if (shown != p) ShowPlayer(p);
        for (int n : kPreference) {
            if (PartySize(p) >= perPlayer) break;
            Control& list = C("List1");
            const std::string name = classes::Name(n);
            for (size_t line = 0; line < list.items.size(); ++line)
                if (list.items[line] == name) {
                    Select("List1", static_cast<int>(line));
                    AddCharacter();
                    break;
                }
        }
        if (C("ReponseDuNom").text.empty()) C("ReponseDuNom").text = gd.LanguageOffset == 2000 ? "Computer" : "Ordinateur";
        if (shown != p) ShowPlayer(shown);
        else playerNames_[p] = C("ReponseDuNom").text;
    }
}

void FairePerso::WriteComputerPlayers() {
    for (int p = 1; p <= kMaxTabs; ++p) {
        gd.ComputerPlayer[p] = p <= gd.PlayerCount && computer_[p];
        gd.ComputerLevel[p] = levels_[p];
    }
}

void SetSetupComputer(Screen& setup, int player, bool on) {
    if (auto* s = dynamic_cast<FairePerso*>(&setup)) s->SetComputer(player, on);
}

void SetSetupComputerLevel(Screen& setup, int player, int level) {
    if (auto* s = dynamic_cast<FairePerso*>(&setup)) s->SetComputerLevel(player, level);
}
