// The game chooser: sorting by each header section, previews that leave the
// live game alone, the recent games box and deleting custom games.

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <gtest/gtest.h>

#include "app/choose_command.h"
#include "app/games_dialog.h"
#include "app/recent_games.h"
#include "app/dialog_support.h"
#include "engine/catalogue.h"
#include "storage/custom_games.h"
#include "storage/statistics.h"

namespace quillo {
namespace {

struct ChooserFixture : ::testing::Test {
    test::ProgramDir Dir;
    Game G;
    test::Messages Box;
    std::vector<QString> Topics;
    int Paints = 0;
    TableState Painted;  // the table as the painter saw it

    // Custom games made from Free Cell and Klondike, before the chooser exists.
    void MakeCustomGames(std::initializer_list<std::pair<int, const char*>> games)
    {
        GameRowTable rows = GameRowTable::WithCatalogue();
        int32_t highest = -1;
        for (const auto& [game, name] : games) {
            test::StartGame(G, game);
            ASSERT_TRUE(SaveCustomGame(Path("quillo.cus"), rows, highest, G, highest + 1, name).Ok());
        }
    }
    std::unique_ptr<TF_Games> Open()
    {
        GamesContext ctx;
        ctx.G = &G;
        ctx.CustomGamesPath = Path("quillo.cus");
        ctx.StatisticsPath = Path("quillo.won");
        ctx.Painter = [this](TableState& t, PixelBuffer&) {
            ++Paints;
            Painted = t;
        };
        ctx.Error = [this](const QString& s) { Box.Errors.push_back(s); };
        ctx.Ask = [this](const QString& s) {
            Box.Questions.push_back(s);
            return Box.Answer;
        };
        ctx.HelpTopic = [this](const QString& s) { Topics.push_back(s); };
        auto d = std::make_unique<TF_Games>(ctx);
        d->Prepare();
        return d;
    }
    std::string Path(const char* name) const { return Dir.File(name); }
    static std::vector<std::string> Column(const TF_Games& d, int column)
    {
        std::vector<std::string> out;
        for (const GameRow& r : d.SG_Table.Rows()) out.push_back(r.Column(column));
        return out;
    }
};

// Within every run of equal texts of the sorted column, names ascend.
void ExpectNamesAscendWithinRuns(const TF_Games& d, int column)
{
    const auto& rows = d.SG_Table.Rows();
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i].Column(column) == rows[i - 1].Column(column)) {
            EXPECT_LE(rows[i - 1].Name, rows[i].Name) << rows[i].Name;
        }
}

