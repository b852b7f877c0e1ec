#pragma once
// The main window: menu, tool bar with status panels, and the playing field.
// It owns the one game of the run and shows it through QtTableView.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/game.h"
#include "engine/keyboard_cursor.h"
#include "engine/hint.h"
#include "file_names.h"
#include "presentation/card_store.h"
#include "presentation/celebration.h"
#include "presentation/field.h"
#include "presentation/table_effects.h"
#include "qt_table_view.h"
#include "sound_player.h"
#include "storage/settings_file.h"
#include "window_placement.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QMenu;
class QToolBar;

namespace quillo {

class Autosave;
class FieldWidget;
class HelpEngine;
class HelpWindow;
class HintOverlay;
class WinnableWatch;
class TF_About;
class TF_Games;
class TF_Loading;
class TF_Statistics;

// The picker's picture of the drawn set.
bool FittedSetPreview(PixelBuffer& picture);

class F_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit F_Main(const QString& programDir, QWidget* parent = nullptr);
    ~F_Main() override;

    Game& CurrentGame() { return Game_; }
    const FILE_NAMES& FileNames() const { return Files_; }

    // Start-up after the window exists: placement, seed, welcome and loading
    // boxes, first setup and deal. closeDialogsAtOnce skips waiting for the
    // player (used by measurements and tests).
    void StartUp(bool closeDialogsAtOnce = false);

    // quillo.set: read and applied at start-up, written when changed and at
    // shutdown.
    void ReadSettingsFile();
    void WriteSettingsFile();
    // Writes the statistics and the settings now, each only when it changed
    // since its last write. Quiet: no message boxes (the display may be gone).
    void SaveChanged(bool quiet = false);
    // Asks for SaveChanged as soon as the current event is done: a burst of
    // changes makes one write.
    void ScheduleSave();
    // Marks the statistics as counted since their last write and schedules it.
    void StatisticsCounted();
    // The end of the run (close, a signal, the session's end): everything is
    // written once; later calls do nothing.
    void Shutdown();
    void ApplySettings(const Settings& s);
    Settings CurrentSettings() const;

    // Saved games. The file dialogs are replaced by tests; they return an
    // empty name on Cancel.
    void MI_GameSaveClick();
    void MI_GameLoadClick();
    std::function<QString(const QString& proposedName)> AskSaveName;
    std::function<QString()> AskOpenName;
    // Where the save and open dialogs start.
    QString SavedGamesDir;

