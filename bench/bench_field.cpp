// The field as the window draws it: a whole redraw of a dealt table and one
// frame of a dragged 13-card group, through the drawing code itself.

#include <benchmark/benchmark.h>

#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "presentation/field.h"
#include "presentation/raster_ops.h"
#include "presentation/table_effects.h"
#include "support/drawn_art.h"

namespace {

using namespace quillo;

struct BigScreen : TableView {
    ScreenSize Screen() const override { return {1920, 1160}; }
    bool IsMaximized() const override { return true; }
    int MaximizedClientWidth() const override { return 1920; }
    int MaximizedClientHeight() const override { return 1080 + 32; }
};

struct DealtField {
    BigScreen View;
    Game G{View};
    FieldSurface Surface;
    Field F{Surface};
    test::DrawnArt Art;

    explicit DealtField(int game, bool tiled)
    {
        G.T.Opt.Sound = G.T.Opt.Animation = false;
        G.T.CurrentGame = game;
        SetupGame(G, SetupForm::Full);
        G.T.Rules.GameNumber = 12345;
        NewDeal(G, DealKind::Restart);
        Art.Attach(F);
        F.Resize(G.T.Rules.FieldWidth, G.T.Rules.FieldHeight);
        if (tiled) {
            PixelBuffer tile(128, 128);
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x) tile.SetPixel(x, y, Bgr{uint8_t(x), uint8_t(y), 40});
            F.Bkg.BackgroundMode = BackgroundTiled;
            F.SetTexture(tile, "tile.bmp");
        }
    }
};

void BM_DrawField1920x1080(benchmark::State& state)
{
    DealtField d(static_cast<int>(state.range(0)), state.range(1) != 0);
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(state.range(0))].Name) +
                   (state.range(1) ? ", tiled" : ", colour") + " " + std::to_string(d.F.Width()) + "x" +
                   std::to_string(d.F.Height()));
    for (auto _ : state) {
        d.F.DrawField(d.G.T);
        benchmark::DoNotOptimize(d.F.I_Field.Bits());
    }
}
BENCHMARK(BM_DrawField1920x1080)
    ->Args({games::Klondike, 0})
    ->Args({games::Klondike, 1})
    ->Args({games::NapoleonsTomb, 1})
    ->Unit(benchmark::kMicrosecond);

// A king-to-ace run of 13 face-up cards on a tableau pile, dragged one
// pixel per frame.
void BM_DragFrame13Cards(benchmark::State& state)
{
    DealtField d(games::Klondike, true);
    TableState& t = d.G.T;
    const Pile& pile = t.PileAt(t.Rules.TableFirst + 3);
    for (int i = 0; i < 13; ++i) {
        Card& c = t.CardAt(i);
        c.PileIndex = t.Rules.TableFirst + 3;
        c.Order = 20 + i;
        c.FaceUp = c.InPlay = c.Moving = true;
        c.X = pile.X;
        c.Y = pile.Y + 20 * i;
    }
    d.F.DrawField(t);
    DragPainter drag;
    drag.Start(d.F, t);
    int dx = 1;
    for (auto _ : state) {
        for (int i = 0; i < 13; ++i) t.CardAt(i).X += dx;
        if (t.CardAt(0).X > 1500 || t.CardAt(0).X < 100) dx = -dx;
        drag.Frame(d.F, t);
        benchmark::DoNotOptimize(d.F.I_Field.Bits());
    }
}
BENCHMARK(BM_DragFrame13Cards)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
