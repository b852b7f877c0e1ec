#pragma once
// Helpers shared by the engine suites: a dealt game, positions laid out by
// hand, presses and drags as the mouse makes them, and the row formats of
// the game tables (dealt piles, drops).
//
// Cards are named by the engine's own numbering: card = suit * 13 + rank
// (+ 52 for the second deck), rank 0 the Ace, and suits Clubs 0, Spades 1
// (black), Hearts 2, Diamonds 3 (red).

#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/legality.h"
#include "engine/moves.h"
#include "engine/pointer.h"
#include "engine/setup.h"
#include "engine/table_view.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <algorithm>
#include <utility>
#include <vector>

namespace quillo::test {

constexpr int Clubs = 0, Spades = 1, Hearts = 2, Diamonds = 3;
constexpr int SecondDeck = CardsPerDeck;

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

// Card counts of piles first..last, or of the piles listed.
inline std::vector<int> Counts(const TableState& t, int first, int last)
{
    std::vector<int> out;
    for (int p = first; p <= last; ++p)
        out.push_back(t.PileAt(p).Count);
    return out;
}
inline std::vector<int> Counts(const TableState& t, std::initializer_list<int> piles)
{
    std::vector<int> out;
    for (const int p : piles)
        out.push_back(t.PileAt(p).Count);
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
    for (int p = 0; p < t.Rules.PileCount; ++p)
        t.PileAt(p).Count = 0;
    for (const auto& [pile, cards] : piles) {
        for (const int card : cards) {
            const Offset at = NextOffset(t, pile);
            Card& c = t.CardAt(card);
            c.FaceUp = std::find(faceDown.begin(), faceDown.end(), card) == faceDown.end();
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

// The cards of one suit from rank `from` to rank `to`, up or down.
inline std::vector<int> SuitRun(int suit, int from, int to, int deck = 0)
{
    std::vector<int> out;
    const int step = from <= to ? 1 : -1;
    for (int r = from;; r += step) {
        out.push_back(deck * SecondDeck + CardOf(suit, r));
        if (r == to) break;
    }
    return out;
}

// A card by name: rank A 2..9 T J Q K, then suit C S H D; a trailing '
// names the second deck's card ("TH", "AS'").
inline int C(std::string_view name)
{
    const auto rank = std::string_view("A23456789TJQK").find(name.substr(0, 1));
    const auto suit = std::string_view("CSHD").find(name.substr(1, 1));
    EXPECT_TRUE(rank != std::string_view::npos && suit != std::string_view::npos) << name;
    return CardOf(static_cast<int>(suit), static_cast<int>(rank)) + (name.size() > 2 ? SecondDeck : 0);
}

// Cards named bottom first, apart by spaces; "KS-AS" is a run of one suit,
// up or down. A ~ before a name lays that card face down (see Lay).
inline std::vector<int> Cards(std::string_view text, std::vector<int>* faceDown = nullptr)
{
    std::vector<int> out;
    while (!text.empty()) {
        const size_t end = std::min(text.find(' '), text.size());
        std::string_view word = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (word.empty()) continue;
        const bool down = word[0] == '~';
        if (down) word.remove_prefix(1);
        const size_t dash = word.find('-');
        std::vector<int> named{ C(word.substr(0, dash)) };
        if (dash != std::string_view::npos) {
            const int from = C(word.substr(0, dash)), to = C(word.substr(dash + 1));
            named = SuitRun(from % CardsPerDeck / RanksPerSuit, from % RanksPerSuit, to % RanksPerSuit,
                from / CardsPerDeck);
        }
        for (const int card : named)
            if (down && faceDown != nullptr) faceDown->push_back(card);
        out.insert(out.end(), named.begin(), named.end());
    }
    return out;
}

// Piles by number, apart by semicolons: "10: 9C 8H; 11: KS".
inline PileCards Table(std::string_view text, std::vector<int>* faceDown = nullptr)
{
    PileCards out;
    while (!text.empty()) {
        const size_t end = std::min(text.find(';'), text.size());
        const std::string_view pile = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const size_t colon = pile.find(':');
        out.push_back({ std::stoi(std::string(pile.substr(0, colon))), Cards(pile.substr(colon + 1), faceDown) });
    }
    return out;
}

// Arrange from a table written as Table reads it, ~ cards face down.
inline void Lay(TableState& t, std::string_view text)
{
    std::vector<int> faceDown;
    const PileCards piles = Table(text, &faceDown);
    Arrange(t, piles, faceDown);
}

inline std::string NameOf(int game)
{
    return std::string(Catalogue()[static_cast<size_t>(game)].Name);
}
// A parameter row named after its game, as test names allow.
inline std::string GameTestName(int game)
{
    std::string name = NameOf(game);
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
}

// Picks the group from card (and every card above it) as a press would.
inline void PickGroup(TableState& t, int card)
{
    t.ActiveCard = card;
    t.PickedCount = 0;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        c.Moving = c.InPlay && c.PileIndex == t.CardAt(card).PileIndex && c.Order >= t.CardAt(card).Order;
        t.PickedCount += c.Moving ? 1 : 0;
    }
}

// Asks the drop rule about the group from card: the pile taking it, or -1.
inline int Ask(TableState& t, int card, int pile)
{
    PickGroup(t, card);
    t.DropPile = pile;
    const int result = CanDrop(t);
    for (int i = 0; i < t.Rules.TotalCards; ++i)
        t.CardAt(i).Moving = false;
    t.ActiveCard = -1;
    t.PickedCount = 0;
    return result;
}

inline void Left(Game& g, int card, Button button = Button::Left)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, { button, card, c.PileIndex, c.X + 5, c.Y + 5 });
}

inline void Right(Game& g, int card) { Left(g, card, Button::Right); }

inline void LeftPile(Game& g, int pile)
{
    FieldPress(g, { Button::Left, -1, pile, g.T.PileAt(pile).X + 5, g.T.PileAt(pile).Y + 5 });
}

inline void DropOn(Game& g, int pile)
{
    SnapGroupTo(g, pile);
    FieldRelease(g);
}

// Presses card (with the cards above it), snaps it onto pile and lets go.
inline void Drag(Game& g, int card, int pile)
{
    Left(g, card);
    DropOn(g, pile);
}

// Puts the history back to one snapshot of the table as it stands.
inline void Rebase(Game& g)
{
    g.Undo.Clear();
    g.Undo.Push(g.T);
    SetUndoEnabled(g, false);
}

inline bool SameCardsAndPiles(const TableState& a, const TableState& b)
{
    return a.Cards == b.Cards && a.Piles == b.Piles;
}

// Pile counts right after the deal, pile by pile from pile 0, for every deal
// number listed.
struct DealtRow {
    int Game;
    std::vector<int> Counts;
};

inline void ExpectDealt(
    const std::vector<DealtRow>& rows, std::initializer_list<uint32_t> numbers = { 1, 77, 4000000000u })
{
    for (const DealtRow& row : rows) {
        for (const uint32_t number : numbers) {
            Game g;
            SetUpAndDeal(g, row.Game, number);
            std::vector<int> counts;
            for (int p = 0; p < g.T.Rules.PileCount; ++p)
                counts.push_back(g.T.PileAt(p).Count);
            EXPECT_EQ(counts, row.Counts) << NameOf(row.Game) << " #" << number;
        }
    }
}

// One drop: the table laid out as Lay reads it (the rest out of play), Card
// picked with every card above it and dropped on Pile. StartRank and
// StockPass, when set, replace the dealt ones.
struct DropRow {
    int Game;
    const char* What;
    const char* Table;
    const char* Card;
    int Pile;
    bool Accepted;
    int32_t StartRank = -1;
    int32_t StockPass = -1;
};

inline void ExpectDrops(const std::vector<DropRow>& rows)
{
    for (const DropRow& row : rows) {
        Game g;
        SetUpAndDeal(g, row.Game, 1);
        TableState& t = g.T;
        if (row.StartRank != -1) {
            t.Rules.StartRank = row.StartRank;
            ComputeFillRank(t.Rules);
        }
        if (row.StockPass != -1) t.Rules.StockPass = row.StockPass;
        Lay(t, row.Table);
        EXPECT_EQ(Ask(t, C(row.Card), row.Pile), row.Accepted ? row.Pile : -1) << NameOf(row.Game) << ": " << row.What;
    }
}

// What a left press on Card does with the table laid out as Lay reads it.
struct PickRow {
    int Game;
    const char* Table;
    const char* Card;
    PickAction Expected;
};

inline void ExpectPicks(const std::vector<PickRow>& rows)
{
    for (const PickRow& row : rows) {
        Game g;
        SetUpAndDeal(g, row.Game, 5);
        Lay(g.T, row.Table);
        EXPECT_EQ(PickRule(g.T, C(row.Card)), row.Expected) << NameOf(row.Game) << ": " << row.Table << " " << row.Card;
    }
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
    int Count(const std::string& e) const { return static_cast<int>(std::count(Events.begin(), Events.end(), e)); }
};

} // namespace quillo::test
