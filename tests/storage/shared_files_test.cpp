// Files shared by two copies of the program and files kept through trouble:
// statistics merged at each write, custom-game keys taken from the file,
// repeated keys repaired, links written through, leftovers removed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>
#include <utime.h>

#include "engine/test_support.h"
#include "storage/custom_games.h"
#include "storage/settings_file.h"
#include "storage/statistics.h"
#include "storage_support.h"

namespace quillo {
namespace {

GameRowTable Loaded(const std::string& path)
{
    GameRowTable t = GameRowTable::WithCatalogue();
    LoadStatistics(path, t);
    return t;
}

TEST(SharedStatistics, TwoCopiesAddTheirCountsAndKeepTheBetterTime)
{
    test::ScratchDir dir;
    const std::string path = dir.File(StatisticsFileName);
    GameRowTable start = GameRowTable::WithCatalogue();
    GameRow& first = start.Rows()[games::Star];
    std::tie(first.Played, first.Won, first.BestPlayer, first.BestTime) = std::tuple{10, 4, "Old", "00:05:00"};
    ASSERT_TRUE(SaveStatistics(path, start).Ok());

    // Interleaved writes; the records: b's 4:00 beats 5:00, a's 4:30 does not beat b's.
    GameRowTable a = Loaded(path), b = Loaded(path);
    const std::tuple<GameRowTable*, int, int, std::string> steps[] = {
        {&a, 2, 1, ""}, {&b, 3, 0, "00:04:00"}, {&a, 1, 1, "00:04:30"}, {&b, 0, 2, ""}};
    for (const auto& [copy, played, won, best] : steps) {
        GameRow& star = copy->Rows()[games::Star];
        star.Played += played;
        star.Won += won;
        if (!best.empty()) std::tie(star.BestPlayer, star.BestTime) = std::tuple(copy == &a ? "A" : "B", best);
        ASSERT_TRUE(SaveStatistics(path, *copy).Ok());
    }
    const GameRowTable after = Loaded(path);
    const GameRow& star = test::RowOf(after, games::Star);
    EXPECT_EQ(std::tie(star.Played, star.Won, star.BestPlayer, star.BestTime), std::tuple(16, 8, "B", "00:04:00"));
    // A write shows what the other copy counted.
    EXPECT_EQ(test::RowOf(b, games::Star).Played, 16);
}

TEST(SharedStatistics, RowsOfUnlistedGamesStayUntilDeleted)
{
    test::ScratchDir dir;
    const std::string path = dir.File(StatisticsFileName);
    GameRowTable back = GameRowTable::WithCatalogue();
    back.AppendCustom("Mine", games::Klondike, 3);
    back.AppendCustom("Other", games::FreeCell, 4);
    back.Rows()[back.Rows().size() - 2].Played = 7;
    back.Rows().back().Played = 9;
    ASSERT_TRUE(SaveStatistics(path, back).Ok());

    // The custom games file could not be read: no custom rows, counts kept.
    GameRowTable bare = Loaded(path);
    bare.Rows()[games::Klondike].Played += 1;
    ASSERT_TRUE(SaveStatistics(path, bare).Ok());
    LoadStatistics(path, back);
    EXPECT_EQ(std::tuple(test::RowOf(back, games::Klondike, 3).Played, test::RowOf(back, games::FreeCell, 4).Played,
                         test::RowOf(back, games::Klondike).Played),
              std::tuple(7, 9, 1));

    // Deleted by the player: its row goes at the next write.
    ASSERT_TRUE(back.Remove(games::FreeCell, 4));
    ASSERT_TRUE(SaveStatistics(path, back).Ok());
    StatisticsRead read = DecodeStatistics(test::Slurp(path));
    EXPECT_EQ(read.Records.size(), CatalogueSize + 1u);
    for (const StatisticsRecord& r : read.Records) EXPECT_FALSE(r.Game == games::FreeCell && r.Key == 4);
}

TEST(SharedCustomGames, RepeatedKeysAreRepairedAndWrittenBack)
{
    test::ScratchDir dir;
    const std::string path = dir.File(CustomGamesFileName);
    Game kl;
    test::SetUpAndDeal(kl, games::Klondike, 1);
    const GameRules& rules = kl.T.Rules;
    test::Spit(path, EncodeCustomGames({{2, "First", games::Klondike, rules},
                                          {5, "Second", games::Klondike, rules},
                                          {2, "Third", games::Klondike, rules}}));
    const CustomGamesRead read = ReadCustomGames(path);
    ASSERT_EQ(std::tuple(read.Records.size(), read.Notes.size()), std::tuple(3u, 1u));
    EXPECT_EQ(std::tuple(read.Records[0].Key, read.Records[2].Key), std::tuple(2, 6));
    EXPECT_NE(read.Notes[0].find("Third"), std::string::npos);

    GameRowTable t = GameRowTable::WithCatalogue();
    std::vector<std::string> notes;
    EXPECT_EQ(ListCustomGames(path, t, &notes), 6);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find(path), std::string::npos);
    EXPECT_TRUE(ReadCustomGames(path).Notes.empty());  // the repair was written
}

TEST(PlayerFiles, LinksAreWrittenThroughAndTemporariesFollowTheUmask)
{
    test::ScratchDir dir;
    const std::string target = dir.File("real.won");
    const std::string link = dir.File(StatisticsFileName);
    test::Spit(target, {1});
    ASSERT_EQ(symlink("real.won", link.c_str()), 0);
    const mode_t old = umask(027);
    ASSERT_TRUE(WriteFileAtomic(link, {7, 7}).Ok());
    umask(old);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::Slurp(target), (std::vector<uint8_t>{7, 7}));
    using P = std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(target).permissions(), P::owner_read | P::owner_write | P::group_read);
}

TEST(PlayerFiles, StaleTemporariesAreRemoved)
{
    test::ScratchDir dir;
    const std::string path = dir.File(SettingsFileName);
    const std::string names[] = {"quillo.set.Ab12Cd", "quillo.set.Zz99Yy", "quillo.set.bak", "quillo.set.toolong1",
                                 "quillo.won.Ab12Cd"};
    // All old but one fresh write in progress.
    for (const std::string& n : names) {
        test::Spit(dir.File(n), {1});
        const struct utimbuf old {1000, 1000};
        if (n != "quillo.set.Zz99Yy") utime(dir.File(n).c_str(), &old);
    }
    RemoveStaleTemporaries(path);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"quillo.set.Zz99Yy", "quillo.set.bak", "quillo.set.toolong1",
                                                       "quillo.won.Ab12Cd"}));
}

}  // namespace
}  // namespace quillo
