// quillo.cus: appending, overwriting in place, deleting through quillo.cut,
// version "1.0" files carried over, and damaged files never losing records.

#include <gtest/gtest.h>

#include "engine/records.h"
#include "engine/test_support.h"
#include "storage/custom_games.h"
#include "storage_support.h"

namespace quillo {
namespace {

using test::Bytes;

std::vector<uint8_t> RulesBytes(const GameRules& r)
{
    ByteWriter w;
    EncodeGameRules(r, w);
    return w.Take();
}

// A live game of the base game, its rules customized a little.
Game Customized(int base, int32_t stockRedeals)
{
    Game g;
    test::SetUpAndDeal(g, base, 100);
    g.T.Rules.StockRedeals = stockRedeals;
    g.T.Rules.TableConsSuit = SuitNone;
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

    Bytes want;
    want.Field("CUSTOMGAME", 11).Field("1.1", 10).I32(0).Field("Easy Klondike", 101).I32(games::Klondike);
    want.Raw(RulesBytes(a.T.Rules));
    EXPECT_EQ(test::Slurp(f.Path), want.B);
    EXPECT_EQ(f.Highest, 0);
    EXPECT_EQ(a.T.CurrentCustom, 0);
    ASSERT_EQ(f.Table.Rows().size(), 56u);
    EXPECT_EQ(f.Table.Rows().back().Column(ColCustomMark), "C");

    Game b = Customized(games::Canfield, 0);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, b, f.Highest + 1, "Strict Cells").Ok());
    EXPECT_EQ(f.Highest, 1);
    EXPECT_EQ(test::Slurp(f.Path).size(), 21 + 2 * CustomGameRecordSize);

    // Overwriting key 0 keeps the length and the record's place; no new row.
    a.T.Rules.StockRedeals = 9;
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, a, 0, "Easy Klondike").Ok());
    CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(r.Records.size(), 2u);
    EXPECT_EQ(r.Records[0].Key, 0);
    EXPECT_EQ(r.Records[0].Rules.StockRedeals, 9);
    EXPECT_EQ(r.Records[1].Name, "Strict Cells");
    EXPECT_EQ(f.Table.Rows().size(), 57u);

}

TEST(CustomGames, NamesAreCutToTheField)
{
    Fixture f;
    Game g = Customized(games::Klondike, 1);
    const std::string hundred(100, 'n');
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, g, 0, hundred).Ok());
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, g, 1, hundred + "XYZ").Ok());
    // A multi-byte letter across the limit is not split.
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, g, 2, std::string(99, 'a') + "\xC3\xA9").Ok());
    CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(r.Records.size(), 3u);
    EXPECT_EQ(r.Records[0].Name, hundred);
    EXPECT_EQ(r.Records[1].Name, hundred);
    EXPECT_EQ(r.Records[2].Name, std::string(99, 'a'));
}

TEST(CustomGames, LoadingPutsTheRulesOverTheBaseGame)
{
    Fixture f;
    Game saved = Customized(games::Canfield, 2);
    saved.T.Rules.FieldWidth = 1;
    saved.T.Rules.CardSizes[3].Width = 5;
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, saved, 0, "Loose Cells").Ok());

    Game live;
    test::SetUpAndDeal(live, games::Canfield, 3);
    const GameRules base = live.T.Rules;
    ASSERT_EQ(LoadCustomGame(live, f.Path, games::Canfield, 0), CustomLoad::Loaded);
    EXPECT_EQ(live.T.GameName, "Loose Cells");
    EXPECT_EQ(live.T.CurrentCustom, 0);
    EXPECT_EQ(live.T.Rules.TableConsSuit, SuitNone);
    EXPECT_EQ(live.T.Rules.StockRedeals, 2);
    EXPECT_EQ(live.T.Rules.FieldWidth, base.FieldWidth);
    EXPECT_EQ(live.T.Rules.CardSizes, base.CardSizes);
    EXPECT_EQ(live.T.ChosenRules, live.T.Rules);
    EXPECT_EQ(live.T.PileAt(live.T.Rules.TableFirst).ConsSuit, SuitNone);  // ApplyRules ran

    // The choose command's whole step, from any current game.
    struct Row {
        int base;
        int32_t key;
        bool ok;
        int32_t wantCustom;
        const char* wantName;
    };
    // A key the file does not hold keeps the base game and its rules.
    const Row rows[] = {{games::Canfield, 0, true, 0, "Loose Cells"},
                        {games::Canfield, 5, true, -1, "Canfield"},
                        {games::Klondike, -1, true, -1, "Klondike"},
                        {CatalogueSize, 0, false, -1, "Klondike"}};
    for (const Row& row : rows) {
        Game g;
        test::SetUpAndDeal(g, games::Klondike, 2);
        EXPECT_EQ(SetUpCustomGame(g, f.Path, row.base, row.key), row.ok) << row.base << " " << row.key;
        EXPECT_EQ(g.T.CurrentCustom, row.wantCustom) << row.base << " " << row.key;
        EXPECT_EQ(g.T.GameName, row.wantName) << row.base << " " << row.key;
    }
}

