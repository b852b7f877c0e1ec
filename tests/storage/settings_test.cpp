// quillo.set: the layout pinned byte by byte, every fallback, and damaged
// files falling back to the defaults as a whole.

#include <gtest/gtest.h>

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
    Settings s;
    s.CurrentGame = 19;
    s.CurrentCustom = 4;
    s.BackgroundColor = 0x00123456;
    s.Background = BackgroundMode::Stretched;
    s.TexturePath = "/opt/q/marble.jpg";
    s.CardSetPath = "/opt/q/big.cr4";
    s.BackIndex = 3;
    s.Recent = {{19, 4}, {0, -1}, {20, -1}};
    s.WindowWidth = 800;
    s.WindowHeight = 600;
    s.WindowLeft = -20;
    s.WindowTop = 33;
    s.HasWindowPosition = true;
    s.Opt = {false, true, false};
    return s;
}

// The sample as the file's tables spell it out.
Bytes SampleBytes()
{
    Bytes b;
    b.Field("CARDSSET", 9).Field("4.1", 10);
    b.I32(19).I32(4).I32(0x00123456).U8(2).Counted("/opt/q/marble.jpg");
    b.Counted("/opt/q/big.cr4").I32(3).I32(3).I32(19).I32(4).I32(0).I32(-1).I32(20).I32(-1);
    b.I32(800).I32(600).I32(-20).I32(33).U8(0).U8(1).U8(0).U8(1);
    return b;
}

TEST(Settings, LayoutByteForByteAndRoundTripThroughTheFile)
{
    EXPECT_EQ(EncodeSettings(Sample()), SampleBytes().B);
    Settings noTexture = Sample();
    noTexture.TexturePath.clear();
    EXPECT_EQ(test::I32At(EncodeSettings(noTexture), 32), 1);  // the length of a lone zero
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
    SettingsLoad fresh = ReadSettings(dir.File(SettingsFileName), Env());
    EXPECT_EQ(fresh.Source, SettingsSource::Defaults);
    EXPECT_EQ(fresh.Value.CurrentGame, 0);
    EXPECT_EQ(fresh.Value.CurrentCustom, -1);
    EXPECT_EQ(fresh.Value.BackgroundColor, 0x008000u);
    EXPECT_EQ(fresh.Value.CardSetPath, FittedCardSetName);
    EXPECT_FALSE(fresh.Value.NeedsTexture());
    EXPECT_TRUE(fresh.Value.Opt.Sound && fresh.Value.Opt.Animation && fresh.Value.Opt.Autoplay);
    EXPECT_TRUE(fresh.Value.Recent.empty());

    struct Row {
        const char* what;
        int32_t game;
        bool cardSetExists;
        int32_t wantGame, wantCustom;
        const char* wantCardSet;
    };
    const Row rows[] = {
        {"listed game kept", 19, true, 19, 4, "/opt/q/big.cr4"},
        {"unknown game starts Star", 55, true, 20, -1, "/opt/q/big.cr4"},
        {"negative game starts Star", -1, true, 20, -1, "/opt/q/big.cr4"},
        {"missing card set", 19, false, 19, 4, "/opt/q/standard.cr3"},
    };
    for (const Row& row : rows) {
        Settings s = Sample();
        s.CurrentGame = row.game;
        SettingsLoad r = DecodeSettings(EncodeSettings(s), Env(row.cardSetExists));
        EXPECT_EQ(r.Value.CurrentGame, row.wantGame) << row.what;
        EXPECT_EQ(r.Value.CurrentCustom, row.wantCustom) << row.what;
        EXPECT_EQ(r.Value.CardSetPath, row.wantCardSet) << row.what;
    }
    // The chooser decides what is listed.
    SettingsEnv env = Env();
    env.IsListedGame = [](int32_t g) { return g != 19; };
    EXPECT_EQ(DecodeSettings(EncodeSettings(Sample()), env).Value.CurrentGame, 20);
}

