#include "clock_report.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include "core/artwork.h"
#include "core/clock.h"
#include "core/error.h"
#include "core/format.h"
#include "core/zone.h"
#include "day_spinner.h"
#include "icons.h"
#include "message_box.h"
#include "report/clock.h"
#include "report/option_clicks.h"
#include "report/sky_page.h"
#include "sky_panel.h"

namespace hx::ui {

ClockAndReport::ClockAndReport(Window window, QObject* parent)
    : QObject(parent), window_(std::move(window)) {
    BuildTopStrip();
    main_ = BuildMainPage();
    sky_ = new SkyPanel;
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("clockTimer");
    clockTimer_->setInterval(int(interval_));
    connect(clockTimer_, &QTimer::timeout, this, &ClockAndReport::Tick);
}

QWidget* ClockAndReport::SkyPage() const {
    return sky_;
}

void ClockAndReport::BuildTopStrip() {
    topStrip_ = new QFrame;
    topStrip_->setObjectName("topStrip");
    topStrip_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    topStrip_->setFixedHeight(57);
    datePicker_ = new QDateEdit;
    datePicker_->setObjectName("DateTimePicker1");
    datePicker_->setCalendarPopup(true);
    datePicker_->setMinimumDate(QDate(1904, 3, 20));
    datePicker_->setDisplayFormat(ShortDateFormatWideYear(QLocale::system()));
    daySpinner_ = new DaySpinner;
    daySpinner_->setObjectName("daySpinner");
    timePicker_ = new QTimeEdit;
    timePicker_->setObjectName("DateTimePicker2");
    timePicker_->setDisplayFormat(LongTimeFormatWithoutZone(QLocale::system()));
    nowButton_ = new QToolButton;
    nowButton_->setObjectName("nowButton");
    nowButton_->setAutoRaise(true);
    nowButton_->setIcon(LightningGlyph());
    moonPicture_ = new QLabel;
    moonPicture_->setObjectName("moonPicture");
    moonPicture_->setFixedWidth(50);
    moonPicture_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    moonPicture_->setPixmap(MoonPicture(1, false));

    auto* row = new QHBoxLayout(topStrip_);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(2);
    row->addWidget(datePicker_, 0, Qt::AlignTop);
    row->addWidget(daySpinner_, 0, Qt::AlignTop);
    row->addSpacing(6);
    row->addWidget(timePicker_, 0, Qt::AlignTop);
    row->addWidget(nowButton_, 0, Qt::AlignTop);
    row->addStretch(1);
    row->addWidget(moonPicture_);

    const auto guarded = [this](auto handler) {
        return [this, handler] { window_.guarded(handler); };
    };
    connect(datePicker_, &QDateEdit::dateChanged, this, guarded([this] { onPickerChanged(); }));
    connect(timePicker_, &QTimeEdit::timeChanged, this, guarded([this] { onPickerChanged(); }));
    connect(daySpinner_, &DaySpinner::Stepped, this,
            [this](int days) { window_.guarded([this, days] { onDaySpinnerClicked(days); }); });
    connect(nowButton_, &QToolButton::clicked, this, guarded([this] { Now(); }));
}

// --- The clock ---------------------------------------------------------------------------

void ClockAndReport::SetClockEnabled(bool enabled) {
    clockEnabled_ = enabled;
    // An interval of 0 leaves the flag set but the timer silent.
    if (enabled && interval_ > 0)
        clockTimer_->start();
    else
        clockTimer_->stop();
}

void ClockAndReport::SetInterval(quint32 interval) {
    interval_ = interval;
    clockTimer_->setInterval(int(qMin(interval, kLargestInterval)));
    SetClockEnabled(clockEnabled_);  // restarts the count
}

void ClockAndReport::Now() {
    ShowPresent(NowUtc());
}

void ClockAndReport::ShowPresent(Moment now) {
    window_.followZone(now);
    SetPickersToPresent(now);
    Rebuild(now);
    if (!clockEnabled_) return;
    window_.showTime(StatusTimeText(ReadingOfUtc(window_.site(), now), interval_));
    window_.checkAlarms(now);
}

void ClockAndReport::Tick() {
    try {
        Now();
    } catch (const Error& e) {
        window_.showError(e.message());
    }
}

// --- The pickers -------------------------------------------------------------------------

void ClockAndReport::SetPickers(Moment reading) {
    shown_.reading = reading;
    const QDateTime dt = ToQDateTime(reading);
    const QSignalBlocker b1(datePicker_), b2(timePicker_);
    datePicker_->setDate(dt.date());
    timePicker_->setTime(dt.time());
}

Moment ClockAndReport::PickersReading() const {
    return ReportMoment(FromQDate(datePicker_->date()),
                        FromQDate(QDate(1899, 12, 30), timePicker_->time()));
}

Moment ClockAndReport::PickerInstant() const {
    // A reading in the repeated hour of a fold is ambiguous; the present it came from is not.
    // A site changed since the present was shown reads the pickers with its own offset.
    const Observer& site = window_.site();
    if (shown_.atPresent &&
        std::abs(ReadingOfUtc(site, shown_.present) - shown_.reading) < 1.0 / 86400)
        return shown_.present;
    return UtcOfReading(site, shown_.reading);
}

void ClockAndReport::SetPickersToPresent(Moment now) {
    shown_.atPresent = true;
    shown_.present = now;
    SetPickers(ReadingOfUtc(window_.site(), now));
}

void ClockAndReport::onPickerChanged() {
    shown_.atPresent = false;
    shown_.reading = PickersReading();
    Rebuild();
}

void ClockAndReport::onDaySpinnerClicked(int days) {
    const std::optional<Moment> stepped = StepPickerDate(FromQDate(datePicker_->date()), days);
    if (!stepped) {
        MessageBox::Show(window_.parent, kCalendarRefusal);
        return;
    }
    {
        const QSignalBlocker block(datePicker_);
        datePicker_->setDate(ToQDateTime(*stepped).date());
    }
    shown_.atPresent = false;
    shown_.reading = PickersReading();
    Rebuild();
}

// --- The report --------------------------------------------------------------------------

void ClockAndReport::Rebuild() {
    Rebuild(NowUtc());
}

void ClockAndReport::Rebuild(Moment now) {
    const Observer& site = window_.site();
    std::optional<ReportResult> r;
    if (site.HasSite()) {
        r = window_.services->compose(PickerInstant(), site, *window_.options, events_, now,
                                      window_.style());
        if (r->eventsRecomputed) ++eventsGeneration_;
    }
    const bool missing = !r || r->siteMissing;
    if (!missing) ApplyReport(*r);
    ShowSkyAndCountdown(now);
    if (!missing) return;
    pausedForSite_ = true;
    window_.siteMissing();
}

void ClockAndReport::RebuildForNewSite() {
    const Moment now = NowUtc();
    if (shown_.atPresent) SetPickersToPresent(now);
    Rebuild(now);
}

void ClockAndReport::ForgetEvents() {
    events_ = SkyEventState{};
    ++eventsGeneration_;
}

void ClockAndReport::ShowMoonPicture(bool shown) {
    topStrip_->setFixedHeight(HeaderPanelHeight(shown));
    moonPicture_->setVisible(shown);
}

// The Sky page follows the report's instant; the countdown is the present's, so it is shown
// only while the pickers hold the present and the event list is the present day's.
void ClockAndReport::ShowSkyAndCountdown(Moment now) {
    const Observer& site = window_.site();
    const HourClock clock = window_.style().clock;
    sky_->Show(PickerInstant(), site, clock);
    const QString countdown = site.HasSite() && shown_.atPresent
                                  ? CountdownText(now, events_, QLocale::system(), clock)
                                  : QString();
    window_.showCountdown(countdown);
    // The report's tooltip names the hour's end already: it gains the solar part.
    const QString solar = countdown.startsWith(QStringLiteral("Sun"))
                              ? countdown.section(QStringLiteral(" \u00b7 "), 0, 0)
                              : QString();
    if (site.HasSite())
        window_.showToolTip(solar.isEmpty() ? lastToolTip_ : lastToolTip_ + u'\n' + solar);
}

namespace {

// Shows the lines in a plain-text view. When the view holds as many lines, only those that
// differ are replaced: a tick changes the header's seconds and little else, and laying out
// the whole report again would cost more than the rest of the tick.
void ShowLines(QPlainTextEdit* view, const QStringList& lines) {
    QTextDocument* doc = view->document();
    const auto breaksLines = [](const QString& l) {
        return l.contains(u'\n') || l.contains(u'\r') || l.contains(QChar::ParagraphSeparator);
    };
    if (lines.isEmpty() || doc->blockCount() != lines.size() ||
        std::any_of(lines.begin(), lines.end(), breaksLines)) {
        view->setPlainText(lines.join(u'\n'));
        return;
    }
    QTextCursor cursor(doc);
    bool editing = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = doc->findBlockByNumber(i);
        if (block.text() == lines[i]) continue;
        if (!editing) cursor.beginEditBlock();
        editing = true;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(lines[i]);
    }
    if (editing) cursor.endEditBlock();
}

}  // namespace

