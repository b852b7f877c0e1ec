// The main window's commands that open the game chooser and the Customize
// dialog, and the statistics the chooser keeps.

#include <QMessageBox>
#include <algorithm>
#include <cmath>
#include <QPushButton>
#include <memory>

#include "choose_command.h"
#include "customize_dialog.h"
#include "field_widget.h"
#include "finish_form.h"
#include "games_dialog.h"
#include "main_window.h"
#include "statistics_dialog.h"
#include "storage/statistics.h"
#include "storage/streaks.h"

namespace quillo {

double CurrentTimeOfDay();

void F_Main::CreateGameChooser()
{
    ShowError = [this](const QString& text) { QMessageBox::critical(this, "Quillotaire", text); };
    AskYesNo = [this](const QString& text) {
        return QMessageBox::question(this, "Quillotaire", text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };

    GamesContext ctx;
    ctx.G = &Game_;
    ctx.CustomGamesPath = Files_.CustomGames;
    ctx.StatisticsPath = Files_.Statistics;
    ctx.Painter = FieldPreviewPainter(*Field_);
    ctx.Error = [this](const QString& text) { ShowError(text); };
    ctx.Ask = [this](const QString& text) { return AskYesNo(text); };
    ctx.HelpTopic = [this](const QString& topic) { OpenHelpTopic(topic); };
    ctx.HelpContext = [this](int context) { OpenHelpTopic(QString::number(context)); };
    ctx.Deleted = [this] { StatisticsCounted(); };
    F_Games = new TF_Games(ctx, this);
    StartNotes_.insert(StartNotes_.end(), F_Games->StartNotes.begin(), F_Games->StartNotes.end());
    ReadStreaks();

    // The chooser's table counts the games played and won.
    OnGamePlayed = [this] {
        const TableState& t = Game_.T;
        // Should another game still be open, it was left.
        LeaveGame();
        CountPlayed(F_Games->SG_Table, t.CurrentGame, t.CurrentCustom);
        Open_ = OpenGame{t.CurrentGame, t.CurrentCustom, t.Rules.StartTime};
        StatisticsCounted();
    };
    // A win is counted at once; the win form then asks for a name when the
    // time is a new best, and the record is kept only after its OK.
    auto lastWin = std::make_shared<WinCount>();
    OnGameWon = [this, lastWin] {
        const TableState& t = Game_.T;
        *lastWin = quillo::CountWin(F_Games->SG_Table, t.CurrentGame, t.CurrentCustom, t.Rules);
        // The time of a win is the one the best time is judged by.
        if (lastWin->Row >= 0)
            CountOutcome(F_Games->SG_Table, t.CurrentGame, t.CurrentCustom, true, lastWin->ElapsedSeconds);
        Open_.reset();
        F_Games->ShowStatistics(lastWin->Row);
        // Written before the win form waits for the player.
        StatisticsCounted();
        SaveChanged();
    };
    ShowWinForm = [this, lastWin] {
        TF_Finish form(this, I_Field, lastWin->NewRecord, PlayerName);
        if (form.exec() != QDialog::Accepted || !lastWin->NewRecord) return;
        StoreRecord(F_Games->SG_Table, *lastWin, PlayerName.toStdString());
        F_Games->ShowStatistics(lastWin->Row);
        StatisticsCounted();
    };
}

void F_Main::ReadStreaks()
{
    const std::string& path = Files_.Streaks;
    const StreaksRead read = LoadStreaks(path, F_Games->SG_Table);
    std::string note;
    if (read.Source == StreaksSource::IoError)
        note = "Could not read the streaks file " + path + ": " + read.Error + ".";
    else if (!read.SetAsideError.empty())
        note = "Could not copy the damaged streaks file " + path + " to " + path + ".bak: " + read.SetAsideError + ".";
    else if (read.SetAside)
        note = "The streaks file " + path + " is damaged; a copy is kept in " + path + ".bak.";
    if (!note.empty()) StartNotes_.push_back(QString::fromStdString(note));
}

void F_Main::LeaveGame()
{
    if (!Open_ || !F_Games) return;
    // The clock's time when the game was left, as the clock showed it.
    double elapsed = CurrentTimeOfDay() - Open_->StartTime;
    if (elapsed < 0) elapsed += 1.0;  // the clock passed midnight
    const int seconds = static_cast<int>(std::lround(std::clamp(elapsed * 86400.0, 0.0, 86399.0)));
    CountOutcome(F_Games->SG_Table, Open_->Game, Open_->Key, false, seconds);
    Open_.reset();
    StatisticsCounted();
}

void F_Main::WriteStatistics()
{
    if (!F_Games) return;
    // First: the statistics write forgets the games deleted since.
    const IoResult streaks = SaveStreaks(Files_.Streaks, F_Games->SG_Table);
    if (!streaks.Ok()) ShowWriteError("streaks file", Files_.Streaks, streaks.Error);
    const IoResult done = SaveStatistics(Files_.Statistics, F_Games->SG_Table);
    if (!done.Ok()) {
        ShowWriteError("statistics file", Files_.Statistics, done.Error);
        return;
    }
    if (streaks.Ok()) StatisticsDirty_ = false;
}

void F_Main::MI_GameChooseClick()
{
    if (Celebrating()) return;
    const bool dealShown = DealButtonVisible();
    if (F_Games->exec() != QDialog::Accepted) {
        SetDealButtonVisible(dealShown);
        return;
    }
    const TF_Games& chooser = *F_Games;
    std::string refused;
    const bool played = PlayChosenGame(Game_, Files_.CustomGames, F_Games->RecentGames, chooser.ChosenGame,
                                       chooser.ChosenCustom, &refused);
    if (played && MI_OptionsWinnableOnly->isChecked()) DealWinnable();
    if (!played) {
        SetDealButtonVisible(dealShown);
        if (!refused.empty()) {
            ShowError(QString::fromStdString(refused));
            return;
        }
        const int row = chooser.SG_Table.Find(chooser.ChosenGame, chooser.ChosenCustom);
        const QString name = row >= 0 ? QString::fromStdString(chooser.SG_Table.Rows()[static_cast<size_t>(row)].Name)
                                      : QString("This game");
        ShowError(name + " cannot be played yet.");
    }
}

void F_Main::MI_GameStatisticsClick()
{
    if (Celebrating()) return;
    TF_Statistics dialog(F_Games->SG_Table, this);
    dialog.Ask = [this](const QString& text) { return AskYesNo(text); };
    // A reset is stored as a count is.
    dialog.Written = [this] { WriteStatistics(); };
    if (ShowStatisticsWindow)
        ShowStatisticsWindow(dialog);
    else
        dialog.exec();
}

void F_Main::MI_GameCustomizeClick()
{
    if (Celebrating()) return;
    CustomizeContext ctx;
    ctx.G = &Game_;
    ctx.Rows = &F_Games->SG_Table;
    ctx.HighestCustomKey = &F_Games->HighestCustomKey;
    ctx.CustomGamesPath = Files_.CustomGames;
    ctx.Error = [this](const QString& text) { ShowError(text); };
    ctx.Ask = [this](const QString& text) { return AskYesNo(text); };
    ctx.Help = [this](int context) { OpenHelpTopic(QString::number(context)); };
    TF_Customize dialog(ctx, this);
    dialog.exec();
}

}  // namespace quillo
