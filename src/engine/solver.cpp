#include "solver.h"

#include "autoplay.h"
#include "game_table.h"
#include "game.h"
#include "heuristic.h"
#include "legality.h"
#include "position_hash.h"
#include "table_snapshots.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <chrono>
#include <deque>
#include <limits>
#include <numeric>
#include <set>

namespace quillo {

namespace {

using Clock = std::chrono::steady_clock;

// Deeper lines than this are cut; a cut search claims no loss.
constexpr int MaxDepth = 1500;

// Games whose tableau piles obey one rule, and whose free cells do: any empty
// one serves as well as another, and a whole pile gains nothing by moving.
bool AlikeEmptyPiles(int game)
{
    return HasTrait(game, TraitAlikeEmptyPiles);
}

// Built home by suit from the Ace: a card whose possible builders on the
// tableau are all home already is never needed there again, so it goes home
// at once and nothing else is tried.
enum class SafeKind : uint8_t {
    None,
    // One deck, down in alternate colours: the two lower cards of the other
    // colour. Drawing more than one card, a card taken off the waste would
    // change the later draws, so there the rule holds only with a single draw.
    Alternate,
    // Any number of decks, down regardless of suit or in suit, nothing taken
    // back from a foundation: every copy of the lower card of each suit that
    // fits. Building wraps a King onto an Ace, so an Ace waits for the Kings
    // unless the game never gains by laying a King on an Ace.
    Builders,
};

SafeKind SafeHomeRules(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (!HasTrait(t.CurrentGame, TraitSafeHome) || r.FoundConsSuit != SuitSame || r.FoundConsVal != ConsAscending
        || r.TableConsVal != ConsDescending || (r.WasteFirst != -1 && r.GetDeckCardNum > 1))
        return SafeKind::None;
    if (r.TableConsSuit == SuitAlternate) return r.TotalCards == CardsPerDeck ? SafeKind::Alternate : SafeKind::None;
    const bool builders = r.TableConsSuit == SuitNone || r.TableConsSuit == SuitSame;
    return builders && !r.FoundTakeCards && r.TotalCards == CardsPerDeck * r.Decks ? SafeKind::Builders
                                                                                  : SafeKind::None;
}

bool SafeHome(const TableState& t, const PlayerAction& a, SafeKind kind, bool acesSafe)
{
    if (a.Kind != ActionKind::Drag || !t.Rules.IsFoundation(a.Pile)) return false;
    const Card& c = t.CardAt(a.Card);
    if (t.Rules.IsFoundation(c.PileIndex)) return false;
    if (kind == SafeKind::Alternate) {
        std::array<int, 4> home{};
        for (int i = 0; i < t.Rules.TotalCards; ++i) {
            const Card& h = t.CardAt(i);
            if (h.InPlay && t.Rules.IsFoundation(h.PileIndex) && h.Suit >= 0 && h.Suit < 4)
                ++home[static_cast<size_t>(h.Suit)];
        }
        for (int s = 0; s < 4; ++s)
            if (ColoursDiffer(s, c.Suit) && home[static_cast<size_t>(s)] < c.Rank) return false;
        return true;
    }
    if (c.Rank == RankAce && acesSafe) return true;
    const int builder = c.Rank == RankAce ? RankKing : c.Rank - 1;
    const bool anySuit = t.Rules.TableConsSuit == SuitNone;
    int missing = anySuit ? 4 * t.Rules.Decks : t.Rules.Decks;
    for (int i = 0; i < t.Rules.TotalCards && missing > 0; ++i) {
        const Card& h = t.CardAt(i);
        if (h.Rank == builder && (anySuit || h.Suit == c.Suit) && (!h.InPlay || t.Rules.IsFoundation(h.PileIndex)))
            --missing;
    }
    return missing == 0;
}

int SourcePile(const TableState& t, const PlayerAction& a)
{
    return a.Card >= 0 && a.Card < MaxCards ? t.CardAt(a.Card).PileIndex : -1;
}

// The pile an action moves cards to, or -1 where it moves none.
int TargetPile(const PlayerAction& a)
{
    if (a.Kind == ActionKind::Drag) return a.Pile;
    if (a.Kind == ActionKind::TwoPresses && a.Pile >= 0) return a.Pile;
    return -1;
}

// Lower ranks are tried first by the depth-first pass: cards home, then
// turning up, then cards off the waste, building, spaces, the stock.
int ActionRank(const TableState& t, const PlayerAction& a)
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

// Moves that a search seldom needs: cards back from a foundation, a card from
// one free cell to another, a whole pile into an empty one, a card built on a
// fitting card moved to another, a non-King into an empty pile where nothing
// goes home. Skipping them finds
// wins sooner but may miss one, so a search that skipped any claims no loss.
bool Seldom(const TableState& t, const PlayerAction& a)
{
    const int target = TargetPile(a);
    if (target == -1) return false;
    const GameRules& r = t.Rules;
    const Card& c = t.CardAt(a.Card);
    if (r.IsFoundation(target)) return false;
    if (r.IsFoundation(c.PileIndex)) return true;
    if (r.IsReserve(c.PileIndex) && r.IsReserve(target)) return true;
    if (c.Order == 0 && t.PileAt(target).Count == 0 && !r.IsReserve(target)) return true;
    if (r.FoundFirst == -1 && t.PileAt(target).Count == 0 && c.Rank != RankKing) return true;
    if (!r.IsTableau(c.PileIndex) || !r.IsTableau(target) || c.Order == 0) return false;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& below = t.CardAt(i);
        if (!below.InPlay || below.PileIndex != c.PileIndex || below.Order != c.Order - 1) continue;
        return below.FaceUp && SuitFits(r.TableConsSuit, c, below) && RankFits(t, r.TableConsVal, c, below, false);
    }
    return false;
}

// The keys of positions seen: open addressing, kept at most half full. Key 0
// stands for an empty slot, so a real 0 is stored as 1.
class SeenSet {
public:
    void Clear()
    {
        Slots_.assign(1 << 16, 0);
        Count_ = 0;
    }
    // True when key is new.
    bool Insert(uint64_t key)
    {
        if (key == 0) key = 1;
        if (2 * (Count_ + 1) > Slots_.size()) Grow();
        if (!Place(Slots_, key)) return false;
        ++Count_;
        return true;
    }

private:
    static bool Place(std::vector<uint64_t>& slots, uint64_t key)
    {
        const size_t mask = slots.size() - 1;
        for (size_t i = static_cast<size_t>(key) & mask;; i = (i + 1) & mask) {
            if (slots[i] == key) return false;
            if (slots[i] == 0) {
                slots[i] = key;
                return true;
            }
        }
    }
    void Grow()
    {
        std::vector<uint64_t> bigger(Slots_.size() * 2, 0);
        for (const uint64_t k : Slots_)
            if (k != 0) Place(bigger, k);
        Slots_.swap(bigger);
    }

