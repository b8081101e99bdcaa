// The credits table: the catalogue's credits texts spread over the scroll with room between
// the groups, the first 31 lines left empty so that the credits rise in from below, and the
// closing lines placed where the scroll comes to rest.
#include "ending/Credits.h"

#include "state/Messages.h"

namespace {

struct CreditsLine {
    int line;
    int message;        // relative message number, or -1 for the fixed text
    const char* fixed;  // the same in every language
};

constexpr CreditsLine kLayout[] = {
    {31, 200, nullptr},  {33, 201, nullptr},
    {46, 202, nullptr},  {48, 203, nullptr},
    {60, 204, nullptr},  {62, 205, nullptr},
    {75, 206, nullptr},  {77, 207, nullptr},
    {89, 208, nullptr},  {91, 209, nullptr},
    {104, 210, nullptr}, {106, 211, nullptr},
    {118, 212, nullptr}, {120, 213, nullptr},
    {133, 214, nullptr}, {135, 215, nullptr},
    {147, 216, nullptr}, {149, 217, nullptr},
    {162, -1, "1C++20 - Qt 6 - SDL2_mixer"},
    {164, -1, "0giflib - FluidSynth - GoogleTest"},
    // Where the scroll stops (lines 172-202 on screen): the thanks and the last words.
    {176, 218, nullptr}, {178, 219, nullptr}, {180, 220, nullptr},
    {186, 221, nullptr},
    {189, 224, nullptr},
    {191, -1, "0quelmor@example.org"},
};

}  // namespace

std::vector<std::string> CreditsLines() {
    std::vector<std::string> lines(kCreditsLines, "0 ");
    for (const CreditsLine& c : kLayout) lines[c.line] = c.message < 0 ? std::string(c.fixed) : Msg(c.message);
    return lines;
}
