#pragma once
// The end screen.

// Opens the end screen without waiting (the fifth tower floor was won by CurrentCharacter).
void OpenEndScreen();
