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
    {43, 202, nullptr},  {45, 203, nullptr},
    {55, 204, nullptr},  {57, 205, nullptr},
    {67, 206, nullptr},  {69, 207, nullptr},
    {79, 208, nullptr},  {81, 209, nullptr},
    {91, 210, nullptr},  {93, 211, nullptr},
    {103, 212, nullptr}, {105, 213, nullptr},
    {115, 214, nullptr}, {117, 215, nullptr},
    {127, 216, nullptr}, {129, 217, nullptr},
    {139, -1, "1C++20 - Qt 6 - SDL2_mixer"},
    {141, -1, "0giflib - FluidSynth - GoogleTest"},
    {151, 218, nullptr}, {153, 219, nullptr}, {154, 220, nullptr},
    // Where the scroll stops (lines 172-202 on screen): the last words in the middle.
    {183, 221, nullptr},
    {186, 224, nullptr},
    {188, -1, "0quelmor@example.org"},
};

}  // namespace

std::vector<std::string> CreditsLines() {
    std::vector<std::string> lines(kCreditsLines, "0 ");
    for (const CreditsLine& c : kLayout) lines[c.line] = c.message < 0 ? std::string(c.fixed) : Msg(c.message);
    return lines;
}
