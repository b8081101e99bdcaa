#include "ui/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(int channel) {
    const double s = channel / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const Rgb& c) {
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double ContrastRatio(const Rgb& a, const Rgb& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableTextOn(const Rgb& back) {
    return ContrastRatio(colors::kBlack, back) >= ContrastRatio(colors::kWhite, back) ? colors::kBlack
                                                                                        : colors::kWhite;
}
