// quillo.cus: appending, overwriting in place, deleting through quillo.cut,
// version "1.0" files carried over, and damaged files never losing records.

#include <gtest/gtest.h>

#include <tuple>

#include "engine/records.h"
#include "engine/test_support.h"
#include "storage/custom_games.h"
#include "storage_support.h"

namespace quillo {
namespace {

using test::Bytes;

// A live game of the base game, its rules customized a little.
Game Customized(int base, int32_t stockRedeals)
{
    Game g;
    test::SetUpAndDeal(g, base, 100);
    std::tie(g.T.Rules.StockRedeals, g.T.Rules.TableConsSuit) = std::tuple(stockRedeals, SuitNone);
    return g;
}

struct Fixture {
    test::ScratchDir Dir;
    std::string Path = Dir.File(CustomGamesFileName);
    GameRowTable Table = GameRowTable::WithCatalogue();
    int32_t Highest = ListCustomGames(Path, Table);
};

TEST(CustomGames, SavingAppendsAndOverwritesInPlace)
{
    Fixture f;
    EXPECT_EQ(f.Highest, -1);
    Game a = Customized(games::Klondike, 3);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, a, f.Highest + 1, "Easy Klondike").Ok());

    EXPECT_EQ(test::Slurp(f.Path), Bytes().Field("CUSTOMGAME", 11).Field("1.1", 10).I32(0).Field("Easy Klondike", 101)
                                       .I32(games::Klondike).Raw(test::RulesBytes(a.T.Rules)).B);
    EXPECT_EQ(std::tuple(f.Highest, a.T.CurrentCustom, f.Table.Rows().size()), std::tuple(0, 0, 56u));
    EXPECT_EQ(f.Table.Rows().back().Column(ColCustomMark), "C");

    Game b = Customized(games::Canfield, 0);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, b, f.Highest + 1, "Strict Cells").Ok());
    EXPECT_EQ(std::tuple(f.Highest, test::Slurp(f.Path).size()), std::tuple(1, 21 + 2 * CustomGameRecordSize));

    // Overwriting key 0 keeps the length and the record's place; no new row.
    a.T.Rules.StockRedeals = 9;
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, a, 0, "Easy Klondike").Ok());
    // Names are cut to the field, never inside a multi-byte letter.
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, b, 2, std::string(100, 'n') + "XYZ").Ok());
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, b, 3, std::string(99, 'a') + "\xC3\xA9").Ok());
    CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(r.Records.size(), 4u);
    EXPECT_EQ(std::tie(r.Records[0].Key, r.Records[0].Rules.StockRedeals, r.Records[1].Name, r.Records[2].Name,
                       r.Records[3].Name),
              std::tuple(0, 9, "Strict Cells", std::string(100, 'n'), std::string(99, 'a')));
    EXPECT_EQ(f.Table.Rows().size(), 59u);
}

TEST(CustomGames, LoadingPutsTheRulesOverTheBaseGame)
{
    Fixture f;
    Game saved = Customized(games::Canfield, 2);
    std::tie(saved.T.Rules.FieldWidth, saved.T.Rules.CardSizes[3].Width) = std::pair(1, 5);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, saved, 0, "Loose Cells").Ok());

    Game live;
    test::SetUpAndDeal(live, games::Canfield, 3);
    const GameRules base = live.T.Rules;
    ASSERT_EQ(LoadCustomGame(live, f.Path, games::Canfield, 0), CustomLoad::Loaded);
    EXPECT_EQ(std::tie(live.T.GameName, live.T.CurrentCustom, live.T.Rules.TableConsSuit, live.T.Rules.StockRedeals),
              std::tuple("Loose Cells", 0, SuitNone, 2));
    EXPECT_EQ(std::tie(live.T.Rules.FieldWidth, live.T.Rules.CardSizes), std::tie(base.FieldWidth, base.CardSizes));
    EXPECT_EQ(live.T.ChosenRules, live.T.Rules);
    EXPECT_EQ(live.T.PileAt(live.T.Rules.TableFirst).ConsSuit, SuitNone);  // the rules reached the piles

    // A custom Four Packages deals as the base game, shown ranks included,
    // under its own building rules.
    Game four;
    test::SetUpAndDeal(four, games::FourPackages, 100);
    std::tie(four.T.Rules.TableConsSuit, four.T.Rules.MoveUnit) = std::pair(SuitAlternate, MoveLegalRun);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, four, 1, "Coloured Packages").Ok());
    ASSERT_TRUE(SetUpCustomGame(live, f.Path, games::FourPackages, 1));
    live.T.Rules.GameNumber = 1;
    NewDeal(live, DealKind::Restart);
    EXPECT_EQ(std::tie(live.T.GameName, live.T.PileAt(0).ConsSuit, live.T.Rules.MoveUnit),
              std::tuple("Coloured Packages", SuitAlternate, MoveLegalRun));
    EXPECT_EQ(live.T.PileAt(14).BaseRank, RankAce) << "pile 4 of deal 1 ends with a King";

    // The choose command's whole step, from any current game.
    // Base, key, then set up, custom key and name: a key the file does not
    // hold keeps the base game and its rules.
    const std::tuple<int, int32_t, bool, int32_t, std::string> rows[] = {
        {games::Canfield, 0, true, 0, "Loose Cells"}, {games::Canfield, 5, true, -1, "Canfield"},
        {games::Klondike, -1, true, -1, "Klondike"}, {CatalogueSize, 0, false, -1, "Klondike"}};
    for (const auto& row : rows) {
        Game g;
        test::SetUpAndDeal(g, games::Klondike, 2);
        const bool ok = SetUpCustomGame(g, f.Path, std::get<0>(row), std::get<1>(row));
        EXPECT_EQ(std::tie(std::get<0>(row), std::get<1>(row), ok, g.T.CurrentCustom, g.T.GameName), row);
    }
}

