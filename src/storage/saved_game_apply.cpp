// Puts a saved game onto the live game. Kept apart from the file format: this
// is the one place a saved game touches the engine and the view.

#include "engine/game_table.h"
#include "engine/labels.h"
#include "engine/setup.h"
#include "saved_game.h"
#include "table_check.h"

namespace quillo {

bool ApplySavedGame(Game& g, const SavedGame& s)
{
    if (s.CurrentGame < 0 || s.CurrentGame >= CatalogueSize || !IsPlayable(s.CurrentGame)) return false;
    if (CheckRulesOfGame(s.CurrentGame, s.Rules)) return false;
    TableState& t = g.T;
    TableView& v = g.View();
    // Card sizes and the number of backs belong to this run's card set and
    // window, not to the file; a back the set lacks is not drawn.
    const CardSizeTable liveSizes = t.Rules.CardSizes;
    const int32_t liveBackCount = t.Rules.BackCount;
    const int32_t liveBack = t.Rules.BackIndex;

    t.CurrentGame = s.CurrentGame;
    t.CurrentCustom = s.CurrentCustom;
    SetupGame(g, SetupForm::Full);

    t.Rules = s.Rules;
    t.Rules.CardSizes = liveSizes;
    t.Rules.BackCount = liveBackCount;
    if (t.Rules.BackIndex < 0 || t.Rules.BackIndex >= liveBackCount) t.Rules.BackIndex = liveBack;
    t.ChosenRules = s.ChosenRules;
    t.GameName = s.GameName;
    t.HelpTopic = s.HelpTopic;
    t.Cards = s.Cards;
    for (Card& c : t.Cards) c.Moving = false;  // a loaded position is at rest
    t.Piles = s.Piles;

    g.UndoEnabled = s.UndoEnabled;
    v.SetUndoEnabled(s.UndoEnabled);
    g.Undo.Assign(s.Undo);
    g.RedoEnabled = false;
    v.SetRedoEnabled(false);
    g.RecordUndo = true;

    v.SetCaption(s.Caption);
    // An empty label text leaves the label's visibility as it was.
    v.SetLabel(StatusLabel::StartRank, s.FoundValLabel);

    v.RedrawField();
    t.ActiveCard = t.MarkedCard = t.DropPile = -1;
    t.PickedCount = 0;
    t.Dragging = false;

    double elapsed = s.Rules.NowTime - s.Rules.StartTime;
    if (elapsed < 0) elapsed += 1.0;  // the clock passed midnight
    t.Rules.NowTime = v.TimeOfDay();
    t.Rules.StartTime = t.Rules.NowTime - elapsed;
    v.SetLabel(StatusLabel::Time, "Time: " + ElapsedText(elapsed));
    v.StartClock();

    UpdateStockLabels(g);
    return true;
}

SavedGameRead LoadSavedGame(Game& g, const std::string& path)
{
    SavedGameRead read = ReadSavedGame(path);
    if (!read.Ok()) return read;
    const int game = read.Game.CurrentGame;
    if (auto bad = CheckRulesOfGame(game, read.Game.Rules)) {
        read.Outcome = SavedGameOutcome::Damaged;
        read.Message = "The saved game " + path + " does not fit " + GameNameOf(game) + " (" + *bad +
                       "); it was not loaded.";
        return read;
    }
    if (!ApplySavedGame(g, read.Game)) {
        read.Outcome = SavedGameOutcome::Damaged;
        read.Message = "The saved game is of a game this program cannot set up.";
    }
    return read;
}

}  // namespace quillo
