#include "view/Render.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/ScreenView.h"

namespace {

// A window title bar of our own, so that pictures show the caption as a window would; it
// grows with the windows' scale, as a desktop scaled for its screen draws it.
int Scaled(int v, double scale) { return static_cast<int>(std::lround(v * scale)); }

QImage WithTitle(const QImage& body, const std::string& caption, double scale) {
    const int bar = Scaled(22, scale);
    QImage out(body.width(), body.height() + bar, QImage::Format_RGB32);
    QPainter p(&out);
    QLinearGradient g(0, 0, body.width(), 0);
    g.setColorAt(0, QColor(10, 36, 106));
    g.setColorAt(1, QColor(166, 202, 240));
    p.fillRect(0, 0, body.width(), bar, g);
    QFont f("Arial");
    f.setPixelSize(Scaled(12, scale));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(Scaled(6, scale), 0, body.width() - Scaled(12, scale), bar), Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(caption));
    p.drawImage(0, bar, body);
    return out;
}

// A tip as the desktop shows one under the pointer: dark text on a pale box, at the window's
// scale, kept inside the picture.
void DrawTip(QPainter& p, const QString& text, QPoint at, double scale, QSize bounds) {
    if (text.isEmpty()) return;
    QFont f = QToolTip::font();
    f.setPixelSize(Scaled(12, scale));
    p.setFont(f);
    const int pad = Scaled(4, scale);
    QRect box = p.fontMetrics().boundingRect(QRect(0, 0, bounds.width(), bounds.height()), Qt::AlignLeft, text);
    box.adjust(-pad, -pad, pad, pad);
    box.moveTopLeft(at + QPoint(Scaled(8, scale), Scaled(12, scale)));
    if (box.right() >= bounds.width()) box.moveRight(bounds.width() - 1);
    if (box.left() < 0) box.moveLeft(0);  // a tip wider than a narrow window starts at its edge
    if (box.bottom() >= bounds.height()) box.moveBottom(at.y() - Scaled(40, scale));
    p.fillRect(box, QColor(255, 255, 225));
    p.setPen(QColor(90, 90, 90));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignLeft, text);
}

}  // namespace

QImage RenderScreen(Screen& screen, double scale, const std::string& openMenu, const std::string& popup, int px,
                    int py, const std::string& tip) {
    ScreenWindow window(screen, scale);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.Sync();
    window.adjustSize();
    QImage body = window.grab().toImage();
    QPainter p(&body);
    int menuBarHeight = window.height() - window.canvas()->height();
    if (!openMenu.empty()) {
        auto* bar = window.findChild<QMenuBar*>();
        for (Control& c : screen.Controls()) {
            if (c.Key() != openMenu || !bar) continue;
            QMenu* m = window.BuildMenu(openMenu, &window);
            m->setAttribute(Qt::WA_DontShowOnScreen);
            m->show();
            int x = 0;
            for (QAction* a : bar->actions())
                if (a->text() == QString::fromStdString(c.caption)) x = bar->actionGeometry(a).left();
            p.drawImage(x, menuBarHeight, m->grab().toImage());
            m->hide();
            m->deleteLater();
        }
    }
    if (!popup.empty()) {
        QMenu* m = window.BuildMenu(popup, &window);
        m->setAttribute(Qt::WA_DontShowOnScreen);
        m->show();
        QImage menu = m->grab().toImage();
        m->hide();
        m->deleteLater();
        // A pop-up menu is a window of its own: it may reach past the screen's edges.
        const int mx = Scaled(px, scale), my = menuBarHeight + Scaled(py, scale);
        if (mx + menu.width() > body.width() || my + menu.height() > body.height()) {
            p.end();
            QImage wider(std::max(body.width(), mx + menu.width()), std::max(body.height(), my + menu.height()),
                         QImage::Format_RGB32);
            wider.fill(QColor(40, 40, 48));
            QPainter w(&wider);
            w.drawImage(0, 0, body);
            w.end();
            body = wider;
            p.begin(&body);
        }
        p.drawImage(mx, my, menu);
    }
    if (Control* c = tip.empty() ? nullptr : screen.Find(tip)) {
        int x = 0, y = 0;
        screen.AbsolutePosition(*c, x, y);
        DrawTip(p, TipText(screen, *c), QPoint(Scaled(x + c->width / 2, scale), menuBarHeight + Scaled(y + c->height, scale)),
                scale, body.size());
    }
    p.end();
    window.hide();
    return WithTitle(body, screen.caption, scale);
}

QImage RenderTop(double scale, const std::string& openMenu, const std::string& popup, int px, int py,
                 const std::string& tip) {
    Screen* top = Ui::Get().Top();
    if (!top) return QImage();
    Screen* panel = nullptr;
    Screen* main = top;
    if (!top->besideScreen.empty()) {
        if (Screen* beside = Ui::Get().Find(top->besideScreen)) {
            panel = top;
            main = beside;
        }
    }
    bool popupOnMain = main == top;
    QImage a = RenderScreen(*main, scale, popupOnMain ? openMenu : "", popupOnMain ? popup : "", px, py,
                            popupOnMain ? tip : "");
    if (!panel) return a;
    QImage b = RenderScreen(*panel, scale, openMenu, popup, px, py, tip);
    QImage out(a.width() + 8 + b.width(), std::max(a.height(), b.height() + 40), QImage::Format_RGB32);
    out.fill(QColor(40, 40, 48));
    QPainter p(&out);
    p.drawImage(0, 0, a);
    p.drawImage(a.width() + 8, 40, b);
    return out;
}
