#pragma once
// How readable a text colour is on a background: relative luminance and the contrast ratio
// between two colours, and the text colour to write on a background.
#include "ui/Control.h"

// The colour's luminance from 0 (black) to 1 (white), its sRGB channels linearised first.
double RelativeLuminance(const Rgb& c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const Rgb& a, const Rgb& b);
// Black or white, whichever stands out more on the background.
Rgb ReadableTextOn(const Rgb& back);
