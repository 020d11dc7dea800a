// The sound player the alarms and the Sounds page share, behind an interface tests replace.
#pragma once

#include <QString>

namespace hx::alarms {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Closes whatever file is open; keeps the file name.
    virtual void Close() = 0;
    virtual void SetFileName(const QString& path) = 0;
    // The last file name given; empty until one is given.
    virtual QString FileName() const = 0;
    // Opens the file named and waits until it is ready. Raises hx::Error when it cannot.
    virtual void Open() = 0;
    // Starts playing the open file and returns at once.
    virtual void Play() = 0;
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
