#include "setup.h"

#include <algorithm>

#include "catalogue.h"
#include "fan_fit.h"
#include "game.h"
#include "game_table.h"

namespace quillo {

void WriteBaseValues(GameRules& r, bool full)
{
    r.TableConsVal = ConsDescending;
    r.TableConsSuit = SuitSame;
    r.FoundConsVal = ConsAscending;
    r.FoundConsSuit = SuitSame;
    r.FillFreeTable = FillNever;
    r.MoveUnit = MoveSingle;
    r.StockRedeals = StockUnlimited;
    r.TableRedeals = RedealsNone;
    r.GetDeckCardNum = 1;
    r.StartRankFromDeal = false;
    r.FullFoundations = true;
    r.AutoplayAllowed = false;
    r.DealToTableau = false;
    r.StockClickMode = StockDealNormal;
    r.TableBuildFrom = BuildFromAny;
    r.FreeCells = false;
    r.EmptyPileClicks = false;
    r.FoundTakeCards = false;
    r.EditTableConsVal = r.EditTableConsSuit = r.EditFoundConsVal = r.EditFoundConsSuit = false;
    r.EditMoveUnit = r.EditFillFreeTable = r.EditStockRedeals = r.EditTableRedeals = false;
    r.EditGetDeckCardNum = r.EditFoundTakeCards = false;
    r.StockPile = -1;
    r.FoundFirst = r.FoundLast = -1;
    r.WasteFirst = r.WasteLast = -1;
    r.TableFirst = r.TableLast = -1;
    r.ReserveFirst = r.ReserveLast = -1;
    r.Reserve2First = r.Reserve2Last = -1;
    if (full) {
        r.StartRank = -1;
        r.FillRank = -1;
        r.MinFieldWidth = -1;
        r.MinFieldHeight = -1;
    }
}

void ComputeFieldSize(Game& g)
{
    GameRules& r = g.T.Rules;
    TableView& v = g.View();
    if (!v.IsMaximized()) {
        const ScreenSize screen = v.Screen();
        r.FieldWidth = std::min(screen.Width, std::max(r.FieldWidth, r.MinFieldWidth));
        r.FieldHeight = std::min(std::max(r.FieldHeight, r.MinFieldHeight), screen.Height - v.ToolBarHeight() - 42);
    }
    r.ScaleX = static_cast<double>(r.FieldWidth) / g.T.BaseWidth;
    r.ScaleY = static_cast<double>(r.FieldHeight) / g.T.BaseHeight;
}

void ApplyRules(TableState& t)
{
    GameRules& r = t.Rules;
    if (r.TableFirst != -1) {
        for (int p = r.TableFirst; p <= r.TableLast; ++p) {
            if (r.TableConsSuit != SuitKeepPile) t.PileAt(p).ConsSuit = r.TableConsSuit;
            if (r.TableConsVal != ConsKeepPile) t.PileAt(p).ConsVal = r.TableConsVal;
        }
    }
    if (r.FoundFirst != -1) {
        for (int p = r.FoundFirst; p <= r.FoundLast; ++p) {
            Pile& pile = t.PileAt(p);
            if (r.FoundConsSuit != SuitKeepPile) pile.ConsSuit = r.FoundConsSuit;
            if (r.FoundConsVal != ConsKeepPile) pile.ConsVal = r.FoundConsVal;
            if (pile.BaseRank == NoBaseRank && !r.StartRankFromDeal && r.StartRank != -1) pile.BaseRank = r.StartRank;
            if (pile.BaseColor == BaseColorPlain) pile.BaseColor = BaseColorAny;
        }
    }
}

void ComputePileSteps(TableState& t)
{
    for (int p = 0; p < t.Rules.PileCount; ++p) {
        Pile& pile = t.PileAt(p);
        const PileSteps steps = SetUpSteps(t, pile);
        pile.FanX = steps.Up.X;
        pile.FanY = steps.Up.Y;
        pile.DownFanX = steps.Down.X;
        pile.DownFanY = steps.Down.Y;
    }
}

namespace {

void ComputeRuleFlags(Game& g, bool preview)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    if (r.StockPile == -1) {
        r.StockRedeals = StockUnused;
        r.EditGetDeckCardNum = false;
    } else {
        r.EditStockRedeals = true;
        r.EditGetDeckCardNum = true;
        t.PileAt(r.StockPile).FanDir = FanStockStack;
    }
    ApplyRules(t);
    if (r.TableFirst != -1) {
        bool allFanned = true;
        for (int p = r.TableFirst; p <= r.TableLast; ++p) allFanned = allFanned && t.PileAt(p).FanDir != FanNone;
        r.EditMoveUnit = allFanned;
        r.EditTableConsSuit = r.EditTableConsVal;
    }
    if (r.TableRedeals != RedealsNone) {
        r.EditTableRedeals = true;
        if (!preview) g.View().SetDealButtonVisible(true);
    }
    if (r.FoundFirst != -1) {
        const int found = GameRules::RangeSize(r.FoundFirst, r.FoundLast);
        if ((r.Decks == 1 && found < 4) || (r.Decks == 2 && found < 8)) r.FullFoundations = false;
        r.EditFoundConsSuit = r.EditFoundConsVal;
    }
}

void GiveCardsIdentities(TableState& t)
{
    for (int i = 0; i < MaxCards; ++i) {
        Card& c = t.CardAt(i);
        c.Suit = (i % CardsPerDeck) / RanksPerSuit;
        c.Rank = i % RanksPerSuit;
        c.X = c.Y = 0;
        c.Order = i;
    }
}

// Scaled size of the preview picture inside the chooser's 256 x 192 frame.
void SizePreview(Game& g)
{
    const int w = g.T.Rules.FieldWidth, h = g.T.Rules.FieldHeight;
    int shownW = w, shownH = h;
    if (w > 256 || h > 192) {
        shownW = w * 192 / h;
        shownH = 192;
        if (shownW > 256) {
            shownW = 256;
            shownH = h * 256 / w;
        }
    }
    g.View().ResizePreview(w, h, shownW, shownH);
}

void FitWindowAroundField(Game& g)
{
    GameRules& r = g.T.Rules;
    TableView& v = g.View();
    if (v.IsMaximized()) {
        v.ResizeField(r.FieldWidth, r.FieldHeight);
        return;
    }
    const ScreenSize screen = v.Screen();
    const int toolBar = v.ToolBarHeight();
    WindowFit fit;
    if (screen.Width < r.FieldWidth) {
        fit.ClientWidth = screen.Width;
        fit.CentreHorizontally = false;
    } else {
        fit.ClientWidth = r.FieldWidth;
    }
    if (screen.Height - toolBar < r.FieldHeight) {
        fit.ClientHeight = screen.Height - toolBar;
        fit.CentreVertically = false;
    } else {
        fit.ClientHeight = r.FieldHeight + toolBar;
    }
    v.FitWindow(fit);
    r.FieldWidth = fit.ClientWidth;
    r.FieldHeight = fit.ClientHeight - toolBar;
    v.ResizeField(r.FieldWidth, r.FieldHeight);
}

}  // namespace

