// The window as built: named components, pages, menus, status bar, timers.
#include <QApplication>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "settings/window_settings.h"
#include "ui/reverse_lookup_dialog.h"
#include "ui/window_dialogs.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

TEST_F(WindowTest, ComponentsHaveTheirDesignState) {
    Open();
    EXPECT_EQ(form->windowTitle(), "Heliodex");
    for (const MenuItemDef& d : MenuItems()) EXPECT_NE(form->Action(d.name), nullptr) << d.name;

    EXPECT_EQ(Get<QDateEdit>("DateTimePicker1")->minimumDate(), QDate(1904, 3, 20));
    EXPECT_EQ(Get<QLineEdit>("Edit10")->text(), "55413");
    EXPECT_EQ(Get<QLineEdit>("Edit11")->text(), "55413");
    EXPECT_EQ(Get<QLineEdit>("Edit12")->text(), "10");
    EXPECT_TRUE(Get<QRadioButton>("RadioGroup1Item1")->isChecked());
    EXPECT_EQ(Get<QLabel>("temperatureLabel")->text(),
              "Atmospheric temperature in deg. Fahrenheit ");
    EXPECT_FALSE(Get<QListWidget>("alternateRecent")->isSortingEnabled());  // the latest first
    EXPECT_TRUE(Get<QPlainTextEdit>("log")->isReadOnly());
    auto* reportView = Get<QPlainTextEdit>("outfld");
    EXPECT_TRUE(reportView->isReadOnly());
    // Fixed pitch by its metrics: fontconfig calls some monospaced fonts proportional.
    const QFontMetrics metrics(reportView->font());
    for (const char* glyph : {"i", "W", "0", "."})
        EXPECT_EQ(metrics.horizontalAdvance(glyph), metrics.horizontalAdvance("m")) << glyph;
    EXPECT_EQ(reportView->font().pixelSize(), 15);
    EXPECT_EQ(Get<QTimer>("clockTimer")->interval(), 10000);
    EXPECT_EQ(Get<QTimer>("refreshTimer")->interval(), 3600000);
    EXPECT_EQ(Get<QLabel>("statusPanel0")->width(), 80);
    EXPECT_GE(Get<QLabel>("statusPanel1")->minimumWidth(), 50);

    QStringList tray;
    for (QAction* a : Get<QMenu>("PopupMenu1")->actions())
        tray << (a->menu() ? a->menu()->objectName() : a->objectName());
    // The practice's two items and a separator before Exit.
    EXPECT_EQ(tray, QStringList({"DatetoClipboard1", "Places2", "Restore1", "FourAdorations1",
                                 "MuteAlarms1", "", "Exit2"}));
}

TEST_F(WindowTest, PagesInTabOrderWithNewsHidden) {
    Open();
    auto* pages = Get<QTabWidget>("pages");
    EXPECT_EQ(pages->tabPosition(), QTabWidget::South);
    QStringList captions, names;
    for (int i = 0; i < pages->count(); ++i) {
        captions << pages->tabText(i);
        names << pages->widget(i)->objectName();
        EXPECT_FALSE(pages->tabIcon(i).isNull()) << i;
        EXPECT_EQ(pages->isTabVisible(i), pages->tabText(i) != "News");
    }
    EXPECT_EQ(captions, QStringList({"Main", "Sky", "Look up", "Locale", "Weather", "Alternate",
                                     "News", "Log", "Alarms", "Sounds"}));
    EXPECT_EQ(names,
              QStringList({"TabSheet1", "SkyPage", "TabSheet5", "TabSheet2", "TabSheet3",
                           "TabSheet4", "TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9"}));

    for (const char* list : {"CategoryButtons1", "CategoryButtons2"}) {
        auto* t = Get<QTreeWidget>(list);
        ASSERT_EQ(t->topLevelItemCount(), 8);
        EXPECT_EQ(t->topLevelItem(6)->text(0), "Saturn");
        EXPECT_EQ(t->topLevelItem(7)->text(0), "Planetary Hours");
        EXPECT_EQ(t->topLevelItem(7)->childCount(), 7);
        for (int b = 0; b < 7; ++b) {
            EXPECT_EQ(t->topLevelItem(b)->childCount(), 4);
            EXPECT_EQ(t->topLevelItem(b)->isExpanded(), b == 0);
        }
        EXPECT_EQ(t->topLevelItem(2)->child(3)->text(0), "Nadir");
    }
}

