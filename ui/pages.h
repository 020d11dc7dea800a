// The main window's pages: each builder lays out one page with its named components.
#pragma once

#include <QString>

#include "menu/stored_names.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QTextEdit;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace hx::ui {

class ClosedBrowser;

// Page::Main "Main": the report view.
// One of the longest date lines of the default options (one line, long date and time, the
// degrees): the Main page is made wide enough for it.
inline constexpr const char* kLongDateLine =
    "An V xii Sol 29° Sagittarius Luna 29° Sagittarius Dies Mercurii Wednesday, "
    "September 30, 2026 e.v. 12:45:10 PM";

struct MainPage {
    QWidget* page = nullptr;
    QFrame* reportFrame = nullptr;
    QPlainTextEdit* reportView = nullptr;
};
MainPage BuildMainPage();

// Page::LookUp "Look up" and Page::Alternate "Alternate": a lookup panel beside a web view.
struct LookupPage {
    QWidget* page = nullptr;
    QGroupBox* group = nullptr;
    QLabel* queryLabel = nullptr;
    QLineEdit* query = nullptr;
    QPushButton* fetch = nullptr;
    QLabel* cityName = nullptr;
    QLabel* recentLabel = nullptr;
    QListWidget* recent = nullptr;
    QToolButton* clear = nullptr;
    // The pick list: the places a query matched, shown over the answer until one is picked.
    QLabel* choicesLabel = nullptr;
    QTreeWidget* choices = nullptr;
    ClosedBrowser* browser = nullptr;  // shows answers, loads nothing they name
};
struct LookupNames {
    Page page;
    const char* group;
    const char* groupTitle;
    const char* queryLabel;
    SiteField query;
    const char* fetch;
    const char* fetchHint;
    const char* cityName;
    const char* recentLabel;
    const char* recent;
    const char* clear;
    const char* choices;
    const char* browser;
};
extern const LookupNames kLookUpPageNames;  // lookUpGroup, lookUpQuery, Lookup, lookUpRecent ...
extern const LookupNames
    kAlternatePageNames;  // alternateGroup, alternateQuery, alternateFetch, alternateRecent ...
LookupPage BuildLookupPage(const LookupNames& names);

// Page::Locale "Locale": the site fields and the clock resolution.
struct LocalePage {
    QWidget* page = nullptr;
    QLineEdit *latDegrees = nullptr, *latMinutes = nullptr, *lonDegrees = nullptr,
              *lonMinutes = nullptr, *timeZone = nullptr, *clockResolution = nullptr;
    QCheckBox *north = nullptr, *west = nullptr, *daylight = nullptr;
    QComboBox* zoneBox = nullptr;  // "Manual" (item 0, no zone id), then the IANA zone ids
    QGroupBox* formatGroup = nullptr;
    QButtonGroup* radioItems = nullptr;  // ids 0 and 1 are the group's items
    QPushButton* doneButton = nullptr;
};
LocalePage BuildLocalePage();

// Page::Weather "Weather": the atmosphere fields over the weather report.
struct WeatherPage {
    QWidget* page = nullptr;
    QLabel* sourceNote = nullptr;
    QLineEdit *pressure = nullptr, *temperatureF = nullptr, *altitude = nullptr;
    QTextEdit* weatherReport = nullptr;
};
WeatherPage BuildWeatherPage();

// Page::News "News" (its tab is hidden) and Page::Log "Log".
struct NewsPage {
    QWidget* page = nullptr;
    QTextEdit* feedView = nullptr;
};
NewsPage BuildNewsPage();
struct LogPage {
    QWidget* page = nullptr;
    QPlainTextEdit* log = nullptr;
};
LogPage BuildLogPage();

// Page::Alarms "Alarms" and Page::Sounds "Sounds": see alarm_pages.h.

// A label with the given object name and text, optionally bold; it shows its text as plain
// text, whatever a lookup puts there.
QLabel* NamedLabel(const char* name, const QString& text, bool bold = false);

}  // namespace hx::ui
