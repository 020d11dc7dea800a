// A sound player that records its calls. Open reports at once (failing for the file names in
// failOn) unless holdOpen is set; then the opening stays pending until FinishOpen.
#pragma once

#include <QStringList>

#include "alarms/sound_player.h"

namespace hx::test {

class RecordingPlayer : public alarms::MediaControls {
  public:
    void Close() override {
        calls << "close";
        Supersede();
    }
    void SetFileName(const QString& p) override { calls << "set " + (name = p); }
    QString FileName() const override { return name; }
    void Open(alarms::OpenDone done) override {
        calls << "open";
        Supersede();
        pending = std::move(done);
        if (!holdOpen) FinishOpen();
    }
    // Ends the pending opening as failOn says.
    void FinishOpen() {
        alarms::OpenDone done = std::move(pending);
        pending = nullptr;
        if (!done) return;
        if (failOn.contains(name))
            done({false, "Cannot open " + name});
        else
            done({true, {}});
    }
    bool Opening() const { return bool(pending); }
    void Play() override { calls << "play"; }
    void Pause() override { calls << "pause"; }
    void Stop() override { calls << "stop"; }
    void Step() override { calls << "step"; }
    void Back() override { calls << "back"; }
    bool HasOutput() const override { return !noOutput; }

    QString name;
    QStringList calls, failOn;
    bool holdOpen = false;
    bool noOutput = false;  // as a machine with no audio output
    alarms::OpenDone pending;

  private:
    void Supersede() {
        alarms::OpenDone done = std::move(pending);
        pending = nullptr;
        if (done) done({});
    }
};

}  // namespace hx::test
