#include "view/ScreenView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTimer>
#include <QToolTip>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "state/GlobalDecl.h"
#include "ui/Screen.h"
#include "ui/Ui.h"
#include "ui/PlayerInput.h"
#include "view/InputHook.h"
#include "view/Pictures.h"
#include "view/QtLanguage.h"

namespace {

QColor Q(const Rgb& c) { return QColor(c.r, c.g, c.b); }
QString S(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QFont MakeFont(const Font& f) {
    QFont font(S(f.family));
    // Point sizes are meant at 96 pixels per inch, whatever the screen says.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 96.0 / 72.0))));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

namespace {

int Flags(const Control& c) {
    int flags = Qt::AlignTop;
    flags |= c.align == Align::Right ? Qt::AlignRight : c.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    if (c.wordWrap) flags |= Qt::TextWordWrap;
    return flags;
}

// A caption wider than its label is painted in a smaller size, down to a floor, and then, if it
// still does not fit, cut short with an ellipsis: it is never clipped at its ends. A caption
// that fits keeps the label's own font. The width is measured at the window's scale too, where
// the glyphs may round wider than at the game's own size.
void FitCaption(QFont& font, QString& text, int width, double scale) {
    if (width <= 0 || text.isEmpty() || text.contains('\n')) return;
    auto wide = [&](const QFont& f, const QString& t) {
        qreal w = QFontMetricsF(f).horizontalAdvance(t);
        if (scale != 1) {
            QFont big = f;
            big.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * scale))));
            w = std::max(w, QFontMetricsF(big).horizontalAdvance(t) / scale);
        }
        return w;
    };
    const qreal room = width - 2;  // a pixel free at each end
    if (wide(font, text) <= room) return;
    const int size = font.pixelSize();
    const int floor = std::min(size, std::max(9, static_cast<int>(std::ceil(size * 0.7))));
    for (int px = size - 1; px >= floor; --px) {
        font.setPixelSize(px);
        if (wide(font, text) <= room) return;
    }
    font.setPixelSize(floor);
    QString cut = text;
    for (int keep = static_cast<int>(text.size()) - 1; keep > 0 && wide(font, cut) > room; --keep)
        cut = text.left(keep).trimmed() + QChar(0x2026);
    text = cut;
}

// On the board the character whose turn it is stands above the others on its cell: its icon,
// with the base in it, is painted after theirs.
void RaiseCurrentCharacter(const Screen& screen, std::vector<Control*>& order) {
    if (screen.Name() != "frmJeu" || gd.CurrentCharacter < 1) return;
    const std::string icon = "Perso1(" + std::to_string(gd.CurrentCharacter) + ")";
    std::stable_partition(order.begin(), order.end(),
                          [&](const Control* c) { return c->Key() != icon && c->parent != icon; });
}

}  // namespace

QFont MenuFont(double scale) {
    QFont font = QApplication::font();
    if (scale <= 1) return font;
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    else font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    return font;
}

// The arrow keys are shown as their arrows: their names would only repeat the entries' captions
// ("Up  Up", "Haut  Up"). Other keys keep their names.
QString ShortcutText(const std::string& key) {
    static const std::pair<const char*, const char16_t*> kArrows[] = {
        {"Left", u"\u2190"}, {"Up", u"\u2191"}, {"Right", u"\u2192"}, {"Down", u"\u2193"}};
    for (const auto& [name, glyph] : kArrows)
        if (key == name) return QString::fromUtf16(glyph);
    return S(key);
}

// Menu captions mark their access key with "&"; "&&" is a plain ampersand either way.
// A note follows the caption on its line: in the shortcut column, which a menu counts twice in
// its width, a long note (a recipe's materials) would make the menu twice as wide.
QString MenuText(const Control& c) {
    QString text = S(c.caption);
    if (!c.note.empty()) text += QString::fromUtf8(" \u2014 ") + S(c.note);
    // An entry's own key, or the program's key that does the same (shown only).
    const std::string& key = c.shortcut.empty() ? c.hotkey : c.shortcut;
    if (!key.empty()) text += "\t" + ShortcutText(key);
    return text;
}

namespace {

// The mark of a menu entry out of reach (an item out of stock, a recipe short of materials):
// a red disc crossed by a white bar.
QIcon WarningIcon() {
    static const QIcon icon = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 0, 0), 2));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.fillRect(QRectF(8, 14, 16, 5), Qt::white);
        return QIcon(pm);
    }();
    return icon;
}

