// The players of the set-up screen: their tabs and names, adding and removing players, and
// the two ways out (OK builds the records and opens the board, Cancel goes back to the title).
#include "setup/FairePerso.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace {

// The first ten characters (code points) of a name.
std::string FirstTen(const std::string& name) {
    std::u32string points = FromUtf8(name);
    if (points.size() <= 10) return name;
    return ToUtf8(points.substr(0, 10));
}

}  // namespace

int FairePerso::TabCount() { return static_cast<int>(C("EnsTab").tabs.size()); }

int FairePerso::PartySize(int player) const {
    int size = 0;
    for (int k = 1; k <= kSlots; ++k)
        if (partyClasses_[player][k] != 0) ++size;
    return size;
}

void FairePerso::ShowPlayer(int player) {
    if (player < 1 || player > TabCount()) return;
    CloseNameEdits();
    playerNames_[shownPlayer_] = C("ReponseDuNom").text;
    shownPlayer_ = player;
    C("EnsTab").selectedTab = player - 1;
    for (int k = 1; k <= kSlots; ++k) {
        Control& frame = C("FrPerso", k);
        int n = partyClasses_[player][k];
        frame.visible = n != 0;
        frame.back = colors::kButtonFace;
        if (n == 0) continue;
        frame.caption = Msg(76) + NumberText(k);
        FillSlot(k, n, partyNames_[player][k]);
    }
    selectedSlot_ = 0;
    C("ReponseDuNom").text = playerNames_[player];
    C("retirer").enabled = false;
    C("Frame1").caption = Msg(50) + " " + NumberText(player);
    UpdateCount();
    ShowComputerBox();
}

void FairePerso::AddPlayer() {
    Control& tabs = C("EnsTab");
    int n = TabCount();
    if (n >= kMaxTabs) return;
    tabs.tabs.push_back(Msg(50) + " " + DigitText(n + 1));
    tabs.tabIcons.push_back("tab" + DigitText(n + 1) + ".ico");
    UpdateCount();
}

void FairePerso::RemovePlayer() {
    Control& tabs = C("EnsTab");
    int n = TabCount();
    if (n <= 2) return;
    tabs.tabs.pop_back();
    tabs.tabIcons.pop_back();
    // The removed tab keeps its player's party and name for when it comes back; if it was the
    // shown one, the tab before it is shown instead.
    if (shownPlayer_ > n - 1) ShowPlayer(n - 1);
    UpdateCount();
}

void FairePerso::Confirm() {
    std::string& shownName = playerNames_[shownPlayer_];
    if (C("ReponseDuNom").text != shownName) shownName = C("ReponseDuNom").text;
    CompleteComputerParties();
    int players = TabCount();
    int perPlayer = 8 - players;
    for (int p = 1; p <= players; ++p) {
        if (PartySize(p) != perPlayer) {
            Ui::Get().MessageBox(Msg(42));
            return;
        }
    }
    gd.PlayerCount = players;
    WriteComputerPlayers();
    for (int p = 1; p <= players; ++p) {
        playerNames_[p] = FirstTen(playerNames_[p]);
        for (int k = 1; k <= perPlayer; ++k) {
            partyNames_[p][k] = FirstTen(partyNames_[p][k]);
            int n = partyClasses_[p][k];
            gd.CharacterRecords[(p - 1) * perPlayer + k] =
                rec::Make(p, playerNames_[p], n, partyNames_[p][k], templates_[n]);
        }
    }
    Ui::Get().Close(*this);
    OpenBoard();
}

void FairePerso::Cancel() {
    Ui::Get().Close(*this);
    OpenTitleScreen();
}
