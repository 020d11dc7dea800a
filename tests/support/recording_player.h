// A sound player that records its calls. Open reports from the event loop (failing for the file
// names in failOn) unless holdOpen is set; then the opening stays pending until FinishOpen.
#pragma once

#include <utility>

#include <QCoreApplication>
#include <QStringList>

#include "alarms/sound_player.h"

namespace hx::test {

using hx::CancelMode;
using hx::Job;

class RecordingPlayer : public alarms::MediaControls {
  public:
    void Close() override {
        calls << "close";
        Supersede();
    }
    void SetFileName(const QString& p) override { calls << "set " + (name = p); }
    QString FileName() const override { return name; }
    void StartOpening(Job<> job) override {
        calls << "open";
        Supersede();
        pending = std::move(job);
        opening = true;
        if (!holdOpen) FinishOpen();
    }
    // Ends the pending opening as failOn says.
    void FinishOpen() {
        if (!std::exchange(opening, false)) return;
        Job<> done = std::exchange(pending, Job<>());
        if (failOn.contains(name))
            done.Fail("Cannot open " + name);
        else
            done.Done();
    }
    bool Opening() const { return opening; }
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
    Job<> pending;
    bool opening = false;

  private:
    void Supersede() {
        if (std::exchange(opening, false))
            std::exchange(pending, Job<>()).Handle().Cancel(CancelMode::Notify);
    }
};

// Lets the completions of the openings run: each comes from the event loop, and one may start
// the next opening.
inline void Settle() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
}

}  // namespace hx::test