void MarkEntry(QAction* a, const Control& c) { a->setIcon(c.noteWarning ? WarningIcon() : QIcon()); }

int Scaled(int v, double scale) { return static_cast<int>(std::lround(v * scale)); }

}  // namespace

ScreenCanvas::ScreenCanvas(Screen& screen, double scale, QWidget* parent)
    : QWidget(parent), screen_(screen), scale_(scale > 0 ? scale : 1) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);  // a click on a button or a list takes the keyboard from a text box
    setFixedSize(Scaled(screen.width, scale_), Scaled(screen.height, scale_));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScreenCanvas::SetScale(double scale) {
    scale_ = scale > 0 ? scale : 1;
    setFixedSize(Scaled(screen_.width, scale_), Scaled(screen_.height, scale_));
    Sync();
    update();
}

// The screen's pixel that covers the centre of the device pixel under the point, as painting
// fills it.
QPoint ScreenCanvas::FormPixel(const QPointF& at) const {
    // A point past the canvas (a release outside the window) stays past the screen's edge.
    auto form = [this](double d) { return static_cast<int>(std::floor((std::floor(d) + 0.5) / scale_)); };
    return {form(at.x()), form(at.y())};
}

void ScreenCanvas::paintEvent(QPaintEvent*) {
    if (detached_) return;
    // Qt's own words follow a change of the game's language, once this painting is over.
    QTimer::singleShot(0, qApp, FollowGameLanguage);
    QPainter p(this);
    p.scale(scale_, scale_);
    // The pictures come from their drawing nearest above the device's pixels: at a whole scale
    // they fall on the device's pixels one to one, at any other they are smoothly shrunk.
    const double device = scale_ * devicePixelRatioF();
    p.setRenderHint(QPainter::SmoothPixmapTransform, device != std::round(device) || device > 3);
    p.fillRect(0, 0, screen_.width, screen_.height, Q(screen_.backColor));
    if (!screen_.picture.empty()) p.drawPixmap(0, 0, pictures::Sharp(screen_.picture, device));
    std::vector<Control*> order;
    for (Control& c : screen_.Controls()) order.push_back(&c);
    std::sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->order < b->order; });
    RaiseCurrentCharacter(screen_, order);
    const long long now = ViewClock();
    long long repaintIn = -1;
    for (Control* c : order) {
        if (!screen_.Shown(*c)) continue;
        const double alpha = screen_.Opacity(*c, now);
        if (alpha <= 0.0) continue;
        const long long next = NextFadeFrame(*c, now);
        if (next >= 0 && (repaintIn < 0 || next < repaintIn)) repaintIn = next;
        p.setOpacity(alpha);
        PaintControl(p, *c);
    }
    p.setOpacity(1.0);
    // While something fades, the window paints again a few times a second, then sleeps. A
    // fade that now comes sooner than the repaint queued (a banner held until an input, then
    // let go) queues its own.
    if (repaintIn >= 0 && (fadeDue_ < 0 || now + repaintIn < fadeDue_)) {
        const long long due = now + repaintIn;
        fadeDue_ = due;
        QTimer::singleShot(static_cast<int>(repaintIn), this, [this, due] {
            if (fadeDue_ == due) fadeDue_ = -1;
            if (!detached_) update();
        });
    }
}

// In how many milliseconds the control (or a container of it) is next painted differently
// by its fade; -1 when its fade is over or it has none.
long long ScreenCanvas::NextFadeFrame(const Control& c, long long now) {
    long long next = -1;
    const Control* p = &c;
    for (int depth = 0; p && depth < 16; ++depth) {
        if (p->fadeMs > 0) {
            const long long fadeStart = p->shownAt + p->holdMs, fadeEnd = fadeStart + p->fadeMs;
            long long in = now < fadeStart ? fadeStart - now : now < fadeEnd ? kFadeFrameMs : -1;
            if (in >= 0 && (next < 0 || in < next)) next = in;
        }
        p = p->parent.empty() ? nullptr : screen_.Find(p->parent);
    }
    return next;
}

void ScreenCanvas::PaintFocus(QPainter& p, const Control& c, const QRect& r) {
    if (screen_.focus != c.Key() || !screen_.Usable(c)) return;
    p.save();
    p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    // Inside a button, on a list's border, around a picture (whose own edges may be dark).
    const int in = c.kind == Kind::Button ? 3 : c.kind == Kind::Image ? -2 : 1;
    p.drawRect(r.adjusted(in, in, -in - 1, -in - 1));
    p.restore();
}

