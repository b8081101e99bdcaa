#pragma once
// What the driver's dump shows beside the game state: what the screens asked of the platform
// (music, sounds, mail), where the last pop-up menu opened, where the windows stand and the
// controls' fonts.
#include <string>
#include <vector>

#include "ui/Services.h"

// Where a pop-up menu opened, in its screen's pixels.
struct PopupPlace {
    std::string screen;
    std::string menu;
    int x = 0, y = 0;
};

// The desktop on which the dump places the windows (the offscreen platform's own screen).
constexpr int kDumpDesktopWidth = 800;
constexpr int kDumpDesktopHeight = 600;

// The keys "audio", "mail", "lastPopup", "windows" and "fonts", each led by ", ", to close a
// dump's object with. requests are the platform requests since the previous dump; lastPopup is
// nullptr before the first pop-up menu.
std::string DumpSeen(const std::vector<ServiceRequest>& requests, const PopupPlace* lastPopup);
