// TForm1's lookups: the weather and gazetteer lookups, the recent lists, the Internet switch
// and the hourly refresh.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "locale/lookups.h"
#include "locale/own_service.h"
#include "message_box.h"
#include "net/gate.h"
#include "net/service_urls.h"
#include "settings/extini.h"
#include "settings/textfile.h"
#include "tform1.h"

namespace hx::ui {

namespace {
// Stands for the address of a lookup the program answers itself.
const QString kOwnService = QStringLiteral("builtin:");
}  // namespace

namespace {

// A list-box entry that sorts without regard to case, as the recent lists do.
class RecentItem : public QListWidgetItem {
  public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
    }
};

void ShowEntries(QListWidget* box, const RecentList& list) {
    box->clear();
    for (const QString& entry : list.Entries()) box->addItem(new RecentItem(entry));
}

}  // namespace

void TForm1::ConnectLookups() {
    for (QTextBrowser* view : {lookUp_.browser, alternate_.browser}) {
        view->setOpenLinks(false);
        view->setOpenExternalLinks(true);
    }
    connect(lookUp_.fetch, &QPushButton::clicked, this,
            [this] { Guarded([this] { LookupClick(); }); });
    connect(alternate_.fetch, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button1Click(); }); });
    connect(lookUp_.recent, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Guarded([this, item] { ListBox2Click(item); }); });
    connect(alternate_.recent, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Guarded([this, item] { ListBox1Click(item); }); });
    for (QToolButton* clear : {lookUp_.clear, alternate_.clear})
        connect(clear, &QToolButton::clicked, this,
                [this] { Guarded([this] { SpeedButton2Click(); }); });
}

void TForm1::LoadServiceAddresses() {
    addresses_ = LoadServices(TExtIniF(files::ProgramFile(QStringLiteral("heliodex.ini"))), {});
    lookUp_.fetch->setText(net::LookupCaption(addresses_.weatherService));
    alternate_.fetch->setText(net::LookupCaption(addresses_.gazetteerService));
    weather_.Label17->setText(net::WeatherLabelText(addresses_.weatherService));
}

void TForm1::ApplyFieldTexts(const LocaleFieldTexts& f) {
    const std::pair<const std::optional<QString>&, QLineEdit*> texts[] = {
        {f.Edit2, locale_.Edit2}, {f.Edit3, locale_.Edit3}, {f.Edit4, locale_.Edit4},
        {f.Edit5, locale_.Edit5}, {f.Edit6, locale_.Edit6}, {f.Edit7, weather_.Edit7},
        {f.Edit8, weather_.Edit8}};
    for (const auto& [text, edit] : texts)
        if (text) edit->setText(*text);
    // A box that changes state re-reads the site at once, here with the new texts already.
    const std::pair<const std::optional<bool>&, QCheckBox*> boxes[] = {
        {f.CheckBox1, locale_.CheckBox1},
        {f.CheckBox2, locale_.CheckBox2},
        {f.CheckBox3, locale_.CheckBox3}};
    for (const auto& [state, box] : boxes)
        if (state) box->setChecked(*state);
    // A place with its zone keeps it; a time zone typed in by a lookup without one is manual.
    if (f.Zone)
        SetZone(*f.Zone);
    else if (f.Edit6 || f.CheckBox3)
        SetZone({});
}

bool TForm1::StartLookup(bool userStarted, const QString& url, const char* key) {
    const net::LookupStart start = net::PrepareLookup(
        options_, [this](const QString& q) { return MessageBox::Ask(this, q); }, userStarted, url,
        downloader_->Busy());
    SyncMenu();
    if (start == net::LookupStart::NoAddress)
        MessageBox::Show(this, net::MissingAddressMessage(
                                   key, files::ProgramFile(QStringLiteral("heliodex.ini"))));
    return start == net::LookupStart::Go;
}

// --- The weather lookup ------------------------------------------------------------------