    std::vector<uint64_t> Slots_ = std::vector<uint64_t>(1 << 16, 0);
    size_t Count_ = 0;
};

class Search {
public:
    enum class Outcome : uint8_t { Won, Exhausted, OutOfBudget };

    Search(const TableState& t, const SolverBudget& budget, Clock::time_point start, long& positions)
        : Budget_(budget)
        , Start_(start)
        , Positions_(positions)
        , Weights_(WeightsFor(t.CurrentGame))
        , Alike_(AlikeEmptyPiles(t.CurrentGame))
        , SafeHome_(SafeHomeRules(t))
    {
        G_.KeepHistory = false;
        G_.T = t;
        G_.T.Opt.Sound = G_.T.Opt.Animation = false;
    }

    // Best first over the measure of progress, newest first among equals,
    // skipping seldom moves where the game allows. Open positions beyond a
    // cap are dropped, which, like skipping, leaves nothing proved. Only the
    // positions expanded are kept; an open one is its parent and an action,
    // played again when it comes up.
    Outcome BestFirst(const TableState& root, std::vector<PlayerAction>& line)
    {
        Strict_ = !Weights_.SkipSeldom;
        SkippedSeldom_ = false;
        Complete_ = true;
        PassEnd_ = Weights_.PassPositions > 0 && Weights_.Then != nullptr ? Positions_ + Weights_.PassPositions
                                                                         : std::numeric_limits<long>::max();
        Seen_.Clear();
        Seen_.Insert(PositionHash(root, Alike_, Weights_.Heaps));
        Nodes_.clear();
        Open_.clear();
        Pool_.Reset(root);
        long sequence = 0;
        int slot = -1;
        auto add = [&](int parent, const PlayerAction& a, int score) {
            const int depth = parent == -1 ? 1 : Nodes_[static_cast<size_t>(parent)].Depth + 1;
            score = score * 4 - depth * Weights_.DepthCost;
            if (Open_.size() >= MaxOpen) {
                Complete_ = false;
                auto worst = std::prev(Open_.end());
                if (worst->Score >= score) return;
                Open_.erase(worst);
            }
            Nodes_.push_back({ parent, a, depth });
            Open_.insert({ score, ++sequence, static_cast<int>(Nodes_.size()) - 1, slot });
        };
        Current_ = root;
        int node = -1;
        for (;;) {
            slot = Pool_.Add(Current_);
            if (Children(
                    Current_, true, [&](const PlayerAction& a, const TableState&, int score) { add(node, a, score); }))
                return WonFrom(node, line);
            if (OutOfBudget()) return Outcome::OutOfBudget;
            if (Open_.empty()) break;
            const Entry best = *Open_.begin();
            Open_.erase(Open_.begin());
            node = best.Node;
            Pool_.Get(best.Slot, G_.T);
            PlayListedAction(G_, Nodes_[static_cast<size_t>(node)].Action);
            Current_ = G_.T;
        }
        Proved_ = Complete_ && !SkippedSeldom_;
        return Outcome::Exhausted;
    }

