#pragma once
// "Select Shuffle": the player types the deal number of the current game.

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace quillo {

class TF_Shuffle : public QDialog {
    Q_OBJECT
public:
    explicit TF_Shuffle(uint32_t gameNumber, QWidget* parent = nullptr);

    // The accepted number; valid after the dialog closed with OK.
    uint32_t Number() const { return Number_; }
    // Shows the range message; a message box unless replaced (tests).
    std::function<void(const QString&)> ShowError;

    QLineEdit* E_Shuffle = nullptr;
    QPushButton* B_Ok = nullptr;
    QPushButton* B_Cancel = nullptr;

    void B_OkClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    uint32_t Number_;
};

}  // namespace quillo
