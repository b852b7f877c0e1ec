#include "sound_player.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace quillo {

SoundPlayer::SoundPlayer(QString directory) : Directory_(std::move(directory)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const char* fileName)
{
    const QString path = Directory_ + QString::fromUtf8(fileName);
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    auto& effect = Effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (Current_ && Current_ != effect.get()) Current_->stop();
    effect->stop();
    effect->play();
    Current_ = effect.get();
}

}  // namespace quillo
