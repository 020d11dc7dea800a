// The window's network work as jobs run one after another.
#pragma once

#include <deque>
#include <functional>

namespace hx::ui {

// Each job starts with the function that ends it; the next job starts when the running one
// calls it (at once or from a later completion). A second call, or one after Clear, does
// nothing.
class JobQueue {
  public:
    using Finished = std::function<void()>;
    using Job = std::function<void(Finished finished)>;

    void Add(Job job);
    // Drops the waiting jobs and forgets the running one.
    void Clear();
    bool Idle() const { return !running_ && jobs_.empty(); }
    // Runs whenever the last job has ended.
    std::function<void()> onIdle;

  private:
    void RunNext();
    std::deque<Job> jobs_;
    bool running_ = false;
    unsigned long long generation_ = 0;
};

}  // namespace hx::ui
