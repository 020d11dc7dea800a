// The calendar export as a job: one day per turn of the event loop, with progress, so a
// window stays responsive through a long range.
#pragma once

#include <memory>

#include <QByteArray>
#include <QDateTime>
#include <QObject>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"
#include "core/job.h"

namespace hx::cal {

struct ExportRequest {
    Moment first = 0;  // the first day (site clock)
    int days = 1;
    bool events = true;
    bool hours = false;
    Observer observer;
    QDateTime stamp;  // the present, for DTSTAMP
    CalendarSite site;
    bool sky = false;            // twilights, Moon phases, ingresses and void-of-course spans
    CalendarAlarms alarms = {};  // a VALARM on each event whose alarm is on (alarms::CalendarLeads)
};

class ExportJob : public QObject {
    Q_OBJECT
  public:
    explicit ExportJob(const ExportRequest& request, QObject* parent = nullptr);
    ~ExportJob() override;

    // Begins computing from the event loop; progress() follows each day. The completion runs
    // once from context's event loop, done with the iCalendar document; cancelled through the
    // handle, the export stops before its next day. An export destroyed first ends cancelled.
    JobHandle Start(QObject* context, Job<QByteArray>::Completion done);
    bool Running() const { return job_.Wanted(); }

  signals:
    void progress(int daysDone, int days);

  private:
    void Step();

    ExportRequest request_;
    std::unique_ptr<SkyCalendar> calendar_;
    CalendarDay done_;
    SkyItemList sky_;
    int day_ = 0;
    Job<QByteArray> job_;
};

}  // namespace hx::cal
