#include "settings_file.h"

#include "engine/game_table.h"
#include "file_head.h"

namespace quillo {

namespace {

constexpr const char* Title = "CARDSSET";
constexpr size_t TitleWidth = 9;
constexpr const char* Version = "4.1";

bool Listed(const SettingsEnv& env, int32_t game)
{
    if (env.IsListedGame) return env.IsListedGame(game);
    return game >= 0 && game < CatalogueSize;
}

// A bare name (see ForStoring) is a file of the program directory.
std::string InProgramDir(const std::string& path, const std::string& programDir)
{
    if (path.empty() || path.front() == '/' || path.find('/') != std::string::npos) return path;
    return programDir + path;
}

std::string ShortEnough(const std::string& path, const std::string& programDir)
{
    if (path.size() <= MaxCountedText || programDir.empty() || path.compare(0, programDir.size(), programDir) != 0)
        return path;
    const std::string name = path.substr(programDir.size());
    return name.find('/') == std::string::npos ? name : path;
}

}  // namespace

Settings ForStoring(const Settings& s, const std::string& programDir)
{
    Settings out = s;
    out.TexturePath = ShortEnough(s.TexturePath, programDir);
    out.CardSetPath = ShortEnough(s.CardSetPath, programDir);
    return out;
}

// A new player gets cards drawn to fit the window.
Settings DefaultSettings(const SettingsEnv&)
{
    Settings s;
    s.CardSetPath = FittedCardSetName;
    return s;
}

SettingsLoad DecodeSettings(std::span<const uint8_t> bytes, const SettingsEnv& env)
{
    SettingsLoad out;
    out.Value = DefaultSettings(env);
    ByteReader r(bytes);
    if (ReadHeadField(r, TitleWidth) != Title || !r.Ok()) {
        out.Source = SettingsSource::Foreign;
        return out;
    }
    if (ReadHeadField(r, 10) != Version || !r.Ok()) {
        out.Source = SettingsSource::Foreign;
        return out;
    }

    Settings s = out.Value;
    s.CurrentGame = r.GetI32();
    s.CurrentCustom = r.GetI32();
    s.BackgroundColor = r.GetU32() & 0x00FFFFFFu;
    uint8_t mode = r.GetU8();
    s.Background = mode <= 2 ? static_cast<BackgroundMode>(mode) : BackgroundMode::Plain;
    s.TexturePath = InProgramDir(r.GetCountedText(), env.ProgramDir);
    const std::string cardSet = r.GetCountedText();
    s.CardSetPath = cardSet == FittedCardSetName ? cardSet : InProgramDir(cardSet, env.ProgramDir);
    s.BackIndex = r.GetI32();
    int32_t n = r.GetI32();
    if (n < 0 || n > MaxRecentGames) r.Fail();
    for (int32_t i = 0; i < n && r.Ok(); ++i) {
        RecentGame g;
        g.Game = r.GetI32();
        g.Custom = r.GetI32();
        s.Recent.push_back(g);
    }
    s.WindowWidth = r.GetI32();
    s.WindowHeight = r.GetI32();
    s.WindowLeft = r.GetI32();
    s.WindowTop = r.GetI32();
    s.Opt.Sound = r.GetFlag();
    s.Opt.Animation = r.GetFlag();
    s.Opt.Autoplay = r.GetFlag();
    r.GetU8();
    if (!r.Ok()) {
        out.Source = SettingsSource::Damaged;
        return out;
    }

    s.HasWindowPosition = true;
    if (!Listed(env, s.CurrentGame)) {
        s.CurrentGame = DefaultGame();
        s.CurrentCustom = -1;
    }
    if (s.BackIndex < 0) s.BackIndex = 0;
    const bool drawn = s.CardSetPath == FittedCardSetName;
    if (!drawn && (!env.FileExists || !env.FileExists(s.CardSetPath)))
        s.CardSetPath = env.ProgramDir + "standard" + ".cr3";
    out.Value = std::move(s);
    out.Source = SettingsSource::File;
    return out;
}

std::vector<uint8_t> EncodeSettings(const Settings& s)
{
    ByteWriter w;
    WriteHead(w, Title, TitleWidth, Version);
    w.PutI32(s.CurrentGame);
    w.PutI32(s.CurrentCustom);
    w.PutU32(s.BackgroundColor & 0x00FFFFFFu);
    w.PutU8(static_cast<uint8_t>(s.Background));
    // A path too long for its field is dropped rather than written in a form
    // no reader accepts: the whole file would be lost at the next start.
    auto path = [&](const std::string& p) { w.PutCountedText(p.size() <= MaxCountedText ? p : std::string()); };
    path(s.TexturePath);
    path(s.CardSetPath);
    w.PutI32(s.BackIndex);
    const size_t n = std::min<size_t>(s.Recent.size(), MaxRecentGames);
    w.PutI32(static_cast<int32_t>(n));
    for (size_t i = 0; i < n; ++i) {
        w.PutI32(s.Recent[i].Game);
        w.PutI32(s.Recent[i].Custom);
    }
    w.PutI32(s.WindowWidth);
    w.PutI32(s.WindowHeight);
    w.PutI32(s.WindowLeft);
    w.PutI32(s.WindowTop);
    w.PutFlag(s.Opt.Sound);
    w.PutFlag(s.Opt.Animation);
    w.PutFlag(s.Opt.Autoplay);
    w.PutU8(1);
    return w.Take();
}

SettingsLoad ReadSettings(const std::string& path, const SettingsEnv& env)
{
    std::string error;
    auto bytes = ReadWholeFile(path, error, 1u << 20);
    if (!bytes) {
        SettingsLoad out;
        out.Value = DefaultSettings(env);
        out.Source = error.empty() ? SettingsSource::Defaults : SettingsSource::IoError;
        out.Error = error;
        return out;
    }
    return DecodeSettings(*bytes, env);
}

IoResult WriteSettings(const std::string& path, const Settings& s, const WriteFault* fault)
{
    return WriteFileAtomic(path, EncodeSettings(s), fault);
}

}  // namespace quillo
