// A sound player that records its calls; Open raises for the file names in failOn.
#pragma once

#include <QStringList>

#include "alarms/sound_player.h"
#include "core/error.h"

namespace hx::test {

class RecordingPlayer : public alarms::MediaControls {
  public:
    void Close() override { calls << "close"; }
    void SetFileName(const QString& p) override { calls << "set " + (name = p); }
    QString FileName() const override { return name; }
    void Open() override {
        calls << "open";
        if (failOn.contains(name)) throw Error("Cannot open " + name);
    }
    void Play() override { calls << "play"; }
    void Pause() override { calls << "pause"; }
    void Stop() override { calls << "stop"; }
    void Step() override { calls << "step"; }
    void Back() override { calls << "back"; }

    QString name;
    QStringList calls, failOn;
};

}  // namespace hx::test
