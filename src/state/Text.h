#pragma once
// Text helpers: UTF-8 and code points, and the game's two ways of writing numbers.
#include <string>
#include <string_view>

// Decodes UTF-8 into code points; a malformed byte becomes U+FFFD, so no input is lost silently.
std::u32string FromUtf8(const std::string& text);
// Encodes code points as UTF-8; code points that UTF-8 cannot hold become U+FFFD.
std::string ToUtf8(const std::u32string& text);
// Number text: the decimal form with one leading blank when the number is not negative.
std::string NumberText(long long n);
// Digit text: the decimal form without that blank.
std::string DigitText(long long n);
// The value padded with "0" on the left to width digits (the value must fit the width).
std::string PadDigits(long long value, int width);
// Reads the leading decimal digits of a text, skipping blanks in front; no digits reads as 0.
long long ReadLeadingNumber(std::u32string_view text);
long long ReadLeadingNumber(const std::string& text);
// Removes the leading blanks of a text.
std::string TrimLeft(const std::string& text);
