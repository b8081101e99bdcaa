#include "ending/WrapLines.h"

#include "state/Text.h"

namespace {

// Appends the words of one paragraph (no "\n" in it) as lines.
void WrapParagraph(const std::u32string& paragraph, size_t width, std::vector<std::string>& lines) {
    std::u32string line;
    size_t pos = 0;
    bool any = false;
    while (pos < paragraph.size()) {
        if (paragraph[pos] == U' ') {
            ++pos;
            continue;
        }
        size_t end = paragraph.find(U' ', pos);
        if (end == std::u32string::npos) end = paragraph.size();
        std::u32string word = paragraph.substr(pos, end - pos);
        pos = end;
        if (!line.empty() && line.size() + 1 + word.size() <= width) {
            line += U' ';
            line += word;
            continue;
        }
        if (!line.empty()) lines.push_back(ToUtf8(line));
        any = true;
        while (word.size() > width) {
            lines.push_back(ToUtf8(word.substr(0, width)));
            word.erase(0, width);
        }
        line = word;
    }
    if (!line.empty() || !any) lines.push_back(ToUtf8(line));
}

}  // namespace

std::vector<std::string> WrapLines(const std::string& text, int maxChars) {
    const size_t width = maxChars < 1 ? 1 : static_cast<size_t>(maxChars);
    std::u32string all = FromUtf8(text);
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = all.find(U'\n', start);
        if (end == std::u32string::npos) end = all.size();
        WrapParagraph(all.substr(start, end - start), width, lines);
        if (end == all.size()) break;
        start = end + 1;
    }
    return lines;
}
