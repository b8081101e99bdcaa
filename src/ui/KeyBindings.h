#pragma once
// The keyboard: which key clicks which control of which screen. One table for the whole
// game, applied to every screen when it opens; the windows' tooltips name the keys.

class Screen;

// Gives the screen's controls their hot keys.
void ApplyKeyBindings(Screen& screen);
