// The Customize dialog: how rule codes show on its controls, the name it
// proposes, every refusal, and what OK stores and deals.

#include <QCheckBox>
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

    std::unique_ptr<TF_Customize> Open()
    {
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
        return std::make_unique<TF_Customize>(ctx);
    }
    std::string Path() const { return Dir.File("quillo.cus"); }
    std::vector<CustomGameRecord> Stored() const { return ReadCustomGames(Path()).Records; }
};

TEST_F(CustomizeFixture, ControlsShowTheLiveRulesAndTheirEditFlags)
{
    test::StartGame(G, games::Klondike);
    auto d = Open();
    const GameRules& r = G.T.Rules;
    EXPECT_EQ(d->windowTitle(), "Customize Game");
    EXPECT_EQ(d->RG_FillFreeTable->ItemIndex(), 1);  // King
    EXPECT_EQ(d->L_TableRedeals->text(), "Not used");
    EXPECT_EQ(d->SB_StockRedeals->isEnabled(), r.EditStockRedeals);
    EXPECT_EQ(d->E_GameName->text(), "Custom Klondike 1");

    // A click on another item changes the picture; moving a bar its label.
    d->RG_TableConsVal->ClickItem(0);
    EXPECT_EQ(d->RG_TableConsVal->PictureIndex(), 0);
    d->SB_StockRedeals->setValue(3);
    EXPECT_EQ(d->L_StockRedeals->text(), "3");
    d->SB_StockRedeals->setValue(11);
    EXPECT_EQ(d->L_StockRedeals->text(), "Unlimited");
}

TEST_F(CustomizeFixture, EveryRefusalLeavesRulesAndFileAlone)
{
    struct Row {
        const char* What;
        const char* Name;
        bool NoStartRank;
        bool Blocked;  // a directory in the file's place: the write fails
        bool Answer;
        const char* Error;     // expected error text, or empty
        const char* Question;  // expected question text, or empty
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
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        test::StartGame(G, games::Klondike);
        // One custom game already there, under the name "Old One".
        ASSERT_TRUE(SaveCustomGame(Path(), Rows, Highest, G, Highest + 1, "Old One").Ok());
        G.T.CurrentCustom = -1;
        if (row.NoStartRank) G.T.Rules.StartRank = -1;
        const GameRules before = G.T.Rules;
        const auto fileBefore = Stored();
        const size_t rowsBefore = Rows.Rows().size();
        if (row.Blocked) {
            QFile::remove(QString::fromStdString(Path()));
            QDir().mkpath(QString::fromStdString(Path()));
        }
        Box = {};
        Box.Answer = row.Answer;

        auto d = Open();
        d->RG_TableConsVal->ClickItem(2);
        d->RG_FillFreeTable->ClickItem(1);
        d->E_GameName->setText(row.Name);
        EXPECT_FALSE(d->B_OkClick());
        EXPECT_EQ(d->result(), QDialog::Rejected);
        EXPECT_TRUE(G.T.Rules == before);
        EXPECT_TRUE(row.Blocked || Stored().size() == fileBefore.size());
        EXPECT_EQ(Rows.Rows().size(), rowsBefore);
        EXPECT_EQ(G.T.CurrentCustom, -1);
        if (!row.Error) {
            EXPECT_EQ(Box.Errors.size(), 1u);
        } else if (*row.Error) {
            ASSERT_EQ(Box.Errors.size(), 1u);
            EXPECT_EQ(Box.Errors[0].toStdString(), row.Error);
        } else {
            EXPECT_TRUE(Box.Errors.empty());
        }
        if (*row.Question) {
            ASSERT_EQ(Box.Questions.size(), 1u);
            EXPECT_EQ(Box.Questions[0].toStdString(), row.Question);
        }
        if (std::string(row.Name) == "  Free Cell \t") {
            EXPECT_EQ(d->E_GameName->text(), "Free Cell");  // the edit holds the trimmed name
        }
    }
}

TEST_F(CustomizeFixture, OkStoresANewCustomGameAndDealsIt)
{
    test::StartGame(G, games::FreeCell);
    auto d = Open();
    EXPECT_EQ(d->E_GameName->text(), "Custom Free Cell 1");
    d->RG_TableConsSuit->ClickItem(3);  // no suit restriction (editable with the order)
    d->RG_TableConsVal->ClickItem(0);
    const uint32_t oldNumber = G.T.Rules.GameNumber;
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(d->result(), QDialog::Accepted);

    const auto stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Key, 0);
    EXPECT_EQ(stored[0].Name, "Custom Free Cell 1");
    EXPECT_EQ(stored[0].BaseGame, games::FreeCell);
    EXPECT_EQ(stored[0].Rules.TableConsVal, ConsAscending);

    EXPECT_EQ(G.T.CurrentCustom, 0);
    EXPECT_EQ(G.T.GameName, "Custom Free Cell 1");
    EXPECT_TRUE(G.T.ChosenRules == stored[0].Rules);  // as stored, before the deal
    EXPECT_NE(G.T.Rules.GameNumber, oldNumber);  // a new deal
    for (int p = G.T.Rules.TableFirst; p <= G.T.Rules.TableLast; ++p)
        EXPECT_EQ(G.T.PileAt(p).ConsVal, ConsAscending) << p;  // the piles took the rules
    EXPECT_GE(Rows.Find(games::FreeCell, 0), 0);

    // The next customization of the built-in game proposes the next number.
    test::StartGame(G, games::FreeCell);
    EXPECT_EQ(Open()->E_GameName->text(), "Custom Free Cell 2");
}

TEST_F(CustomizeFixture, OverwritingAskedForAndCustomGamesKeepTheirKey)
{
    test::StartGame(G, games::Klondike);
    ASSERT_TRUE(Open()->B_OkClick());  // key 0
    test::StartGame(G, games::Klondike);
    auto second = Open();
    second->E_GameName->setText("Second");
    ASSERT_TRUE(second->B_OkClick());  // key 1
    ASSERT_EQ(Stored().size(), 2u);

    // A built-in game saved under an existing custom name, after Yes.
    test::StartGame(G, games::Klondike);
    auto d = Open();
    d->E_GameName->setText("Second");
    d->SB_StockRedeals->setValue(2);
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(Box.Questions.size(), 1u);
    auto stored = Stored();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].Key, 1);
    EXPECT_EQ(stored[1].Rules.StockRedeals, 3);
    EXPECT_EQ(G.T.CurrentCustom, 1);

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

TEST_F(CustomizeFixture, CodesWithoutItemsAndMonteCarlosBar)
{
    test::StartGame(G, games::MonteCarlo);
    ASSERT_EQ(G.T.Rules.TableRedeals, RedealsShowStockPasses);
    auto d = Open();
    EXPECT_EQ(d->SB_TableRedeals->value(), 0);
    EXPECT_EQ(d->L_TableRedeals->text(), "0");
    ASSERT_TRUE(d->SB_TableRedeals->isEnabled());
    ASSERT_TRUE(d->B_OkClick());
    EXPECT_EQ(G.T.Rules.TableRedeals, 0);

    // A pile-own order (4) selects nothing and survives OK.
    test::StartGame(G, games::Klondike);
    G.T.Rules.FoundConsVal = ConsKeepPile;
    auto k = Open();
    EXPECT_EQ(k->RG_FoundConsVal->ItemIndex(), -1);
    k->E_GameName->setText("Keeps");
    ASSERT_TRUE(k->B_OkClick());
    EXPECT_EQ(G.T.Rules.FoundConsVal, ConsKeepPile);
}

}  // namespace
}  // namespace quillo
