#include "card_fit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "card_sizes.h"
#include "deal.h"
#include "fan_fit.h"
#include "game.h"
#include "setup.h"

namespace quillo {

namespace {

constexpr int32_t SmallestWidth = 18;

// A maximized window whose client area is exactly the field.
class FieldView : public TableView {
public:
    FieldView(int32_t w, int32_t h) : W(w), H(h) {}
    bool IsMaximized() const override { return true; }
    int MaximizedClientWidth() const override { return W; }
    int MaximizedClientHeight() const override { return H + ToolBarHeight(); }

private:
    int32_t W, H;
};

struct Box {
    int32_t X0, Y0, X1, Y1;
};

Box PileBox(const TableState& t, int p)
{
    const Pile& pile = t.PileAt(p);
    const CardSize& s = t.Rules.CardSizes[static_cast<size_t>(pile.Orientation & 7)];
    return {pile.X, pile.Y, pile.X + s.Width, pile.Y + s.Height};
}

bool Apart(const Box& a, const Box& b)
{
    return a.X1 <= b.X0 || b.X1 <= a.X0 || a.Y1 <= b.Y0 || b.Y1 <= a.Y0;
}

// Room of a fanned pile along its fan up to the field's edge, in upright
// card heights; -1 for a pile that does not fan.
double FanRoom(const TableState& t, int p)
{
    const Pile& pile = t.PileAt(p);
    if (pile.FanDir != FanLeft && pile.FanDir != FanRight && pile.FanDir != FanUp && pile.FanDir != FanDown)
        return -1;
    const Step s = SetUpSteps(t, pile).Up;
    if (s.X == 0 && s.Y == 0) return -1;
    const Box b = PileBox(t, p);
    const GameRules& r = t.Rules;
    double steps = 1e18;
    if (s.X > 0) steps = std::min(steps, static_cast<double>(r.FieldWidth - b.X1) / s.X);
    if (s.X < 0) steps = std::min(steps, static_cast<double>(b.X0) / -s.X);
    if (s.Y > 0) steps = std::min(steps, static_cast<double>(r.FieldHeight - b.Y1) / s.Y);
    if (s.Y < 0) steps = std::min(steps, static_cast<double>(b.Y0) / -s.Y);
    return steps * std::hypot(s.X, s.Y) / r.CardHeight();
}

// The game laid out and dealt with cards of the given width, in the field
// of the scratch game's view.
void LayOut(Game& scratch, const TableState& from, int32_t cardWidth)
{
    scratch.T = from;
    scratch.T.Rules.CardSizes = MakeCardSizes(cardWidth, FittedCardHeight(cardWidth));
    SetupGame(scratch, SetupForm::Full);
    scratch.T.RandSeed = 1;
    NewDeal(scratch, DealKind::Preview);
}

// Piles some games keep beyond the field, for the cards they take out of
// play.
bool Hidden(const TableState& t, const Box& b)
{
    return b.X0 >= t.Rules.FieldWidth || b.Y0 >= t.Rules.FieldHeight || b.X1 <= 0 || b.Y1 <= 0;
}

struct Reference {
    int PileCount = 0;
    std::array<double, MaxPiles> Room{};
    std::array<Box, MaxPiles> Boxes{};
    std::array<bool, MaxPiles> Hidden{};
};

bool Fits(const TableState& t, const Reference& ref)
{
    const GameRules& r = t.Rules;
    if (r.MinFieldWidth > r.FieldWidth || r.MinFieldHeight > r.FieldHeight) return false;
    if (r.PileCount != ref.PileCount) return false;
    for (int i = 0; i < std::clamp(r.TotalCards, 0, MaxCards); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex < 0 || c.PileIndex >= MaxPiles || ref.Hidden[static_cast<size_t>(c.PileIndex)])
            continue;
        const CardSize& s = r.CardSizes[static_cast<size_t>(c.Orientation & 7)];
        if (c.X < 0 || c.Y < 0 || c.X + s.Width > r.FieldWidth || c.Y + s.Height > r.FieldHeight) return false;
    }
    const double narrowest = static_cast<double>(MinFaceUpStep96) / UprightCardSize(71, 96).VertStep.Y;
    for (int p = 0; p < r.PileCount; ++p) {
        if (ref.Hidden[static_cast<size_t>(p)]) continue;
        const Box b = PileBox(t, p);
        if (b.X0 < 0 || b.Y0 < 0 || b.X1 > r.FieldWidth || b.Y1 > r.FieldHeight) return false;
        const double room = ref.Room[static_cast<size_t>(p)];
        if (room > 0 && FanRoom(t, p) < room * narrowest) return false;
        for (int q = 0; q < p; ++q)
            if (!ref.Hidden[static_cast<size_t>(q)] && Apart(ref.Boxes[static_cast<size_t>(p)], ref.Boxes[static_cast<size_t>(q)]) &&
                !Apart(b, PileBox(t, q)))
                return false;
    }
    return true;
}

}  // namespace

int32_t FittedCardHeight(int32_t width)
{
    return static_cast<int32_t>(std::lround(width * 96.0 / 71.0));
}

CardFit FitCards(const Game& g, int32_t fieldWidth, int32_t fieldHeight)
{
    // The reference: 71 x 96 cards in the field a new window opens with.
    Game scratch;
    scratch.KeepHistory = false;
    scratch.T = g.T;
    scratch.T.Rules.CardSizes = DefaultCardSizes();
    SetupGame(scratch, SetupForm::Full);
    Reference ref;
    ref.PileCount = std::clamp(scratch.T.Rules.PileCount, 0, MaxPiles);
    for (int p = 0; p < ref.PileCount; ++p) {
        ref.Room[static_cast<size_t>(p)] = FanRoom(scratch.T, p);
        ref.Boxes[static_cast<size_t>(p)] = PileBox(scratch.T, p);
        ref.Hidden[static_cast<size_t>(p)] = Hidden(scratch.T, ref.Boxes[static_cast<size_t>(p)]);
    }

    FieldView view(fieldWidth, fieldHeight);
    scratch.SetView(view);
    auto fits = [&](int32_t w) {
        LayOut(scratch, g.T, w);
        return Fits(scratch.T, ref);
    };
    int32_t lo = SmallestWidth, hi = std::max(SmallestWidth, fieldWidth);
    if (!fits(lo)) return {lo, FittedCardHeight(lo)};
    // The largest width that fits: lo always fits, hi + 1 never is tried.
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return {lo, FittedCardHeight(lo)};
}

}  // namespace quillo
