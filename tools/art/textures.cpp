// Background textures: felt, oak, linen, marble and slate, each seamless when
// tiled (every pattern is periodic over the picture's own size).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "data_generator.h"
#include "presentation/image_writer.h"

namespace quillo::art {

namespace {

// Smooth noise that repeats every `period` lattice cells in both directions.
class PeriodicNoise {
public:
    PeriodicNoise(int period, uint32_t seed) : Period_(period), Values_(static_cast<size_t>(period * period))
    {
        uint32_t s = seed * 2654435761u + 1;
        for (float& v : Values_) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            v = static_cast<float>(s % 10000) / 10000.0f;
        }
    }
    // x, y in lattice cells.
    double At(double x, double y) const
    {
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const double fx = Fade(x - x0), fy = Fade(y - y0);
        const double a = V(x0, y0), b = V(x0 + 1, y0), c = V(x0, y0 + 1), d = V(x0 + 1, y0 + 1);
        return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy;
    }

private:
    static double Fade(double t) { return t * t * (3 - 2 * t); }
    double V(int x, int y) const
    {
        x = ((x % Period_) + Period_) % Period_;
        y = ((y % Period_) + Period_) % Period_;
        return Values_[static_cast<size_t>(y * Period_ + x)];
    }
    int Period_;
    std::vector<float> Values_;
};

// Octaves of noise over a size x size picture, periodic over the picture.
double Fractal(const std::vector<PeriodicNoise>& octaves, int size, double x, double y, int basePeriod)
{
    double sum = 0, amp = 0.5, norm = 0;
    int period = basePeriod;
    for (const PeriodicNoise& n : octaves) {
        sum += amp * n.At(x * period / size, y * period / size);
        norm += amp;
        amp *= 0.5;
        period *= 2;
    }
    return sum / norm;
}

std::vector<PeriodicNoise> Octaves(int basePeriod, int count, uint32_t seed)
{
    std::vector<PeriodicNoise> out;
    for (int i = 0; i < count; ++i) out.emplace_back(basePeriod << i, seed + static_cast<uint32_t>(i) * 977u);
    return out;
}

uint8_t Clamp(double v)
{
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

Bgr Mix(Bgr a, Bgr b, double t)
{
    return {Clamp(a.B + (b.B - a.B) * t), Clamp(a.G + (b.G - a.G) * t), Clamp(a.R + (b.R - a.R) * t)};
}

PixelBuffer Felt(Bgr dark, Bgr light, uint32_t seed)
{
    const int n = 256;
    const auto coarse = Octaves(4, 3, seed), fine = Octaves(64, 2, seed + 50);
    PixelBuffer b(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double t = 0.55 * Fractal(coarse, n, x, y, 4) + 0.45 * Fractal(fine, n, x, y, 64);
            b.SetPixel(x, y, Mix(dark, light, std::clamp((t - 0.25) * 1.6, 0.0, 1.0)));
        }
    return b;
}

PixelBuffer Oak()
{
    const int n = 256;
    const auto warp = Octaves(4, 3, 7), grain = Octaves(32, 2, 19);
    const Bgr dark = BgrFromRgb(0x6B4423), light = BgrFromRgb(0xB07A45);
    PixelBuffer b(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            // Rings run along y; the phase is periodic in x (whole turns) and
            // warped by periodic noise, so the picture tiles.
            const double phase = 2 * std::numbers::pi * (6.0 * x / n + 1.5 * Fractal(warp, n, x, y, 4));
            const double rings = 0.5 + 0.5 * std::sin(phase);
            // Fine streaks along the grain, 48 to the picture.
            const double fibres = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (48.0 * x / n + 0.8 * Fractal(grain, n, x, y, 32)));
            b.SetPixel(x, y, Mix(dark, light, std::clamp(0.65 * rings * rings + 0.35 * fibres, 0.0, 1.0)));
        }
    return b;
}

PixelBuffer Marble()
{
    const int n = 256;
    const auto turb = Octaves(4, 4, 31);
    const Bgr vein = BgrFromRgb(0x5C6670), stone = BgrFromRgb(0xE9E6E0);
    PixelBuffer b(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double phase = 2 * std::numbers::pi * (2.0 * (x + y) / n + 2.2 * Fractal(turb, n, x, y, 4));
            const double v = std::pow(std::abs(std::sin(phase)), 0.25);
            b.SetPixel(x, y, Mix(vein, stone, v));
        }
    return b;
}

PixelBuffer Slate()
{
    const int n = 256;
    const auto coarse = Octaves(8, 3, 43), fine = Octaves(64, 2, 61);
    const Bgr dark = BgrFromRgb(0x1E2A36), light = BgrFromRgb(0x3E5266);
    PixelBuffer b(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double t = 0.7 * Fractal(coarse, n, x, y * 2.0, 8) + 0.3 * Fractal(fine, n, x, y, 64);
            b.SetPixel(x, y, Mix(dark, light, std::clamp((t - 0.2) * 1.5, 0.0, 1.0)));
        }
    return b;
}

// Linen as palette indexes: a weave of light and dark threads.
std::vector<uint8_t> Linen(int n)
{
    const auto slub = Octaves(8, 2, 71);
    std::vector<uint8_t> idx(static_cast<size_t>(n * n));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool overWarp = ((x / 2) + (y / 2)) % 2 == 0;
            const double thread = overWarp ? 0.5 + 0.5 * std::cos(std::numbers::pi * (y % 2)) * 0.4
                                           : 0.5 + 0.5 * std::cos(std::numbers::pi * (x % 2)) * 0.4;
            const double t = 0.6 * thread + 0.4 * Fractal(slub, n, overWarp ? x * 0.2 : x, overWarp ? y : y * 0.2, 8);
            idx[static_cast<size_t>(y * n + x)] = Clamp(t * 255);
        }
    return idx;
}

}  // namespace

bool WriteTextures(const std::string& dir, std::string& error)
{
    const std::string d = dir + (dir.empty() || dir.back() == '/' ? "" : "/");
    std::array<Bgr, 256> linenPalette;
    for (int i = 0; i < 256; ++i)
        linenPalette[static_cast<size_t>(i)] = Mix(BgrFromRgb(0xA89A7E), BgrFromRgb(0xF1E9D6), i / 255.0);
    const int ln = 128;
    return WriteDataFile(d + "felt.bmp", EncodeBmp(Felt(BgrFromRgb(0x0B4F1E), BgrFromRgb(0x23803A), 3)), error) &&
           WriteDataFile(d + "oak.bmp", EncodeBmp(Oak()), error) &&
           WriteDataFile(d + "linen.gif", EncodeGif(ln, ln, Linen(ln), linenPalette), error) &&
           WriteDataFile(d + "marble.jpg", EncodeJpeg(Marble(), 92), error) &&
           WriteDataFile(d + "slate.jpg", EncodeJpeg(Slate(), 92), error) &&
           WriteDataFile(d + "baize.jpg", EncodeJpeg(Felt(BgrFromRgb(0x0E2F5C), BgrFromRgb(0x2A5C9A), 9), 92), error);
}

}  // namespace quillo::art
