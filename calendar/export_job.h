// The calendar export as a job: one day per turn of the event loop, with progress, so a
// window stays responsive through a long range.
#pragma once

#include <memory>

#include <QByteArray>
#include <QDateTime>
#include <QObject>

#include "calendar/icalendar.h"
#include "calendar/sky_calendar.h"

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

    // Begins computing from the event loop; progress() follows each day, then finished().
    void Start();
    // Stops before the next day; finished() is not emitted.
    void Cancel();
    bool Running() const { return running_; }

  signals:
    void progress(int daysDone, int days);
    void finished(const QByteArray& icalendar);

  private:
    void Step();

    ExportRequest request_;
    std::unique_ptr<SkyCalendar> calendar_;
    CalendarDay done_;
    SkyItemList sky_;
    int day_ = 0;
    bool running_ = false;
};

}  // namespace hx::cal
