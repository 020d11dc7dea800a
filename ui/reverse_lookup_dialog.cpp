// The lookup window: its components, "Find" and "Close".
#include "reverse_lookup_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/message_box.h"

namespace hx::ui {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* Box(QWidget* parent, const char* name, const QStringList& items, int visibleRows,
               bool editable) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(editable);
    // Typed text must never become an item of its own.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setMaxVisibleItems(visibleRows);
    box->setCurrentIndex(0);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
    return box;
}

// Wait cursor for the scope of a search.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

ReverseLookupDialog::ReverseLookupDialog(QWidget* parent)
    : QDialog(parent), search_([](const lookup::Query& q, const lookup::SiteClock& clock) {
          return lookup::Find(q, clock);
      }) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Thelemic Date Look up"));

    queryPanel = Named(new QWidget(this), "queryPanel");
    // As wide as its boxes need at the font in use; the results take what the window gains.
    queryPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    docosadeLabel = Named(new QLabel(QStringLiteral("&Docosade"), queryPanel), "docosadeLabel");
    docosadeBox = Box(queryPanel, "docosadeBox", lookup::DocosadeItems(), 22, true);
    yearLabel = Named(new QLabel(QStringLiteral("&Year"), queryPanel), "yearLabel");
    yearBox = Box(queryPanel, "yearBox", lookup::YearItems(), 22, true);
    degreesLabel = Named(new QLabel(QStringLiteral("Degrees"), queryPanel), "degreesLabel");
    solarLabel = Named(new QLabel(QStringLiteral("Solar Position"), queryPanel), "solarLabel");
    solarSignBox = Box(queryPanel, "solarSignBox", lookup::SolarSignItems(), 12, false);
    solarDegreeEdit = Named(new QLineEdit(queryPanel), "solarDegreeEdit");
    lunarLabel = Named(new QLabel(QStringLiteral("Lunar Position"), queryPanel), "lunarLabel");
    lunarSignBox = Box(queryPanel, "lunarSignBox", lookup::LunarSignItems(), 12, false);
    lunarDegreeEdit = Named(new QLineEdit(queryPanel), "lunarDegreeEdit");
    findButton = Named(new QPushButton(QStringLiteral("Find"), queryPanel), "findButton");
    closeButton = Named(new QPushButton(QStringLiteral("Close"), queryPanel), "closeButton");
    // Each degree box has its own label, "°" after it; "Degrees" heads the column.
    solarDegreeLabel = Named(new QLabel(QStringLiteral("°"), queryPanel), "solarDegreeLabel");
    lunarDegreeLabel = Named(new QLabel(QStringLiteral("°"), queryPanel), "lunarDegreeLabel");
    docosadeLabel->setBuddy(docosadeBox);
    yearLabel->setBuddy(yearBox);
    solarLabel->setBuddy(solarSignBox);
    lunarLabel->setBuddy(lunarSignBox);
    degreesLabel->setBuddy(solarDegreeEdit);
    solarDegreeLabel->setBuddy(solarDegreeEdit);
    lunarDegreeLabel->setBuddy(lunarDegreeEdit);
    solarDegreeEdit->setAccessibleName(QStringLiteral("Solar degree"));
    lunarDegreeEdit->setAccessibleName(QStringLiteral("Lunar degree"));
    const int degreeWidth = solarDegreeEdit->fontMetrics().horizontalAdvance(u'0') * 3 +
                            solarDegreeEdit->fontMetrics().height();
    solarDegreeEdit->setFixedWidth(degreeWidth);
    lunarDegreeEdit->setFixedWidth(degreeWidth);
    findButton->setDefault(true);
    findButton->setAutoDefault(true);
    closeButton->setAutoDefault(false);

    auto* grid = new QGridLayout(queryPanel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(docosadeLabel, 0, 0);
    grid->addWidget(docosadeBox, 0, 1);
    grid->addWidget(yearLabel, 1, 0);
    grid->addWidget(yearBox, 1, 1);
    grid->addWidget(degreesLabel, 2, 2, 1, 2);
    grid->addWidget(solarLabel, 3, 0);
    grid->addWidget(solarSignBox, 3, 1);
    grid->addWidget(solarDegreeEdit, 3, 2);
    grid->addWidget(solarDegreeLabel, 3, 3);
    grid->addWidget(lunarLabel, 4, 0);
    grid->addWidget(lunarSignBox, 4, 1);
    grid->addWidget(lunarDegreeEdit, 4, 2);
    grid->addWidget(lunarDegreeLabel, 4, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(closeButton);
    buttons->addStretch();
    grid->setRowStretch(5, 1);
    grid->addLayout(buttons, 6, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    results = Named(new QPlainTextEdit(this), "results");
    results->setReadOnly(true);
    results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results->setFocusPolicy(Qt::NoFocus);
    // Room for the longest usual line ("Lunar Sign found: …") before it wraps.
    results->setMinimumWidth(results->fontMetrics().horizontalAdvance(u'x') * 30);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(queryPanel);
    layout->addWidget(results, 1);
    // The design's 525 by 180, or more where the font needs it: the lines of a search fit
    // unwrapped, and the window can be made larger, the results growing with it.
    const QFontMetrics text = results->fontMetrics();
    resize(std::max(
               525,
               queryPanel->sizeHint().width() +
                   text.horizontalAdvance(QStringLiteral(
                       "Lunar Sign found: Wednesday, August 19, 2026 4:47 AM in 00° Sagittarius")) +
                   text.height() * 2),
           std::max({180, queryPanel->sizeHint().height(), text.lineSpacing() * 14}));

    connect(findButton, &QPushButton::clicked, this, &ReverseLookupDialog::onFindClicked);
    connect(closeButton, &QPushButton::clicked, this, &ReverseLookupDialog::onCloseClicked);
}

lookup::Query ReverseLookupDialog::CurrentQuery() const {
    lookup::Query q;
    q.docosade = docosadeBox->currentText();
    q.year = yearBox->currentText();
    q.sunSign = solarSignBox->currentIndex();
    q.moonSign = lunarSignBox->currentIndex();
    q.sunDegree = solarDegreeEdit->text();
    q.moonDegree = lunarDegreeEdit->text();
    return q;
}

void ReverseLookupDialog::onFindClicked() {
    lookup::Result result;
    {
        const WaitCursor wait;
        results->clear();
        const lookup::SiteClock clock = lookup::SiteClockOf(observer_);
        result = search_(CurrentQuery(), clock);
        // The search's lines, then every span of the year; the memo scrolls.
        results->setPlainText(result.AllLines().join('\n'));
    }
    if (!result.error.isEmpty()) MessageBox::Show(this, result.error);
}

void ReverseLookupDialog::onCloseClicked() {
    reject();
}

void ReverseLookupDialog::showEvent(QShowEvent* event) {
    // Centred on the main window each time it opens.
    if (QWidget* p = parentWidget()) {
        const QPoint centre = p->window()->frameGeometry().center();
        move(centre - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QDialog::showEvent(event);
}

}  // namespace hx::ui
