#include "main_window.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "about_dialog.h"
#include "app_icons.h"
#include "autosave.h"
#include "field_widget.h"
#include "help_engine.h"
#include "help_window.h"
#include "loading_dialog.h"
#include "token_pictures.h"
#include "finish_form.h"
#include "storage/saved_game.h"

namespace quillo {

F_Main::F_Main(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), Files_(PlayerFileNames(programDir.toStdString())), View_(*this), Game_(View_),
      Sound_(QString::fromStdString(Files_.DataDir))
{
    setObjectName("F_Main");
    setWindowIcon(QIcon(ProgramIcon(32)));
    ShowMessage = [this](const QString& title, const QString& text) { QMessageBox::information(this, title, text); };

    CreateMenu();
    CreateToolBar();

    SB_Field = new QScrollArea(this);
    SB_Field->setObjectName("SB_Field");
    SB_Field->setFrameShape(QFrame::NoFrame);
    SB_Field->setWidgetResizable(false);
    I_Field = new FieldWidget(SB_Field);
    I_Field->setObjectName("I_Field");
    SB_Field->setWidget(I_Field);
    Field_ = std::make_unique<Field>(*I_Field);
    Field_->I_FoundPics = FoundationTokens();
    Field_->I_StockPics = StockArrows();
    I_Field->SetField(Field_.get());
    I_Field->MouseDown = [this](bool left, int x, int y) { I_FieldMouseDown(left, x, y); };
    I_Field->MouseMove = [this](int x, int y) { I_FieldMouseMove(x, y); };
    I_Field->MouseUp = [this](bool left) { I_FieldMouseUp(left); };
    I_Field->DropBox = [this] { return DropTargetBox(); };
    T_Refit.setSingleShot(true);
    connect(&T_Refit, &QTimer::timeout, this, [this] { RefitCards(); });
    setCentralWidget(SB_Field);

    B_Deal = new QPushButton("Deal", I_Field);
    B_Deal->setObjectName("B_Deal");
    B_Deal->hide();
    connect(B_Deal, &QPushButton::clicked, this, &F_Main::B_DealClick);

    T_Finish.setInterval(10);
    connect(&T_Finish, &QTimer::timeout, this, &F_Main::T_FinishTimer);
    ShowWinForm = [this] {
        TF_Finish form(this, I_Field, false, PlayerName);
        form.exec();
    };

    SaveTimer_.setSingleShot(true);
    SaveTimer_.setInterval(0);
    connect(&SaveTimer_, &QTimer::timeout, this, [this] { SaveChanged(); });

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &F_Main::Timer1Timer);

    F_About = new TF_About(this);
    F_About->OpenHelpContext = [this](int context) { OpenHelpTopic(QString::number(context)); };
    F_Loading = new TF_Loading(Game_.T.RandSeed, this);
    CreateGameChooser();
    SetUpKeyboard();

    Autosave_ = std::make_unique<Autosave>(Files_.Autosave, [this] {
        // The caption and the starting-rank label as shown, as Save stores them.
        const std::string foundVal = L_FoundVal->isHidden() ? std::string() : L_FoundVal->text().toStdString();
        return EncodeSavedGame(CaptureSavedGame(Game_, windowTitle().toStdString(), foundVal));
    });
}

F_Main::~F_Main()
{
    // The viewer holds the help engine's widgets: it goes first.
    delete HelpWindow_;
}

void F_Main::ScheduleAutosave()
{
    if (Autosave_) Autosave_->Schedule();
}

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption, QKeySequence key = {}, int image = -1)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    if (image >= 0) a->setIcon(MenuIcon(image));
    return a;
}

}  // namespace

