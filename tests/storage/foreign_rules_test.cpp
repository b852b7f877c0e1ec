// Rules records naming another game than the one whose layout made them:
// every (rules of game, named game) pair of the catalogue, as a custom game
// and as a saved game, is either refused with a message naming the file and
// the game, or deals and plays on without breaking its table.

#include <gtest/gtest.h>

#include <tuple>

#include "engine/autoplay.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/game_fit.h"
#include "engine/test_support.h"
#include "storage/custom_games.h"
#include "storage/saved_game.h"
#include "storage_support.h"
#include "support/random_play.h"

namespace quillo {
namespace {

TEST(ForeignRules, EveryPairIsRefusedOrPlays)
{
    test::ScratchDir dir;
    const std::string cus = dir.File(CustomGamesFileName), sav = dir.File("pair.sav");
    const std::vector<int> all = test::LaidOutGames();
    std::vector<PlayerAction> scratch;
    int played = 0;
    for (int rulesOf : all) {
        Game source;
        test::SetUpAndDeal(source, rulesOf, 77);
        for (int named : all) {
            const std::string label = GameNameOf(rulesOf) + " rules named " + GameNameOf(named);
            uint32_t x = static_cast<uint32_t>(rulesOf * CatalogueSize + named) | 1u;
            // A game's own rules always play; a refusal names the file and the
            // game; what is taken plays on without breaking its table.
            auto check = [&](bool ok, Game& g, const std::string& message, const std::string& path) {
                EXPECT_TRUE(ok || rulesOf != named) << label;
                const bool told = message.find(path) != std::string::npos &&
                                    message.find(GameNameOf(named)) != std::string::npos;
                EXPECT_TRUE(ok ? test::PlayRandomSteps(g, x, 200, scratch) : told)
                    << label << ": " << (ok ? test::PlayedTableFault(g.T).value_or("") : message);
                played += ok;
            };
            // Written afresh: truncating the last one would wait for the disk.
            std::filesystem::remove(cus);
            std::filesystem::remove(sav);
            test::Spit(cus, EncodeCustomGames({{0, "Pair", named, source.T.Rules}}));
            Game g;
            std::string refused;
            const bool set = SetUpCustomGame(g, cus, named, 0, &refused);
            ASSERT_TRUE(!set || (g.T.CurrentCustom == 0 && NewDeal(g, DealKind::New))) << label;
            check(set, g, refused, cus);

            SavedGame s = CaptureSavedGame(source);
            s.CurrentGame = named;
            test::Spit(sav, EncodeSavedGame(s));
            Game live;
            test::SetUpAndDeal(live, games::Klondike, 5);
            const auto before = live.T.Cards;
            const SavedGameRead read = LoadSavedGame(live, sav);
            check(read.Ok(), live, read.Message, sav);
            EXPECT_TRUE(read.Ok() || (live.T.Cards == before && live.T.CurrentGame == games::Klondike)) << label;
        }
    }
    // Most pairs do not fit and are refused.
    EXPECT_LT(played, static_cast<int>(all.size() * all.size()));
}

// The crash this guards against: a custom game whose base game field no
// longer matches its rules, current at start-up.
TEST(ForeignRules, CustomRecordsThatDoNotFitAreSetAsideAndKept)
{
    test::ScratchDir dir;
    const std::string path = dir.File(CustomGamesFileName);
    Game fc, kl;
    test::SetUpAndDeal(fc, games::FreeCell, 1);
    test::SetUpAndDeal(kl, games::Klondike, 1);
    GameRules stockless = fc.T.Rules;
    stockless.StockRedeals = 2;  // Free Cell has no stock to redeal
    const std::vector<CustomGameRecord> written = {
        {0, "Sound", games::Klondike, kl.T.Rules},
        {1, "Flipped", games::Klondike ^ 1, kl.T.Rules},
        {2, "No stock", games::FreeCell, stockless},
    };
    const std::vector<uint8_t> bytes = EncodeCustomGames(written);
    test::Spit(path, bytes);

    CustomGamesRead read = ReadCustomGames(path);
    ASSERT_EQ(std::tuple(read.Source, read.Records.size(), read.SetAside.size()),
              std::tuple(CustomGamesSource::File, 1u, 2u));
    EXPECT_EQ(SetAsideMessage(path, read.SetAside[0]),
              "The custom game \"Flipped\" in " + path +
                  " does not fit Big Harp (another number of cards); it is set aside.");

    auto table = GameRowTable::WithCatalogue();
    int32_t highest = ListCustomGames(path, table);
    // Only the sound one is offered; set-aside keys are not handed out again.
    EXPECT_EQ(std::tuple(table.Rows().size(), highest), std::tuple(CatalogueSize + 1u, 2));

    // Neither chosen nor current at start-up does it reach the deal.
    // Key 0 is Klondike's, not Free Cell's.
    Game g;
    for (auto [base, key, says] : {std::tuple(games::Klondike ^ 1, 1, "Flipped"),
                                   std::tuple(+games::FreeCell, 0, "is a game of Klondike, not of Free Cell")}) {
        std::string refused;
        EXPECT_FALSE(SetUpCustomGame(g, path, base, key, &refused));
        EXPECT_NE(refused.find(says), std::string::npos) << refused;
    }
    EXPECT_EQ(LoadCustomGame(g, path, games::Klondike ^ 1, 1), CustomLoad::Refused);

    // Rewrites keep the set-aside records byte for byte.
    Game more;
    test::SetUpAndDeal(more, games::Canfield, 3);
    ASSERT_TRUE(SaveCustomGame(path, table, highest, more, highest + 1, "More").Ok());
    ASSERT_TRUE(DeleteCustomGame(path, games::Klondike, 0).Ok());
    const std::vector<uint8_t> after = test::Slurp(path);
    const size_t kept = 2 * CustomGameRecordSize;
    ASSERT_EQ(after.size(), bytes.size());
    EXPECT_TRUE(std::equal(bytes.end() - kept, bytes.end(), after.end() - kept));
    read = ReadCustomGames(path);
    ASSERT_EQ(std::tuple(read.Records.size(), read.SetAside.size()), std::tuple(1u, 2u));
    EXPECT_EQ(read.Records[0].Name, "More");
}

// Past every reader, the engine itself will not deal or press on a table
// whose rules are another game's: a fault asserted in debug builds, refused
// (nothing changes) in release ones.
TEST(ForeignRules, TheDealAndHooksRefuseATableThatDoesNotFit)
{
    Game kl;
    test::SetUpAndDeal(kl, games::Klondike, 1);
    Game g;
    test::SetUpAndDeal(g, games::Osmosis, 1);
    g.T.Rules = kl.T.Rules;  // what a record with a flipped base game once put there
    const auto before = g.T.Cards;
    EXPECT_DEBUG_DEATH(EXPECT_FALSE(NewDeal(g, DealKind::New)), "do not fit");
    EXPECT_DEBUG_DEATH(FieldPress(g, {Button::Left, 0, g.T.CardAt(0).PileIndex, 1, 1}), "do not fit");
    EXPECT_DEBUG_DEATH(EXPECT_FALSE(IsWon(g.T)), "do not fit");
    EXPECT_EQ(g.T.Cards, before);
}

}  // namespace
}  // namespace quillo
