#pragma once
// Helpers shared by the engine suites: a dealt game and table walks.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/moves.h"
#include "engine/setup.h"
#include "engine/table_view.h"

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

// Card index of a rank and suit in the first deck.
constexpr int CardOf(int suit, int rank)
{
    return suit * RanksPerSuit + rank;
}

// Takes every card off the table, then lays the given cards on the given
// piles from the bottom up, face up unless listed in faceDown. For positions
// that are hard to reach by play; the rest of the deck is out of play.
using PileCards = std::vector<std::pair<int, std::vector<int>>>;
inline void Arrange(TableState& t, const PileCards& piles, const std::vector<int>& faceDown = {})
{
    for (int i = 0; i < MaxCards; ++i) {
        Card& c = t.CardAt(i);
        c.InPlay = c.Moving = false;
        c.PileIndex = -1;
    }
    for (int p = 0; p < t.Rules.PileCount; ++p) t.PileAt(p).Count = 0;
    for (const auto& [pile, cards] : piles) {
        for (const int card : cards) {
            const Offset at = NextOffset(t, pile);
            Card& c = t.CardAt(card);
            c.FaceUp = true;
            for (const int down : faceDown) c.FaceUp = c.FaceUp && down != card;
            c.InPlay = true;
            c.PileIndex = pile;
            c.Order = t.PileAt(pile).Count++;
            c.X = t.PileAt(pile).X + at.X;
            c.Y = t.PileAt(pile).Y + at.Y;
            c.Orientation = t.PileAt(pile).Orientation;
        }
    }
    t.ActiveCard = t.DropPile = t.MarkedCard = -1;
    t.PickedCount = 0;
    t.Dragging = false;
}

// A view that writes down what the engine asked of it.
class RecordingView : public TableView {
public:
    std::vector<std::string> Events;
    int Moves = 0;
    int Fades = 0;
    void PlaySound(const char* name) override { Events.emplace_back(name); }
    void SnapshotRecorded() override { Events.emplace_back("snapshot"); }
    void SetUndoEnabled(bool on) override { Events.emplace_back(on ? "undo-enabled" : "undo-disabled"); }
    void StartCelebration() override { Events.emplace_back("win"); }
    void GamePlayed() override { Events.emplace_back("played"); }
    void ShowMove(const MoveShow&) override { ++Moves; }
    void FadeOutCards(int, int) override { ++Fades; }
    int Count(const std::string& e) const
    {
        int n = 0;
        for (const auto& x : Events) n += x == e ? 1 : 0;
        return n;
    }
};

}  // namespace quillo::test