// A version "1.0" file as an older program wrote it: the two last flags of
// the rules record held nothing meaningful then.
std::vector<uint8_t> OldFile()
{
    Bytes b;
    b.Field("CUSTOMGAME", 11).Field("1.0", 10, 0xEE);
    Game fc = Customized(games::Canfield, 4), kl = Customized(games::Klondike, 5);
    std::vector<uint8_t> r1 = test::RulesBytes(fc.T.Rules), r2 = test::RulesBytes(kl.T.Rules);
    for (auto* r : {&r1, &r2}) std::tie((*r)[453], (*r)[454]) = std::pair(1, 0);
    b.I32(3).Field("Old Cells", 101, 0x41).I32(games::Canfield).Raw(r1);
    b.I32(8).Field("Old Klondike", 101).I32(games::Klondike).Raw(r2);
    return b.B;
}

TEST(CustomGames, VersionOneZeroIsReadAndCarriedOver)
{
    Fixture f;
    test::Spit(f.Path, OldFile());
    EXPECT_EQ(ListCustomGames(f.Path, f.Table), 8);
    EXPECT_EQ(f.Table.Rows().at(55).Name, "Old Cells");

    Game live;
    test::SetUpAndDeal(live, games::Canfield, 1);
    ASSERT_EQ(LoadCustomGame(live, f.Path, games::Canfield, 3), CustomLoad::Loaded);
    // The taking flag off, its editing flag Canfield's own.
    EXPECT_EQ(std::tie(live.T.Rules.FoundTakeCards, live.T.Rules.EditFoundTakeCards, live.T.Rules.StockRedeals),
              std::tuple(false, true, 4));

    // Writing to it keeps both old records, now as version "1.1".
    int32_t highest = 8;
    Game g = Customized(games::Klondike, 6);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, highest, g, 9, "New").Ok());
    CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(std::tuple(r.Version, r.Records.size()), std::tuple(CustomVersion::V1_1, 3u));
    // The editing flag is each base game's own, not the file's 0.
    for (const CustomGameRecord& rec : {r.Records[0], r.Records[1]})
        EXPECT_EQ(std::tie(rec.Rules.FoundTakeCards, rec.Rules.EditFoundTakeCards), std::tuple(false, true))
            << rec.Name;
    const bool bak = FileExists(f.Path + ".bak");
    EXPECT_EQ(std::tie(r.Records[0].Name, r.Records[1].Rules.StockRedeals, r.Records[2].Key, bak),
              std::tuple("Old Cells", 5, 9, false));

    // Deleting from a "1.0" file carries the others over too.
    test::Spit(f.Path, OldFile());
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 8).Ok());
    r = ReadCustomGames(f.Path);
    ASSERT_EQ(std::tuple(r.Version, r.Records.size(), r.Records.at(0).Key), std::tuple(CustomVersion::V1_1, 1u, 3));
}