bool SetupGame(Game& g, SetupForm form)
{
    const GameHooks& hooks = HooksOf(g.T.CurrentGame);
    if (hooks.Layout == nullptr) return false;
    const bool full = form == SetupForm::Full;
    const bool preview = form == SetupForm::Preview;
    TableState& t = g.T;
    GameRules& r = t.Rules;
    TableView& v = g.View();

    v.SetDealButtonVisible(false);
    const int oldWidth = r.FieldWidth, oldHeight = r.FieldHeight;

    if (full) {
        r.MinFieldWidth = r.MinFieldHeight = -1;
        if (v.IsMaximized()) {
            r.FieldWidth = v.MaximizedClientWidth();
            r.FieldHeight = v.MaximizedClientHeight() - v.ToolBarHeight();
        } else {
            r.FieldWidth = v.NormalFieldWidth();
            r.FieldHeight = v.NormalFieldHeight();
        }
        t.BaseWidth = 792;
        t.BaseHeight = 526;
    }

    ComputeFieldSize(g);
    t.PreviewMode = preview;
    if (full && !preview) {
        v.SetLabel(StatusLabel::StartRank, std::string());
        v.SetLabel(StatusLabel::StockAndWaste, std::string());
    }

    std::array<std::pair<int32_t, int32_t>, MaxPiles> kept{};
    const bool relayout = form == SetupForm::Relayout;
    for (size_t p = 0; p < MaxPiles; ++p) {
        if (relayout) kept[p] = {t.Piles[p].BaseRank, t.Piles[p].BaseColor};
        t.Piles[p].BaseRank = NoBaseRank;
        t.Piles[p].BaseColor = BaseColorPlain;
    }

    WriteBaseValues(r, full);
    hooks.Layout(g);

    for (int p = 0; p < r.PileCount; ++p) {
        if (r.IsStock(p))
            t.PileAt(p).Kind = KindStock;
        else if (r.IsFoundation(p))
            t.PileAt(p).Kind = KindFoundation;
        else if (r.IsWaste(p) || r.IsTableau(p) || r.IsReserve(p) || r.IsReserve2(p))
            t.PileAt(p).Kind = KindOther;
    }

    ComputeRuleFlags(g, preview);

    const CatalogueEntry& entry = Catalogue()[static_cast<size_t>(t.CurrentGame)];
    t.GameName = std::string(entry.Name);
    t.HelpTopic = std::string(entry.HelpTopic);

    r.TotalCards = CardsPerDeck * r.Decks;
    if (full) GiveCardsIdentities(t);

    ComputePileSteps(t);

    if (relayout) {
        for (size_t p = 0; p < MaxPiles; ++p) {
            t.Piles[p].BaseRank = kept[p].first;
            t.Piles[p].BaseColor = kept[p].second;
        }
    }

    const bool sameSize = r.FieldWidth == oldWidth && r.FieldHeight == oldHeight;
    if (preview) {
        if (!sameSize || !v.PreviewHasSize(r.FieldWidth, r.FieldHeight)) SizePreview(g);
    } else if (!sameSize) {
        FitWindowAroundField(g);
    }

    t.LayoutReady = true;
    if (!preview) v.SetCaption("Quillotaire - " + t.GameName);
    return true;
}

}  // namespace quillo

namespace quillo {

bool RelayoutGame(Game& g)
{
    TableState& t = g.T;
    const GameRules before = t.Rules;
    const std::string name = t.GameName;
    if (!SetupGame(g, SetupForm::Relayout)) return false;
    if (t.CurrentCustom == -1) return true;
    const GameRules laid = t.Rules;
    t.Rules = before;
    t.Rules.FieldWidth = laid.FieldWidth;
    t.Rules.FieldHeight = laid.FieldHeight;
    t.Rules.MinFieldWidth = laid.MinFieldWidth;
    t.Rules.MinFieldHeight = laid.MinFieldHeight;
    t.Rules.ScaleX = laid.ScaleX;
    t.Rules.ScaleY = laid.ScaleY;
    t.Rules.CardSizes = laid.CardSizes;
    t.GameName = name;
    ApplyRules(t);
    return true;
}

}  // namespace quillo
