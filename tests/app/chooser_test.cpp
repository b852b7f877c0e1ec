// The game chooser: sorting by each header section, previews that leave the
// live game alone, the recent games box and deleting custom games; and the
// Customize dialog: how rule codes show, every refusal, what OK stores.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

#include "app/choose_command.h"
#include "app/customize_dialog.h"
#include "app/customize_mapping.h"
#include "app/dialog_support.h"
#include "app/games_dialog.h"
#include "app/recent_games.h"
#include "engine/catalogue.h"
#include "engine/rule_codes.h"
#include "storage/custom_games.h"
#include "storage/game_rows.h"
#include "storage/statistics.h"

namespace quillo {
namespace {

// The dialogs over a real game and a scratch custom-games file.
struct GameDialogs : ::testing::Test {
    test::ProgramDir Dir;
    Game G;
    GameRowTable Rows = GameRowTable::WithCatalogue();
    int32_t Highest = -1;
    test::Messages Box;
    std::vector<QString> Topics;
    int Paints = 0;
    TableState Painted;  // the table as the painter saw it

    // Custom games made from built-in ones, before the chooser exists; then
    // the game in play.
    void Make(std::initializer_list<std::pair<int, const char*>> customs, int playing, int32_t custom = -1)
    {
        for (const auto& [game, name] : customs) {
            test::StartGame(G, game);
            ASSERT_TRUE(SaveCustomGame(Path(), Rows, Highest, G, Highest + 1, name).Ok());
        }
        test::StartGame(G, playing, 777);
        G.T.CurrentCustom = custom;
    }
    std::function<void(const QString&)> Error = [this](const QString& s) { Box.Errors.push_back(s); };
    std::function<bool(const QString&)> Ask = [this](const QString& s) {
        Box.Questions.push_back(s);
        return Box.Answer;
    };
    std::unique_ptr<TF_Games> Open()
    {
        auto d = std::make_unique<TF_Games>(GamesContext{
            .G = &G, .CustomGamesPath = Path(), .StatisticsPath = Dir.File("quillo.won"),
            .Painter = [this](TableState& t, PixelBuffer&) { ++Paints; Painted = t; }, .Error = Error, .Ask = Ask,
            .HelpTopic = [this](const QString& s) { Topics.push_back(s); }, .HelpContext = {}, .Deleted = {}});
        d->Prepare();
        return d;
    }
    std::unique_ptr<TF_Customize> OpenCustomize(int game = -1, const char* name = nullptr)
    {
        if (game >= 0) test::StartGame(G, game);
        auto d = std::make_unique<TF_Customize>(CustomizeContext{
            .G = &G, .Rows = &Rows, .HighestCustomKey = &Highest, .CustomGamesPath = Path(), .Error = Error, .Ask = Ask,
            .Help = {}});
        if (name) d->E_GameName->setText(name);
        return d;
    }
    std::string Path() const { return Dir.File("quillo.cus"); }
    std::vector<CustomGameRecord> Stored() const { return ReadCustomGames(Path()).Records; }
    void Play(TF_Games& d, int game, int32_t custom) { PlayChosenGame(G, Path(), d.RecentGames, game, custom); }
    static std::vector<std::string> Recent(const TF_Games& d)
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.CB_Favs->count(); ++i) out.push_back(d.CB_Favs->itemText(i).toStdString());
        return out;
    }
};

TEST_F(GameDialogs, HeaderSectionsSortAndFlipKeepingTheSelection)
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
        EXPECT_EQ(std::pair(hc->sortIndicatorSection(), hc->sortIndicatorOrder()),
                  std::pair(section, descending ? Qt::DescendingOrder : Qt::AscendingOrder));
        const auto& rows = d->SG_Table.Rows();
        for (size_t i = 1; i < rows.size(); ++i) {
            const std::string &a = rows[i - 1].Column(section), &b = rows[i].Column(section);
            EXPECT_TRUE((descending ? a >= b : a <= b) && (section == 0 || a != b || rows[i - 1].Name <= rows[i].Name))
                << rows[i].Name;
        }
        // The list shows the table's rows in their new order, the same game selected.
        EXPECT_EQ(d->Model->index(0, 0).data().toString().toStdString(), rows[0].Name);
        EXPECT_EQ(rows[static_cast<size_t>(d->SelectedRow())].Name, "Scorpion");
    }
}