    // Depth first, children by kind of action, listing order among equals, in
    // little memory. A strict pass skips nothing unsound and so can prove a
    // deal lost.
    Outcome DepthFirst(const TableState& root, bool strict, std::vector<PlayerAction>& line)
    {
        Strict_ = strict;
        SkippedSeldom_ = false;
        Complete_ = true;
        Seen_.Clear();
        Seen_.Insert(PositionHash(root, Alike_, Weights_.Heaps));
        if (Expand(root, 0)) return WonAt(1, line);
        if (OutOfBudget()) return Outcome::OutOfBudget;
        int depth = 1;
        while (depth > 0) {
            Frame& f = Frames_[static_cast<size_t>(depth - 1)];
            if (f.Next == f.Order.size()) {
                --depth;
                continue;
            }
            const size_t child = f.Order[f.Next++];
            if (depth >= MaxDepth) {
                Complete_ = false;
                continue;
            }
            if (Expand(f.States[child], depth)) return WonAt(depth + 1, line);
            if (OutOfBudget()) return Outcome::OutOfBudget;
            ++depth;
        }
        Proved_ = Complete_ && !SkippedSeldom_;
        return Outcome::Exhausted;
    }

    // A depth-first pass over the game's share of positions before best first.
    Outcome Opening(const TableState& root, std::vector<PlayerAction>& line)
    {
        PassEnd_ = Positions_ + Weights_.DepthFirstPositions;
        const Outcome outcome = DepthFirst(root, false, line);
        PassEnd_ = std::numeric_limits<long>::max();
        return outcome;
    }

    // Takes the next weights after a best-first pass that spent its own
    // share of positions, while the whole budget lasts; false where none.
    bool NextPass()
    {
        if (Positions_ < PassEnd_ || Weights_.Then == nullptr || Positions_ >= Budget_.Positions || OutOfTime_)
            return false;
        Weights_ = *Weights_.Then;
        return true;
    }

