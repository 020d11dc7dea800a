// TForm1's handlers: start-up, the clock, the display options, the locale entry, the report.
#include <algorithm>
#include <array>
#include <cmath>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimer>

#include "core/artwork.h"
#include "core/clock.h"
#include "core/ephemeris.h"
#include "core/error.h"
#include "core/zone.h"
#include "icons.h"
#include "message_box.h"
#include "report/clock.h"
#include "report/option_clicks.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"
#include "tform1.h"

namespace hx::ui {

void TForm1::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& e) {
        ShowClockError(e.message());
    }
}

void TForm1::FormCreate() {
    const std::function<void()> steps[] = {
        [this] { exitRequested_ = false; },
        [this] {
            const bool firstStart = !QFileInfo::exists(SettingsFilePath());
            RestoreSettings();
            RestoreWindowPlace();
            LoadServiceAddresses();
            if (firstStart) OfferMachineZoneCity();
        },
        [this] {
            PageControl1->setTabVisible(PageControl1->indexOf(news_.page), !NewsFeed().isEmpty());
            // The version check and the feed run as jobs after the first report.
            startupInternet_ = !options_.Checked(Option::InternetDisabled);
        },
        [] { eph::SetEphePath(files::ProgramDirectory()); },
        [this] {
            LoadRecentLocations();
            LoadPlacesFile();
        },
        [this] { SelectStartPage(); },
        [this] { ApplyMoonPicture(options_.Checked(Option::MoonPicture)); },
        [this] {
            events_ = SkyEventState{};
            ++eventsGeneration_;
            LoadAlarmTables();
        },
        [this] {
            SetTimer1Enabled(
                ClockEnabledAfter(ClockEvent::StartUp, options_.Checked(Option::ClockOn)));
            if (timer1Enabled_)
                Timer2->start();
            else
                Timer2->stop();
        },
        [this] { startupLookups_ = true; },  // queued: they run once the window shows
        [this] { Edit2Change(); },
        [this] { Edit12Change(); },
        [this] { Button2Click(); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const Error& e) {
            MessageBox::Show(this, e.message());
            break;
        }
    }
    // The window shows before any network work: the queued jobs start from the event loop.
    QTimer::singleShot(0, this, [this] { StartStartupJobs(); });
}

