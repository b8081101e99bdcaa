#pragma once
// The small detail pop-up of the board panel.
#include <string>

#include "ui/Control.h"

// Shows `Detail` modally with a caption and its one line of text; back is its background.
void ShowDetail(const std::string& caption, const std::string& text, Rgb back = colors::kButtonFace);
