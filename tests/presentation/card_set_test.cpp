// Card sets and frames: every shipped set loads as the drawing needs it, and
// damaged files are refused without touching what is loaded.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "art/card_set_builder.h"
#include "art/data_generator.h"
#include "art/drawn_card_set.h"
#include "card_set_checks.h"
#include "engine/card_sizes.h"
#include "gui_support.h"
#include "presentation/card_set_format.h"
#include "presentation/card_set_reader.h"
#include "presentation/card_set_writer.h"
#include "presentation/image_loader.h"
#include "presentation/image_writer.h"
#include "presentation/raster_ops.h"
#include "storage/atomic_file.h"

namespace quillo {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::string& path)
{
    std::string error;
    auto bytes = ReadWholeFile(path, error);
    EXPECT_TRUE(bytes) << path << error;
    return bytes ? *bytes : Bytes{};
}

// A copy of b with the bytes v written at at.
Bytes patch(Bytes b, size_t at, std::initializer_list<uint8_t> v)
{
    std::copy(v.begin(), v.end(), b.begin() + static_cast<long>(at));
    return b;
}

class CardSets : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::EnsureGui();
        Dir = test::FreshDir("cardsets");
        std::string error;
        ASSERT_TRUE(art::WriteFramesFiles(Dir, error)) << error;
        ASSERT_TRUE(art::WriteCardSets(Dir, error)) << error;
    }
    static std::string Path(const std::string& name) { return Dir + "/" + name; }

    struct Loaded {
        bool Ok = false;
        int Advances = 0;
        std::vector<std::string> Messages;
        std::vector<bool> BackEnabled;
    };
    static Loaded Load(const std::string& path, CardImageStore& store, GameRules& rules, const std::string& dir = Dir)
    {
        Loaded l;
        CardSetHooks hooks;
        hooks.ProgramDir = dir;
        hooks.Advance = [&] { ++l.Advances; };
        hooks.Message = [&](const std::string& m) { l.Messages.push_back(m); };
        hooks.EnableBack = [&](bool on) { l.BackEnabled.push_back(on); };
        l.Ok = LoadCardSet(path, store, rules, hooks);
        return l;
    }
    static Loaded LoadBytes(const Bytes& bytes, CardImageStore& store, GameRules& rules)
    {
        EXPECT_TRUE(WriteFileAtomic(Path("scratch.cr3"), bytes).Ok());
        return Load(Path("scratch.cr3"), store, rules);
    }

    static inline std::string Dir;
};

TEST_F(CardSets, EveryShippedSetLoadsWithSizesFromTheTableAndAllEightSheets)
{
    for (const art::CardSetPlan& plan : art::ShippedCardSets()) {
        SCOPED_TRACE(plan.FileName);
        CardImageStore store;
        GameRules rules;
        const Loaded l = Load(Path(plan.FileName), store, rules);
        ASSERT_TRUE(l.Ok && l.Messages.empty());
        EXPECT_EQ(std::tie(l.Advances, store.Version, rules.CardSizes, rules.BackCount, l.BackEnabled,
                           store.CurrentFrames.FramesIndex),
                  std::tuple(plan.Version3 ? 8 : 11, plan.Version3 ? 3 : 2, MakeCardSizes(plan.Width, plan.Height),
                             plan.Backs, std::vector<bool>{true}, plan.FramesIndex));
        // The quarter-turned sheets wait until a card is drawn from them.
        for (int o = 4; o < OrientationCount; ++o) EXPECT_TRUE(store.CardSheets[o].Empty()) << o;
        test::ExpectCompleteSet(store, plan.Width, plan.Height, plan.Backs, plan.FileName);
    }
}

TEST(Scrambling, PiecesOf8000UnscrambleLikeTheWholeBlock)
{
    // Scrambled by an independent byte-at-a-time key, to check the word-wide XOR.
    std::mt19937 rng(11);
    for (size_t n : {0u, 1u, 7u, 8u, 8000u, 8001u, 20011u}) {
        Bytes plain(n), file = {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), 0};
        uint8_t key = 0xA9;
        for (uint8_t& b : plain) {
            b = static_cast<uint8_t>(rng());
            file.push_back(b ^ key);
            key = static_cast<uint8_t>((key >> 1) | ((key & 1) << 7));
        }
        file.push_back(0x77);  // the next block's first byte stays unread
        MemorySource src(file);
        Bytes out;
        const bool ok = UnscrambleBlock(src, 0xA9, out);
        EXPECT_EQ(std::tuple(ok, out, src.Remaining()), std::tuple(true, plain, 1u)) << n;
    }
}

