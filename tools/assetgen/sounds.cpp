// The game's four sound effects, synthesised: the title's flash, a sword blow, a spell's
// sparkle and a parry. 16-bit mono PCM at 44100 Hz, each starting at once.
#include "common.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {
namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
using Samples = std::vector<double>;

Samples Silence(double seconds) { return Samples(size_t(seconds * kRate), 0.0); }

// A struck partial: a sine at freq (Hz) from start, decaying with time constant tau.
void AddPartial(Samples& s, double start, double freq, double amp, double tau, double phase = 0) {
    const size_t from = size_t(start * kRate);
    for (size_t i = from; i < s.size(); ++i) {
        const double t = double(i - from) / kRate;
        const double env = std::exp(-t / tau);
        if (env < 1e-4) break;
        s[i] += amp * env * std::sin(2 * kPi * freq * t + phase);
    }
}

// A two-pole state-variable filter whose centre may move; returns the band-pass output.
class BandPass {
public:
    explicit BandPass(double q) : damp_(1.0 / q) {}
    double Step(double in, double freq) {
        const double f = 2 * std::sin(kPi * std::min(freq, kRate / 6.0) / kRate);
        low_ += f * band_;
        const double high = in - low_ - damp_ * band_;
        band_ += f * high;
        return band_;
    }
private:
    double damp_, low_ = 0, band_ = 0;
};

double White(Noise& n) { return n.unit() * 2 - 1; }

// Scales to the given peak, ramps the first millisecond up and the last `tail` seconds down.
void Finish(Samples& s, double peak, double tail) {
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    if (top > 0)
        for (double& v : s) v *= peak / top;
    const size_t in = kRate / 1000, out = size_t(tail * kRate);
    for (size_t i = 0; i < in && i < s.size(); ++i) s[i] *= double(i) / in;
    for (size_t i = 0; i < out && i < s.size(); ++i) s[s.size() - 1 - i] *= double(i) / out;
}

void Put16(QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }
void Put32(QByteArray& b, uint32_t v) { Put16(b, int(v & 0xFFFF)); Put16(b, int(v >> 16)); }

QByteArray Wave(const Samples& s) {
    QByteArray b("RIFF");
    const uint32_t data = uint32_t(s.size() * 2);
    Put32(b, 36 + data);
    b.append("WAVEfmt ");
    Put32(b, 16);
    Put16(b, 1);             // PCM
    Put16(b, 1);             // mono
    Put32(b, kRate);
    Put32(b, kRate * 2);     // bytes a second
    Put16(b, 2);             // bytes a frame
    Put16(b, 16);            // bits a sample
    b.append("data");
    Put32(b, data);
    for (double v : s) Put16(b, int(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    return b;
}

// The free-free bar's overtone ratios: the inharmonic ring of a blade.
constexpr double kBar[4] = {1.0, 2.756, 5.404, 8.933};

// The title's flash: the sword's long shimmering ring with beating twins, a bright strike
// and an airy whoosh that falls away.
Samples Flash() {
    Samples s = Silence(1.5);
    Noise n(101);
    for (int k = 0; k < 4; ++k) {
        const double f = 698.0 * kBar[k];
        const double tau = 0.9 / (1 + k * 0.7);
        AddPartial(s, 0, f, 0.5 / (1 + k), tau);
        AddPartial(s, 0, f * 1.0035 + 1.3, 0.35 / (1 + k), tau * 1.1, 1.0);  // beating twin
    }
    AddPartial(s, 0, 1046.5, 0.18, 0.7);
    BandPass air(3.0), crack(1.2);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double w = White(n);
        const double sweep = 7000 * std::exp(-t * 2.2) + 900;
        const double whoosh = std::min(1.0, t / 0.03) * std::exp(-t / 0.45) * (0.8 + 0.2 * std::sin(2 * kPi * 9 * t));
        s[i] += 0.55 * air.Step(w, sweep) * whoosh;
        s[i] += 0.9 * crack.Step(w, 5000) * std::exp(-t / 0.012);
    }
    Finish(s, 0.8, 0.08);
    return s;
}

// A blow: the thud of the hit falling in pitch, its smack, and a short ring of the blade.
Samples Blow() {
    Samples s = Silence(0.4);
    Noise n(202);
    double phase = 0;
    BandPass smack(0.8);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * kPi * (55 + 130 * std::exp(-t / 0.03)) / kRate;
        s[i] += 0.9 * std::sin(phase) * std::exp(-t / 0.07);
        s[i] += 0.8 * smack.Step(White(n), 1800 * std::exp(-t / 0.08) + 400) * std::exp(-t / 0.035);
    }
    for (int k = 0; k < 4; ++k) AddPartial(s, 0.002, 1320.0 * kBar[k], 0.16 / (1 + k), 0.11 / (1 + 0.5 * k));
    Finish(s, 0.85, 0.05);
    return s;
}

// A spell: a rising shimmering chime with a rain of pentatonic sparkles and airy hiss.
Samples Sparkle() {
    Samples s = Silence(0.8);
    Noise n(303);
    static const double kPenta[10] = {1568.0, 1760.0, 2093.0, 2349.3, 2637.0,
                                      3136.0, 3520.0, 4186.0, 4698.6, 5274.0};
    for (int g = 0; g < 28; ++g) {
        const double start = g == 0 ? 0.0 : 0.58 * std::pow(n.unit(), 1.4);
        const double f = kPenta[n.range(0, 9)];
        AddPartial(s, start, f, 0.22 + 0.12 * n.unit(), 0.05 + 0.08 * n.unit());
        AddPartial(s, start, f * 2.01, 0.06, 0.03);
    }
    double phase = 0;
    BandPass hiss(2.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * kPi * (880 * std::pow(3.0, std::min(t, 0.6) / 0.6)) / kRate;
        const double env = std::min(1.0, t / 0.01) * std::exp(-t / 0.35);
        s[i] += 0.25 * env * std::sin(phase) * (0.7 + 0.3 * std::sin(2 * kPi * 14 * t));
        s[i] += 0.12 * env * std::sin(2 * phase) * (0.7 + 0.3 * std::cos(2 * kPi * 11 * t));
        s[i] += 0.3 * hiss.Step(White(n), 8000) * env;
    }
    Finish(s, 0.8, 0.1);
    return s;
}

// A parry: two blades meeting, a sharp click and two inharmonic rings a little apart.
Samples Parry() {
    Samples s = Silence(0.4);
    Noise n(404);
    for (int k = 0; k < 4; ++k) {
        AddPartial(s, 0, 620.0 * kBar[k], 0.45 / (1 + 0.6 * k), 0.16 / (1 + 0.4 * k));
        AddPartial(s, 0.006, 757.0 * kBar[k], 0.35 / (1 + 0.6 * k), 0.12 / (1 + 0.4 * k), 0.5);
    }
    BandPass scrape(1.5);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double w = White(n);
        s[i] += 0.9 * w * std::exp(-t / 0.002);
        s[i] += 0.5 * scrape.Step(w, 4200 - 1500 * t) * std::exp(-t / 0.04);
    }
    Finish(s, 0.85, 0.06);
    return s;
}

}  // namespace

void GenerateSounds(const QString& dir) {
    SaveBytes(Wave(Flash()), dir + "/song.wav");
    SaveBytes(Wave(Blow()), dir + "/cmbsnd1.wav");
    SaveBytes(Wave(Sparkle()), dir + "/cmbsnd2.wav");
    SaveBytes(Wave(Parry()), dir + "/cmbsnd3.wav");
}

}  // namespace assetgen