TEST_F(ChooserFixture, HeaderSectionsSortAndFlipKeepingTheSelection)
{
    MakeCustomGames({{games::FreeCell, "Zed Cell"}, {games::Klondike, "Alpha Klondike"}});
    test::StartGame(G, games::Scorpion);
    auto d = Open();
    QHeaderView* hc = d->LB_Games->horizontalHeader();
    ASSERT_EQ(d->SG_Table.Rows().size(), static_cast<size_t>(CatalogueSize + 2));

    struct Step {
        int Section;
        int Column;
        bool Descending;
    };
    // Clicking a new section sorts it ascending, the same one again flips it.
    const Step steps[] = {
        {1, 1, false}, {1, 1, true}, {2, 2, false}, {0, 0, false}, {0, 0, true}, {1, 1, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "section " << s.Section << (s.Descending ? " down" : " up"));
        d->HC_GamesSectionClick(s.Section);
        EXPECT_EQ(hc->sortIndicatorSection(), s.Section);
        EXPECT_EQ(hc->sortIndicatorOrder(), s.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        const auto keys = Column(*d, s.Column);
        if (s.Descending)
            EXPECT_TRUE(std::is_sorted(keys.rbegin(), keys.rend()));
        else
            EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
        if (s.Column != 0) ExpectNamesAscendWithinRuns(*d, s.Column);
        // The list shows the table's rows in their new order, the same game selected.
        EXPECT_EQ(d->Model->index(0, 0).data().toString().toStdString(), d->SG_Table.Rows()[0].Name);
        EXPECT_EQ(d->SG_Table.Rows()[static_cast<size_t>(d->SelectedRow())].Name, "Scorpion");
    }

    // Level twice: the hardest games first, custom games ("0") last.
    d->HC_GamesSectionClick(1);
    EXPECT_EQ(d->SG_Table.Rows().front().Level, "5");
    EXPECT_EQ(d->SG_Table.Rows().back().Name, "Zed Cell");
    // "C" once: every built-in game by name, then the custom games by name.
    d->HC_GamesSectionClick(2);
    const auto& rows = d->SG_Table.Rows();
    EXPECT_EQ(rows[CatalogueSize].Name, "Alpha Klondike");
    EXPECT_EQ(rows[CatalogueSize + 1].Name, "Zed Cell");
    EXPECT_FALSE(rows[CatalogueSize - 1].Custom);
}

TEST_F(ChooserFixture, PreviewsLeaveTheLiveGameExactlyAsItWas)
{
    MakeCustomGames({{games::FreeCell, "Easy Cell"}});
    test::StartGame(G, games::Klondike, 777);
    const auto undo = std::make_unique<UndoHistory>(G.Undo);
    const TableState live = G.T;
    auto d = Open();
    EXPECT_EQ(d->LastPreviewed(), -1);
    EXPECT_EQ(Paints, 1);  // the current game, at showing

    for (int game = 0; game < CatalogueSize; ++game) {
        if (game == games::Klondike) continue;  // selected already
        SCOPED_TRACE(Catalogue()[static_cast<size_t>(game)].Name);
        d->SelectRow(d->SG_Table.Find(game, -1));
        EXPECT_EQ(d->LastPreviewed(), d->SG_Table.Find(game, -1));
        EXPECT_EQ(Painted.CurrentGame, game);
        EXPECT_FALSE(d->Preview().Picture.Empty());

        TableState now = G.T;
        now.RandSeed = live.RandSeed;  // the generator moves on, as after any deal
        EXPECT_TRUE(now.Cards == live.Cards && now.Piles == live.Piles && now.Rules == live.Rules &&
                    now.ChosenRules == live.ChosenRules && now.DealOrder == live.DealOrder &&
                    now.PileOrder == live.PileOrder);
        EXPECT_EQ(std::tie(now.CurrentGame, now.CurrentCustom, now.GameName, now.PreviewMode),
                  std::tie(live.CurrentGame, live.CurrentCustom, live.GameName, live.PreviewMode));
        EXPECT_TRUE(G.Undo == *undo);
    }
    // A custom game shows its base game's deal.
    d->SelectRow(d->SG_Table.Find(games::FreeCell, 0));
    EXPECT_EQ(Painted.CurrentGame, games::FreeCell);
    EXPECT_EQ(Painted.CurrentCustom, live.CurrentCustom);

    EXPECT_FALSE(PlayChosenGame(G, Path("quillo.cus"), d->RecentGames, CatalogueSize, -1));
    EXPECT_TRUE(G.T.Cards == live.Cards);
    EXPECT_TRUE(d->RecentGames.empty());
}

TEST_F(ChooserFixture, ShowingSelectsTheCurrentGameAndItsStatistics)
{
    MakeCustomGames({{games::FreeCell, "Easy Cell"}});
    {
        GameRowTable rows = GameRowTable::WithCatalogue();
        ListCustomGames(Path("quillo.cus"), rows);
        GameRow& r = rows.Rows()[static_cast<size_t>(rows.Find(games::FreeCell, 0))];
        r.Played = 7;
        r.Won = 3;
        r.BestPlayer = "Ann";
        r.BestTime = "0:04:10";
        ASSERT_TRUE(SaveStatistics(Path("quillo.won"), rows).Ok());
    }
    test::StartGame(G, games::FreeCell);
    G.T.CurrentCustom = 0;
    auto d = Open();
    const int row = d->SelectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(d->SG_Table.Rows()[static_cast<size_t>(row)].Name, "Easy Cell");
    EXPECT_EQ((QStringList{d->L_Play->text(), d->L_Win->text(), d->L_BestPlayer->text(), d->L_BestTime->text()}),
              (QStringList{"7", "3", "Ann", "0:04:10"}));
    // OK without touching the list chooses the current game.
    d->ChooseSelected();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->ChosenGame, games::FreeCell);
    EXPECT_EQ(d->ChosenCustom, 0);
    // The rules of a custom game are its base game's.
    d->B_RulesClick();
    ASSERT_EQ(Topics.size(), 1u);
    EXPECT_EQ(Topics[0].toStdString(), Catalogue()[games::FreeCell].HelpTopic);
}

