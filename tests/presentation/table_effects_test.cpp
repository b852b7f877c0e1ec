#include <gtest/gtest.h>

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

    Table()
    {
        Art().Attach(F);
        F.Resize(600, 400);
        T.Rules.TotalCards = 52;
        T.Rules.PileCount = 2;
        T.PileAt(0) = Pile{};
        T.PileAt(1).X = 400;
        T.PileAt(1).Layer = 1;
        T.Rules.FieldWidth = 600;
        T.Rules.FieldHeight = 400;
    }
    // Card 5 lies alone on pile 0 at (20, 30).
    void PutCard()
    {
        Card& c = T.CardAt(5);
        c.InPlay = c.FaceUp = true;
        c.PileIndex = 0;
        c.X = 20;
        c.Y = 30;
        c.Rank = 5;
        T.PileAt(0).Count = 1;
        F.DrawField(T);
    }
};

TEST(Glide, AnimationOffShowsOnlyTheFinalFrame)
{
    for (bool animate : {false, true}) {
        Table tb;
        tb.PutCard();
        // The engine moved card 5 to pile 1 at (400, 0): 380 pixels away.
        Card& c = tb.T.CardAt(5);
        c.X = 400;
        c.Y = 0;
        c.PileIndex = 1;
        const MovedCard moved[] = {{5, 20, 30, Upright}};
        const MoveShow show{0, 1, true, moved};
        tb.Surface.Sleeps = 0;
        ShowMove(tb.F, tb.T, show, animate, false);
        EXPECT_EQ(tb.Surface.Sleeps > 1, animate);
        EXPECT_GE(tb.Surface.Sleeps, 1);
        EXPECT_EQ(tb.F.I_Field.GetPixel(430, 40), test::FaceColour(5, 0));
        // The old place shows the field beneath again.
        EXPECT_EQ(tb.F.I_Field.GetPixel(50, 60), Green);
    }
}

TEST(Fade, EndsOnWhatLayBeneath)
{
    Table tb;
    tb.PutCard();
    tb.Surface.Sleeps = 0;
    FadeOutCards(tb.F, tb.T, 5, -1);
    EXPECT_EQ(tb.Surface.Sleeps, 5);
    EXPECT_EQ(tb.F.I_Field.GetPixel(50, 60), Green);
}

TEST(Drag, FramesEraseTheOldPlace)
{
    Table tb;
    tb.PutCard();
    tb.T.CardAt(5).Moving = true;
    DragPainter drag;
    drag.Start(tb.F, tb.T);
    EXPECT_EQ(tb.F.I_StoreScr.GetPixel(50, 60), Green);
    tb.T.CardAt(5).X = 200;
    drag.Frame(tb.F, tb.T);
    EXPECT_EQ(tb.F.I_Field.GetPixel(50, 60), Green);
    EXPECT_EQ(tb.F.I_Field.GetPixel(230, 60), test::FaceColour(5, 0));
    EXPECT_EQ(tb.Surface.Invalidated.back(), (FieldRect{20, 30, 271, 126}));
}

TEST(Celebration, RunsOutAndLeavesTheBareBackground)
{
    Table tb;
    for (int i = 0; i < 52; ++i) {
        Card& c = tb.T.CardAt(i);
        c.InPlay = c.FaceUp = true;
        c.PileIndex = 0;
        c.Order = i;
        c.X = 250;
        c.Y = 150;
    }
    tb.F.DrawField(tb.T);
    Celebration cel;
    cel.Start(tb.F, tb.T);
    int ticks = 0;
    while (!cel.Tick(tb.F, tb.T) && ticks < 5000) ++ticks;
    EXPECT_LT(ticks, 5000);
    EXPECT_FALSE(cel.Running());
    EXPECT_TRUE(tb.F.I_Field.SamePixels(tb.F.I_StoreScr));
    EXPECT_EQ(tb.F.I_Field.GetPixel(280, 200), Green);
}

}  // namespace
}  // namespace quillo
