// What the dialogs do while the player waits: a chooser preview (lay out,
// deal, draw, restore the live game), a picker thumbnail, and one sort of
// the chooser's list.

#include <benchmark/benchmark.h>

#include "app/game_preview.h"
#include "app/thumbnails.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "storage/game_rows.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

void BM_PreviewGame(benchmark::State& state)
{
    const test::DrawnArt art;
    test::RecordingSurface surface;
    Field field(surface);
    art.Attach(field);
    Game g;
    g.T.CurrentGame = games::Klondike;
    SetupGame(g, SetupForm::Full);
    NewDeal(g, DealKind::New);
    const PreviewPainter painter = FieldPreviewPainter(field);
    PreviewPicture picture;
    const int game = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PreviewGame(g, game, picture, painter);
        benchmark::DoNotOptimize(picture.Picture.Bits());
    }
}
BENCHMARK(BM_PreviewGame)->Arg(games::Klondike)->Arg(games::Braid)->Arg(games::Star)->Unit(benchmark::kMicrosecond);

void BM_Thumbnail(benchmark::State& state)
{
    const PickerMode mode = state.range(0) == 3 ? PickerMode::Deck : PickerMode::Texture;
    const int w = static_cast<int>(state.range(1)), h = static_cast<int>(state.range(2));
    PixelBuffer picture(w, h);
    const PickerTraits& traits = TraitsOf(mode);
    PixelBuffer thumb(traits.ThumbWidth, traits.ThumbHeight);
    for (auto _ : state) {
        BuildThumbnail(picture, thumb, mode);
        benchmark::DoNotOptimize(thumb.Bits());
    }
}
BENCHMARK(BM_Thumbnail)->Args({3, 142, 192})->Args({3, 71, 96})->Args({1, 512, 512})->Unit(benchmark::kMicrosecond);

void BM_SortList(benchmark::State& state)
{
    GameRowTable table = GameRowTable::WithCatalogue();
    for (int i = 0; i < 45; ++i) table.AppendCustom("Custom " + std::to_string(i), i % 11, i);
    int column = 0;
    for (auto _ : state) {
        table.Sort(column, column == 1);
        column = (column + 1) % 3;
        benchmark::DoNotOptimize(table.Rows().data());
    }
}
BENCHMARK(BM_SortList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo

BENCHMARK_MAIN();
