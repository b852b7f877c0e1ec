#include "table_picture.h"

#include <filesystem>

#include "art/drawn_card_set.h"
#include "engine/card_fit.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/setup.h"
#include "presentation/card_art.h"
#include "presentation/card_set_reader.h"
#include "presentation/field.h"
#include "presentation/sheet_preparation.h"
#include "tool_view.h"

namespace quillo {

QImage DrawTablePicture(const TablePictureRequest& request, std::string& why)
{
    ToolView view;
    view.FieldWidth = request.FieldWidth;
    view.FieldHeight = request.FieldHeight;
    Game g(view);
    g.T.Opt.Sound = g.T.Opt.Animation = false;

    g.T.CurrentGame = request.Game;
    CardImageStore store;
    if (request.FitCards) {
        view.Maximized = true;
        const CardFit fit = FitCards(g, request.FieldWidth, request.FieldHeight);
        store = art::DrawCardSet(fit.Width, fit.Height);
        if (!store.Loaded()) {
            why = "no card set can be drawn at " + std::to_string(fit.Width) + "x" + std::to_string(fit.Height);
            return {};
        }
        g.T.Rules.CardSizes = store.CardSizes;
    } else {
        CardSetHooks hooks;
        const std::string dir = std::filesystem::path(request.CardSet).parent_path().string();
        hooks.ProgramDir = dir.empty() ? "." : dir;
        hooks.Message = [&why](const std::string& m) { why = m; };
        if (!LoadCardSet(request.CardSet, store, g.T.Rules, hooks)) {
            why = request.CardSet + " is not a card set this program can read";
            return {};
        }
    }
    BuildAllSheets(store);

    if (!SetupGame(g, SetupForm::Full)) {
        why = "game " + std::to_string(request.Game) + " has no layout";
        return {};
    }
    g.T.Rules.GameNumber = request.Number;
    NewDeal(g, DealKind::Restart);

    FieldSurface surface;
    Field field(surface);
    field.Art = ArtOf(store);
    field.Resize(g.T.Rules.FieldWidth, g.T.Rules.FieldHeight);
    field.DrawField(g.T);

    const PixelBuffer& pic = field.I_Field;
    QImage image(pic.Width(), pic.Height(), QImage::Format_BGR888);
    const size_t bytes = static_cast<size_t>(pic.Width()) * 3;
    for (int y = 0; y < pic.Height(); ++y) std::memcpy(image.scanLine(y), pic.Row(y), bytes);
    if (request.ShownWidth > 0 && request.ShownWidth < image.width())
        image = image.scaledToWidth(request.ShownWidth, Qt::SmoothTransformation);
    return image;
}

}  // namespace quillo