void ClockAndReport::ApplyReport(const ReportResult& r) {
    const Observer& site = window_.site();
    if (!r.logLines.isEmpty()) window_.log(EventListHeading(window_.placeName(), site));
    for (const QString& line : r.logLines) window_.log(line);
    if (!r.error.isEmpty()) {
        ShowLines(main_.reportView, r.lines);
        return;
    }
    // A td.txt that cannot be written costs only the file: the report is shown everywhere
    // and the failure said once (until a write succeeds again), after the report is up.
    const std::optional<QString> headerError = window_.services->writeHeader(r.headerLines);
    ShowLines(main_.reportView, r.lines);
    main_.reportView->moveCursor(QTextCursor::Start);
    main_.reportView->verticalScrollBar()->setValue(0);
    trayText_ = r.trayText;
    lastToolTip_ = ToolTipNamingSite(window_.placeName(), site, r.toolTip);
    window_.showToolTip(lastToolTip_);
    moonPicture_->setPixmap(MoonPicture(r.moonPhase.index, MoonSeenMirrored(site)));
    if (r.tray.list != TrayChoice::List::Unchanged) {
        trayChoice_ = r.tray;
        window_.showTrayIcon(r.tray.list == TrayChoice::List::Planets
                                 ? PlanetIcon(r.tray.index)
                                 : MoonIcon(r.tray.index, r.tray.mirrored));
    }
    if (headerError) window_.showError(*headerError);
}

}  // namespace hx::ui
