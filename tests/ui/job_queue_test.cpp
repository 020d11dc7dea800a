// The job queue: one job at a time, each end starts the next once; cancels reach the running job.
#include <gtest/gtest.h>

#include <QStringList>

#include "ui/job_queue.h"

using hx::ui::JobQueue;

namespace {

enum class Step { EndFirst, CancelRunning, CancelAll };

struct Row {
    const char* name;
    bool firstCancellable;
    std::vector<Step> steps;
    QStringList log;  // starts, cancels and idles, in order
    bool idle;
};

}  // namespace

TEST(JobQueue, EndsStartTheNextOnceAndCancelsReachTheRunningJob) {
    const Row rows[] = {
        {"an end twice", true, {Step::EndFirst, Step::EndFirst}, {"start 1", "start 2"}, false},
        {"cancel the running one",
         true,
         {Step::CancelRunning, Step::CancelRunning, Step::EndFirst},
         {"start 1", "cancel 1", "start 2"},
         false},
        {"cancel all", true, {Step::CancelAll, Step::EndFirst}, {"start 1", "cancel 1"}, true},
        {"cancel all, no cancel set", false, {Step::CancelAll, Step::EndFirst}, {"start 1"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        JobQueue queue;
        QStringList log;
        JobQueue::Finished endFirst;
        queue.Add([&](JobQueue::Finished finished) {
            log << "start 1";
            endFirst = finished;
            if (row.firstCancellable) queue.SetCancel([&] { log << "cancel 1"; });
        });
        queue.Add([&](JobQueue::Finished) {
            log << "start 2";
            queue.SetCancel([&] { log << "cancel 2"; });
        });
        for (Step step : row.steps) {
            switch (step) {
                case Step::EndFirst:
                    endFirst();
                    break;
                case Step::CancelRunning:
                    queue.CancelRunning();
                    break;
                case Step::CancelAll:
                    queue.CancelAll();
                    break;
            }
        }
        EXPECT_EQ(log, row.log);
        EXPECT_EQ(queue.Idle(), row.idle);
    }
}
