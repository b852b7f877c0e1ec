#pragma once
// The about box, shown as "Welcome" at start and as "About" from the Help menu.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace quillo {

class TF_About : public QDialog {
    Q_OBJECT
public:
    explicit TF_About(QWidget* parent = nullptr);

    // Opens the help file at a numbered context (F1).
    std::function<void(int)> OpenHelpContext;

    QLabel* L_Version = nullptr;
    QPushButton* B_Ok = nullptr;

    // Escape closes with OK as well.
    void reject() override { accept(); }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace quillo