    // The last pass searched every position that matters.
    bool Proved() const { return Proved_; }
    bool PrefersBestFirst() const { return Weights_.BestFirst; }
    bool OpensDepthFirst() const { return Weights_.DepthFirstPositions > 0; }

private:
    static constexpr size_t MaxOpen = 20000;

    struct Frame {
        std::vector<PlayerAction> Actions;
        std::vector<TableState> States;
        std::vector<int> Scores;
        std::vector<size_t> Order;
        size_t Next = 0;
    };
    struct Node {
        int Parent;
        PlayerAction Action;
        int Depth;
    };
    struct Entry {
        int Score;
        long Sequence;
        int Node;
        int Slot; // the parent's state in Pool_
        bool operator<(const Entry& o) const { return Score != o.Score ? Score > o.Score : Sequence > o.Sequence; }
    };

    bool OutOfBudget()
    {
        if (Positions_ >= Budget_.Positions || Positions_ >= PassEnd_) return true;
        if (++Checks_ % 64 != 0) return OutOfTime_;
        OutOfTime_ = Clock::now() - Start_ >= std::chrono::milliseconds(Budget_.Milliseconds)
            || (Budget_.Cancel != nullptr && Budget_.Cancel->load(std::memory_order_relaxed));
        return OutOfTime_;
    }

    Outcome WonAt(int frames, std::vector<PlayerAction>& line)
    {
        line.clear();
        for (int k = 0; k + 1 < frames; ++k) {
            const Frame& f = Frames_[static_cast<size_t>(k)];
            line.push_back(f.Actions[f.Order[f.Next - 1]]);
        }
        line.push_back(WinningAction_);
        return Outcome::Won;
    }

    Outcome WonFrom(int node, std::vector<PlayerAction>& line)
    {
        line.clear();
        line.push_back(WinningAction_);
        for (; node != -1; node = Nodes_[static_cast<size_t>(node)].Parent)
            line.push_back(Nodes_[static_cast<size_t>(node)].Action);
        std::reverse(line.begin(), line.end());
        return Outcome::Won;
    }

    // Lists the children of state into frame depth, best first; true when
    // one of them wins.
    bool Expand(const TableState& state, int depth)
    {
        if (static_cast<size_t>(depth) == Frames_.size()) Frames_.emplace_back();
        Frame& f = Frames_[static_cast<size_t>(depth)];
        f.Actions.clear();
        f.States.clear();
        f.Scores.clear();
        f.Order.clear();
        f.Next = 0;
        // The kind of action orders better here than progress, which in the
        // stock games shows only late; listing order breaks ties.
        const bool won = Children(state, false, [&](const PlayerAction& a, const TableState& child, int) {
            f.Actions.push_back(a);
            f.Scores.push_back(-ActionRank(state, a));
            f.States.push_back(child);
        });
        f.Order.resize(f.Actions.size());
        std::iota(f.Order.begin(), f.Order.end(), size_t{ 0 });
        std::stable_sort(f.Order.begin(), f.Order.end(), [&](size_t a, size_t b) { return f.Scores[a] > f.Scores[b]; });
        return won;
    }

    // Plays each worthwhile action of state and hands every new position to
    // sink, with its progress where scored; true when an action wins (WinningAction_).
    template <class Sink> bool Children(const TableState& state, bool scored, Sink&& sink)
    {
        Listed_.clear();
        ListActions(state, Listed_);
        if (SafeHome_ != SafeKind::None) {
            // A safe move home is the only one worth trying here.
            for (const PlayerAction& a : Listed_) {
                if (!SafeHome(state, a, SafeHome_, Weights_.AcesSafeHome)) continue;
                Listed_ = { a };
                break;
            }
        }
        std::bitset<MaxCards * 2> emptyTargets;
        for (const PlayerAction& a : Listed_) {
            if (Skip(state, a, emptyTargets)) continue;
            G_.T = state;
            G_.GameWon = false;
            PlayListedAction(G_, a);
            ++Positions_;
            if (G_.GameWon) {
                WinningAction_ = a;
                return true;
            }
            if (!Seen_.Insert(PositionHash(G_.T, Alike_, Weights_.Heaps))) continue;
            if (Weights_.Hopeless != nullptr && Weights_.Hopeless(G_.T)) continue;
            sink(a, G_.T, scored ? Heuristic(G_.T, Weights_) : 0);
            if (OutOfBudget()) {
                Complete_ = false;
                break;
            }
        }
        return false;
    }

