#include <filesystem>
#include <iostream>

#include "args.h"
#include "commands.h"
#include "engine/card_fit.h"
#include "engine/card_sizes.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/setup.h"
#include "gui_session.h"
#include "presentation/card_set_reader.h"
#include "table_json.h"
#include "tool_view.h"

namespace quillo {

int DealCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"game", "number", "width", "height", "screen", "toolbar", "cardset", "cards"});
    if (!opts.count("game")) throw UsageError("deal needs --game N");
    if (!opts.count("number")) throw UsageError("deal needs --number X");
    const int game = static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game"));
    const auto number = static_cast<uint32_t>(ParseInteger(opts["number"], 0, UINT32_MAX, "--number"));
    if (!IsPlayable(game)) throw UsageError("game " + std::to_string(game) + " has no layout yet");

    ToolView view;
    if (opts.count("width")) view.FieldWidth = static_cast<int>(ParseInteger(opts["width"], 1, 100000, "--width"));
    if (opts.count("height"))
        view.FieldHeight = static_cast<int>(ParseInteger(opts["height"], 1, 100000, "--height"));
    if (opts.count("screen")) {
        auto [w, h] = ParseSize(opts["screen"], 1, 100000, "--screen");
        view.ScreenArea = {w, h};
    }
    if (opts.count("toolbar")) view.ToolBar = static_cast<int>(ParseInteger(opts["toolbar"], 0, 1000, "--toolbar"));

    const bool fit = opts.count("cards") != 0;
    if (fit && opts["cards"] != "fit") throw UsageError("--cards takes only fit");
    if (fit && opts.count("cardset")) throw UsageError("--cards fit and --cardset exclude each other");
    // Fitted cards fill the field as a maximized window shows it.
    view.Maximized = fit;

    Game g(view);
    CardFit chosen;
    if (fit) {
        g.T.CurrentGame = game;
        chosen = FitCards(g, view.FieldWidth, view.FieldHeight);
        g.T.Rules.CardSizes = MakeCardSizes(chosen.Width, chosen.Height);
    }
    if (opts.count("cardset")) {
        // Card sizes come from the set, as in the program; its frames file
        // is looked for beside it.
        GuiSession gui;
        CardImageStore store;
        CardSetHooks hooks;
        const std::string dir = std::filesystem::path(opts["cardset"]).parent_path().string();
        hooks.ProgramDir = dir.empty() ? "." : dir;
        hooks.RequireFrames = false;  // only the card sizes are needed
        if (!LoadCardSet(opts["cardset"], store, g.T.Rules, hooks))
            throw UsageError("--cardset: " + opts["cardset"] + " is not a card set this program can read");
    }
    g.T.CurrentGame = game;
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = number;
    NewDeal(g, DealKind::Restart);

    JsonWriter j;
    j.BeginObject();
    if (fit) {
        j.Key("CardFit");
        j.BeginObject();
        j.Key("Width");
        j.Int(chosen.Width);
        j.Key("Height");
        j.Int(chosen.Height);
        j.EndObject();
    }
    WriteTableMembers(j, g.T, {view.Caption, view.Label(StatusLabel::StartRank)});
    j.EndObject();
    std::cout << j.Text() << '\n';
    return 0;
}

}  // namespace quillo
