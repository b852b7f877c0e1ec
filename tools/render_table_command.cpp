// Draws a dealt table to a PNG, as the window would show it.

#include <QSaveFile>
#include <filesystem>
#include <iostream>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "gui_session.h"
#include "table_picture.h"

namespace quillo {

int RenderTableCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"game", "number", "out", "width", "height", "cardset", "shown-width", "cards"});
    if (!opts.count("game") || !opts.count("out")) throw UsageError("render-table needs --game N --out PNG");
    TablePictureRequest req;
    req.Game = static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game"));
    if (!IsPlayable(req.Game)) throw UsageError("game " + std::to_string(req.Game) + " has no layout yet");
    if (opts.count("number"))
        req.Number = static_cast<uint32_t>(ParseInteger(opts["number"], 0, UINT32_MAX, "--number"));
    if (opts.count("width")) req.FieldWidth = static_cast<int>(ParseInteger(opts["width"], 100, 8000, "--width"));
    if (opts.count("height")) req.FieldHeight = static_cast<int>(ParseInteger(opts["height"], 100, 8000, "--height"));
    if (opts.count("shown-width"))
        req.ShownWidth = static_cast<int>(ParseInteger(opts["shown-width"], 16, 8000, "--shown-width"));
    if (opts.count("cards")) {
        if (opts["cards"] != "fit") throw UsageError("--cards takes only fit");
        if (opts.count("cardset")) throw UsageError("--cards fit and --cardset exclude each other");
        req.FitCards = true;
    }
    // The shipped default set, beside the tool in the program directory.
    req.CardSet = opts.count("cardset")
                      ? opts["cardset"]
                      : (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "wheels.cr3").string();

    GuiSession gui;
    std::string why;
    const QImage image = DrawTablePicture(req, why);
    if (image.isNull()) {
        std::cerr << "quillo-tool render-table: " << why << '\n';
        return 1;
    }
    QSaveFile file(QString::fromStdString(opts["out"]));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::cerr << "quillo-tool render-table: cannot write " << opts["out"] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quillo
