// The help's keyboard page against the key tables: every bound key is on it in both
// languages, it names no key that is not bound, and the screens carry no key the tables lack.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "ending/HelpKeyPage.h"
#include "ending/HelpKeys.h"
#include "ending/HelpTexts.h"
#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "support/Game.h"
#include "ui/KeyBindings.h"
#include "ui/Screen.h"

namespace {

// Every key a player can press somewhere: the table's and the program's.
std::set<std::string> BoundKeys() {
    std::set<std::string> keys;
    for (const KeyBinding& b : KeyBindingTable()) keys.insert(b.key);
    for (const ProgramKeyBinding& b : kProgramKeys) keys.insert(b.key);
    for (const char* key : {Screen::kFocusNextKey, Screen::kFocusPreviousKey, Screen::kFocusClickKey}) keys.insert(key);
    return keys;
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at = text.find(by); at != std::string::npos; at = text.find(by, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + by.size();
    }
    parts.push_back(text.substr(from));
    return parts;
}

// The keyboard page as the help shows it in a language (just before the class table).
std::string KeyboardPage(int languageOffset) {
    FreshProcess();
    gd.LanguageOffset = languageOffset;
    std::vector<HelpTopic> topics = HelpTopics();
    return topics[topics.size() - 2].body;
}

// The key names in front of each ":" of the page's "- " lines.
std::vector<std::string> NamedKeys(const std::string& page, bool english) {
    const std::string itemMark = english ? "; " : "\u00A0; ";
    const std::string colon = english ? ": " : "\u00A0: ";
    std::vector<std::string> names;
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("- ", 0) != 0) continue;
        for (const std::string& item : Split(line.substr(2), itemMark)) {
            const size_t at = item.find(colon);
            EXPECT_NE(at, std::string::npos) << "no key before a description: " << line;
            if (at == std::string::npos) continue;
            for (const std::string& name : Split(item.substr(0, at), ", ")) names.push_back(name);
        }
    }
    return names;
}

// The words of a text, split at blanks, no-break spaces and punctuation.
std::vector<std::string> Words(const std::string& text) {
    std::string spaced = text;
    for (size_t at = spaced.find("\u00A0"); at != std::string::npos; at = spaced.find("\u00A0", at))
        spaced.replace(at, 2, " ");
    for (char& c : spaced)
        if (std::string(",.;:()\n").find(c) != std::string::npos) c = ' ';
    std::vector<std::string> words;
    std::istringstream in(spaced);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A function key ("F1", "F11") or a key with Ctrl.
bool LooksLikeAKey(const std::string& word) {
    if (word.rfind("Ctrl+", 0) == 0) return true;
    return word.size() >= 2 && word.size() <= 3 && word[0] == 'F' &&
           word.find_first_not_of("0123456789", 1) == std::string::npos;
}

}  // namespace

TEST(HelpKeyPage, EveryBoundKeyIsOnThePageAndThePageNamesOnlyBoundKeys) {
    for (int offset : {1000, 2000}) {
        const bool english = offset == 2000;
        const std::string page = KeyboardPage(offset);
        const std::vector<std::string> named = NamedKeys(page, english);
        ASSERT_GE(named.size(), 20u) << page;
        const std::set<std::string> namedSet(named.begin(), named.end());
        std::set<std::string> boundNames;
        for (const std::string& key : BoundKeys()) {
            boundNames.insert(KeyName(key, english));
            EXPECT_TRUE(namedSet.count(KeyName(key, english))) << key << " missing from:\n" << page;
        }
        for (const std::string& name : named) EXPECT_TRUE(boundNames.count(name)) << name << " is bound nowhere";
        // No page of the help, in its running text, names a function key or a Ctrl key that
        // nothing answers.
        for (const HelpTopic& topic : HelpTopics())
            for (const std::string& word : Words(topic.body))
                if (LooksLikeAKey(word)) {
                    EXPECT_TRUE(boundNames.count(word)) << word << " on page " << topic.tab;
                }
    }
}

