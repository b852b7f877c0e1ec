// Saved games: the layout pinned, a full history round trip onto a live game,
// and damaged files that never reach the live game.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "engine/card_sizes.h"
#include "engine/labels.h"
#include "engine/records.h"
#include "engine/test_support.h"
#include "storage/saved_game.h"
#include "storage_support.h"
#include "support/random_play.h"

namespace quillo {
namespace {

using test::Bytes;

// A view that keeps what the engine last told it.
struct RecordingView : TableView {
    double Now = 0.0;
    std::string Caption;
    std::map<StatusLabel, std::optional<std::string>> Labels;
    std::optional<bool> UndoEnabled;
    int ClockStarts = 0;

    double TimeOfDay() const override { return Now; }
    void SetCaption(const std::string& c) override { Caption = c; }
    void SetLabel(StatusLabel l, const std::optional<std::string>& t) override { Labels[l] = t; }
    void SetUndoEnabled(bool on) override { UndoEnabled = on; }
    void StartClock() override { ++ClockStarts; }
};

// A dealt game 00:12:34 into play, begun at 23:59:00 the day before, whose
// history holds `steps` distinct snapshots: each step turns one more card and
// uses one more stock pass.
Game Dealt(int game, uint32_t number, int steps)
{
    Game g;
    test::SetUpAndDeal(g, game, number);
    for (int i = 0; i < steps; ++i) {
        g.T.CardAt(i % g.T.Rules.TotalCards).FaceUp ^= true;
        g.T.Rules.StockPass = 2 + i;
        g.Undo.Push(g.T);
    }
    g.UndoEnabled = steps > 0;
    std::tie(g.T.Rules.StartTime, g.T.Rules.NowTime) = std::pair(1.0 - 60.0 / 86400.0, 694.0 / 86400.0);
    return g;
}

TEST(SavedGame, WriterMatchesTheLayoutByteForByte)
{
    Game g = Dealt(games::Klondike, 123456, 1);
    std::tie(g.T.CurrentCustom, g.T.ChosenRules.StockRedeals) = std::pair(7, 3);
    const std::vector<uint8_t> file =
        EncodeSavedGame(CaptureSavedGame(g, "Quillotaire - Klondike [123456]", "Starting Rank: Ace"));

    Bytes b;
    b.Field("SAVEGAME", 10).Field("1.2", 10).I32(games::Klondike).I32(7).Raw(test::RulesBytes(g.T.Rules));
    b.Raw(test::RulesBytes(g.T.ChosenRules)).Counted("Klondike").Counted("H_klondike");
    ByteWriter w;
    for (const Card& c : g.T.Cards) EncodeCard(c, w);
    for (const Pile& p : g.T.Piles) EncodePile(p, w);
    b.Raw(w.Take()).U8(1).I32(2);
    for (const UndoSnapshot& s : g.Undo.Newest(2)) b.Raw({s.begin(), s.end()});
    b.Counted("Quillotaire - Klondike [123456]").Counted("Starting Rank: Ace");
    EXPECT_EQ(file, b.B);
    EXPECT_EQ(ProposedSaveName(g.T), "Klondike [123456]");
}

TEST(SavedGame, FullHistoryRoundTripsOntoTheLiveGame)
{
    test::ScratchDir dir;
    const std::string path = dir.File("Free Cell [77].sav");
    Game saved = Dealt(games::FreeCell, 77, 30);
    ASSERT_EQ(saved.Undo.Count(), 31) << "the live history goes back to the deal";
    ASSERT_TRUE(WriteSavedGame(path, CaptureSavedGame(saved)).Ok());

    // The live game: another game, another card set, mid-play.
    RecordingView view;
    view.Now = 0.9;
    Game live(view);
    test::SetUpAndDeal(live, games::Klondike, 5);
    live.T.Rules.CardSizes = MakeCardSizes(53, 72);
    std::tie(live.T.ActiveCard, live.T.Dragging, live.T.PlayedPending) = std::tuple(3, true, true);

    SavedGameRead r = LoadSavedGame(live, path);
    ASSERT_TRUE(r.Ok()) << r.Message;
    EXPECT_EQ(std::tie(live.T.CurrentGame, live.T.Cards, live.T.Piles, live.T.ChosenRules),
              std::tie(saved.T.CurrentGame, saved.T.Cards, saved.T.Piles, saved.T.ChosenRules));
    // Card sizes stay this run's; the rest of the rules come from the file.
    GameRules expect = saved.T.Rules;
    std::tie(expect.CardSizes, expect.StartTime, expect.NowTime) =
        std::tuple(MakeCardSizes(53, 72), live.T.Rules.StartTime, live.T.Rules.NowTime);
    EXPECT_EQ(live.T.Rules, expect);
    // Pointer state cleared; a load neither sets nor clears PlayedPending.
    EXPECT_EQ(std::tuple(live.T.ActiveCard, live.T.MarkedCard, live.T.Dragging, live.T.PlayedPending),
              std::tuple(-1, -1, false, true));
    // The clock goes on from 00:12:34.
    EXPECT_EQ(std::tuple(view.Labels[StatusLabel::Time], view.Caption, view.UndoEnabled,
                         view.Labels[StatusLabel::StockAndWaste], view.ClockStarts > 0),
              std::tuple("Time: 00:12:34", "Quillotaire - Free Cell [77]", true, StockWasteLabelText(saved.T), true));

    // Undo steps back through all twenty snapshots in order.
    ASSERT_EQ(live.Undo.Count(), UndoSlots);
    const std::vector<UndoSnapshot> loaded = live.Undo.Newest(UndoSlots), kept = saved.Undo.Newest(UndoSlots);
    for (int i = UndoSlots - 1; i >= 0; --i) {
        TableState a = live.T, b = saved.T;
        ReadSnapshot(loaded[static_cast<size_t>(i)], a);
        ReadSnapshot(kept[static_cast<size_t>(i)], b);
        EXPECT_EQ(std::tie(a.Cards, a.Rules.StockPass), std::tuple(b.Cards, 2 + 30 - UndoSlots + i)) << i;
    }
}

TEST(SavedGame, AFileSavedRightAfterTheDealLoadsAndForeignOrOutdatedOnesDoNot)
{
    SavedGame s = CaptureSavedGame(Dealt(games::Klondike, 9, 0), "Quillotaire - Klondike [9]", "");
    s.CurrentCustom = 12;
    const std::vector<uint8_t> good = EncodeSavedGame(s);
    const std::string outdated = "The save game version is outdated!";
    const std::tuple<const char*, const char*, SavedGameOutcome, std::string> rows[] = {
        {"SAVEGAME", "1.2", SavedGameOutcome::Loaded, ""},
        {"CARDSSET", "1.2", SavedGameOutcome::NotASavedGame, ""},
        {"", "", SavedGameOutcome::NotASavedGame, ""},
        {"SAVEGAME", "1.1", SavedGameOutcome::Outdated, outdated},
        {"SAVEGAME", "1.20", SavedGameOutcome::Outdated, outdated},
    };
    for (const auto& [title, version, want, message] : rows) {
        const Bytes b = Bytes().Field(title, 10, 0x55).Field(version, 10, 0x55).Raw({good.begin() + 20, good.end()});
        SavedGameRead r = DecodeSavedGame(b.B);
        EXPECT_EQ(std::tie(r.Outcome, r.Message), std::tie(want, message)) << title << " " << version;
    }
    // Put on: nothing to undo, and an empty label shown as the empty text (not hidden).
    RecordingView view;
    Game live(view);
    test::SetUpAndDeal(live, games::FreeCell, 1);
    view.Labels[StatusLabel::StartRank] = "Starting Rank: 5";
    ASSERT_TRUE(ApplySavedGame(live, DecodeSavedGame(good).Game));
    EXPECT_EQ(std::tie(view.UndoEnabled, live.T.CurrentCustom, view.Labels[StatusLabel::StartRank]),
              std::tuple(false, 12, ""));
}

TEST(SavedGame, EveryCutLeavesTheLiveGameUntouched)
{
    test::ScratchDir dir;
    const std::string path = dir.File("cut.sav");
    Game saved = Dealt(games::Canfield, 3, 1);
    const std::vector<uint8_t> whole = EncodeSavedGame(CaptureSavedGame(saved));
    RecordingView view;
    Game live(view);
    test::SetUpAndDeal(live, games::Klondike, 8);
    // The live game as a save would write it, to show a failed load changed nothing.
    auto image = [&] { return EncodeSavedGame(CaptureSavedGame(live)); };
    const std::vector<uint8_t> before = image();
    for (size_t n = 0; n < whole.size(); ++n) {
        const SavedGameOutcome want = n < 10 ? SavedGameOutcome::NotASavedGame : SavedGameOutcome::Damaged;
        ASSERT_EQ(DecodeSavedGame(std::span<const uint8_t>(whole).first(n)).Outcome, want) << n;
    }
    // Through the file, a few cuts reach the load command itself.
    for (size_t n : {size_t{19}, whole.size() - 1}) {
        test::Spit(path, {whole.begin(), whole.begin() + static_cast<long>(n)});
        view.Caption = "unchanged";
        SavedGameRead r = LoadSavedGame(live, path);
        EXPECT_FALSE(r.Ok() || r.Message.empty());
        EXPECT_EQ(std::tuple(image(), view.Caption), std::tuple(before, "unchanged")) << n;
    }
    EXPECT_EQ(LoadSavedGame(live, dir.File("none.sav")).Outcome, SavedGameOutcome::IoError);
    EXPECT_EQ(image(), before);
}

TEST(SavedGame, RecordsOutsideTheEnginesArraysAreRejected)
{
    const SavedGame s = CaptureSavedGame(Dealt(games::Klondike, 1, 1));
    // Records whose numbers would lead the engine outside its arrays.
    const std::pair<const char*, void (*)(SavedGame&)> rows[] = {
        {"unknown game", [](SavedGame& x) { x.CurrentGame = 55; }},
        {"too many piles", [](SavedGame& x) { x.Rules.PileCount = 53; }},
        {"stock outside", [](SavedGame& x) { x.Rules.StockPile = x.Rules.PileCount; }},
        {"chosen rules", [](SavedGame& x) { x.ChosenRules.PileCount = 60; }},
        {"card on no pile", [](SavedGame& x) { x.Cards[0].PileIndex = 52; }},
        {"card suit", [](SavedGame& x) { x.Cards[0].Suit = 4; }},
        {"pile count", [](SavedGame& x) { x.Piles[1].Count += 1; }},
        {"snapshot", [](SavedGame& x) { x.Undo[1][28] = 99; }},  // PileIndex of card 0
        {"huge field", [](SavedGame& x) { x.Rules.FieldWidth = 1 << 30; }},
        {"scale not a number", [](SavedGame& x) { x.Rules.ScaleY = std::nan(""); }},
        {"fan step overflowing", [](SavedGame& x) { x.Piles[3].FanY = INT32_MIN; }},
    };
    for (const auto& [what, spoil] : rows) {
        SavedGame bad = s;
        spoil(bad);
        SavedGameRead r = DecodeSavedGame(EncodeSavedGame(bad));
        EXPECT_TRUE(r.Outcome == SavedGameOutcome::Damaged && r.Message.find("damaged") != r.Message.npos) << what;
    }
}

// Positions reached by play, with their undo histories, pass the reader's
// checks and come back whole.
TEST(SavedGame, PlayedPositionsOfEveryGameRoundTrip)
{
    std::vector<PlayerAction> scratch;
    for (int game : test::LaidOutGames())
        for (uint32_t number : {1u, 2u, 3u}) {
            Game g;
            test::SetUpAndDeal(g, game, number);
            uint32_t x = number * 7919u;
            for (int round = 0; round < 12 && test::PlayRandomSteps(g, x, 10, scratch); ++round) {
                SavedGameRead r = DecodeSavedGame(EncodeSavedGame(CaptureSavedGame(g)));
                ASSERT_TRUE(r.Ok()) << GameNameOf(game) << " #" << number << " round " << round << ": " << r.Message;
                Game back;
                ASSERT_TRUE(ApplySavedGame(back, r.Game));
                ASSERT_EQ(std::tuple(back.T.Cards, back.Undo.Count()),
                          std::tuple(g.T.Cards, std::min(g.Undo.Count(), UndoSlots)));
            }
        }
}

}  // namespace
}  // namespace quillo