void TForm1::StartStartupJobs() {
    if (shutdownDone_) return;
    // The gazetteer loads beside the window, after the first report; lookups wait for it.
    places::LoadWorldCitiesInBackground();
    if (startupLookups_) RunStartupLookups();
    if (startupInternet_) {
        jobs_.Add([this](JobQueue::Finished finished) { StartVersionCheck(std::move(finished)); });
        DownloadNewsFeed();
    }
    jobs_.Add([this](JobQueue::Finished finished) {
        startupJobsEnded_ = true;
        finished();
        ShowNewVersionWhenFree();
    });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        Guarded([this] { Edit2Change(); });
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::OnMenuClick(const QString& name) {
    // The handler of each menu command, in the order of MenuCommand.
    using Handler = void (*)(TForm1&, const QString& item);
    static constexpr std::array<Handler, std::size_t(MenuCommand::Count)> handlers = {
        [](TForm1&, const QString&) {},                              // None
        [](TForm1& f, const QString& item) { f.Long2Click(item); },  // DisplayOption
        [](TForm1& f, const QString&) { f.Moonphase1Click(); },
        [](TForm1& f, const QString&) { f.PlanetaryHours2Click(); },
        [](TForm1& f, const QString&) { f.MoonPhase2Click(); },
        [](TForm1& f, const QString& item) {  // Clock
            f.options_.Invert(item);  // the item toggles its own mark before its handler runs
            f.SyncMenu();
            f.Clockon1Click();
        },
        [](TForm1& f, const QString&) { f.Button2Click(); },
        [](TForm1& f, const QString&) { f.Button3Click(true); },
        [](TForm1& f, const QString&) { f.Locale1Click(); },
        [](TForm1& f, const QString&) { f.Refresh1Click(); },
        [](TForm1& f, const QString&) { f.Disabled1Click(); },
        [](TForm1& f, const QString&) { f.DatetoClipboard1Click(); },
        [](TForm1& f, const QString&) { f.Restore1Click(); },
        [](TForm1& f, const QString&) { f.LookupThelemicDatereverse1Click(); },
        [](TForm1& f, const QString&) { f.About1Click(); },
        [](TForm1& f, const QString&) { f.Copy1Click(); },
    };
    const int i = OptionsModel::IndexOf(name);
    if (i < 0) return;
    const Handler handler = handlers[std::size_t(MenuItems()[i].command)];
    Guarded([&] { handler(*this, name); });
    SyncMenu();  // Qt toggles a checkable action itself; the model has the last word
}

void TForm1::SyncMenu() {
    SyncChecks(menus_, options_);
}

// --- The clock -------------------------------------------------------------------------

void TForm1::SetPickers(Moment m) {
    const QDateTime dt = ToQDateTime(m);
    const QSignalBlocker b1(DateTimePicker1), b2(DateTimePicker2);
    DateTimePicker1->setDate(dt.date());
    DateTimePicker2->setTime(dt.time());
}

Moment TForm1::PickerMoment() const {
    return ReportMoment(FromQDate(DateTimePicker1->date()),
                        FromQDate(QDate(1899, 12, 30), DateTimePicker2->time()));
}

Moment TForm1::PickerInstant() const {
    // A reading in the repeated hour of a fold is ambiguous; the present it came from is not.
    const Moment reading = PickerMoment();
    if (pickersAtPresent_ && std::abs(ReadingOfUtc(observer_, pickersUtc_) - reading) < 1.0 / 86400)
        return pickersUtc_;
    return UtcOfReading(observer_, reading);
}

void TForm1::SetPickersToPresent() {
    pickersUtc_ = NowUtc();
    SetPickers(ReadingOfUtc(observer_, pickersUtc_));
}

void TForm1::SetTimer1Enabled(bool enabled) {
    timer1Enabled_ = enabled;
    // An interval of 0 leaves the flag set but the timer silent.
    if (enabled && timer1Interval_ > 0)
        Timer1->start();
    else
        Timer1->stop();
}

void TForm1::SetTimer1Interval(quint32 interval) {
    timer1Interval_ = interval;
    Timer1->setInterval(int(qMin(interval, kLargestInterval)));
    SetTimer1Enabled(timer1Enabled_);  // restarts the count
}

void TForm1::Button2Click() {
    ShowZoneOffset(NowUtc());
    SetPickersToPresent();
    pickersAtPresent_ = true;
    BuildReport();
    if (!timer1Enabled_) return;
    statusPanels_[0]->setText(StatusTimeText(SiteNow(observer_), timer1Interval_));
    CheckAlarms();
}

void TForm1::Timer1Timer() {
    try {
        Button2Click();
    } catch (const Error& e) {
        ShowClockError(e.message());
    }
}

// The one error box of the clock, the alarms, the jobs and the handlers: while it is open, a
// further error is added to it (a text it holds already is not repeated), and once it holds a
// screenful the rest goes to the Log page, so errors never stack up boxes.
void TForm1::ShowClockError(const QString& text) {
    if (!clockError_ || !clockError_->isVisible()) {
        clockError_ = MessageBox::Show(this, text);
        return;
    }
    const QStringList lines = clockError_->text().split(u'\n');
    const QStringList added = text.split(u'\n');
    if (std::all_of(added.begin(), added.end(),
                    [&lines](const QString& l) { return lines.contains(l); }))
        return;
    if (lines.size() + added.size() > kErrorBoxLines)
        log_.log->appendPlainText(text);
    else
        clockError_->setText(clockError_->text() + u'\n' + text);
}

void TForm1::DateTimePicker1Change() {
    pickersAtPresent_ = false;
    BuildReport();
}

void TForm1::UpDown1Click(int days) {
    const std::optional<Moment> stepped = StepPickerDate(FromQDate(DateTimePicker1->date()), days);
    if (!stepped) {
        MessageBox::Show(this, kCalendarRefusal);
        return;
    }
    const QSignalBlocker block(DateTimePicker1);
    pickersAtPresent_ = false;
    DateTimePicker1->setDate(ToQDateTime(*stepped).date());
    BuildReport();
}

void TForm1::Edit12Change() {
    const IntervalChange c = IntervalFromResolution(locale_.Edit12->text(), timer1Interval_);
    if (c.error) {
        MessageBox::Show(this, *c.error);
        return;
    }
    SetTimer1Interval(c.interval);
}

void TForm1::Clockon1Click() {
    const bool on = options_.Checked(Option::ClockOn);
    clockPausedForSite_ = false;
    if (on) MessageBox::Show(this, kClockOnMessage);
    SetTimer1Enabled(ClockEnabledAfter(ClockEvent::Switch, on));
    if (options_.Checked(Option::Refresh)) {
        if (timer1Enabled_)
            Timer2->start();
        else
            Timer2->stop();
    }
    Button2Click();
}

// --- Display options -------------------------------------------------------------------

// Long2Click, Moonphase1Click, PlanetaryHours2Click and MoonPhase2Click: the click's meaning
// comes from the options model, the window applies it and rebuilds the report.
void TForm1::OptionClicked(const QString& item) {
    const OptionClick c = ClickOption(options_, item);
    SyncMenu();
    if (c.moonPictureChanged) ApplyMoonPicture(c.moonPictureShown);
    BuildReport();
    // The balloon shows the report just built, never an older text.
    if (c.showBalloon) ShowBalloon(trayText_);
}

void TForm1::Long2Click(const QString& item) {
    OptionClicked(item);
}

void TForm1::ApplyMoonPicture(bool shown) {
    Panel2->setFixedHeight(HeaderPanelHeight(shown));
    Image1->setVisible(shown);
}

void TForm1::Moonphase1Click() {
    OptionClicked(StoredName(Option::MoonPicture));
}

void TForm1::PlanetaryHours2Click() {
    OptionClicked(StoredName(Option::TrayPlanetaryHours));
}

void TForm1::MoonPhase2Click() {
    OptionClicked(StoredName(Option::TrayMoonPhase));
}

// --- Locale entry ----------------------------------------------------------------------

SiteFields TForm1::CurrentSiteFields() const {
    SiteFields f;
    f.latDegrees = locale_.Edit2->text();
    f.latMinutes = locale_.Edit3->text();
    f.north = locale_.CheckBox1->isChecked();
    f.lonDegrees = locale_.Edit4->text();
    f.lonMinutes = locale_.Edit5->text();
    f.west = locale_.CheckBox2->isChecked();
    f.timeZone = locale_.Edit6->text();
    f.daylight = locale_.CheckBox3->isChecked();
    f.zone = locale_.ZoneBox->currentData().toString();
    f.format = locale_.radioItems->checkedId() == 0 ? 0 : 1;
    f.pressure = weather_.Edit7->text();
    f.temperatureF = weather_.Edit8->text();
    f.altitude = weather_.Edit9->text();
    return f;
}

void TForm1::Edit2Change() {
    const SiteFields f = CurrentSiteFields();
    observer_ = ReadSite(f);
    const std::optional<QString> bad = SiteRangeError(observer_);
    statusPanels_[1]->setText(bad ? *bad : SiteSummary(f));
    statusPanels_[1]->repaint();
}

void TForm1::ShowZoneOffset(Moment utc) {
    const std::optional<ZoneOffset> o = ZoneOffsetAtInstant(observer_.Zone, utc);
    if (!o || (o->TimeZone == observer_.TimeZone && o->DaylightTime == observer_.DaylightTime))
        return;
    {
        const QSignalBlocker b1(locale_.Edit6), b2(locale_.CheckBox3);
        locale_.Edit6->setText(QString::number(o->TimeZone));
        locale_.CheckBox3->setChecked(o->DaylightTime != 0);
    }
    Edit2Change();
}

void TForm1::SetZone(const QString& id) {
    const int i = id.isEmpty() ? 0 : locale_.ZoneBox->findData(id);
    locale_.ZoneBox->setCurrentIndex(i < 0 ? 0 : i);
    if (i < 0)
        ShowStatusMessage(
            QStringLiteral("Unknown time zone \"%1\"; the time zone is entered by hand.").arg(id),
            60000);
}

void TForm1::Locale1Click() {
    clockPausedForSite_ = false;
    PageControl1->setCurrentWidget(locale_.page);
    SetTimer1Enabled(
        ClockEnabledAfter(ClockEvent::LocaleOpened, options_.Checked(Option::ClockOn)));
}

void TForm1::Button4Click() {
    if (MinutesLookLikeDecimals(CurrentSiteFields())) {
        MessageBox::Show(this, kMinutesWarning);
        locale_.radioItems->button(1)->setChecked(true);  // re-reads the site
    }
    clockPausedForSite_ = false;
    Edit2Change();
    if (const std::optional<QString> bad = SiteRangeError(observer_)) {
        MessageBox::Show(this, *bad);  // the page stays open for the correction
        return;
    }
    PageControl1->setCurrentWidget(main_.page);
    SetTimer1Enabled(ClockEnabledAfter(ClockEvent::Done, options_.Checked(Option::ClockOn)));
    // Pickers that showed the present show the present of the site as it now is.
    if (pickersAtPresent_) SetPickersToPresent();
    BuildReport();
}

// --- The report ------------------------------------------------------------------------

void TForm1::ShowSiteMissing() {
    clockPausedForSite_ = true;
    PageControl1->setCurrentWidget(locale_.page);
    SetTimer1Enabled(ClockEnabledAfter(ClockEvent::SiteMissing, options_.Checked(Option::ClockOn)));
}

void TForm1::BuildReport() {
    if (!observer_.HasSite()) {
        ShowSiteMissing();
        return;
    }
    const ReportResult r =
        services_.compose(PickerInstant(), observer_, options_, events_, NowUtc());
    if (r.eventsRecomputed) ++eventsGeneration_;
    if (r.siteMissing) {
        ShowSiteMissing();
        return;
    }
    ApplyReport(r);
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

void TForm1::ApplyReport(const ReportResult& r) {
    for (const QString& line : r.logLines) log_.log->appendPlainText(line);
    if (!r.error.isEmpty()) {
        ShowLines(main_.outfld, r.lines);
        return;
    }
    // A td.txt that cannot be written costs only the file: the report is shown everywhere
    // and the failure said once (until a write succeeds again), after the report is up.
    const std::optional<QString> headerError = services_.writeHeader(r.headerLines);
    ShowLines(main_.outfld, r.lines);
    main_.outfld->moveCursor(QTextCursor::Start);
    main_.outfld->verticalScrollBar()->setValue(0);
    trayText_ = r.trayText;
    TrayIcon1->setToolTip(r.toolTip);
    Image1->setPixmap(MoonPicture(r.moonPhase.index, MoonSeenMirrored(observer_)));
    if (r.tray.list != TrayChoice::List::Unchanged) {
        trayChoice_ = r.tray;
        TrayIcon1->setIcon(r.tray.list == TrayChoice::List::Planets
                               ? PlanetIcon(r.tray.index)
                               : MoonIcon(r.tray.index, r.tray.mirrored));
    }
    if (headerError) ShowClockError(*headerError);
}

}  // namespace hx::ui
