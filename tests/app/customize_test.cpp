// The Customize dialog: how rule codes show on its controls, every refusal,
// and what OK stores and deals.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "app/customize_dialog.h"
#include "app/customize_mapping.h"
#include "app/dialog_support.h"
#include "engine/catalogue.h"
#include "engine/rule_codes.h"
#include "storage/custom_games.h"
#include "storage/game_rows.h"

namespace quillo {
namespace {

// A stored value, its bar position and label, and what OK stores back.
TEST(CustomizeBars, BarsShowAndStoreTheirRedeals)
{
    struct Row {
        bool Stock;
        int32_t Stored;
        int Position;
        const char* Label;
        int32_t StoredBack;
    };
    const Row rows[] = {
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
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << (r.Stock ? "stock " : "table ") << r.Stored);
        EXPECT_EQ(r.Stock ? StockBarPosition(r.Stored) : TableBarPosition(r.Stored), r.Position);
        EXPECT_EQ(r.Stock ? StockBarLabel(r.Stored) : TableBarLabel(r.Stored), r.Label);
        EXPECT_EQ(r.Stock ? StockRedealsOf(r.Position) : TableRedealsOf(r.Position), r.StoredBack);
    }
}

// The dialog over a real game and a scratch custom-games file.
struct CustomizeFixture : ::testing::Test {
    test::ProgramDir Dir;
    Game G;
    GameRowTable Rows = GameRowTable::WithCatalogue();
    int32_t Highest = -1;
    test::Messages Box;

    std::unique_ptr<TF_Customize> Open(int game = -1, const char* name = nullptr)
    {
        if (game >= 0) test::StartGame(G, game);
        CustomizeContext ctx;
        ctx.G = &G;
        ctx.Rows = &Rows;
        ctx.HighestCustomKey = &Highest;
        ctx.CustomGamesPath = Path();
        ctx.Error = [this](const QString& s) { Box.Errors.push_back(s); };
        ctx.Ask = [this](const QString& s) {
            Box.Questions.push_back(s);
            return Box.Answer;
        };
        auto d = std::make_unique<TF_Customize>(ctx);
        if (name) d->E_GameName->setText(name);
        return d;
    }
    std::string Path() const { return Dir.File("quillo.cus"); }
    std::vector<CustomGameRecord> Stored() const { return ReadCustomGames(Path()).Records; }
};

TEST_F(CustomizeFixture, EveryRefusalLeavesRulesAndFileAlone)
{
    struct Row {
        const char* What;
        const char* Name;
        bool NoStartRank;
        bool Blocked;  // a directory in the file's place: the write fails
        bool Answer;
        const char* Error;  // expected error text; nullptr: any one error
        const char* Question;
    };
    const Row rows[] = {
        {"fill below base without a starting rank", "Mine", true, false, true,
         "The starting rank is not set for this game,\n\nso you cannot fill empty tableau with card rank below "
         "base!",
         ""},
        {"a built-in name, after trimming", "  Free Cell \t", false, false, true,
         "Free Cell is author game and cannot be overwritten\n\nPlease enter a new name for the game.", ""},
        {"declining to overwrite", "Old One", false, false, false, "", "Old One is already exists. Overwrite it?"},
        {"an empty name", "\x01  ", false, false, true, "Please enter a name for the game.", ""},
        {"a failed write", "Mine", false, true, true, nullptr, ""},
    };
    const auto texts = [](const char* s) { return *s ? std::vector<QString>{s} : std::vector<QString>{}; };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        test::StartGame(G, games::Klondike);
        // One custom game already there, under the name "Old One".
        ASSERT_TRUE(SaveCustomGame(Path(), Rows, Highest, G, Highest + 1, "Old One").Ok());
        G.T.CurrentCustom = -1;
        if (row.NoStartRank) G.T.Rules.StartRank = -1;
        const GameRules before = G.T.Rules;
        const size_t stored = Stored().size(), rowsBefore = Rows.Rows().size();
        if (row.Blocked) {
            QFile::remove(QString::fromStdString(Path()));
            QDir().mkpath(QString::fromStdString(Path()));
        }
        Box = {};
        Box.Answer = row.Answer;
        auto d = Open(-1, row.Name);
        d->RG_TableConsVal->ClickItem(2);
        d->RG_FillFreeTable->ClickItem(1);
        EXPECT_FALSE(d->B_OkClick());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_TRUE(G.T.Rules == before);
        EXPECT_TRUE(row.Blocked || Stored().size() == stored);
        EXPECT_EQ(Rows.Rows().size(), rowsBefore);
        EXPECT_EQ(G.T.CurrentCustom, -1);
        if (row.Error) EXPECT_EQ(Box.Errors, texts(row.Error));
        else EXPECT_EQ(Box.Errors.size(), 1u);
        EXPECT_EQ(Box.Questions, texts(row.Question));
    }
}

