#pragma once
// The small detail pop-up of the board panel.
#include <memory>
#include <string>

#include "ui/Control.h"

class Screen;

// A freshly loaded `Detail` with that caption and text (ShowDetail shows one).
std::unique_ptr<Screen> MakeDetail(const std::string& caption, const std::string& text,
                                   Rgb back = colors::kButtonFace);