void F_Main::CreateMenu()
{
    QMenu* game = menuBar()->addMenu("&Game");
    MI_GameChoose = Item(game, "MI_GameChoose", "&Choose...", Qt::Key_F3, 0);
    game->addSeparator();
    MI_GameNew = Item(game, "MI_GameNew", "&New", Qt::Key_F2, 1);
    MI_GameRestart = Item(game, "MI_GameRestart", "&Restart", {}, 2);
    MI_GameShuffle = Item(game, "MI_GameShuffle", "&Select Shuffle...");
    MI_GameStatistics = Item(game, "MI_GameStatistics", "&Statistics...");
    game->addSeparator();
    MI_GameUndo = Item(game, "MI_GameUndo", "&Undo", Qt::Key_F4, 3);
    MI_GameRedo = Item(game, "MI_GameRedo", "Re&do", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    MI_GameRedo->setEnabled(false);
    game->addSeparator();
    MI_GameSave = Item(game, "MI_GameSave", "S&ave...");
    MI_GameLoad = Item(game, "MI_GameLoad", "&Load...");
    game->addSeparator();
    MI_GameCustomize = Item(game, "MI_GameCustomize", "Customi&ze...", {}, 8);
    game->addSeparator();
    MI_GameExit = Item(game, "MI_GameExit", "&Exit", QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* options = menuBar()->addMenu("&Options");
    MI_OptionsBkgColor = Item(options, "MI_OptionsBkgColor", "Background &Color...", {}, 4);
    MI_OptionsBkgTexture = Item(options, "MI_OptionsBkgTexture", "Background &Texture...", {}, 5);
    options->addSeparator();
    MI_OptionsDeck = Item(options, "MI_OptionsDeck", "&Deck...", {}, 6);
    MI_OptionsBack = Item(options, "MI_OptionsBack", "&Back...", {}, 7);
    options->addSeparator();
    MI_OptionsSound = Item(options, "MI_OptionsSound", "Sound");
    MI_OptionsAnimation = Item(options, "MI_OptionsAnimation", "Animation");
    MI_OptionsAutoplay = Item(options, "MI_OptionsAutoplay", "Autoplay");
    options->addSeparator();
    MI_OptionsFullScreen = Item(options, "MI_OptionsFullScreen", "&Full Screen", Qt::Key_F11);
    MI_OptionsFullScreen->setCheckable(true);
    CreateSolverCommands(game, options);

    QMenu* help = menuBar()->addMenu("&Help");
    MI_HelpContents = Item(help, "MI_HelpContents", "&Contents");
    help->addSeparator();
    MI_HelpRules = Item(help, "MI_HelpRules", "&Game Rules", Qt::Key_F1, 11);
    MI_HelpShortRules = Item(help, "MI_HelpShortRules", "&Short Rules", QKeySequence(Qt::CTRL | Qt::Key_F1));
    help->addSeparator();
    MI_HelpAbout = Item(help, "MI_HelpAbout", "&About...");

    // The options are the engine's; the check marks show and set them.
    const Options& opt = Game_.T.Opt;
    const std::pair<QAction*, bool Options::*> checks[] = {
        {MI_OptionsSound, &Options::Sound},
        {MI_OptionsAnimation, &Options::Animation},
        {MI_OptionsAutoplay, &Options::Autoplay},
    };
    for (const auto& [action, field] : checks) {
        action->setCheckable(true);
        action->setChecked(opt.*field);
        connect(action, &QAction::toggled, this, [this, f = field](bool on) {
            Game_.T.Opt.*f = on;
            ScheduleSave();
        });
    }

    // The usual desktop keys beside the program's own.
    const std::pair<QAction*, QKeySequence> desktopKeys[] = {
        {MI_GameUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {MI_GameRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {MI_GameNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {MI_GameRestart, QKeySequence(Qt::Key_F5)},
        {MI_GameExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {MI_GameSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {MI_GameLoad, QKeySequence(Qt::CTRL | Qt::Key_O)},
    };
    for (const auto& [action, key] : desktopKeys) action->setShortcuts(action->shortcuts() << key);

    connect(MI_GameChoose, &QAction::triggered, this, &F_Main::MI_GameChooseClick);
    connect(MI_GameCustomize, &QAction::triggered, this, &F_Main::MI_GameCustomizeClick);
    connect(MI_GameStatistics, &QAction::triggered, this, &F_Main::MI_GameStatisticsClick);
    connect(MI_OptionsBkgColor, &QAction::triggered, this, &F_Main::MI_OptionsBkgColorClick);
    connect(MI_OptionsBack, &QAction::triggered, this, &F_Main::MI_OptionsBackClick);
    connect(MI_OptionsBkgTexture, &QAction::triggered, this, &F_Main::MI_OptionsBkgTextureClick);
    connect(MI_OptionsDeck, &QAction::triggered, this, &F_Main::MI_OptionsDeckClick);
    connect(MI_GameNew, &QAction::triggered, this, &F_Main::MI_GameNewClick);
    connect(MI_GameRestart, &QAction::triggered, this, &F_Main::MI_GameRestartClick);
    connect(MI_GameShuffle, &QAction::triggered, this, &F_Main::MI_GameShuffleClick);
    connect(MI_GameUndo, &QAction::triggered, this, &F_Main::MI_GameUndoClick);
    connect(MI_GameRedo, &QAction::triggered, this, &F_Main::MI_GameRedoClick);
    connect(MI_OptionsFullScreen, &QAction::toggled, this, &F_Main::MI_OptionsFullScreenClick);
    connect(MI_GameExit, &QAction::triggered, this, &F_Main::MI_GameExitClick);
    connect(MI_HelpContents, &QAction::triggered, this, &F_Main::MI_HelpContentsClick);
    connect(MI_HelpRules, &QAction::triggered, this, &F_Main::MI_HelpRulesClick);
    connect(MI_HelpShortRules, &QAction::triggered, this, &F_Main::MI_HelpShortRulesClick);
    connect(MI_HelpAbout, &QAction::triggered, this, &F_Main::MI_HelpAboutClick);
    connect(MI_GameSave, &QAction::triggered, this, &F_Main::MI_GameSaveClick);
    connect(MI_GameLoad, &QAction::triggered, this, &F_Main::MI_GameLoadClick);
    // After a command that may change the settings (its handler ran first).
    for (QAction* a : {MI_GameChoose, MI_GameCustomize, MI_OptionsBkgColor, MI_OptionsBkgTexture, MI_OptionsDeck,
                       MI_OptionsBack, MI_GameLoad})
        connect(a, &QAction::triggered, this, &F_Main::ScheduleSave);
}

QLabel* F_Main::StatusPanel(const char* panelName, const char* labelName, int width, const char* widestText)
{
    auto* panel = new QFrame(TB_Bar);
    panel->setObjectName(panelName);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    auto* label = new QLabel(panel);
    label->setObjectName(labelName);
    layout->addWidget(label);
    // The panel keeps its width as texts change, but a wider font must not cut the longest one.
    const int needed = label->fontMetrics().horizontalAdvance(widestText) + 2 * panel->frameWidth() + 10;
    panel->setFixedWidth(std::max(width, needed));
    TB_Bar->addWidget(panel);
    return label;
}

void F_Main::CreateToolBar()
{
    TB_Bar = addToolBar("Tools");
    TB_Bar->setObjectName("TB_Bar");
    TB_Bar->setMovable(false);
    TB_Bar->setFloatable(false);
    TB_Bar->setIconSize(QSize(16, 16));
    TB_Bar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto button = [this](const char* name, const char* hint, int image, QAction* same) {
        auto* a = TB_Bar->addAction(MenuIcon(image), hint);
        a->setObjectName(name);
        a->setToolTip(hint);
        if (same) connect(a, &QAction::triggered, same, &QAction::trigger);
        if (auto* w = TB_Bar->widgetForAction(a)) w->setFixedWidth(24);
        return a;
    };
    button("B_ChooseGame", "Choose Game", 0, MI_GameChoose);
    TB_Bar->addSeparator();
    button("B_New", "New Game", 1, MI_GameNew);
    TB_Bar->addSeparator();
    button("B_Restart", "Restart Game", 2, MI_GameRestart);
    TB_Bar->addSeparator();
    auto* undo = button("B_Undo", "Undo Move", 3, MI_GameUndo);
    connect(MI_GameUndo, &QAction::changed, undo, [undo, this] { undo->setEnabled(MI_GameUndo->isEnabled()); });
    AddHintButton();
    TB_Bar->addSeparator();
    button("B_ColorBkg", "Background Color", 4, MI_OptionsBkgColor);
    button("B_TextureBkg", "Background Texture", 5, MI_OptionsBkgTexture);
    TB_Bar->addSeparator();
    button("B_Deck", "Deck", 6, MI_OptionsDeck);
    button("B_Back", "Back", 7, MI_OptionsBack);
    TB_Bar->addSeparator();
    L_FoundVal = StatusPanel("P_FoundVal", "L_FoundVal", 136, "Starting Rank: Queen");
    L_RedealsLeft = StatusPanel("P_RedealsLeft", "L_RedealsLeft", 110, "Redeals Left: 8");
    L_StockCardNum = StatusPanel("P_StockCardNum", "L_StockCardNum", 150, "Stock: 96  Waste: 96");
    L_Time = StatusPanel("P_Time", "L_Time", 100, "Time: 00:00:00");
    TB_Bar->addSeparator();
    button("B_Rules", "Game Rules", 11, MI_HelpRules);
}

QLabel* F_Main::Label(StatusLabel which) const
{
    switch (which) {
    case StatusLabel::StartRank: return L_FoundVal;
    case StatusLabel::RedealsLeft: return L_RedealsLeft;
    case StatusLabel::StockAndWaste: return L_StockCardNum;
    case StatusLabel::Time: return L_Time;
    }
    return L_Time;
}

void F_Main::SetStatusLabel(StatusLabel which, const std::optional<std::string>& text)
{
    QLabel* label = Label(which);
    label->setText(text ? QString::fromStdString(*text) : QString());
    // Hidden labels are shown again by the next text.
    label->setVisible(text.has_value());
}

QString F_Main::LabelText(StatusLabel which) const
{
    return Label(which)->text();
}

bool F_Main::LabelVisible(StatusLabel which) const
{
    return !Label(which)->isHidden();
}

void F_Main::closeEvent(QCloseEvent* e)
{
    Shutdown();
    QMainWindow::closeEvent(e);
}

void F_Main::Shutdown()
{
    if (ShutDown_) return;
    ShutDown_ = true;
    ResizeArmed = false;
    Timer1.stop();
    SaveTimer_.stop();
    // The game in play is not left: the autosave brings it back at the next
    // start, where it goes on counting.
    WriteSettingsFile();
    WriteStatistics();
    // The clock as it stands at exit.
    Autosave_->WriteNow();
}

void F_Main::ScheduleSave()
{
    if (!ShutDown_) SaveTimer_.start();
}

void F_Main::StatisticsCounted()
{
    StatisticsDirty_ = true;
    ScheduleSave();
}

void F_Main::SaveChanged(bool quiet)
{
    if (ShutDown_) return;
    SaveTimer_.stop();
    QuietSave_ = quiet;
    if (StatisticsDirty_) WriteStatistics();
    if (!WrittenSettings_ || *WrittenSettings_ != CurrentSettings()) WriteSettingsFile();
    QuietSave_ = false;
}

void F_Main::ShowWriteError(const std::string& what, const std::string& path, const std::string& error)
{
    const std::string text = "Could not write the " + what + " " + path + ": " + error + ".";
    // A full disk would otherwise say so at every counted game.
    if (QuietSave_ || text == LastWriteError_) return;
    LastWriteError_ = text;
    ShowError(QString::fromStdString(text));
}

}  // namespace quillo
