#include "driver/Dump.h"

#include <cstdio>
#include <sstream>

#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char ch : text) {
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (ch < 0x20 || ch == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                    out += buf;
                } else {
                    out.push_back(static_cast<char>(ch));
                }
        }
    }
    // Text from records is decoded and encoded again, so it is always valid UTF-8 here.
    return out + "\"";
}

std::string JsonBool(bool b) { return b ? "true" : "false"; }

namespace {

std::string Color(const Rgb& c) {
    return "[" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + "]";
}

template <typename Array, typename F>
std::string ArrayJson(const Array& a, F item) {
    std::string out = "[";
    for (size_t i = 0; i < a.size(); ++i) out += (i ? ", " : "") + item(a[i]);
    return out + "]";
}

std::string Num(long long v) { return std::to_string(v); }

std::string ControlJson(Screen& s, Control& c) {
    std::ostringstream o;
    o << "{";
    auto field = [&o, first = true](const std::string& name, const std::string& value) mutable {
        o << (first ? "" : ", ") << JsonString(name) << ": " << value;
        first = false;
    };
    if (c.kind == Kind::Timer) {
        field("interval", Num(c.interval));
        field("enabled", JsonBool(c.enabled));
        o << "}";
        return o.str();
    }
    if (c.kind != Kind::Image && c.kind != Kind::PictureBox && c.kind != Kind::Line) field("caption", JsonString(c.caption));
    field("visible", JsonBool(s.Shown(c)));
    field("enabled", JsonBool(c.enabled));
    if (c.kind != Kind::Menu) {
        field("left", Num(c.left));
        field("top", Num(c.top));
        field("width", Num(c.width));
        field("height", Num(c.height));
    }
    if (!c.picture.empty() || c.kind == Kind::Image || c.kind == Kind::PictureBox) field("picture", JsonString(c.picture));
    if (!c.tooltip.empty()) field("tooltip", JsonString(c.tooltip));
    if (c.kind != Kind::Menu) {
        field("forecolor", Color(c.fore));
        field("backcolor", Color(c.back));
    }
    if (c.kind == Kind::Menu) field("checked", JsonBool(c.checked));
    if (c.kind == Kind::TextBox) field("text", JsonString(c.text));
    if (c.kind == Kind::ListBox) {
        field("items", ArrayJson(c.items, [](const std::string& t) { return JsonString(t); }));
        field("listindex", Num(c.listIndex));
    }
    if (c.kind == Kind::TabStrip) {
        field("tabs", ArrayJson(c.tabs, [](const std::string& t) { return JsonString(t); }));
        field("selected", Num(c.selectedTab));
    }
    if (!c.drawOps.empty()) {
        std::string ops = "[";
        for (size_t i = 0; i < c.drawOps.size(); ++i) {
            const DrawOp& d = c.drawOps[i];
            const char* type = d.type == DrawOp::Line          ? "line"
                               : d.type == DrawOp::Rect        ? "box"
                               : d.type == DrawOp::FillRect    ? "fill"
                               : d.type == DrawOp::Ellipse     ? "ellipse"
                                                               : "disc";
            ops += (i ? ", " : "") + std::string("[\"") + type + "\", " + Num(d.x1) + ", " + Num(d.y1) + ", " +
                   Num(d.x2) + ", " + Num(d.y2) + ", " + Color(d.color) + "]";
        }
        field("drawing", ops + "]");
    }
    o << "}";
    return o.str();
}

}  // namespace

std::string ScreenList() {
    std::string out;
    for (Screen* s : Ui::Get().OpenScreens()) out += (out.empty() ? "" : " ") + s->Name();
    return out;
}

