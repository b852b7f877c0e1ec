// The game chooser: list, sorting, preview, statistics, recent games and
// deleting custom games.

#include "games_dialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app_icons.h"
#include "engine/catalogue.h"
#include "engine/game.h"
#include "recent_games.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"
#include "storage/statistics.h"

namespace quillo {

namespace {

constexpr int BoxLeft = 5;
constexpr int BoxTop = 5;

QLabel* ValueLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setMinimumWidth(90);
    return l;
}

}  // namespace

TF_Games::TF_Games(GamesContext ctx, QWidget* parent) : QDialog(parent), Ctx_(std::move(ctx))
{
    setObjectName("F_Games");
    setWindowTitle("Choose Solitaire");
    SG_Table = GameRowTable::WithCatalogue();
    std::vector<std::string> notes;
    HighestCustomKey = ListCustomGames(Ctx_.CustomGamesPath, SG_Table, &notes);
    const std::string& stats = Ctx_.StatisticsPath;
    const StatisticsRead read = LoadStatistics(stats, SG_Table);
    if (read.Source == StatisticsSource::IoError)
        notes.push_back("Could not read the statistics file " + stats + ": " + read.Error + ".");
    if (!read.SetAsideError.empty())
        notes.push_back("Could not copy the damaged statistics file " + stats + " to " + stats + ".bak: " +
                        read.SetAsideError + ".");
    else if (read.SetAside)
        notes.push_back("The statistics file " + stats + " is damaged; a copy is kept in " + stats + ".bak.");
    // Told once the main window is up, not from inside its construction.
    for (const std::string& note : notes) StartNotes.push_back(QString::fromStdString(note));

    BuildControls();
    SortList(SectionGame, false);
    CB_Favs->setEnabled(false);
    L_FavCap->setEnabled(false);
}

TF_Games::~TF_Games() = default;

void TF_Games::BuildControls()
{
    L_AllCap = new QLabel("All Solitaires", this);
    QFont bold = L_AllCap->font();
    bold.setBold(true);
    L_AllCap->setFont(bold);

    Model = new GamesModel(SG_Table, this);
    LB_Games = new QTableView(this);
    LB_Games->setObjectName("LB_Games");
    LB_Games->setHorizontalHeader(new GamesHeader(LB_Games));
    LB_Games->setModel(Model);
    LB_Games->setItemDelegate(new LevelDelegate(LB_Games));
    LB_Games->setSelectionBehavior(QAbstractItemView::SelectRows);
    LB_Games->setSelectionMode(QAbstractItemView::SingleSelection);
    LB_Games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LB_Games->setShowGrid(false);
    LB_Games->setWordWrap(false);
    LB_Games->setTextElideMode(Qt::ElideRight);
    LB_Games->verticalHeader()->hide();
    LB_Games->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LB_Games->verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 2));
    LB_Games->setContextMenuPolicy(Qt::CustomContextMenu);
    LB_Games->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* hc = LB_Games->horizontalHeader();
    hc->setObjectName("HC_Games");
    hc->setSectionsClickable(true);
    hc->setSortIndicatorShown(false);
    hc->setHighlightSections(false);
    hc->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hc->resizeSection(SectionGame, 160);
    hc->resizeSection(SectionLevel, 70);
    hc->setStretchLastSection(true);
    LB_Games->setMinimumSize(160 + 70 + 60 + LB_Games->verticalScrollBar()->sizeHint().width() + 4, 380);
    LB_Games->installEventFilter(this);
    connect(hc, &QHeaderView::sectionClicked, this, &TF_Games::HC_GamesSectionClick);
    connect(LB_Games, &QTableView::doubleClicked, this, [this] { ChooseSelected(); });
    connect(LB_Games->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { LookAtSelection(); });

    PM_Table = new QMenu(this);
    QAction* del = PM_Table->addAction("&Delete Custom Game");
    del->setObjectName("MI_DelCustom");
    connect(del, &QAction::triggered, this, [this] { DeleteCustomGame(); });
    connect(LB_Games, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = SelectedRow();
        if (row >= 0 && SG_Table.Rows()[static_cast<size_t>(row)].Custom)
            PM_Table->popup(LB_Games->viewport()->mapToGlobal(at));
    });

    P_Preview = new QFrame(this);
    P_Preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    P_Preview->setFixedSize(PreviewBoxWidth + 2 * BoxLeft, PreviewBoxHeight + 2 * BoxTop);
    auto* shape = new QFrame(P_Preview);
    shape->setObjectName("Shape1");
    shape->setGeometry(BoxLeft, BoxTop, PreviewBoxWidth, PreviewBoxHeight);
    shape->setStyleSheet("background-color: rgb(0, 128, 0);");
    I_Preview = new QLabel(P_Preview);
    I_Preview->setObjectName("I_Preview");
    I_Preview->setScaledContents(true);
    I_Preview->setGeometry(BoxLeft, BoxTop, PreviewBoxWidth, PreviewBoxHeight);

    auto* stats = new QGroupBox("Statistics", this);
    auto* sl = new QGridLayout(stats);
    L_Play = ValueLabel(stats);
    L_Win = ValueLabel(stats);
    sl->addWidget(new QLabel("Games Played:", stats), 0, 0);
    sl->addWidget(L_Play, 0, 1);
    sl->addWidget(new QLabel("Games Won:", stats), 1, 0);
    sl->addWidget(L_Win, 1, 1);
    sl->setColumnStretch(1, 1);

    auto* best = new QGroupBox("Record", this);
    best->setObjectName("P_Best");
    auto* bl = new QGridLayout(best);
    L_BestPlayer = ValueLabel(best);
    L_BestTime = ValueLabel(best);
    bl->addWidget(new QLabel("Player:", best), 0, 0);
    bl->addWidget(L_BestPlayer, 0, 1);
    bl->addWidget(new QLabel("Time:", best), 1, 0);
    bl->addWidget(L_BestTime, 1, 1);
    bl->setColumnStretch(1, 1);

    L_FavCap = new QLabel("Favourite Solitaires", this);
    L_FavCap->setFont(bold);
    CB_Favs = new QComboBox(this);
    CB_Favs->setObjectName("CB_Favs");
    CB_Favs->installEventFilter(this);
    connect(CB_Favs, &QComboBox::activated, this, &TF_Games::CB_FavsChange);

    B_Rules = new QPushButton(MenuIcon(11), "", this);
    B_Rules->setToolTip("Game Rules");
    B_Rules->setAutoDefault(false);
    B_OK = new QPushButton("OK", this);
    B_Cancel = new QPushButton("Cancel", this);
    B_OK->setAutoDefault(false);
    B_Cancel->setAutoDefault(false);
    connect(B_Rules, &QPushButton::clicked, this, &TF_Games::B_RulesClick);
    connect(B_OK, &QPushButton::clicked, this, &TF_Games::ChooseSelected);
    connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(L_AllCap);
    left->addWidget(LB_Games, 1);

    auto* statsRow = new QHBoxLayout;
    statsRow->addWidget(stats, 1);
    statsRow->addWidget(best, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(B_Rules);
    buttons->addStretch(1);
    buttons->addWidget(B_OK);
    buttons->addWidget(B_Cancel);

    auto* right = new QVBoxLayout;
    right->addWidget(P_Preview, 0, Qt::AlignHCenter);
    right->addLayout(statsRow);
    right->addSpacing(6);
    right->addWidget(L_FavCap);
    right->addWidget(CB_Favs);
    right->addStretch(1);
    right->addLayout(buttons);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right);
}

