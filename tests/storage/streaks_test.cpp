// quillo.str: streaks and time played, their layout, the streak rules, every
// cut of the file, and two copies replaying their games on one file.

#include <gtest/gtest.h>

#include <tuple>

#include "storage/streaks.h"
#include "storage_support.h"

namespace quillo {
namespace {

// Plays a string of games on a row: 'W' won, 'L' left unfinished; each took
// ten seconds.
void Play(GameRowTable& t, int32_t game, int32_t key, const std::string& games)
{
    for (char c : games) CountOutcome(t, game, key, c == 'W', 10);
}

struct Shown {
    int32_t Streak, Longest, Seconds;
    bool operator==(const Shown&) const = default;
};
Shown ShownOf(const GameRowTable& t, int32_t game, int32_t key = -1)
{
    const GameRow& r = test::RowOf(t, game, key);
    return {r.Streak, r.LongestStreak, r.SecondsPlayed};
}

TEST(Streaks, WinsExtendAndAnyOtherEndBreaks)
{
    const std::pair<const char*, Shown> cases[] = {{"", {0, 0, 0}},         {"WWW", {3, 3, 30}},
                                                   {"WWL", {0, 2, 30}},      {"WWLW", {1, 2, 40}},
                                                   {"WLWWWLWW", {2, 3, 80}}, {"LLL", {0, 0, 30}}};
    for (const auto& [outcomes, want] : cases) {
        GameRowTable t = test::TableWithCustom();
        Play(t, games::Klondike, 0, outcomes);
        // The built-in game of the same catalogue index is another row.
        EXPECT_EQ(std::pair(ShownOf(t, games::Klondike, 0), ShownOf(t, games::Klondike)), std::pair(want, Shown{}))
            << outcomes;
    }
}

TEST(Streaks, FileLayoutAndRoundTrip)
{
    test::ScratchDir dir;
    const std::string path = dir.File(StreaksFileName);
    GameRowTable t = test::TableWithCustom();
    Play(t, games::Star, -1, "WWLW");
    Play(t, games::Klondike, 0, "W");
    ASSERT_TRUE(SaveStreaks(path, t).Ok());
    EXPECT_TRUE(t.Streaks.empty());

    test::Bytes want;
    want.Field("CARDSSTRK", 10).Field("1.0", 10);
    for (const GameRow& r : t.Rows()) want.I32(r.Game).I32(r.Key).I32(r.Streak).I32(r.LongestStreak).I32(r.SecondsPlayed);
    EXPECT_EQ(test::Slurp(path), want.B);
    EXPECT_EQ(ShownOf(t, games::Star), (Shown{1, 2, 40}));

    GameRowTable back = test::TableWithCustom();
    back.Rows()[0].Streak = 7;  // loading starts from zero
    EXPECT_EQ(LoadStreaks(path, back).Source, StreaksSource::File);
    EXPECT_EQ(back.Rows(), t.Rows());
    // A second write with nothing played changes nothing.
    ASSERT_TRUE(SaveStreaks(path, back).Ok());
    EXPECT_EQ(test::Slurp(path), want.B);
}

TEST(Streaks, EveryCutIsSafe)
{
    std::vector<StreakRecord> recs;
    for (int32_t g = 0; g < 6; ++g) recs.push_back({g, g == 5 ? 3 : -1, g, g + 2, 100 * g});
    const std::vector<uint8_t> whole = EncodeStreaks(recs);
    for (size_t n = 0; n <= whole.size(); ++n) {
        StreaksRead r = DecodeStreaks(std::span<const uint8_t>(whole).first(n));
        const StreaksSource want = n < 20 ? StreaksSource::Foreign
                                   : (n - 20) % 20 == 0 ? StreaksSource::File
                                                        : StreaksSource::Damaged;
        EXPECT_EQ(r.Source, want) << n;
        ASSERT_EQ(r.Records.size(), n < 20 ? 0 : (n - 20) / 20) << n;
        for (size_t i = 0; i < r.Records.size(); ++i) EXPECT_EQ(r.Records[i], recs[i]) << n;
    }
    // Negative counts read as zero; a longest below the streak is raised.
    std::vector<uint8_t> odd = EncodeStreaks({{1, -1, 5, 2, -9}});
    EXPECT_EQ(DecodeStreaks(odd).Records.at(0), (StreakRecord{1, -1, 5, 5, 0}));

    // A damaged file is set aside; what it held whole is still shown.
    test::ScratchDir dir;
    const std::string path = dir.File(StreaksFileName);
    test::Spit(path, {whole.begin(), whole.end() - 3});
    GameRowTable t = test::TableWithCustom();
    EXPECT_TRUE(LoadStreaks(path, t).SetAside);
    EXPECT_EQ(ShownOf(t, 4), (Shown{4, 6, 400}));
}

TEST(SharedStreaks, TwoCopiesReplayTheirGamesOnTheFile)
{
    test::ScratchDir dir;
    const std::string path = dir.File(StreaksFileName);
    // Plays Star (or its custom game under key) on a copy, then writes.
    auto star = [&](GameRowTable& t, const char* outcomes, int32_t key = -1) {
        Play(t, games::Star, key, outcomes);
        return SaveStreaks(path, t).Ok();
    };
    GameRowTable start = test::TableWithCustom(), a = start, b = start, d = start;
    ASSERT_TRUE(star(start, "WW"));

    // Both copies read the file (streak 2), then play and write in turn.
    LoadStreaks(path, a);
    LoadStreaks(path, b);
    ASSERT_TRUE(star(a, "WW"));
    EXPECT_EQ(ShownOf(a, games::Star), (Shown{4, 4, 40}));
    // B's win goes on A's four; then its loss breaks the streak.
    ASSERT_TRUE(star(b, "W"));
    EXPECT_EQ(ShownOf(b, games::Star), (Shown{5, 5, 50}));
    ASSERT_TRUE(star(b, "L"));
    ASSERT_TRUE(star(a, "W"));
    EXPECT_EQ(ShownOf(a, games::Star), (Shown{1, 5, 70}));

    // A game only D lists (a custom game A cannot see) is kept by A's write.
    d.AppendCustom("D's own", games::Star, 7);
    LoadStreaks(path, d);
    ASSERT_TRUE(star(d, "W", 7));
    ASSERT_TRUE(star(a, "W"));
    LoadStreaks(path, d);
    EXPECT_EQ(std::pair(ShownOf(d, games::Star, 7), ShownOf(d, games::Star)),
              std::pair(Shown{1, 1, 10}, Shown{2, 5, 80}));

    // A reset here clears the file's record before this copy's games since.
    ResetStreaks(d, games::Star, -1);
    Play(d, games::Star, -1, "W");
    ASSERT_TRUE(star(a, "L"));
    ASSERT_TRUE(SaveStreaks(path, d).Ok());
    EXPECT_EQ(ShownOf(d, games::Star), (Shown{1, 1, 10}));
    // Deleting the custom game drops its record at the next write.
    d.Remove(games::Star, 7);
    ASSERT_TRUE(SaveStreaks(path, d).Ok());
    for (const StreakRecord& r : DecodeStreaks(test::Slurp(path)).Records) EXPECT_NE(r.Key, 7);
}

}  // namespace
}  // namespace quillo