TEST_F(ChooserFixture, RecentGamesBoxChoosesByPosition)
{
    MakeCustomGames({{games::FreeCell, "Easy Cell"}});
    test::StartGame(G, games::Klondike);
    auto d = Open();
    EXPECT_FALSE(d->CB_Favs->isEnabled());
    // Seven games chosen one after another: the box keeps the last six.
    const std::pair<int, int32_t> chosen[] = {{games::Klondike, -1},  {games::Star, -1},      {games::FreeCell, 0},
                                              {games::Braid, -1},     {games::Scorpion, -1},  {games::Canfield, -1},
                                              {games::MonteCarlo, -1}};
    for (const auto& [game, key] : chosen) PlayChosenGame(G, Path("quillo.cus"), d->RecentGames, game, key);
    EXPECT_EQ(G.T.CurrentGame, games::MonteCarlo);
    d->Prepare();
    ASSERT_EQ(d->CB_Favs->count(), 6);
    EXPECT_TRUE(d->CB_Favs->isEnabled());
    const char* expected[] = {"Monte Carlo", "Canfield", "Scorpion", "Braid", "Easy Cell", "Star"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(d->CB_Favs->itemText(i).toStdString(), expected[i]) << i;
    EXPECT_EQ(d->CB_Favs->currentIndex(), 0);

    d->CB_FavsChange(4);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->ChosenGame, games::FreeCell);
    EXPECT_EQ(d->ChosenCustom, 0);
    PlayChosenGame(G, Path("quillo.cus"), d->RecentGames, d->ChosenGame, d->ChosenCustom);
    EXPECT_EQ(G.T.GameName, "Easy Cell");
    EXPECT_EQ(d->RecentGames.front(), (RecentGame{games::FreeCell, 0}));
}

TEST_F(ChooserFixture, DeletingACustomGame)
{
    MakeCustomGames({{games::FreeCell, "Easy Cell"}, {games::Klondike, "Open Klondike"}});
    test::StartGame(G, games::Klondike);
    G.T.CurrentCustom = 1;  // "Open Klondike" is being played
    auto d = Open();
    d->RecentGames = {{games::Klondike, 1}, {games::FreeCell, 0}, {games::Star, -1}};
    d->Prepare();
    const size_t listed = d->SG_Table.Rows().size();

    // A built-in row: nothing happens, nothing is asked.
    d->SelectRow(d->SG_Table.Find(games::Star, -1));
    d->DeleteCustomGame();
    EXPECT_TRUE(Box.Errors.empty());
    EXPECT_TRUE(Box.Questions.empty());

    // The game being played is refused, naming it; nothing changes.
    d->SelectRow(d->SG_Table.Find(games::Klondike, 1));
    d->DeleteCustomGame();
    ASSERT_EQ(Box.Errors.size(), 1u);
    EXPECT_EQ(Box.Errors[0], "Open Klondike is currently loaded now and cannot be deleted!");
    EXPECT_EQ(ReadCustomGames(Path("quillo.cus")).Records.size(), 2u);

    // Answering No keeps it.
    d->SelectRow(d->SG_Table.Find(games::FreeCell, 0));
    Box.Answer = false;
    d->DeleteCustomGame();
    ASSERT_EQ(Box.Questions.size(), 1u);
    EXPECT_EQ(Box.Questions[0], "Delete custom game Easy Cell ?");
    EXPECT_EQ(d->SG_Table.Rows().size(), listed);

    // Yes: gone from the list, the recent games and the file.
    Box.Answer = true;
    d->DeleteCustomGame();
    EXPECT_EQ(d->SG_Table.Rows().size(), listed - 1);
    EXPECT_EQ(d->SG_Table.Find(games::FreeCell, 0), -1);
    EXPECT_EQ(d->Model->rowCount(), static_cast<int>(listed - 1));
    EXPECT_EQ(d->SelectedRow(), -1);
    EXPECT_EQ(d->RecentGames, (std::vector<RecentGame>{{games::Klondike, 1}, {games::Star, -1}}));
    ASSERT_EQ(d->CB_Favs->count(), 2);
    EXPECT_EQ(d->CB_Favs->itemText(0), "Open Klondike");
    const auto left = ReadCustomGames(Path("quillo.cus")).Records;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Name, "Open Klondike");
    // With no selection OK does nothing.
    d->ChooseSelected();
    EXPECT_NE(d->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quillo
