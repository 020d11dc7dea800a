// Saved places: the ten-place list, its lines, and savedplaces.txt.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/error.h"
#include "locale/saved_places.h"
#include "settings/textfile.h"

using namespace hx;

namespace {
SavedPlace Site(const QString& name, double lat = 48.137, const QString& zone = "Europe/Berlin") {
    return {name, lat, 11.575, zone, 0, false, "519"};
}
}  // namespace

TEST(SavedPlaces, TenAtMostOnePerNameInSavedOrder) {
    SavedPlaces list;
    for (int i = 0; i < SavedPlaces::kMax; ++i)
        EXPECT_TRUE(list.Save(Site(QStringLiteral("Place %1").arg(i))));
    EXPECT_FALSE(list.Save(Site("Eleventh")));
    EXPECT_FALSE(list.Find("Eleventh"));
    // A place of a saved name replaces it where it stands, even with ten kept.
    EXPECT_TRUE(list.Save(Site("place 3", -12.5)));
    EXPECT_EQ(list.Places().size(), 10u);
    EXPECT_EQ(list.Places()[3].latitude, -12.5);
    EXPECT_TRUE(list.Remove("PLACE 0"));
    EXPECT_FALSE(list.Remove("Place 0"));
    EXPECT_EQ(list.Places().front().name, "Place 1");
    EXPECT_FALSE(list.Save(Site("  ")));  // no name, no place
}

// Lines that are not places (damaged, from a newer version, an eleventh) are written back
// unchanged; tabs and line breaks in a name cannot split a line.
TEST(SavedPlaces, LinesRoundTripAndKeepWhatTheyCannotRead) {
    SavedPlaces list;
    list.Save({"Home\tat\nlast", 44.98, -93.27, "", -6, true, ""});
    list.Save(Site("München, Bayern"));
    const QStringList bad = {"just a name", "X\t91\t0\t\t0\t0\t", "Y\t1\t2\tZ\t0\tmaybe\t"};
    const SavedPlaces read = SavedPlaces::FromLines(list.ToLines() + bad + QStringList{""});
    ASSERT_EQ(read.Places().size(), 2u);
    EXPECT_EQ(read.Places()[0], (SavedPlace{"Home at last", 44.98, -93.27, "", -6, true, ""}));
    EXPECT_EQ(read.Places()[1], Site("München, Bayern"));
    EXPECT_EQ(read.ToLines().mid(2), bad);
}

TEST(SavedPlaces, FileSurvivesAndAnUnreadableOneIsNotReplaced) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    EXPECT_TRUE(LoadSavedPlaces().Places().empty());
    SavedPlaces list;
    list.Save(Site("Munich, Bavaria, Germany"));
    WriteSavedPlaces(list);
    EXPECT_EQ(LoadSavedPlaces().Places(), list.Places());

    const QString path = dir.filePath("savedplaces.txt");
    QFile::setPermissions(path, QFile::WriteOwner);
    if (!QFile(path).open(QIODevice::ReadOnly)) {  // not as root, who reads every file
        EXPECT_TRUE(LoadSavedPlaces().Places().empty());
        EXPECT_THROW(WriteSavedPlaces(SavedPlaces()), Error);
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(LoadSavedPlaces().Places(), list.Places());
    files::SetProgramDirectory({});
}
