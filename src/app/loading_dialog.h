#pragma once
// The loading window: a progress bar while a card set is read. It closes by
// itself with OK when the load succeeded, with Cancel when not.

#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;

namespace quillo {

class TF_Loading : public QDialog {
    Q_OBJECT
public:
    // The loader calls stage() after each of its eight stages.
    using Loader = std::function<bool(const std::function<void()>& stage)>;

    TF_Loading(uint32_t& randSeed, QWidget* parent = nullptr);

    void SetLoader(Loader loader) { Loader_ = std::move(loader); }
    bool Succeeded() const { return Success_; }
    int ShownWidth() const { return Shown_; }

    QLabel* L_Process = nullptr;
    QLabel* I_Progress = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Stage();
    void Timer1Timer();

    uint32_t& Seed_;
    Loader Loader_;
    std::array<QPixmap, 3> Bars_;
    int Bar_ = 0;
    int Shown_ = 0;
    bool Success_ = false;
    QTimer Timer1;
};

}  // namespace quillo
