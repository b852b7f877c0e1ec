// quillo.set: the layout pinned byte by byte, every fallback, and damaged
// files falling back to the defaults as a whole.

#include <gtest/gtest.h>

#include <span>
#include <tuple>

#include "storage/settings_file.h"
#include "storage_support.h"

namespace quillo {
namespace {

using test::Bytes;

SettingsEnv Env(bool cardSetExists = true)
{
    SettingsEnv env;
    env.ProgramDir = "/opt/q/";
    env.FileExists = [cardSetExists](const std::string&) { return cardSetExists; };
    return env;
}

Settings Sample()
{
    return {19, 4, 0x00123456, BackgroundMode::Stretched, "/opt/q/marble.jpg", "/opt/q/big.cr4", 3,
            {{19, 4}, {0, -1}, {20, -1}}, 800, 600, -20, 33, true, {false, true, false}};
}

// The sample as the file's tables spell it out, with the card set stored as cardSet.
Bytes SampleBytes(const std::string& cardSet = "/opt/q/big.cr4")
{
    Bytes b;
    b.Field("CARDSSET", 9).Field("4.1", 10).I32(19).I32(4).I32(0x00123456).U8(2).Counted("/opt/q/marble.jpg");
    b.Counted(cardSet).I32(3).I32(3).I32(19).I32(4).I32(0).I32(-1).I32(20).I32(-1);
    b.I32(800).I32(600).I32(-20).I32(33).U8(0).U8(1).U8(0).U8(1);
    return b;
}

TEST(Settings, LayoutByteForByteAndRoundTripThroughTheFile)
{
    EXPECT_EQ(EncodeSettings(Sample()), SampleBytes().B);
    test::ScratchDir dir;
    const std::string path = dir.File(SettingsFileName);
    ASSERT_TRUE(WriteSettings(path, Sample()).Ok());
    SettingsLoad back = ReadSettings(path, Env());
    EXPECT_EQ(back.Source, SettingsSource::File);
    EXPECT_EQ(back.Value, Sample());
}

TEST(Settings, DefaultsAndFallbacks)
{
    test::ScratchDir dir;
    // No file: Klondike, cards fitted to the window, green, everything on.
    const SettingsLoad fresh = ReadSettings(dir.File(SettingsFileName), Env());
    EXPECT_EQ(fresh.Source, SettingsSource::Defaults);
    Settings want;
    std::tie(want.CurrentGame, want.CurrentCustom, want.BackgroundColor, want.Background, want.CardSetPath, want.Opt) =
        std::tuple(0, -1, 0x008000u, BackgroundMode::Plain, FittedCardSetName, Options{true, true, true});
    EXPECT_EQ(fresh.Value, want);

    // The card set: the fitted set is a bare name no card-set file can carry
    // and is kept whatever files exist; a missing file falls back to standard.cr3.
    Settings fitted = Sample();
    fitted.CardSetPath = FittedCardSetName;
    EXPECT_EQ(EncodeSettings(ForStoring(fitted, "/opt/q/")), SampleBytes("(fit to window)").B);
    struct Row {
        const char* what;
        int32_t game;
        const char* cardSet;
        bool filesExist;
        int32_t wantGame, wantCustom;
        std::string wantCardSet;
    };
    const Row rows[] = {
        {"listed game kept", 19, "/opt/q/big.cr4", true, 19, 4, "/opt/q/big.cr4"},
        {"unknown game starts Star", 55, "/opt/q/big.cr4", true, 20, -1, "/opt/q/big.cr4"},
        {"negative game starts Star", -1, "/opt/q/big.cr4", true, 20, -1, "/opt/q/big.cr4"},
        {"missing card set", 19, "/opt/q/big.cr4", false, 19, 4, "/opt/q/standard.cr3"},
        {"fitted, no files", 19, "(fit to window)", false, 19, 4, FittedCardSetName},
        {"fitted, every file there", 19, "(fit to window)", true, 19, 4, FittedCardSetName},
        {"near miss is a file name", 19, "(fit to window", true, 19, 4, "/opt/q/(fit to window"},
        {"near miss missing falls back", 19, "fit to window", false, 19, 4, "/opt/q/standard.cr3"},
    };
    for (const Row& row : rows) {
        Settings s = Sample();
        s.CurrentGame = row.game;
        s.CardSetPath = row.cardSet;
        SettingsLoad r = DecodeSettings(EncodeSettings(s), Env(row.filesExist));
        EXPECT_EQ(r.Source, SettingsSource::File) << row.what;
        EXPECT_EQ(std::tie(r.Value.CurrentGame, r.Value.CurrentCustom, r.Value.CardSetPath),
                  std::tie(row.wantGame, row.wantCustom, row.wantCardSet))
            << row.what;
    }
    // The chooser decides what is listed.
    SettingsEnv env = Env();
    env.IsListedGame = [](int32_t g) { return g != 19; };
    EXPECT_EQ(DecodeSettings(EncodeSettings(Sample()), env).Value.CurrentGame, 20);
}

// The head's texts end at their zero: what follows it in the field, and the
// title field's last byte, are not read.
TEST(Settings, HeadsAreReadUpToTheirZero)
{
    // Only the first row, its fields filled past the zero, is this program's head.
    const std::pair<const char*, const char*> rows[] = {
        {"CARDSSET", "4.1"}, {"CARDSSEX", "4.1"}, {"CARDSSET", "4.0"}, {"", ""}, {"CARDSSET", "4.1.1"}, {"CARDSSE", "4.1"}};
    const std::vector<uint8_t> sample = SampleBytes().B;
    for (const auto& [title, version] : rows) {
        const bool ours = &title == &rows[0].first;
        const uint8_t fill = ours ? 0xAA : 0;
        Bytes b = Bytes().Field(title, 9, fill).Field(version, 10, fill).Raw({sample.begin() + 19, sample.end()});
        if (ours) b.B[8] = 'X';
        SettingsLoad r = DecodeSettings(b.B, Env());
        EXPECT_EQ(r.Source, ours ? SettingsSource::File : SettingsSource::Foreign) << title << " " << version;
        EXPECT_EQ(r.Value, ours ? Sample() : DefaultSettings(Env())) << title;
    }
}

TEST(Settings, EveryCutAndEveryBadLengthGivesTheDefaults)
{
    const std::vector<uint8_t> whole = SampleBytes().B;
    for (size_t n = 0; n < whole.size(); ++n) {
        SettingsLoad r = DecodeSettings(std::span<const uint8_t>(whole).first(n), Env());
        EXPECT_NE(r.Source, SettingsSource::File) << n;
        EXPECT_EQ(r.Value, DefaultSettings(Env())) << n;
    }
    // Offsets of the two path lengths and the recent-games count.
    const size_t texLen = 32, setLen = 36 + 18, recent = setLen + 4 + 15 + 4;
    const std::pair<size_t, int32_t> rows[] = {{texLen, 0},   {texLen, -1}, {texLen, 257}, {texLen, INT32_MAX},
                                               {setLen, 0},   {setLen, 257}, {setLen, -5}, {recent, 7},
                                               {recent, -1},  {recent, 1 << 30}};
    for (const auto& [offset, value] : rows) {
        SettingsLoad r = DecodeSettings(test::WithI32(whole, offset, value), Env());
        EXPECT_EQ(r.Source, SettingsSource::Damaged) << offset << " " << value;
        EXPECT_EQ(r.Value, DefaultSettings(Env()));
    }
}

// A path too long for its field is dropped rather than written unreadable;
// under a long program directory the card set is still kept whole.
TEST(Settings, OverlongPaths)
{
    Settings s = Sample();
    s.CardSetPath = "/" + std::string(300, 'x');
    SettingsLoad r = DecodeSettings(EncodeSettings(s), Env(false));
    EXPECT_EQ(std::tie(r.Source, r.Value.CardSetPath, r.Value.Recent),
              std::tuple(SettingsSource::File, "/opt/q/standard.cr3", Sample().Recent));

    const std::string programDir = "/" + std::string(250, 'd') + "/";
    SettingsEnv env = Env();
    env.ProgramDir = programDir;
    s = DefaultSettings(env);
    s.CardSetPath = programDir + "parlour.cr4";
    s.TexturePath = "/short/felt.bmp";
    const SettingsLoad back = DecodeSettings(EncodeSettings(ForStoring(s, programDir)), env);
    EXPECT_EQ(std::tie(back.Value.CardSetPath, back.Value.TexturePath), std::tie(s.CardSetPath, s.TexturePath));
    EXPECT_EQ(ForStoring(s, "/p/").CardSetPath, s.CardSetPath);  // short paths are stored whole
}

}  // namespace
}  // namespace quillo