// A version "1.0" file as an older program wrote it: the two last flags of
// the rules record held nothing meaningful then.
std::vector<uint8_t> OldFile()
{
    Bytes b;
    b.Field("CUSTOMGAME", 11).Field("1.0", 10, 0xEE);
    Game fc = Customized(games::Canfield, 4), kl = Customized(games::Klondike, 5);
    std::vector<uint8_t> r1 = RulesBytes(fc.T.Rules), r2 = RulesBytes(kl.T.Rules);
    r1[453] = 1;
    r1[454] = 0;
    r2[453] = 1;
    r2[454] = 0;
    b.I32(3).Field("Old Cells", 101, 0x41).I32(games::Canfield).Raw(r1);
    b.I32(8).Field("Old Klondike", 101).I32(games::Klondike).Raw(r2);
    return b.B;
}

// A custom Four Packages deals as the base game, shown ranks included,
// under its own building rules.
TEST(CustomGames, FourPackagesUnderOtherBuildingRules)
{
    Fixture f;
    Game saved;
    test::SetUpAndDeal(saved, games::FourPackages, 100);
    saved.T.Rules.TableConsSuit = SuitAlternate;
    saved.T.Rules.MoveUnit = MoveLegalRun;
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, saved, 0, "Coloured Packages").Ok());

    Game live;
    test::SetUpAndDeal(live, games::Klondike, 3);
    ASSERT_TRUE(SetUpCustomGame(live, f.Path, games::FourPackages, 0));
    live.T.Rules.GameNumber = 1;
    NewDeal(live, DealKind::Restart);
    EXPECT_EQ(live.T.GameName, "Coloured Packages");
    EXPECT_EQ(live.T.PileAt(0).ConsSuit, SuitAlternate);
    EXPECT_EQ(live.T.Rules.MoveUnit, MoveLegalRun);
    EXPECT_EQ(live.T.PileAt(14).BaseRank, RankAce) << "pile 4 of deal 1 ends with a King";
}

TEST(CustomGames, VersionOneZeroIsReadAndCarriedOver)
{
    Fixture f;
    test::Spit(f.Path, OldFile());
    EXPECT_EQ(ListCustomGames(f.Path, f.Table), 8);
    EXPECT_EQ(f.Table.Rows()[55].Name, "Old Cells");

    Game live;
    test::SetUpAndDeal(live, games::Canfield, 1);
    ASSERT_EQ(LoadCustomGame(live, f.Path, games::Canfield, 3), CustomLoad::Loaded);
    EXPECT_FALSE(live.T.Rules.FoundTakeCards);       // off
    EXPECT_TRUE(live.T.Rules.EditFoundTakeCards);    // Canfield's own
    EXPECT_EQ(live.T.Rules.StockRedeals, 4);

    // Writing to it keeps both old records, now as version "1.1".
    int32_t highest = 8;
    Game g = Customized(games::Klondike, 6);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, highest, g, 9, "New").Ok());
    CustomGamesRead r = ReadCustomGames(f.Path);
    EXPECT_EQ(r.Version, CustomVersion::V1_1);
    ASSERT_EQ(r.Records.size(), 3u);
    EXPECT_EQ(r.Records[0].Name, "Old Cells");
    EXPECT_FALSE(r.Records[0].Rules.FoundTakeCards);
    EXPECT_TRUE(r.Records[0].Rules.EditFoundTakeCards);
    EXPECT_FALSE(r.Records[1].Rules.FoundTakeCards);
    EXPECT_TRUE(r.Records[1].Rules.EditFoundTakeCards);  // Klondike's own, not the file's 0
    EXPECT_EQ(r.Records[1].Rules.StockRedeals, 5);
    EXPECT_EQ(r.Records[2].Key, 9);
    EXPECT_FALSE(FileExists(f.Path + ".bak"));

    // Deleting from a "1.0" file carries the others over too.
    test::Spit(f.Path, OldFile());
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 8).Ok());
    r = ReadCustomGames(f.Path);
    EXPECT_EQ(r.Version, CustomVersion::V1_1);
    ASSERT_EQ(r.Records.size(), 1u);
    EXPECT_EQ(r.Records[0].Key, 3);
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
    CustomGamesRead r = ReadCustomGames(f.Path);
    ASSERT_EQ(r.Records.size(), 2u);
    EXPECT_EQ(r.Records[0].Name, "G0");
    EXPECT_EQ(r.Records[1].Name, "G2");
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 0).Ok());
    ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 2).Ok());
    EXPECT_EQ(test::Slurp(f.Path).size(), 21u);  // just the header
    EXPECT_EQ(f.Dir.Entries(), std::vector<std::string>{CustomGamesFileName});

    // An interrupted deletion leaves the file as it was.
    Game g = Customized(games::Klondike, 0);
    ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, f.Highest, g, 5, "Keep").Ok());
    const auto before = test::Slurp(f.Path);
    WriteFault fault{WriteFault::Stage::Sync, 0};
    EXPECT_FALSE(DeleteCustomGame(f.Path, games::Klondike, 5, &fault).Ok());
    EXPECT_EQ(test::Slurp(f.Path), before);
    EXPECT_FALSE(SaveCustomGame(f.Path, f.Table, f.Highest, g, 6, "Lost", &fault).Ok());
    EXPECT_EQ(test::Slurp(f.Path), before);
    EXPECT_EQ(f.Highest, 5);  // a failed save hands out no key
}