TEST(HelpKeyPage, ThePageDescribesEveryBindingOfTheTablesAndNothingElse) {
    std::set<std::string> table;
    for (const KeyBinding& b : KeyBindingTable())
        EXPECT_TRUE(table.insert(std::string(b.screen) + "|" + b.control + "|" + b.key).second)
            << "bound twice: " << b.screen << " " << b.control;
    std::set<std::string> program;
    for (const ProgramKeyBinding& b : kProgramKeys) program.insert(b.key);
    std::set<std::string> described, programDescribed, focusDescribed;
    for (const std::string& entry : KeysOnKeyboardPage()) {
        const std::vector<std::string> parts = Split(entry, "|");
        ASSERT_EQ(parts.size(), 3u) << entry;
        EXPECT_FALSE(parts[2].empty()) << "the page describes an unbound control: " << entry;
        if (parts[0] == "*") {
            programDescribed.insert(parts[2]);
        } else if (parts[0] == "#") {
            focusDescribed.insert(parts[2]);
        } else {
            EXPECT_TRUE(table.count(entry)) << "not in the key table: " << entry;
            described.insert(entry);
        }
    }
    EXPECT_EQ(described, table);
    EXPECT_EQ(programDescribed, program);
    // The keys that walk a dialog and press its buttons are there too.
    EXPECT_EQ(focusDescribed, (std::set<std::string>{Screen::kFocusNextKey, Screen::kFocusPreviousKey,
                                                     Screen::kFocusClickKey}));
}

TEST(HelpKeyPage, KeysAreNamedInEachLanguage) {
    EXPECT_EQ(KeyName("Return", false), "Entrée");
    EXPECT_EQ(KeyName("Return", true), "Return");
    EXPECT_EQ(KeyName("Ctrl+Return", false), "Ctrl+Entrée");
    EXPECT_EQ(KeyName("Ctrl+Shift+M", false), "Ctrl+Maj+M");
    EXPECT_EQ(KeyName("Ctrl+Shift+E", true), "Ctrl+Shift+E");
    EXPECT_EQ(KeyName("Esc", false), "Échap");
    EXPECT_EQ(KeyName("Esc", true), "Escape");
    EXPECT_EQ(KeyName("F11", false), "F11");
    EXPECT_EQ(KeyName("C", true), "C");
    EXPECT_EQ(KeyName("Left", false), KeyName("Left", true));
    EXPECT_NE(KeyName("Left", true), KeyName("Right", true));
    // Different keys never read the same.
    for (bool english : {false, true}) {
        std::set<std::string> names;
        for (const std::string& key : BoundKeys()) EXPECT_TRUE(names.insert(KeyName(key, english)).second) << key;
    }
}

namespace {

// Each key a screen's controls carry, checked against the tables: a control's key must be
// its table entry, and a menu entry's shortcut its table entry or a program key.
void ExpectOnlyTableKeys(Screen& screen) {
    for (Control& c : screen.Controls()) {
        const std::string key = c.kind == Kind::Menu ? c.shortcut : c.hotkey;
        if (key.empty()) continue;
        const std::string bound = BoundKey(screen.Name(), c.Key());
        if (bound.empty()) {
            EXPECT_TRUE(ProgramKeyFor(key).has_value()) << screen.Name() << "." << c.Key() << " " << key;
        } else {
            EXPECT_EQ(key, bound) << screen.Name() << "." << c.Key();
        }
    }
    // And every table entry of the screen names one of its controls.
    for (const KeyBinding& b : KeyBindingTable())
        if (screen.Name() == b.screen) {
            EXPECT_NE(screen.Find(b.control), nullptr) << b.screen << "." << b.control;
        }
}

}  // namespace

TEST(HelpKeyPage, TheScreensCarryOnlyTheKeysOfTheTables) {
    Session s;
    ASSERT_NE(s.screen("frmBegin"), nullptr);
    ExpectOnlyTableKeys(*s.screen("frmBegin"));
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n"), 0) << s.err();
    Screen* board = s.screen("frmJeu");
    ASSERT_NE(board, nullptr);
    ExpectOnlyTableKeys(*board);
    EXPECT_EQ(board->C("MNU_AideRegles").shortcut, ProgramKeyText(ProgramKey::Help));
    EXPECT_EQ(board->C("MNU_AideJournal").shortcut, ProgramKeyText(ProgramKey::Journal));
    auto help = MakeFrmAide();
    ExpectOnlyTableKeys(*help);
    EXPECT_EQ(help->C("MNU_Fermer").shortcut, BoundKey("frmAide", "MNU_Fermer"));
    auto journal = MakeFrmJournal();
    ExpectOnlyTableKeys(*journal);
    EXPECT_EQ(journal->C("MNU_Fin").shortcut, BoundKey("frmJournal", "MNU_Fin"));
}

TEST(HelpKeyPage, ProgramKeysAreLookedUpBothWays) {
    for (const ProgramKeyBinding& b : kProgramKeys) {
        ASSERT_TRUE(ProgramKeyFor(b.key).has_value()) << b.key;
        EXPECT_EQ(*ProgramKeyFor(b.key), b.action);
        EXPECT_STREQ(ProgramKeyText(b.action), b.key);
    }
    EXPECT_FALSE(ProgramKeyFor("Ctrl+Q").has_value());
    EXPECT_FALSE(ProgramKeyFor("").has_value());
    EXPECT_STREQ(kHelpKey, "F1");
}
