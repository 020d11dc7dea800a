// MainWindow: File → Export Calendar… gathers the choice and writes the file; the calendar
// library computes it, a day per turn of the event loop, behind a progress dialog.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QProgressDialog>
#include <QSaveFile>

#include "alarms/alarm_tables.h"
#include "calendar/export_job.h"
#include "core/clock.h"
#include "core/error.h"
#include "export_calendar_dialog.h"
#include "main_window.h"
#include "message_box.h"

namespace hx::ui {

void MainWindow::AddExportMenuItem() {
    QAction* fileMenu = menus_.byName.value(StoredName(Option::FileMenu));
    QAction* exit = menus_.byName.value(StoredName(Option::Exit));
    if (!fileMenu || !fileMenu->menu() || !exit) return;
    auto* item = new QAction(QStringLiteral("&Export Calendar…"), this);
    item->setObjectName(QStringLiteral("ExportCalendar1"));
    fileMenu->menu()->insertAction(exit, item);
    fileMenu->menu()->insertSeparator(exit);
    connect(item, &QAction::triggered, this,
            [this] { Guarded([this] { onExportCalendarClicked(); }); });
}

void MainWindow::onExportCalendarClicked() {
    if (exportJob_) {
        MessageBox::Show(this, QStringLiteral("A calendar export is still running."));
        return;
    }
    ExportCalendarDialog::Ask(this, [this](const ExportChoice& c) { StartCalendarExport(c); });
}

void MainWindow::StartCalendarExport(const ExportChoice& choice) {
    if (exportJob_) return;
    if (!observer_.HasSite()) {
        MessageBox::Show(this, QStringLiteral("No site: enter the latitude and longitude on the "
                                              "Locale page to export a calendar."));
        return;
    }
    cal::ExportRequest req;
    req.first = DatePart(PickerMoment());
    req.days = choice.days;
    req.events = choice.events;
    req.hours = choice.hours;
    req.sky = choice.sky;
    req.alarms = alarms::CalendarLeads(alarmTables_);
    req.observer = observer_;
    req.stamp = CurrentDateTime().toUTC();
    req.site.style = ThelemicStyleOf(options_);  // the events' date lines as the report's
    auto* job = new cal::ExportJob(req, this);
    exportJob_ = job;
    // Not modal: a modal progress dialog would run the event loop inside setValue().
    auto* progress = new QProgressDialog(QStringLiteral("Computing the calendar…"),
                                         QStringLiteral("Cancel"), 0, req.days, this);
    progress->setObjectName("ExportProgress");
    progress->setWindowModality(Qt::NonModal);
    progress->setMinimumDuration(500);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);
    connect(job, &cal::ExportJob::progress, progress, &QProgressDialog::setValue);
    connect(progress, &QProgressDialog::canceled, job, [job, progress] {
        job->Cancel();
        job->deleteLater();
        progress->deleteLater();
    });
    const QString fileName = choice.fileName;
    connect(job, &cal::ExportJob::finished, this,
            [this, job, progress, fileName](const QByteArray& ics) {
                progress->deleteLater();
                job->deleteLater();
                Guarded([&] {
                    QSaveFile f(fileName);
                    if (!f.open(QIODevice::WriteOnly) || f.write(ics) != ics.size() || !f.commit())
                        throw Error(QStringLiteral("Cannot write the calendar to %1: %2")
                                        .arg(fileName, f.errorString()));
                    const qsizetype events = ics.count("BEGIN:VEVENT");
                    ShowStatusMessage(QStringLiteral("Calendar written to %1: %2 event%3.")
                                          .arg(QDir::toNativeSeparators(fileName))
                                          .arg(events)
                                          .arg(events == 1 ? "" : "s"),
                                      60000);
                });
            });
    job->Start();
}

}  // namespace hx::ui
