#pragma once
// The main window started as the player starts it, headless over a program
// directory, with the drawn test art and no sound or animation. Its boxes
// are recorded and its questions answered; the played and won hooks still
// count the statistics.

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "app/autosave.h"
#include "app/dialog_support.h"
#include "app/games_dialog.h"
#include "app/main_window.h"
#include "engine/deal.h"
#include "engine/move_list.h"
#include "engine/setup.h"
#include "storage/statistics.h"
#include "storage/streaks.h"
#include "support/drawn_art.h"

namespace quillo::test {

struct RunningWindow {
    std::vector<QString> Errors;  // from the start on: no card set in the directory
    std::vector<QString> Messages;
    std::vector<QString> Questions;
    bool Answer = true;
    int Played = 0;
    int Wins = 0;
    std::unique_ptr<ProgramDir> OwnDir;
    std::unique_ptr<F_Main> W;
    std::optional<DrawnArt> Art;

    // Over a directory of its own, or one shared by several runs.
    RunningWindow() : OwnDir(std::make_unique<ProgramDir>()) { Start(OwnDir->Path()); }
    explicit RunningWindow(const ProgramDir& dir) { Start(dir.Path()); }

    TableState& T() { return W->CurrentGame().T; }
    Game& G() { return W->CurrentGame(); }
    // A built-in game's row as the chooser counts it.
    GameRow& Row(int game)
    {
        GameRowTable& t = W->F_Games->SG_Table;
        return t.Rows()[static_cast<size_t>(t.Find(game, -1))];
    }
    void Deal(int game, uint32_t number)
    {
        T().CurrentGame = game;
        SetupGame(G(), SetupForm::Full);
        T().Rules.GameNumber = number;
        NewDeal(G(), DealKind::Restart);
    }
    // Lets the pending save run and waits for the disk.
    void Settle()
    {
        QCoreApplication::processEvents();
        W->GameAutosave().Wait();
    }
    // Plays the first listed action each time, returning every position.
    std::vector<TableState> Play(int actions)
    {
        std::vector<TableState> seen{T()};
        for (int i = 0; i < actions; ++i) {
            std::vector<PlayerAction> list;
            ListActions(T(), list);
            if (list.empty()) break;
            PlayAction(G(), list.front());
            Settle();
            seen.push_back(T());
        }
        return seen;
    }

private:
    void Start(const QString& dir)
    {
        W = std::make_unique<F_Main>(dir);
        W->ShowError = [this](const QString& text) { Errors.push_back(text); };
        W->ShowMessage = [this](const QString& title, const QString& text) {
            EXPECT_EQ(title, "Quillotaire");
            Messages.push_back(text);
        };
        W->AskYesNo = [this](const QString& text) {
            Questions.push_back(text);
            return Answer;
        };
        W->OnGamePlayed = [this, count = W->OnGamePlayed] {
            ++Played;
            count();
        };
        W->OnGameWon = [this, count = W->OnGameWon] {
            ++Wins;
            count();
        };
        W->ShowWinForm = nullptr;
        W->StartUp(true);
        // The tests read cards by their solid test colours, so the set a new
        // player gets drawn to fit must not be redrawn over them on a resize.
        W->PickedDeck = (dir + "/wheels.cr3").toStdString();
        W->MI_OptionsSound->setChecked(false);
        W->MI_OptionsAnimation->setChecked(false);
        Art.emplace(T().Rules.CardSizes);
        Art->Attach(W->TableField());
        W->RedrawField();
    }
};

// A game's row as the statistics and streaks files of a directory hold it.
inline GameRow StoredRow(const ProgramDir& dir, int game)
{
    GameRowTable t = GameRowTable::WithCatalogue();
    LoadStatistics(dir.File(StatisticsFileName), t);
    LoadStreaks(dir.File(StreaksFileName), t);
    return t.Rows()[static_cast<size_t>(t.Find(game, -1))];
}

}  // namespace quillo::test
