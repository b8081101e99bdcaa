#pragma once
// The sixteen character classes: template, name, default character name and portrait.
#include <string>

namespace classes {

constexpr int kCount = 16;

// The class numbers.
constexpr int kAmazone = 1, kCavalierNoir = 2, kChevalier = 3, kDiablotin = 4, kElfe = 5, kFee = 6, kGuerrier = 7,
              kMagicien = 8, kNecromancien = 9, kMonstre = 10, kNain = 11, kOrc = 12, kSorcier = 13, kTroll = 14,
              kVampire = 15, kVoleur = 16;

// The class template (the tail of a new record) of class n (1-16); "" for other n.
std::string Template(int n);
// The class name in the current language (message 1059 + n).
std::string Name(int n);
// The character name set-up proposes for class n.
std::string DefaultName(int n);
// The portrait picture file of class n: "n.gif".
std::string PortraitFile(int n);
// The map icon file of class n: (n − 1) in two digits + ".ico".
std::string IconFile(int n);
// The digit at a template position (1-based) of a template text, 0 when absent.
int TemplateDigit(const std::string& classTemplate, int position);

}  // namespace classes
