// Recent lists: order and uniqueness without regard to case, and zipcodes.txt.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
