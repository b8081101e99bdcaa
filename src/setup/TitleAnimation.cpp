// The title screen's Timer1: one second of waiting, the sword's fall, the white flash, the fire
// and the music, then the legend scrolling up through its band for as long as the screen stays.
#include "setup/Legend.h"
#include "setup/TitleScreen.h"
#include "ui/Ui.h"

void frmBegin::TimerTick() {
    Control& timer = C("Timer1");
    if (timer.interval == 1000) {
        timer.interval = 100;
    } else if (timer.interval == 100) {
        DropSword();
    } else {
        ScrollLegend();
    }
}

void frmBegin::DropSword() {
    Control& sword = C("Sword");
    if (sword.top == 1) {
        LightFire();
    } else if (sword.top == 0) {
        // The flash: one tick of white; the top of 1 marks it for the next tick.
        backColor = colors::kWhite;
        sword.visible = false;
        C("OffFire").visible = false;
        sword.top = 1;
    } else {
        sword.top += 20;
    }
}

void frmBegin::LightFire() {
    Ui::Get().services().PlaySound("song.wav", 1);
    C("Timer1").interval = 200;
    backColor = colors::kBlack;
    C("Sword").visible = true;
    C("OnFire").visible = true;
    Music().SetFileName("start.mid");
    Music().Command("open");
    Music().Command("play");
    C("lblLegend").visible = true;
    for (int i = 0; i < kLineCount; ++i) C("lblGeneric", i).visible = true;
}

bool frmBegin::FadeColor(int top, Rgb& color) {
    int level;
    switch (top) {
        case 532: case 332: level = 64; break;
        case 528: case 336: level = 128; break;
        case 524: case 340: level = 192; break;
        case 520: case 344: level = 224; break;
        case 516: level = 255; break;
        default: return false;
    }
    color = Rgb{level, level, level};
    return true;
}

void frmBegin::ScrollLegend() {
    for (int i = 0; i < kLineCount; ++i) {
        Control& line = C("lblGeneric", i);
        if (line.top == kBandTop) {
            ++nextLine_;
            if (nextLine_ == kLegendCount) nextLine_ = 1;
            line.fore = colors::kBlack;
            line.top = kBandBottom;
            line.caption = legend_[nextLine_];
        }
        line.top -= 4;
        FadeColor(line.top, line.fore);
    }
}