    bool Skip(const TableState& t, const PlayerAction& a, std::bitset<MaxCards * 2>& emptyTargets)
    {
        const int target = TargetPile(a);
        if (Alike_ && target >= 0 && target < MaxPiles && t.PileAt(target).Count == 0) {
            const GameRules& r = t.Rules;
            const bool tableau = r.IsTableau(target);
            if (tableau || r.IsReserve(target)) {
                const int source = SourcePile(t, a);
                // A whole pile into an empty one of its own kind changes nothing.
                if (tableau && r.IsTableau(source) && t.CardAt(a.Card).Order == 0) return true;
                if (!tableau && r.IsReserve(source)) return true;
                // One empty pile of a kind stands for all: the first listed.
                const size_t key = static_cast<size_t>(a.Card) * 2 + (tableau ? 0 : 1);
                if (emptyTargets.test(key)) return true;
                emptyTargets.set(key);
            }
        }
        if (Strict_ || !Seldom(t, a)) return false;
        SkippedSeldom_ = true;
        return true;
    }

    SolverBudget Budget_;
    Clock::time_point Start_;
    long& Positions_;
    HeuristicWeights Weights_;
    bool Alike_;
    SafeKind SafeHome_;
    bool Strict_ = false;
    bool SkippedSeldom_ = false;
    bool Complete_ = true;
    bool Proved_ = false;
    bool OutOfTime_ = false;
    long Checks_ = 0;
    long PassEnd_ = std::numeric_limits<long>::max();
    Game G_;
    TableState Current_;
    std::deque<Frame> Frames_;
    std::vector<Node> Nodes_;
    TableSnapshots Pool_;
    std::set<Entry> Open_;
    std::vector<PlayerAction> Listed_;
    SeenSet Seen_;
    PlayerAction WinningAction_;
};

} // namespace

Solution Solve(const TableState& t, const SolverBudget& budget)
{
    const Clock::time_point start = Clock::now();
    Solution s;
    // A table with nothing left to do that passes the win test is won. Some
    // win tests hold at the deal too, before any play, so only then.
    std::vector<PlayerAction> actions;
    ListActions(t, actions);
    if (actions.empty() && IsWon(t)) {
        s.Result = SolveResult::Won;
        return s;
    }
    Search search(t, budget, start, s.Positions);
    auto outcome = Search::Outcome::OutOfBudget;
    if (search.PrefersBestFirst() && search.OpensDepthFirst()) outcome = search.Opening(t, s.Line);
    if (outcome == Search::Outcome::OutOfBudget)
        outcome = search.PrefersBestFirst() ? search.BestFirst(t, s.Line) : search.DepthFirst(t, false, s.Line);
    while (outcome == Search::Outcome::OutOfBudget && search.NextPass()) outcome = search.BestFirst(t, s.Line);
    // A first pass that skipped or dropped positions proves nothing when it
    // fails; a strict pass goes on while the budget lasts.
    if (outcome == Search::Outcome::Exhausted && !search.Proved()) outcome = search.DepthFirst(t, true, s.Line);
    switch (outcome) {
    case Search::Outcome::Won: s.Result = SolveResult::Won; break;
    case Search::Outcome::Exhausted: s.Result = search.Proved() ? SolveResult::Lost : SolveResult::Unknown; break;
    case Search::Outcome::OutOfBudget: s.Result = SolveResult::Unknown; break;
    }
    s.Milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return s;
}

const char* ResultName(SolveResult r)
{
    switch (r) {
    case SolveResult::Won: return "won";
    case SolveResult::Lost: return "lost";
    case SolveResult::Unknown: return "unknown";
    }
    return "unknown";
}

} // namespace quillo
