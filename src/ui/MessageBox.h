#pragma once
// The plain message box: a caption, one text and an OK button.
#include <memory>
#include <string>

class Screen;

std::unique_ptr<Screen> MakeMessageBox(const std::string& text, const std::string& caption);
