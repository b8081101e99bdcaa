#pragma once
// The texts of the rules help, in French and in English; the current language picks one.
// They are the help's own texts, not messages of the catalogue.
#include <string>
#include <vector>

struct HelpTopic {
    std::string tab;     // the topic's tab caption
    std::string title;   // the heading of its page
    std::string body;    // the page's text; empty for the class table, built from the class data
};

// The words around the pages and the class table.
struct HelpWords {
    std::string caption, previous, next, close, pageOf;
    std::string className, movement, attack, defence, agility, hours;
    std::string dayOnly, nightOnly, dayAndNight;
    std::string tableNote;   // under the class table
};

// The help's topics in the current language, the class table last.
std::vector<HelpTopic> HelpTopics();
// The help's words in the current language.
HelpWords HelpWordsNow();
// Is English the current language (otherwise the help speaks French)?
bool HelpInEnglish();
