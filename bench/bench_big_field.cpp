// The field on a 4K screen with cards drawn for it: a whole redraw, one frame
// of a dragged 13-card group, and a window resize that draws the card set
// again at the new size and lays the table out anew, as the window does.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>

#include "art/drawn_card_set.h"
#include "engine/card_fit.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/layout_cards.h"
#include "engine/setup.h"
#include "presentation/card_art.h"
#include "presentation/card_set_reader.h"
#include "presentation/field.h"
#include "presentation/table_effects.h"

namespace {

using namespace quillo;

// A maximised window whose client area is the whole screen.
struct WholeScreen : TableView {
    int W = 3840, H = 2160;
    ScreenSize Screen() const override { return {W, H}; }
    bool IsMaximized() const override { return true; }
    int MaximizedClientWidth() const override { return W; }
    int MaximizedClientHeight() const override { return H; }
};

// The set drawn at the size that fits the game in the field.
void DrawCardsFor(Game& g, CardImageStore& cards, int fieldWidth, int fieldHeight)
{
    const CardFit fit = FitCards(g, fieldWidth, fieldHeight);
    UseCardSet(art::DrawCardSet(fit.Width, fit.Height), cards, g.T.Rules);
}

struct BigTable {
    WholeScreen View;
    Game G{View};
    FieldSurface Surface;
    Field F{Surface};
    CardImageStore Cards;

    BigTable(int game, int w, int h)
    {
        View.W = w;
        View.H = h;
        G.T.Opt.Sound = G.T.Opt.Animation = false;
        G.T.CurrentGame = game;
        SetupGame(G, SetupForm::Full);
        DrawCardsFor(G, Cards, G.T.Rules.FieldWidth, G.T.Rules.FieldHeight);
        SetupGame(G, SetupForm::Full);
        G.T.Rules.GameNumber = 12345;
        NewDeal(G, DealKind::Restart);
        F.Art = ArtOf(Cards);
        F.Resize(G.T.Rules.FieldWidth, G.T.Rules.FieldHeight);
        F.DrawBackground(F.I_StoreScr);
        // The turned sheets are built on first use: not part of a redraw.
        F.DrawField(G.T);
    }
};

void BM_DrawField3840x2160(benchmark::State& state)
{
    BigTable b(static_cast<int>(state.range(0)), 3840, 2160);
    const CardSize& s = b.G.T.Rules.CardSizes[Upright];
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(state.range(0))].Name) + " cards " +
                   std::to_string(s.Width) + "x" + std::to_string(s.Height));
    for (auto _ : state) {
        b.F.DrawField(b.G.T);
        benchmark::DoNotOptimize(b.F.I_Field.Bits());
    }
}
BENCHMARK(BM_DrawField3840x2160)
    ->Arg(games::Klondike)
    ->Arg(games::Spider)
    ->Arg(games::Star)
    ->Arg(games::Braid)
    ->Unit(benchmark::kMicrosecond);

// A king-to-ace run of 13 face-up cards, dragged one pixel per frame.
void BM_DragFrame13Cards3840x2160(benchmark::State& state)
{
    BigTable b(games::Klondike, 3840, 2160);
    TableState& t = b.G.T;
    const int pileIndex = t.Rules.TableFirst + 3;
    const Pile& pile = t.PileAt(pileIndex);
    const int step = t.Rules.CardSizes[Upright].Height / 5;
    for (int i = 0; i < 13; ++i) {
        Card& c = t.CardAt(i);
        c.PileIndex = pileIndex;
        c.Order = 20 + i;
        c.FaceUp = c.InPlay = c.Moving = true;
        c.X = pile.X;
        c.Y = pile.Y + step * i;
    }
    b.F.DrawField(t);
    DragPainter drag;
    drag.Start(b.F, t);
    int dx = 1;
    for (auto _ : state) {
        for (int i = 0; i < 13; ++i) t.CardAt(i).X += dx;
        if (t.CardAt(0).X > 3000 || t.CardAt(0).X < 100) dx = -dx;
        drag.Frame(b.F, t);
        benchmark::DoNotOptimize(b.F.I_Field.Bits());
    }
}
BENCHMARK(BM_DragFrame13Cards3840x2160)->Unit(benchmark::kMicrosecond);

// The window goes between 1920x1080 and 1600x900: the set is drawn at the
// new size, the table laid out again and the field redrawn.
void BM_ResizeRedrawsSetAndRelays(benchmark::State& state)
{
    BigTable b(static_cast<int>(state.range(0)), 1920, 1080);
    bool big = false;
    for (auto _ : state) {
        b.View.W = big ? 1920 : 1600;
        b.View.H = big ? 1080 : 900;
        big = !big;
        b.G.T.Rules.FieldWidth = b.View.W;
        b.G.T.Rules.FieldHeight = b.View.H;
        DrawCardsFor(b.G, b.Cards, b.View.W, b.View.H);
        b.F.Art = ArtOf(b.Cards);
        RelayoutGame(b.G);
        b.F.Resize(b.G.T.Rules.FieldWidth, b.G.T.Rules.FieldHeight);
        b.F.DrawBackground(b.F.I_StoreScr);
        LayOutCards(b.G.T);
        b.F.DrawField(b.G.T);
        benchmark::DoNotOptimize(b.F.I_Field.Bits());
    }
}
BENCHMARK(BM_ResizeRedrawsSetAndRelays)
    ->Arg(games::Klondike)
    ->Arg(games::Spider)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The card painter draws with QPainter on images: a GUI application is
    // needed, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
