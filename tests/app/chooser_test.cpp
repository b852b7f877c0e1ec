// The game chooser: sorting by each header section, previews that leave the
// live game alone, the recent games box and deleting custom games.

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <gtest/gtest.h>

#include "app/choose_command.h"
#include "app/dialog_support.h"
#include "app/games_dialog.h"
#include "app/recent_games.h"
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

    // Custom games made from built-in ones, before the chooser exists; then
    // the game in play.
    void Make(std::initializer_list<std::pair<int, const char*>> customs, int playing, int32_t custom = -1)
    {
        GameRowTable rows = GameRowTable::WithCatalogue();
        int32_t highest = -1;
        for (const auto& [game, name] : customs) {
            test::StartGame(G, game);
            ASSERT_TRUE(SaveCustomGame(Path(), rows, highest, G, highest + 1, name).Ok());
        }
        test::StartGame(G, playing, 777);
        G.T.CurrentCustom = custom;
    }
    std::unique_ptr<TF_Games> Open()
    {
        GamesContext ctx;
        ctx.G = &G;
        ctx.CustomGamesPath = Path();
        ctx.StatisticsPath = Dir.File("quillo.won");
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
    std::string Path() const { return Dir.File("quillo.cus"); }
    void Play(TF_Games& d, int game, int32_t custom) { PlayChosenGame(G, Path(), d.RecentGames, game, custom); }
    static std::vector<std::string> Names(const TF_Games& d)
    {
        std::vector<std::string> out;
        for (const GameRow& r : d.SG_Table.Rows()) out.push_back(r.Name);
        return out;
    }
    static std::vector<std::string> Recent(const TF_Games& d)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.CB_Favs->count(); ++i) out.push_back(d.CB_Favs->itemText(i).toStdString());
        return out;
    }
};

TEST_F(ChooserFixture, HeaderSectionsSortAndFlipKeepingTheSelection)
{
    Make({{games::FreeCell, "Zed Cell"}, {games::Klondike, "Alpha Klondike"}}, games::Scorpion);
    auto d = Open();
    QHeaderView* hc = d->LB_Games->horizontalHeader();
    ASSERT_EQ(d->SG_Table.Rows().size(), static_cast<size_t>(CatalogueSize + 2));
    // Clicking a new section sorts it ascending, the same one again flips it;
    // equal texts are kept in name order.
    const std::pair<int, bool> clicks[] = {{1, false}, {1, true}, {2, false}, {0, false}, {0, true}};
    for (const auto& [section, descending] : clicks) {
        SCOPED_TRACE(testing::Message() << "section " << section << (descending ? " down" : " up"));
        d->HC_GamesSectionClick(section);
        EXPECT_EQ(hc->sortIndicatorSection(), section);
        EXPECT_EQ(hc->sortIndicatorOrder(), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        const auto& rows = d->SG_Table.Rows();
        for (size_t i = 1; i < rows.size(); ++i) {
            const std::string &a = rows[i - 1].Column(section), &b = rows[i].Column(section);
            EXPECT_TRUE(descending ? a >= b : a <= b) << rows[i].Name;
            if (section != 0 && a == b) EXPECT_LE(rows[i - 1].Name, rows[i].Name);
        }
        // The list shows the table's rows in their new order, the same game selected.
        EXPECT_EQ(d->Model->index(0, 0).data().toString().toStdString(), rows[0].Name);
        EXPECT_EQ(rows[static_cast<size_t>(d->SelectedRow())].Name, "Scorpion");
    }
    // Level, descending: the hardest games first, custom games ("0") last.
    d->HC_GamesSectionClick(1);
    d->HC_GamesSectionClick(1);
    EXPECT_EQ(d->SG_Table.Rows().front().Level, "5");
    EXPECT_EQ(Names(*d).back(), "Zed Cell");
    // "C": every built-in game by name, then the custom games by name.
    d->HC_GamesSectionClick(2);
    const auto names = Names(*d);
    EXPECT_EQ(std::vector(names.end() - 2, names.end()), (std::vector<std::string>{"Alpha Klondike", "Zed Cell"}));
    EXPECT_FALSE(d->SG_Table.Rows()[CatalogueSize - 1].Custom);
}

TEST_F(ChooserFixture, PreviewsLeaveTheLiveGameExactlyAsItWas)
{
    Make({{games::FreeCell, "Easy Cell"}}, games::Klondike);
    const UndoHistory undo = G.Undo;
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
        EXPECT_TRUE(G.Undo == undo);
    }
    // A custom game shows its base game's deal.
    d->SelectRow(d->SG_Table.Find(games::FreeCell, 0));
    EXPECT_EQ(std::tie(Painted.CurrentGame, Painted.CurrentCustom), std::tie(games::FreeCell, live.CurrentCustom));
    // A game that is not listed is not played.
    EXPECT_FALSE(PlayChosenGame(G, Path(), d->RecentGames, CatalogueSize, -1));
    EXPECT_TRUE(G.T.Cards == live.Cards);
    EXPECT_TRUE(d->RecentGames.empty());
}

