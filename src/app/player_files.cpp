// Where the player's own files live.

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_names.h"

namespace quillo {

FILE_NAMES PlayerFileNames(const std::string& programDir)
{
    FILE_NAMES f = MakeFileNames(programDir);
    if (QFileInfo(QString::fromStdString(f.ProgramDir)).isWritable()) return f;
    // An installed copy cannot write beside itself: the player's files go to
    // the data location instead; card sets, sounds and help stay where they are.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) return f;
    const std::string dir = QDir(data).absolutePath().toStdString() + "/";
    f.Settings = dir + "quillo.set";
    f.Statistics = dir + "quillo.won";
    f.CustomGames = dir + "quillo.cus";
    f.CustomGamesTemp = dir + "quillo.cut";
    f.Autosave = dir + "autosave.sav";
    return f;
}

}  // namespace quillo
