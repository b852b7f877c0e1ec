// The Save and Load commands: the file dialogs and the messages; the file
// itself is the storage library's.

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include "main_window.h"
#include "storage/saved_game.h"

namespace quillo {

namespace {

// "Name|*.ext" as Qt writes a filter: "Name (*.ext)".
QString QtFilter(const char* filter)
{
    const QString f = QString::fromUtf8(filter);
    const qsizetype bar = f.indexOf('|');
    return bar < 0 ? f : f.left(bar) + " (" + f.mid(bar + 1) + ")";
}

QString RunFileDialog(QWidget* parent, bool saving, const QString& dir, const QString& proposedName)
{
    QFileDialog d(parent, saving ? SaveDialogTitle : OpenDialogTitle, dir, QtFilter(SavedGameFilter));
    d.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix(QString(SavedGameExtension).mid(1));
    if (saving) d.selectFile(proposedName);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
}

}  // namespace

void F_Main::MI_GameSaveClick()
{
    if (Celebrating()) return;
    const QString proposed = QString::fromStdString(ProposedSaveName(Game_.T));
    const QString path = AskSaveName ? AskSaveName(proposed) : RunFileDialog(this, true, SavedGamesDir, proposed);
    if (path.isEmpty()) return;
    SavedGamesDir = QFileInfo(path).absolutePath();
    // A hidden starting-rank label is stored as an empty text.
    const std::string foundVal = L_FoundVal->isHidden() ? std::string() : L_FoundVal->text().toStdString();
    const SavedGame record = CaptureSavedGame(Game_, windowTitle().toStdString(), foundVal);
    const IoResult done = WriteSavedGame(path.toStdString(), record);
    if (!done.Ok())
        ShowError(QString::fromStdString("Could not write the saved game " + path.toStdString() + ": " + done.Error + "."));
}

void F_Main::MI_GameLoadClick()
{
    if (Celebrating()) return;
    const QString path = AskOpenName ? AskOpenName() : RunFileDialog(this, false, SavedGamesDir, {});
    if (path.isEmpty()) return;
    SavedGamesDir = QFileInfo(path).absolutePath();
    // Only a whole, sound file reaches the live game; anything else leaves it
    // as it was and says why (a file of another kind says nothing).
    const SavedGameRead read = LoadSavedGame(Game_, path.toStdString());
    if (read.Ok()) FitLoadedTable();
    if (read.Ok() || read.Message.empty()) return;
    if (read.Outcome == SavedGameOutcome::Outdated)
        ShowMessage("Quillotaire", QString::fromStdString(read.Message));
    else
        ShowError(QString::fromStdString("Could not load the saved game " + path.toStdString() + ": " + read.Message));
}

}  // namespace quillo
