#pragma once
// The party set-up screen `FairePerso`: player tabs, names, the shared class list and six
// character slots per player. OK writes PlayerCount and the records and opens the board;
// Cancel goes back to the title screen.
#include <array>
#include <memory>
#include <string>

#include "ui/Screen.h"

class FairePerso : public Screen {
public:
    FairePerso();
    // Form_Load: two players, the captions, the class list and the class templates.
    void Load() override;

    // The "played by the computer" box of player and the level beside it (ComputerParty.cpp).
    void SetComputer(int player, bool on);
    void SetComputerLevel(int player, int level);

    static constexpr int kSlots = 6;
    static constexpr int kMaxTabs = 4;

private:
    // Layout (FairePerso.cpp).
    void Layout();
    void LayoutSlot(int k);
    void AddHandlers();

    // The character slots of the shown player (PartySlots.cpp).
    void ChooseClass(bool addAtOnce);
    void AddCharacter();
    void SelectSlot(int k);
    void ClearSelection();
    void RemoveCharacter();
    void OpenNameEdit(int k);
    void ConfirmNameEdit(int k);
    void CloseNameEdits();
    void RaiseStatistics(int k, const EventArgs& a);
    // Portrait, name, class and statistics of slot k from a class and a name.
    void FillSlot(int k, int classNumber, const std::string& name);
    void ShowStatistics(int k, int classNumber);
    // The highest slot of the shown player in use (0 when none).
    int LastSlot() const;
    void UpdateCount();

    // Players (PartyPlayers.cpp).
    int TabCount();
    void ShowPlayer(int player);
    void AddPlayer();
    void RemovePlayer();
    void Confirm();
    void Cancel();
    // The number of characters in player p's party.
    int PartySize(int player) const;

    // The computer's box (ComputerParty.cpp).
    void LayoutComputerBox();
    void ShowComputerBox();
    void CompleteComputerParties();
    void WriteComputerPlayers();

    int shownPlayer_ = 1;
    std::array<bool, kMaxTabs + 1> computer_{};
    std::array<int, kMaxTabs + 1> levels_{3, 3, 3, 3, 3};
    int selectedSlot_ = 0;
    std::array<std::string, kMaxTabs + 1> playerNames_{};
    int partyClasses_[kMaxTabs + 1][kSlots + 1] = {};
    std::string partyNames_[kMaxTabs + 1][kSlots + 1];
    std::array<std::string, 17> templates_{};
};

std::unique_ptr<Screen> MakeFairePerso();
// Ticks or clears player's "played by the computer" box on an open set-up screen.
void SetSetupComputer(Screen& setup, int player, bool on);
// Ticks player's box with the computer playing at that level (computer_level).
void SetSetupComputerLevel(Screen& setup, int player, int level);
