// The job queue: one running job, the rest waiting in order.
#include "job_queue.h"

#include <utility>

namespace hx::ui {

void JobQueue::Add(Job job) {
    jobs_.push_back(std::move(job));
    RunNext();
}

void JobQueue::CancelAll() {
    jobs_.clear();
    const std::function<void()> cancel = std::exchange(cancel_, nullptr);
    const bool wasRunning = std::exchange(running_, false);
    ++generation_;
    if (wasRunning && cancel) cancel();
}

void JobQueue::CancelRunning() {
    const std::function<void()> cancel = std::exchange(cancel_, nullptr);
    if (running_ && cancel) cancel();
}

void JobQueue::RunNext() {
    if (running_) return;
    if (jobs_.empty()) {
        if (onIdle) onIdle();
        return;
    }
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    running_ = true;
    cancel_ = nullptr;
    const unsigned long long generation = ++generation_;
    job([this, generation] {
        if (generation != generation_ || !running_) return;
        running_ = false;
        RunNext();
    });
}

}  // namespace hx::ui
