#include "view/Render.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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

}  // namespace

QImage RenderScreen(Screen& screen, double scale, const std::string& openMenu, const std::string& popup, int px,
                    int py) {
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
    p.end();
    window.hide();
    return WithTitle(body, screen.caption, scale);
}

QImage RenderTop(double scale, const std::string& openMenu, const std::string& popup, int px, int py) {
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
    QImage a = RenderScreen(*main, scale, popupOnMain ? openMenu : "", popupOnMain ? popup : "", px, py);
    if (!panel) return a;
    QImage b = RenderScreen(*panel, scale, openMenu, popup, px, py);
    QImage out(a.width() + 8 + b.width(), std::max(a.height(), b.height() + 40), QImage::Format_RGB32);
    out.fill(QColor(40, 40, 48));
    QPainter p(&out);
    p.drawImage(0, 0, a);
    p.drawImage(a.width() + 8, 40, b);
    return out;
}
