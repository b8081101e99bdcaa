#pragma once
// H, the player's wish that the computer parties hurry. The window's pace of the computer
// turns it on and off (view/ComputerPace.h); the fight screens read it to shorten their pauses
// while a computer party fights. It is a choice of presentation: no rule reads it, and it is
// off until the player presses H.

void SetComputerHurried(bool hurried);
bool ComputerHurried();

// The pause of a hurried screen's timer: an eighth of its interval, never below 20 ms nor
// above the interval itself.
int HurriedDelay(int interval);
