#pragma once
// A small depth-first search for a winning line of a deal, through the
// engine's own action list and press functions. Tests use it to find and
// replay wins; it is no solver (no pruning beyond a visited set).

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/legality.h"
#include "engine/move_list.h"
#include "test_support.h"

namespace quillo::test {

struct WinLine {
    bool Won = false;
    std::vector<PlayerAction> Actions;
    long Nodes = 0;
};

inline uint64_t PositionHash(const TableState& t)
{
    uint64_t h = 1469598103934665603ull ^ static_cast<uint64_t>(t.Rules.StockPass);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        const uint64_t v = static_cast<uint64_t>(c.PileIndex + 1) << 16 | static_cast<uint64_t>(c.Order & 0xff) << 8 |
                           static_cast<uint64_t>(c.FaceUp) << 1 | static_cast<uint64_t>(c.InPlay);
        h = (h ^ v) * 1099511628211ull;
    }
    return h;
}

// Lower ranks are tried first: cards home, then turning up, then building.
inline int ActionRank(const TableState& t, const PlayerAction& a)
{
    const GameRules& r = t.Rules;
    switch (a.Kind) {
    case ActionKind::Drag: {
        if (r.IsFoundation(a.Pile)) return 0;
        const int source = t.CardAt(a.Card).PileIndex;
        if (r.IsReserve(a.Pile)) return 5;
        if (r.IsWaste(source) || r.IsReserve(source)) return 2;
        return t.PileAt(a.Pile).Count == 0 ? 4 : 3;
    }
    case ActionKind::Press: return r.IsStock(t.CardAt(a.Card).PileIndex) ? 6 : 1;
    case ActionKind::TwoPresses: return 1;
    case ActionKind::DealButton: return 6;
    case ActionKind::EmptyStock: return 7;
    }
    return 8;
}

// Moves that only shuffle a whole pile into an empty one, or take cards back
// from a foundation, never help this search.
inline bool Pointless(const TableState& t, const PlayerAction& a)
{
    if (a.Kind != ActionKind::Drag) return false;
    const GameRules& r = t.Rules;
    const Card& c = t.CardAt(a.Card);
    if (r.IsFoundation(c.PileIndex) || r.IsFoundation(a.Pile)) return r.IsFoundation(c.PileIndex);
    if (r.IsReserve(c.PileIndex) && r.IsReserve(a.Pile)) return true;
    if (c.Order == 0) return t.PileAt(a.Pile).Count == 0 && !r.IsReserve(a.Pile);
    // Without foundations (Scorpion) only a King is worth an empty pile.
    if (r.FoundFirst == -1 && t.PileAt(a.Pile).Count == 0 && c.Rank != RankKing) return true;
    // A card already built on a fitting card gains nothing by moving to another.
    if (!r.IsTableau(c.PileIndex)) return false;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& below = t.CardAt(i);
        if (!below.InPlay || below.PileIndex != c.PileIndex || below.Order != c.Order - 1) continue;
        return below.FaceUp && SuitFits(r.TableConsSuit, c, below) && RankFits(t, r.TableConsVal, c, below, false);
    }
    return false;
}

// How far a position has come, for games a plain search gets lost in: cards
// home, runs built down from a King at the bottom of a pile, hidden cards.
inline int Progress(const TableState& t)
{
    const GameRules& r = t.Rules;
    int score = 0;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay) {
            score += 10;
            continue;
        }
        if (r.IsFoundation(c.PileIndex)) score += 10;
        if (!c.FaceUp) score -= 3;
        if (c.Rank == RankKing && c.FaceUp && c.Order == 0 && r.IsTableau(c.PileIndex) && r.FoundFirst == -1) {
            // The run of one suit going down from this King.
            int previous = i, length = 1;
            for (bool more = true; more;) {
                more = false;
                for (int j = 0; j < r.TotalCards; ++j) {
                    const Card& d = t.CardAt(j);
                    if (d.InPlay && d.FaceUp && d.PileIndex == c.PileIndex && d.Order == length &&
                        d.Suit == c.Suit && d.Rank == t.CardAt(previous).Rank - 1) {
                        previous = j;
                        ++length;
                        more = true;
                        break;
                    }
                }
            }
            score += 8 * length;
        }
    }
    return score;
}

// Depth first, with a visited set. Actions are tried by kind (cards home
// first, then turning up, then building), or, byProgress, by how far the
// position they lead to has come.
inline WinLine Search(int game, uint32_t number, long budget, bool byProgress)
{
    Game g;
    SetUpAndDeal(g, game, number);
    g.T.Opt.Autoplay = true;
    g.KeepHistory = false;
    struct Child {
        PlayerAction Action;
        int Score;
    };
    struct Frame {
        TableState State;
        std::vector<Child> Children;
        size_t Next = 0;
    };
    std::vector<Frame> stack;
    std::unordered_set<uint64_t> seen;
    WinLine line;
    auto push = [&](const TableState& t) {
        Frame f{t, {}, 0};
        std::vector<PlayerAction> actions;
        ListActions(t, actions);
        for (const PlayerAction& a : actions) {
            if (Pointless(t, a)) continue;
            int score = -ActionRank(t, a);
            if (byProgress) {
                g.T = t;
                PlayAction(g, a);
                score = g.GameWon ? 1 << 20 : Progress(g.T);
            }
            f.Children.push_back({a, score});
        }
        std::stable_sort(f.Children.begin(), f.Children.end(),
                         [](const Child& a, const Child& b) { return a.Score > b.Score; });
        stack.push_back(std::move(f));
    };
    seen.insert(PositionHash(g.T));
    push(g.T);
    while (!stack.empty() && line.Nodes < budget) {
        Frame& top = stack.back();
        if (top.Next == top.Children.size()) {
            stack.pop_back();
            continue;
        }
        const PlayerAction a = top.Children[top.Next++].Action;
        g.T = top.State;
        PlayAction(g, a);
        ++line.Nodes;
        if (g.GameWon) {
            for (const Frame& f : stack) line.Actions.push_back(f.Children[f.Next - 1].Action);
            line.Won = true;
            return line;
        }
        if (!seen.insert(PositionHash(g.T)).second) continue;
        push(g.T);
    }
    return line;
}

inline WinLine FindWin(int game, uint32_t number, long budget)
{
    return Search(game, number, budget, false);
}

// The quillo-tool play commands of an action.
inline std::vector<std::string> ActionCommands(const PlayerAction& a)
{
    auto left = [](int card) { return "left " + std::to_string(card); };
    switch (a.Kind) {
    case ActionKind::Drag: return {left(a.Card), "drop " + std::to_string(a.Pile)};
    case ActionKind::Press: return {left(a.Card)};
    case ActionKind::EmptyStock: return {"left-pile " + std::to_string(a.Pile)};
    case ActionKind::DealButton: return {"deal"};
    case ActionKind::TwoPresses:
        return {left(a.Card), a.Other != -1 ? left(a.Other) : "left-pile " + std::to_string(a.Pile)};
    }
    return {};
}

inline std::vector<std::string> LineCommands(const WinLine& line)
{
    std::vector<std::string> out;
    for (const PlayerAction& a : line.Actions)
        for (auto& c : ActionCommands(a)) out.push_back(std::move(c));
    return out;
}

}  // namespace quillo::test
