#pragma once
// quillo.set: the game being played, the looks, the recent games, the window
// position and the three options, kept from one run to the next.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "engine/catalogue.h"
#include "engine/table_state.h"

namespace quillo {

inline constexpr const char* SettingsFileName = "quillo.set";
// The card set drawn in memory at the size that fits the window. It is kept
// in the card-set field under a bare name no card-set file has, so a reader
// that does not know it takes it for a missing set and uses standard.cr3.
inline constexpr const char* FittedCardSetName = "(fit to window)";
constexpr int MaxRecentGames = 6;

struct RecentGame {
    int32_t Game = 0;
    int32_t Custom = -1;
    bool operator==(const RecentGame&) const = default;
};

enum class BackgroundMode : uint8_t { Plain = 0, Tiled = 1, Stretched = 2 };

struct Settings {
    int32_t CurrentGame = 0;
    int32_t CurrentCustom = -1;
    uint32_t BackgroundColor = 0x008000;  // 0x00BBGGRR
    BackgroundMode Background = BackgroundMode::Plain;
    std::string TexturePath;
    std::string CardSetPath;
    int32_t BackIndex = 0;
    std::vector<RecentGame> Recent;
    // Width and height are kept for the file's sake; the window's size
    // follows the table. Left and top place the window.
    int32_t WindowWidth = 0;
    int32_t WindowHeight = 0;
    int32_t WindowLeft = 0;
    int32_t WindowTop = 0;
    bool HasWindowPosition = false;
    Options Opt;

    // A textured background needs its picture loaded at start-up.
    bool NeedsTexture() const { return Background != BackgroundMode::Plain; }
    bool operator==(const Settings&) const = default;
};

enum class SettingsSource {
    Defaults,  // no file
    File,      // read whole
    Foreign,   // another title or version: defaults
    Damaged,   // right head but unreadable body: defaults
    IoError,   // could not be read: defaults
};

struct SettingsEnv {
    std::string ProgramDir;  // with a trailing '/'
    // Whether the game chooser lists the game; unlisted games start Star.
    std::function<bool(int32_t)> IsListedGame;
    std::function<bool(const std::string&)> FileExists;
};

struct SettingsLoad {
    Settings Value;
    SettingsSource Source = SettingsSource::Defaults;
    std::string Error;
};

Settings DefaultSettings(const SettingsEnv& env);
// Decodes a file's bytes; the fallbacks for an unlisted game and a missing
// card set are applied. A damaged file gives the defaults, never a mixture.
SettingsLoad DecodeSettings(std::span<const uint8_t> bytes, const SettingsEnv& env);
std::vector<uint8_t> EncodeSettings(const Settings& s);

// The paths' field holds 255 bytes: a card set or texture of a program
// directory whose path is longer is stored by its bare name, which the
// reader takes as a file of the program directory.
Settings ForStoring(const Settings& s, const std::string& programDir);

SettingsLoad ReadSettings(const std::string& path, const SettingsEnv& env);
IoResult WriteSettings(const std::string& path, const Settings& s, const WriteFault* fault = nullptr);

}  // namespace quillo
