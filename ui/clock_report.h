// The clock and the report: the top strip's pickers and Now, the clock timer, the moment the
// report is for, the report and its views (the Main and Sky pages, the Moon picture, the tray
// icon's picture and tooltip) and the sky-event list the report keeps.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/datetime.h"
#include "core/observer.h"
#include "core/sky_events.h"
#include "menu/options_model.h"
#include "pages.h"
#include "report/report.h"
#include "window_services.h"

class QDateEdit;
class QFrame;
class QIcon;
class QLabel;
class QPlainTextEdit;
class QTimeEdit;
class QTimer;
class QToolButton;

namespace hx::ui {

class DaySpinner;
class SkyPanel;

class ClockAndReport : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* parent;  // the owner of the message boxes
        const WindowServices* services;
        const OptionsModel* options;
        std::function<const Observer&()> site;
        std::function<QString()> placeName;  // the site's name in the tooltip and the Log
        std::function<ReportStyle()> style;
        // A zoned site's fields follow the zone's offset at the present.
        std::function<void(Moment now)> followZone;
        std::function<void(const QString& text)> showTime;       // the status bar's time
        std::function<void(const QString& text)> showCountdown;  // and its countdown
        std::function<void(const QString& toolTip)> showToolTip;
        std::function<void(const QIcon& icon)> showTrayIcon;
        std::function<void(const QString& line)> log;
        std::function<void(const QString& text)> showError;
        std::function<void()> siteMissing;  // the report found no site: the clock pauses
        std::function<void(Moment now)> checkAlarms;
        std::function<void(const std::function<void()>&)> guarded;
    };
    ClockAndReport(Window window, QObject* parent);

    QFrame* TopStrip() const { return topStrip_; }
    QWidget* MainPageWidget() const { return main_.page; }
    QPlainTextEdit* ReportView() const { return main_.reportView; }
    QWidget* SkyPage() const;

    // The Now command: the present read once for the zone's offset, the pickers, the report,
    // the status bar's time and the alarms.
    void Now();
    void ShowPresent(Moment now);
    void Tick();  // one tick of the clock timer: Now, an error shown in the error box
    // The report again, for the present read now.
    void Rebuild();
    void Rebuild(Moment now);
    // A site changed: pickers that showed the present show the new site's present.
    void RebuildForNewSite();

    bool ClockEnabled() const { return clockEnabled_; }
    quint32 Interval() const { return interval_; }
    void SetClockEnabled(bool enabled);
    void SetInterval(quint32 interval);
    void ShowMoonPicture(bool shown);
    // The report found no site, and the window paused the clock for it; the Locale page, a
    // switch of the clock or a site found ends the pause.
    bool PausedForSite() const { return pausedForSite_; }
    void ClearPausedForSite() { pausedForSite_ = false; }

    // The reading the pickers show, as the report and the lookups take it.
    Moment PickerMoment() const { return shown_.reading; }
    const QString& TrayText() const { return trayText_; }
    const TrayChoice& TrayIconChoice() const { return trayChoice_; }
    SkyEventState& Events() { return events_; }
    quint64 EventsGeneration() const { return eventsGeneration_; }
    void ForgetEvents();  // start-up and shutdown: the event list starts again

  private:
    void BuildTopStrip();
    void onPickerChanged();
    void onDaySpinnerClicked(int days);
    void SetPickers(Moment reading);
    Moment PickersReading() const;  // read only where the user set the pickers
    Moment PickerInstant() const;
    void SetPickersToPresent(Moment now);
    void ShowSkyAndCountdown(Moment now);
    void ApplyReport(const ReportResult& r);

    Window window_;
    QFrame* topStrip_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
    DaySpinner* daySpinner_ = nullptr;
    QTimeEdit* timePicker_ = nullptr;
    QToolButton* nowButton_ = nullptr;
    QLabel* moonPicture_ = nullptr;
    MainPage main_;
    SkyPanel* sky_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    bool clockEnabled_ = false;
    bool pausedForSite_ = false;
    quint32 interval_ = 10000;
    // The moment the pickers show: the present of the last Now (atPresent), or a reading the
    // user set.
    struct ShownMoment {
        bool atPresent = false;
        Moment present = 0;  // the instant the last Now set the pickers to
        Moment reading = 0;  // the site's clock reading the pickers show
    } shown_;
    SkyEventState events_;
    quint64 eventsGeneration_ = 0;  // counts replacements of events_.events
    QString trayText_;
    TrayChoice trayChoice_;
    QString lastToolTip_;  // the report's own tooltip, before the countdown is added
};

}  // namespace hx::ui
