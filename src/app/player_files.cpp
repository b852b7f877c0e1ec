// Where the player's own files live.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_names.h"
#include "storage/atomic_file.h"

namespace quillo {

namespace {

// A write killed before its rename leaves its temporary file behind.
void RemoveLeftovers(const FILE_NAMES& f)
{
    for (const std::string* path : {&f.Settings, &f.Statistics, &f.CustomGames}) RemoveStaleTemporaries(*path);
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

FILE_NAMES PlayerFileNames(const std::string& programDir)
{
    FILE_NAMES f = MakeFileNames(programDir);
    if (QFileInfo(QString::fromStdString(f.ProgramDir)).isWritable()) {
        RemoveLeftovers(f);
        return f;
    }
    const FILE_NAMES beside = f;
    // An installed copy cannot write beside itself: the player's files go to
    // the data location instead; card sets, sounds and help stay where they are.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) return f;
    const std::string dir = QDir(data).absolutePath().toStdString() + "/";
    f.Settings = dir + "quillo.set";
    f.Statistics = dir + "quillo.won";
    f.CustomGames = dir + "quillo.cus";
    f.CustomGamesTemp = dir + "quillo.cut";
    StartFrom(beside.Settings, f.Settings);
    StartFrom(beside.Statistics, f.Statistics);
    StartFrom(beside.CustomGames, f.CustomGames);
    RemoveLeftovers(f);
    return f;
}

}  // namespace quillo
