// Recent lists: order and uniqueness without regard to case, and zipcodes.txt.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/error.h"
#include "locale/recent_list.h"
#include "settings/textfile.h"

using namespace hx;

TEST(RecentList, LatestFirstOnceWithoutRegardToCase) {
    RecentList list;
    const std::pair<const char*, bool> adds[] = {
        {"Minneapolis", true},  {"55413", true},  {"minneapolis", true},  // moved up, respelt
        {"minneapolis", false},                                           // already first
        {"Minneapolis ", true}, {"Boston", true}, {"55413", true},       {"", true}, {"", false},
    };
    for (const auto& [text, changed] : adds) EXPECT_EQ(list.Add(text), changed) << text;
    EXPECT_EQ(list.Entries(), QStringList({"", "55413", "Boston", "Minneapolis ", "minneapolis"}));
    EXPECT_TRUE(list.Contains("BOSTON"));
    EXPECT_EQ(list.At(2), "Boston");
    EXPECT_EQ(list.At(99), "");
}

TEST(RecentList, FilesRoundTrip) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    EXPECT_TRUE(LoadRecentEntries().isEmpty());  // no file: empty lists, no message
    EXPECT_TRUE(LoadRecentLookups().isEmpty());

    QFile f(dir.filePath("zipcodes.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBFzurich\r\n55413\n\rBoston\rboston\r\n");  // BOM, mixed breaks
    f.close();
    // The file's order is kept; of one entry in two cases the first stays.
    const RecentList alternate(LoadRecentEntries());
    EXPECT_EQ(alternate.Entries(), QStringList({"zurich", "55413", "", "Boston"}));

    SaveRecentEntries(alternate.Entries());
    SaveRecentLookups({"Vienna, Vienna, Austria", "55413"});
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "zurich\r\n55413\r\n\r\nBoston\r\n");
    f.close();
    EXPECT_EQ(RecentList(LoadRecentEntries()).Entries(), alternate.Entries());
    EXPECT_EQ(LoadRecentLookups(), QStringList({"Vienna, Vienna, Austria", "55413"}));
    files::SetProgramDirectory({});
}

// zipcodes.txt as a directory reads as no entries and refuses a save with a message; binary
// garbage reads as entries of one line each.
TEST(RecentList, UnusableFiles) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir("zipcodes.txt"));
    EXPECT_TRUE(LoadRecentEntries().isEmpty());
    EXPECT_THROW(SaveRecentEntries({"55413"}), Error);
    ASSERT_TRUE(QDir(dir.path()).rmdir("zipcodes.txt"));

    QFile f(dir.filePath("zipcodes.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\xff\xfe\x80\r\x9f\n\xc3", 8));
    f.close();
    const QStringList entries = LoadRecentEntries();
    EXPECT_EQ(entries.size(), 3);
    for (const QString& e : entries) EXPECT_FALSE(e.contains('\n') || e.contains('\r'));
    files::SetProgramDirectory({});
}