    // Commands.
    void MI_GameChooseClick();
    void MI_GameCustomizeClick();
    // Game > Statistics; the window is shown by ShowStatisticsWindow in tests.
    void MI_GameStatisticsClick();
    std::function<void(TF_Statistics&)> ShowStatisticsWindow;
    void MI_OptionsBkgColorClick();
    void MI_OptionsBackClick();
    void MI_OptionsBkgTextureClick();
    void MI_OptionsDeckClick();
    // Shows the deck or texture picker; replaced by tests. Returns whether it ended with OK.
    std::function<bool(class TF_BkgPics&)> ShowPicker;
    // The Back command and its button: on when the card set has two backs or more.
    void EnableBack(bool on);
    // The colour dialog; replaced by tests. Returns an invalid colour on Cancel.
    std::function<QColor(const QColor&)> PickColour;
    // Shows the back picker; replaced by tests. Returns whether it ended with OK.
    std::function<bool(class TF_Shirts&)> ShowShirts;
    void MI_GameNewClick();
    void MI_GameRestartClick();
    void MI_GameShuffleClick();
    void MI_GameUndoClick();
    void MI_GameRedoClick();
    void MI_OptionsFullScreenClick(bool on);
    void MI_GameExitClick();
    void MI_HelpContentsClick();
    void MI_HelpRulesClick();
    void MI_HelpShortRulesClick();
    void MI_HelpAboutClick();
    void B_DealClick();
    void Timer1Timer();
    void I_FieldMouseDown(bool left, int x, int y);
    void I_FieldMouseMove(int x, int y);
    void I_FieldMouseUp(bool left);
    // Draws one frame of the carried group, by mouse or by keys.
    void FrameDrag();
    // Outlines the pile the carried group would land on if let go now.
    void ShowDropTarget();
    QRect DropTargetBox() const;
    // Keyboard play on the table; returns whether the key was used.
    bool I_FieldKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The keyboard cursor: where it stands, and whether it is shown (from
    // the first key until the next mouse press).
    const KeyPlay& Keys() const { return Keys_; }
    bool KeyCursorShown() const { return KeyCursorShown_; }
    // Gives the table the keyboard focus again once no dialog is open.
    void FocusTable();
    void NotAvailableYet(const QString& command);
    // Opens the help viewer at a topic, a numbered context ("230") or the
    // contents ("Contents"), above the dialog that asked for it.
    void OpenHelpTopic(const QString& topic);
    HelpWindow* HelpViewer() const;

    // Window sizing.
    void FitFieldToWindow();
    void FormResize();
    // A game saved in a window of another size, or on a screen of another
    // density, is laid out again for this window.
    void FitLoadedTable();
    int ClientWidth() const;
    int ClientHeight() const;
    int ToolBarHeight() const;
    void FitWindow(const WindowFit& fit);
    void ResizeField(int width, int height);

    // Status labels, caption, clock, deal button.
    void SetStatusLabel(StatusLabel which, const std::optional<std::string>& text);
    QString LabelText(StatusLabel which) const;
    bool LabelVisible(StatusLabel which) const;
    void StartClock();
    void StopClock();
    void SetDealButtonVisible(bool visible);
    void MoveDealButton(int x, int y);
    bool DealButtonVisible() const;
    void PlaySound(const char* fileName);
    void RedrawField();
    void SetUndoEnabled(bool enabled);
    void SetRedoEnabled(bool enabled);

    // Loads PickedDeck through the loading window; true when it was accepted.
    // The drawn set is drawn instead, at the size that fits the field.
    bool LoadCards();
    bool UsesFittedCards() const;
    bool DrawFittedCards();
    // Field pixels per window pixel for the cards in use, and the field
    // fitted to it anew when it changed; true when it did.
    qreal WantedFieldScale() const;
    bool ApplyFieldScale();
    // A change of screen or density: the table laid out again at the new scale.
    void RescaleField();
    // The drawn set is drawn again for the field and the game in play, and
    // the table laid out anew, when the fitted size changed.
    void RefitCards();
    void ScheduleRefit(int milliseconds);
    static constexpr int RefitDelayMs = 150;
    QTimer T_Refit;
    std::string PickedDeck;

    // The game in progress on disk: saved after every action and deal,
    // resumed at start-up.
    Autosave& GameAutosave() { return *Autosave_; }
    void ScheduleAutosave();

    // Whether the win celebration runs (commands then do nothing).
    bool Celebrating() const;
    // Start-up: tells the player which custom games do not fit their game,
    // and what is dealt instead; false when there are none.
    bool ReportSetAsideCustomGames(const QString& instead);

    // The table's pictures and effects (QtTableView's side).
    Field& TableField() { return *Field_; }
    void ShowMove(const MoveShow& move);
    void DragStarted();
    void PickedGroupChanged();
    void StartCelebration();
    void FinishCelebration();
    void T_FinishTimer();
    // Counts the win and shows the win form.
    void CountWin();

    // The deal in play gives way (not at exit: the autosave resumes it): a
    // game counted as played and not won ends the game's winning streak,
    // and its time is added.
    void LeaveGame();

    // Hooks for the statistics: a deal counted as played, and a win.
    std::function<void()> OnGamePlayed;
    std::function<void()> OnGameWon;
    // Shows the win form; replaced by tests.
    std::function<void()> ShowWinForm;
    QString PlayerName;

    // Replaces message boxes (tests): receives title and text.
    std::function<void(const QString&, const QString&)> ShowMessage;
    // Refusals (error icon) and questions (Yes/No) titled "Quillotaire"; replaced by tests.
    std::function<void(const QString&)> ShowError;
    std::function<bool(const QString&)> AskYesNo;

    bool ResizeArmed = false;

    QAction* MI_GameChoose = nullptr;
    QAction* MI_GameNew = nullptr;
    QAction* MI_GameRestart = nullptr;
    QAction* MI_GameShuffle = nullptr;
    QAction* MI_GameUndo = nullptr;
    QAction* MI_GameRedo = nullptr;
    QAction* MI_GameSave = nullptr;
    QAction* MI_GameLoad = nullptr;
    QAction* MI_GameCustomize = nullptr;
    QAction* MI_GameStatistics = nullptr;
    QAction* MI_GameExit = nullptr;
    QAction* MI_OptionsBkgColor = nullptr;
    QAction* MI_OptionsBkgTexture = nullptr;
    QAction* MI_OptionsDeck = nullptr;
    QAction* MI_OptionsBack = nullptr;
    QAction* MI_OptionsSound = nullptr;
    QAction* MI_OptionsAnimation = nullptr;
    QAction* MI_OptionsAutoplay = nullptr;
    QAction* MI_OptionsFullScreen = nullptr;
    QAction* MI_HelpContents = nullptr;
    QAction* MI_HelpRules = nullptr;
    QAction* MI_HelpShortRules = nullptr;
    QAction* MI_HelpAbout = nullptr;

    QToolBar* TB_Bar = nullptr;
    QLabel* L_FoundVal = nullptr;
    QLabel* L_RedealsLeft = nullptr;
    QLabel* L_StockCardNum = nullptr;
    QLabel* L_Time = nullptr;
    QScrollArea* SB_Field = nullptr;
    FieldWidget* I_Field = nullptr;
    QPushButton* B_Deal = nullptr;
    QTimer Timer1;
    QTimer T_Finish;

    TF_About* F_About = nullptr;
    TF_Loading* F_Loading = nullptr;
    // The game chooser, which also holds the statistics of every listed game.
    TF_Games* F_Games = nullptr;

    // The solver's commands and the winnable indicator (main_solver.cpp).
    void MI_GameHintClick();
    void MI_GameSolveClick();
    void SolveTick();
    void StopSolving();
    bool Solving() const { return T_Solve.isActive(); }
    // Restarts the indicator when the table changed since it last looked.
    void WatchPosition();
    // Deals from new numbers until the solver wins one (or gives up).
    void DealWinnable();
    // A new deal of the current game, winnable when the player asked for that.
    void DealNext();
    // A passing message in the solver panel; the indicator returns after it.
    void ShowSolverMessage(const QString& text);
    QAction* MI_GameHint = nullptr;
    QAction* MI_GameSolve = nullptr;
    QAction* MI_OptionsWinnableOnly = nullptr;
    QLabel* L_Solver = nullptr;
    HintOverlay* Hint = nullptr;
    WinnableWatch* Watch = nullptr;
    HintChoice LastHint;
    SolverBudget HintBudget{100'000, 280, nullptr};
    SolverBudget SolveBudget{1'000'000, 3000, nullptr};
    int WinnableDealTries = 20;
    int WinnableDealMs = 3000;
    QTimer T_Solve;
    QTimer T_Watch;
    QTimer T_Message;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateMenu();
    void CreateToolBar();
    void CreateGameChooser();
    void WriteStatistics();
    void ReadStreaks();
    QLabel* StatusPanel(const char* panelName, const char* labelName, int width, const char* widestText);
    QLabel* Label(StatusLabel which) const;
    void ShowWriteError(const std::string& what, const std::string& path, const std::string& error);
    void PaintBackgrounds();
    void RelayoutCards();
    // The same deal laid out again for a new field or card size: the
    // backgrounds, the piles, the caption and every card.
    void RelayoutTable();
    void SetUpKeyboard();
    QRect KeyCursorBox();

    FILE_NAMES Files_;
    QtTableView View_;
    Game Game_;
    SoundPlayer Sound_;
    bool ShutDown_ = false;
    QTimer SaveTimer_;
    bool StatisticsDirty_ = false;
    // The game counted as played and not yet won or left.
    struct OpenGame {
        int32_t Game = 0;
        int32_t Key = -1;
        double StartTime = 0.0;
    };
    std::optional<OpenGame> Open_;
    bool QuietSave_ = false;
    std::optional<Settings> WrittenSettings_;
    // Where the settings file left the window; none on a first run.
    std::optional<WindowPlacement> StoredPlacement_;
    std::string LastWriteError_;
    // Found while reading the files, told after the welcome box.
    std::vector<QString> StartNotes_;
    bool DealButtonPlaced_ = false;
    void AttachCardArt();
    CardImageStore Cards_;
    std::unique_ptr<Field> Field_;
    DragPainter Drag_;
    Celebration Celebration_;
    KeyPlay Keys_;
    bool KeyCursorShown_ = false;
    QRect DropBox_;
    bool FittedDrawn_ = false;
    bool ScreenWatched_ = false;
    std::unique_ptr<HelpEngine> Help_;
    QPointer<HelpWindow> HelpWindow_;
    void CreateSolverCommands(QMenu* game, QMenu* options);
    void AddHintButton();
    void PlaceSolverPanel();
    void ShowHint(const PlayerAction& a);
    void ShowVerdict();
    QString Verdict_;
    uint64_t WatchedHash_ = 0;
    std::vector<PlayerAction> SolveLine_;
    size_t SolveStep_ = 0;
    bool SolvedByProgram_ = false;  // Solve played this deal: its win is not counted
    QObject* SolveBreaker_ = nullptr;
    std::unique_ptr<Autosave> Autosave_;
};

}  // namespace quillo
