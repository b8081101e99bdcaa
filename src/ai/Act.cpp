#include "ai/Act.h"

#include <sstream>
#include <vector>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

// "Screen.Control" → the open screen and the control's key.
Screen* Target(const std::string& word, std::string& key) {
    size_t dot = word.find('.');
    if (dot == std::string::npos) {
        key = word;
        return Ui::Get().Top();
    }
    key = word.substr(dot + 1);
    return Ui::Get().Find(word.substr(0, dot));
}

}  // namespace

bool Act(const std::string& line, Screen* popup) {
    std::istringstream in(line);
    std::string cmd, word;
    in >> cmd >> word;
    std::vector<int> n;
    for (int v; in >> v;) n.push_back(v);
    if (cmd == "wait") return true;
    std::string key;
    if (cmd == "menu" && popup) {
        if (Ui::Get().IsOpen(popup)) popup->Menu(word);
        return true;
    }
    if (cmd == "close") {
        if (popup) return true;
        Screen* top = Ui::Get().Top();
        if (!top) return false;
        if (top->HasHandler("Form_QueryClose")) top->Run("Form_QueryClose", EventArgs{});
        else Ui::Get().Close(*top);
        return true;
    }
    Screen* s = Target(word, key);
    if (!s) return false;
    if (cmd == "press") return Ui::Get().PressKey(*s, key);
    if (cmd == "click") {
        s->Click(key, n.size() > 0 ? n[0] : 0, n.size() > 1 ? n[1] : 0, n.size() > 2 ? n[2] : 1, n.size() > 3 ? n[3] : 0);
        return true;
    }
    if (cmd == "select" && !n.empty()) {
        s->Select(key, n[0]);
        return true;
    }
    if (cmd == "menu") {
        s->Menu(key);
        return true;
    }
    return false;
}

}  // namespace ai