void ScreenCanvas::PaintControl(QPainter& p, Control& c) {
    int x, y;
    screen_.AbsolutePosition(c, x, y);
    QRect r(x, y, c.width, c.height);
    switch (c.kind) {
        case Kind::Image:
        case Kind::PictureBox: {
            if (c.kind == Kind::PictureBox && c.opaque) p.fillRect(r, Q(c.back));
            const QPixmap& pm = pictures::Sharp(c.picture, scale_ * devicePixelRatioF());
            if (!pm.isNull()) {
                if (c.stretch) p.drawPixmap(r, pm);
                else p.drawPixmap(x, y, pm);
            }
            for (const DrawOp& op : c.drawOps) {
                p.setPen(Q(op.color));
                if (op.type == DrawOp::Line) {
                    p.drawLine(x + op.x1, y + op.y1, x + op.x2, y + op.y2);
                } else if (op.type == DrawOp::Ellipse || op.type == DrawOp::FillEllipse) {
                    // Round shapes keep smooth edges at every scale.
                    p.save();
                    p.setRenderHint(QPainter::Antialiasing, true);
                    const QRectF box(QPointF(x + std::min(op.x1, op.x2), y + std::min(op.y1, op.y2)),
                                     QPointF(x + std::max(op.x1, op.x2) + 1, y + std::max(op.y1, op.y2) + 1));
                    if (op.type == DrawOp::FillEllipse) {
                        p.setPen(Qt::NoPen);
                        p.setBrush(Q(op.color));
                        p.drawEllipse(box);
                    } else {
                        p.setPen(QPen(Q(op.color), 1.0));
                        p.setBrush(Qt::NoBrush);
                        p.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
                    }
                    p.restore();
                } else {
                    QRect box(QPoint(x + std::min(op.x1, op.x2), y + std::min(op.y1, op.y2)),
                              QPoint(x + std::max(op.x1, op.x2), y + std::max(op.y1, op.y2)));
                    if (op.type == DrawOp::FillRect) p.fillRect(box, Q(op.color));
                    else p.drawRect(box.adjusted(0, 0, -1, -1).normalized().adjusted(0, 0, 0, 0)), p.drawRect(box.x(), box.y(), box.width() - 1, box.height() - 1);
                }
            }
            if (c.border) {
                p.setPen(QColor(64, 64, 64));
                p.drawRect(r.adjusted(0, 0, -1, -1));
            }
            PaintFocus(p, c, r);
            break;
        }
        case Kind::Label: {
            if (c.opaque) p.fillRect(r, Q(c.back));
            QFont font = MakeFont(c.font);
            QString text = S(ShownCaption(c));  // a text shown ahead of the caption, if any
            if (!c.wordWrap) FitCaption(font, text, c.width, scale_ * devicePixelRatioF());
            p.setFont(font);
            p.setPen(c.enabled ? Q(c.fore) : QColor(128, 128, 128));
            p.drawText(r, Flags(c), text);
            break;
        }
        case Kind::Button: {
            QStyleOptionButton opt;
            opt.initFrom(this);
            opt.rect = r;
            opt.text = S(c.caption).remove('&');
            opt.state = QStyle::State_Raised;
            if (c.enabled) opt.state |= QStyle::State_Enabled;
            else opt.state &= ~QStyle::State_Enabled;
            // The style draws the caption in the palette's current group: grey when disabled.
            if (!c.enabled) opt.palette.setCurrentColorGroup(QPalette::Disabled);
            if (pressed_ == c.Key()) opt.state |= QStyle::State_Sunken;
            opt.palette.setColor(QPalette::Button, Q(c.back));
            p.setFont(MakeFont(c.font));
            style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
            if (!c.picture.empty()) {
                const QPixmap& one = pictures::Get(c.picture);  // the game's own size places it
                p.drawPixmap(x + (c.width - one.width()) / 2, y + (c.height - one.height()) / 2,
                             pictures::Sharp(c.picture, scale_ * devicePixelRatioF()));
            }
            PaintFocus(p, c, r);
            break;
        }
        case Kind::Frame:
        case Kind::Panel: {
            if (c.opaque || c.kind == Kind::Frame) p.fillRect(r, Q(c.back));
            if (!c.picture.empty()) p.drawPixmap(x, y, pictures::Sharp(c.picture, scale_ * devicePixelRatioF()));
            if (c.kind == Kind::Frame) {
                QRect box = r.adjusted(1, 7, -2, -2);
                p.setPen(QColor(128, 128, 128));
                p.drawRect(box);
                p.setPen(QColor(255, 255, 255));
                p.drawRect(box.translated(1, 1));
                if (!c.caption.empty()) {
                    QFont f = MakeFont(c.font);
                    p.setFont(f);
                    QFontMetrics fm(f);
                    QRect tr(x + 8, y, fm.horizontalAdvance(S(c.caption)) + 6, fm.height());
                    p.fillRect(tr, Q(c.back));
                    p.setPen(Q(c.fore));
                    p.drawText(tr, Qt::AlignCenter, S(c.caption));
                }
            } else if (c.border) {
                p.setPen(QColor(64, 64, 64));
                p.drawRect(r.adjusted(0, 0, -1, -1));
            }
            break;
        }
        case Kind::ListBox: {
            // The game's look: dark wood in a gold frame, light lines, the chosen one in gold.
            const bool game = c.gameLook;
            p.fillRect(r, game ? QColor(52, 34, 20) : QColor(Qt::white));
            p.setPen(game ? QColor(214, 170, 84) : QColor(128, 128, 128));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (game) p.drawRect(r.adjusted(1, 1, -2, -2));
            QFont f = MakeFont(c.font);
            if (game) f.setBold(true);
            p.setFont(f);
            const int line = 16;
            for (size_t i = 0; i < c.items.size(); ++i) {
                QRect lr(x + 2, y + 2 + static_cast<int>(i) * line, c.width - 4, line);
                if (lr.bottom() > r.bottom()) break;
                if (static_cast<int>(i) == c.listIndex) {
                    p.fillRect(lr, game ? QColor(214, 170, 84) : QColor(0, 0, 128));
                    p.setPen(game ? QColor(40, 24, 10) : QColor(Qt::white));
                } else {
                    p.setPen(game ? QColor(255, 236, 180) : QColor(Qt::black));
                }
                p.drawText(lr.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, S(c.items[i]));
            }
            PaintFocus(p, c, r);
            break;
        }
        case Kind::Line: {
            p.setPen(Q(c.fore));
            p.drawLine(c.left, c.top, c.width, c.height);
            break;
        }
        default:
            break;
    }
}

