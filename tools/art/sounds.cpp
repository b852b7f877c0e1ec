// The table's sounds, synthesised: soft card taps and slides, chimes for
// cards going home, and a small fanfare for a win. 22050 Hz, 16-bit mono.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "data_generator.h"
#include "presentation/image_writer.h"
#include "core/bytes.h"

namespace quillo::art {

namespace {

constexpr int Rate = 22050;
using Wave = std::vector<double>;

Wave Silence(double seconds)
{
    return Wave(static_cast<size_t>(seconds * Rate), 0.0);
}

// Deterministic noise, the same on every machine.
class Noise {
public:
    double Next()
    {
        State_ ^= State_ << 13;
        State_ ^= State_ >> 17;
        State_ ^= State_ << 5;
        return (State_ % 20001) / 10000.0 - 1.0;
    }

private:
    uint32_t State_ = 2463534242u;
};

void Mix(Wave& into, const Wave& w, double at, double gain = 1.0)
{
    const size_t start = static_cast<size_t>(at * Rate);
    if (into.size() < start + w.size()) into.resize(start + w.size(), 0.0);
    for (size_t i = 0; i < w.size(); ++i) into[start + i] += w[i] * gain;
}

// A struck tone: a few harmonics with their own decays, like a small bell.
Wave Bell(double freq, double seconds, double decay)
{
    Wave w = Silence(seconds);
    const double partials[][3] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 1.8}, {3.01, 0.12, 2.6}, {4.2, 0.05, 3.5}};
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double v = 0;
        for (const auto& p : partials) v += p[1] * std::exp(-t * decay * p[2]) * std::sin(2 * std::numbers::pi * freq * p[0] * t);
        w[i] = v * std::min(1.0, t * 800.0);  // 1 ms attack, no click
    }
    return w;
}

// Noise through a one-pole low-pass, shaped by an attack-decay envelope:
// the sound of card on cloth.
Wave Tap(double seconds, double cutoff, double decay, Noise& n)
{
    Wave w = Silence(seconds);
    const double a = std::exp(-2 * std::numbers::pi * cutoff / Rate);
    double lp = 0, lp2 = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        lp = (1 - a) * n.Next() + a * lp;
        lp2 = (1 - a) * lp + a * lp2;
        w[i] = lp2 * 3.0 * std::exp(-t * decay) * std::min(1.0, t * 1500.0);
    }
    return w;
}

// Noise swept through a falling band, for cards gathered back to the stock.
Wave Swoosh(double seconds, double from, double to, Noise& n)
{
    Wave w = Silence(seconds);
    double lp = 0, lp2 = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate, u = t / seconds;
        const double cutoff = from * std::pow(to / from, u);
        const double a = std::exp(-2 * std::numbers::pi * cutoff / Rate);
        lp = (1 - a) * n.Next() + a * lp;
        lp2 = (1 - a) * lp + a * lp2;
        w[i] = lp2 * 2.5 * std::sin(std::numbers::pi * u);
    }
    return w;
}

Wave Glide(double f0, double f1, double seconds)
{
    Wave w = Silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(w.size());
        phase += 2 * std::numbers::pi * (f0 + (f1 - f0) * u) / Rate;
        w[i] = std::sin(phase) * std::sin(std::numbers::pi * u);
    }
    return w;
}

std::vector<uint8_t> EncodeWav(Wave w, double peak)
{
    double top = 1e-9;
    for (double v : w) top = std::max(top, std::abs(v));
    // Fade the last 5 ms so nothing ends in a click.
    const size_t fade = std::min<size_t>(w.size(), Rate / 200);
    for (size_t i = 0; i < fade; ++i) w[w.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    ByteWriter b;
    const uint32_t data = static_cast<uint32_t>(w.size() * 2);
    for (char c : std::string_view("RIFF")) b.PutU8(static_cast<uint8_t>(c));
    b.PutU32(36 + data);
    for (char c : std::string_view("WAVEfmt ")) b.PutU8(static_cast<uint8_t>(c));
    b.PutU32(16);
    b.PutU8(1);
    b.PutU8(0);  // PCM
    b.PutU8(1);
    b.PutU8(0);  // mono
    b.PutU32(Rate);
    b.PutU32(Rate * 2);
    b.PutU8(2);
    b.PutU8(0);  // block align
    b.PutU8(16);
    b.PutU8(0);  // bits
    for (char c : std::string_view("data")) b.PutU8(static_cast<uint8_t>(c));
    b.PutU32(data);
    for (double v : w) {
        const auto s = static_cast<int16_t>(std::lround(std::clamp(v / top * peak, -1.0, 1.0) * 32767));
        b.PutU8(static_cast<uint8_t>(s));
        b.PutU8(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
    }
    return b.Take();
}

}  // namespace

bool WriteSounds(const std::string& dir, std::string& error)
{
    const std::string d = dir + (dir.empty() || dir.back() == '/' ? "" : "/");
    Noise n;
    // A riffle of cards for a new deal.
    Wave deal;
    double at = 0;
    for (int i = 0; i < 14; ++i) {
        Mix(deal, Tap(0.05, 2600, 90, n), at, 0.6 + 0.03 * (i % 3));
        at += 0.034 - i * 0.0012;
    }
    Wave work = Tap(0.09, 1800, 55, n);
    Mix(work, Glide(180, 120, 0.05), 0.0, 0.08);
    Wave found = Bell(1318.5, 0.45, 7);
    Mix(found, Bell(1975.5, 0.4, 8), 0.06, 0.55);
    Wave open = Tap(0.05, 3500, 120, n);
    Mix(open, Glide(520, 880, 0.06), 0.005, 0.18);
    Wave gather = Swoosh(0.32, 4200, 500, n);
    Wave stock;
    Mix(stock, Tap(0.07, 2200, 70, n), 0.0);
    Mix(stock, Tap(0.07, 2000, 70, n), 0.075, 0.85);
    Mix(stock, Tap(0.07, 1800, 70, n), 0.15, 0.7);
    Wave undo = Bell(784.0, 0.16, 16);
    Mix(undo, Bell(587.3, 0.22, 14), 0.08, 0.9);
    Wave win;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) Mix(win, Bell(notes[i], 1.0, 3.5), 0.11 * i, 0.8);
    for (double f : {523.25, 659.25, 783.99, 1046.5}) Mix(win, Bell(f, 1.1, 2.6), 0.5, 0.45);

    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"new.wav", EncodeWav(deal, 0.55)},    {"work.wav", EncodeWav(work, 0.5)},
        {"found.wav", EncodeWav(found, 0.45)}, {"open.wav", EncodeWav(open, 0.45)},
        {"return.wav", EncodeWav(gather, 0.45)}, {"stock.wav", EncodeWav(stock, 0.5)},
        {"undo.wav", EncodeWav(undo, 0.4)},    {"win.wav", EncodeWav(win, 0.55)},
    };
    for (const auto& [name, bytes] : files)
        if (!WriteDataFile(d + name, bytes, error)) return false;
    return true;
}

}  // namespace quillo::art
