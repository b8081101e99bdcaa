#pragma once
// The procedures that several screens share. They fill the board's character panel and
// paint its action buttons; while no board is open they only change the shared state.
#include <string>

// What the shared procedures write on the board: the board hands it over while it is open.
class PanelView {
public:
    virtual ~PanelView() = default;
    // The caption of a panel label or of a line of the item list ("Inventaire(2)").
    virtual void SetCaption(const std::string& control, const std::string& text) = 0;
    // An action button: enabled or not, and the picture it shows.
    virtual void SetButton(const std::string& control, bool enabled, const std::string& picture) = 0;
    // The picture of a control.
    virtual void SetPicture(const std::string& control, const std::string& picture) = 0;
    // Presentation only: the text a panel label shows at once, ahead of its caption, until
    // the caption is written again (the board draws it; the caption stays as it is).
    virtual void SetLiveCaption(const std::string& /*control*/, const std::string& /*text*/) {}
};
// The board's panel while it is open, nullptr when none is.
void SetPanelView(PanelView* view);
PanelView* CurrentPanelView();

// Fills the panel labels for character c, resets the item list scroll and shows c's items.
void RefreshPanel(int c);
// Fills the three item list lines from c's items, starting at InventoryScroll.
void ShowItemList(int c);
// Shows on the panel, ahead of its captions, what RefreshPanel(c) will write there: the
// panel follows a purchase at once while the captions wait for the board's own refresh.
// Nothing of the state changes (the item list shows from its first entry, as a refresh would).
void ShowPanelAhead(int c);
// Grants the level rewards of the current character's win ratio, then refreshes the panel.
void ApplyLevelMilestones();
// Enables and paints the four action buttons in the colours of player p.
void PaintActionButtons(int p);
// PaintActionButtons for the player who acts now (the controlling player under a spell).
void RefreshActionButtons();
