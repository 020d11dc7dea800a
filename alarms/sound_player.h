// The sound player the alarms and the Sounds page share, behind an interface tests replace.
#pragma once

#include <functional>

#include <QString>

namespace hx::alarms {

// How an opening ended: ready to play, or failed with the reason. Neither means a Close or
// another Open came first.
struct OpenOutcome {
    bool ready = false;
    QString error;
};
using OpenDone = std::function<void(const OpenOutcome&)>;

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Closes whatever file is open; keeps the file name.
    virtual void Close() = 0;
    virtual void SetFileName(const QString& path) = 0;
    // The last file name given; empty until one is given.
    virtual QString FileName() const = 0;
    // Starts opening the file named and returns; done runs once the file is ready or has
    // failed. A Close or another Open before that runs the pending done with neither; a
    // player destroyed meanwhile drops it.
    virtual void Open(OpenDone done) = 0;
    // Starts playing the open file and returns at once.
    virtual void Play() = 0;
    // Whether anything played can be heard: false where the machine has no audio output.
    virtual bool HasOutput() const { return true; }
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
