#pragma once
// The program's paths, formed once from the program directory.

#include <string>
#include <vector>

namespace quillo {

struct FILE_NAMES {
    std::string ProgramDir;  // the executable's directory, with its trailing separator
    std::string DataDir;     // where the shipped card sets, frames, sounds and help are
    std::string PlayerDir;   // the player's own files, card sets and textures
    std::string TempPicture;
    std::string CardSetPath;
    std::string Settings;
    std::string Statistics;
    std::string Streaks;
    std::string CustomGames;
    std::string CustomGamesTemp;
    std::string DeckDir;
    std::string TextureDir;
    std::string HelpFile;
    std::string Autosave;
};

// Everything in one directory: a build tree or a portable copy.
inline FILE_NAMES MakeFileNames(std::string dir)
{
    if (!dir.empty() && dir.back() != '/') dir += '/';
    FILE_NAMES f;
    f.ProgramDir = dir;
    f.DataDir = dir;
    f.PlayerDir = dir;
    f.TempPicture = dir + "tmpfile.bmp";
    f.CardSetPath = dir + "wheels.cr3";
    f.Settings = dir + "quillo.set";
    f.Statistics = dir + "quillo.won";
    f.Streaks = dir + "quillo.str";
    f.CustomGames = dir + "quillo.cus";
    f.CustomGamesTemp = dir + "quillo.cut";
    f.DeckDir = dir;
    f.TextureDir = dir;
    f.HelpFile = dir + "quillo.hlp";
    f.Autosave = dir + "autosave.sav";
    return f;
}

// The directory holding the shipped data, with its trailing separator: the
// program directory, else ../share/quillotaire beside it, else the first
// "quillotaire" folder among the XDG data directories that has it. Nothing
// found gives the program directory.
std::string FindDataDir(const std::string& programDir, const std::vector<std::string>& xdgDataDirs);

// The paths of this run. The player's files (settings, statistics, custom
// games, their own card sets and textures) stay beside the data when the
// data is beside the executable and that directory is writable; an
// installed copy keeps them in the XDG data location.
FILE_NAMES PlayerFileNames(const std::string& programDir);

}  // namespace quillo
