// The caret's blink timeout: a steady caret after a while without input, blinking again on
// input, the desktop's flash time restored at the end.
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include "ui/caret_blink.h"
#include "window_fixture.h"

using namespace hx;
using hx::test::WindowTest;

TEST(CaretBlinkTimeout, StopsWhenIdleAndInputResumesIt) {
    const int desktop = QGuiApplication::styleHints()->cursorFlashTime();
    ASSERT_GT(desktop, 0);
    {
        ui::CaretBlinkTimeout blink(50);
        QLineEdit edit;
        edit.show();
        EXPECT_FALSE(blink.Stopped());
        ASSERT_TRUE(QTest::qWaitFor([&] { return blink.Stopped(); }, 5000));
        EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);

        QTest::keyClick(&edit, Qt::Key_A);
        EXPECT_FALSE(blink.Stopped());
        EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktop);
        EXPECT_EQ(edit.text(), "a");  // the key still reaches the field

        ASSERT_TRUE(QTest::qWaitFor([&] { return blink.Stopped(); }, 5000));
        QTest::mouseClick(&edit, Qt::LeftButton);
        EXPECT_FALSE(blink.Stopped());
        ASSERT_TRUE(QTest::qWaitFor([&] { return blink.Stopped(); }, 5000));
    }
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktop);
}

TEST_F(WindowTest, TheWindowStopsTheCaretBlinkingAndRestoresItWhenClosed) {
    const int desktop = QGuiApplication::styleHints()->cursorFlashTime();
    Open();
    EXPECT_TRUE(Get<QTimer>("CaretBlinkTimeout")->isActive());
    EXPECT_EQ(Get<QTimer>("CaretBlinkTimeout")->interval(), 10000);
    form.reset();
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktop);
}
