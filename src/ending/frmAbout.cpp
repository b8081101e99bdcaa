// The about box: two tab pages (panels shown by the tab handler), the credits scroll on
// Timer1 and the OK button.
#include "ending/frmAbout.h"

#include <vector>

#include "ending/Credits.h"
#include "state/Messages.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kWidth = 400, kHeight = 478;
constexpr int kPageLeft = 8, kPageTop = 32, kPageWidth = 384, kPageHeight = 398;
constexpr int kShownLines = 31;
constexpr int kLinePitch = 12;
constexpr int kLastScroll = kCreditsLines - kShownLines;   // 172: the last line on the last label
constexpr const char* kMailAddress = "quelmor@example.org";
constexpr Rgb kCreditsBack{18, 16, 30};
constexpr Rgb kCreditsText{232, 222, 196};
constexpr Rgb kHeadingText{240, 196, 110};
constexpr Rgb kLinkText{0, 0, 204};

class frmAbout : public Screen {
public:
    frmAbout() : Screen("frmAbout", kWidth, kHeight) {
        caption = Msg(225);
        Layout();
        On("TabbedStuff_Click", [this](const EventArgs& a) { ChangeTab(a.index, a.x); }, "IX");
        On("Timer1_Timer", [this](const EventArgs&) { Scroll(); });
        On("lblMail_Click", [](const EventArgs&) { Ui::Get().services().OpenMail(kMailAddress, "Quelmor"); });
        On("Command1_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        ExposeVar("ScrollPosition", &scroll_);
    }

private:
    void Layout() {
        Control& tabs = Place(Add(Kind::TabStrip, "TabbedStuff"), kPageLeft, 8, kPageWidth, 24);
        tabs.tabs = {Msg(222), Msg(223)};
        for (int page = 0; page < 2; ++page) {
            Control& p = Place(Add(Kind::Panel, "Onglet", page), kPageLeft, kPageTop, kPageWidth, kPageHeight);
            p.border = true;
            p.visible = page == 0;
            if (page == 1) {
                p.opaque = true;
                p.back = kCreditsBack;
            }
        }
        LayoutMakers();
        LayoutCredits();
        Control& timer = Add(Kind::Timer, "Timer1");
        timer.interval = 200;
        Place(Add(Kind::Button, "Command1"), (kWidth - 88) / 2, kHeight - 40, 88, 28).caption = "&OK";
    }

    void LayoutMakers() {
        auto onPage = [this](Kind kind, const char* name) -> Control& {
            Control& c = Add(kind, name);
            c.parent = "Onglet(0)";
            return c;
        };
        Control& title = Place(onPage(Kind::Label, "lblTitle"), 0, 28, kPageWidth, 40);
        title.caption = "Quelmor";
        title.align = Align::Center;
        title.font = Font{"Times New Roman", 24, true, false};
        title.fore = Rgb{96, 24, 16};
        Place(onPage(Kind::Image, "Image1"), 52, 92, 120, 120).picture = "apropos1.gif";
        Place(onPage(Kind::Image, "Image2"), 212, 92, 120, 120).picture = "apropos2.gif";
        Control& makers = Place(onPage(Kind::Label, "lblMakers"), 16, 244, kPageWidth - 32, 40);
        makers.caption = Msg(201).substr(1) + "\n" + Msg(224).substr(1);
        makers.align = Align::Center;
        makers.wordWrap = true;
        makers.font = Font{"Times New Roman", 12, false, true};
        Control& version = Place(onPage(Kind::Label, "lblVersion"), 16, 300, kPageWidth - 32, 18);
        version.caption = "Version 1.0";
        version.align = Align::Center;
        Control& mail = Place(onPage(Kind::Label, "lblMail"), 112, 340, kPageWidth - 224, 18);
        mail.caption = kMailAddress;
        mail.align = Align::Center;
        mail.fore = kLinkText;
        mail.font.underline = true;
        mail.tooltip = kMailAddress;
    }

    void LayoutCredits() {
        for (int k = 0; k < kShownLines; ++k) {
            Control& line = Place(Add(Kind::Label, "Haut", k), 0, 13 + kLinePitch * k, kPageWidth, kLinePitch + 4);
            line.parent = "Onglet(1)";
            line.align = Align::Center;
            line.font = Font{"Arial", 9, false, false};
            line.fore = kCreditsText;
        }
        credits_ = CreditsLines();
        ShowLines(0);
    }

    // Labels 0-30 show the credits from line `first` on; headings are underlined.
    void ShowLines(int first) {
        for (int k = 0; k < kShownLines; ++k) {
            const std::string& text = credits_[first + k];
            Control& line = C("Haut", k);
            line.caption = text.substr(1);
            bool heading = !text.empty() && text[0] != '0';
            line.font.underline = heading;
            line.fore = heading ? kHeadingText : kCreditsText;
        }
    }

    // The tab control reports the tab that was left: the credits stop when they are left and
    // start again from the top of the table, but the scroll goes on where it had got to.
    void ChangeTab(int shown, int left) {
        if (shown == left) return;
        C("Onglet", 0).visible = shown == 0;
        C("Onglet", 1).visible = shown == 1;
        if (left == 1) C("Timer1").enabled = false;
        if (left == 0) {
            StartTimer(C("Timer1"), 200);
            ShowLines(0);
        }
    }

    void Scroll() {
        if (scroll_ >= kLastScroll) return;
        ++scroll_;
        ShowLines(scroll_);
    }

    std::vector<std::string> credits_;
    int scroll_ = 0;
};

}  // namespace

std::unique_ptr<Screen> MakeFrmAbout() { return std::make_unique<frmAbout>(); }

void OpenAbout() { Ui::Get().ShowModal(MakeFrmAbout()); }
