// quillo.won and the counting of games: the layout pinned, the record rule,
// and files the program cannot read kept rather than overwritten.

#include <gtest/gtest.h>

#include <tuple>

#include "storage/statistics.h"
#include "storage_support.h"

namespace quillo {
namespace {

using test::Bytes;

TEST(Statistics, FileLayoutAndRoundTrip)
{
    test::ScratchDir dir;
    const std::string path = dir.File(StatisticsFileName);
    GameRowTable t = test::TableWithCustom();
    GameRow& star = t.Rows()[games::Star];
    std::tie(star.Played, star.Won, star.BestPlayer, star.BestTime) = std::tuple(12, 3, "Ann", "00:04:05");
    t.Rows().back().Played = 2;
    ASSERT_TRUE(SaveStatistics(path, t).Ok());
    Bytes want;
    want.Field("CARDSSTAT", 10).Field("3.0", 10);
    for (const GameRow& r : t.Rows())
        want.I32(r.Game).I32(r.Key).I32(r.Played).I32(r.Won).Counted(r.BestPlayer).Counted(r.BestTime);
    EXPECT_EQ(test::Slurp(path), want.B);  // every row, those never played too

    GameRowTable back = test::TableWithCustom();
    back.Rows()[0].Played = 99;  // loading starts from zero
    EXPECT_EQ(LoadStatistics(path, back).Source, StatisticsSource::File);
    EXPECT_EQ(back.Rows(), t.Rows());
    EXPECT_EQ(std::tuple(back.LabelsOf(games::Star).Played, back.LabelsOf(games::Star).BestTime),
              std::tuple("12", "00:04:05"));
}

TEST(Statistics, CountingPlayedAndWon)
{
    struct Row {
        const char* what;
        std::string best;
        int elapsed;
        bool ok;
        bool wantRecord;
        std::string wantBest;
    };
    const Row rows[] = {
        {"first win is a record", "", 300, true, true, "00:05:00"},
        {"equal time is not", "00:05:00", 300, true, false, "00:05:00"},
        {"one second less is", "00:05:00", 299, true, true, "00:04:59"},
        {"one second more is not", "00:05:00", 301, true, false, "00:05:00"},
        {"unparsable best counts as absent", "5 Minuten", 900, true, true, "00:15:00"},
        {"twelve-hour text is read", "12:05:00 AM", 301, true, false, "12:05:00 AM"},
        {"record kept only on OK", "00:05:00", 10, false, true, "00:05:00"},
    };
    for (const Row& row : rows) {
        GameRowTable t = test::TableWithCustom();
        GameRow& r = t.Rows().back();
        std::tie(r.BestPlayer, r.BestTime, r.Won) = std::tuple("old", row.best, 4);
        GameRules clock;
        std::tie(clock.StartTime, clock.NowTime) = std::pair(0.4, 0.4 + row.elapsed / 86400.0);
        bool asked = false, askedRecord = false;
        int counted = CountGame(t, ColWon, games::Klondike, 0, clock, [&](bool recordMode) {
            asked = true;
            askedRecord = recordMode;
            return FinishResult{row.ok, "Zoe"};
        });
        // Won is counted either way.
        EXPECT_EQ(std::tuple(counted, asked, askedRecord, r.Won, r.BestTime, r.BestPlayer),
                  std::tuple(static_cast<int>(t.Rows().size()) - 1, true, row.wantRecord, 5, row.wantBest,
                             row.wantRecord && row.ok ? "Zoe" : "old"))
            << row.what;
    }

    GameRowTable t = test::TableWithCustom();
    for (int i = 0; i < 2; ++i) EXPECT_EQ(CountGame(t, ColPlayed, games::Klondike, -1, {}, nullptr), 0);
    EXPECT_EQ(std::tuple(t.Rows()[0].Played, t.Rows()[0].Won), std::tuple(2, 0));
    // A game not listed counts nothing and shows no dialog.
    EXPECT_EQ(CountGame(t, ColWon, 3, 9, {}, [](bool) -> FinishResult { ADD_FAILURE(); return {}; }), -1);
    // Counts never wrap.
    t.Rows()[0].Played = INT32_MAX;
    CountPlayed(t, games::Klondike, -1);
    EXPECT_EQ(t.Rows()[0].Played, INT32_MAX);
}

TEST(Statistics, TimeTexts)
{
    EXPECT_EQ(FormatTimeOfDay(3723), "01:02:03");
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1:02:03", 3723},  {"01:02:03", 3723},   {"23:59:59", 86399}, {"12:00:01 AM", 1}, {"1:00:00 PM", 46800},
        {"24:00:00", {}},   {"1:60:00", {}},      {"1:2:3", {}},       {"", {}},           {"13:00:00 PM", {}},
        {"01:02:03x", {}},  {"123:00:00", {}}};
    for (const auto& [text, want] : rows) EXPECT_EQ(ParseTimeOfDay(text), want) << text;
}

TEST(Statistics, FilesThatCannotBeReadAreSetAsideNotOverwritten)
{
    const std::vector<uint8_t> good =
        Bytes().Field("CARDSSTAT", 10).Field("3.0", 10).I32(0).I32(-1).I32(5).I32(5).Counted("A").Counted("0:00:10").B;
    // A good file, one cut in its record, another version: the last two are set aside once.
    const std::tuple<std::vector<uint8_t>, StatisticsSource, bool> rows[] = {
        {good, StatisticsSource::File, false},
        {{good.begin(), good.end() - 3}, StatisticsSource::Damaged, true},
        {Bytes().Field("CARDSSTAT", 10).Field("2.0", 10).I32(1).B, StatisticsSource::Foreign, true}};
    for (const auto& [bytes, source, setAside] : rows) {
        test::ScratchDir dir;
        const std::string path = dir.File(StatisticsFileName);
        test::Spit(path, bytes);
        GameRowTable t = GameRowTable::WithCatalogue();
        const StatisticsRead first = LoadStatistics(path, t);
        EXPECT_EQ(std::tie(first.Source, first.SetAside), std::tie(source, setAside));
        EXPECT_FALSE(LoadStatistics(path, t).SetAside);
        ASSERT_TRUE(SaveStatistics(path, t).Ok());
        EXPECT_EQ(test::Slurp(path + ".bak"), setAside ? bytes : std::vector<uint8_t>{});
        EXPECT_EQ(LoadStatistics(path, t).Source, StatisticsSource::File);
    }
}

TEST(Statistics, EveryCutAndBadLengthIsSafe)
{
    std::vector<StatisticsRecord> recs;
    const GameRowTable t = test::TableWithCustom();
    for (const GameRow& r : t.Rows())
        recs.push_back(
            {r.Game, r.Key, r.Game + 1, 0, "P" + std::to_string(r.Game), "00:00:0" + std::to_string(r.Game % 10)});
    const std::vector<uint8_t> whole = EncodeStatistics(recs);
    for (size_t n = 0; n <= whole.size(); ++n) {
        StatisticsRead r = DecodeStatistics(std::span<const uint8_t>(whole).first(n));
        // Complete records before the cut are kept, in order.
        for (size_t i = 0; i < r.Records.size(); ++i) ASSERT_EQ(r.Records[i], recs[i]) << n;
    }
    // The first record's two text lengths.
    for (size_t off : {size_t{36}, size_t{36 + 4 + 3}})
        for (int32_t v : {0, -1, 257, INT32_MAX}) {
            StatisticsRead r = DecodeStatistics(test::WithI32(whole, off, v));
            EXPECT_EQ(std::tuple(r.Source, r.Records.size()), std::tuple(StatisticsSource::Damaged, 0u))
                << off << " " << v;
        }
}

}  // namespace
}  // namespace quillo
