// The job shape: a completion once, from the event loop, never after its context; cancels.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QObject>

#include "core/job.h"

using namespace hx;

namespace {

enum class Step { Done, Fail, CancelNotify, CancelSilent, DropContext, RunLoop };

struct Row {
    const char* name;
    std::vector<Step> steps;
    std::vector<bool> cancelSays;  // what each Cancel returned, in order
    std::vector<JobEnd> ends;      // the completions that ran
    int stops;                     // times the work was told to stop
};

}  // namespace

TEST(Job, CompletionOnceFromTheLoopAndNeverAfterItsContext) {
    const Row rows[] = {
        {"done twice", {Step::Done, Step::Done, Step::RunLoop}, {}, {JobEnd::Done}, 0},
        {"failed, then done", {Step::Fail, Step::Done, Step::RunLoop}, {}, {JobEnd::Failed}, 0},
        {"context gone before the loop", {Step::Done, Step::DropContext, Step::RunLoop}, {}, {}, 0},
        {"context gone before the result",
         {Step::DropContext, Step::Done, Step::RunLoop},
         {},
         {},
         0},
        {"cancel with completion",
         {Step::CancelNotify, Step::Done, Step::CancelNotify, Step::RunLoop},
         {true, true},
         {JobEnd::Cancelled},
         1},
        {"cancel without completion",
         {Step::CancelSilent, Step::Done, Step::RunLoop},
         {false},
         {},
         1},
        {"silent cancel of a given result",
         {Step::Done, Step::CancelSilent, Step::RunLoop},
         {false},
         {},
         0},
        {"cancel after the completion",
         {Step::Done, Step::RunLoop, Step::CancelNotify},
         {false},
         {JobEnd::Done},
         0},
        {"cancel after the context",
         {Step::DropContext, Step::CancelNotify, Step::RunLoop},
         {false},
         {},
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto context = std::make_unique<QObject>();
        std::vector<JobEnd> ends;
        std::vector<bool> says;
        int stops = 0;
        auto [job, handle] = Job<int>::Start(context.get(), [&](const JobResult<int>& r) {
            ends.push_back(r.end);
            EXPECT_EQ(r.value, r.end == JobEnd::Done ? 7 : 0);
            EXPECT_EQ(r.reason, r.end == JobEnd::Failed ? "no answer" : "");
        });
        job.OnCancel([&] { ++stops; });
        for (Step step : row.steps) {
            switch (step) {
                case Step::Done:
                    job.Done(7);
                    break;
                case Step::Fail:
                    job.Fail("no answer");
                    break;
                case Step::CancelNotify:
                    says.push_back(handle.Cancel(CancelMode::Notify));
                    break;
                case Step::CancelSilent:
                    says.push_back(handle.Cancel(CancelMode::Silent));
                    break;
                case Step::DropContext:
                    context.reset();
                    break;
                case Step::RunLoop:
                    QCoreApplication::processEvents();
                    break;
            }
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(ends, row.ends);
        EXPECT_EQ(says, row.cancelSays);
        EXPECT_EQ(stops, row.stops);
        EXPECT_FALSE(handle.Pending());
    }
}
