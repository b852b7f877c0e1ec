// Where the shipped data is found and where the player's own files live.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_names.h"
#include "storage/atomic_file.h"

namespace quillo {

namespace {

// The fallback deck: every copy of the data has it.
constexpr const char* DataMarker = "standard.cr3";

std::string WithSeparator(std::string dir)
{
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

bool HoldsData(const QString& dir)
{
    return QFileInfo(QDir(dir).filePath(DataMarker)).isFile();
}

// A write killed before its rename leaves its temporary file behind.
void RemoveLeftovers(const FILE_NAMES& f)
{
    for (const std::string* path : {&f.Settings, &f.Statistics, &f.Streaks, &f.CustomGames}) RemoveStaleTemporaries(*path);
}

// The player's files that a program directory, now read-only, already
// holds are where the copy in the data location starts from.
void StartFrom(const std::string& from, const std::string& to)
{
    if (FileExists(to) || !FileExists(from)) return;
    std::string error;
    if (auto bytes = ReadWholeFile(from, error)) WriteFileAtomic(to, *bytes);
}

}  // namespace

std::string FindDataDir(const std::string& programDir, const std::vector<std::string>& xdgDataDirs)
{
    const QString program = QString::fromStdString(programDir);
    if (HoldsData(program)) return WithSeparator(programDir);
    QStringList candidates{QDir::cleanPath(program + "/../share/quillotaire")};
    for (const std::string& d : xdgDataDirs)
        if (!d.empty()) candidates << QDir::cleanPath(QString::fromStdString(d) + "/quillotaire");
    for (const QString& c : candidates)
        if (HoldsData(c)) return WithSeparator(c.toStdString());
    return WithSeparator(programDir);
}

FILE_NAMES PlayerFileNames(const std::string& programDir)
{
    std::vector<std::string> xdg;
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        xdg.push_back(d.toStdString());
    const std::string data = FindDataDir(programDir, xdg);
    FILE_NAMES f = MakeFileNames(data);
    f.ProgramDir = WithSeparator(programDir);
    if (data == f.ProgramDir && QFileInfo(QString::fromStdString(f.ProgramDir)).isWritable()) {
        RemoveLeftovers(f);
        return f;
    }
    const FILE_NAMES beside = f;
    // An installed copy does not write beside itself, even where it could:
    // the player's files go to the data location; the shipped data stays put.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home)) return f;
    const std::string dir = QDir(home).absolutePath().toStdString() + "/";
    f.PlayerDir = dir;
    f.TempPicture = dir + "tmpfile.bmp";
    f.Settings = dir + "quillo.set";
    f.Statistics = dir + "quillo.won";
    f.Streaks = dir + "quillo.str";
    f.CustomGames = dir + "quillo.cus";
    f.CustomGamesTemp = dir + "quillo.cut";
    f.Autosave = dir + "autosave.sav";
    StartFrom(beside.Settings, f.Settings);
    StartFrom(beside.Statistics, f.Statistics);
    StartFrom(beside.Streaks, f.Streaks);
    StartFrom(beside.CustomGames, f.CustomGames);
    RemoveLeftovers(f);
    return f;
}

}  // namespace quillo
