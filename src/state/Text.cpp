#include "state/Text.h"

std::u32string FromUtf8(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t cp;
        int extra;
        if (b < 0x80) { cp = b; extra = 0; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
        else { out.push_back(0xFFFD); ++i; continue; }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size()) { ok = false; break; }
            unsigned char c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (c & 0x3F);
        }
        static const char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::string ToUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string NumberText(long long n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

std::string DigitText(long long n) { return std::to_string(n); }

std::string PadDigits(long long value, int width) {
    std::string d = std::to_string(value < 0 ? 0 : value);
    if (static_cast<int>(d.size()) < width) d.insert(0, width - d.size(), '0');
    return d;
}

template <typename S>
static long long LeadingNumber(const S& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    long long v = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (v < 100000000000000000LL) v = v * 10 + (text[i] - '0');
        any = true;
        ++i;
    }
    return any ? v : 0;
}

long long ReadLeadingNumber(std::u32string_view text) { return LeadingNumber(text); }
long long ReadLeadingNumber(const std::string& text) { return LeadingNumber(text); }

std::string TrimLeft(const std::string& text) {
    size_t i = text.find_first_not_of(' ');
    return i == std::string::npos ? std::string() : text.substr(i);
}
