// The one shape of an asynchronous job: started with a context object, it ends once with a
// result (done with a value, failed with a reason, or cancelled), and its completion runs from
// the context's event loop, never after the context is gone.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <variant>

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

namespace hx {

enum class JobEnd { Done, Failed, Cancelled };

template <class T = std::monostate>
struct JobResult {
    JobEnd end = JobEnd::Done;
    T value{};
    QString reason;  // why the job failed
    bool done() const { return end == JobEnd::Done; }
};

// How a cancel ends the job: its completion runs with Cancelled, or it never runs.
enum class CancelMode { Notify, Silent };

namespace job_detail {

struct State {
    QPointer<QObject> context;
    bool ended = false;              // a result was given or the job was cancelled
    bool settled = false;            // the completion ran, or never will
    std::function<void()> stopWork;  // what the work does when it is cancelled
    std::function<void()> queueCancelled;
};

}  // namespace job_detail

// The caller's side: cancels the job and says whether its completion is still to come.
// Copies refer to the same job; an empty handle is a job that has ended.
class JobHandle {
  public:
    JobHandle() = default;
    explicit JobHandle(std::shared_ptr<job_detail::State> s) : s_(std::move(s)) {}
    // The completion is still to come.
    bool Pending() const { return s_ && !s_->settled && s_->context; }
    // The work has not given its result yet.
    bool Running() const { return Pending() && !s_->ended; }
    // Cancels the job: running work is told to stop; with Notify the completion runs once with
    // Cancelled (or with the result already given, if one was), with Silent it never runs.
    // Returns whether the completion still runs.
    bool Cancel(CancelMode mode) {
        if (!Pending()) return false;
        if (mode == CancelMode::Silent) {
            s_->settled = true;
            s_->ended = true;
        }
        if (!s_->ended) {
            s_->ended = true;
            if (auto queue = std::exchange(s_->queueCancelled, nullptr)) queue();
        }
        if (auto stop = std::exchange(s_->stopWork, nullptr)) stop();
        s_->queueCancelled = nullptr;
        return !s_->settled;
    }
    void Reset() { s_.reset(); }

  private:
    std::shared_ptr<job_detail::State> s_;
};

// The work's side, used on the context's thread: gives the result once. Later results, and
// results after a cancel, are dropped.
template <class T = std::monostate>
class Job {
  public:
    using Completion = std::function<void(const JobResult<T>&)>;

    Job() = default;
    // A job whose completion runs on `context`'s event loop.
    static std::pair<Job, JobHandle> Start(QObject* context, Completion completion) {
        auto state = std::make_shared<job_detail::State>();
        state->context = context;
        Job job(state, std::make_shared<Completion>(std::move(completion)));
        state->queueCancelled = [weak = std::weak_ptr(state), c = job.completion_] {
            if (auto s = weak.lock()) Queue(s, c, JobResult<T>{JobEnd::Cancelled, {}, {}});
        };
        return {job, JobHandle(state)};
    }

    void Done(T value = {}) { Give(JobResult<T>{JobEnd::Done, std::move(value), {}}); }
    void Fail(const QString& reason) { Give(JobResult<T>{JobEnd::Failed, {}, reason}); }
    // The job is still wanted: no result given, not cancelled, the context alive.
    bool Wanted() const { return s_ && !s_->ended && s_->context; }
    // What the work does when the job is cancelled before its result (called once).
    void OnCancel(std::function<void()> stop) {
        if (Wanted()) s_->stopWork = std::move(stop);
    }
    JobHandle Handle() const { return JobHandle(s_); }

  private:
    Job(std::shared_ptr<job_detail::State> s, std::shared_ptr<Completion> c)
        : s_(std::move(s)), completion_(std::move(c)) {}
    void Give(JobResult<T> result) {
        if (!Wanted()) return;
        s_->ended = true;
        s_->stopWork = nullptr;
        s_->queueCancelled = nullptr;
        Queue(s_, completion_, std::move(result));
    }
    static void Queue(const std::shared_ptr<job_detail::State>& s,
                      const std::shared_ptr<Completion>& completion, JobResult<T> result) {
        QObject* context = s->context;
        if (!context) return;
        // A call queued on a context that is destroyed before it runs is dropped with it.
        QMetaObject::invokeMethod(
            context,
            [s, completion, result = std::move(result)] {
                if (s->settled) return;
                s->settled = true;
                if (auto c = std::exchange(*completion, nullptr)) c(result);
            },
            Qt::QueuedConnection);
    }
    std::shared_ptr<job_detail::State> s_;
    std::shared_ptr<Completion> completion_;
};

}  // namespace hx
