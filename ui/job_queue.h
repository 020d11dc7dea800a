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
    // Drops the waiting jobs and cancels the running one: its cancel runs, and its end, when
    // it comes, starts nothing.
    void CancelAll();
    // How the running job is cancelled; a job that can be cancelled sets it when it starts
    // waiting. Forgotten when the next job starts.
    void SetCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }
    // Cancels the running job only: it is forgotten before it runs, so a job that its end
    // starts at once is not cancelled with it. Nothing when the running job cannot be.
    void CancelRunning();
    bool Idle() const { return !running_ && jobs_.empty(); }
    // Runs whenever the last job has ended.
    std::function<void()> onIdle;

  private:
    void RunNext();
    std::deque<Job> jobs_;
    bool running_ = false;
    unsigned long long generation_ = 0;
    std::function<void()> cancel_;
};

}  // namespace hx::ui