std::string DumpState(Screen* popupScreen, const std::string& popupMenu) {
    std::ostringstream o;
    o << "{";
    o << "\"LanguageOffset\": " << gd.LanguageOffset << ", \"PlayerCount\": " << gd.PlayerCount
      << ", \"CurrentCharacter\": " << gd.CurrentCharacter << ", \"ShownCharacter\": " << gd.ShownCharacter
      << ", \"MovesLeft\": " << gd.MovesLeft << ", \"InventoryScroll\": " << gd.InventoryScroll
      << ", \"CombatMode\": " << gd.CombatMode << ", \"FreeMoveCharacter\": " << gd.FreeMoveCharacter
      << ", \"FightResult\": " << gd.FightResult << ", \"PendingSpell\": " << gd.PendingSpell
      << ", \"EnemyNumber\": " << gd.EnemyNumber << ", \"EnemyAttack\": " << gd.EnemyAttack
      << ", \"EnemyDefense\": " << gd.EnemyDefense << ", \"EnemyAgility\": " << gd.EnemyAgility
      << ", \"CapacityAvailable\": " << JsonBool(gd.CapacityAvailable) << ", \"MagicAvailable\": " << JsonBool(gd.MagicAvailable)
      << ", \"EndTurnAvailable\": " << JsonBool(gd.EndTurnAvailable);
    auto ints = [](const auto& a) { return ArrayJson(a, [](auto v) { return Num(v); }); };
    o << ", \"CharacterRecords\": "
      << ArrayJson(gd.CharacterRecords, [](const std::u32string& r) { return JsonString(ToUtf8(r)); });
    o << ", \"Resources\": " << ArrayJson(gd.Resources, [](const std::string& r) { return JsonString(r); });
    o << ", \"AttackBonus\": " << ints(gd.AttackBonus) << ", \"DefenseBonus\": " << ints(gd.DefenseBonus)
      << ", \"AgilityBonus\": " << ints(gd.AgilityBonus) << ", \"Status\": " << ints(gd.Status)
      << ", \"MagicPoints\": " << ints(gd.MagicPoints) << ", \"Zone\": " << ints(gd.Zone)
      << ", \"PosX\": " << ints(gd.PosX) << ", \"PosY\": " << ints(gd.PosY)
      << ", \"DoorState\": " << ints(gd.DoorState) << ", \"TowerFloor\": " << ints(gd.TowerFloor);
    o << ", \"time\": " << Ui::Get().Now();
    for (Screen* s : Ui::Get().OpenScreens()) {
        for (const Screen::Var& v : s->vars) {
            o << ", " << JsonString(v.name) << ": ";
            if (v.count == 1) {
                o << v.values[0];
            } else {
                o << "[";
                for (int i = 0; i < v.count; ++i) o << (i ? ", " : "") << v.values[i];
                o << "]";
            }
        }
    }
    o << ", \"screens\": " << JsonString(ScreenList());
    for (Screen* s : Ui::Get().OpenScreens()) {
        o << ", " << JsonString(s->Name()) << ": {\"Form\": {\"caption\": " << JsonString(s->caption)
          << ", \"backcolor\": " << Color(s->backColor) << ", \"picture\": " << JsonString(s->picture)
          << ", \"visible\": " << JsonBool(s->visible) << "}";
        for (Control& c : s->Controls()) o << ", " << JsonString(c.Key()) << ": " << ControlJson(*s, c);
        o << "}";
    }
    if (popupScreen) {
        o << ", \"popup\": {\"screen\": " << JsonString(popupScreen->Name()) << ", \"menu\": " << JsonString(popupMenu)
          << ", \"entries\": [";
        bool first = true;
        for (Control& c : popupScreen->Controls()) {
            if (c.kind != Kind::Menu || c.parent != popupMenu || !c.visible) continue;
            o << (first ? "" : ", ") << "{\"entry\": " << JsonString(c.Key()) << ", \"caption\": " << JsonString(c.caption)
              << ", \"enabled\": " << JsonBool(c.enabled) << "}";
            first = false;
        }
        o << "]}";
    }
    o << "}";
    return o.str();
}
