#pragma once
// The message catalogue: every text the game builds at run time, in French and English.
// Code names a text by its relative number and adds the current language offset.
#include <string>

struct MessageEntry {
    int id;            // language block × 1000 + relative number
    const char* text;  // UTF-8
};

// The catalogue blocks (defined in MessagesFrench.cpp, MessagesEnglish.cpp, MessagesOther.cpp).
extern const MessageEntry kFrenchMessages[];
extern const int kFrenchMessageCount;
extern const MessageEntry kEnglishMessages[];
extern const int kEnglishMessageCount;
extern const MessageEntry kOtherMessages[];   // blocks 3 to 5: availability markers and menu names
extern const int kOtherMessageCount;

// True when the catalogue holds a text with this id.
bool MessageExists(int id);
// The text of an id; an English id with no text falls back to the French one, others give "".
std::string MsgId(int id);
// The text of a relative number in the current language (relative + LanguageOffset).
std::string Msg(int relative);
// True when language n (1-5) has a block whose marker (relative number 0) is not "--".
bool LanguageAvailable(int n);
// The menu caption of language n: text n × 1000 + 6.
std::string LanguageMenuName(int n);
// The display name of enemy e (1-19): a message for 1-14, a fixed name for the guardians.
std::string EnemyName(int e);
