#pragma once
// Helpers shared by the engine suites: a dealt game and table walks.

#include <vector>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/setup.h"

namespace quillo::test {

// A quiet game of the given catalogue index, set up and dealt from number.
inline void SetUpAndDeal(Game& g, int game, uint32_t number)
{
    g.T.Opt.Sound = g.T.Opt.Animation = false;
    g.T.CurrentGame = game;
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = number;
    NewDeal(g, DealKind::Restart);
}

// Card indexes of a pile from the bottom up.
inline std::vector<int> CardsOf(const TableState& t, int pile)
{
    std::vector<int> out(static_cast<size_t>(t.PileAt(pile).Count), -1);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == pile && c.Order >= 0 && c.Order < static_cast<int>(out.size()))
            out[static_cast<size_t>(c.Order)] = i;
    }
    return out;
}

inline std::vector<int> LaidOutGames()
{
    std::vector<int> out;
    for (int i = 0; i < CatalogueSize; ++i)
        if (IsPlayable(i)) out.push_back(i);
    return out;
}

}  // namespace quillo::test
