// Placeholder until the board lands.
#include "state/SharedRules.h"

void RefreshPanel(int) {}
void ShowItemList(int) {}
void ApplyLevelMilestones() {}
void PaintActionButtons(int) {}
void RefreshActionButtons() {}
