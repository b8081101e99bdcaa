#pragma once
// Qt's own words (the file dialogs' buttons and labels, a text box's context menu) in the
// game's language, from Qt's translations when the system has them (English otherwise).
#include <string>

// Follows the language, "fr" or "en"; nothing to do when it is already the one in use.
void UseQtLanguage(const std::string& language);
// Follows the game's current language.
void FollowGameLanguage();
// The language whose translations are in use: "en" until French ones were found and loaded.
std::string QtLanguageInUse();
