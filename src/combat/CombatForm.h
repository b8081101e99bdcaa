#pragma once
// The Combat form itself: its controls and the dispatch of its handlers on the mode it was
// opened in (0 fight, 1 market, 2 forge, 3 tournament entrance, 4 tower floor).
#include <memory>
#include <string>

#include "ui/Navigation.h"
#include "ui/Screen.h"

class CombatForm : public Screen {
public:
    CombatForm();
    void Load() override;
    void Unload() override;

    // Writes the message line and shows it over its backdrop.
    void WriteMessage(const std::string& text);
    // WriteMessage, then (re)starts Regul for the pause of ms.
    void ShowMessage(const std::string& text, int ms);
    // Shows the current character's class icon at the entrance of the picture.
    void PlaceCharacterIcon();
    // Hides the message line and its backdrop.
    void HideMessage();
    // Is a message shown or a spell's animation running? The panel waits for either.
    bool Busy();
    // A hurried fight's pauses are shorter (combat/FightPace.cpp).
    int TimerDelay(const Control& timer) const override;

    int openedMode = 0;   // CombatMode when the form loaded
    int Seller = 0;       // the market's seller, or the tournament level chosen
    // The market and the forge, run by the items part in those modes.
    std::unique_ptr<ShopOnCombat> shop = MakeShopOnCombat(*this, Seller);

protected:
    // The fight's own display follows every input.
    void AfterInput() override;

private:
    void LoadFight();
    void RegulTimer();
    void MouseDown(int x, int y);
    // The keyboard's way to the picture's places (see the constructor).
    bool PlacePoint(int place, int& x, int& y);  // where a click reaches place k of this mode's picture
    void ShowPlaceKeys();
    void PlaceKey(int place);
    void Forward(const std::string& control, const EventArgs& a);
    // Outside a fight (the shops, the arena's entrance, a tower floor) the journal keeps what
    // the message line shows, as the fight's own messages are kept when they are written.
    void JournalMessageLine();
};

std::unique_ptr<Screen> MakeCombatForm();
