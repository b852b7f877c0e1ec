#include "play_session.h"

#include <sstream>
#include <stdexcept>

#include "args.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game_table.h"
#include "engine/keyboard_cursor.h"
#include "engine/labels.h"
#include "engine/legality.h"
#include "engine/moves.h"
#include "engine/pile_cards.h"
#include "engine/pointer.h"
#include "engine/setup.h"
#include "json_writer.h"
#include "storage/saved_game.h"
#include "table_json.h"

namespace quillo {

namespace {

// A command that cannot run: reported, and nothing changes.
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int NumberArg(const std::vector<std::string>& words, int64_t min, int64_t max, const char* what)
{
    if (words.size() != 2) throw CommandError(words[0] + " needs one argument");
    try {
        return static_cast<int>(ParseInteger(words[1], min, max, what));
    } catch (const UsageError& e) {
        throw CommandError(e.what());
    }
}

bool OnOff(const std::string& word)
{
    if (word == "on") return true;
    if (word == "off") return false;
    throw CommandError("expected on or off, got '" + word + "'");
}

}  // namespace

PlaySession::PlaySession(int game, uint32_t number) : Game_(View_)
{
    Game_.T.CurrentGame = game;
    SetupGame(Game_, SetupForm::Full);
    Game_.T.Rules.GameNumber = number;
    NewDeal(Game_, DealKind::Restart);
    View_.Events.clear();
}

PlaySession::PlaySession(const SavedGame& saved) : Game_(View_)
{
    Loaded_ = ApplySavedGame(Game_, saved);
    View_.Events.clear();
}

void PlaySession::PressPoint(const TableState& t, int card, int& x, int& y)
{
    const Offset at = quillo::PressPoint(t, card);
    x = at.X;
    y = at.Y;
}

std::vector<std::string> PlaySession::Run(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.empty() || words[0][0] == '#') return {};
    View_.Events.clear();
    TableState& t = Game_.T;
    std::vector<std::string> out;
    try {
        const std::string& cmd = words[0];
        auto noArgs = [&] {
            if (words.size() != 1) throw CommandError(cmd + " takes no argument");
        };
        auto notDragging = [&] {
            if (t.Dragging) throw CommandError("a group is being dragged: drop it first");
        };
        if (cmd == "left" || cmd == "right") {
            const int card = NumberArg(words, 0, t.Rules.TotalCards - 1, "CARD");
            notDragging();
            if (!t.CardAt(card).InPlay) throw CommandError("card " + words[1] + " is not on the table");
            Press p;
            p.Btn = cmd == "left" ? Button::Left : Button::Right;
            p.Card = card;
            p.Pile = t.CardAt(card).PileIndex;
            PressPoint(t, card, p.X, p.Y);
            FieldPress(Game_, p);
        } else if (cmd == "left-pile") {
            const int pile = NumberArg(words, 0, t.Rules.PileCount - 1, "PILE");
            notDragging();
            if (t.PileAt(pile).Count != 0 && !t.Rules.IsStock(pile))
                throw CommandError("pile " + words[1] + " is not empty: press one of its cards");
            Press p;
            p.Card = -1;
            p.Pile = pile;
            const Pile& pl = t.PileAt(pile);
            p.X = pl.X + CardWidthIn(t, pl.Orientation) / 2;
            p.Y = pl.Y + CardHeightIn(t, pl.Orientation) / 2;
            FieldPress(Game_, p);
        } else if (cmd == "drop") {
            const int pile = NumberArg(words, -1, t.Rules.PileCount - 1, "PILE");
            if (!t.Dragging) throw CommandError("nothing is being dragged");
            if (pile != -1) SnapGroupTo(Game_, pile);
            FieldRelease(Game_);
        } else if (cmd == "deal") {
            noArgs();
            notDragging();
            if (t.Rules.TableRedeals == RedealsNone) throw CommandError("this game has no Deal button");
            DealButton(Game_);
        } else if (cmd == "undo") {
            noArgs();
            notDragging();
            UndoMove(Game_);
        } else if (cmd == "redo") {
            noArgs();
            notDragging();
            RedoMove(Game_);
        } else if (cmd == "new" || cmd == "restart") {
            noArgs();
            notDragging();
            NewDeal(Game_, cmd == "new" ? DealKind::New : DealKind::Restart);
        } else if (cmd == "option") {
            if (words.size() != 3) throw CommandError("option needs a name and on or off");
            const bool on = OnOff(words[2]);
            if (words[1] == "sound")
                t.Opt.Sound = on;
            else if (words[1] == "animation")
                t.Opt.Animation = on;
            else if (words[1] == "autoplay")
                t.Opt.Autoplay = on;
            else
                throw CommandError("unknown option '" + words[1] + "'");
        } else if (cmd == "state") {
            noArgs();
            out.push_back(StateJson());
        } else {
            throw CommandError("unknown command '" + cmd + "'");
        }
    } catch (const CommandError& e) {
        JsonWriter j;
        j.BeginObject();
        j.Key("error").Str(e.what());
        j.EndObject();
        return {j.Text()};
    }
    out.push_back(EventsJson());
    return out;
}

std::string PlaySession::EventsJson() const
{
    JsonWriter j;
    j.BeginObject();
    j.Key("events");
    j.BeginArray();
    for (const auto& e : View_.Events) j.Str(e);
    j.EndArray();
    j.EndObject();
    return j.Text();
}

std::string PlaySession::StateJson() const
{
    const TableState& t = Game_.T;
    JsonWriter j;
    j.BeginObject();
    WriteTableMembers(j, t, {View_.Caption, View_.Label(StatusLabel::StartRank)});
    j.Key("UndoCount").Int(Game_.Undo.Count());
    j.Key("RedoCount").Int(Game_.Undo.RedoCount());
    j.Key("UndoEnabled").Bool(Game_.UndoEnabled);
    j.Key("GameWon").Bool(Game_.GameWon);
    j.Key("MarkedCard").Int(t.MarkedCard);
    j.Key("Labels");
    j.BeginObject();
    auto label = [&](const char* name, const std::optional<std::string>& text) {
        j.Key(name);
        if (text)
            j.Str(*text);
        else
            j.Null();
    };
    label("StockAndWaste", StockWasteLabelText(t));
    label("RedealsLeft", RedealsLeftLabelText(t));
    label("StartRank", StartRankLabelText(t));
    j.EndObject();
    j.EndObject();
    return j.Text();
}

}  // namespace quillo
