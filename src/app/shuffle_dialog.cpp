#include "shuffle_dialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "shuffle_number.h"

namespace quillo {

TF_Shuffle::TF_Shuffle(uint32_t gameNumber, QWidget* parent) : QDialog(parent), Number_(gameNumber)
{
    setObjectName("F_Shuffle");
    setWindowTitle("Select Shuffle");
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"Select a game number from", ShuffleRangeText}) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    E_Shuffle = new QLineEdit(this);
    E_Shuffle->setObjectName("E_Shuffle");
    // Wide enough that a window manager's title bar shows the whole title.
    E_Shuffle->setMinimumWidth(std::max(220, 2 * fontMetrics().horizontalAdvance(windowTitle()) + 80));
    layout->addWidget(E_Shuffle);
    auto* buttons = new QHBoxLayout;
    B_Ok = new QPushButton("OK", this);
    B_Cancel = new QPushButton("Cancel", this);
    B_Ok->setDefault(true);
    buttons->addWidget(B_Ok);
    buttons->addWidget(B_Cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowError = [this](const QString& text) { QMessageBox::critical(this, "Quillotaire", text); };
    connect(B_Ok, &QPushButton::clicked, this, &TF_Shuffle::B_OkClick);
    connect(B_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the edit presses the default button (OK); Escape rejects.
}

void TF_Shuffle::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    E_Shuffle->setText(QString::number(Number_));
    E_Shuffle->selectAll();
    E_Shuffle->setFocus();
}

void TF_Shuffle::B_OkClick()
{
    const auto number = ParseShuffleNumber(E_Shuffle->text().toStdString());
    if (!number) {
        ShowError(QString("The number must be in the range from %1 !").arg(ShuffleRangeText));
        E_Shuffle->setFocus();
        return;
    }
    Number_ = *number;
    accept();
}

}  // namespace quillo
