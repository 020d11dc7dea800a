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

// TabSheet1 "Main": the report view.
struct MainPage {
    QWidget* page = nullptr;
    QFrame* Panel1 = nullptr;
    QPlainTextEdit* outfld = nullptr;
};
MainPage BuildMainPage();

// TabSheet5 "Look up" and TabSheet4 "Alternate": a lookup panel beside a web view.
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
extern const LookupNames kLookUpPageNames;     // GroupBox3, Edit11, Lookup, ListBox2 ...
extern const LookupNames kAlternatePageNames;  // GroupBox1, Edit10, Button1, ListBox1 ...
LookupPage BuildLookupPage(const LookupNames& names);

// TabSheet2 "Locale": the site fields and the clock resolution.
struct LocalePage {
    QWidget* page = nullptr;
    QLineEdit *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
              *Edit6 = nullptr, *Edit12 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    QComboBox* ZoneBox = nullptr;  // "Manual" (item 0, no zone id), then the IANA zone ids
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* radioItems = nullptr;  // ids 0 and 1 are the group's items
    QPushButton* Button4 = nullptr;
};
LocalePage BuildLocalePage();

// TabSheet3 "Weather": the atmosphere fields over the weather report.
struct WeatherPage {
    QWidget* page = nullptr;
    QLabel* Label17 = nullptr;
    QLineEdit *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
};
WeatherPage BuildWeatherPage();

// TabSheet6 "News" (its tab is hidden) and TabSheet7 "Log".
struct NewsPage {
    QWidget* page = nullptr;
    QTextEdit* RichEdit2 = nullptr;
};
NewsPage BuildNewsPage();
struct LogPage {
    QWidget* page = nullptr;
    QPlainTextEdit* log = nullptr;
};
LogPage BuildLogPage();

// TabSheet8 "Alarms" and TabSheet9 "Sounds": see alarm_pages.h.

// A label with the given object name and text, optionally bold; it shows its text as plain
// text, whatever a lookup puts there.
QLabel* NamedLabel(const char* name, const QString& text, bool bold = false);

}  // namespace hx::ui
