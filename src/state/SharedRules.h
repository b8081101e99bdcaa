#pragma once
// The procedures that several screens share. They fill the board's character panel and
// paint its action buttons; while no board is open they only change the shared state.

// Fills the panel labels for character c, resets the item list scroll and shows c's items.
void RefreshPanel(int c);
// Fills the three item list lines from c's items, starting at InventoryScroll.
void ShowItemList(int c);
// Grants the level rewards of the current character's win ratio, then refreshes the panel.
void ApplyLevelMilestones();
// Enables and paints the four action buttons in the colours of player p.
void PaintActionButtons(int p);
// PaintActionButtons for the player who acts now (the controlling player under a spell).
void RefreshActionButtons();
