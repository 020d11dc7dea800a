// The "Look up" and "Alternate" pages: a lookup panel on the left, a web view beside it.
#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "closed_browser.h"
#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

// The fetch buttons are captioned with the service's host once one is configured.
const LookupNames kLookUpPageNames = {Page::LookUp,
                                      "lookUpGroup",
                                      "Look up longitude and latitude",
                                      "lookUpQueryLabel",
                                      SiteField::LookUpQuery,
                                      "Lookup",
                                      "",
                                      "lookUpPlace",
                                      "lookUpRecentLabel",
                                      "lookUpRecent",
                                      "lookUpClear",
                                      "PlaceChoices2",
                                      "WebBrowser2"};
const LookupNames kAlternatePageNames = {Page::Alternate,
                                         "alternateGroup",
                                         "Look up longitude and latitude(alt)",
                                         "alternateQueryLabel",
                                         SiteField::AlternateQuery,
                                         "alternateFetch",
                                         "Try fetching data from the web",
                                         "alternatePlace",
                                         "alternateRecentLabel",
                                         "alternateRecent",
                                         "alternateClear",
                                         "PlaceChoices1",
                                         "WebBrowser1"};

QLabel* NamedLabel(const char* name, const QString& text, bool bold) {
    auto* l = new QLabel(text);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(name);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

LookupPage BuildLookupPage(const LookupNames& n) {
    LookupPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(n.page));
    p.group = new QGroupBox(QString::fromLatin1(n.groupTitle));
    p.group->setObjectName(n.group);
    p.queryLabel = NamedLabel(n.queryLabel, "Zip Code or City", true);
    p.query = new QLineEdit("55413");
    p.query->setObjectName(StoredName(n.query));
    p.query->setToolTip("Enter your zip code");
    p.fetch = new QPushButton("Look up");
    p.fetch->setObjectName(n.fetch);
    if (*n.fetchHint) p.fetch->setToolTip(QString::fromLatin1(n.fetchHint));
    p.cityName = NamedLabel(n.cityName, "City name");
    p.cityName->setWordWrap(true);  // "City, Region, Country" whole, on two lines if need be
    p.recentLabel = NamedLabel(n.recentLabel, "Select From Recent Entries");
    p.recent = new QListWidget;
    p.recent->setObjectName(n.recent);
    // An entry longer than the panel is wide wraps rather than hides its country.
    p.recent->setWordWrap(true);
    p.recent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    p.clear = new QToolButton;
    p.clear->setObjectName(n.clear);
    p.clear->setText("Clear");
    p.clear->setAutoRaise(true);

    auto* g = new QVBoxLayout(p.group);
    g->addWidget(p.queryLabel);
    g->addWidget(p.query);
    g->addWidget(p.fetch);
    g->addWidget(p.cityName);
    g->addWidget(p.recentLabel);
    g->addWidget(p.recent, 1);
    g->addWidget(p.clear, 0, Qt::AlignLeft);
    // The design's 209 pixels, or what the title and the labels need at the font in use; the
    // list's own width does not count (long entries scroll in it).
    p.recent->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    p.query->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    p.group->setFixedWidth(std::max(209, p.group->sizeHint().width()));

    p.choicesLabel = NamedLabel("", "Several places match. Pick one:", true);
    p.choices = new QTreeWidget;
    p.choices->setObjectName(n.choices);
    p.choices->setRootIsDecorated(false);
    p.choices->setAllColumnsShowFocus(true);
    p.choices->setHeaderLabels({"City", "Region", "Country", "Population"});
    p.choices->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    // Each column as wide as its longest entry, so no city name is cut; the list scrolls
    // sideways where the page is narrower than all four.
    p.choices->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    p.choices->header()->setStretchLastSection(false);
    p.choicesLabel->hide();
    p.choices->hide();

    p.browser = new ClosedBrowser;
    p.browser->setObjectName(n.browser);
    auto* right = new QVBoxLayout;
    right->addWidget(p.choicesLabel);
    right->addWidget(p.choices, 3);
    right->addWidget(p.browser, 2);
    auto* row = new QHBoxLayout(p.page);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(p.group);
    row->addLayout(right, 1);
    return p;
}

}  // namespace hx::ui