int TF_Games::SelectedRow() const
{
    const QModelIndexList rows = LB_Games->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void TF_Games::SelectRow(int row)
{
    if (row < 0) {
        LB_Games->selectionModel()->clear();
        return;
    }
    LB_Games->selectRow(row);
    LB_Games->scrollTo(Model->index(row, 0), QAbstractItemView::PositionAtCenter);
}

void TF_Games::Prepare()
{
    const QSignalBlocker quiet(LB_Games->selectionModel());
    LB_Games->selectionModel()->clear();
    LastPreviewed_ = -1;
    const TableState& t = Ctx_.G->T;
    const int row = SG_Table.Find(t.CurrentGame, t.CurrentCustom);
    SelectRow(row);
    if (row >= 0) LB_Games->selectionModel()->setCurrentIndex(Model->index(row, 0), QItemSelectionModel::NoUpdate);
    PreviewGame(t.CurrentGame, row);
    RefillFavs();
    LB_Games->setFocus();
}

int TF_Games::exec()
{
    Prepare();
    adjustSize();
    return QDialog::exec();
}

void TF_Games::RefillFavs()
{
    const QSignalBlocker quiet(CB_Favs);
    CB_Favs->clear();
    for (const RecentGame& g : RecentGames) {
        const int row = SG_Table.Find(g.Game, g.Custom);
        CB_Favs->addItem(row >= 0 ? QString::fromStdString(SG_Table.Rows()[static_cast<size_t>(row)].Name) : QString());
    }
    const bool any = !RecentGames.empty();
    if (any) CB_Favs->setCurrentIndex(0);
    CB_Favs->setEnabled(any);
    L_FavCap->setEnabled(any);
}

void TF_Games::SortList(int column, bool descending)
{
    // The selected game stays selected, wherever it moves.
    const int selected = SelectedRow();
    const GameRow* keep = selected >= 0 ? &SG_Table.Rows()[static_cast<size_t>(selected)] : nullptr;
    const std::pair<int32_t, int32_t> selectedId = keep ? std::pair{keep->Game, keep->Key} : std::pair{-1, -2};
    const GameRow* last = LastPreviewed_ >= 0 ? &SG_Table.Rows()[static_cast<size_t>(LastPreviewed_)] : nullptr;
    const std::pair<int32_t, int32_t> lastId = last ? std::pair{last->Game, last->Key} : std::pair{-1, -2};

    SG_Table.Sort(column, descending);
    const QSignalBlocker quiet(LB_Games->selectionModel());
    Model->Reload();
    LastPreviewed_ = SG_Table.Find(lastId.first, lastId.second);
    const int row = SG_Table.Find(selectedId.first, selectedId.second);
    SelectRow(row);
    if (row >= 0) LB_Games->selectionModel()->setCurrentIndex(Model->index(row, 0), QItemSelectionModel::NoUpdate);
    LB_Games->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TF_Games::HC_GamesSectionClick(int section)
{
    if (section == SG_Table.SortColumn())
        SortList(section, !SG_Table.SortDescending());
    else
        SortList(section, false);
}

void TF_Games::LookAtSelection()
{
    const int row = SelectedRow();
    if (row < 0 || row == LastPreviewed_) return;
    const GameRow& r = SG_Table.Rows()[static_cast<size_t>(row)];
    ChosenGame = r.Game;
    ChosenCustom = r.Key;
    PreviewGame(r.Game, row);
    LastPreviewed_ = row;
}

void TF_Games::ChooseSelected()
{
    // Without a selection (after a deletion) there is nothing to choose.
    const int row = SelectedRow();
    if (row < 0) return;
    const GameRow& r = SG_Table.Rows()[static_cast<size_t>(row)];
    ChosenGame = r.Game;
    ChosenCustom = r.Key;
    PreviewGame(r.Game, row);
    accept();
}

void TF_Games::CB_FavsChange(int index)
{
    if (index < 0 || index >= static_cast<int>(RecentGames.size())) return;
    const RecentGame g = RecentGames[static_cast<size_t>(index)];
    ChosenGame = g.Game;
    ChosenCustom = g.Custom;
    PreviewGame(g.Game, SG_Table.Find(g.Game, g.Custom));
    accept();
}

void TF_Games::DeleteCustomGame()
{
    const int row = SelectedRow();
    if (row < 0 || !SG_Table.Rows()[static_cast<size_t>(row)].Custom) return;
    const GameRow r = SG_Table.Rows()[static_cast<size_t>(row)];
    const QString name = QString::fromStdString(r.Name);
    const TableState& t = Ctx_.G->T;
    if (r.Game == t.CurrentGame && r.Key == t.CurrentCustom) {
        Ctx_.Error(name + " is currently loaded now and cannot be deleted!");
        return;
    }
    if (!Ctx_.Ask("Delete custom game " + name + " ?")) return;

    {
        const QSignalBlocker quiet(LB_Games->selectionModel());
        SG_Table.Remove(r.Game, r.Key);
        Model->Reload();
        LB_Games->selectionModel()->clear();
    }
    LastPreviewed_ = -1;
    RemoveFromRecent(RecentGames, {r.Game, r.Key});
    RefillFavs();
    const IoResult done = quillo::DeleteCustomGame(Ctx_.CustomGamesPath, r.Game, r.Key);
    if (!done.Ok())
        Ctx_.Error(QString::fromStdString("Could not write the custom games file " + Ctx_.CustomGamesPath + ": " +
                                          done.Error + "."));
    else if (Ctx_.Deleted)
        Ctx_.Deleted();
}

void TF_Games::B_RulesClick()
{
    const int row = SelectedRow();
    if (row < 0 || !Ctx_.HelpTopic) return;
    const GameRow& r = SG_Table.Rows()[static_cast<size_t>(row)];
    // A custom game has the rules of the game it was made from.
    std::string topic = r.HelpTopic;
    if (topic.empty() && r.Game >= 0 && r.Game < CatalogueSize)
        topic = std::string(Catalogue()[static_cast<size_t>(r.Game)].HelpTopic);
    Ctx_.HelpTopic(QString::fromStdString(topic));
}

void TF_Games::PreviewGame(int game, int row)
{
    quillo::PreviewGame(*Ctx_.G, game, Preview_, Ctx_.Painter);
    ShowPreviewPicture();
    ShowStatistics(row);
}

void TF_Games::ShowPreviewPicture()
{
    const int w = Preview_.ShownWidth, h = Preview_.ShownHeight;
    if (Preview_.Picture.Empty() || w <= 0 || h <= 0) {
        I_Preview->clear();
        return;
    }
    I_Preview->setGeometry(BoxLeft + (PreviewBoxWidth - w) / 2, BoxTop + (PreviewBoxHeight - h) / 2, w, h);
    I_Preview->setPixmap(
        QPixmap::fromImage(ToQImage(Preview_.Picture).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void TF_Games::ShowStatistics(int row)
{
    const StatisticsLabels s = SG_Table.LabelsOf(row);
    L_Play->setText(QString::fromStdString(s.Played));
    L_Win->setText(QString::fromStdString(s.Won));
    L_BestPlayer->setText(QString::fromStdString(s.BestPlayer));
    L_BestTime->setText(QString::fromStdString(s.BestTime));
}

bool TF_Games::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_F1) {
            if (Ctx_.HelpContext) Ctx_.HelpContext(ChooserHelpContext);
            return true;
        }
        if (watched == LB_Games && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            ChooseSelected();
            return true;
        }
        if (watched == LB_Games && key == Qt::Key_Delete) {
            LastPreviewed_ = -1;
            DeleteCustomGame();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TF_Games::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        if (Ctx_.HelpContext) Ctx_.HelpContext(ChooserHelpContext);
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace quillo
