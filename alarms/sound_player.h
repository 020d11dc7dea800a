// The sound player the alarms and the Sounds page share, behind an interface tests replace.
#pragma once

#include <functional>
#include <utility>

#include <QObject>
#include <QString>

#include "core/job.h"

namespace hx::alarms {

// How an opening ended, for a caller without a context object: ready to play, or failed with
// the reason. Neither means a Close or another Open came first.
struct OpenOutcome {
    bool ready = false;
    QString error;
};
using OpenDone = std::function<void(const OpenOutcome&)>;

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Closes whatever file is open; keeps the file name. An opening under way ends cancelled.
    virtual void Close() = 0;
    virtual void SetFileName(const QString& path) = 0;
    // The last file name given; empty until one is given.
    virtual QString FileName() const = 0;
    // Starts opening the file named and returns. The completion runs once from context's event
    // loop: done when the file is ready to play, failed with the reason, cancelled when a Close
    // or another Open came first; never after the context or the player is gone.
    JobHandle Open(QObject* context, Job<>::Completion done) {
        auto [job, handle] = Job<>::Start(context, std::move(done));
        StartOpening(std::move(job));
        return handle;
    }
    // The same with the player as the context: done runs while the player lives.
    void Open(OpenDone done) {
        Open(&anchor_, [done = std::move(done)](const JobResult<>& r) {
            if (done) done({r.done(), r.end == JobEnd::Failed ? r.reason : QString()});
        });
    }
    // Starts playing the open file and returns at once.
    virtual void Play() = 0;
    // Whether anything played can be heard: false where the machine has no audio output.
    virtual bool HasOutput() const { return true; }

  protected:
    // Opens the file named for job: ends the opening under way cancelled, then gives job its
    // result from the event loop. A player destroyed first ends it without a completion.
    virtual void StartOpening(Job<> job) = 0;

  private:
    QObject anchor_;  // the context of the openings asked without one
};

// The player with the buttons of the Sounds page's player strip.
class MediaControls : public SoundPlayer {
  public:
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Step() = 0;  // a few seconds forward
    virtual void Back() = 0;  // a few seconds back
};

}  // namespace hx::alarms