QLineEdit* ScreenCanvas::EditFor(Control& c) {
    auto it = edits_.find(c.Key());
    if (it != edits_.end()) return it->second;
    auto* e = new QLineEdit(this);
    std::string key = c.Key();
    e->setProperty("control", QString::fromStdString(key));
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, [this, key](const QString& t) {
        if (syncing_ || detached_) return;
        const PlayerInput input;
        RunBeforeInputHook();
        if (detached_) return;
        screen_.Type(key, t.toStdString());
    });
    connect(e, &QLineEdit::returnPressed, this, [this, key] {
        if (detached_) return;
        const PlayerInput input;
        RunBeforeInputHook();
        if (detached_) return;
        screen_.Enter(key);
    });
    edits_[key] = e;
    return e;
}

QTabBar* ScreenCanvas::TabsFor(Control& c) {
    auto it = tabBars_.find(c.Key());
    if (it != tabBars_.end()) return it->second;
    auto* t = new QTabBar(this);
    t->setExpanding(false);
    t->setDrawBase(true);
    std::string key = c.Key();
    connect(t, &QTabBar::currentChanged, this, [this, key](int index) {
        if (syncing_ || index < 0 || detached_) return;
        const PlayerInput input;
        RunBeforeInputHook();
        if (detached_) return;
        screen_.Tab(key, index);
    });
    tabBars_[key] = t;
    return t;
}

