#include "card_sizes.h"

#include <cmath>
#include <numbers>

namespace quillo {

namespace {

int32_t RoundHalfEven(double v)
{
    return static_cast<int32_t>(std::nearbyint(v));
}

Step TurnStep(Step s, double c, double sn)
{
    // Clockwise on the screen, whose y axis points down.
    return {RoundHalfEven(s.X * c - s.Y * sn), RoundHalfEven(s.X * sn + s.Y * c)};
}

}  // namespace

CardSize UprightCardSize(int32_t width, int32_t height)
{
    CardSize s;
    s.Width = width;
    s.Height = height;
    s.HorzStep = {RoundHalfEven(16.0 * width / 71.0), 0};
    s.VertStep = {0, RoundHalfEven(20.0 * height / 96.0)};
    return s;
}

CardSize TurnCardSize(const CardSize& upright, double degrees)
{
    const double t = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(t), sn = std::sin(t);
    CardSize s;
    s.Width = RoundHalfEven(upright.Width * c + upright.Height * sn);
    s.Height = RoundHalfEven(upright.Width * sn + upright.Height * c);
    s.HorzStep = TurnStep(upright.HorzStep, c, sn);
    s.VertStep = TurnStep(upright.VertStep, c, sn);
    return s;
}

CardSize QuarterTurn(const CardSize& k)
{
    CardSize s;
    s.Width = k.Height;
    s.Height = k.Width;
    s.HorzStep = {k.HorzStep.Y, -k.HorzStep.X};
    s.VertStep = {k.VertStep.Y, -k.VertStep.X};
    return s;
}

void DeriveTurnedClasses(CardSizeTable& sizes)
{
    for (int k = 0; k < 4; ++k) sizes[k + 4] = QuarterTurn(sizes[k]);
}

CardSizeTable MakeCardSizes(int32_t width, int32_t height)
{
    CardSizeTable t{};
    t[Upright] = UprightCardSize(width, height);
    for (int k = 0; k < 3; ++k) t[k] = TurnCardSize(t[Upright], TurnAngles[k]);
    DeriveTurnedClasses(t);
    return t;
}

const CardSizeTable& DefaultCardSizes()
{
    static const CardSizeTable table = MakeCardSizes(71, 96);
    return table;
}

}  // namespace quillo
