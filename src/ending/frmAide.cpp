// The rules help: a tab strip of topics over a parchment page; the last page is the class
// table, read from the class templates.
#include "ending/frmAide.h"

#include "ending/HelpTexts.h"
#include "state/Classes.h"
#include "state/Text.h"
#include "ui/KeyBindings.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr int kPageLeft = 8, kPageTop = 34, kPageWidth = 624, kPageHeight = 398;
constexpr int kTableTop = 46, kRowPitch = 19;
constexpr Rgb kParchment{246, 238, 218};
constexpr Rgb kRowShade{232, 220, 192};
constexpr Rgb kInk{44, 32, 20};
constexpr Rgb kHeading{110, 30, 18};

// The class table's columns: control name, left, width, alignment.
struct Column {
    const char* name;
    int left, width;
    Align align;
};
constexpr Column kColumns[] = {
    {"lblClasse", 16, 150, Align::Left},  {"lblMouvement", 170, 110, Align::Left},
    {"lblAttaque", 284, 56, Align::Center}, {"lblDefense", 344, 56, Align::Center},
    {"lblAgilite", 404, 56, Align::Center}, {"lblHeures", 468, 140, Align::Left},
};

// Movement as set-up shows it: dice, and the bonus when there is one ("2 D6 + 2").
std::string MovementText(const std::string& t) {
    std::string text = DigitText(classes::TemplateDigit(t, 1)) + " D6";
    int bonus = classes::TemplateDigit(t, 2);
    if (bonus != 0) text += " + " + DigitText(bonus);
    return text;
}

std::string HoursText(const std::string& t, const HelpWords& w) {
    const bool day = t.size() >= 2 && t[t.size() - 2] == '1';
    const bool night = !t.empty() && t.back() == '1';
    if (day && night) return w.dayAndNight;
    return day ? w.dayOnly : night ? w.nightOnly : "-";
}

std::string Replace(std::string text, const std::string& what, const std::string& by) {
    size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), by);
    return text;
}

class frmAide : public Screen {
public:
    frmAide() : Screen("frmAide", kWidth, kHeight), topics_(HelpTopics()), words_(HelpWordsNow()) {
        caption = words_.caption;
        Layout();
        On("Sujets_Click", [this](const EventArgs& a) { ShowPage(a.index); }, "I");
        On("Precedent_Click", [this](const EventArgs&) { ShowPage(page_ - 1); });
        On("Suivant_Click", [this](const EventArgs&) { ShowPage(page_ + 1); });
        On("OK_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        On("MNU_Fermer_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        ExposeVar("HelpPage", &page_);
        ShowPage(0);
    }

private:
    int LastPage() const { return static_cast<int>(topics_.size()) - 1; }

    void Layout() {
        Control& tabs = Place(Add(Kind::TabStrip, "Sujets"), kPageLeft, 8, kPageWidth, 24);
        for (const HelpTopic& t : topics_) tabs.tabs.push_back(t.tab);
        Control& page = Place(Add(Kind::Panel, "Page"), kPageLeft, kPageTop, kPageWidth, kPageHeight);
        page.opaque = true;
        page.back = kParchment;
        page.border = true;
        Control& title = OnPage(Kind::Label, "lblTitre", -1, 16, 10, kPageWidth - 32, 26);
        title.font = Font{"Times New Roman", 14, true, false};
        title.fore = kHeading;
        Control& text = OnPage(Kind::Label, "lblTexte", -1, 16, 44, kPageWidth - 32, kPageHeight - 54);
        text.wordWrap = true;
        text.fore = kInk;
        text.font.size = 10.5;
        LayoutClassTable();
        Place(Add(Kind::Button, "Precedent"), 8, 442, 110, 28).caption = words_.previous;
        Place(Add(Kind::Button, "Suivant"), 126, 442, 110, 28).caption = words_.next;
        Control& number = Place(Add(Kind::Label, "lblPage"), 244, 448, 270, 18);
        number.align = Align::Center;
        Place(Add(Kind::Button, "OK"), kWidth - 118, 442, 110, 28).caption = words_.close;
        AddKeys();
    }

    Control& OnPage(Kind kind, const char* name, int index, int left, int top, int width, int height) {
        Control& c = Place(Add(kind, name, index), left, top, width, height);
        c.parent = "Page";
        return c;
    }

    // Row 0 holds the headings; rows 1-16 the classes in their numbering.
    void LayoutClassTable() {
        for (int row = 0; row <= classes::kCount; ++row) {
            Control& band = OnPage(Kind::Panel, "Rangee", row, 12, kTableTop + kRowPitch * row - 2,
                                   kPageWidth - 24, kRowPitch);
            band.opaque = row % 2 == 0;
            band.back = row == 0 ? kHeading : kRowShade;
        }
        const std::string* headings[] = {&words_.className, &words_.movement, &words_.attack,
                                         &words_.defence,   &words_.agility,  &words_.hours};
        for (int row = 0; row <= classes::kCount; ++row) {
            const std::string t = classes::Template(row);
            const std::string cells[] = {classes::Name(row),
                                         MovementText(t),
                                         DigitText(classes::TemplateDigit(t, 6)),
                                         DigitText(classes::TemplateDigit(t, 7)),
                                         DigitText(classes::TemplateDigit(t, 8)),
                                         HoursText(t, words_)};
            for (int k = 0; k < 6; ++k) {
                const Column& col = kColumns[k];
                Control& cell = OnPage(Kind::Label, col.name, row, col.left, kTableTop + kRowPitch * row,
                                       col.width, kRowPitch - 2);
                cell.align = col.align;
                cell.caption = row == 0 ? *headings[k] : cells[k];
                cell.fore = row == 0 ? colors::kWhite : kInk;
                cell.font.bold = row == 0;
            }
        }
        Control& note = OnPage(Kind::Label, "lblNote", -1, 16, kTableTop + kRowPitch * (classes::kCount + 1) + 6,
                               kPageWidth - 32, 18);
        note.caption = words_.tableNote;
        note.font.italic = true;
        note.fore = kInk;
    }

    // The pages turn and the help closes from the keyboard (the keys come from the key table;
    // closing by key goes through a pop-up menu that is never shown).
    void AddKeys() {
        Control& menu = Add(Kind::Menu, "MNU_Touches");
        menu.popupMenu = true;
        Control& close = Add(Kind::Menu, "MNU_Fermer");
        close.parent = "MNU_Touches";
        close.caption = words_.close;
        ApplyKeyBindings(*this);
    }

    void ShowPage(int page) {
        if (page < 0 || page > LastPage()) return;
        page_ = page;
        const HelpTopic& topic = topics_[page];
        const bool table = page == LastPage();
        C("Sujets").selectedTab = page;
        C("lblTitre").caption = topic.title;
        C("lblTexte").caption = topic.body;
        C("lblTexte").visible = !table;
        for (Control& c : Controls())
            if (c.index >= 0 && c.parent == "Page") c.visible = table;   // the table's rows and cells
        C("lblNote").visible = table;
        C("Precedent").enabled = page > 0;
        C("Suivant").enabled = page < LastPage();
        C("lblPage").caption = Replace(Replace(words_.pageOf, "%1", DigitText(page + 1)), "%2",
                                       DigitText(LastPage() + 1));
    }

    std::vector<HelpTopic> topics_;
    HelpWords words_;
    int page_ = 0;
};

}  // namespace

std::unique_ptr<Screen> MakeFrmAide() { return std::make_unique<frmAide>(); }

void OpenHelp() { Ui::Get().ShowModal(MakeFrmAide()); }
