// The lookup window: its components, "Find" and "Close".
#include "tform2.h"

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

TForm2::TForm2(QWidget* parent)
    : QDialog(parent), search_([](const lookup::Query& q, const lookup::SiteClock& clock) {
          return lookup::Find(q, clock);
      }) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Thelemic Date Look up"));

    Panel3 = Named(new QWidget(this), "Panel3");
    Panel3->setFixedWidth(296);
    ComboBox3 = Box(Panel3, "ComboBox3", lookup::DocosadeItems(), 22, true);
    ComboBox4 = Box(Panel3, "ComboBox4", lookup::YearItems(), 22, true);
    Label6 = Named(new QLabel(QStringLiteral("Degrees"), Panel3), "Label6");
    Label4 = Named(new QLabel(QStringLiteral("Solar Position"), Panel3), "Label4");
    ComboBox1 = Box(Panel3, "ComboBox1", lookup::SolarSignItems(), 12, false);
    Edit5 = Named(new QLineEdit(Panel3), "Edit5");
    Label5 = Named(new QLabel(QStringLiteral("Lunar Position"), Panel3), "Label5");
    ComboBox2 = Box(Panel3, "ComboBox2", lookup::LunarSignItems(), 12, false);
    Edit6 = Named(new QLineEdit(Panel3), "Edit6");
    Button2 = Named(new QPushButton(QStringLiteral("Find"), Panel3), "Button2");
    Button1 = Named(new QPushButton(QStringLiteral("Close"), Panel3), "Button1");
    Label4->setBuddy(ComboBox1);
    Label5->setBuddy(ComboBox2);
    Edit5->setFixedWidth(48);
    Edit6->setFixedWidth(48);
    Button2->setDefault(true);
    Button2->setAutoDefault(true);
    Button1->setAutoDefault(false);

    auto* grid = new QGridLayout(Panel3);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(4);
    auto* years = new QHBoxLayout;
    years->addWidget(ComboBox3);
    years->addWidget(ComboBox4);
    grid->addLayout(years, 0, 0, 1, 3);
    grid->addWidget(Label6, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    grid->addWidget(Edit5, 2, 2);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(ComboBox2, 3, 1);
    grid->addWidget(Edit6, 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    buttons->addStretch();
    grid->setRowStretch(4, 1);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel3);
    layout->addWidget(Memo1, 1);
    resize(525, 180);

    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

lookup::Query TForm2::CurrentQuery() const {
    lookup::Query q;
    q.docosade = ComboBox3->currentText();
    q.year = ComboBox4->currentText();
    q.sunSign = ComboBox1->currentIndex();
    q.moonSign = ComboBox2->currentIndex();
    q.sunDegree = Edit5->text();
    q.moonDegree = Edit6->text();
    return q;
}

void TForm2::Button2Click() {
    lookup::Result result;
    {
        const WaitCursor wait;
        Memo1->clear();
        const lookup::SiteClock clock = lookup::SiteClockOf(observer_);
        result = search_(CurrentQuery(), clock);
        // The search's lines, then every span of the year; the memo scrolls.
        Memo1->setPlainText(result.AllLines().join('\n'));
    }
    if (!result.error.isEmpty()) MessageBox::Show(this, result.error);
}

void TForm2::Button1Click() {
    reject();
}

void TForm2::showEvent(QShowEvent* event) {
    // Centred on the main window each time it opens.
    if (QWidget* p = parentWidget()) {
        const QPoint centre = p->window()->frameGeometry().center();
        move(centre - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QDialog::showEvent(event);
}

}  // namespace hx::ui
