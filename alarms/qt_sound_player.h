// The sound player on Qt Multimedia: QMediaPlayer playing into the default audio output.
#pragma once

#include <memory>

#include "sound_player.h"

class QAudioOutput;
class QMediaPlayer;
class QObject;

namespace hx::alarms {

class QtSoundPlayer : public MediaControls {
  public:
    // openTimeoutMs bounds the time a file may take to load.
    explicit QtSoundPlayer(int openTimeoutMs = 5000);
    ~QtSoundPlayer() override;

    void Close() override;
    void SetFileName(const QString& path) override;
    QString FileName() const override { return fileName_; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Step() override;
    void Back() override;
    bool HasOutput() const override { return HasAudioOutput(); }

    // Whether the machine has an audio output to play into.
    static bool HasAudioOutput();
    QMediaPlayer* mediaPlayer() const { return player_.get(); }

  protected:
    void StartOpening(Job<> job) override;

  private:
    // Ends the pending opening: its watcher goes, then done runs with the outcome.
    void Finish(const OpenOutcome& outcome);

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    QString fileName_;
    int openTimeoutMs_;
    Job<> pending_;
    std::unique_ptr<QObject> watch_;  // the pending opening's connections and timer
};

}  // namespace hx::alarms
