#pragma once
// The keyboard: which key clicks which control of which screen. One table for the whole
// game, applied to every screen when it opens; the tooltips name the keys.

class Screen;

// Gives the screen's controls their hot keys (and their tooltips the key's name).
void ApplyKeyBindings(Screen& screen);
