// The title screen: its layout, its loading and its menus. The animation is in TitleAnimation.cpp.
#include "setup/frmBegin.h"

#include "setup/FairePerso.h"
#include "setup/Legend.h"
#include "setup/NetJoin.h"
#include "setup/TitleRecord.h"
#include "setup/TitleScreen.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "ui/GameRecord.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;
// The scrolling band is drawn shifted up so that its whole height, fade-in included, fits
// below the fire: a line's own top keeps counting from 328 to 552.
constexpr int kBandShift = -62;
constexpr Rgb kTaglineColor{214, 168, 92};

}  // namespace

frmBegin::frmBegin() : Screen("frmBegin", kWidth, kHeight) {
    caption = "Quelmor";
    backColor = colors::kBlack;
    Layout();
    AddMenus();

    On("Timer1_Timer", [this](const EventArgs&) { TimerTick(); });
    On("MNU_New_Click", [this](const EventArgs&) { NewGame(); });
    On("MNU_Quit_Click", [](const EventArgs&) { Ui::Get().Quit(); });
    On("MNU_About_Click", [](const EventArgs&) { OpenAbout(); });
    On("lang_Click", [this](const EventArgs& a) { ChooseLanguage(a.index); }, "I");
    ExposeVar("NextLine", &nextLine_);
}

void frmBegin::Layout() {
    Control& timer = Add(Kind::Timer, "Timer1");
    timer.interval = 1000;

    // The brazier sits under the sword: once the sword has fallen its point rests on the rim.
    for (const char* name : {"OffFire", "OnFire"}) {
        Control& fire = Add(Kind::Image, name);
        fire.picture = std::string(name) == "OffFire" ? "feueteint.bmp" : "feuallume.bmp";
        fire.width = 343;
        fire.height = 97;
        fire.left = (kWidth - fire.width) / 2;
        fire.top = 142;
        fire.visible = std::string(name) == "OffFire";
    }
    Control& sword = Add(Kind::Image, "Sword");
    sword.picture = "epee.gif";
    sword.width = 96;
    sword.height = 207;
    sword.left = (kWidth - sword.width) / 2;
    sword.top = kSwordStart;

    Control& tagline = Add(Kind::Label, "lblLegend");
    tagline.caption = "Peu de personnes en sortiront vivant";
    Place(tagline, 0, 243, kWidth, 22);
    tagline.align = Align::Center;
    tagline.font = Font{"Times New Roman", 12, false, true};
    tagline.fore = kTaglineColor;
    tagline.visible = false;

    Control& band = Add(Kind::Panel, "LegendBand");
    Place(band, 0, kBandShift, kWidth, kBandBottom + 40);
    for (int i = 0; i < kLineCount; ++i) {
        Control& line = Add(Kind::Label, "lblGeneric", i);
        line.parent = "LegendBand";
        line.left = 20;
        line.width = kWidth - 40;
        line.height = 22;
        line.align = Align::Center;
        line.font = Font{"Times New Roman", 12, false, false};
        line.fore = colors::kBlack;
        line.back = colors::kBlack;
        line.visible = false;
    }
}

void frmBegin::AddMenus() {
    Add(Kind::Menu, "MNU_File");
    Add(Kind::Menu, "MNU_New").parent = "MNU_File";
    AddLoadEntry(*this);
    AddTitleRecordEntries(*this);
    AddTitleJoinEntry(*this);
    Control& sep = Add(Kind::Menu, "MNU_Sep");
    sep.parent = "MNU_File";
    sep.separator = true;
    sep.caption = "-";
    Add(Kind::Menu, "MNU_Quit").parent = "MNU_File";
    Add(Kind::Menu, "MNU_Lang");
    Control& help = Add(Kind::Menu, "MNU_Help");
    help.caption = "?";
    // The rules help (F1) and the journal (F2) first, where players look for them.
    AddHelpKeys(*this, "MNU_Help");
    Control& line = Add(Kind::Menu, "MNU_SepAide");
    line.parent = "MNU_Help";
    line.separator = true;
    line.caption = "-";
    Add(Kind::Menu, "MNU_About").parent = "MNU_Help";
}

void frmBegin::Load() {
    // The game's folder is already the current one (the program makes it so at start), so
    // pictures, sounds and music load by bare name.
    legend_.assign(kLegendSize, "");
    for (int i = 0; i < kLegendCount; ++i) legend_[i] = kLegend[i];
    for (int i = 0; i < kLineCount; ++i) {
        Control& line = C("lblGeneric", i);
        line.top = kFirstLineTop + kLineSpacing * i;
        line.caption = legend_[i];
    }
    nextLine_ = kLineCount - 1;
    FillLanguageMenu();
    gd.LanguageOffset = 1000;
    SetMenuCaptions();
    StartTimer(C("Timer1"), 1000);
}

void frmBegin::FillLanguageMenu() {
    Control& french = Add(Kind::Menu, "lang", 0);
    french.parent = "MNU_Lang";
    french.caption = "&Français";
    for (int n = 2; n <= 5; ++n) {
        if (!LanguageAvailable(n)) continue;
        Control& entry = Add(Kind::Menu, "lang", n - 1);
        entry.parent = "MNU_Lang";
        entry.caption = LanguageMenuName(n);
    }
    french.checked = true;
}

void frmBegin::SetMenuCaptions() {
    C("MNU_New").caption = "&" + Msg(58) + "...";
    C("MNU_Quit").caption = Msg(59);
    C("MNU_About").caption = Msg(222);
    C("MNU_Lang").caption = Msg(14);
    C("MNU_File").caption = Msg(15);
    CaptionHelpKeys(*this);
    CaptionSaveEntries(*this);
    RefreshTitleRecordEntries(*this);
    CaptionTitleJoinEntry(*this);
}

void frmBegin::ChooseLanguage(int entry) {
    for (int n = 1; n <= 5; ++n)
        if (LanguageAvailable(n)) C("lang", n - 1).checked = false;
    C("lang", entry).checked = true;
    gd.LanguageOffset = (entry + 1) * 1000;
    SetMenuCaptions();
}

void frmBegin::NewGame() {
    Music().Command("stop");
    Music().Command("close");
    Ui::Get().Close(*this);
    Ui::Get().ShowModal(MakeFairePerso());
    // The game starts once its set-up is closed: the board alone, between two actions.
    if (Board()) TellGameStarted();
}

std::unique_ptr<Screen> MakeFrmBegin() { return std::make_unique<frmBegin>(); }

void OpenTitleScreen() { Ui::Get().Show(MakeFrmBegin()); }

Screen* TitleScreen() { return Ui::Get().Find("frmBegin"); }