void ScreenCanvas::Sync() {
    if (detached_) return;
    syncing_ = true;
    for (Control& c : screen_.Controls()) {
        if (c.kind != Kind::TextBox && c.kind != Kind::TabStrip) continue;
        int x, y;
        screen_.AbsolutePosition(c, x, y);
        const QRect geo(QPoint(Scaled(x, scale_), Scaled(y, scale_)), QPoint(Scaled(x + c.width, scale_) - 1, Scaled(y + c.height, scale_) - 1));
        Font f = c.font;
        f.size *= scale_;
        if (c.kind == Kind::TextBox) {
            QLineEdit* e = EditFor(c);
            e->setGeometry(geo);
            e->setFont(MakeFont(f));
            if (e->text().toStdString() != c.text) e->setText(S(c.text));
            e->setEnabled(c.enabled);
            bool show = screen_.Shown(c);
            if (show && !e->isVisible()) {
                e->show();
                e->setFocus();
            } else if (!show) {
                e->hide();
            }
        } else {
            QTabBar* t = TabsFor(c);
            while (t->count() > static_cast<int>(c.tabs.size())) t->removeTab(t->count() - 1);
            for (size_t i = 0; i < c.tabs.size(); ++i) {
                // The tabs' flags grow with the window, crisply, as every picture does.
                QIcon icon;
                if (i < c.tabIcons.size()) {
                    const QPixmap& flag = pictures::Get(c.tabIcons[i]);
                    if (!flag.isNull()) {
                        const QSize size(Scaled(flag.width(), scale_), Scaled(flag.height(), scale_));
                        t->setIconSize(size);
                        QPixmap sharp = pictures::Sharp(c.tabIcons[i], scale_ * devicePixelRatioF());
                        sharp.setDevicePixelRatio(1);
                        // The game's own flag grows by whole factors pixel for pixel; a larger
                        // drawing, or a fractional factor, is shrunk or grown smoothly.
                        const bool crisp = sharp.size() == flag.size() && scale_ == std::round(scale_);
                        if (sharp.size() != size)
                            sharp = sharp.scaled(size, Qt::IgnoreAspectRatio, crisp ? Qt::FastTransformation : Qt::SmoothTransformation);
                        icon = QIcon(sharp);
                    }
                }
                if (static_cast<int>(i) >= t->count()) t->addTab(icon, S(c.tabs[i]));
                else {
                    t->setTabText(static_cast<int>(i), S(c.tabs[i]));
                    t->setTabIcon(static_cast<int>(i), icon);
                }
            }
            t->setCurrentIndex(c.selectedTab);
            t->setFont(MakeFont(f));
            t->setGeometry(geo);
            t->setVisible(screen_.Shown(c));
            t->setEnabled(c.enabled);
        }
    }
    FollowFocus();
    syncing_ = false;
}

static std::string KeyOf(Control* c) { return c ? c->Key() : std::string("Form"); }

void ScreenCanvas::mousePressEvent(QMouseEvent* e) {
    if (detached_) return;
    const PlayerInput input;
    RunBeforeInputHook();
    if (detached_) return;  // a timer that fell due meanwhile closed the screen
    const QPoint form = FormPixel(e->position());
    const int fx = form.x(), fy = form.y();
    Control* c = screen_.HitTest(fx, fy);
    if (c && !screen_.Usable(*c)) return;
    int x = fx, y = fy;
    if (c) {
        int ax, ay;
        screen_.AbsolutePosition(*c, ax, ay);
        x -= ax;
        y -= ay;
        if (c->kind == Kind::ListBox) {
            int line = (y - 2) / 16;
            screen_.Select(c->Key(), line);
            return;
        }
    }
    int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    int shift = ((e->modifiers() & Qt::ShiftModifier) ? 1 : 0) | ((e->modifiers() & Qt::ControlModifier) ? 2 : 0) |
                ((e->modifiers() & Qt::AltModifier) ? 4 : 0);
    pressed_ = KeyOf(c);
    pressedButton_ = button;
    update();
    screen_.Press(pressed_, x, y, button, shift);
}

void ScreenCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (detached_ || pressed_.empty()) return;
    const PlayerInput input;
    RunBeforeInputHook();
    if (detached_) return;
    const QPoint form = FormPixel(e->position());
    const int fx = form.x(), fy = form.y();
    std::string key = pressed_;
    pressed_.clear();
    Control* under = screen_.HitTest(fx, fy);
    Control* c = key == "Form" ? nullptr : screen_.Find(key);
    int x = fx, y = fy;
    if (c) {
        int ax, ay;
        screen_.AbsolutePosition(*c, ax, ay);
        x -= ax;
        y -= ay;
    }
    int shift = ((e->modifiers() & Qt::ShiftModifier) ? 1 : 0) | ((e->modifiers() & Qt::ControlModifier) ? 2 : 0) |
                ((e->modifiers() & Qt::AltModifier) ? 4 : 0);
    update();
    screen_.Release(key, x, y, pressedButton_, shift, KeyOf(under) == key);
}

void ScreenCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (detached_) return;
    const PlayerInput input;
    RunBeforeInputHook();
    if (detached_) return;
    const QPoint form = FormPixel(e->position());
    const int fx = form.x(), fy = form.y();
    Control* c = screen_.HitTest(fx, fy);
    if (!c || !screen_.Usable(*c) || e->button() != Qt::LeftButton) return;
    int ax, ay;
    screen_.AbsolutePosition(*c, ax, ay);
    if (c->kind == Kind::ListBox) {
        screen_.Select(c->Key(), (fy - ay - 2) / 16, true);
        return;
    }
    // A double click is a press, a release and a double-click event.
    std::string key = c->Key();
    screen_.Press(key, fx - ax, fy - ay, 1, 0);
    if (detached_) return;
    screen_.Release(key, fx - ax, fy - ay, 1, 0, false);
    if (detached_) return;
    screen_.DoubleClickEvent(key, fx - ax, fy - ay);
}

void ScreenCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (detached_) return;
    const QPoint form = FormPixel(e->position());
    const int fx = form.x(), fy = form.y();
    Control* c = screen_.HitTest(fx, fy);
    std::string name = c ? c->name : "Form";
    if (!screen_.HasHandler(name + "_MouseMove")) return;
    const PlayerInput input;
    RunBeforeInputHook();
    if (detached_) return;
    int ax = 0, ay = 0;
    if (c) screen_.AbsolutePosition(*c, ax, ay);
    screen_.MouseMove(KeyOf(c), fx - ax, fy - ay);
}

// A text box that takes the keyboard (clicked, or shown) is where the screen's focus is.
bool ScreenCanvas::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn && !detached_ && !syncing_) {
        const QString key = watched->property("control").toString();
        if (!key.isEmpty() && screen_.focus != key.toStdString()) {
            screen_.focus = key.toStdString();
            update();
        }
    }
    return QWidget::eventFilter(watched, e);
}

void ScreenCanvas::FollowFocus() {
    Control* c = screen_.focus.empty() ? nullptr : screen_.Find(screen_.focus);
    if (!c || !screen_.Shown(*c)) return;
    QWidget* target = this;
    if (c->kind == Kind::TextBox && edits_.count(c->Key())) target = edits_[c->Key()];
    if (c->kind == Kind::TabStrip && tabBars_.count(c->Key())) target = tabBars_[c->Key()];
    if (!target->hasFocus()) target->setFocus(Qt::TabFocusReason);
}

QString TipText(Screen& screen, const Control& c) {
    QString tip = S(c.purpose.empty() ? c.tooltip : c.purpose);
    if (!c.hotkey.empty()) tip += (tip.isEmpty() ? "" : "  ") + QString("[%1]").arg(S(c.hotkey));
    if (!c.whyNot.empty() && !screen.Usable(c)) tip += (tip.isEmpty() ? "" : "\n") + S(c.whyNot);
    return tip;
}

bool ScreenCanvas::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && !detached_) {
        auto* he = static_cast<QHelpEvent*>(e);
        const QPoint form = FormPixel(he->pos());
        Control* c = screen_.HitTest(form.x(), form.y());
        const QString tip = c ? TipText(screen_, *c) : QString();
        if (!tip.isEmpty()) {
            // The tip's text is as large as the window's own.
            QFont font = QToolTip::font();
            font.setPixelSize(Scaled(12, scale_));
            QToolTip::setFont(font);
            QToolTip::showText(he->globalPos(), tip, this);
        }
        else QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

ScreenWindow::ScreenWindow(Screen& screen, double scale) : screen_(screen) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    canvas_ = new ScreenCanvas(screen, scale, this);
    BuildMenuBar();
    if (menuBar_) layout->setMenuBar(menuBar_);
    layout->addWidget(canvas_, 0, Qt::AlignCenter);
    if (!screen.icon.empty()) setWindowIcon(QIcon(pictures::Get(screen.icon)));
    Sync();
}

void ScreenWindow::BuildMenuBar() {
    bool any = false;
    for (Control& c : screen_.Controls())
        if (c.kind == Kind::Menu && c.parent.empty() && !c.popupMenu) any = true;
    if (!any) return;
    menuBar_ = new QMenuBar(this);
    menuBar_->setFont(MenuFont(canvas_->scale()));
    for (Control& c : screen_.Controls()) {
        if (c.kind != Kind::Menu || !c.parent.empty() || c.popupMenu) continue;
        QMenu* m = BuildMenu(c.Key(), menuBar_);
        m->setTitle(S(c.caption));
        actions_[c.Key()] = menuBar_->addMenu(m);
    }
}

