// Runs one test of this test program again as an unprivileged user, for tests of what the
// file system refuses: root may write anywhere, so permissions prove nothing as root.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace hx::test {

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// Runs the current test in a copy of this program as user and group 65534 (nobody) and
// expects it to pass there. Skips when setpriv is not installed.
inline void RerunCurrentTestUnprivileged() {
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (setpriv.isEmpty()) GTEST_SKIP() << "setpriv (util-linux) is not installed";
    // The build tree may sit where nobody cannot reach it; a copy in a readable directory can.
    QTemporaryDir place;
    ASSERT_TRUE(place.isValid());
    const QString copy = place.filePath("test_program");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(place.path(), readable | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(copy, readable));

    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2")
            .arg(QString::fromLatin1(info->test_suite_name()), QString::fromLatin1(info->name()));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", "/tmp");
    env.remove("XDG_RUNTIME_DIR");
    // A leak-check suppressions file named by path goes along, readable, for the same reason.
    QString lsan = env.value("LSAN_OPTIONS");
    const qsizetype at = lsan.indexOf("suppressions=");
    if (at >= 0) {
        const qsizetype from = at + qsizetype(sizeof("suppressions=") - 1);
        const qsizetype to = lsan.indexOf(u':', from) < 0 ? lsan.size() : lsan.indexOf(u':', from);
        const QString supp = place.filePath("lsan.supp");
        if (QFile::copy(lsan.mid(from, to - from), supp)) {
            QFile::setPermissions(supp, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            env.insert("LSAN_OPTIONS", lsan.replace(from, to - from, supp));
        }
    }
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory("/tmp");
    p.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", copy, filter});
    ASSERT_TRUE(p.waitForStarted(10000));
    ASSERT_TRUE(p.waitForFinished(300000));
    const QString out = QString::fromLocal8Bit(p.readAll());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test.")) << out.toStdString();
}

}  // namespace hx::test