// Damaged files, each made from a good one. None may load, and the store and
// the rules keep the set that was loaded before.
TEST_F(CardSets, DamagedFilesAreRefusedAndLeaveTheLoadedSetAlone)
{
    const Bytes good = ReadBytes(Path("standard.cr3"));
    const Bytes good3 = ReadBytes(Path("tiny.cr4"));
    auto cut = [](const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); };
    const size_t previewEnd = 155 + (good[151] | (good[152] << 8) | (good[153] << 16));
    Bytes garbage_picture = good;
    for (size_t i = previewEnd + 4; i < previewEnd + 60; ++i) garbage_picture[i] ^= 0x55;
    // A "2.0" set claiming larger cards than its sheet holds.
    Bytes big_cards = patch(good, 23 + 3 * 32, {80, 0, 0, 0});
    const std::pair<const char*, Bytes> rows[] = {
        {"title", patch(good, 0, {'C', 'A', 'R', 'D', 'S', 'D', 'A', 'T', 'B'})},
        {"version 2.1", patch(good, 10, {'2', '.', '1', 0})},
        {"version 3.0 with one block", patch(good, 10, {'3', '.', '0', 0})},
        {"frames index 8", patch(good, 14, {8, 0, 0, 0})},
        {"frames index -1", patch(good, 14, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"no backs", patch(good, 18, {0, 0, 0, 0})},
        {"17 backs", patch(good, 18, {17, 0, 0, 0})},
        {"zero width", patch(good, 23, {0, 0, 0, 0})},
        {"huge step", patch(good, 23 + 3 * 32 + 8, {0, 0, 0, 0x40})},
        {"negative preview length", patch(good, 151, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"preview past the end", patch(good, 151, {0xFF, 0xFF, 0xFF, 0x00})},
        {"picture past the end", patch(good, previewEnd, {0xFF, 0xFF, 0xFF, 0x10})},
        {"negative picture length", patch(good, previewEnd, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"unreadable picture", garbage_picture},
        {"sheet too small for the sizes", big_cards},
        {"4 bytes", cut(good, 4)},
        {"cut in the sizes", cut(good, 100)},
        {"cut in the preview", cut(good, 400)},
        {"cut in the picture", cut(good, good.size() - 10)},
        {"3.0 cut in its last block", cut(good3, good3.size() - 1)},
        {"empty", {}},
    };
    CardImageStore store;
    GameRules rules;
    ASSERT_TRUE(Load(Path("wheels.cr3"), store, rules).Ok);
    rules.BackIndex = 2;
    const PixelBuffer sheet = store.CardSheets[0];
    for (const auto& [what, bytes] : rows) {
        const Loaded l = LoadBytes(bytes, store, rules);
        EXPECT_EQ(std::tuple(l.Ok, l.BackEnabled.size(), store.BackCount, rules.BackIndex), std::tuple(false, 0u, 3, 2))
            << what;
        EXPECT_TRUE(store.CardSheets[0].SamePixels(sheet)) << what;
        PixelBuffer preview;
        MemorySource src(bytes);
        EXPECT_TRUE(what != std::string("version 2.1") || !ReadCardSetPreview(src, preview));
    }
    EXPECT_FALSE(Load(Path("missing.cr3"), store, rules).Ok);
}

TEST_F(CardSets, BackIndexAndTheBackCommandFollowTheBackCount)
{
    // Set, index before, index after; every shipped set has backs enough for the Back command.
    const std::tuple<const char*, int, int> rows[] = {{"standard.cr3", 3, 0}, {"standard.cr3", 1, 1},
                                                      {"standard.cr3", -1, 0}, {"parlour.cr4", 4, 4},
                                                      {"wheels.cr3", 3, 0}};
    for (const auto& [set, before, after] : rows) {
        CardImageStore store;
        GameRules rules;
        rules.BackIndex = before;
        const Loaded l = Load(Path(set), store, rules);
        EXPECT_EQ(std::tie(l.Ok, rules.BackIndex, l.BackEnabled), std::tuple(true, after, std::vector<bool>{true}))
            << set;
    }
}

TEST_F(CardSets, FramesProblemsAreReportedAndKeepTheOldFrames)
{
    const Bytes good = ReadBytes(Path("fr-71-96.frm"));
    const std::pair<Bytes, std::string> rows[] = {
        {patch(good, 0, {'Q', 'T', 'F', 'R', 'A', 'M', 'E', 'Z'}), "Invalid frames title !"},
        {patch(good, 9, {'2', '.', '1', 0}), "Invalid frames varsion !"},
        {Bytes(good.begin(), good.begin() + 30), "ends early"},
        {Bytes(good.begin(), good.end() - 1), "ends early"},
        {patch(good, 13, {0, 0, 0, 0}), "cannot be read"},
        {patch(good, 13, {0xF0, 0, 0, 0}), "cannot be read"},  // pitch larger than the picture
        {patch(good, 53 + 13, {0x7F}), "cannot be read"},  // pixels said to start far past the end
        {{}, "fr-24-32.frm"},
    };
    const std::string dir = test::FreshDir("frames");
    Frames frames;
    ASSERT_TRUE(LoadFrames(2, frames, Dir, nullptr));
    const PixelBuffer picture = frames.Picture;
    // The last row: a frames file that is not there at all.
    for (const auto& [bytes, says] : rows) {
        const bool missing = says == "fr-24-32.frm";
        ASSERT_TRUE(missing || WriteFileAtomic(dir + "/fr-71-96.frm", bytes).Ok());
        std::string message;
        EXPECT_FALSE(LoadFrames(missing ? 5 : 2, frames, dir, [&](const std::string& m) { message = m; }));
        EXPECT_NE(message.find(says), std::string::npos) << message;
        EXPECT_TRUE(frames.FramesIndex == 2 && frames.Picture.SamePixels(picture)) << says;
    }

    // A card set whose frames file is missing or damaged is refused, naming
    // both files, unless its frames are loaded already.
    std::filesystem::copy_file(Path("wheels.cr3"), dir + "/wheels.cr3");
    for (const bool damaged : {false, true}) {
        std::filesystem::remove(dir + "/fr-71-96.frm");
        ASSERT_TRUE(!damaged || WriteFileAtomic(dir + "/fr-71-96.frm", Bytes(good.begin(), good.begin() + 30)).Ok());
        CardImageStore store;
        GameRules rules;
        const Loaded l = Load(dir + "/wheels.cr3", store, rules, dir);
        EXPECT_FALSE(l.Ok || store.Loaded());
        ASSERT_EQ(l.Messages.size(), 1u);
        const std::string& m = l.Messages[0];
        EXPECT_TRUE(m.find(dir + "/wheels.cr3") != m.npos && m.find(dir + "/fr-71-96.frm") != m.npos) << m;
        ASSERT_TRUE(Load(Path("wheels.cr3"), store, rules).Ok);
        // The same frames stay.
        EXPECT_TRUE(Load(dir + "/wheels.cr3", store, rules, dir).Ok && store.CurrentFrames.Loaded());
    }
    // A drawn set's frames belong to no frames file: the file set is refused
    // rather than cut with them, and the drawn set stays.
    CardImageStore drawn = art::DrawCardSet(71, 96);
    GameRules rules;
    EXPECT_FALSE(Load(dir + "/wheels.cr3", drawn, rules, dir).Ok);
    EXPECT_EQ(std::tuple(drawn.FramesIndex, drawn.CurrentFrames.FramesIndex, drawn.CurrentFrames.Loaded()),
              std::tuple(art::DrawnFramesIndex, art::DrawnFramesIndex, true));
}

// The deck picker's picture of a set in the store, drawn or loaded, is made
// as a file's preview is: for a loaded file the two are the same picture.
TEST_F(CardSets, APreviewFromTheStoreMatchesTheFilesPreview)
{
    for (const char* name : {"wheels.cr3", "tall.cr3", "micro.cr3"}) {
        CardImageStore store;
        GameRules rules;
        PixelBuffer file;
        ASSERT_TRUE(Load(Path(name), store, rules).Ok && LoadCardSetPreview(Path(name), file));
        EXPECT_TRUE(art::PreviewOf(store).SamePixels(file)) << name;
    }
    EXPECT_TRUE(art::PreviewOf(CardImageStore{}).Empty());
}

}  // namespace
}  // namespace quillo
