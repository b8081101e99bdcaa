#include "ui/CommandLine.h"

std::vector<std::string> SplitWords(const std::string& line, bool& ok) {
    std::vector<std::string> words;
    ok = true;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i >= line.size()) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char ch = line[i];
                if (ch == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word.push_back(line[i + 1]);
                    i += 2;
                } else if (ch == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word.push_back(ch);
                    ++i;
                }
            }
            if (!closed) ok = false;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.push_back(line[i++]);
        }
        words.push_back(word);
    }
    return words;
}

bool ToWholeNumber(const std::string& word, int& out) {
    try {
        size_t used = 0;
        out = std::stoi(word, &used);
        return used == word.size();
    } catch (...) {
        return false;
    }
}

CommandLine ReadCommandLine(const std::string& line) {
    CommandLine read;
    bool ok = true;
    read.words = SplitWords(line, ok);
    read.quoteLeftOpen = !ok;
    return read;
}

bool CommandLine::Number(size_t i, int& out) const { return i < words.size() && ToWholeNumber(words[i], out); }

ControlPath SplitControlPath(const std::string& word) {
    const size_t dot = word.find('.');
    if (dot == std::string::npos || dot == 0) return ControlPath{"", word};
    return ControlPath{word.substr(0, dot), word.substr(dot + 1)};
}
