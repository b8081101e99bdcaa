#pragma once
// The legend that scrolls on the title screen: 37 entries of French prose and blank lines.

constexpr int kLegendCount = 37;

// Legend entry i (0-36); blank entries ("") separate the paragraphs.
extern const char* const kLegend[kLegendCount];
