// Start-up and the commands of the main window's menu and tool bar.

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <QFileInfo>

#include "about_dialog.h"
#include "autosave.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "presentation/card_art.h"
#include "presentation/card_set_reader.h"
#include "engine/deal.h"
#include "engine/labels.h"
#include "engine/random.h"
#include "engine/setup.h"
#include "field_widget.h"
#include "loading_dialog.h"
#include "main_window.h"
#include "thumbnails.h"
#include "shuffle_dialog.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"
#include "window_placement.h"

namespace quillo {

namespace {

void CloseAtOnce(QDialog* d)
{
    QTimer::singleShot(0, d, [d] { d->done(QDialog::Accepted); });
}

}  // namespace

void F_Main::StartUp(bool closeDialogsAtOnce)
{
    ResizeArmed = false;
    Game_.T.LayoutReady = false;
    ReadSettingsFile();

    const QRect avail = screen()->availableGeometry();
    const WorkArea work{avail.x(), avail.y(), avail.width(), avail.height()};
    const WindowPlacement place = StoredPlacement_ ? PlaceStoredWindow(work, *StoredPlacement_) : PlaceFirstWindow(work);
    move(place.Left, place.Top);
    resize(place.Width, place.Height);

    const QTime utc = QDateTime::currentDateTimeUtc().time();
    Game_.T.RandSeed = SeedFromTimeOfDay(utc.hour(), utc.minute(), utc.second(), utc.msec());

    FitFieldToWindow();

    F_About->setWindowTitle("Welcome");
    if (closeDialogsAtOnce) CloseAtOnce(F_About);
    F_About->exec();

    if (!LoadCards()) {
        // A damaged set must not leave a blank table: the first set of the
        // program directory that loads takes its place.
        const std::string bad = PickedDeck;
        bool loaded = false;
        for (const PickerEntry& e : ListPickerEntries(Files_.DataDir, Files_.PlayerDir, PickerMode::Deck)) {
            if (e.Path == bad) continue;
            PickedDeck = e.Path;
            if ((loaded = LoadCards())) break;
        }
        if (loaded) {
            ShowError(QString::fromStdString("The card set " + bad + " could not be read; the cards of " + PickedDeck +
                                             " are used instead."));
        } else {
            PickedDeck = bad;
            ShowError(QString("The cards could not be loaded from %1.").arg(QString::fromStdString(bad)));
        }
    }

    PaintBackgrounds();

    Game_.UndoEnabled = true;
    MI_GameUndo->setEnabled(true);
    show();
    // Another screen may have another pixel density.
    if (!ScreenWatched_ && windowHandle() != nullptr) {
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { RescaleField(); });
        ScreenWatched_ = true;
    }
    for (const QString& note : StartNotes_) ShowError(note);
    StartNotes_.clear();

    // The settings name a listed game; a custom one gone from its file is
    // played as its base game, one whose record is refused gives way to the
    // default game.
    std::string refused;
    QString instead;
    if (!SetUpCustomGame(Game_, Files_.CustomGames, Game_.T.CurrentGame, Game_.T.CurrentCustom, &refused)) {
        const bool wasRefused = !refused.empty();
        Game_.T.CurrentGame = wasRefused ? Settings().CurrentGame : DefaultGame();
        Game_.T.CurrentCustom = -1;
        SetupGame(Game_, SetupForm::Full);
        if (wasRefused) instead = QString::fromStdString(Game_.T.GameName + " is dealt instead.");
    }
    // The game left at the last exit comes back; a fresh deal otherwise.
    const AutosaveResume resumed = ResumeAutosave(Game_, Files_.Autosave);
    if (resumed.Outcome != ResumeOutcome::Resumed) NewDeal(Game_, DealKind::New);
    if (resumed.Outcome == ResumeOutcome::Resumed) FitLoadedTable();
    // A resumed game already counted as played goes on: its streak and its
    // time are settled when it is won or left, as if never interrupted.
    if (resumed.Outcome == ResumeOutcome::Resumed && !Game_.T.PlayedPending)
        Open_ = OpenGame{Game_.T.CurrentGame, Game_.T.CurrentCustom, Game_.T.Rules.StartTime};
    RefitCards();
    Autosave_->Arm();
    Autosave_->Schedule();
    // A record set aside is named there; any other refusal here.
    if (!ReportSetAsideCustomGames(instead) && !refused.empty())
        ShowError(QString::fromStdString(refused) + "\n\n" + instead);
    if (!resumed.Note.empty()) ShowMessage("Quillotaire", QString::fromStdString(resumed.Note));

    ResizeArmed = true;
    SavedGamesDir = QString::fromStdString(Files_.PlayerDir);
}

