// The window as a desktop citizen: its place and page kept, the autostart entry, the status
// bar's message panel and the About box's size.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleOptionMenuItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/about_dialog.h"
#include "ui/autostart.h"
#include "ui/window_place.h"
#include "window_fixture.h"

namespace hx::test {
namespace {

class DesktopTest : public WindowTest {};

TEST_F(DesktopTest, GeometryAndPageComeBackAfterARestart) {
    Open();
    // The design size, widened to show the tabs' whole captions.
    const QSize design = form->size();
    EXPECT_EQ(design.height(), 510);
    EXPECT_GE(design.width(), 715);
    EXPECT_GE(design.width(), Get<QTabWidget>("pages")->tabBar()->sizeHint().width());
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    form->show();
    const QRect placed(10, 40, 780, 540);  // within the 800 x 600 offscreen screen
    form->setGeometry(placed);
    Get<QTabWidget>("pages")->setCurrentWidget(Get<QWidget>("TabSheet8"));
    Click("Exit2");
    form.reset();
    Open();
    EXPECT_EQ(form->geometry(), placed);
    EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet8");
    // A section that cannot be read leaves the design size and the Main page.
    const QString broken[] = {"Left=x\r\nTop=0\r\nWidth=640\r\nHeight=470\r\nPage=TabSheet8",
                              "Left=0\r\nTop=0\r\nWidth=3\r\nHeight=470\r\nPage=Nowhere"};
    for (const QString& section : broken) {
        form.reset();
        TExtIniF ini(dir.filePath("heliodex.ini"));
        ini.Modify([&](IniDocument& doc) {
            for (const QString& line : section.split("\r\n"))
                doc.Set("Window", line.section('=', 0, 0), line.section('=', 1));
        });
        Open();
        EXPECT_EQ(form->size(), design) << section.toStdString();
        EXPECT_EQ(Get<QTabWidget>("pages")->currentWidget()->objectName(), "TabSheet1");
    }
}

TEST(WindowPlace, ASavedPlaceIsFittedToTheScreens) {
    const QList<QRect> screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    const struct {
        QRect saved, placed;
    } rows[] = {
        {{100, 80, 715, 510}, {100, 80, 715, 510}},      // on the first screen
        {{1100, 50, 715, 510}, {1100, 50, 715, 510}},    // on the second
        {{700, 100, 715, 510}, {700, 100, 715, 510}},    // across both
        {{-300, 100, 715, 510}, {-300, 100, 715, 510}},  // 58% shown, title bar to grab
        {{3000, 2000, 715, 510}, {1109, 90, 715, 510}},  // a screen since unplugged: the nearest
        {{1030, 10, 1200, 900}, {1024, 24, 800, 576}},   // larger than its screen
        {{100, -460, 715, 510}, {100, 24, 715, 510}},    // title bar off the top, 10% shown
        {{100, 10, 715, 510}, {100, 24, 715, 510}},      // only the title bar's lower part
        {{1800, 580, 715, 510}, {1109, 90, 715, 510}},   // a corner of 24 x 20 pixels
    };
    for (const auto& row : rows) EXPECT_EQ(ui::PlaceOnScreens(row.saved, screens), row.placed);
}

// The entry is valid for desktop-file-validate whatever the path holds, and goes again.
TEST(Autostart, EntryWrittenValidAndRemoved) {
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry = config.filePath("autostart/heliodex.desktop");
    ASSERT_EQ(ui::AutostartEntryPath(), entry);
    const struct {
        QString executable, exec;
    } rows[] = {
        {"/usr/bin/heliodex", "Exec=\"/usr/bin/heliodex\""},
        {"/home/a b/100% \"$x\"/he`l\\io",
         "Exec=\"/home/a b/100%% \\\\\"\\\\$x\\\\\"/he\\\\`l\\\\\\\\io\""},
        {QString::fromUtf8("/home/jos\u00e9/a'b;c=d#e~/heliodex"),
         QString::fromUtf8("Exec=\"/home/jos\u00e9/a'b;c=d#e~/heliodex\"")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.executable.toStdString());
        EXPECT_FALSE(ui::AutostartEnabled());
        ui::SetAutostart(true, row.executable);
        EXPECT_TRUE(ui::AutostartEnabled());
        QFile f(entry);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(f.readAll()).split('\n').contains(row.exec));
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        ASSERT_TRUE(validate.waitForFinished(10000));
        EXPECT_EQ(validate.exitCode(), 0);
        EXPECT_EQ(validate.readAll(), "");
        ui::SetAutostart(false, row.executable);
        EXPECT_FALSE(QFile::exists(entry));
    }
    // No desktop entry can start these: nothing is written, and the reason is raised.
    const QString refused[] = {"/a\tb/heliodex", "/a\nb/heliodex", QString("/a") + QChar(1) + "b",
                               QFile::decodeName(QByteArray("/a") + char(0xff) + "b/heliodex")};
    for (const QString& path : refused) {
        EXPECT_FALSE(ui::AutostartEntry(path)) << path.toStdString();
        EXPECT_THROW(ui::SetAutostart(true, path), Error);
        EXPECT_FALSE(QFile::exists(entry));
    }
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

// Radio groups draw radio marks, other checkable items check boxes, as the menu paints them.
class MarkRecorder : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
            if (element == CE_MenuItem && !item->text.isEmpty())
                marks[item->text.section('\t', 0, 0)] = item->checkType;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QMap<QString, QStyleOptionMenuItem::CheckType> marks;
};

TEST_F(DesktopTest, RadioGroupsShowRadioMarks) {
    Open();
    using T = QStyleOptionMenuItem::CheckType;
    const struct {
        const char* submenu;
        const char* item;
        T mark;
    } rows[] = {{"Date1", "&Long", T::Exclusive},
                {"Lines1", "&3", T::Exclusive},
                {"Year1", "i&v 10", T::Exclusive},
                {"Year1", "&No space", T::NonExclusive},
                {"Extras1", "&Solar events", T::NonExclusive},
                {"askbar1", "Moon Phase", T::Exclusive}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        QMenu* menu = form->Action(row.submenu)->menu();
        ASSERT_NE(menu, nullptr);
        MarkRecorder style;
        menu->setStyle(&style);
        menu->grab();
        ASSERT_TRUE(style.marks.contains(row.item)) << style.marks.keys().join(", ").toStdString();
        EXPECT_EQ(style.marks[row.item], row.mark);
        menu->setStyle(nullptr);
    }
    // Clicking a radio item moves the mark within its group only.
    Click("N31");
    EXPECT_TRUE(form->Action("N31")->isChecked());
    EXPECT_FALSE(form->Action("N11")->isChecked());
    EXPECT_TRUE(form->Action("Long1")->isChecked());
}

TEST_F(DesktopTest, CopyTakesTheSelectionOrTheWholeReportWithLineFeeds) {
    Open();
    EnterMinneapolis();
    calls->result.lines = {"An V x Sol 24 Gemini", "", "Impending Solar Events", "Sun Set"};
    Click("Now1");
    auto* view = Get<QPlainTextEdit>("outfld");
    const struct {
        int from, to;
        const char* copied;
    } rows[] = {{0, 0, "An V x Sol 24 Gemini\n\nImpending Solar Events\nSun Set"},
                {3, 31, "V x Sol 24 Gemini\n\nImpending"},
                {22, 26, "Impe"}};
    for (const auto& row : rows) {
        QTextCursor c(view->document());
        c.setPosition(row.from);
        c.setPosition(row.to, QTextCursor::KeepAnchor);
        view->setTextCursor(c);
        Click("Copy1");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.copied) << row.from;
    }
    // Date to Clipboard from the Edit menu: td.txt's lines.
    form = std::make_unique<ui::MainWindow>(RealServices());
    EnterMinneapolis();
    QGuiApplication::clipboard()->clear();
    Click("DatetoClipboard2");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("An "));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("\n"));
}

