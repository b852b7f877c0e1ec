#pragma once
// The win form: a congratulation board over the table, or, after a new best
// time, a board that asks for the player's name.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;

namespace quillo {

class TF_Finish : public QDialog {
    Q_OBJECT
public:
    // playerName is proposed in record mode and receives the name on OK.
    TF_Finish(QWidget* mainWindow, QWidget* field, bool recordMode, QString& playerName);

    QLabel* I_Form = nullptr;
    QLabel* I_Button = nullptr;
    QLineEdit* E_Record = nullptr;

    // OK: takes the name (record mode) and closes.
    void Confirm();

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* Main_;
    QWidget* Field_;
    bool RecordMode_;
    QString& PlayerName_;
    QPixmap Board_;
    QPixmap ButtonUp_, ButtonDown_;
};

}  // namespace quillo