TEST(CustomGames, ForeignAndDamagedFilesAreKeptAside)
{
    struct Row {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t recordsAfterSave;
    };
    std::vector<uint8_t> old = OldFile();
    std::vector<uint8_t> cut(old.begin(), old.end() - 100);
    Bytes foreign;
    foreign.Field("CUSTOMGAMF", 11).Field("1.1", 10).I32(1);
    Bytes later;
    later.Field("CUSTOMGAME", 11).Field("1.2", 10);
    const Row rows[] = {
        {"cut in the second record", cut, 2},
        {"another title", foreign.B, 1},
        {"another version", later.B, 1},
    };
    for (const Row& row : rows) {
        Fixture f;
        test::Spit(f.Path, row.bytes);
        // Set aside at the first listing, and told once.
        std::vector<std::string> notes;
        ListCustomGames(f.Path, f.Table, &notes);
        ASSERT_EQ(notes.size(), 1u) << row.what;
        EXPECT_NE(notes[0].find(f.Path + ".bak"), std::string::npos) << notes[0];
        notes.clear();
        ListCustomGames(f.Path, f.Table, &notes);
        EXPECT_TRUE(notes.empty()) << row.what;
        int32_t highest = 20;
        Game g = Customized(games::Klondike, 0);
        ASSERT_TRUE(SaveCustomGame(f.Path, f.Table, highest, g, 21, "New").Ok()) << row.what;
        EXPECT_EQ(ReadCustomGames(f.Path).Records.size(), row.recordsAfterSave) << row.what;
        EXPECT_EQ(test::Slurp(f.Path + ".bak"), row.bytes) << row.what;
        // A failed rewrite leaves the file where it was.
        test::Spit(f.Path, row.bytes);
        WriteFault fault{WriteFault::Stage::Rename, 0};
        EXPECT_FALSE(SaveCustomGame(f.Path, f.Table, highest, g, 22, "New", &fault).Ok());
        EXPECT_EQ(test::Slurp(f.Path), row.bytes) << row.what;
        // Deleting from another program's file leaves it alone.
        test::Spit(f.Path, row.bytes);
        if (row.recordsAfterSave == 1) {
            ASSERT_TRUE(DeleteCustomGame(f.Path, games::Klondike, 21).Ok());
            EXPECT_EQ(test::Slurp(f.Path), row.bytes) << row.what;
        }
    }
}

TEST(CustomGames, EveryCutAndBadRecordIsSafe)
{
    const std::vector<uint8_t> whole = OldFile();
    for (size_t n = 0; n <= whole.size(); ++n) {
        CustomGamesRead r = DecodeCustomGames(std::span<const uint8_t>(whole).first(n));
        const size_t complete = n < 21 ? 0 : (n - 21) / CustomGameRecordSize;
        ASSERT_EQ(r.Records.size(), complete) << n;
        if (n >= 21 && n < whole.size()) {
            ASSERT_EQ(r.Source, (n - 21) % CustomGameRecordSize == 0 ? CustomGamesSource::File : CustomGamesSource::Damaged) << n;
        }
    }
    struct Row {
        const char* what;
        size_t offset;
        int32_t value;
    };
    const size_t rec = 21, rules = rec + 109;
    const Row rows[] = {
        {"negative key", rec, -1},
        {"unknown base game", rec + 105, 55},
        {"negative base game", rec + 105, -3},
        {"pile count", rules + 108, 53},
        {"decks", rules + 60, 0},
        {"stock pile", rules + 64, 60},
    };
    for (const Row& row : rows) {
        CustomGamesRead r = DecodeCustomGames(test::WithI32(whole, row.offset, row.value));
        EXPECT_EQ(r.Source, CustomGamesSource::Damaged) << row.what;
        ASSERT_EQ(r.Records.size(), 1u) << row.what;
        EXPECT_EQ(r.Records[0].Key, 8) << row.what;
    }
}

}  // namespace
}  // namespace quillo