TEST_F(DesktopTest, StartWithTheDesktopAddsAndRemovesTheEntry) {
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    Open();
    auto* item = Get<QAction>("StartwiththeDesktop1");
    EXPECT_FALSE(item->isChecked());
    Click("StartwiththeDesktop1");
    EXPECT_TRUE(item->isChecked());
    QFile entry(config.filePath("autostart/heliodex.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains(
        "Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
    entry.close();
    form.reset();
    Open();  // the mark shows the entry that is there
    EXPECT_TRUE(Get<QAction>("StartwiththeDesktop1")->isChecked());
    Click("StartwiththeDesktop1");
    EXPECT_FALSE(Get<QAction>("StartwiththeDesktop1")->isChecked());
    EXPECT_FALSE(entry.exists());
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

// A status message has a panel of its own: the time and the site stay where they are.
TEST_F(DesktopTest, StatusMessagesKeepClearOfTheTimeAndSitePanels) {
    // A later start's weather lookup cannot answer the sample postal code "55413" and says so.
    files::WriteLines(dir.filePath("heliodex.ini"), {"[Menu]"});
    Open();
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
    auto* message = Get<QLabel>("statusPending");
    EXPECT_TRUE(message->text().startsWith("\"55413\" looks like a postal code"))
        << message->text().toStdString();
    for (const char* name : {"statusPanel0", "statusPanel1", "statusMessage"}) {
        auto* panel = Get<QLabel>(name);
        EXPECT_FALSE(panel->geometry().intersects(message->geometry())) << name;
    }
    for (const char* name : {"statusPanel0", "statusPanel1"})
        EXPECT_TRUE(Get<QLabel>(name)->isVisible()) << name;
}

// The About box fits its text, button and link at any font, none over another.
TEST(AboutBox, SizedToItsContents) {
    const QFont oldFont = QApplication::font();
    for (int pixels : {9, 13, 24, 40}) {
        SCOPED_TRACE(pixels);
        QFont f = oldFont;
        f.setPixelSize(pixels);
        QApplication::setFont(f);
        ui::AboutDialog box(QString(), [](const QUrl&) {});
        box.show();
        auto* memo = box.findChild<QTextEdit*>("aboutText");
        auto* close = box.findChild<QPushButton*>("okButton");
        auto* link = box.findChild<QLabel*>("link");
        EXPECT_LE(memo->document()->size().height(), memo->viewport()->height());
        EXPECT_LE(memo->viewport()->height(), memo->document()->size().height() + 8);
        EXPECT_LE(memo->document()->idealWidth(), memo->viewport()->width());
        const auto inBox = [&](QWidget* w) { return QRect(w->mapTo(&box, QPoint()), w->size()); };
        EXPECT_GE(inBox(close).top(), inBox(memo).bottom());
        EXPECT_GE(inBox(link).top(), inBox(close).bottom());
        EXPECT_GE(close->width(), close->sizeHint().width());
        EXPECT_GE(link->height(), link->sizeHint().height());
        EXPECT_TRUE(box.rect().contains(inBox(link)));
        EXPECT_GE(box.width(), 130);
    }
    QApplication::setFont(oldFont);
}

}  // namespace
}  // namespace hx::test