TEST_F(ChooserFixture, ShowingSelectsTheCurrentGameAndItsStatistics)
{
    Make({{games::FreeCell, "Easy Cell"}}, games::FreeCell, 0);
    {
        GameRowTable rows = GameRowTable::WithCatalogue();
        ListCustomGames(Path(), rows);
        GameRow& r = rows.Rows()[static_cast<size_t>(rows.Find(games::FreeCell, 0))];
        std::tie(r.Played, r.Won, r.BestPlayer, r.BestTime) = std::make_tuple(7, 3, "Ann", "0:04:10");
        ASSERT_TRUE(SaveStatistics(Dir.File("quillo.won"), rows).Ok());
    }
    auto d = Open();
    ASSERT_GE(d->SelectedRow(), 0);
    EXPECT_EQ(d->SG_Table.Rows()[static_cast<size_t>(d->SelectedRow())].Name, "Easy Cell");
    EXPECT_EQ((QStringList{d->L_Play->text(), d->L_Win->text(), d->L_BestPlayer->text(), d->L_BestTime->text()}),
              (QStringList{"7", "3", "Ann", "0:04:10"}));
    // OK without touching the list chooses the current game.
    d->ChooseSelected();
    EXPECT_EQ(std::tie(d->ChosenGame, d->ChosenCustom), std::make_tuple(games::FreeCell, 0));
    EXPECT_EQ(d->result(), QDialog::Accepted);
    // The rules of a custom game are its base game's.
    d->B_RulesClick();
    ASSERT_EQ(Topics.size(), 1u);
    EXPECT_EQ(Topics[0].toStdString(), Catalogue()[games::FreeCell].HelpTopic);
}

TEST_F(ChooserFixture, RecentGamesBoxChoosesByPosition)
{
    Make({{games::FreeCell, "Easy Cell"}}, games::Klondike);
    auto d = Open();
    EXPECT_FALSE(d->CB_Favs->isEnabled());
    // Seven games chosen one after another: the box keeps the last six.
    const std::pair<int, int32_t> chosen[] = {{games::Klondike, -1}, {games::Star, -1},     {games::FreeCell, 0},
                                              {games::Braid, -1},    {games::Scorpion, -1}, {games::Canfield, -1},
                                              {games::MonteCarlo, -1}};
    for (const auto& [game, key] : chosen) Play(*d, game, key);
    EXPECT_EQ(G.T.CurrentGame, games::MonteCarlo);
    d->Prepare();
    EXPECT_TRUE(d->CB_Favs->isEnabled());
    EXPECT_EQ(Recent(*d),
              (std::vector<std::string>{"Monte Carlo", "Canfield", "Scorpion", "Braid", "Easy Cell", "Star"}));
    EXPECT_EQ(d->CB_Favs->currentIndex(), 0);
    d->CB_FavsChange(4);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(std::tie(d->ChosenGame, d->ChosenCustom), std::make_tuple(games::FreeCell, 0));
    Play(*d, d->ChosenGame, d->ChosenCustom);
    EXPECT_EQ(G.T.GameName, "Easy Cell");
    EXPECT_EQ(d->RecentGames.front(), (RecentGame{games::FreeCell, 0}));
}

TEST_F(ChooserFixture, DeletingACustomGame)
{
    // "Open Klondike" is being played.
    Make({{games::FreeCell, "Easy Cell"}, {games::Klondike, "Open Klondike"}}, games::Klondike, 1);
    auto d = Open();
    d->RecentGames = {{games::Klondike, 1}, {games::FreeCell, 0}, {games::Star, -1}};
    d->Prepare();
    const size_t listed = d->SG_Table.Rows().size();
    const auto remove = [&](int game, int32_t custom, bool yes) {
        d->SelectRow(d->SG_Table.Find(game, custom));
        Box.Answer = yes;
        d->DeleteCustomGame();
    };
    // A built-in row: nothing happens, nothing is asked; the game being played
    // is refused, naming it; answering No keeps it.
    remove(games::Star, -1, true);
    EXPECT_TRUE(Box.Errors.empty() && Box.Questions.empty());
    remove(games::Klondike, 1, true);
    remove(games::FreeCell, 0, false);
    EXPECT_EQ(Box.Errors, std::vector<QString>{"Open Klondike is currently loaded now and cannot be deleted!"});
    EXPECT_EQ(Box.Questions, std::vector<QString>{"Delete custom game Easy Cell ?"});
    EXPECT_EQ(ReadCustomGames(Path()).Records.size(), 2u);
    EXPECT_EQ(d->SG_Table.Rows().size(), listed);
    // Yes: gone from the list, the recent games and the file.
    remove(games::FreeCell, 0, true);
    EXPECT_EQ(d->SG_Table.Rows().size(), listed - 1);
    EXPECT_EQ(d->SG_Table.Find(games::FreeCell, 0), -1);
    EXPECT_EQ(d->Model->rowCount(), static_cast<int>(listed - 1));
    EXPECT_EQ(d->SelectedRow(), -1);
    EXPECT_EQ(d->RecentGames, (std::vector<RecentGame>{{games::Klondike, 1}, {games::Star, -1}}));
    EXPECT_EQ(Recent(*d), (std::vector<std::string>{"Open Klondike", "Star"}));
    const auto left = ReadCustomGames(Path()).Records;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Name, "Open Klondike");
    // With no selection OK does nothing.
    d->ChooseSelected();
    EXPECT_NE(d->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quillo