bool F_Main::ReportSetAsideCustomGames(const QString& instead)
{
    const CustomGamesRead read = ReadCustomGames(Files_.CustomGames);
    if (read.SetAside.empty()) return false;
    QStringList lines;
    for (const SetAsideRecord& rec : read.SetAside)
        lines << QString::fromStdString(SetAsideMessage(Files_.CustomGames, rec));
    lines << "Such a game is not offered; its record stays in the file.";
    if (!instead.isEmpty()) lines << instead;
    ShowError(lines.join("\n\n"));
    return true;
}

bool F_Main::Celebrating() const
{
    return T_Finish.isActive();
}

void F_Main::MI_GameNewClick()
{
    if (Celebrating()) return;
    DealNext();
}

void F_Main::DealNext()
{
    if (MI_OptionsWinnableOnly->isChecked())
        DealWinnable();
    else
        NewDeal(Game_, DealKind::New);
}

void F_Main::MI_GameRestartClick()
{
    if (Celebrating()) return;
    NewDeal(Game_, DealKind::Restart);
}

void F_Main::MI_GameShuffleClick()
{
    if (Celebrating()) return;
    TF_Shuffle dialog(Game_.T.Rules.GameNumber, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Game_.T.Rules.GameNumber = dialog.Number();
    NewDeal(Game_, DealKind::Restart);
}

void F_Main::MI_GameExitClick()
{
    ResizeArmed = false;
    close();
}

void F_Main::MI_HelpContentsClick()
{
    OpenHelpTopic("Contents");
}

void F_Main::MI_HelpRulesClick()
{
    OpenHelpTopic(QString::fromStdString(Game_.T.HelpTopic));
}

void F_Main::MI_HelpShortRulesClick()
{
    QString topic = QString::fromStdString(Game_.T.HelpTopic);
    if (!topic.isEmpty()) topic[0] = 'B';
    OpenHelpTopic(topic);
}

void F_Main::MI_HelpAboutClick()
{
    F_About->setWindowTitle("About");
    F_About->exec();
}

void F_Main::NotAvailableYet(const QString& command)
{
    ShowMessage("Quillotaire", QString("\"%1\" is not available yet.").arg(command));
}

double CurrentTimeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

void F_Main::Timer1Timer()
{
    GameRules& r = Game_.T.Rules;
    r.NowTime = CurrentTimeOfDay();
    double elapsed = r.NowTime - r.StartTime;
    // A game played across midnight keeps counting.
    if (elapsed < 0) elapsed += 1.0;
    L_Time->setText(QString::fromStdString("Time: " + ElapsedText(elapsed)));
}

void F_Main::StartClock()
{
    // A fresh deal or a loaded game: nothing of it was played by Solve yet.
    SolvedByProgram_ = false;
    Timer1.start();
}

void F_Main::StopClock()
{
    Timer1.stop();
}

void F_Main::SetDealButtonVisible(bool visible)
{
    // Games that do not place the button get it at the bottom left.
    if (!visible) DealButtonPlaced_ = false;
    if (visible && !DealButtonPlaced_) B_Deal->move(8, I_Field->height() - B_Deal->sizeHint().height() - 8);
    B_Deal->setVisible(visible);
}

bool F_Main::DealButtonVisible() const
{
    return !B_Deal->isHidden();
}

void F_Main::MoveDealButton(int x, int y)
{
    DealButtonPlaced_ = true;
    B_Deal->move(I_Field->ToWidget(x), I_Field->ToWidget(y));
}

void F_Main::PlaySound(const char* fileName)
{
    if (Game_.T.Opt.Sound) Sound_.Play(fileName);
}

}  // namespace quillo

namespace quillo {



}  // namespace quillo

namespace quillo {

bool F_Main::LoadCards()
{
    // The default deck, or the plain one when it is missing.
    if (PickedDeck.empty()) PickedDeck = Files_.CardSetPath.empty() ? Files_.DataDir + "wheels.cr3" : Files_.CardSetPath;
    if (UsesFittedCards()) {
        ApplyFieldScale();
        return DrawFittedCards();
    }
    FittedDrawn_ = false;
    if (!QFileInfo::exists(QString::fromStdString(PickedDeck))) PickedDeck = Files_.DataDir + "standard.cr3";
    F_Loading->SetLoader([this](const std::function<void()>& stage) {
        CardSetHooks hooks;
        hooks.ProgramDir = Files_.DataDir;
        hooks.Advance = stage;
        hooks.Message = [this](const std::string& text) { ShowError(QString::fromStdString(text)); };
        hooks.EnableBack = [this](bool on) { EnableBack(on); };
        return LoadCardSet(PickedDeck, Cards_, Game_.T.Rules, hooks);
    });
    const bool loaded = F_Loading->exec() == QDialog::Accepted;
    if (loaded) {
        AttachCardArt();
        ApplyFieldScale();
    }
    return loaded;
}

void F_Main::AttachCardArt()
{
    Field_->Art = ArtOf(Cards_);
}

}  // namespace quillo
