#include "driver/DumpSeen.h"

#include <cstdio>
#include <sstream>

#include "driver/Dump.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

std::string Points(double size) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", size);
    return buf;
}

std::string Audio(const std::vector<ServiceRequest>& requests) {
    std::string out = "[";
    for (const ServiceRequest& r : requests) {
        if (r.type == ServiceRequest::Mail) continue;
        if (out.size() > 1) out += ", ";
        if (r.type == ServiceRequest::Music)
            out += "{\"music\": " + JsonString(r.file) + ", \"command\": " + JsonString(r.command) + "}";
        else
            out += "{\"sound\": " + JsonString(r.file) + ", \"flag\": " + std::to_string(r.flags) + "}";
    }
    return out + "]";
}

std::string Mail(const std::vector<ServiceRequest>& requests) {
    std::string out = "[";
    for (const ServiceRequest& r : requests) {
        if (r.type != ServiceRequest::Mail) continue;
        if (out.size() > 1) out += ", ";
        out += "{\"address\": " + JsonString(r.address) + ", \"subject\": " + JsonString(r.subject) + "}";
    }
    return out + "]";
}

// Where the game's window puts a screen (QtHost::Place), without window frames: centred on the
// desktop, or, for a screen shown beside another that is open, just past that one's right edge
// and 40 pixels lower.
void Place(Screen& s, int& left, int& top, int depth = 0) {
    if (!s.besideScreen.empty() && depth < 4) {
        if (Screen* other = Ui::Get().Find(s.besideScreen); other && other != &s) {
            int otherLeft, otherTop;
            Place(*other, otherLeft, otherTop, depth + 1);
            left = otherLeft + other->width - 1 + 4;
            top = otherTop + 40;
            return;
        }
    }
    left = (kDumpDesktopWidth - 1) / 2 - s.width / 2;
    top = (kDumpDesktopHeight - 1) / 2 - s.height / 2;
}

std::string Windows() {
    std::ostringstream o;
    o << "{";
    bool first = true;
    for (Screen* s : Ui::Get().OpenScreens()) {
        int left, top;
        Place(*s, left, top);
        o << (first ? "" : ", ") << JsonString(s->Name()) << ": {\"width\": " << s->width << ", \"height\": " << s->height
          << ", \"left\": " << left << ", \"top\": " << top << ", \"visible\": " << JsonBool(s->visible)
          << ", \"topmost\": " << JsonBool(s->topMost) << "}";
        first = false;
    }
    return o.str() + "}";
}

// The controls that write text in their own font (menus use the desktop's menu font).
bool WritesText(Kind k) {
    return k == Kind::Label || k == Kind::Button || k == Kind::TextBox || k == Kind::ListBox || k == Kind::Frame ||
           k == Kind::TabStrip;
}

std::string Fonts() {
    std::ostringstream o;
    o << "{";
    bool firstScreen = true;
    for (Screen* s : Ui::Get().OpenScreens()) {
        o << (firstScreen ? "" : ", ") << JsonString(s->Name()) << ": {";
        firstScreen = false;
        bool first = true;
        for (const Control& c : s->Controls()) {
            if (!WritesText(c.kind)) continue;
            const Font& f = c.font;
            o << (first ? "" : ", ") << JsonString(c.Key()) << ": {\"family\": " << JsonString(f.family)
              << ", \"size\": " << Points(f.size) << ", \"bold\": " << JsonBool(f.bold) << ", \"italic\": " << JsonBool(f.italic)
              << ", \"underline\": " << JsonBool(f.underline) << "}";
            first = false;
        }
        o << "}";
    }
    return o.str() + "}";
}

}  // namespace

std::string DumpSeen(const std::vector<ServiceRequest>& requests, const PopupPlace* lastPopup) {
    std::string out = ", \"audio\": " + Audio(requests) + ", \"mail\": " + Mail(requests) + ", \"lastPopup\": ";
    if (lastPopup)
        out += "{\"screen\": " + JsonString(lastPopup->screen) + ", \"menu\": " + JsonString(lastPopup->menu) +
               ", \"x\": " + std::to_string(lastPopup->x) + ", \"y\": " + std::to_string(lastPopup->y) + "}";
    else
        out += "null";
    return out + ", \"windows\": " + Windows() + ", \"fonts\": " + Fonts();
}
