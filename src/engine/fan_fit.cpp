#include "fan_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "pile_cards.h"

namespace quillo {

namespace {

bool PlainFan(uint8_t fanDir)
{
    return fanDir == FanLeft || fanDir == FanRight || fanDir == FanUp || fanDir == FanDown;
}

// How many whole steps s the corner may move before the card leaves the
// field along either axis.
double RoomInSteps(const GameRules& r, const Pile& pile, Step s)
{
    const CardSize& size = r.CardSizes[static_cast<size_t>(pile.Orientation & 7)];
    double room = 1e18;
    auto axis = [&](int32_t step, int32_t at, int32_t card, int32_t field) {
        if (step > 0) room = std::min(room, static_cast<double>(field - card - at) / step);
        if (step < 0) room = std::min(room, static_cast<double>(at) / -step);
    };
    axis(s.X, pile.X, size.Width, r.FieldWidth);
    axis(s.Y, pile.Y, size.Height, r.FieldHeight);
    return std::max(room, 0.0);
}

// Toward zero, so that the steps add up to no more than the room; a hair of
// tolerance keeps a whole factor whole.
Step Scaled(Step s, double f)
{
    auto one = [&](int32_t v) {
        const double x = v * std::max(0.0, f);
        return static_cast<int32_t>(x + (x > 0 ? 1e-6 : -1e-6));
    };
    return {one(s.X), one(s.Y)};
}

// Whether `up` face-up and `down` face-down steps carry the top card past
// the field's edge.
bool RunsOut(const GameRules& r, const Pile& pile, const PileSteps& steps, int up, int down)
{
    const CardSize& size = r.CardSizes[static_cast<size_t>(pile.Orientation & 7)];
    const int64_t x = pile.X + int64_t{up} * steps.Up.X + int64_t{down} * steps.Down.X;
    const int64_t y = pile.Y + int64_t{up} * steps.Up.Y + int64_t{down} * steps.Down.Y;
    return x < std::min(0, pile.X) || y < std::min(0, pile.Y) ||
           x + size.Width > std::max(r.FieldWidth, pile.X + size.Width) ||
           y + size.Height > std::max(r.FieldHeight, pile.Y + size.Height);
}

// One pixel toward zero on each axis.
Step Shorter(Step s)
{
    auto one = [](int32_t v) { return v > 0 ? v - 1 : v < 0 ? v + 1 : 0; };
    return {one(s.X), one(s.Y)};
}

}  // namespace

PileSteps SetUpSteps(const TableState& t, const Pile& pile)
{
    const CardSize& size = t.Rules.CardSizes[static_cast<size_t>(pile.Orientation & 7)];
    Step s{};
    switch (pile.FanDir) {
    case FanLeft: s = {-size.HorzStep.X, -size.HorzStep.Y}; break;
    case FanRight: s = size.HorzStep; break;
    case FanUp: s = {-size.VertStep.X, -size.VertStep.Y}; break;
    case FanDown:
    case FanStockStack: s = size.VertStep; break;
    default: break;
    }
    PileSteps steps{s, {}};
    if (t.Rules.FaceDownFan == DownFanHalf) steps.Down = {s.X / 2, s.Y / 2};
    if (t.Rules.FaceDownFan == DownFanFull) steps.Down = s;
    return steps;
}

namespace {

// Steps after face-up and face-down cards below a pile's top card.
struct StepCounts {
    int Up = 0, Down = 0;
};

// Counts for every pile in one pass over the cards.
std::array<StepCounts, MaxPiles> CountSteps(const TableState& t)
{
    std::array<StepCounts, MaxPiles> counts{};
    for (int i = 0; i < std::clamp(t.Rules.TotalCards, 0, MaxCards); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex < 0 || c.PileIndex >= MaxPiles) continue;
        if (c.Order < 0 || c.Order + 1 >= t.PileAt(c.PileIndex).Count) continue;
        StepCounts& n = counts[static_cast<size_t>(c.PileIndex)];
        ++(c.FaceUp ? n.Up : n.Down);
    }
    return counts;
}

// A face-down step in units of the set-up face-up step s.
double DownLength(const PileSteps& set)
{
    const Step s = set.Up;
    return s.X != 0 ? static_cast<double>(set.Down.X) / s.X : static_cast<double>(set.Down.Y) / s.Y;
}

// Whether the pile's cards, however they face, stay inside the field at its
// set-up steps: as many steps as the pile has cards but one, each no longer
// than the longer of the two.
bool FitsAsSetUp(const GameRules& r, const Pile& p, const PileSteps& set)
{
    const Step s = set.Up;
    if ((s.X == 0 && s.Y == 0) || p.Count <= 1) return true;
    if (std::abs(set.Down.X) > std::abs(s.X) || std::abs(set.Down.Y) > std::abs(s.Y))
        return (p.Count - 1) * std::max(1.0, DownLength(set)) <= RoomInSteps(r, p, s);
    // In whole pixels, as RoomInSteps measures the room.
    const CardSize& size = r.CardSizes[static_cast<size_t>(p.Orientation & 7)];
    const int64_t steps = p.Count - 1;
    auto fits = [&](int32_t step, int32_t at, int32_t card, int32_t field) {
        if (step > 0) return steps * step <= int64_t{field} - card - at;
        if (step < 0) return steps * -int64_t{step} <= at;
        return true;
    };
    return fits(s.X, p.X, size.Width, r.FieldWidth) && fits(s.Y, p.Y, size.Height, r.FieldHeight);
}

PileSteps StepsFor(const TableState& t, int pile, StepCounts n)
{
    const Pile& p = t.PileAt(pile);
    const PileSteps set = SetUpSteps(t, p);
    const Step s = set.Up;
    if (!PlainFan(p.FanDir) || (s.X == 0 && s.Y == 0)) return set;
    const int up = n.Up, down = n.Down;

    // Lengths in units of the set-up face-up step.
    const double room = RoomInSteps(t.Rules, p, s);
    const double downLength = DownLength(set);
    if (down * downLength + up <= room) return set;

    const double unit = std::hypot(s.X, s.Y);
    const double cardHeight = t.Rules.Upright().Height;
    const double upMin = std::min(1.0, MinFaceUpStep96 * cardHeight / 96.0 / unit);
    const double downMin = std::min(downLength, MinFaceDownStep96 * cardHeight / 96.0 / unit);
    double fu = 1.0, fd = downLength;
    if (down > 0 && down * downMin + up <= room) {
        fd = (room - up) / down;
    } else if (up > 0 && down * downMin + up * upMin <= room) {
        fd = downMin;
        fu = (room - down * downMin) / up;
    } else {
        const double f = room / (down * downMin + up * upMin);
        fd = downMin * f;
        fu = upMin * f;
    }
    PileSteps steps{Scaled(s, fu), Scaled(s, fd)};
    // Rounding may leave a pixel too many: take it from the face-up steps,
    // then the face-down ones.
    while (RunsOut(t.Rules, p, steps, up, down) && !(steps.Up == Step{} && steps.Down == Step{})) {
        if (up > 0 && !(steps.Up == Step{}))
            steps.Up = Shorter(steps.Up);
        else
            steps.Down = Shorter(steps.Down);
    }
    return steps;
}

}  // namespace

