#pragma once
// The help's keyboard page, written from the key table and the program's own keys, so that
// it names exactly the keys that are bound.
#include <string>
#include <vector>

// A key as the page names it in French or English ("Return" is "Entrée", "Ctrl+Shift+M" is
// "Ctrl+Maj+M", "Left" is an arrow).
std::string KeyName(const std::string& key, bool english);
// The keys the page describes: every key of the key table and every key of the program,
// as "screen|control|key" for the table's and "*|action|key" for the program's.
std::vector<std::string> KeysOnKeyboardPage();
// The keyboard page's text: headings, then lines "- keys : what they do ; keys : ...".
std::string KeyboardPageText(bool english);
