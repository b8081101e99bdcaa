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
#include <stdexcept>

namespace assetgen {

inline bool PlainRgb(const QColor& c) { return c.spec() == QColor::Rgb || c.spec() == QColor::Invalid; }
// QColor::redF() of a 16-bit channel.
inline float ChannelF(quint16 v) { return v / float(USHRT_MAX); }
// QColor::red() of a 16-bit channel.
constexpr int Channel8(quint16 v) { return int((v + 128u - ((v + 128u) >> 8)) >> 8); }
// The 16-bit channel QColor::setRgbF() keeps for v in [0, 1].
inline quint16 Channel16(float v) { return quint16(int(v * float(USHRT_MAX) + 0.5f)); }

// A colour as QColor keeps one of its Rgb kind (or the invalid one): 16 bits a channel. The
// per-pixel painters mix and shade these without a call into Qt; they turn into the same
// QColor, and give the same pixel, as the QColor arithmetic would.
struct Colour {
    quint16 a = USHRT_MAX, r = 0, g = 0, b = 0;
    bool valid = false;

    constexpr Colour() = default;  // as QColor(): invalid, opaque black
    // As QColor(r, g, b, a): invalid, and all zero, unless every value is 0-255.
    constexpr Colour(int r8, int g8, int b8, int a8 = 255)
        : valid(r8 >= 0 && r8 <= 255 && g8 >= 0 && g8 <= 255 && b8 >= 0 && b8 <= 255 && a8 >= 0 && a8 <= 255) {
        a = quint16(valid ? a8 * 0x101 : 0);
        r = quint16(valid ? r8 * 0x101 : 0);
        g = quint16(valid ? g8 * 0x101 : 0);
        b = quint16(valid ? b8 * 0x101 : 0);
    }
    // Any QColor but an extended-range one (which none of the painters makes).
    explicit Colour(const QColor& c) {
        const QColor rgb = PlainRgb(c) ? c : c.toRgb();
        if (!PlainRgb(rgb)) throw std::logic_error("an extended-range colour has no 16-bit channels");
        const QRgba64 v = rgb.rgba64();
        a = v.alpha(), r = v.red(), g = v.green(), b = v.blue();
        valid = rgb.isValid();
    }
    constexpr operator QColor() const { return QColor(valid ? QColor::Rgb : QColor::Invalid, a, r, g, b); }
    // As QColor::rgba().
    constexpr QRgb rgba() const { return qRgba(Channel8(r), Channel8(g), Channel8(b), Channel8(a)); }
};

// a + (b - a) * t channel by channel, alpha too, t clamped to [0, 1]: what
// QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, ...) gives.
inline Colour MixColours(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [t](quint16 x, quint16 y) { return float(ChannelF(x) + (ChannelF(y) - ChannelF(x)) * t); };
    const float r = mix(a.r, b.r), g = mix(a.g, b.g), bl = mix(a.b, b.b), al = mix(a.a, b.a);
    auto inside = [](float v) { return v >= 0.0f && v <= 1.0f; };
    if (!inside(r) || !inside(g) || !inside(bl) || !inside(al)) return Colour(QColor::fromRgbF(r, g, bl, al));
    Colour out;
    out.a = Channel16(al), out.r = Channel16(r), out.g = Channel16(g), out.b = Channel16(bl);
    out.valid = true;
    return out;
}

inline QColor MixColours(const QColor& a, const QColor& b, double t) {
    if (!PlainRgb(a) || !PlainRgb(b)) {
        t = std::clamp(t, 0.0, 1.0);
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t),
                                float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
    }
    return MixColours(Colour(a), Colour(b), t);
}

// The colour's 8-bit channels as QColor::red(), green(), blue(), alpha() give them.
struct Rgba8 {
    int r, g, b, a;
};
constexpr Rgba8 Channels8(Colour c) { return {Channel8(c.r), Channel8(c.g), Channel8(c.b), Channel8(c.a)}; }
inline Rgba8 Channels8(const QColor& c) {
    if (!PlainRgb(c)) return {c.red(), c.green(), c.blue(), c.alpha()};
    return Channels8(Colour(c));
}

// std::lround(x) clamped to 0..255, for the products of a channel and a factor.
inline int RoundedChannel(double x) {
    if (!(x >= 0.0 && x < 1e9)) return std::clamp(int(std::lround(x)), 0, 255);
    const long whole = long(x);  // exact below 2^52: x - whole is the exact fraction
    const long r = whole + (x - double(whole) >= 0.5 ? 1 : 0);
    return int(std::min(r, 255L));
}

}  // namespace assetgen