PileSteps FittedSteps(const TableState& t, int pile)
{
    return StepsFor(t, pile, CountSteps(t)[static_cast<size_t>(pile)]);
}

void PlaceFannedPile(TableState& t, int pile)
{
    const Pile& p = t.PileAt(pile);
    CardList cards;
    const int n = CardsByOrder(t, pile, cards);
    int32_t x = p.X, y = p.Y;
    for (int k = 0; k < n; ++k) {
        const int i = cards[static_cast<size_t>(k)];
        if (i == -1) continue;
        Card& c = t.CardAt(i);
        c.X = x;
        c.Y = y;
        x += c.FaceUp ? p.FanX : p.DownFanX;
        y += c.FaceUp ? p.FanY : p.DownFanY;
    }
}

namespace {

// Sets the pile's steps; true when they changed.
bool SetSteps(Pile& p, const PileSteps& steps)
{
    if (steps == PileSteps{{p.FanX, p.FanY}, {p.DownFanX, p.DownFanY}}) return false;
    p.FanX = steps.Up.X;
    p.FanY = steps.Up.Y;
    p.DownFanX = steps.Down.X;
    p.DownFanY = steps.Down.Y;
    return true;
}

}  // namespace

namespace {

// Fitted steps for every plain fanned pile, in pile order. Cards are counted
// only where a pile could run out at its set-up steps, which after most
// moves none can.
template <class F> void ForEachFitted(const TableState& t, F&& f)
{
    std::array<StepCounts, MaxPiles> counts;
    bool counted = false;
    for (int i = 0; i < std::clamp(t.Rules.PileCount, 0, MaxPiles); ++i) {
        const Pile& p = t.PileAt(i);
        if (!PlainFan(p.FanDir)) continue;
        const PileSteps set = SetUpSteps(t, p);
        if (FitsAsSetUp(t.Rules, p, set)) {
            f(i, set);
            continue;
        }
        if (!counted) counts = CountSteps(t);
        counted = true;
        f(i, StepsFor(t, i, counts[static_cast<size_t>(i)]));
    }
}

}  // namespace

void FitFanSteps(TableState& t)
{
    ForEachFitted(t, [&](int i, const PileSteps& steps) { SetSteps(t.PileAt(i), steps); });
}

bool FitFans(TableState& t)
{
    bool changed = false;
    ForEachFitted(t, [&](int i, const PileSteps& steps) {
        if (!SetSteps(t.PileAt(i), steps)) return;
        PlaceFannedPile(t, i);
        changed = true;
    });
    return changed;
}

}  // namespace quillo
