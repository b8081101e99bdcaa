// The end picture under the end screen's texts: the tower's banner and the three keys stay
// clear of the headline, of the band with the ending sentence and of the OK button, for both
// sentences and at every scale the windows take.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "ending_layout.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "view/ScreenView.h"

namespace {

QRectF Rect(const ending::Box& b) { return QRectF(QPointF(b.left, b.top), QPointF(b.right, b.bottom)); }
QRectF Rect(const Control& c) { return QRectF(c.left, c.top, c.width, c.height); }

// Where a label's text is painted at a scale, in the screen's pixels: the label's width,
// its lines (wrapped as the window wraps them) from its top.
QRectF TextArea(const Control& c, int scale) {
    QFont font = MakeFont(c.font);
    font.setPixelSize(font.pixelSize() * scale);
    const QFontMetricsF metrics(font);
    const int flags = Qt::AlignTop | Qt::AlignHCenter | (c.wordWrap ? Qt::TextWordWrap : 0);
    const QRectF text = metrics.boundingRect(QRectF(0, 0, c.width * scale, 10000), flags, QString::fromStdString(c.caption));
    return QRectF(c.left + text.left() / scale, c.top, text.width() / scale, text.height() / scale);
}

}  // namespace

TEST(EndPictureLayout, NothingThePictureShowsLiesUnderTheTexts) {
    const std::pair<const char*, ending::Box> landmarks[] = {
        {"banner", ending::kBanner},
        {"runic key", ending::Bounds(ending::kRunicKey)},
        {"shadow key", ending::Bounds(ending::kShadowKey)},
        {"gold key", ending::Bounds(ending::kGoldKey)},
    };
    for (int door : {5, 6}) {
        Session session(false);
        gd.PlayerCount = 2;
        gd.CurrentCharacter = 1;
        gd.DoorState[1] = door;
        OpenEndScreen();
        Screen* end = session.screen("frmFini");
        ASSERT_NE(end, nullptr);
        const Control& headline = end->C("Label1");
        const Control& sentence = end->C("Label2");
        ASSERT_FALSE(sentence.caption.empty());
        for (int scale : {1, 2, 3}) {
            // The texts stay inside their own places, which the picture leaves free.
            const QRectF head = TextArea(headline, scale), line = TextArea(sentence, scale);
            EXPECT_TRUE(Rect(headline).contains(head)) << "scale " << scale;
            EXPECT_TRUE(Rect(sentence).contains(line)) << "door " << door << ", scale " << scale;
        }
        for (const auto& [what, box] : landmarks) {
            for (const char* text : {"Label1", "Bandeau", "Label2", "Command1"})
                EXPECT_FALSE(Rect(box).intersects(Rect(end->C(text)))) << what << " under " << text;
            EXPECT_TRUE(QRectF(0, 0, 800, 600).contains(Rect(box))) << what;
        }
    }
}
