#pragma once
// Plays the table's .wav sounds from the program directory, one at a time:
// a new sound cuts off the one still playing.

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace quillo {

class SoundPlayer {
public:
    explicit SoundPlayer(QString directory);
    ~SoundPlayer();
    // A missing file plays the platform's default sound instead.
    void Play(const char* fileName);

private:
    QString Directory_;
    std::map<QString, std::unique_ptr<QSoundEffect>> Effects_;
    QSoundEffect* Current_ = nullptr;
};

}  // namespace quillo