// The fitted set is stored as a bare name in the card-set field: this reader
// keeps it whatever files exist, and the bytes are those of a set whose file
// is missing, which a reader without the name replaces by standard.cr3.
TEST(Settings, FittedCardSetRoundTripsAndReadsAsAMissingSetElsewhere)
{
    Settings fitted = Sample();
    fitted.CardSetPath = FittedCardSetName;
    const std::vector<uint8_t> bytes = EncodeSettings(ForStoring(fitted, "/opt/q/"));
    Bytes expected;
    expected.Field("CARDSSET", 9).Field("4.1", 10);
    expected.I32(19).I32(4).I32(0x00123456).U8(2).Counted("/opt/q/marble.jpg");
    expected.Counted("(fit to window)").I32(3).I32(3).I32(19).I32(4).I32(0).I32(-1).I32(20).I32(-1);
    expected.I32(800).I32(600).I32(-20).I32(33).U8(0).U8(1).U8(0).U8(1);
    EXPECT_EQ(bytes, expected.B);

    struct Row {
        const char* What;
        const char* Stored;
        bool FilesExist;
        std::string Want;
    };
    const Row rows[] = {
        {"fitted, no files", "(fit to window)", false, FittedCardSetName},
        {"fitted, every file there", "(fit to window)", true, FittedCardSetName},
        {"near miss is a file name", "(fit to window", true, "/opt/q/(fit to window"},
        {"near miss missing falls back", "fit to window", false, "/opt/q/standard.cr3"},
    };
    for (const Row& r : rows) {
        Settings s = Sample();
        s.CardSetPath = r.Stored;
        const SettingsLoad load = DecodeSettings(EncodeSettings(s), Env(r.FilesExist));
        EXPECT_EQ(load.Source, SettingsSource::File) << r.What;
        EXPECT_EQ(load.Value.CardSetPath, r.Want) << r.What;
    }
    // No card-set file can carry the name: the sets are .cr3 and .cr4 files.
    const std::string name = FittedCardSetName;
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_NE(name.substr(name.size() - 4), ".cr3");
    EXPECT_NE(name.substr(name.size() - 4), ".cr4");
}

// The head's texts end at their zero: what follows it in the field, and the
// title field's last byte, are not read.
TEST(Settings, HeadsAreReadUpToTheirZero)
{
    struct Row {
        const char* title;
        const char* version;
        uint8_t fill;
        SettingsSource want;
    };
    const Row rows[] = {{"CARDSSET", "4.1", 0xAA, SettingsSource::File},  {"CARDSSEX", "4.1", 0, SettingsSource::Foreign},
                        {"CARDSSET", "4.0", 0, SettingsSource::Foreign},  {"", "", 0, SettingsSource::Foreign},
                        {"CARDSSET", "4.1.1", 0, SettingsSource::Foreign}, {"CARDSSE", "4.1", 0, SettingsSource::Foreign}};
    const std::vector<uint8_t> sample = SampleBytes().B;
    for (const Row& row : rows) {
        Bytes b;
        b.Field(row.title, 9, row.fill).Field(row.version, 10, row.fill).Raw({sample.begin() + 19, sample.end()});
        if (row.want == SettingsSource::File) b.B[8] = 'X';
        SettingsLoad r = DecodeSettings(b.B, Env());
        EXPECT_EQ(r.Source, row.want) << row.title << " " << row.version;
        EXPECT_EQ(r.Value, row.want == SettingsSource::File ? Sample() : DefaultSettings(Env())) << row.title;
    }
}

TEST(Settings, EveryCutAndEveryBadLengthGivesTheDefaults)
{
    const std::vector<uint8_t> whole = SampleBytes().B;
    for (size_t n = 0; n < whole.size(); ++n) {
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(n));
        SettingsLoad r = DecodeSettings(cut, Env());
        EXPECT_NE(r.Source, SettingsSource::File) << n;
        EXPECT_EQ(r.Value, DefaultSettings(Env())) << n;
    }
    // Offsets of the two path lengths and the recent-games count.
    const size_t texLen = 32, setLen = 36 + 18, recent = setLen + 4 + 15 + 4;
    struct Row {
        size_t offset;
        int32_t value;
    };
    const Row rows[] = {{texLen, 0},    {texLen, -1},  {texLen, 257}, {texLen, INT32_MAX}, {setLen, 0},
                        {setLen, 257},  {setLen, -5},  {recent, 7},   {recent, -1},       {recent, 1 << 30}};
    for (const Row& row : rows) {
        SettingsLoad r = DecodeSettings(test::WithI32(whole, row.offset, row.value), Env());
        EXPECT_EQ(r.Source, SettingsSource::Damaged) << row.offset << " " << row.value;
        EXPECT_EQ(r.Value, DefaultSettings(Env()));
    }
}

TEST(Settings, OverlongPathsAreDroppedNotWrittenUnreadable)
{
    Settings s = Sample();
    s.CardSetPath = "/" + std::string(300, 'x');
    SettingsLoad r = DecodeSettings(EncodeSettings(s), Env(false));
    EXPECT_EQ(r.Source, SettingsSource::File);
    EXPECT_EQ(r.Value.CardSetPath, "/opt/q/standard.cr3");
    EXPECT_EQ(r.Value.Recent, Sample().Recent);
}

}  // namespace
}  // namespace quillo