TEST_F(CustomizeFixture, OkStoresANewCustomGameAndDealsIt)
{
    auto d = Open(games::FreeCell);
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
    EXPECT_TRUE(G.T.ChosenRules == stored[0].Rules);  // as stored, before the deal
    EXPECT_NE(G.T.Rules.GameNumber, oldNumber);       // a new deal
    for (int p = G.T.Rules.TableFirst; p <= G.T.Rules.TableLast; ++p)
        EXPECT_EQ(G.T.PileAt(p).ConsVal, ConsAscending) << p;  // the piles took the rules
    EXPECT_GE(Rows.Find(games::FreeCell, 0), 0);
    // The next customization of the built-in game proposes the next number.
    EXPECT_EQ(Open(games::FreeCell)->E_GameName->text(), "Custom Free Cell 2");
}

TEST_F(CustomizeFixture, OverwritingAskedForAndCustomGamesKeepTheirKey)
{
    ASSERT_TRUE(Open(games::Klondike)->B_OkClick());            // key 0
    ASSERT_TRUE(Open(games::Klondike, "Second")->B_OkClick());  // key 1
    // A built-in game saved under an existing custom name, after Yes.
    auto d = Open(games::Klondike, "Second");
    d->SB_StockRedeals->setValue(2);
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(Box.Questions.size(), 1u);
    auto stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(std::tie(stored[1].Key, stored[1].Rules.StockRedeals, G.T.CurrentCustom), std::make_tuple(1, 3, 1));
    // The custom game now loaded is saved under its own key, renamed, unasked.
    auto again = Open();
    EXPECT_EQ(again->E_GameName->text(), "Second");
    again->E_GameName->setText("Klondike");  // even a built-in name: no check
    ASSERT_TRUE(again->B_OkClick());
    EXPECT_EQ(Box.Questions.size(), 1u);
    EXPECT_TRUE(Box.Errors.empty());
    stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].Name, "Klondike");
    EXPECT_EQ(G.T.GameName, "Klondike");
    EXPECT_EQ(Highest, 1);
}

// Monte Carlo's shown stock passes and a pile-own order, which no item
// shows, survive OK; a moved bar shows its label.
TEST_F(CustomizeFixture, CodesWithoutItemsAndMonteCarlosBar)
{
    auto d = Open(games::MonteCarlo);
    ASSERT_EQ(G.T.Rules.TableRedeals, RedealsShowStockPasses);
    EXPECT_EQ(d->SB_TableRedeals->value(), 0);
    EXPECT_EQ(d->L_TableRedeals->text(), "0");
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(G.T.Rules.TableRedeals, 0);

    test::StartGame(G, games::Klondike);
    G.T.Rules.FoundConsVal = ConsKeepPile;
    auto k = Open(-1, "Keeps");
    EXPECT_EQ(k->RG_FoundConsVal->ItemIndex(), -1);
    k->SB_StockRedeals->setValue(11);
    EXPECT_EQ(k->L_StockRedeals->text(), "Unlimited");
    ASSERT_TRUE(k->B_OkClick());
    EXPECT_EQ(G.T.Rules.FoundConsVal, ConsKeepPile);
}

}  // namespace
}  // namespace quillo
