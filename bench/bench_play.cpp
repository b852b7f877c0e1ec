// Play: the drop test over every pile, snapshots, listing actions, and one
// whole game driven by quillo-tool play's commands.

#include <benchmark/benchmark.h>

#include "engine/legality.h"
#include "engine/move_list.h"
#include "engine/moves.h"
#include "win_search.h"
#include "play_session.h"

namespace {

using namespace quillo;

// A dealt game with the top card of a tableau pile picked up.
void PickTop(Game& g, int game, int pile)
{
    test::SetUpAndDeal(g, game, 1);
    TableState& t = g.T;
    t.ActiveCard = TopCard(t, pile);
    t.CardAt(t.ActiveCard).Moving = true;
    t.PickedCount = 1;
}

// 52 drop tests in a row, cycling over the game's piles.
void BM_CanDrop52(benchmark::State& state)
{
    Game g;
    PickTop(g, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TableState& t = g.T;
    for (auto _ : state) {
        int accepted = 0;
        for (int k = 0; k < 52; ++k) {
            t.DropPile = k % t.Rules.PileCount;
            accepted += CanDrop(t) != -1 ? 1 : 0;
        }
        benchmark::DoNotOptimize(accepted);
    }
    state.SetLabel(t.GameName);
}
// Klondike, Braid (two decks), Royal Marriage (32 piles).
BENCHMARK(BM_CanDrop52)->Args({0, 12})->Args({22, 21})->Args({50, 1});

// Every pile at once, as the solver asks.
void BM_DropTargets(benchmark::State& state)
{
    Game g;
    PickTop(g, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(DropTargets(g.T));
    state.SetLabel(g.T.GameName);
}
BENCHMARK(BM_DropTargets)->Args({0, 12})->Args({22, 21})->Args({50, 1});

void BM_RecordSnapshot(benchmark::State& state)
{
    Game g;
    test::SetUpAndDeal(g, static_cast<int>(state.range(0)), 1);
    for (int k = 0; k < UndoSlots; ++k) RecordSnapshot(g);  // a full history, the usual case
    for (auto _ : state) {
        RecordSnapshot(g);
        benchmark::ClobberMemory();
    }
    state.SetLabel(g.T.GameName);
}
BENCHMARK(BM_RecordSnapshot)->Arg(0)->Arg(22);

// A long Spider game of random actions: the memory its whole history takes
// (steps are kept as differences), and one Undo and one Redo on it.
Game LongSpiderGame(int actions)
{
    Game g;
    test::SetUpAndDeal(g, games::Spider, 7);
    std::vector<PlayerAction> list;
    uint32_t seed = 7;
    for (int k = 0; k < actions; ++k) {
        list.clear();
        ListActions(g.T, list);
        if (list.empty()) break;
        seed = seed * 1103515245u + 12345u;
        PlayAction(g, list[(seed >> 8) % list.size()]);
    }
    return g;
}

void BM_HistoryOf2000Actions(benchmark::State& state)
{
    for (auto _ : state) {
        Game g = LongSpiderGame(2000);
        state.counters["snapshots"] = g.Undo.Count();
        state.counters["history_bytes"] = static_cast<double>(g.Undo.MemoryBytes() + sizeof(UndoHistory));
    }
}
BENCHMARK(BM_HistoryOf2000Actions)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UndoThenRedo(benchmark::State& state)
{
    Game g = LongSpiderGame(2000);
    for (auto _ : state) {
        UndoMove(g);
        RedoMove(g);
    }
    state.SetLabel("one Undo and one Redo, Spider, " + std::to_string(g.Undo.Count()) + " snapshots");
}
BENCHMARK(BM_UndoThenRedo);

// Positions listed per second (each on a copy of the table).
void BM_ListActions(benchmark::State& state)
{
    Game g;
    test::SetUpAndDeal(g, static_cast<int>(state.range(0)), 1);
    std::vector<PlayerAction> actions;
    for (auto _ : state) {
        actions.clear();
        ListActions(g.T, actions);
        benchmark::DoNotOptimize(actions.data());
    }
    state.SetLabel(g.T.GameName + ", " + std::to_string(actions.size()) + " actions");
}
// Spider, Rouge et Noir and Gaps ask their own drop rules pile by pile.
BENCHMARK(BM_ListActions)->Arg(0)->Arg(19)->Arg(23)->Arg(46)->Arg(49)->Arg(54);

// A won Klondike deal replayed from its commands, deal included.
void BM_ScriptedGame(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    const auto number = static_cast<uint32_t>(state.range(1));
    const test::WinLine line = test::FindWin(game, number, 100000);
    const std::vector<std::string> commands = test::LineCommands(line);
    bool won = false;
    for (auto _ : state) {
        PlaySession session(game, number);
        session.Run("option sound off");
        session.Run("option animation off");
        for (const auto& c : commands) benchmark::DoNotOptimize(session.Run(c));
        won = session.G().GameWon;
    }
    state.SetLabel(std::to_string(commands.size()) + " commands" + (won ? ", won" : ", NOT WON"));
}
BENCHMARK(BM_ScriptedGame)->Args({0, 1});

}  // namespace

BENCHMARK_MAIN();
