// Choosing the card size for a field, and laying a dealt table out again
// with squeezed fans, for a few games.

#include <benchmark/benchmark.h>

#include "engine/card_fit.h"
#include "engine/card_sizes.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/fan_fit.h"
#include "engine/game.h"
#include "engine/layout_cards.h"
#include "engine/setup.h"

namespace {

using namespace quillo;

class FieldView : public TableView {
public:
    FieldView(int w, int h) : W(w), H(h) {}
    bool IsMaximized() const override { return true; }
    int MaximizedClientWidth() const override { return W; }
    int MaximizedClientHeight() const override { return H + ToolBarHeight(); }
    int W, H;
};

void Deal(Game& g, int game)
{
    g.T.Opt.Sound = g.T.Opt.Animation = false;
    g.T.CurrentGame = game;
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = 1;
    NewDeal(g, DealKind::Restart);
}

constexpr int Games[] = {games::Klondike, games::Spider, games::Star, games::Braid, games::Yukon};

void BM_FitCards(benchmark::State& state)
{
    const int game = Games[state.range(0)];
    FieldView view(1920, 1080);
    Game g(view);
    Deal(g, game);
    for (auto _ : state) benchmark::DoNotOptimize(FitCards(g, 1920, 1080));
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(game)].Name));
}

// What a resize asks of the engine: the fit, the new layout, every card
// placed again with its pile's squeeze.
void BM_FitAndRelayout(benchmark::State& state)
{
    const int game = Games[state.range(0)];
    FieldView view(1280, 1024);
    Game g(view);
    Deal(g, game);
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        view.W = wide ? 1920 : 1280;
        view.H = wide ? 1080 : 1024;
        const CardFit fit = FitCards(g, view.W, view.H);
        g.T.Rules.CardSizes = MakeCardSizes(fit.Width, fit.Height);
        g.T.Rules.FieldWidth = view.W;
        g.T.Rules.FieldHeight = view.H;
        RelayoutGame(g);
        LayOutCards(g.T);
        benchmark::DoNotOptimize(g.T.Cards);
    }
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(game)].Name));
}

// The squeeze check that ends every move.
void BM_FitFans(benchmark::State& state)
{
    const int game = Games[state.range(0)];
    FieldView view(800, 600);
    Game g(view);
    Deal(g, game);
    for (auto _ : state) benchmark::DoNotOptimize(FitFans(g.T));
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(game)].Name));
}

BENCHMARK(BM_FitCards)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FitAndRelayout)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FitFans)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