QMenu* ScreenWindow::BuildMenu(const std::string& menu, QWidget* parent) {
    auto* m = new QMenu(parent);
    m->setFont(MenuFont(canvas_->scale()));   // a menu is a window of its own: it inherits no font
    for (Control& c : screen_.Controls()) {
        if (c.kind != Kind::Menu || c.parent != menu) continue;
        if (c.separator) {
            actions_[c.Key()] = m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(MenuText(c));
        MarkEntry(a, c);
        a->setCheckable(c.checked);
        a->setChecked(c.checked);
        a->setVisible(c.visible);
        a->setEnabled(c.enabled);
        std::string key = c.Key();
        connect(a, &QAction::triggered, this, [this, key] { MenuChosen(key); });
        actions_[key] = a;
    }
    return m;
}

void ScreenWindow::MenuChosen(const std::string& key) {
    if (detached_) return;
    const PlayerInput input;
    RunBeforeInputHook();
    if (!detached_) screen_.Menu(key);
}

void ScreenWindow::Detach() {
    detached_ = true;
    canvas_->Detach();
}

void ScreenWindow::SyncMenus() {
    for (auto& [key, action] : actions_) {
        Control* c = screen_.Find(key);
        if (!c) continue;
        if (QMenu* sub = action->menu()) sub->setTitle(S(c->caption));
        else if (!c->separator) {
            action->setText(MenuText(*c));
            MarkEntry(action, *c);
        }
        action->setVisible(c->visible);
        action->setEnabled(c->enabled);
        if (!c->separator && !action->menu()) {
            action->setCheckable(c->checked || action->isCheckable());
            action->setChecked(c->checked);
        }
    }
    // Entries created after the window opened (the language entries) join their menu.
    if (!menuBar_) return;
    for (Control& c : screen_.Controls()) {
        if (c.kind != Kind::Menu || c.parent.empty() || actions_.count(c.Key())) continue;
        auto parent = actions_.find(c.parent);
        if (parent == actions_.end() || !parent->second->menu()) continue;
        QAction* a = parent->second->menu()->addAction(MenuText(c));
        std::string key = c.Key();
        connect(a, &QAction::triggered, this, [this, key] { MenuChosen(key); });
        a->setCheckable(true);
        a->setChecked(c.checked);
        actions_[key] = a;
    }
}

void ScreenWindow::Sync() {
    if (detached_) return;
    QString title = S(screen_.caption + TitleNote(screen_));
    if (windowTitle() != title) {
        setWindowTitle(title);
        FitTitle();
    }
    SyncMenus();
    canvas_->Sync();
    canvas_->update();
}

void ScreenWindow::Popup(const std::string& menu, int x, int y) {
    QMenu* m = BuildMenu(menu, this);
    QPoint global = canvas_->mapToGlobal(QPoint(Scaled(x, canvas_->scale()), Scaled(y, canvas_->scale())));
    m->exec(global);
    ForgetMenu(m);
}

// A pop-up menu is gone: its entries leave the window's actions, and the menu is deleted.
void ScreenWindow::ForgetMenu(QMenu* m) {
    for (auto it = actions_.begin(); it != actions_.end();) {
        if (it->second->parent() == m) it = actions_.erase(it);
        else ++it;
    }
    m->deleteLater();
}

void ScreenWindow::ShowWatchedPopup(const std::string& menu, int x, int y, bool choosable) {
    HideWatchedPopup();
    QMenu* m = BuildMenu(menu, this);
    const QPoint at = canvas_->mapToGlobal(QPoint(Scaled(x, canvas_->scale()), Scaled(y, canvas_->scale())));
    watchedPopup_ = m;
    choosable_ = choosable;
    if (choosable) {
        // A network game followed: the player's own pop-up, shown without taking the pointer or
        // the keys (the game's events go on meanwhile, and a grab may fail or be taken away):
        // an entry clicked is the entry's input; Escape in the game's window dismisses it.
        m->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        m->setAttribute(Qt::WA_ShowWithoutActivating);
        for (QAction* a : m->actions()) connect(a, &QAction::triggered, m, [m] { m->setEnabled(false); });
        m->move(at);
        m->show();
        return;
    }
    for (QAction* a : m->actions()) QObject::disconnect(a, &QAction::triggered, this, nullptr);
    // A window of its own that neither grabs the pointer and the keyboard, as a real pop-up
    // does, nor takes the focus: the replay's panel keeps them. A click on it goes through to
    // whatever lies beneath, as if it were not there.
    m->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    m->setAttribute(Qt::WA_ShowWithoutActivating);
    m->setAttribute(Qt::WA_TransparentForMouseEvents);
    m->move(at);
    m->show();
}

void ScreenWindow::TakeWatchedChoiceAgain() {
    if (watchedPopup_ && choosable_) watchedPopup_->setEnabled(true);
}

void ScreenWindow::HideWatchedPopup() {
    if (!watchedPopup_) return;
    QMenu* m = watchedPopup_;
    watchedPopup_ = nullptr;
    m->hide();
    ForgetMenu(m);
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
    // The window's close button closes the screen, as a dialog's close box does.
    const PlayerInput input;
    if (!detached_) RunBeforeInputHook();
    if (!detached_) {
        // Form_QueryClose decides when the screen has one; it may keep the screen open.
        Ui::Get().CloseBox(screen_);
        if (!detached_) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

static QString KeyName(QKeyEvent* e) {
    int key = e->key();
    if (key == Qt::Key_Enter) key = Qt::Key_Return;  // the keypad's Enter is Return too
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta) return {};
    Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) mods &= ~Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key))).toString(QKeySequence::PortableText);
}