void TForm1::LookupClick(bool userStarted) {
    const QString query = lookUp_.query->text();
    const QString url = net::WeatherUrl(addresses_.weatherService, query);
    // Without a service address the program answers from its own list of cities.
    if (!StartLookup(userStarted, url.isEmpty() ? kOwnService : url, "WeatherService")) return;
    QByteArray answer;
    WeatherOutcome outcome;
    try {
        const WeatherSource source =
            services_.weatherSource ? services_.weatherSource : ProvidersWeather(20000);
        outcome = WeatherLookup(addresses_.weatherService, *downloader_, query,
                                ToQDateTime(PickerMoment()).date(), source, &answer);
    } catch (const UnknownPlaceError& e) {
        if (userStarted) throw;
        statusBar()->showMessage(e.message(), 60000);  // a timed lookup shows no box
        return;
    }
    DownLoadURL2AfterDownload(outcome, answer);
}

void TForm1::DownLoadURL2AfterDownload(const WeatherOutcome& outcome, const QByteArray& answer) {
    lookUp_.browser->setPlainText(QString::fromUtf8(answer));
    if (recent2_.Add(outcome.recentEntry)) ShowEntries(lookUp_.recent, recent2_);
    ApplyFieldTexts(outcome.fields);
    lookUp_.cityName->setText(outcome.placeCaption);
    weather_.RichEdit1->clear();
    for (const QString& line : outcome.report) weather_.RichEdit1->append(line);
    Edit2Change();
}

// --- The gazetteer lookup ----------------------------------------------------------------

void TForm1::Button1Click() {
    const QString query = alternate_.query->text();
    const QString url = net::GazetteerUrl(addresses_.gazetteerService, query);
    if (!StartLookup(true, url.isEmpty() ? kOwnService : url, "GazetteerService")) return;
    QString page;
    const GazetteerOutcome outcome =
        GazetteerLookup(addresses_.gazetteerService, *downloader_, query, &page);
    alternate_.browser->document()->setBaseUrl(QUrl(url));
    DownLoadURL1AfterDownload(outcome, page);
}

void TForm1::DownLoadURL1AfterDownload(const GazetteerOutcome& outcome, const QString& page) {
    alternate_.browser->setHtml(page);
    if (outcome.found) {
        if (recent1_.Add(outcome.recentEntry)) ShowEntries(alternate_.recent, recent1_);
        ApplyFieldTexts(outcome.fields);
        if (outcome.placeCaption) alternate_.cityName->setText(*outcome.placeCaption);
        Edit2Change();
    }
    if (outcome.message) MessageBox::Show(this, *outcome.message);
}

// --- The recent lists --------------------------------------------------------------------

void TForm1::LoadRecentLocations() {
    recent1_.SetEntries(LoadRecentEntries());
    recent2_.SetEntries(LoadRecentEntries());
    ShowEntries(alternate_.recent, recent1_);
    ShowEntries(lookUp_.recent, recent2_);
}

void TForm1::SaveRecentLocations() {
    SaveRecentEntries(recent1_.Entries());
}

void TForm1::ListBox1Click(QListWidgetItem* item) {
    alternate_.query->setText(item->text());
    Button1Click();
}

void TForm1::ListBox2Click(QListWidgetItem* item) {
    lookUp_.query->setText(item->text());
    LookupClick();
}

void TForm1::SpeedButton2Click() {
    recent2_.Clear();
    ShowEntries(lookUp_.recent, recent2_);
}

// --- The Internet switch and the refresh timer -------------------------------------------

void TForm1::Disabled1Click() {
    net::ToggleInternetDisabled(options_);
}

void TForm1::Refresh1Click() {
    const net::RefreshClickResult r = net::RefreshClick(
        options_, [this](const QString& q) { return MessageBox::Ask(this, q); },
        Timer2->isActive());
    SyncMenu();
    if (r.runClockHandler) Clockon1Click();
    if (!r.timer2Enabled)
        Timer2->stop();
    else if (!Timer2->isActive())
        Timer2->start();
}

void TForm1::Timer2Timer() {
    if (!net::RefreshTickLooksUp(options_)) return;
    LookupClick(false);
    DownloadNewsFeed();
}

void TForm1::RunStartupLookups() {
    if (const std::optional<QString> error = net::RunStartupLookups(
            options_, [this] { LookupClick(false); },
            // The refresh handler's weather part only: step 3 has just fetched the feed.
            [this] {
                if (net::RefreshTickLooksUp(options_)) LookupClick(false);
            }))
        MessageBox::Show(this, *error);
}

}  // namespace hx::ui