TEST(CustomGames, DeletingRewritesThroughTheTemporaryTwin)
{
    Fixture f;
    for (int k = 0; k < 3; ++k) {
        Game g = Customized(k == 1 ? games::Canfield : games::Klondike, k);
        ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, g, k, "G" + std::to_string(k)).Ok());
    }
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 1).Ok());  // wrong base: nothing goes
    EXPECT_EQ(ReadCustomGames(f.Path).Records.size(), 3u);
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Canfield, 1).Ok());
    const CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(std::tuple(r.Records.size(), r.Records.at(0).Name, r.Records.at(1).Name), std::tuple(2u, "G0", "G2"));
    for (int32_t key : {0, 2}) ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, key).Ok());
    // Just the header, and no temporary twin left behind.
    EXPECT_EQ(std::tuple(test::Slurp(f.Path).size(), f.Dir.Entries()),
              std::tuple(21u, std::vector<std::string>{CustomGamesFileName}));
}

TEST(CustomGames, ForeignAndDamagedFilesAreKeptAside)
{
    // Cut in the second record, another title, another version; and the
    // records a save then keeps.
    const std::vector<uint8_t> old = OldFile();
    const std::pair<std::vector<uint8_t>, size_t> rows[] = {
        {{old.begin(), old.end() - 100}, 2},
        {Bytes().Field("CUSTOMGAMF", 11).Field("1.1", 10).I32(1).B, 1},
        {Bytes().Field("CUSTOMGAME", 11).Field("1.2", 10).B, 1}};
    for (const auto& [bytes, recordsAfterSave] : rows) {
        SCOPED_TRACE(bytes.size());
        Fixture f;
        test::Spit(f.Path, bytes);
        // Set aside at the first listing, and told once.
        std::vector<std::string> notes;
        for (int i = 0; i < 2; ++i) ListCustomGames(f.Path, f.Table, &notes);
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_NE(notes[0].find(f.Path + ".bak"), std::string::npos) << notes[0];
        int32_t highest = 20;
        Game g = Customized(games::Klondike, 0);
        ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, highest, g, 21, "New").Ok());
        EXPECT_EQ(std::tuple(ReadCustomGames(f.Path).Records.size(), test::Slurp(f.Path + ".bak")),
                  std::tuple(recordsAfterSave, bytes));
        // A failed rewrite, or deleting from another program's file, leaves it
        // alone, and the failed save hands out no key.
        test::Spit(f.Path, bytes);
        WriteFault fault{WriteFault::Stage::Rename, 0};
        EXPECT_FALSE(SaveCustomGame(f.Path, f.Table, highest, g, 22, "New", &fault).Ok());
        ASSERT_TRUE(recordsAfterSave != 1 || DeleteCustomGame(f.Path, games::Klondike, 21).Ok());
        EXPECT_EQ(std::tuple(test::Slurp(f.Path), highest), std::tuple(bytes, 21));
    }
}

TEST(CustomGames, EveryCutAndBadRecordIsSafe)
{
    const std::vector<uint8_t> whole = OldFile();
    for (size_t n = 0; n <= whole.size(); ++n) {
        CustomGamesRead r = DecodeCustomGames(std::span<const uint8_t>(whole).first(n));
        ASSERT_EQ(r.Records.size(), n < 21 ? 0 : (n - 21) / CustomGameRecordSize) << n;
        // Cut at a record's end the file reads whole; anywhere else it is damaged.
        const bool ends = n >= 21 && (n - 21) % CustomGameRecordSize == 0;
        const CustomGamesSource want = ends ? CustomGamesSource::File : CustomGamesSource::Damaged;
        ASSERT_TRUE(n < 21 || n == whole.size() || r.Source == want) << n;
    }
    // Key, base game (twice), pile count, decks and stock pile of the first record.
    const size_t rec = 21, rules = rec + 109;
    const std::pair<size_t, int32_t> rows[] = {{rec, -1},          {rec + 105, 55},   {rec + 105, -3},
                                               {rules + 108, 53}, {rules + 60, 0},   {rules + 64, 60}};
    for (const auto& [offset, value] : rows) {
        CustomGamesRead r = DecodeCustomGames(test::WithI32(whole, offset, value));
        ASSERT_EQ(std::tuple(r.Source, r.Records.size()), std::tuple(CustomGamesSource::Damaged, 1u)) << offset;
        EXPECT_EQ(r.Records[0].Key, 8) << offset;
    }
}

}  // namespace
}  // namespace quillo
