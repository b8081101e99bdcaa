#pragma once
// One line of the commands a player's input sends to the screens ("click frmJeu.Image1 16 48",
// "press frmJeu.Up", "menu MNU_Up"): the scripted driver reads them from its scripts and the
// computer player writes them, and both read them here. Words are split at blanks; "..." holds
// blanks, with \" and \\ inside it for a quote and a backslash.
#include <cstddef>
#include <string>
#include <vector>

struct CommandLine {
    std::vector<std::string> words;   // the command first
    bool quoteLeftOpen = false;

    // Nothing to do: a blank line or a comment (# first).
    bool Empty() const { return words.empty() || words[0].starts_with('#'); }
    const std::string& Command() const { return words.at(0); }
    // Word i as a whole number; false when there is no such word or it is no whole number.
    bool Number(size_t i, int& out) const;
};

CommandLine ReadCommandLine(const std::string& line);

// The words of a line; ok is false when a quote is left open.
std::vector<std::string> SplitWords(const std::string& line, bool& ok);

// A whole number written out in full ("12", "-3"); false for anything else.
bool ToWholeNumber(const std::string& word, int& out);

// "Screen.Control": the screen's name, empty when the word names a control of the top screen,
// and the control's key.
struct ControlPath {
    std::string screen, key;
};
ControlPath SplitControlPath(const std::string& word);