void ScreenWindow::keyPressEvent(QKeyEvent* e) {
    if (detached_) return;
    QString name = KeyName(e);
    if (name.isEmpty()) return;
    const PlayerInput input;  // Ctrl+S, and any window a key opens, is the player's
    if (RunGlobalKeyHook(name.toStdString(), *this)) return;
    if (name == "Esc" && watchedPopup_ && choosable_) {
        Ui::Get().DismissPopup(screen_);  // the player's own pop-up of a network game followed
        return;
    }
    RunBeforeInputHook();
    if (detached_) return;
    if (!Ui::Get().PressKey(screen_, name.toStdString())) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (!detached_) Sync();  // the keyboard's place may have moved without any handler
}

bool ScreenWindow::focusNextPrevChild(bool next) {
    if (detached_) return QWidget::focusNextPrevChild(next);
    const PlayerInput input;
    RunBeforeInputHook();
    if (detached_) return true;
    screen_.PressKey(next ? Screen::kFocusNextKey : Screen::kFocusPreviousKey);
    if (!detached_) Sync();
    return true;
}

// A window manager cuts a title that its title bar, with the bar's icon and buttons, cannot
// hold ("A...s" over the narrow fight panel): a small window of fixed size is made as wide as
// its whole title needs, its picture in the middle on the form's own colour.
void ScreenWindow::FitTitle() {
    if (!fixedFrame_) return;
    QFont font = QApplication::font();
    font.setBold(true);
    constexpr int kTitleBarReserve = 110;  // the bar's icon, three buttons and their margins
    const int need = QFontMetrics(font).horizontalAdvance(windowTitle()) + kTitleBarReserve;
    const int side = std::max(0, (need - canvas_->width() + 1) / 2);
    layout()->setContentsMargins(side, 0, side, 0);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(screen_.backColor.r, screen_.backColor.g, screen_.backColor.b));
    setPalette(pal);
    setAutoFillBackground(true);
}

void ScreenWindow::SetFixedFrame(bool fixed) {
    fixedFrame_ = fixed;
    layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
    FitTitle();
}

void ScreenWindow::ToggleFullScreen(double normalScale) {
    if (isFullScreen()) {
        canvas_->SetScale(normalScale);
        if (fixedFrame_) layout()->setSizeConstraint(QLayout::SetFixedSize);
        setStyleSheet({});
        layout()->activate();  // the window's smallest size is the smaller picture's at once
        showNormal();
        // Back where it was, as large as it was (a window manager may not remember it).
        if (normalPlace_.isValid()) setGeometry(normalPlace_);
        return;
    }
    normalPlace_ = geometry();
    // A window of fixed size may grow to the whole screen while it is shown there.
    if (fixedFrame_) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    QScreen* display = QWidget::screen();
    QRect area = display ? display->geometry() : QRect(0, 0, 1920, 1080);
    int menu = menuBar_ ? menuBar_->sizeHint().height() : 0;
    // Any factor: the screen fills the display's width or its height, the pictures drawn from
    // their sharpest drawing (never below the game's own size).
    const double fit = std::max(1.0, std::min(double(area.width()) / screen_.width,
                                              double(area.height() - menu) / screen_.height));
    setStyleSheet("ScreenWindow { background: black; }");
    // The display's size asked for with full screen, before the picture grows: a window that
    // asks for another size once full screen is taken out of it by a window manager (openbox),
    // and left as large as the picture, running off the display.
    setGeometry(area);
    showFullScreen();
    canvas_->SetScale(std::floor(fit * 100) / 100);
}