TEST_F(GameDialogs, PreviewsLeaveTheLiveGameExactlyAsItWas)
{
    Make({{games::FreeCell, "Easy Cell"}}, games::Klondike);
    const UndoHistory undo = G.Undo;
    const TableState live = G.T;
    auto d = Open();
    EXPECT_EQ(std::pair(d->LastPreviewed(), Paints), std::pair(-1, 1));  // the current game painted at showing
    for (int game = 0; game < CatalogueSize; ++game) {
        if (game == games::Klondike) continue;  // selected already
        SCOPED_TRACE(Catalogue()[static_cast<size_t>(game)].Name);
        d->SelectRow(d->SG_Table.Find(game, -1));
        EXPECT_EQ(std::tuple(d->LastPreviewed(), Painted.CurrentGame, d->Preview().Picture.Empty()),
                  std::tuple(d->SG_Table.Find(game, -1), game, false));
        TableState now = G.T;
        now.RandSeed = live.RandSeed;  // the generator moves on, as after any deal
        EXPECT_TRUE(now.Cards == live.Cards && now.Piles == live.Piles && now.Rules == live.Rules &&
                    now.ChosenRules == live.ChosenRules && now.DealOrder == live.DealOrder &&
                    now.PileOrder == live.PileOrder && G.Undo == undo);
        EXPECT_EQ(std::tie(now.CurrentGame, now.CurrentCustom, now.GameName, now.PreviewMode),
                  std::tie(live.CurrentGame, live.CurrentCustom, live.GameName, live.PreviewMode));
    }
    // A custom game shows its base game's deal.
    d->SelectRow(d->SG_Table.Find(games::FreeCell, 0));
    EXPECT_EQ(std::tie(Painted.CurrentGame, Painted.CurrentCustom), std::tie(games::FreeCell, live.CurrentCustom));
    // A game that is not listed is not played.
    EXPECT_FALSE(PlayChosenGame(G, Path(), d->RecentGames, CatalogueSize, -1));
    EXPECT_TRUE(G.T.Cards == live.Cards && d->RecentGames.empty());
}

// The recent games box keeps the last six games chosen and chooses by
// position. Shown again, the chooser selects the current game, here a custom
// one, with its statistics; OK chooses it, and its rules are its base game's.
TEST_F(GameDialogs, RecentGamesAndTheCurrentGameWithItsStatistics)
{
    Make({{games::FreeCell, "Easy Cell"}}, games::Klondike);
    GameRow& r = Rows.Rows()[static_cast<size_t>(Rows.Find(games::FreeCell, 0))];
    std::tie(r.Played, r.Won, r.BestPlayer, r.BestTime) = std::make_tuple(7, 3, "Ann", "0:04:10");
    ASSERT_TRUE(SaveStatistics(Dir.File("quillo.won"), Rows).Ok());
    auto d = Open();
    EXPECT_FALSE(d->CB_Favs->isEnabled());
    const std::pair<int, int32_t> chosen[] = {{games::Klondike, -1}, {games::Star, -1},     {games::FreeCell, 0},
                                              {games::Braid, -1},    {games::Scorpion, -1}, {games::Canfield, -1},
                                              {games::MonteCarlo, -1}};
    for (const auto& [game, key] : chosen) Play(*d, game, key);
    EXPECT_EQ(G.T.CurrentGame, games::MonteCarlo);
    d->Prepare();
    EXPECT_EQ(Recent(*d),
              (std::vector<std::string>{"Monte Carlo", "Canfield", "Scorpion", "Braid", "Easy Cell", "Star"}));
    EXPECT_EQ(std::pair(d->CB_Favs->isEnabled(), d->CB_Favs->currentIndex()), std::pair(true, 0));
    d->CB_FavsChange(4);
    EXPECT_EQ(std::tuple(d->result(), d->ChosenGame, d->ChosenCustom),
              std::tuple(QDialog::Accepted, games::FreeCell, 0));
    Play(*d, d->ChosenGame, d->ChosenCustom);
    EXPECT_EQ(std::pair(G.T.GameName, d->RecentGames.front()),
              std::pair(std::string("Easy Cell"), RecentGame{games::FreeCell, 0}));

    auto again = Open();
    ASSERT_GE(again->SelectedRow(), 0);
    EXPECT_EQ(again->SG_Table.Rows()[static_cast<size_t>(again->SelectedRow())].Name, "Easy Cell");
    EXPECT_EQ((QStringList{again->L_Play->text(), again->L_Win->text(), again->L_BestPlayer->text(),
                           again->L_BestTime->text()}),
              (QStringList{"7", "3", "Ann", "0:04:10"}));
    again->ChooseSelected();
    EXPECT_EQ(std::tuple(again->result(), again->ChosenGame, again->ChosenCustom),
              std::tuple(QDialog::Accepted, games::FreeCell, 0));
    again->B_RulesClick();
    EXPECT_EQ(Topics,
              std::vector<QString>{QString::fromStdString(std::string(Catalogue()[games::FreeCell].HelpTopic))});
}

