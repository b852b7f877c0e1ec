#pragma once
// "Choose Solitaire": every built-in and custom game in a sortable list,
// with a preview of a fresh deal, its statistics, the recent games, the
// rules button and deleting of custom games. Created once at start-up.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "game_preview.h"
#include "games_list.h"
#include "storage/game_rows.h"

class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace quillo {

class Game;
struct RecentGame;

constexpr int ChooserHelpContext = 230;

struct GamesContext {
    Game* G = nullptr;
    std::string CustomGamesPath;
    std::string StatisticsPath;
    PreviewPainter Painter;
    // Message boxes titled "Quillotaire"; tests replace them.
    std::function<void(const QString&)> Error;
    std::function<bool(const QString&)> Ask;
    // The help file at a topic, and at a numbered help context.
    std::function<void(const QString&)> HelpTopic;
    std::function<void(int)> HelpContext;
    // After a custom game was deleted from its file (its statistics go too).
    std::function<void()> Deleted;
};

class TF_Games : public QDialog {
    Q_OBJECT
public:
    // Lists the catalogue and the custom games, loads the statistics and
    // sorts by name.
    explicit TF_Games(GamesContext ctx, QWidget* parent = nullptr);
    ~TF_Games() override;

    // The table of listed games with their statistics (SG_Table).
    GameRowTable SG_Table;
    int32_t HighestCustomKey = -1;
    // What reading the files found that the player must be told (damaged
    // files set aside, repaired keys), shown once the window is up.
    std::vector<QString> StartNotes;
    // Most recent first, at most six (kept in the settings file).
    std::vector<RecentGame> RecentGames;

    // The result of an OK.
    int ChosenGame = 0;
    int32_t ChosenCustom = -1;

    // Prepares a showing (selection, preview, recent games); exec() does it too.
    void Prepare();
    int exec() override;

    void SortList(int column, bool descending);
    void HC_GamesSectionClick(int section);
    // The row shown at a list position, -1 for none.
    int SelectedRow() const;
    void SelectRow(int row);
    // What releasing a key or button over the list does: preview a new selection.
    void LookAtSelection();
    // Enter, double click and OK.
    void ChooseSelected();
    void CB_FavsChange(int index);
    void DeleteCustomGame();
    void B_RulesClick();
    void PreviewGame(int game, int row);

    const PreviewPicture& Preview() const { return Preview_; }
    int LastPreviewed() const { return LastPreviewed_; }

    QLabel* L_AllCap = nullptr;
    QTableView* LB_Games = nullptr;
    QFrame* P_Preview = nullptr;
    QLabel* I_Preview = nullptr;
    QLabel* L_Play = nullptr;
    QLabel* L_Win = nullptr;
    QLabel* L_BestPlayer = nullptr;
    QLabel* L_BestTime = nullptr;
    QLabel* L_FavCap = nullptr;
    QComboBox* CB_Favs = nullptr;
    QPushButton* B_Rules = nullptr;
    QPushButton* B_OK = nullptr;
    QPushButton* B_Cancel = nullptr;
    QMenu* PM_Table = nullptr;
    GamesModel* Model = nullptr;

    // Shows the statistics of a row in the four labels (after a count too).
    void ShowStatistics(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BuildControls();
    void RefillFavs();
    void ShowPreviewPicture();

    GamesContext Ctx_;
    PreviewPicture Preview_;
    int LastPreviewed_ = -1;
};

}  // namespace quillo
