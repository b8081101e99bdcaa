// The journal: the recorded messages broken into lines under four headings, a window of
// kRows lines scrolled by buttons and keys. The messages are written in one ink; only the
// character's name takes its player's colour, and a thin rule parts one message from the next.
// What the computer said of its decisions stands among them in italics, in an ink of its own.
#include "ending/frmJournal.h"

#include <algorithm>

#include "ending/WrapLines.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Text.h"
#include "ui/KeyBindings.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kWidth = 680, kHeight = 470;
constexpr int kRows = 23, kRowTop = 30, kRowPitch = 16;
constexpr int kTextChars = 66;   // fits the message column in the journal's font
constexpr int kNameChars = 16;
constexpr Rgb kParchment{246, 238, 218};
constexpr Rgb kInk{44, 32, 20};
constexpr Rgb kHeading{110, 30, 18};
constexpr Rgb kRule{214, 198, 166};   // between two messages: barely darker than the parchment
constexpr Rgb kAsideInk{40, 70, 110};  // the computer's words
// The players' colours (red, blue, green, yellow) deep enough to read on the parchment; 0 is
// a message whose player is not known (a game saved before the journal kept it).
constexpr Rgb kPlayerInk[5] = {kInk, {172, 24, 24}, {28, 48, 176}, {22, 112, 34}, {128, 92, 0}};

struct Words {
    const char *caption, *day, *hour, *character, *message, *empty, *entries, *entry, *close, *asides;
};
const Words kFrench{"Journal de la partie", "Jour", "Heure", "Personnage", "Message",
                    "Aucun message n'a encore été affiché.", "Entrées %1 à %2 sur %3", "Entrée %1 sur %3", "Fermer",
                    "En italique : ce que l'ordinateur a dit de ses choix"};
const Words kEnglish{"Game journal", "Day", "Hour", "Character", "Message",
                     "No message has been shown yet.", "Entries %1 to %2 of %3", "Entry %1 of %3", "Close",
                     "In italics: what the computer said of its choices"};

// One line of the list: the first line of a message carries its day, hour and character.
struct Line {
    std::string day, hour, name, text;
    int message;   // which message, from 0 (an aside: the message before it)
    int player;    // its character's player, 0 when not known
    bool first;    // the message's first line
    bool aside = false;   // the computer's words rather than a message
};

struct Column {
    const char* name;
    int left, width;
};
constexpr Column kColumns[] = {{"lblJour", 8, 40}, {"lblHeure", 52, 52}, {"lblNom", 108, 110}, {"lblTexte", 222, 434}};

std::string Fill(std::string text, const std::string& a, const std::string& b, const std::string& c) {
    const std::string* values[] = {&a, &b, &c};
    for (int k = 0; k < 3; ++k) {
        std::string mark = "%" + std::to_string(k + 1);
        size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, mark.size(), *values[k]);
    }
    return text;
}

