// File → Export Calendar… gathers the choice and writes the file; the calendar library
// computes it, a day per turn of the event loop, behind a progress dialog.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QProgressDialog>
#include <QSaveFile>

#include "calendar/export_job.h"
#include "calendar_export.h"
#include "core/clock.h"
#include "core/error.h"
#include "export_calendar_dialog.h"
#include "message_box.h"

namespace hx::ui {

CalendarExport::CalendarExport(Window window)
    : QObject(window.parent), window_(std::move(window)) {}

void CalendarExport::AddMenuItem(QAction* fileMenu, QAction* exit) {
    if (!fileMenu || !fileMenu->menu() || !exit) return;
    auto* item = new QAction(QStringLiteral("&Export Calendar…"), window_.parent);
    item->setObjectName(QStringLiteral("ExportCalendar1"));
    fileMenu->menu()->insertAction(exit, item);
    fileMenu->menu()->insertSeparator(exit);
    connect(item, &QAction::triggered, this,
            [this] { window_.guarded([this] { onExportCalendarClicked(); }); });
}

void CalendarExport::Cancel() {
    run_.Cancel(CancelMode::Silent);
}

void CalendarExport::onExportCalendarClicked() {
    if (job_) {
        MessageBox::Show(window_.parent, QStringLiteral("A calendar export is still running."));
        return;
    }
    ExportCalendarDialog::Ask(window_.parent, [this](const ExportChoice& c) { Start(c); });
}

void CalendarExport::Start(const ExportChoice& choice) {
    if (job_) return;
    const Observer site = window_.site();
    if (!site.HasSite()) {
        MessageBox::Show(window_.parent,
                         QStringLiteral("No site: enter the latitude and longitude on the "
                                        "Locale page to export a calendar."));
        return;
    }
    cal::ExportRequest req;
    req.first = DatePart(window_.firstDay());
    req.days = choice.days;
    req.events = choice.events;
    req.hours = choice.hours;
    req.sky = choice.sky;
    req.alarms = window_.alarms();
    req.observer = site;
    req.stamp = CurrentDateTime().toUTC();
    req.site.style = window_.style();  // the events' date lines as the report's
    auto* job = new cal::ExportJob(req, this);
    job_ = job;
    // Not modal: a modal progress dialog would run the event loop inside setValue().
    auto* progress = new QProgressDialog(QStringLiteral("Computing the calendar…"),
                                         QStringLiteral("Cancel"), 0, req.days, window_.parent);
    progress->setObjectName("ExportProgress");
    progress->setWindowModality(Qt::NonModal);
    progress->setMinimumDuration(500);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);
    connect(job, &cal::ExportJob::progress, progress, &QProgressDialog::setValue);
    connect(progress, &QProgressDialog::canceled, job, [this, job, progress] {
        run_.Cancel(CancelMode::Silent);
        job->deleteLater();
        progress->deleteLater();
    });
    const QString fileName = choice.fileName;
    run_ = job->Start(this, [this, job, progress, fileName](const JobResult<QByteArray>& r) {
        progress->deleteLater();
        job->deleteLater();
        const QByteArray& ics = r.value;
        window_.guarded([&] {
            QSaveFile f(fileName);
            if (!f.open(QIODevice::WriteOnly) || f.write(ics) != ics.size() || !f.commit())
                throw Error(QStringLiteral("Cannot write the calendar to %1: %2")
                                .arg(fileName, f.errorString()));
            const qsizetype events = ics.count("BEGIN:VEVENT");
            window_.say(QStringLiteral("Calendar written to %1: %2 event%3.")
                            .arg(QDir::toNativeSeparators(fileName))
                            .arg(events)
                            .arg(events == 1 ? "" : "s"),
                        60000);
        });
    });
}

}  // namespace hx::ui
