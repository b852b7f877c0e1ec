// Draws every card and back of a card set in all eight orientations onto one
// picture, the way the field draws them (mask, then sheet cell); or, with
// --show fans, each rank's four suits fanned down a column at the default step.
// The set is a file, or drawn in memory for --size WxH.

#include <QImage>
#include <QSaveFile>
#include <filesystem>
#include <iostream>

#include "args.h"
#include "art/drawn_card_set.h"
#include "commands.h"
#include "gui_session.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_reader.h"
#include "presentation/raster_ops.h"
#include "presentation/sheet_preparation.h"

namespace quillo {

namespace {

PixelBuffer RenderStore(const CardImageStore& store, const std::vector<int>& orientations)
{
    const int rows = store.SheetRows();
    const int gap = 6;
    int width = 0, height = gap;
    for (int o : orientations) {
        const CardSize& s = store.CardSizes[o];
        width = std::max(width, SheetColumns * (s.Width + gap) + gap);
        height += rows * (s.Height + gap) + gap;
    }
    PixelBuffer out(width, height);
    Fill(out, BgrFromRgb(0x008000));
    const Frames& f = store.CurrentFrames;
    int top = gap;
    for (int o : orientations) {
        const CardSize& s = store.CardSizes[o];
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < SheetColumns; ++c) {
                const bool face = c < 13 && r < 4, back = c == BackColumn && r < store.BackCount;
                if (!face && !back) continue;
                const int x = gap + c * (s.Width + gap), y = top + r * (s.Height + gap);
                DrawMasked(out, x, y, f.Picture, f.CellX(FrameMask), f.CellY(o), store.CardSheets[o],
                           store.CellX(o, c), store.CellY(o, r), s.Width, s.Height);
            }
        top += rows * (s.Height + gap) + gap;
    }
    return out;
}

// Thirteen columns, one per rank: clubs, spades, hearts, diamonds fanned
// downwards, so a pile's visible strips can be compared.
PixelBuffer RenderFans(const CardImageStore& store)
{
    const CardSize& s = store.CardSizes[Upright];
    const int gap = 8;
    PixelBuffer out(13 * (s.Width + gap) + gap, 2 * gap + s.Height + 3 * s.VertStep.Y);
    Fill(out, BgrFromRgb(0x008000));
    const Frames& f = store.CurrentFrames;
    for (int c = 0; c < 13; ++c)
        for (int r = 0; r < 4; ++r)
            DrawMasked(out, gap + c * (s.Width + gap), gap + r * s.VertStep.Y, f.Picture, f.CellX(FrameMask),
                       f.CellY(Upright), store.CardSheets[Upright], store.CellX(Upright, c), store.CellY(Upright, r),
                       s.Width, s.Height);
    return out;
}

}  // namespace

int RenderCardsCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"cardset", "size", "out", "orientation", "dir", "scale", "show"});
    if ((!opts.count("cardset") && !opts.count("size")) || !opts.count("out"))
        throw UsageError("render-cards needs --cardset FILE or --size WxH, and --out PNG");
    std::vector<int> orientations = {3, 7, 0, 1, 2, 4, 5, 6};
    if (opts.count("orientation")) orientations = {static_cast<int>(ParseInteger(opts["orientation"], 0, 7, "--orientation"))};
    const int scale = opts.count("scale") ? static_cast<int>(ParseInteger(opts["scale"], 1, 8, "--scale")) : 1;
    GuiSession gui;
    CardImageStore store;
    if (opts.count("size")) {
        const auto [w, h] = ParseSize(opts["size"], art::MinDrawnEdge, art::MaxDrawnEdge, "--size");
        store = art::DrawCardSet(w, h);
    } else {
        const std::string dir = opts.count("dir") ? opts["dir"]
                                                  : std::filesystem::path(opts["cardset"]).parent_path().string();
        GameRules rules;
        CardSetHooks hooks;
        hooks.ProgramDir = dir.empty() ? "." : dir;
        hooks.Message = [](const std::string& m) { std::cerr << "quillo-tool render-cards: " << m << '\n'; };
        if (!LoadCardSet(opts["cardset"], store, rules, hooks)) {
            std::cerr << "quillo-tool render-cards: " << opts["cardset"] << " is not a card set this program can read\n";
            return 1;
        }
    }
    BuildAllSheets(store);
    const std::string show = opts.count("show") ? opts["show"] : "all";
    if (show != "all" && show != "fans") throw UsageError("--show is all or fans");
    const PixelBuffer pic = show == "fans" ? RenderFans(store) : RenderStore(store, orientations);
    QImage img(pic.Width(), pic.Height(), QImage::Format_BGR888);
    for (int y = 0; y < pic.Height(); ++y)
        std::memcpy(img.scanLine(y), pic.Row(y), static_cast<size_t>(pic.Width()) * 3);
    if (scale > 1) img = img.scaled(img.width() * scale, img.height() * scale);
    QSaveFile file(QString::fromStdString(opts["out"]));
    if (!file.open(QIODevice::WriteOnly) || !img.save(&file, "PNG") || !file.commit()) {
        std::cerr << "quillo-tool render-cards: cannot write " << opts["out"] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quillo
