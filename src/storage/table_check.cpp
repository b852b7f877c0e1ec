#include "table_check.h"

#include <array>
#include <cmath>

#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "engine/game_fit.h"
#include "engine/records.h"

namespace quillo {

namespace {

// Generous bounds: far beyond any real field, yet small enough that sums of
// positions and steps never overflow.
constexpr int32_t MaxCoordinate = 1 << 20;
constexpr int32_t MaxCounter = 1 << 16;

bool Within(int32_t v, int32_t lo, int32_t hi)
{
    return v >= lo && v <= hi;
}

bool Coordinate(int32_t v)
{
    return Within(v, -MaxCoordinate, MaxCoordinate);
}

bool RangeOk(int32_t first, int32_t last, int32_t piles)
{
    if (first == -1) return true;
    return first >= 0 && first <= last && last < piles;
}

}  // namespace

std::optional<std::string> CheckRules(const GameRules& r)
{
    if (r.Decks < 1 || r.Decks > MaxCards / CardsPerDeck) return "bad number of decks";
    if (r.TotalCards < 0 || r.TotalCards > MaxCards) return "bad number of cards";
    if (r.PileCount < 0 || r.PileCount > MaxPiles) return "bad number of piles";
    const int32_t n = r.PileCount;
    if (r.StockPile != -1 && (r.StockPile < 0 || r.StockPile >= n)) return "bad stock pile";
    if (!RangeOk(r.FoundFirst, r.FoundLast, n) || !RangeOk(r.WasteFirst, r.WasteLast, n) ||
        !RangeOk(r.TableFirst, r.TableLast, n) || !RangeOk(r.ReserveFirst, r.ReserveLast, n) ||
        !RangeOk(r.Reserve2First, r.Reserve2Last, n))
        return "bad pile range";
    if (r.StartRank < -1 || r.StartRank > RankKing) return "bad starting rank";
    if (r.FillRank < -1 || r.FillRank > RankKing) return "bad fill rank";
    if (r.TableConsVal > ConsKeepPile || r.FoundConsVal > ConsKeepPile) return "bad building order";
    if (r.TableConsSuit > SuitKeepPile || r.FoundConsSuit > SuitKeepPile) return "bad suit rule";
    if (r.MoveUnit > MoveAnyRun || r.StockClickMode > StockDealOneIntoEmpty) return "bad move rule";
    if (r.FaceDownFan < DownFanNone || r.FaceDownFan > DownFanFull) return "bad fan rule";
    if (r.GetDeckCardNum < 0 || r.GetDeckCardNum > MaxCards) return "bad deal count";
    if (!Within(r.FieldWidth, 0, 1 << 15) || !Within(r.FieldHeight, 0, 1 << 15) ||
        !Within(r.MinFieldWidth, -1, 1 << 15) || !Within(r.MinFieldHeight, -1, 1 << 15))
        return "bad field size";
    if (!std::isfinite(r.ScaleX) || !std::isfinite(r.ScaleY) || std::fabs(r.ScaleX) > 1000 || std::fabs(r.ScaleY) > 1000)
        return "bad scale";
    if (!std::isfinite(r.StartTime) || !std::isfinite(r.NowTime) || std::fabs(r.StartTime) > 2 || std::fabs(r.NowTime) > 2)
        return "bad clock";
    if (!Coordinate(r.PickX) || !Coordinate(r.PickY)) return "bad pointer offset";
    for (int32_t v : {r.StockPass, r.StockRedeals, r.TableRedealsUsed, r.TableRedeals, r.BackIndex, r.BackCount,
                      r.ActiveWastes, r.FillFreeTable, r.TableBuildFrom})
        if (!Within(v, -MaxCounter, MaxCounter)) return "bad counter";
    for (const CardSize& s : r.CardSizes)
        for (int32_t v : {s.Width, s.Height, s.HorzStep.X, s.HorzStep.Y, s.VertStep.X, s.VertStep.Y})
            if (!Within(v, -4096, 4096)) return "bad card size";
    return std::nullopt;
}

std::string GameNameOf(int game)
{
    if (game < 0 || game >= CatalogueSize) return "game " + std::to_string(game);
    return std::string(Catalogue()[static_cast<size_t>(game)].Name);
}

std::optional<std::string> CheckRulesOfGame(int game, const GameRules& r)
{
    if (auto bad = ShapeMismatch(game, r)) return bad;
    const GameRules& laid = *LaidOutRules(game);
    // Each rule beside its Edit flag: the flag comes from the layout, and
    // only a rule whose flag is set may be the player's own.
    struct Editable {
        bool GameRules::*Flag;
        int32_t Value;
        int32_t Laid;
    };
    const Editable editable[] = {
        {&GameRules::EditTableConsVal, r.TableConsVal, laid.TableConsVal},
        {&GameRules::EditTableConsSuit, r.TableConsSuit, laid.TableConsSuit},
        {&GameRules::EditFoundConsVal, r.FoundConsVal, laid.FoundConsVal},
        {&GameRules::EditFoundConsSuit, r.FoundConsSuit, laid.FoundConsSuit},
        {&GameRules::EditMoveUnit, r.MoveUnit, laid.MoveUnit},
        {&GameRules::EditFillFreeTable, r.FillFreeTable, laid.FillFreeTable},
        {&GameRules::EditStockRedeals, r.StockRedeals, laid.StockRedeals},
        {&GameRules::EditTableRedeals, r.TableRedeals, laid.TableRedeals},
        {&GameRules::EditGetDeckCardNum, r.GetDeckCardNum, laid.GetDeckCardNum},
        {&GameRules::EditFoundTakeCards, r.FoundTakeCards, laid.FoundTakeCards},
    };
    for (const Editable& e : editable) {
        if (r.*e.Flag != laid.*e.Flag) return "other editable rules";
        if (!(laid.*e.Flag) && e.Value != e.Laid) return "a rule its game does not let change";
    }
    if (r.FaceDownFan != laid.FaceDownFan || r.AutoplayAllowed != laid.AutoplayAllowed ||
        r.DealToTableau != laid.DealToTableau || r.StockClickMode != laid.StockClickMode ||
        r.FullFoundations != laid.FullFoundations || r.TableBuildFrom != laid.TableBuildFrom ||
        r.FreeCells != laid.FreeCells || r.EmptyPileClicks != laid.EmptyPileClicks ||
        r.StartRankFromDeal != laid.StartRankFromDeal)
        return "rules of another game";
    if (!r.StartRankFromDeal && r.StartRank != laid.StartRank) return "another starting rank";
    return std::nullopt;
}

std::optional<std::string> CheckTable(const GameRules& r, std::span<const Card> cards, std::span<const Pile> piles,
                                      int placesPile)
{
    if (cards.size() < static_cast<size_t>(r.TotalCards) || piles.size() < static_cast<size_t>(r.PileCount))
        return "missing cards or piles";
    for (int32_t i = 0; i < r.TotalCards; ++i) {
        const Card& c = cards[static_cast<size_t>(i)];
        if (c.Suit < 0 || c.Suit > 3 || c.Rank < RankAce || c.Rank > RankKing) return "bad card";
        if (c.PileIndex < -1 || c.PileIndex >= r.PileCount) return "card on a pile that does not exist";
        if (c.Order < -1 || c.Order >= MaxCards) return "bad card order";
        if (c.Orientation < 0 || c.Orientation >= OrientationCount) return "bad card orientation";
        if (!Coordinate(c.X) || !Coordinate(c.Y)) return "card far off the field";
    }
    for (int32_t p = 0; p < r.PileCount; ++p) {
        const Pile& pile = piles[static_cast<size_t>(p)];
        if (pile.Count < 0 || pile.Count > r.TotalCards) return "bad pile size";
        if (pile.Orientation < 0 || pile.Orientation >= OrientationCount) return "bad pile orientation";
        if (pile.FanDir > FanStockStack || pile.Kind < KindStock || pile.Kind > KindOther) return "bad pile";
        if (pile.ConsVal > ConsKeepPile || pile.ConsSuit > SuitKeepPile) return "bad pile rule";
        if (pile.BaseRank < -1 || pile.BaseRank > NoBaseRank) return "bad pile base";
        if (pile.BaseColor < BaseColorAny || pile.BaseColor > BaseColorPlain) return "bad pile colour";
        for (int32_t v : {pile.X, pile.Y, pile.Layer, pile.FanX, pile.FanY, pile.DownFanX, pile.DownFanY})
            if (!Coordinate(v)) return "pile far off the field";
    }
    // Each pile's cards must be its Count cards with Orders 0..Count-1, so
    // that walking a pile by order never leaves it.
    std::array<uint8_t, MaxPiles * MaxCards> seen{};
    std::array<int32_t, MaxPiles> held{};
    for (int32_t i = 0; i < r.TotalCards; ++i) {
        const Card& c = cards[static_cast<size_t>(i)];
        if (!c.InPlay || c.PileIndex < 0) continue;
        const Pile& pile = piles[static_cast<size_t>(c.PileIndex)];
        const int32_t places = c.PileIndex == placesPile ? r.TotalCards : pile.Count;
        if (c.Order < 0 || c.Order >= places) return "card outside its pile";
        auto& mark = seen[static_cast<size_t>(c.PileIndex * MaxCards + c.Order)];
        if (mark) return "two cards in one place";
        mark = 1;
        ++held[static_cast<size_t>(c.PileIndex)];
    }
    for (int32_t p = 0; p < r.PileCount; ++p)
        if (held[static_cast<size_t>(p)] != piles[static_cast<size_t>(p)].Count) return "pile size does not match";
    return std::nullopt;
}

std::optional<std::string> CheckSnapshot(const GameRules& r, const UndoSnapshot& s, int placesPile)
{
    std::array<Card, MaxCards> cards{};
    std::array<Pile, MaxPiles> piles{};
    ByteReader rc(s);
    for (int32_t i = 0; i < r.TotalCards; ++i) DecodeCard(rc, cards[static_cast<size_t>(i)]);
    ByteReader rp(std::span<const uint8_t>(s).subspan(SnapshotPilesOffset));
    for (int32_t i = 0; i < r.PileCount; ++i) DecodePile(rp, piles[static_cast<size_t>(i)]);
    return CheckTable(r, cards, piles, placesPile);
}

int PlacesPileOf(int game, const GameRules& r)
{
    return HasTrait(game, TraitKeepsPlaces) ? r.TableFirst : -1;
}

}  // namespace quillo
