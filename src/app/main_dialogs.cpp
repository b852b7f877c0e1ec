// The main window's commands that open the game chooser and the Customize
// dialog, and the statistics the chooser keeps.

#include <QMessageBox>
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

namespace quillo {

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

    // The chooser's table counts the games played and won.
    OnGamePlayed = [this] {
        const TableState& t = Game_.T;
        CountPlayed(F_Games->SG_Table, t.CurrentGame, t.CurrentCustom);
        StatisticsCounted();
    };
    // A win is counted at once; the win form then asks for a name when the
    // time is a new best, and the record is kept only after its OK.
    auto lastWin = std::make_shared<WinCount>();
    OnGameWon = [this, lastWin] {
        const TableState& t = Game_.T;
        *lastWin = quillo::CountWin(F_Games->SG_Table, t.CurrentGame, t.CurrentCustom, t.Rules);
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

void F_Main::WriteStatistics()
{
    if (!F_Games) return;
    const IoResult done = SaveStatistics(Files_.Statistics, F_Games->SG_Table);
    if (!done.Ok()) {
        ShowWriteError("statistics file", Files_.Statistics, done.Error);
        return;
    }
    StatisticsDirty_ = false;
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
    if (!PlayChosenGame(Game_, Files_.CustomGames, F_Games->RecentGames, chooser.ChosenGame, chooser.ChosenCustom,
                        &refused)) {
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
