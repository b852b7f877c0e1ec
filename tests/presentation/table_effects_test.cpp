// Moves shown on the table: glides, fades, drags and the celebration, each
// ending on the right picture.

#include <gtest/gtest.h>

#include <tuple>

#include "presentation/celebration.h"
#include "presentation/raster_ops.h"
#include "presentation/table_effects.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

using test::DrawnArt;
using test::RecordingSurface;

const DrawnArt& Art()
{
    static const DrawnArt art;
    return art;
}

constexpr Bgr Green = BgrFromRgb(0x008000);

struct Table {
    RecordingSurface Surface;
    Field F{Surface};
    TableState T;

    // Two piles, the second at (400, 0); card 5 alone on the first, at (20, 30).
    Table()
    {
        Art().Attach(F);
        F.Resize(600, 400);
        std::tie(T.Rules.TotalCards, T.Rules.PileCount, T.Rules.FieldWidth, T.Rules.FieldHeight) =
            std::tuple(52, 2, 600, 400);
        std::tie(T.PileAt(1).X, T.PileAt(1).Layer, T.PileAt(0).Count) = std::tuple(400, 1, 1);
        Card& c = T.CardAt(5);
        c.InPlay = c.FaceUp = true;
        std::tie(c.PileIndex, c.X, c.Y, c.Rank) = std::tuple(0, 20, 30, 5);
        F.DrawField(T);
    }
};

TEST(GlideAndFade, AnimationOffShowsOnlyTheFinalFrame)
{
    for (bool animate : {false, true}) {
        Table tb;
        // The engine moved card 5 to pile 1 at (400, 0): 380 pixels away.
        Card& c = tb.T.CardAt(5);
        std::tie(c.X, c.Y, c.PileIndex) = std::tuple(400, 0, 1);
        const MovedCard moved[] = {{5, 20, 30, Upright}};
        const MoveShow show{0, 1, true, moved};
        tb.Surface.Sleeps = 0;
        ShowMove(tb.F, tb.T, show, animate, false);
        EXPECT_TRUE(animate ? tb.Surface.Sleeps > 1 : tb.Surface.Sleeps == 1) << tb.Surface.Sleeps;
        // The card at its new place, and the field beneath again at the old one.
        EXPECT_EQ(std::tuple(tb.F.I_Field.GetPixel(430, 40), tb.F.I_Field.GetPixel(50, 60)),
                  std::tuple(test::FaceColour(5, 0), Green));
        // A fade ends on what lay beneath.
        FadeOutCards(tb.F, tb.T, 5, -1);
        EXPECT_EQ(tb.F.I_Field.GetPixel(430, 40), Green);
    }
}

TEST(Drag, FramesEraseTheOldPlace)
{
    Table tb;
    tb.T.CardAt(5).Moving = true;
    DragPainter drag;
    drag.Start(tb.F, tb.T);
    EXPECT_EQ(tb.F.I_StoreScr.GetPixel(50, 60), Green);
    tb.T.CardAt(5).X = 200;
    drag.Frame(tb.F, tb.T);
    EXPECT_EQ(std::tuple(tb.F.I_Field.GetPixel(50, 60), tb.F.I_Field.GetPixel(230, 60)),
              std::tuple(Green, test::FaceColour(5, 0)));
    EXPECT_EQ(tb.Surface.Invalidated.back(), (FieldRect{20, 30, 271, 126}));
}

TEST(Celebration, RunsOutAndLeavesTheBareBackground)
{
    Table tb;
    for (int i = 0; i < 52; ++i) {
        Card& c = tb.T.CardAt(i);
        c.InPlay = c.FaceUp = true;
        std::tie(c.PileIndex, c.Order, c.X, c.Y) = std::tuple(0, i, 250, 150);
    }
    tb.T.PileAt(0).Count = 52;
    tb.F.DrawField(tb.T);
    Celebration cel;
    cel.Start(tb.F, tb.T);
    int ticks = 0;
    while (!cel.Tick(tb.F, tb.T) && ticks < 5000) ++ticks;
    EXPECT_FALSE(ticks == 5000 || cel.Running());
    EXPECT_TRUE(tb.F.I_Field.SamePixels(tb.F.I_StoreScr));
    EXPECT_EQ(tb.F.I_Field.GetPixel(280, 200), Green);
}

}  // namespace
}  // namespace quillo
