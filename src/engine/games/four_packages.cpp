// Four Packages: two decks on ten piles, each under its own package. A card
// played from a pile onto another package carries the pile's own package
// after it. Won when four Aces lie alone on four piles and every other card
// is packed.
//
//   [10] [11] [12] [13] [14] [15] [16] [17] [18] [19]   packages, from Two
//   [0]  [1]  [2]  [3]  [4]  [5]  [6]  [7]  [8]  [9]    tableau
//
// The tableau builds down in suit and any face-up group moves. Each
// package's token shows the rank that would continue its pile's top card.

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../moves.h"
#include "../placement.h"
#include "../pointer.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

namespace {

constexpr int HomeAces = 4;
constexpr int32_t RankTwo = RankAce + 1;
// The token of a package whose pile is empty: no rank.
constexpr int32_t PlainToken = RankKing + 1;

int OwnPackage(const GameRules& r, int pile)
{
    return r.FoundFirst + (pile - r.TableFirst);
}

// The rank that would continue the pile's top card (Ace after King).
int32_t ShownRank(const TableState& t, int pile)
{
    const int top = TopCard(t, pile);
    if (top == -1) return PlainToken;
    return (t.CardAt(top).Rank + 1) % RanksPerSuit;
}

void ShowPackageRanks(TableState& t)
{
    const GameRules& r = t.Rules;
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast; ++p) {
        const int f = OwnPackage(r, p);
        if (r.IsFoundation(f)) t.PileAt(f).BaseRank = ShownRank(t, p);
    }
}

// Moves the whole of package from onto package to, unchecked.
void CarryPackage(Game& g, int from, int to)
{
    TableState& t = g.T;
    const int bottom = BaseCard(t, from);
    if (bottom == -1) return;
    t.ActiveCard = bottom;
    const Card& c = t.CardAt(bottom);
    PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
    AnimateMove(g, to, true);
}

}  // namespace

void FourPackagesLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 20;
    r.FaceDownFan = DownFanNone;
    r.TableFirst = 0;
    r.TableLast = 9;
    r.FoundFirst = 10;
    r.FoundLast = 19;

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 17);
    ComputeFieldSize(g);
    SetFans(t, 1);
    PlacePileRow(t, 10, 19, 0, 0, -1, 15, 1, 10);
    PlacePileRow(t, 0, 9, 0, 0, -1, LowerRowY(r), 1, 10);

    // AutoplayAllowed stays off: it would send the four Aces left alone
    // home onto Kings and spoil a won position.
    r.StartRank = RankTwo;
    r.MoveUnit = MoveAnyRun;
    r.FillFreeTable = FillAnyCard;
    r.EditTableConsVal = r.EditFillFreeTable = true;
}

void FourPackagesDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {11, 11, 11, 11, 10, 10, 10, 10, 10, 10};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
    ShowPackageRanks(t);
}

// A card played from a pile onto another package carries the pile's own
// package after it; the move's snapshot, taken after this rule, covers both.
void FourPackagesFollowUp(Game& g, const MoveOutcome& m)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (!m.Completed || !r.IsTableau(m.Source)) return;
    const bool packed = r.IsFoundation(m.Target);
    if (!packed && !r.IsTableau(m.Target)) return;
    const int own = OwnPackage(r, m.Source);
    if (packed && own != m.Target && r.IsFoundation(own)) CarryPackage(g, own, m.Target);
    ShowPackageRanks(t);
    g.View().RedrawField();
}

bool FourPackagesWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (r.TableFirst == -1) return false;
    int alone = 0;
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        const int count = t.PileAt(p).Count;
        if (count > 1) return false;
        alone += count;
    }
    if (alone != HomeAces) return false;
    const int total = std::clamp(r.TotalCards, 0, MaxCards);
    for (int i = 0; i < total; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || r.IsFoundation(c.PileIndex)) continue;
        if (!r.IsTableau(c.PileIndex) || c.Rank != RankAce) return false;
    }
    return true;
}

}  // namespace quillo::games
