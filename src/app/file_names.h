#pragma once
// The program's paths, formed once from the program directory.

#include <string>

namespace quillo {

struct FILE_NAMES {
    std::string ProgramDir;  // with its trailing separator
    std::string TempPicture;
    std::string CardSetPath;
    std::string Settings;
    std::string Statistics;
    std::string CustomGames;
    std::string CustomGamesTemp;
    std::string DeckDir;
    std::string TextureDir;
    std::string HelpFile;
    std::string Autosave;
};

inline FILE_NAMES MakeFileNames(std::string dir)
{
    if (!dir.empty() && dir.back() != '/') dir += '/';
    FILE_NAMES f;
    f.ProgramDir = dir;
    f.TempPicture = dir + "tmpfile.bmp";
    f.CardSetPath = dir + "wheels.cr3";
    f.Settings = dir + "quillo.set";
    f.Statistics = dir + "quillo.won";
    f.CustomGames = dir + "quillo.cus";
    f.CustomGamesTemp = dir + "quillo.cut";
    f.DeckDir = dir;
    f.TextureDir = dir;
    f.HelpFile = dir + "quillo.hlp";
    f.Autosave = dir + "autosave.sav";
    return f;
}

// The same, with the player's own files (settings, statistics, custom games)
// moved to the XDG data location when the program directory is read-only.
FILE_NAMES PlayerFileNames(const std::string& programDir);

}  // namespace quillo
