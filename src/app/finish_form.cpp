#include "finish_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace quillo {

namespace {

QPixmap DrawBoard(bool record)
{
    const int w = 302, h = record ? 190 : 174;
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(40, 120, 60));
    g.setColorAt(1, QColor(10, 60, 30));
    p.setPen(QPen(QColor(230, 190, 60), 4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 22, 22);
    QFont heading("DejaVu Sans", 10, QFont::Bold);
    heading.setPixelSize(26);
    p.setFont(heading);
    p.setPen(QColor(255, 220, 80));
    p.drawText(QRect(0, 14, w, 36), Qt::AlignCenter, "Congratulations!");
    QFont text("DejaVu Sans");
    text.setPixelSize(15);
    p.setFont(text);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 54, w, 24), Qt::AlignCenter, record ? "A new best time! Your name:" : "You have won the game.");
    return pm;
}

QPixmap DrawButton(bool down)
{
    QPixmap pm(89, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, down ? QColor(160, 120, 20) : QColor(255, 225, 110));
    g.setColorAt(1, down ? QColor(230, 190, 70) : QColor(190, 140, 30));
    p.setPen(QPen(QColor(90, 60, 10), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 87, 30), 12, 12);
    QFont f("DejaVu Sans", 10, QFont::Bold);
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(QColor(60, 30, 0));
    p.drawText(QRect(down ? 1 : 0, down ? 1 : 0, 89, 32), Qt::AlignCenter, "OK");
    return pm;
}

}  // namespace

TF_Finish::TF_Finish(QWidget* mainWindow, QWidget* field, bool recordMode, QString& playerName)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), Main_(mainWindow), Field_(field),
      RecordMode_(recordMode), PlayerName_(playerName)
{
    setObjectName("F_Finish");
    resize(100, 100);
    I_Form = new QLabel(this);
    I_Button = new QLabel(this);
    I_Button->installEventFilter(this);
    E_Record = new QLineEdit(this);
    E_Record->setObjectName("E_Record");
    E_Record->setFrame(false);
    E_Record->setMaxLength(100);
    QFont font("Arial");
    font.setPixelSize(15);
    E_Record->setFont(font);
    E_Record->setStyleSheet("QLineEdit { background: #007030; color: #00ffff; }");
    E_Record->clear();
    E_Record->installEventFilter(this);
    Board_ = DrawBoard(recordMode);
    ButtonUp_ = DrawButton(false);
    ButtonDown_ = DrawButton(true);
}

void TF_Finish::showEvent(QShowEvent* e)
{
    const QSize size = Board_.size();
    setFixedSize(size);
    I_Form->setGeometry(0, 0, size.width(), size.height());
    I_Button->setGeometry((size.width() - 89) / 2, RecordMode_ ? 132 : 100, 89, 32);
    I_Button->setPixmap(ButtonUp_);
    if (RecordMode_) {
        E_Record->setGeometry(40, 90, size.width() - 80, 24);
        E_Record->setText(PlayerName_);
        E_Record->show();
        E_Record->selectAll();
        E_Record->setFocus();
    } else {
        E_Record->hide();
    }
    const QPoint centre = Main_->geometry().center();
    move(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
    // The board lies over the table: what the field shows under the form
    // stays visible around its rounded frame.
    QPixmap form(size);
    form.fill(Qt::black);
    QPainter p(&form);
    if (Field_) {
        const QPoint offset = Field_->mapFromGlobal(mapToGlobal(QPoint(0, 0)));
        p.drawPixmap(0, 0, Field_->grab(QRect(offset, size)));
    }
    p.drawPixmap(0, 0, Board_);
    p.end();
    I_Form->setPixmap(form);
    I_Button->raise();
    E_Record->raise();
    QDialog::showEvent(e);
}

void TF_Finish::Confirm()
{
    if (RecordMode_) PlayerName_ = E_Record->text().trimmed();
    accept();
}

void TF_Finish::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Confirm();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TF_Finish::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == I_Button) {
        if (e->type() == QEvent::MouseButtonPress) {
            I_Button->setPixmap(ButtonDown_);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            I_Button->setPixmap(ButtonUp_);
            Confirm();
            return true;
        }
    }
    if (watched == E_Record && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Confirm();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace quillo
