// The card set drawn for the window: drawn at the size that fits the current
// game in the field, and again when the field's size or the game changes.

#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "art/drawn_card_set.h"
#include "engine/card_fit.h"
#include "engine/labels.h"
#include "engine/setup.h"
#include "field_widget.h"
#include "main_window.h"
#include "presentation/card_set_reader.h"
#include "presentation/field.h"
#include "token_pictures.h"

namespace quillo {

bool F_Main::UsesFittedCards() const
{
    return PickedDeck == FittedCardSetName;
}

// A drawn set on a high-density screen is drawn and laid out at device
// pixels. A file set keeps the window's pixels and is enlarged by the
// window system: its pictures hold no finer detail to show.
qreal F_Main::WantedFieldScale() const
{
    return UsesFittedCards() ? std::max<qreal>(1, devicePixelRatioF()) : 1;
}

bool F_Main::ApplyFieldScale()
{
    const qreal scale = WantedFieldScale();
    if (scale == I_Field->Scale()) return false;
    I_Field->SetScale(scale);
    const int tokens = std::max(1, qRound(scale));
    Field_->I_FoundPics = FoundationTokens(tokens);
    Field_->I_StockPics = StockArrows(tokens);
    FitFieldToWindow();
    return true;
}

void F_Main::RescaleField()
{
    TableState& t = Game_.T;
    if (t.Dragging || Celebrating()) {
        QTimer::singleShot(RefitDelayMs, this, [this] { RescaleField(); });
        return;
    }
    if (!ApplyFieldScale() || !t.LayoutReady) return;
    if (UsesFittedCards()) DrawFittedCards();
    RelayoutTable();
}

bool F_Main::DrawFittedCards()
{
    const GameRules& r = Game_.T.Rules;
    const CardFit fit = FitCards(Game_, r.FieldWidth, r.FieldHeight);
    const CardSize& now = r.CardSizes[Upright];
    if (FittedDrawn_ && Cards_.Loaded() && now.Width == fit.Width && now.Height == fit.Height) return true;
    CardImageStore next = art::DrawCardSet(fit.Width, fit.Height);
    if (!next.Loaded()) return false;
    UseCardSet(std::move(next), Cards_, Game_.T.Rules, [this](bool on) { EnableBack(on); });
    AttachCardArt();
    FittedDrawn_ = true;
    return true;
}

void F_Main::ScheduleRefit(int milliseconds)
{
    if (!UsesFittedCards()) return;
    // A later resize pushes the redraw back; a setup does not hold one up.
    if (milliseconds > 0 || !T_Refit.isActive()) T_Refit.start(milliseconds);
}

void F_Main::RefitCards()
{
    TableState& t = Game_.T;
    if (!UsesFittedCards() || !t.LayoutReady || t.Dragging || Celebrating()) return;
    const CardSize before = t.Rules.CardSizes[Upright];
    if (!DrawFittedCards()) return;
    const CardSize& after = t.Rules.CardSizes[Upright];
    if (before.Width == after.Width && before.Height == after.Height) return;
    RelayoutTable();
}

}  // namespace quillo

namespace quillo {

bool FittedSetPreview(PixelBuffer& picture)
{
    picture = art::PreviewOf(art::DrawCardSet(71, 96));
    return !picture.Empty();
}

}  // namespace quillo
