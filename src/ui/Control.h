#pragma once
// One control of a screen model: plain data that the views paint and the driver dumps.
#include <string>
#include <vector>

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kButtonFace{212, 208, 200};
constexpr Rgb kButtonShadow{128, 128, 128};
constexpr Rgb kHighlight3D{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kYellow{255, 255, 0};
}  // namespace colors

enum class Kind {
    Label, Image, Button, TextBox, ListBox, Frame, Timer, Menu, TabStrip, PictureBox, Line, Panel
};

struct Font {
    std::string family = "Arial";
    double size = 9.75;      // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A line, a box or an ellipse drawn on a picture box (thumbnail markers and frames, row
// frames, the bases under the map's icons); an ellipse fits the box (x1, y1)-(x2, y2).
struct DrawOp {
    enum Type { Line, Rect, FillRect, Ellipse, FillEllipse } type = Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
};

enum class Align { Left, Right, Center };

struct Control {
    std::string name;
    int index = -1;             // element of a control array, -1 for a single control
    Kind kind = Kind::Label;

    std::string caption;        // labels, buttons, frames, menu entries, tabs' owner
    std::string text;           // text boxes
    bool visible = true;
    bool enabled = true;
    bool checked = false;       // menu entries
    int left = 0, top = 0, width = 0, height = 0;
    std::string picture;        // picture file name (images, picture boxes, buttons, frames)
    bool stretch = false;       // the picture fills the control instead of keeping its size
    std::string tooltip;
    Rgb fore = colors::kBlack;
    Rgb back = colors::kButtonFace;
    bool opaque = false;        // labels and frames paint their background colour
    bool border = false;
    Font font;
    Align align = Align::Left;
    bool wordWrap = false;

    std::vector<std::string> items;   // list boxes
    int listIndex = -1;
    std::vector<std::string> tabs;    // tab strips: captions
    std::vector<std::string> tabIcons;
    int selectedTab = 0;

    int interval = 0;                 // timers (enabled = running)
    int restarts = 0;                 // bumped by Screen::StartTimer to restart the countdown

    std::vector<DrawOp> drawOps;      // picture boxes: lines and boxes drawn over the picture

    std::string parent;               // key of the containing control ("" = the form); menus: parent menu
    bool separator = false;           // menu entries
    bool popupMenu = false;           // a menu shown at the pointer rather than in the menu bar
    std::string shortcut;             // menu entries: key sequence text, e.g. "Up", "Ctrl+M"
    // Menu entries of the program's own, outside the game (network play: host, join, leave): a
    // choice of one is no input of the game, so neither the game's record nor the host's gate
    // is to see it (the pop-up it was chosen in reads as dismissed).
    bool programOwn = false;
    // Presentation only, never part of what a screen's rules read: a menu entry's note shown
    // beside its caption (a price, a recipe's materials) and whether it is marked as out of
    // reach; a list box drawn in the game's colours rather than the desktop's.
    std::string note;
    bool noteWarning = false;
    bool gameLook = false;
    std::string hotkey;               // other controls: the key that clicks them, e.g. "Return";
                                      // menu entries: a key of the program shown beside the entry
                                      // (the program takes the key itself, the entry does not)
    // Presentation only too: what the control does, shown in its tip with its key, and why it
    // cannot be used now, shown in its tip while it is disabled.
    std::string purpose;
    std::string whyNot;
    // Presentation only: a label's text painted instead of its caption while live is set and
    // the caption is still liveOver (the caption it was shown over). The rules, the dump and
    // whatever reads the caption never see it; writing another caption ends it.
    std::string liveCaption;
    std::string liveOver;
    bool live = false;

    int order = 0;                    // creation order: later controls are drawn on top

    // Drawn only: clicks and the pointer go to whatever lies under it.
    bool decoration = false;
    // A control that shows for a while and fades by itself: from shownAt (the screen manager's
    // time) it stays holdMs, then fades out over fadeMs and is gone. fadeMs 0: no fading. The
    // views paint the fade; the rules never wait for it.
    long long shownAt = 0;
    int holdMs = 0;
    int fadeMs = 0;

    // Scheduling state of timers, kept by the screen manager.
    long long due = -1;
    int armedInterval = -1;
    int armedRestarts = 0;
    bool armedEnabled = false;

    std::string Key() const { return index < 0 ? name : name + "(" + std::to_string(index) + ")"; }
};

// How opaque a fading control is at time now: 1 while it holds, down to 0 once faded.
inline double FadeAlpha(const Control& c, long long now) {
    if (c.fadeMs <= 0) return 1.0;
    const long long age = now - c.shownAt - c.holdMs;
    if (age <= 0) return 1.0;
    if (age >= c.fadeMs) return 0.0;
    return 1.0 - static_cast<double>(age) / c.fadeMs;
}

// The text a label shows: its live text over the caption it was set over, else its caption.
inline const std::string& ShownCaption(const Control& c) {
    return c.live && c.liveOver == c.caption ? c.liveCaption : c.caption;
}

// Sets a control's position and size in its container's pixels.
inline Control& Place(Control& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}
