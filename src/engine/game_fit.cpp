#include "game_fit.h"

#include <array>
#include <cassert>
#include <memory>

#include "game.h"
#include "game_table.h"
#include "setup.h"

namespace quillo {

namespace {

struct LaidOut {
    bool Playable = false;
    GameRules Rules;
};

std::array<LaidOut, CatalogueSize> LayOutAll()
{
    std::array<LaidOut, CatalogueSize> all{};
    for (int game = 0; game < CatalogueSize; ++game) {
        if (!IsPlayable(game)) continue;
        auto scratch = std::make_unique<Game>();  // the undo slots are large
        scratch->T.CurrentGame = game;
        if (!SetupGame(*scratch, SetupForm::Full)) continue;
        all[static_cast<size_t>(game)] = {true, scratch->T.Rules};
    }
    return all;
}

}  // namespace

const GameRules* LaidOutRules(int game)
{
    static const std::array<LaidOut, CatalogueSize> all = LayOutAll();
    if (game < 0 || game >= CatalogueSize) return nullptr;
    const LaidOut& l = all[static_cast<size_t>(game)];
    return l.Playable ? &l.Rules : nullptr;
}

std::optional<std::string> ShapeMismatch(int game, const GameRules& r)
{
    const GameRules* laid = LaidOutRules(game);
    if (laid == nullptr) return "a game this program cannot set up";
    if (r.Decks != laid->Decks || r.TotalCards != laid->TotalCards) return "another number of cards";
    if (r.PileCount != laid->PileCount) return "another number of piles";
    if (r.StockPile != laid->StockPile) return "another stock pile";
    if (r.FoundFirst != laid->FoundFirst || r.FoundLast != laid->FoundLast) return "other foundation piles";
    if (r.TableFirst != laid->TableFirst || r.TableLast != laid->TableLast) return "other tableau piles";
    if (r.ReserveFirst != laid->ReserveFirst || r.ReserveLast != laid->ReserveLast ||
        r.Reserve2First != laid->Reserve2First || r.Reserve2Last != laid->Reserve2Last)
        return "other reserve piles";
    // A game that serves fewer waste piles on each pass keeps a shorter range.
    const bool shrinks = (HooksOf(game).Traits & TraitShrinkingWastes) != 0;
    const bool wasteOk = r.WasteFirst == laid->WasteFirst &&
                         (r.WasteLast == laid->WasteLast ||
                          (shrinks && r.WasteLast >= r.WasteFirst && r.WasteLast < laid->WasteLast));
    if (!wasteOk) return "other waste piles";
    return std::nullopt;
}

bool TableFitsGame(const TableState& t)
{
    const bool fits = !ShapeMismatch(t.CurrentGame, t.Rules);
    assert(fits && "rules that do not fit their game reached the engine");
    return fits;
}

}  // namespace quillo
