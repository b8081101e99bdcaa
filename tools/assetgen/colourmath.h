#pragma once
// Colour arithmetic for the per-pixel painters, giving the very colours QColor's float
// accessors give (redF, fromRgbF, red) with far fewer calls into Qt: QColor keeps 16 bits a
// channel, and for colours of its Rgb kind (and the invalid one) these work on those bits
// with QColor's own rounding. Colours of other kinds take QColor's own path.
#include <QColor>
#include <QRgba64>
#include <algorithm>
#include <climits>
#include <cmath>

namespace assetgen {

inline bool PlainRgb(const QColor& c) { return c.spec() == QColor::Rgb || c.spec() == QColor::Invalid; }
// QColor::redF() of a 16-bit channel.
inline float ChannelF(quint16 v) { return v / float(USHRT_MAX); }
// QColor::red() of a 16-bit channel.
inline int Channel8(quint16 v) { return int((v + 128u - ((v + 128u) >> 8)) >> 8); }
// The 16-bit channel QColor::setRgbF() keeps for v in [0, 1].
inline quint16 Channel16(float v) { return quint16(int(v * float(USHRT_MAX) + 0.5f)); }

// a + (b - a) * t channel by channel, alpha too, t clamped to [0, 1]: what
// QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, ...) gives.
inline QColor MixColours(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    if (!PlainRgb(a) || !PlainRgb(b))
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t),
                                float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
    const QRgba64 ca = a.rgba64(), cb = b.rgba64();
    auto mix = [t](quint16 x, quint16 y) { return float(ChannelF(x) + (ChannelF(y) - ChannelF(x)) * t); };
    const float r = mix(ca.red(), cb.red()), g = mix(ca.green(), cb.green()), bl = mix(ca.blue(), cb.blue()),
                al = mix(ca.alpha(), cb.alpha());
    auto inside = [](float v) { return v >= 0.0f && v <= 1.0f; };
    if (!inside(r) || !inside(g) || !inside(bl) || !inside(al)) return QColor::fromRgbF(r, g, bl, al);
    return QColor(QColor::Rgb, Channel16(al), Channel16(r), Channel16(g), Channel16(bl));
}

// The colour's 8-bit channels as QColor::red(), green(), blue(), alpha() give them.
struct Rgba8 {
    int r, g, b, a;
};
inline Rgba8 Channels8(const QColor& c) {
    if (!PlainRgb(c)) return {c.red(), c.green(), c.blue(), c.alpha()};
    const QRgba64 v = c.rgba64();
    return {Channel8(v.red()), Channel8(v.green()), Channel8(v.blue()), Channel8(v.alpha())};
}

// std::lround(x) clamped to 0..255, for the products of a channel and a factor.
inline int RoundedChannel(double x) {
    if (!(x >= 0.0 && x < 1e9)) return std::clamp(int(std::lround(x)), 0, 255);
    const long whole = long(x);  // exact below 2^52: x - whole is the exact fraction
    const long r = whole + (x - double(whole) >= 0.5 ? 1 : 0);
    return int(std::min(r, 255L));
}

}  // namespace assetgen
