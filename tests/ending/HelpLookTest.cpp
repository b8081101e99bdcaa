// The help and the journal as a player sees them: painted by the real views, with ink on
// the page. With QUELMOR_SNAP_DIR set, the pictures are also written there to be looked at.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "state/Journal.h"
#include "state/Messages.h"
#include "support/Game.h"
#include "view/Render.h"

namespace {

// Pixels of a rectangle of a screen's client area that are dark, as text is (the picture has
// the window's title bar above the client area).
int InkPixels(const QImage& image, const Screen& screen, int left, int top, int width, int height) {
    const int above = image.height() - screen.height;
    int ink = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (qGray(image.pixel(x, y + above)) < 110) ++ink;
    return ink;
}

void Keep(const QImage& image, const std::string& name) {
    if (const char* dir = std::getenv("QUELMOR_SNAP_DIR"))
        image.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

// The height a label's text takes when the view wraps it in the label's width, in the font
// the view gives it (points at 96 pixels per inch).
int WrappedTextHeight(const Control& label) {
    QFont font(QString::fromStdString(label.font.family));
    font.setPixelSize(static_cast<int>(std::lround(label.font.size * 96.0 / 72.0)));
    font.setBold(label.font.bold);
    font.setItalic(label.font.italic);
    const QRect box = QFontMetrics(font).boundingRect(QRect(0, 0, label.width, 100000),
                                                      Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                                                      QString::fromStdString(label.caption));
    return box.height();
}

constexpr int kMarginLeft = 664;   // right of the journal's message column, inside its frame

}  // namespace

TEST(HelpLook, EveryPageHasInkOnItsParchmentInBothLanguages) {
    for (int offset : {1000, 2000}) {
        FreshProcess();
        gd.LanguageOffset = offset;
        auto help = MakeFrmAide();
        const int pages = static_cast<int>(help->C("Sujets").tabs.size());
        for (int page = 0; page < pages; ++page) {
            help->Tab("Sujets", page);
            QImage image = RenderScreen(*help);
            ASSERT_EQ(image.width(), help->width);
            ASSERT_GE(image.height(), help->height);
            Keep(image, std::string("aide_") + (offset == 2000 ? "en_" : "fr_") + std::to_string(page));
            // The heading, and the text or the table below it.
            EXPECT_GT(InkPixels(image, *help, 24, 44, 400, 26), 60) << page;
            EXPECT_GT(InkPixels(image, *help, 24, 90, 580, 120), 500) << page;
            EXPECT_GT(InkPixels(image, *help, 24, 250, 580, 100), 100) << page;
            // Nothing runs past the page's foot (the page ends at 432, the buttons start at 442).
            EXPECT_EQ(InkPixels(image, *help, 8, 434, 624, 7), 0) << page;
        }
    }
}

// A button that does nothing reads so: its caption is greyed, not inked.
TEST(HelpLook, TheDisabledPageButtonIsGreyed) {
    FreshProcess();
    auto help = MakeFrmAide();
    auto inkOf = [&](const QImage& image, const char* button) {
        const Control& c = help->C(button);
        return InkPixels(image, *help, c.left + 4, c.top + 4, c.width - 8, c.height - 8);
    };
    QImage first = RenderScreen(*help);
    ASSERT_FALSE(help->C("Precedent").enabled);
    EXPECT_LT(inkOf(first, "Precedent"), 5);
    EXPECT_GT(inkOf(first, "Suivant"), 30);
    help->Click("Suivant");
    QImage second = RenderScreen(*help);
    EXPECT_GT(inkOf(second, "Precedent"), 30);
}

// A label clips what does not fit: every page's text must fit its label whole, so that no
// line is lost below the page's edge.
TEST(HelpLook, EveryPageTextFitsItsLabel) {
    for (int offset : {1000, 2000}) {
        FreshProcess();
        gd.LanguageOffset = offset;
        auto help = MakeFrmAide();
        const int pages = static_cast<int>(help->C("Sujets").tabs.size());
        for (int page = 0; page + 1 < pages; ++page) {
            help->Tab("Sujets", page);
            const Control& text = help->C("lblTexte");
            ASSERT_FALSE(text.caption.empty()) << page;
            EXPECT_LE(WrappedTextHeight(text), text.height) << offset << " page " << page << "\n" << text.caption;
            EXPECT_LE(WrappedTextHeight(help->C("lblTitre")), help->C("lblTitre").height) << page;
            // The measure follows the wrapping: in half the width the text needs more height.
            Control narrow = text;
            narrow.width /= 2;
            EXPECT_GT(WrappedTextHeight(narrow), WrappedTextHeight(text)) << page;
        }
    }
}

TEST(HelpLook, TheJournalShowsItsLines) {
    FreshProcess();
    JournalClear();
    for (int k = 0; k < 12; ++k) JournalRecord(MsgId(1110 + k), 1 + k / 6, (13 + k) % 24, "Kayla");
    auto journal = MakeFrmJournal();
    QImage image = RenderScreen(*journal);
    Keep(image, "journal_fr");
    EXPECT_GT(InkPixels(image, *journal, 230, 40, 420, 300), 1000);
    // The message column keeps within the window.
    EXPECT_EQ(InkPixels(image, *journal, kMarginLeft, 40, 6, 370), 0);
    gd.LanguageOffset = 2000;
    JournalClear();
    auto emptyJournal = MakeFrmJournal();
    QImage empty = RenderScreen(*emptyJournal);
    Keep(empty, "journal_en_empty");
    EXPECT_LT(InkPixels(empty, *emptyJournal, 230, 80, 420, 300), 20);
}
