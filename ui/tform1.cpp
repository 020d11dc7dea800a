// TForm1's construction: the top strip, the pages, the menus, the status bar, timers and tray.
#include "tform1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "caret_blink.h"
#include "core/clock.h"
#include "core/format.h"
#include "day_spinner.h"
#include "icons.h"
#include "report/clock.h"
#include "tray_area.h"

namespace hx::ui {

TForm1::TForm1(WindowServices services, InternetAccess internet, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), internet_(std::move(internet)) {
    setObjectName("Form1");
    setWindowTitle("Heliodex");
    resize(715, 510);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    BuildTopStrip();
    BuildPages();
    column->addWidget(Panel2);
    column->addWidget(PageControl1, 1);
    menuBar()->setObjectName("MainMenu1");
    menus_ = BuildMenus(menuBar(), this, [this](const QString& n) { OnMenuClick(n); });
    BuildDesktopCommands();
    BuildPlacesMenus();
    AddExportMenuItem();
    SyncMenu();
    BuildStatusBar();
    BuildTimersAndTray();
    downloader_ =
        services_.downloader ? services_.downloader : std::make_shared<net::HttpDownloader>();
    ConnectLookups();
    BuildTrayBehaviour();
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::BuildTopStrip() {
    Panel2 = new QFrame;
    Panel2->setObjectName("Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setFixedHeight(57);
    DateTimePicker1 = new QDateEdit;
    DateTimePicker1->setObjectName("DateTimePicker1");
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setMinimumDate(QDate(1904, 3, 20));
    DateTimePicker1->setDisplayFormat(ShortDateFormatWideYear(QLocale::system()));
    UpDown1 = new DaySpinner;
    UpDown1->setObjectName("UpDown1");
    DateTimePicker2 = new QTimeEdit;
    DateTimePicker2->setObjectName("DateTimePicker2");
    DateTimePicker2->setDisplayFormat(LongTimeFormatWithoutZone(QLocale::system()));
    SpeedButton1 = new QToolButton;
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(LightningGlyph());
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setFixedWidth(50);
    Image1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Image1->setPixmap(MoonPicture(1, false));

    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(4, 1, 4, 1);
    row->setSpacing(2);
    row->addWidget(DateTimePicker1, 0, Qt::AlignTop);
    row->addWidget(UpDown1, 0, Qt::AlignTop);
    row->addSpacing(6);
    row->addWidget(DateTimePicker2, 0, Qt::AlignTop);
    row->addWidget(SpeedButton1, 0, Qt::AlignTop);
    row->addStretch(1);
    row->addWidget(Image1);

    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            [this] { Guarded([this] { DateTimePicker1Change(); }); });
    connect(DateTimePicker2, &QTimeEdit::timeChanged, this,
            [this] { Guarded([this] { DateTimePicker1Change(); }); });
    connect(UpDown1, &DaySpinner::Stepped, this,
            [this](int days) { Guarded([this, days] { UpDown1Click(days); }); });
    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { Guarded([this] { Button2Click(); }); });
}

void TForm1::BuildPages() {
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setUsesScrollButtons(false);
    main_ = BuildMainPage();
    lookUp_ = BuildLookupPage(kLookUpPageNames);
    locale_ = BuildLocalePage();
    weather_ = BuildWeatherPage();
    alternate_ = BuildLookupPage(kAlternatePageNames);
    news_ = BuildNewsPage();
    log_ = BuildLogPage();
    BuildAlarmPages();
    const QList<QIcon> icons = PageIcons();
    const struct {
        QWidget* page;
        const char* caption;
        int icon;
    } tabs[] = {{main_.page, "Main", 7},
                {lookUp_.page, "Look up", 1},
                {locale_.page, "Locale", 2},
                {weather_.page, "Weather", 3},
                {alternate_.page, "Alternate", 1},
                {news_.page, "News", 4},
                {log_.page, "Log", 4},
                {alarms_, "Alarms", 6},
                {sounds_, "Sounds", 5}};
    for (const auto& t : tabs) PageControl1->addTab(t.page, icons.value(t.icon), t.caption);
    PageControl1->setTabVisible(PageControl1->indexOf(news_.page), false);

    // Leaving a site field re-reads the site; so does a change of a box or the format.
    for (QLineEdit* e : {locale_.Edit2, locale_.Edit3, locale_.Edit4, locale_.Edit5, locale_.Edit6,
                         weather_.Edit7, weather_.Edit8, weather_.Edit9})
        e->installEventFilter(this);
    for (QCheckBox* c : {locale_.CheckBox1, locale_.CheckBox2, locale_.CheckBox3})
        connect(c, &QCheckBox::toggled, this, [this] { Guarded([this] { Edit2Change(); }); });
    // A picked zone sets the boxes; typing into them or clicking daylight returns to manual.
    connect(locale_.ZoneBox, &QComboBox::currentIndexChanged, this, [this] {
        Guarded([this] {
            Edit2Change();
            ShowZoneOffset(NowUtc());
        });
    });
    connect(locale_.Edit6, &QLineEdit::textEdited, this, [this] { SetZone({}); });
    connect(locale_.CheckBox3, &QCheckBox::clicked, this, [this] { SetZone({}); });
    connect(locale_.radioItems, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Guarded([this] { Edit2Change(); });
    });
    connect(locale_.Button4, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button4Click(); }); });
    connect(locale_.Edit12, &QLineEdit::textChanged, this,
            [this] { Guarded([this] { Edit12Change(); }); });
}