TEST_F(GameDialogs, DeletingACustomGame)
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
    EXPECT_EQ(std::pair(Stored().size(), d->SG_Table.Rows().size()), std::pair(size_t{2}, listed));
    // Yes: gone from the list, the recent games and the file.
    remove(games::FreeCell, 0, true);
    EXPECT_EQ(std::tuple(d->SG_Table.Rows().size(), d->Model->rowCount(), d->SG_Table.Find(games::FreeCell, 0),
                         d->SelectedRow()),
              std::tuple(listed - 1, static_cast<int>(listed - 1), -1, -1));
    EXPECT_EQ(d->RecentGames, (std::vector<RecentGame>{{games::Klondike, 1}, {games::Star, -1}}));
    EXPECT_EQ(Recent(*d), (std::vector<std::string>{"Open Klondike", "Star"}));
    EXPECT_TRUE(Stored().size() == 1 && Stored()[0].Name == "Open Klondike");
    // With no selection OK does nothing.
    d->ChooseSelected();
    EXPECT_NE(d->result(), QDialog::Accepted);
}

// A stored value of the stock or the table bar, its position and label, and
// what OK stores back.
TEST(CustomizeBars, BarsShowAndStoreTheirRedeals)
{
    const std::tuple<bool, int32_t, int, const char*, int32_t> rows[] = {
        {true, StockUnlimited, 11, "Unlimited", StockUnlimited},
        {true, StockUnused, 0, "Not used", 1},  // only a built-in game has no stock
        {true, 1, 0, "0", 1},
        {true, 11, 10, "10", 11},
        {true, 40, 10, "10", 11},  // more passes than the bar shows: its last counted place
        {false, RedealsUnlimited, 11, "Unlimited", RedealsUnlimited},
        {false, RedealsNone, 0, "Not used", 0},
        {false, RedealsShowStockPasses, 0, "0", 0},  // Monte Carlo
        {false, 2, 2, "2", 2},
    };
    for (const auto& [stock, stored, position, label, storedBack] : rows) {
        SCOPED_TRACE(testing::Message() << (stock ? "stock " : "table ") << stored);
        EXPECT_EQ(stock ? StockBarPosition(stored) : TableBarPosition(stored), position);
        EXPECT_EQ(stock ? StockBarLabel(stored) : TableBarLabel(stored), label);
        EXPECT_EQ(stock ? StockRedealsOf(position) : TableRedealsOf(position), storedBack);
    }
}

TEST_F(GameDialogs, EveryRefusalLeavesRulesAndFileAlone)
{
    // What is refused, the name typed, whether the game has no starting rank,
    // the error (nullptr: any one, for a write that fails on a directory in
    // the file's place) and the question, answered No.
    const std::tuple<const char*, const char*, bool, const char*, const char*> rows[] = {
        {"fill below base without a starting rank", "Mine", true,
         "The starting rank is not set for this game,\n\nso you cannot fill empty tableau with card rank below "
         "base!",
         ""},
        {"a built-in name, after trimming", "  Free Cell \t", false,
         "Free Cell is author game and cannot be overwritten\n\nPlease enter a new name for the game.", ""},
        {"declining to overwrite", "Old One", false, "", "Old One is already exists. Overwrite it?"},
        {"an empty name", "\x01  ", false, "Please enter a name for the game.", ""},
        {"a failed write", "Mine", false, nullptr, ""},
    };
    const auto texts = [](const char* s) { return *s ? std::vector<QString>{s} : std::vector<QString>{}; };
    for (const auto& [what, name, noStartRank, error, question] : rows) {
        SCOPED_TRACE(what);
        test::StartGame(G, games::Klondike);
        // One custom game already there, under the name "Old One".
        ASSERT_TRUE(SaveCustomGame(Path(), Rows, Highest, G, Highest + 1, "Old One").Ok());
        G.T.CurrentCustom = -1;
        if (noStartRank) G.T.Rules.StartRank = -1;
        const GameRules before = G.T.Rules;
        const size_t stored = Stored().size(), rowsBefore = Rows.Rows().size();
        if (!error && QFile::remove(QString::fromStdString(Path()))) QDir().mkpath(QString::fromStdString(Path()));
        Box = {};
        Box.Answer = false;
        auto d = OpenCustomize(-1, name);
        d->RG_TableConsVal->ClickItem(2);
        d->RG_FillFreeTable->ClickItem(1);
        EXPECT_FALSE(d->B_OkClick());
        EXPECT_TRUE(G.T.Rules == before && (!error || Stored().size() == stored));
        EXPECT_EQ(std::tuple(d->result(), Rows.Rows().size(), G.T.CurrentCustom, Box.Questions),
                  std::tuple(QDialog::Rejected, rowsBefore, -1, texts(question)));
        EXPECT_TRUE(error ? Box.Errors == texts(error) : Box.Errors.size() == 1) << Box.Errors.size();
    }
}

