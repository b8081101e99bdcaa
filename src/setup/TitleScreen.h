#pragma once
// The title screen `frmBegin`: the falling sword, the flash, the fire, the scrolling legend,
// and the menus for a new game, quitting, the language and the about box.
#include <string>
#include <vector>

#include "ui/Screen.h"

class frmBegin : public Screen {
public:
    frmBegin();
    // Form_Load: legend, language menu, French, captions, and the animation timer.
    void Load() override;

    // Tops of the scrolling band: a line leaves at the top and comes back at the bottom.
    static constexpr int kBandTop = 328;
    static constexpr int kBandBottom = 552;
    static constexpr int kFirstLineTop = 536;
    static constexpr int kLineSpacing = 32;
    static constexpr int kLineCount = 7;
    static constexpr int kLegendSize = 41;
    static constexpr int kSwordStart = -220;

private:
    void Layout();
    void AddMenus();
    // Language menu entries for every available language; the first one ticked.
    void FillLanguageMenu();
    // The captions of the menu entries in the current language.
    void SetMenuCaptions();
    void ChooseLanguage(int entry);
    void NewGame();

    // Timer1: the interval tells which phase runs.
    void TimerTick();
    void DropSword();
    void LightFire();
    void ScrollLegend();
    // The text colour of a legend line at a given top (fades in at the bottom, out at the top).
    static bool FadeColor(int top, Rgb& color);

    std::vector<std::string> legend_;   // 41 lines, 0-36 filled
    int nextLine_ = 0;                  // the last legend line handed to a label
};
