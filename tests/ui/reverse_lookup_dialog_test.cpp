// The lookup window: its components, Find with its error and wait cursor, and its lifetime.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/message_box.h"
#include "ui/reverse_lookup_dialog.h"

using namespace hx;
using namespace hx::ui;

namespace {

template <typename W = QWidget>
W* Get(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList MemoLines(QWidget& form) {
    return Get<QPlainTextEdit>(form, "results")->toPlainText().split('\n');
}

}  // namespace

TEST(ReverseLookupDialog, ComponentsSizeAndPlace) {
    QWidget main;
    ReverseLookupDialog form(&main);
    EXPECT_EQ(form.windowTitle(), "Thelemic Date Look up");
    for (const auto& [name, items, editable, first] :
         {std::tuple{"docosadeBox", 22, true, "1 - I"},
          {"yearBox", 22, true, "1 - i"},
          {"solarSignBox", 12, false, "Aries - March 21 - April 20"},
          {"lunarSignBox", 12, false, "Aries"}}) {
        QComboBox* box = Get<QComboBox>(form, name);
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->count() == items && box->maxVisibleItems() == items &&
                    box->isEditable() == editable && box->currentText() == first)
            << name;
    }
    for (const auto& [name, text] : {std::pair{"degreesLabel", "Degrees"},
                                     {"solarLabel", "Solar Position"},
                                     {"lunarLabel", "Lunar Position"}})
        EXPECT_EQ(Get<QLabel>(form, name)->text(), text);
    EXPECT_TRUE(Get<QLineEdit>(form, "solarDegreeEdit")->text().isEmpty() &&
                Get<QLineEdit>(form, "lunarDegreeEdit"));
    EXPECT_TRUE(Get<QPushButton>(form, "findButton")->isDefault());
    EXPECT_EQ(Get<QPushButton>(form, "closeButton")->text(), "Close");
    QPlainTextEdit* memo = Get<QPlainTextEdit>(form, "results");
    EXPECT_TRUE(memo->isReadOnly() && memo->focusPolicy() == Qt::NoFocus);

    main.setGeometry(200, 150, 800, 600);
    main.show();
    form.show();
    // The design's size at least, and the longest line of a search unwrapped.
    EXPECT_GE(form.width(), 525);
    EXPECT_GE(form.height(), 180);
    EXPECT_GE(Get(form, "queryPanel")->width(), Get(form, "queryPanel")->sizeHint().width());
    EXPECT_LE((form.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
}

TEST(ReverseLookupDialog, FindShowsLinesAndErrorsWithAWaitCursor) {
    MessageBox::SetScripted(true);
    MessageBox::ClearShown();
    ReverseLookupDialog form;
    form.show();
    QComboBox* docosade = Get<QComboBox>(form, "docosadeBox");
    Get<QComboBox>(form, "yearBox")->setCurrentIndex(15);
    docosade->setCurrentIndex(3);
    QStringList previous;
    for (int dst : {0, 1}) {  // the daylight flag changes nothing
        form.setObserver(Observer{0, 0, 0, 0, 0, -6, dst, true, true, {}});
        Get<QPushButton>(form, "findButton")->click();
        // The five lines of the search, then the section of the year's spans.
        ASSERT_GE(MemoLines(form).size(), 8);
        EXPECT_EQ(MemoLines(form)[6], "All matches in An IV xvi");
        EXPECT_TRUE(MemoLines(form)[2].startsWith("Starting with  : 2/29/2008 6:00"));
        EXPECT_TRUE(previous.isEmpty() || previous == MemoLines(form));
        previous = MemoLines(form);
    }
    // Typed text that is no item: Enter runs Find, two lines, the error, no new item.
    docosade->lineEdit()->selectAll();
    QTest::keyClicks(docosade->lineEdit(), "4 - X");
    QTest::keyClick(docosade->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(docosade->count(), 22);
    EXPECT_EQ(MemoLines(form).size(), 2);
    ASSERT_EQ(MessageBox::Shown().size(), 1);
    EXPECT_TRUE(MessageBox::Shown()[0].contains("\"4 - X\""));
    MessageBox::SetScripted(false);

    std::optional<Qt::CursorShape> during;
    form.setSearch([&](const lookup::Query&, const lookup::SiteClock&) {
        during = QApplication::overrideCursor()->shape();
        return lookup::Result{};
    });
    Get<QPushButton>(form, "findButton")->click();
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ReverseLookupDialog, InputsAndResultsSurviveBetweenModalShowings) {
    QWidget main;
    ReverseLookupDialog form(&main);
    QTimer::singleShot(0, &form, [&] {
        Get<QComboBox>(form, "lunarSignBox")->setCurrentIndex(8);
        Get<QLineEdit>(form, "lunarDegreeEdit")->setText("12");
        Get<QPushButton>(form, "findButton")->click();
        Get<QPushButton>(form, "closeButton")->click();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    const QString results = Get<QPlainTextEdit>(form, "results")->toPlainText();
    QTimer::singleShot(0, &form, [&] { Get<QPushButton>(form, "closeButton")->click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_EQ(Get<QComboBox>(form, "lunarSignBox")->currentText(), "Sagittarius");
    EXPECT_EQ(Get<QLineEdit>(form, "lunarDegreeEdit")->text(), "12");
    EXPECT_FALSE(results.isEmpty());
    EXPECT_EQ(Get<QPlainTextEdit>(form, "results")->toPlainText(), results);
}

// Every box has a label whose buddy it is; made larger, the window gives its gain to the
// results, the query panel keeping its width.
TEST(ReverseLookupDialog, BoxesAreLabelledAndTheResultsGrow) {
    ReverseLookupDialog form;
    form.show();
    QList<QWidget*> buddies;
    for (QLabel* l : form.findChildren<QLabel*>()) buddies << l->buddy();
    QList<QWidget*> boxes;
    for (QComboBox* b : form.findChildren<QComboBox*>()) boxes << b;
    for (QLineEdit* e : form.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(e->parentWidget())) boxes << e;
    ASSERT_EQ(boxes.size(), 6);
    for (QWidget* b : boxes) EXPECT_TRUE(buddies.contains(b)) << b->objectName().toStdString();

    QWidget* panel = Get(form, "queryPanel");
    QWidget* results = Get(form, "results");
    const QSize before = results->size();
    const int panelWidth = panel->width();
    form.resize(form.size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_EQ(results->size(), before + QSize(300, 200));
    EXPECT_EQ(panel->width(), panelWidth);
}
