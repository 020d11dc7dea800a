// The About box, the new-version dialog and the News page's lines, offscreen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "net/otousgl.h"
#include "ui/about_dialog.h"
#include "ui/new_version_dialog.h"
#include "ui/news_page.h"

using namespace hx::ui;

namespace {
const QString kSite = QStringLiteral("https://heliodex.example.org");

template <class T>
T* Part(QWidget& w, const char* name) {
    T* p = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(p, nullptr) << name;
    return p;
}
}  // namespace

TEST(AboutBox, ShowsItsLinesAndLinksToTheHomePage) {
    QList<QUrl> opened;
    AboutDialog box(kSite, [&](const QUrl& u) { opened << u; });
    EXPECT_EQ(box.windowTitle(), "About Heliodex");
    const QStringList lines = Part<QTextEdit>(box, "aboutText")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "Do what thou wilt shall be the whole of the Law.");
    EXPECT_EQ(lines[2], "Heliodex Thelemic Dates etc.");
    EXPECT_EQ(lines[7], "Love is the law, love under will.");
    EXPECT_TRUE(lines[1].isEmpty() && lines[6].isEmpty());
    for (int i = 3; i <= 5; ++i) EXPECT_FALSE(lines[i].isEmpty()) << i;
    box.show();
    auto* link = Part<QLabel>(box, "link");
    EXPECT_TRUE(link->text().startsWith("Visit"));
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(kSite)});
    EXPECT_TRUE(box.isVisible());

    AboutDialog noSite(QString(), [&](const QUrl& u) { opened << u; });
    noSite.show();
    QTest::mouseClick(Part<QLabel>(noSite, "link"), Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
}

TEST(AboutBox, TextClickCloseButtonAndEnterCloseIt) {
    const std::function<void(AboutDialog&)> closers[] = {
        [](AboutDialog& b) {
            QTest::mouseClick(Part<QTextEdit>(b, "aboutText")->viewport(), Qt::LeftButton, {},
                              QPoint(40, 30));
        },
        [](AboutDialog& b) { QTest::mouseClick(Part<QPushButton>(b, "okButton"), Qt::LeftButton); },
        [](AboutDialog& b) { QTest::keyClick(&b, Qt::Key_Return); },
    };
    for (const auto& close : closers) {
        AboutDialog box(kSite, [](const QUrl&) {});
        box.open();
        ASSERT_TRUE(box.isVisible());
        close(box);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
}

TEST(NewVersionDialog, LinkOpensTheFixedDownloadWhateverTheCaption) {
    const QString captions[] = {"https://elsewhere.example.net/other.exe", ""};
    for (const QString& caption : captions) {
        QList<QUrl> opened;
        NewVersionDialog dlg(kSite, [&](const QUrl& u) { opened << u; });
        dlg.SetLinkCaption(caption);
        dlg.open();
        EXPECT_EQ(dlg.windowTitle(), "New Version!");
        EXPECT_EQ(Part<QLabel>(dlg, "message")->text(),
                  "A new version of Heliodex is available. Click the link below to download it "
                  "now, ");
        auto* link = Part<QLabel>(dlg, "link");
        EXPECT_EQ(link->text(), caption);
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(opened,
                  QList<QUrl>{QUrl("https://heliodex.example.org/download/programs/heliodex.exe")});
        EXPECT_TRUE(dlg.isVisible());
        auto* later = Part<QPushButton>(dlg, "okButton");
        EXPECT_EQ(later->text(), "Later!");
        QTest::mouseClick(later, Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
}

TEST(NewsPage, EachImportReplacesTheEarlierLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("oto-usgl.xml");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "<r:RDF xmlns:r=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<item/><item><description>Sol in Aries</description></item></r:RDF>");
    f.close();
    QTextEdit richEdit2;
    for (int i = 0; i < 2; ++i)
        ShowFeedLines(&richEdit2, hx::net::otousgl::ImportNewsFeed(path).lines);
    EXPECT_EQ(richEdit2.toPlainText(), "\nSol in Aries\n");
    ShowFeedLines(&richEdit2, hx::net::otousgl::ImportNewsFeed(dir.filePath("none.xml")).lines);
    const QStringList lines = richEdit2.toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("The news feed could not be read: cannot open"));
}