TEST_F(WindowTest, MenuFollowsTheModel) {
    Open();
    EXPECT_TRUE(form->Action("Long1")->isChecked());
    Click("Short1");
    EXPECT_TRUE(form->Action("Short1")->isChecked());
    EXPECT_FALSE(form->Action("Long1")->isChecked());
    Click("Short1");  // clearing checks none of the group
    for (const char* n : {"Long1", "Short1", "Roman1", "None3"})
        EXPECT_FALSE(form->Action(n)->isChecked()) << n;
    Click("Now1");  // a command never keeps a mark
    EXPECT_FALSE(form->Action("Now1")->isChecked());
    EXPECT_EQ(form->Action("N4X2")->text(), "4 X");
    EXPECT_EQ(form->Action("Clockon1")->text(), "&Clock on");
}

TEST_F(WindowTest, MoonPictureShowAndHide) {
    Open();
    auto* strip = Get<QFrame>("topStrip");
    EXPECT_EQ(strip->height(), 57);
    Click("Moonphase1");
    EXPECT_FALSE(form->options().Checked("Moonphase1"));
    EXPECT_EQ(strip->height(), 28);
    EXPECT_TRUE(Get<QLabel>("moonPicture")->isHidden());
    Click("Moonphase1");
    EXPECT_EQ(strip->height(), 57);
    EXPECT_FALSE(Get<QLabel>("moonPicture")->isHidden());
}

TEST_F(WindowTest, SettingsComponentsInVisitingOrder) {
    Open();
    const auto components = form->ComponentStates();
    ASSERT_EQ(components.size(), 65u);
    QStringList names;
    for (const auto& c : components) names << c->name();
    EXPECT_EQ(names, VisitingOrder());
    for (int i = 0; i < 14; ++i) EXPECT_EQ(WindowSection(components[i]->kind()), "Locale");
    for (int i = 14; i < 65; ++i)
        EXPECT_EQ(components[i]->kind(), ComponentKind::MenuItem) << names[i].toStdString();
}

TEST_F(WindowTest, ReverseLookupMenuShowsTheLookupWindowModally) {
    Open();
    ui::ReverseLookupDialog lookup(form.get());
    form->Dialogs().SetLookupWindow(&lookup);
    form->Action("LookupThelemicDatereverse1")->trigger();  // returns with the window open
    EXPECT_EQ(QApplication::activeModalWidget(), &lookup);
    lookup.close();
}

// At the default size every page shows its labels whole, the pick list its longest city, and
// the window the whole date line of a real report (within the screen's width).
TEST_F(WindowTest, PagesShowTheirContentUnclipped) {
    form = std::make_unique<ui::MainWindow>(RealServices());
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    form->show();
    auto* pages = Get<QTabWidget>("pages");
    for (int i = 0; i < pages->count(); ++i) {
        if (!pages->isTabVisible(i)) continue;
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        for (QLabel* l : pages->widget(i)->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) continue;
            SCOPED_TRACE(l->text().toStdString());
            if (l->wordWrap())
                EXPECT_GE(l->height(), l->heightForWidth(l->width()));
            else
                EXPECT_GE(l->width(), l->sizeHint().width());
        }
    }
    pages->setCurrentWidget(Get<QWidget>("TabSheet5"));
    auto* choices = Get<QTreeWidget>("PlaceChoices2");
    const QString city = "Llanfairpwllgwyngyll";
    new QTreeWidgetItem(choices, {city, "Wales", "United Kingdom", "3,107"});
    choices->show();
    QApplication::processEvents();
    EXPECT_GE(choices->columnWidth(0), choices->fontMetrics().horizontalAdvance(city));

    auto* report = Get<QPlainTextEdit>("outfld");
    pages->setCurrentIndex(0);
    QApplication::processEvents();
    const int line =
        QFontMetrics(report->font()).horizontalAdvance(report->toPlainText().section('\n', 0, 0));
    ASSERT_GT(line, 0);
    const int screen = form->screen()->availableGeometry().width();
    if (form->width() < screen)
        EXPECT_GE(report->viewport()->width(), line);
    else
        EXPECT_EQ(form->width(), screen);  // as wide as it can be
}
