// The sound player on Qt Multimedia: QMediaPlayer playing into the default audio output.
#pragma once

#include <memory>

#include "sound_player.h"

class QAudioOutput;
class QMediaPlayer;

namespace hx::alarms {

class QtSoundPlayer : public MediaControls {
  public:
    // openTimeoutMs bounds the wait for a file to load.
    explicit QtSoundPlayer(int openTimeoutMs = 5000);
    ~QtSoundPlayer() override;

    void Close() override;
    void SetFileName(const QString& path) override;
    QString FileName() const override { return fileName_; }
    void Open() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Step() override;
    void Back() override;

    // Whether the machine has an audio output to play into.
    static bool HasAudioOutput();
    QMediaPlayer* mediaPlayer() const { return player_.get(); }

  private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    QString fileName_;
    int openTimeoutMs_;
};

}  // namespace hx::alarms
