#pragma once
// Helpers of the set-up tests: a set-up screen opened on its own, without the title before it.
#include <string>

#include "setup/FairePerso.h"
#include "support/Game.h"

// Opens a fresh set-up screen on its own (modeless, so tests can look at it between scripts);
// use it in a Session that did not open the title.
inline Screen& OpenSetUp() { return Ui::Get().Show(MakeFairePerso()); }

inline Screen& SetUp() { return *Ui::Get().Find("FairePerso"); }

// Script lines that pick classes by number for the shown player.
inline std::string Pick(std::initializer_list<int> classNumbers) {
    std::string script;
    for (int n : classNumbers) script += "_pickclass " + std::to_string(n) + "\n";
    return script;
}

inline int ScreenValue(Screen& s, const std::string& name, int index = 0) {
    for (const Screen::Var& v : s.vars)
        if (v.name == name) return v.values[index];
    return -1;
}
