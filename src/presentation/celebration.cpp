#include "celebration.h"

#include <cmath>
#include <cstring>

#include "engine/deal.h"
#include "engine/random.h"
#include "presentation/field.h"
#include "presentation/raster_ops.h"

namespace quillo {

double RandomFraction(uint32_t& seed)
{
    seed = seed * RandMultiplier + 1u;
    return seed / 4294967296.0;
}

SpiralRecord MakeSpiral(const TableState& t, int card, uint32_t& seed)
{
    const Card& c = t.CardAt(card);
    const int fw = t.Rules.FieldWidth, fh = t.Rules.FieldHeight;
    SpiralRecord s;
    s.cx = c.X;
    s.cy = c.Y;
    s.rx = s.cx < fw / 2 ? fw - s.cx : s.cx;
    s.ry = s.cy < fh / 2 ? fh - s.cy : s.cy;
    s.angle = 0.0;
    s.growth = 3.0;
    s.step = RandomFraction(seed) / 5.0;
    if (std::fabs(s.step) <= 0.1) s.step = 0.1;
    s.scale = 1.0 + RandomFraction(seed);
    s.delay = static_cast<int32_t>(Random(seed, 10));
    return s;
}

void FadeToward(PixelBuffer& field, const PixelBuffer& target)
{
    if (field.Width() < 1 || target.Width() < 1) return;
    const int w = std::min(field.Width(), target.Width()), h = std::min(field.Height(), target.Height());
    for (int y = 0; y < h; ++y) {
        uint8_t* f = field.Row(y);
        const uint8_t* s = target.Row(y);
        const int n = 3 * w;
        for (int x = 0; x < n; x += 3) {
            if (f[x] == s[x] && f[x + 1] == s[x + 1] && f[x + 2] == s[x + 2]) continue;
            for (int k = x; k < x + 3; ++k) f[k] = static_cast<uint8_t>(f[k] - f[k] / 4 + s[k] / 4);
        }
    }
}

void Celebration::Start(Field& f, TableState& t)
{
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) Spirals_[static_cast<size_t>(i)] = MakeSpiral(t, i, t.RandSeed);
    // The flying cards are drawn in random order.
    std::array<int32_t, MaxCards> order{};
    for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
    for (int i = 0; i < n; ++i)
        std::swap(order[static_cast<size_t>(i)], order[Random(t.RandSeed, static_cast<uint32_t>(n))]);
    for (int i = 0; i < n; ++i) t.CardAt(i).Order = order[static_cast<size_t>(i)];
    SortDealOrder(t);
    f.DrawBackground(f.I_StoreScr);
    Phase_ = -1;
    Running_ = true;
}

bool Celebration::Tick(Field& f, TableState& t)
{
    if (!Running_) return true;
    FadeToward(f.I_Field, f.I_StoreScr);
    const FieldRect whole = FieldRect::Of(0, 0, f.Width(), f.Height());
    if (Phase_ == -1) {
        bool moved = false, allGone = true;
        const int fw = t.Rules.FieldWidth, fh = t.Rules.FieldHeight;
        const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
        for (int k = 0; k < n; ++k) {
            const int i = t.DealOrder[static_cast<size_t>(k)].CardIndex;
            Card& c = t.CardAt(i);
            if (!c.InPlay) continue;
            const CardSize& size = t.Rules.CardSizes[static_cast<size_t>(c.Orientation & 7)];
            const int w = size.Width, h = size.Height;
            if (allGone && c.X + w >= 1 && c.Y + h >= 1 && c.X < fw && c.Y < fh) allGone = false;
            SpiralRecord& s = Spirals_[static_cast<size_t>(i)];
            if (c.X + w >= s.cx - s.rx && c.Y + h >= s.cy - s.ry && c.X <= s.cx + s.rx && c.Y <= s.cy + s.ry) {
                moved = true;
                if (s.delay < 1) {
                    s.angle += s.step;
                    if (s.angle < 0) s.angle = 0;
                    if (s.angle >= 360) s.angle = 359;
                    const double radius = std::exp(s.growth) * s.scale * s.angle;
                    c.X = s.cx + static_cast<int32_t>(RoundHalfEven(std::cos(s.angle) * radius));
                    c.Y = s.cy + static_cast<int32_t>(RoundHalfEven(std::sin(s.angle) * radius));
                } else {
                    --s.delay;
                }
                // The old place is left to the fading: that is the trail.
                f.DrawCard(f.I_Field, t, i);
            } else {
                c.InPlay = false;
            }
        }
        if (!moved || allGone) {
            Phase_ = 0;
            return false;
        }
        f.Surface().Invalidate(whole);
        f.Surface().RepaintNow();
        return false;
    }
    ++Phase_;
    if (Phase_ < 11) {
        f.Surface().Invalidate(whole);
        f.Surface().RepaintNow();
        return false;
    }
    Running_ = false;
    CopyRect(f.I_Field, 0, 0, f.I_StoreScr, 0, 0, f.Width(), f.Height());
    f.Surface().Invalidate(whole);
    return true;
}

}  // namespace quillo
