// The action lister against the rules, over every game: at positions reached
// by play, each listed action changes the table, and every left press, drag
// and pair of presses the rules accept has a listed action that leaves the
// same table. Hints and the solver see only what the lister offers, so a
// gap here is a move they can never find, an extra one a hint that does
// nothing.

#include "engine/catalogue.h"
#include "engine/move_list.h"
#include "engine/pointer.h"
#include "engine/special.h"
#include "support/random_play.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace quillo {
namespace {

// What a player sees of the table: where each card lies, which way up, and
// the turns of the stock and the Deal button used.
std::vector<int32_t> Seen(const TableState& t)
{
    std::vector<int32_t> out;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        out.insert(out.end(), { c.InPlay, c.InPlay ? c.PileIndex : -1, c.InPlay ? c.Order : -1, c.FaceUp });
    }
    out.insert(out.end(), { t.Rules.StockPass, t.Rules.TableRedealsUsed });
    return out;
}

Game ScratchOf(const Game& g)
{
    Game s;
    s.KeepHistory = false;
    s.T = g.T;
    return s;
}

void PressCard(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, { Button::Left, card, c.PileIndex, c.X + 2, c.Y + 2 });
}

void PressPlace(Game& g, int pile)
{
    const Pile& p = g.T.PileAt(pile);
    FieldPress(g, { Button::Left, -1, pile, p.X + 2, p.Y + 2 });
}

void EndDrag(Game& g)
{
    if (g.T.Dragging) FieldRelease(g);
}

struct Findings {
    std::vector<std::string> Idle; // listed, but the table stays as it was
    std::vector<std::string> Unlisted; // accepted, but no listed action does it
};

std::string Summary(const std::vector<std::string>& found)
{
    return found.empty() ? "" : std::to_string(found.size()) + " times, first " + found[0];
}

// Tries every left press, drag and pair of presses from the position in g.
void CheckPosition(const Game& g, const std::string& where, Findings& f)
{
    const TableState& t = g.T;
    const std::vector<int32_t> before = Seen(t);
    std::vector<PlayerAction> listed;
    ListActions(t, listed);
    std::set<std::vector<int32_t>> reached;
    for (const PlayerAction& a : listed) {
        Game s = ScratchOf(g);
        PlayAction(s, a);
        std::vector<int32_t> after = Seen(s.T);
        if (after == before)
            f.Idle.push_back(where + " kind " + std::to_string(static_cast<int>(a.Kind)) + " card "
                + std::to_string(a.Card) + " pile " + std::to_string(a.Pile) + " other " + std::to_string(a.Other));
        reached.insert(std::move(after));
    }
    auto expectListed = [&](const Game& s, const std::string& what) {
        const std::vector<int32_t> after = Seen(s.T);
        if (after != before && reached.count(after) == 0) f.Unlisted.push_back(where + " " + what);
    };
    const int cards = t.Rules.TotalCards, piles = t.Rules.PileCount;
    for (int card = 0; card < cards; ++card) {
        if (!t.CardAt(card).InPlay) continue;
        const std::string name = "card " + std::to_string(card) + " on " + std::to_string(t.CardAt(card).PileIndex);
        Game pressed = ScratchOf(g);
        PressCard(pressed, card);
        if (pressed.T.Dragging) {
            for (int p = 0; p < piles; ++p) {
                if (p == t.CardAt(card).PileIndex) continue;
                Game s = ScratchOf(pressed);
                SnapGroupTo(s, p);
                FieldRelease(s);
                expectListed(s, name + " dropped on " + std::to_string(p));
            }
        }
        EndDrag(pressed);
        expectListed(pressed, name + " pressed");
        if (Seen(pressed.T) != before || pressed.T.MarkedCard == -1) continue;
        // The press marked the card: a second press completes a pair or a move.
        for (int other = 0; other < cards; ++other) {
            if (other == card || !t.CardAt(other).InPlay) continue;
            Game s = ScratchOf(pressed);
            PressCard(s, other);
            EndDrag(s);
            expectListed(
                s, name + " then card " + std::to_string(other) + " on " + std::to_string(t.CardAt(other).PileIndex));
        }
        for (int p = 0; p < piles; ++p) {
            if (t.PileAt(p).Count != 0) continue;
            Game s = ScratchOf(pressed);
            PressPlace(s, p);
            EndDrag(s);
            expectListed(s, name + " then empty pile " + std::to_string(p));
        }
    }
    for (int p = 0; p < piles; ++p) {
        if (t.PileAt(p).Count != 0) continue;
        Game s = ScratchOf(g);
        PressPlace(s, p);
        EndDrag(s);
        expectListed(s, "empty pile " + std::to_string(p) + " pressed");
    }
    Game s = ScratchOf(g);
    DealButton(s);
    expectListed(s, "Deal button");
}

// How far play has gone: empty tableau piles, cards home, and how short the
// shortest tableau pile left is; cards kept in the stock count too, so that
// piles empty while the stock still has cards to deal.
int Progress(const TableState& t)
{
    const GameRules& r = t.Rules;
    int n = 0, shortest = MaxCards;
    for (int p = 0; p < r.PileCount; ++p) {
        const int count = t.PileAt(p).Count;
        if (r.IsFoundation(p) || r.IsStock(p)) n += count;
        if (r.IsTableau(p) && count == 0) n += 20;
        if (r.IsTableau(p) && count > 0) shortest = std::min(shortest, count);
    }
    return n - shortest;
}

// Walks n listed actions from the xorshift state x, mostly the one that goes
// furthest, so that play reaches empty piles and full free places; at random
// now and then and wherever nothing goes further.
void WalkListed(Game& g, uint32_t& x, int n)
{
    std::vector<PlayerAction> listed;
    for (int step = 0; step < n; ++step) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        listed.clear();
        ListActions(g.T, listed);
        if (listed.empty()) return;
        size_t pick = x % listed.size();
        if (x % 8 != 0) {
            int best = Progress(g.T);
            for (size_t k = 0; k < listed.size(); ++k) {
                Game s = ScratchOf(g);
                PlayAction(s, listed[k]);
                if (Progress(s.T) > best) {
                    best = Progress(s.T);
                    pick = k;
                }
            }
        }
        PlayAction(g, listed[pick]);
    }
}

// Three deals of each game, looked at when dealt and every five steps of a
// walk over listed actions, with some careless play (presses anywhere, Undo)
// now and then.
// Bounded by positions so that it stays quick under sanitizers.
TEST(ActionList, ListsExactlyWhatTheRulesAccept)
{
    for (const int game : test::LaidOutGames()) {
        Findings f;
        for (const uint32_t deal : { 1u, 7u, 23u }) {
            Game g;
            test::SetUpAndDeal(g, game, deal);
            uint32_t x = deal * 2654435761u + static_cast<uint32_t>(game);
            std::vector<PlayerAction> scratch;
            for (int look = 0; look < 12; ++look) {
                if (look > 0) {
                    WalkListed(g, x, 5);
                    if (look % 4 == 0) {
                        ASSERT_TRUE(test::PlayRandomSteps(g, x, 2, scratch));
                    }
                }
                // A card left marked is a half-made move; the lister starts from none.
                MarkCard(g, false);
                CheckPosition(g, "deal " + std::to_string(deal) + " look " + std::to_string(look) + ":", f);
            }
        }
        const std::string name(Catalogue()[static_cast<size_t>(game)].Name);
        EXPECT_EQ(Summary(f.Idle), "") << name << ": listed but idle";
        EXPECT_EQ(Summary(f.Unlisted), "") << name << ": accepted but unlisted";
    }
}

} // namespace
} // namespace quillo
