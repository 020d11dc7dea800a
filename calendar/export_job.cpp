// The calendar export job.
#include "export_job.h"

#include <QTimer>

#include <utility>

#include "calendar/icalendar.h"

namespace hx::cal {

ExportJob::ExportJob(const ExportRequest& request, QObject* parent)
    : QObject(parent), request_(request) {}

ExportJob::~ExportJob() {
    job_.Handle().Cancel(CancelMode::Notify);
}

JobHandle ExportJob::Start(QObject* context, Job<QByteArray>::Completion done) {
    job_.Handle().Cancel(CancelMode::Notify);
    auto [job, handle] = Job<QByteArray>::Start(context, std::move(done));
    job_ = job;
    calendar_ = std::make_unique<SkyCalendar>(request_.first, request_.observer, request_.events,
                                              request_.hours);
    done_ = {};
    sky_.clear();
    day_ = 0;
    QTimer::singleShot(0, this, &ExportJob::Step);
    return handle;
}

void ExportJob::Step() {
    if (!job_.Wanted()) return;
    CalendarDay one = calendar_->NextDay();
    done_.events.insert(done_.events.end(), one.events.begin(), one.events.end());
    done_.hours.insert(done_.hours.end(), one.hours.begin(), one.hours.end());
    if (request_.sky) {
        const SkyItemList items =
            SkyItemsOfDays(AddDays(request_.first, day_), 1, request_.observer);
        sky_.insert(sky_.end(), items.begin(), items.end());
    }
    ++day_;
    emit progress(day_, request_.days);
    if (!job_.Wanted()) return;  // cancelled from the progress handler
    if (day_ < request_.days) {
        QTimer::singleShot(0, this, &ExportJob::Step);
        return;
    }
    job_.Done(WriteICalendar(done_.events, done_.hours, request_.observer, request_.stamp,
                             request_.site, sky_, request_.alarms));
}

}  // namespace hx::cal