void TForm1::BuildStatusBar() {
    statusBar()->setObjectName("StatusBar1");
    const int widths[2] = {80, 50};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel;
        statusPanels_[i]->setTextFormat(Qt::PlainText);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusPanels_[i]->setMinimumWidth(widths[i]);
    }
    statusPanels_[0]->setFixedWidth(widths[0]);
    statusBar()->addWidget(statusPanels_[0]);
    statusBar()->addWidget(statusPanels_[1]);
    // Messages get a panel of their own, so the time and the site stay in sight.
    statusMessage_ = new QLabel;
    statusMessage_->setObjectName("StatusBar1Message");
    statusMessage_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(statusMessage_, 1);
    statusMessageTimer_ = new QTimer(this);
    statusMessageTimer_->setSingleShot(true);
    connect(statusMessageTimer_, &QTimer::timeout, statusMessage_, &QLabel::clear);
    // The running job's text and its Cancel button; Esc cancels too.
    pendingLabel_ = new QLabel;
    pendingLabel_->setObjectName("StatusBar1Pending");
    pendingLabel_->setTextFormat(Qt::PlainText);
    cancel_ = new QToolButton;
    cancel_->setObjectName("StatusBar1Cancel");
    cancel_->setText("Cancel");
    cancel_->setAutoRaise(true);
    cancel_->hide();
    statusBar()->addPermanentWidget(pendingLabel_);
    statusBar()->addPermanentWidget(cancel_);
    connect(cancel_, &QToolButton::clicked, this, [this] { CancelJob(); });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, [this] { CancelJob(); });
}

void TForm1::ShowStatusMessage(const QString& text, int ms) {
    statusMessage_->setText(text);
    statusMessage_->setToolTip(text);  // the whole text where the panel is too narrow
    statusMessageTimer_->start(ms);
}

void TForm1::BuildTimersAndTray() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(int(timer1Interval_));
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(3600000);
    connect(Timer2, &QTimer::timeout, this, [this] { Guarded([this] { Timer2Timer(); }); });
    caretBlink_ = new CaretBlinkTimeout(10000, this);
    // The icon exists from the start and is shown once the desktop has a notification area,
    // which a panel started after the program provides later.
    TrayIcon1 = new QSystemTrayIcon(MoonIcon(0, false), this);
    TrayIcon1->setObjectName("TrayIcon1");
    TrayIcon1->setToolTip("Heliodex");
    TrayIcon1->setContextMenu(menus_.PopupMenu1);
    connect(TrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) Guarded([this] { TrayIcon1Click(); });
            });
    auto* area = new TrayArea(this);
    // A panel that goes away takes the icon with it; closing then only minimizes.
    connect(area, &TrayArea::Changed, this,
            [this](bool available) { TrayIcon1->setVisible(available); });
    if (area->Available()) TrayIcon1->show();
}

QString TForm1::StatusText(int panel) const {
    return panel == 0 || panel == 1 ? statusPanels_[panel]->text() : QString();
}

}  // namespace hx::ui
