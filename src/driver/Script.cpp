#include "driver/Script.h"

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