class frmJournal : public Screen {
public:
    frmJournal()
        : Screen("frmJournal", kWidth, kHeight), words_(gd.LanguageOffset == 2000 ? kEnglish : kFrench) {
        caption = words_.caption;
        BuildLines();
        Layout();
        On("ScrollUp_Click", [this](const EventArgs&) { ScrollTo(first_ - 1); });
        On("ScrollDn_Click", [this](const EventArgs&) { ScrollTo(first_ + 1); });
        On("OK_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        On("MNU_PageHaut_Click", [this](const EventArgs&) { ScrollTo(first_ - kRows); });
        On("MNU_PageBas_Click", [this](const EventArgs&) { ScrollTo(first_ + kRows); });
        On("MNU_Debut_Click", [this](const EventArgs&) { ScrollTo(0); });
        On("MNU_Fin_Click", [this](const EventArgs&) { ScrollTo(LastFirst()); });
        On("MNU_Fermer_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        lineCount_ = static_cast<int>(lines_.size());
        entryCount_ = static_cast<int>(JournalEntries().size());
        ExposeVar("FirstLine", &first_);
        ExposeVar("LineCount", &lineCount_);
        ExposeVar("EntryCount", &entryCount_);
        ScrollTo(LastFirst());
    }

private:
    int LastFirst() const { return std::max(0, static_cast<int>(lines_.size()) - kRows); }

    std::string HourText(int hour) const {
        return gd.LanguageOffset == 2000 ? PadDigits(hour, 2) + ":00" : DigitText(hour) + " h";
    }

    void BuildLines() {
        const std::vector<JournalEntry>& entries = JournalEntries();
        const std::vector<JournalAside>& asides = JournalAsides();
        size_t nextAside = 0;
        auto asidesUpTo = [&](size_t after) {
            for (; nextAside < asides.size() && asides[nextAside].after <= after; ++nextAside)
                AddLines(asides[nextAside].entry, static_cast<int>(after) - 1, true);
        };
        for (size_t k = 0; k < entries.size(); ++k) {
            asidesUpTo(k);
            AddLines(entries[k], static_cast<int>(k), false);
        }
        asidesUpTo(entries.size());
    }

    void AddLines(const JournalEntry& e, int message, bool aside) {
        std::u32string name = FromUtf8(e.characterName);
        if (name.size() > static_cast<size_t>(kNameChars)) name.resize(kNameChars);
        const int player = e.player >= 1 && e.player <= 4 ? e.player : 0;
        bool first = true;
        for (const std::string& text : WrapLines(e.text, kTextChars)) {
            Line line{"", "", "", text, std::max(0, message), player, first, aside};
            if (first) {
                line.day = DigitText(e.day);
                line.hour = HourText(e.hour);
                line.name = ToUtf8(name);
            }
            first = false;
            lines_.push_back(line);
        }
        if (aside) hasAsides_ = true;
    }

    void Layout() {
        Control& frame = Place(Add(Kind::Panel, "Cadre"), 8, 8, kWidth - 16, 412);
        frame.opaque = true;
        frame.back = kParchment;
        frame.border = true;
        const char* headings[] = {words_.day, words_.hour, words_.character, words_.message};
        const char* headingNames[] = {"hdrJour", "hdrHeure", "hdrNom", "hdrTexte"};
        for (int k = 0; k < 4; ++k) {
            Control& h = InFrame(Kind::Label, headingNames[k], -1, kColumns[k].left, 6, kColumns[k].width, 18);
            h.caption = headings[k];
            h.font.bold = true;
            h.fore = kHeading;
        }
        Control& rule = Add(Kind::Line, "Trait");
        Place(rule, 16, 34, kWidth - 16, 34).fore = kHeading;
        for (int row = 0; row < kRows; ++row)
            for (const Column& col : kColumns) {
                Control& cell = InFrame(Kind::Label, col.name, row, col.left, kRowTop + kRowPitch * row,
                                        col.width, kRowPitch);
                cell.font = Font{"Arial", 8.25, false, false};
            }
        // The rules between messages, over the top of the row a new message begins on.
        for (int row = 1; row < kRows; ++row) {
            const int y = 8 + kRowTop + kRowPitch * row;
            Control& rule = Place(Add(Kind::Line, "Separation", row), 16, y, kWidth - 16, y);
            rule.fore = kRule;
            rule.decoration = true;
            rule.visible = false;
        }
        Control& empty = InFrame(Kind::Label, "lblVide", -1, kColumns[3].left, kRowTop + 8, kColumns[3].width, 18);
        empty.caption = words_.empty;
        empty.font.italic = true;
        empty.visible = lines_.empty();
        Control& legend = InFrame(Kind::Label, "lblApartes", -1, kColumns[3].left, kRowTop + kRowPitch * kRows + 2,
                                  kColumns[3].width, kRowPitch);
        legend.caption = words_.asides;
        legend.font = Font{"Arial", 8.25, false, true};
        legend.fore = kAsideInk;
        legend.visible = hasAsides_;
        Place(Add(Kind::Button, "ScrollUp"), 8, 430, 32, 28).caption = "\u25B2";
        Place(Add(Kind::Button, "ScrollDn"), 46, 430, 32, 28).caption = "\u25BC";
        Place(Add(Kind::Label, "lblEntrees"), 90, 436, 300, 18).caption = "";
        Place(Add(Kind::Button, "OK"), kWidth - 118, 430, 110, 28).caption = words_.close;
        AddKeys();
    }

    Control& InFrame(Kind kind, const char* name, int index, int left, int top, int width, int height) {
        Control& c = Place(Add(kind, name, index), left, top, width, height);
        c.parent = "Cadre";
        return c;
    }

    // Up and Down scroll a line, PgUp and PgDown a page, Home and End go to either end;
    // Return and Escape close (the keys come from the key table). Keys without a button of
    // their own sit on a pop-up menu that is never shown.
    void AddKeys() {
        Control& menu = Add(Kind::Menu, "MNU_Touches");
        menu.popupMenu = true;
        for (const char* entry : {"MNU_PageHaut", "MNU_PageBas", "MNU_Debut", "MNU_Fin", "MNU_Fermer"}) {
            Control& c = Add(Kind::Menu, entry);
            c.parent = "MNU_Touches";
            c.caption = entry + 4;
        }
        ApplyKeyBindings(*this);
    }

    void ScrollTo(int first) {
        first_ = std::clamp(first, 0, LastFirst());
        for (int row = 0; row < kRows; ++row) {
            const int k = first_ + row;
            const bool used = k < static_cast<int>(lines_.size());
            const Line blank{"", "", "", "", 0, 0, false};
            const Line& line = used ? lines_[k] : blank;
            const std::string* texts[] = {&line.day, &line.hour, &line.name, &line.text};
            for (int c = 0; c < 4; ++c) {
                Control& cell = C(kColumns[c].name, row);
                cell.caption = *texts[c];
                cell.fore = c == 2 ? kPlayerInk[line.player] : line.aside ? kAsideInk : kInk;
                cell.font.italic = line.aside;
            }
            if (row > 0) C("Separation", row).visible = used && line.first;
        }
        C("ScrollUp").enabled = first_ > 0;
        C("ScrollDn").enabled = first_ < LastFirst();
        C("lblEntrees").caption = EntriesText();
    }

    // Which messages the window shows, counted from 1, of how many: a message shows when one
    // of its lines does.
    std::string EntriesText() const {
        if (lines_.empty()) return "";
        const int shown = std::min(kRows, static_cast<int>(lines_.size()) - first_);
        const int from = lines_[first_].message + 1, to = lines_[first_ + shown - 1].message + 1;
        return Fill(from == to ? words_.entry : words_.entries, DigitText(from), DigitText(to), DigitText(entryCount_));
    }

    Words words_;
    std::vector<Line> lines_;
    bool hasAsides_ = false;
    int first_ = 0;
    int lineCount_ = 0;
    int entryCount_ = 0;
};

}  // namespace

std::unique_ptr<Screen> MakeFrmJournal() { return std::make_unique<frmJournal>(); }

void OpenJournal() { Ui::Get().ShowModal(MakeFrmJournal()); }