TEST_F(GameDialogs, OkStoresANewCustomGameAndDealsIt)
{
    auto d = OpenCustomize(games::FreeCell);
    EXPECT_EQ(d->E_GameName->text(), "Custom Free Cell 1");
    d->RG_TableConsSuit->ClickItem(3);  // no suit restriction (editable with the order)
    d->RG_TableConsVal->ClickItem(0);
    const uint32_t oldNumber = G.T.Rules.GameNumber;
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    const auto stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(std::tie(stored[0].Key, stored[0].Name, stored[0].BaseGame, stored[0].Rules.TableConsVal),
              std::make_tuple(0, std::string("Custom Free Cell 1"), games::FreeCell, ConsAscending));
    EXPECT_EQ(std::tie(G.T.CurrentCustom, G.T.GameName), std::make_tuple(0, std::string("Custom Free Cell 1")));
    // As stored, before the deal; and a new deal.
    EXPECT_TRUE(G.T.ChosenRules == stored[0].Rules && G.T.Rules.GameNumber != oldNumber);
    for (int p = G.T.Rules.TableFirst; p <= G.T.Rules.TableLast; ++p)
        EXPECT_EQ(G.T.PileAt(p).ConsVal, ConsAscending) << p;  // the piles took the rules
    EXPECT_GE(Rows.Find(games::FreeCell, 0), 0);
    // The next customization of the built-in game proposes the next number.
    EXPECT_EQ(OpenCustomize(games::FreeCell)->E_GameName->text(), "Custom Free Cell 2");
}

TEST_F(GameDialogs, OverwritingAskedForAndCustomGamesKeepTheirKey)
{
    ASSERT_TRUE(OpenCustomize(games::Klondike)->B_OkClick());            // key 0
    ASSERT_TRUE(OpenCustomize(games::Klondike, "Second")->B_OkClick());  // key 1
    // A built-in game saved under an existing custom name, after Yes.
    auto d = OpenCustomize(games::Klondike, "Second");
    d->SB_StockRedeals->setValue(2);
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(Box.Questions.size(), 1u);
    auto stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(std::tie(stored[1].Key, stored[1].Rules.StockRedeals, G.T.CurrentCustom), std::make_tuple(1, 3, 1));
    // The custom game now loaded is saved under its own key, renamed, unasked.
    auto again = OpenCustomize();
    EXPECT_EQ(again->E_GameName->text(), "Second");
    again->E_GameName->setText("Klondike");  // even a built-in name: no check
    ASSERT_TRUE(again->B_OkClick());
    EXPECT_TRUE(Box.Questions.size() == 1 && Box.Errors.empty());
    stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(std::tie(stored[1].Name, G.T.GameName, Highest), std::make_tuple("Klondike", "Klondike", 1));
}

// Monte Carlo's shown stock passes and a pile-own order, which no item
// shows, survive OK; a moved bar shows its label.
TEST_F(GameDialogs, CodesWithoutItemsAndMonteCarlosBar)
{
    auto d = OpenCustomize(games::MonteCarlo);
    EXPECT_EQ(std::make_tuple(d->SB_TableRedeals->value(), d->L_TableRedeals->text()), std::make_tuple(0, QString("0")));
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(G.T.Rules.TableRedeals, 0);
    test::StartGame(G, games::Klondike);
    G.T.Rules.FoundConsVal = ConsKeepPile;
    auto k = OpenCustomize(-1, "Keeps");
    k->SB_StockRedeals->setValue(11);
    EXPECT_EQ(std::pair(k->RG_FoundConsVal->ItemIndex(), k->L_StockRedeals->text()),
              std::pair(-1, QString("Unlimited")));
    ASSERT_TRUE(k->B_OkClick());
    EXPECT_EQ(G.T.Rules.FoundConsVal, ConsKeepPile);
}

}  // namespace
}  // namespace quillo
