#include "about_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_icons.h"

namespace quillo {

TF_About::TF_About(QWidget* parent) : QDialog(parent)
{
    setObjectName("F_About");
    auto* outer = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon(64));
    icon->setAlignment(Qt::AlignTop);
    outer->addWidget(icon);

    auto* text = new QVBoxLayout;
    auto* title = new QLabel("Quillotaire", this);
    QFont big = title->font();
    big.setPointSize(22);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet("color: #1030c0;");
    text->addWidget(title);
    L_Version = new QLabel(this);
    text->addWidget(L_Version);
    text->addWidget(new QLabel("Released December 2026", this));
    text->addWidget(new QLabel("A patience collection of 55 games.", this));
    B_Ok = new QPushButton("OK", this);
    B_Ok->setDefault(true);
    text->addWidget(B_Ok, 0, Qt::AlignRight);
    outer->addLayout(text);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    connect(B_Ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_About::showEvent(QShowEvent* e)
{
    L_Version->setText("Version 4.0");
    QDialog::showEvent(e);
    B_Ok->setFocus();
}

void TF_About::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        if (OpenHelpContext) OpenHelpContext(10);
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace quillo
