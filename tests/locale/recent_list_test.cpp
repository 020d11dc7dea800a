// Recent lists: order and uniqueness without regard to case, and zipcodes.txt.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/error.h"
#include "locale/recent_list.h"
#include "settings/textfile.h"

using namespace hx;

TEST(RecentList, AddsAtTheSortedPlaceOnceWithoutRegardToCase) {
    RecentList list;
    const std::pair<const char*, bool> adds[] = {
        {"Minneapolis", true},
        {"55413", true},
        {"minneapolis", false},
        {"MINNEAPOLIS", false},
        {"Minneapolis ", true},
        {" Minneapolis", true},
        {"austin", true},
        {"Boston", true},
        {"55413", false},
        {"", true},
        {"", false},
    };
    for (const auto& [text, added] : adds) EXPECT_EQ(list.Add(text), added) << text;
    EXPECT_EQ(list.Entries(), QStringList({"", " Minneapolis", "55413", "austin", "Boston",
                                           "Minneapolis", "Minneapolis "}));
    EXPECT_TRUE(list.Contains("BOSTON"));
    EXPECT_EQ(list.At(4), "Boston");
    EXPECT_EQ(list.At(99), "");
}

TEST(RecentList, FileRoundTrip) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    EXPECT_TRUE(LoadRecentEntries().isEmpty());  // no file: empty lists, no message

    QFile f(dir.filePath("zipcodes.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBFzurich\r\n55413\n\rBoston\rboston\r\n");  // BOM, mixed breaks
    f.close();
    // Both lists start as the same copy: duplicates and the empty line stay entries.
    const RecentList alternate(LoadRecentEntries());
    RecentList lookup(LoadRecentEntries());
    EXPECT_EQ(alternate.Entries(), QStringList({"", "55413", "Boston", "boston", "zurich"}));
    EXPECT_EQ(lookup.Entries(), alternate.Entries());

    lookup.Clear();  // "Clear" empties the Look up page's list only
    SaveRecentEntries(alternate.Entries());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "\r\n55413\r\nBoston\r\nboston\r\nzurich\r\n");
    f.close();
    EXPECT_EQ(RecentList(LoadRecentEntries()).Entries(), alternate.Entries());
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
