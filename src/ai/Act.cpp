#include "ai/Act.h"

#include <vector>

#include "ui/CommandLine.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

// "Screen.Control" → the open screen and the control's key.
Screen* Target(const std::string& word, std::string& key) {
    const ControlPath path = SplitControlPath(word);
    key = path.key;
    return path.screen.empty() ? Ui::Get().Top() : Ui::Get().Find(path.screen);
}

}  // namespace

bool Act(const std::string& text, Screen* popup) {
    const CommandLine line = ReadCommandLine(text);
    if (line.Empty()) return false;
    const std::string& cmd = line.Command();
    const std::string word = line.words.size() > 1 ? line.words[1] : "";
    // The numbers after the control, up to the first word that is none.
    std::vector<int> n;
    for (int v; line.Number(n.size() + 2, v);) n.push_back(v);
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
