#pragma once
// Paints a screen model as a player sees its window, without showing anything.
#include <QImage>
#include <string>

class Screen;

// The screen's window (menu bar included) as a picture; openMenu names a menu of the bar
// to draw opened, popup a pop-up menu to draw at (popupX, popupY), tip a control whose tip
// is drawn beside it.
QImage RenderScreen(Screen& screen, double scale = 1, const std::string& openMenu = "",
                    const std::string& popup = "", int popupX = 0, int popupY = 0, const std::string& tip = "");
// The top screen as the player sees it; the fight's action panel is drawn beside the fight.
QImage RenderTop(double scale = 1, const std::string& openMenu = "", const std::string& popup = "",
                 int popupX = 0, int popupY = 0, const std::string& tip = "");
