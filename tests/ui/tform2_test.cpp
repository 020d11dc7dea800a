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
#include "ui/tform2.h"

using namespace hx;
using namespace hx::ui;

namespace {

template <typename W>
W* Get(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList MemoLines(QWidget& form) {
    return Get<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n');
}

void Type(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

class TForm2Test : public ::testing::Test {
  protected:
    void SetUp() override {
        MessageBox::SetScripted(true);
        MessageBox::ClearShown();
    }
    void TearDown() override { MessageBox::SetScripted(false); }
};

}  // namespace

TEST_F(TForm2Test, ComponentsUnderTheirNames) {
    QWidget main;
    TForm2 form(&main);
    EXPECT_EQ(form.windowTitle(), "Thelemic Date Look up");
    struct Box {
        const char* name;
        int items;
        int rows;
        bool editable;
        const char* first;
    };
    for (const Box& b :
         {Box{"ComboBox3", 22, 22, true, "1 - I"}, Box{"ComboBox4", 22, 22, true, "1 - i"},
          Box{"ComboBox1", 12, 12, false, "Aries - March 21 - April 20"},
          Box{"ComboBox2", 12, 12, false, "Aries"}}) {
        QComboBox* box = Get<QComboBox>(form, b.name);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->count(), b.items) << b.name;
        EXPECT_EQ(box->maxVisibleItems(), b.rows) << b.name;
        EXPECT_EQ(box->isEditable(), b.editable) << b.name;
        EXPECT_EQ(box->currentIndex(), 0) << b.name;
        EXPECT_EQ(box->currentText(), b.first) << b.name;
    }
    EXPECT_EQ(Get<QLabel>(form, "Label6")->text(), "Degrees");
    EXPECT_EQ(Get<QLabel>(form, "Label4")->text(), "Solar Position");
    EXPECT_EQ(Get<QLabel>(form, "Label5")->text(), "Lunar Position");
    EXPECT_TRUE(Get<QLineEdit>(form, "Edit5")->text().isEmpty());
    EXPECT_TRUE(Get<QLineEdit>(form, "Edit6")->text().isEmpty());
    EXPECT_EQ(Get<QPushButton>(form, "Button2")->text(), "Find");
    EXPECT_TRUE(Get<QPushButton>(form, "Button2")->isDefault());
    EXPECT_EQ(Get<QPushButton>(form, "Button1")->text(), "Close");
    QPlainTextEdit* memo = Get<QPlainTextEdit>(form, "Memo1");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    main.setGeometry(200, 150, 800, 600);
    main.show();
    form.show();
    EXPECT_EQ(form.size(), QSize(525, 180));
    EXPECT_EQ(Get<QWidget>(form, "Panel3")->width(), 296);
    const QPoint offset = form.frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(TForm2Test, FindWritesTheLinesShiftedByTheZoneOnly) {
    TForm2 form;
    Type(Get<QComboBox>(form, "ComboBox3"), "4 - IV");
    Type(Get<QComboBox>(form, "ComboBox4"), "16 - xvi");
    QStringList previous;
    for (int dst : {0, 1}) {
        Observer o;
        o.TimeZone = -6;
        o.DaylightTime = dst;
        form.setObserver(o);
        Get<QPushButton>(form, "Button2")->click();
        const QStringList lines = MemoLines(form);
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[0], "Using your current Time Zone: -6");
        EXPECT_TRUE(lines[2].startsWith("Starting with  : 2/29/08 6:00")) << lines[2].toStdString();
        if (dst == 1) {
            EXPECT_EQ(lines, previous);  // the daylight flag changes nothing
        }
        previous = lines;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(MessageBox::Shown().isEmpty());
}

TEST_F(TForm2Test, TypedTextMatchingNoItemShowsTheErrorAndTheWindowGoesOn) {
    TForm2 form;
    form.show();
    QComboBox* docosade = Get<QComboBox>(form, "ComboBox3");
    Type(docosade, "4 - X");
    // Enter in the box runs Find; the typed text never becomes an item.
    QTest::keyClick(docosade->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(docosade->count(), 22);
    EXPECT_EQ(MemoLines(form).size(), 2);
    ASSERT_EQ(MessageBox::Shown().size(), 1);
    EXPECT_TRUE(MessageBox::Shown()[0].contains("4 - X"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    docosade->setCurrentIndex(3);
    Get<QPushButton>(form, "Button2")->click();
    EXPECT_EQ(MemoLines(form).size(), 5);
    EXPECT_EQ(MessageBox::Shown().size(), 1);
}

TEST_F(TForm2Test, WaitCursorWhileFindRunsAndEnterRunsIt) {
    TForm2 form;
    int runs = 0;
    std::optional<Qt::CursorShape> during;
    form.setSearch([&](const lookup::Query& q, double tz) {
        ++runs;
        if (QApplication::overrideCursor()) during = QApplication::overrideCursor()->shape();
        EXPECT_EQ(q.sunDegree, "7");
        EXPECT_DOUBLE_EQ(tz, 5.5);
        return lookup::Result{{"a", "b"}, {}};
    });
    Observer o;
    o.TimeZone = 5.5;
    form.setObserver(o);
    form.show();
    QLineEdit* degree = Get<QLineEdit>(form, "Edit5");
    degree->setFocus();
    QTest::keyClicks(degree, "7");
    QTest::keyClick(degree, Qt::Key_Return);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TForm2Test, InputsAndResultsSurviveBetweenModalShowings) {
    QWidget main;
    TForm2 form(&main);
    QTimer::singleShot(0, &form, [&] {
        Get<QComboBox>(form, "ComboBox2")->setCurrentIndex(8);
        Get<QLineEdit>(form, "Edit6")->setText("12");
        Get<QPushButton>(form, "Button2")->click();
        Get<QPushButton>(form, "Button1")->click();
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    const QString results = Get<QPlainTextEdit>(form, "Memo1")->toPlainText();
    EXPECT_FALSE(results.isEmpty());
    QTimer::singleShot(0, &form, [&] { Get<QPushButton>(form, "Button1")->click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_EQ(Get<QComboBox>(form, "ComboBox2")->currentText(), "Sagittarius");
    EXPECT_EQ(Get<QLineEdit>(form, "Edit6")->text(), "12");
    EXPECT_EQ(Get<QPlainTextEdit>(form, "Memo1")->toPlainText(), results);
}
