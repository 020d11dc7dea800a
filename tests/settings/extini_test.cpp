// The settings store: the file format, the read-back rules and the window's component list.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/extini.h"
#include "settings/service_addresses.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"

using namespace hx;

namespace {
QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void WriteBytes(const QString& path, const QByteArray& b) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// The window's 65 components over plain values and a menu model.
struct Window {
    OptionsModel menu;
    std::vector<FieldComponent> fields = LocaleFields();
    std::vector<std::unique_ptr<PersistentComponent>> items = MenuComponents(menu);
    std::vector<PersistentComponent*> All() {
        std::vector<PersistentComponent*> all;
        for (auto& i : items) all.push_back(i.get());  // deliberately menu first
        for (auto& f : fields) all.push_back(&f);
        return all;
    }
    FieldComponent& Field(const QString& name) {
        return *std::find_if(fields.begin(), fields.end(),
                             [&](auto& f) { return f.name() == name; });
    }
};
}  // namespace

TEST(IniValues, TextReadBack) {
    const QString longText(3000, 'x');
    const struct {
        QString raw, read;
    } rows[] = {{"  Minneapolis \t", "Minneapolis"},
                {"\"quoted\"", "quoted"},
                {" \" in quotes \" ", " in quotes "},
                {"\"", "\""},
                {"\"\"", ""},
                {"a\"b\"", "a\"b\""},
                {"", ""},
                {longText, longText.left(2047)}};
    for (const auto& r : rows)
        EXPECT_EQ(IniValueText(r.raw), r.read) << r.raw.left(20).toStdString();
}

TEST(IniValues, Booleans) {
    const struct {
        std::optional<QString> raw;
        std::optional<bool> read;
    } rows[] = {{"1", true},
                {"0", false},
                {"0x10", true},
                {"0X0", false},
                {" 0xfF ", true},
                {"\"1\"", true},
                {"-1", true},
                {"+0", false},
                {"007", true},
                {"abc", std::nullopt},
                {"", std::nullopt},
                {"0x", std::nullopt},
                {"0xg", std::nullopt},
                {"1.5", std::nullopt},
                {"$10", std::nullopt},
                {"-0x1", std::nullopt},
                {std::nullopt, std::nullopt}};
    for (const auto& r : rows)
        EXPECT_EQ(IniValueBool(r.raw), r.read) << r.raw.value_or("<none>").toStdString();
}

TEST(IniDocumentTest, OrderOfFirstWriteAndReplacementInPlace) {
    IniDocument doc({"; kept", "[Menu]", "Clockon1=0", "", "[Other]", "x = 1"});
    doc.Set("Locale", "Edit11", "55413");
    doc.Set("Menu", "Refresh1", "1");       // new key at the end of its section, before the blank
    doc.Set("menu", "CLOCKON1", "1");       // names match without regard to case
    doc.Set("Other", "x", "two\r\nlines");  // a value never spills into lines of its own
    EXPECT_EQ(doc.lines(), QStringList({"; kept", "[Menu]", "CLOCKON1=1", "Refresh1=1", "",
                                        "[Other]", "x=two lines", "[Locale]", "Edit11=55413"}));
    EXPECT_EQ(doc.Raw("MENU", "clockon1"), "1");
    EXPECT_FALSE(doc.Raw("Other", "Clockon1"));
    EXPECT_FALSE(doc.Raw("Missing", "x"));
}

TEST(ExtIniF, DefaultNameAndSection) {
    EXPECT_EQ(DefaultIniName("/usr/bin/heliodex"), "/usr/bin/heliodex.ini");
    EXPECT_EQ(DefaultIniName("C:\\Programs\\heliodex.exe"), "C:\\Programs\\heliodex.ini");
    EXPECT_EQ(DefaultIniName("/home/u/.local/bin/heliodex"), "/home/u/.local/bin/heliodex.ini");
    QTemporaryDir dir;
    TExtIniF store(dir.filePath("a.ini"));
    EXPECT_EQ(store.DefaultSection(), "Options");
    FieldComponent box("CheckBox1", ComponentKind::CheckBox, {}, true);
    store.SaveComponent(box);
    EXPECT_EQ(ReadBytes(store.FileName()), "[Options]\r\nCheckBox1=1\r\n");
    box.setChecked(false);
    store.LoadComponent(box, "");
    EXPECT_TRUE(box.checked());
}

TEST(ExtIniF, UnsupportedKind) {
    QTemporaryDir dir;
    TExtIniF store(dir.filePath("a.ini"));
    FieldComponent other("moonPicture", ComponentKind::Other, "x", true);
    store.LoadComponent(other, "Locale");  // left alone
    EXPECT_EQ(other.text(), "x");
    try {
        store.SaveComponent(other, "Locale");
        FAIL() << "no error";
    } catch (const EExtIniFError& e) {
        EXPECT_EQ(e.message(), "This object is not supported!");
    }
    EXPECT_FALSE(QFile::exists(store.FileName()));
}

TEST(WindowSettings, MissingFileKeepsDesignStatesAndFirstSaveWritesAllKeys) {
    QTemporaryDir dir;
    TExtIniF store(dir.filePath("heliodex.ini"));
    Window w;
    RestoreWindowComponents(store, w.All());
    EXPECT_EQ(w.menu, OptionsModel());
    EXPECT_FALSE(w.menu.Checked("Clockon1"));
    EXPECT_EQ(w.Field("Edit11").text(), "55413");
    EXPECT_EQ(w.Field("Edit10").text(), "55413");
    EXPECT_EQ(w.Field("Edit12").text(), "10");

    SaveWindowComponents(store, w.All());
    const QStringList menuKeys =
        QString(
            "File1 Exit1 Calculate1 Now1 LookupThelemicDatereverse1 Edit1 Copy1 Options1 Format1 "
            "Date1 Long1 Short1 Roman1 None3 Time1 Long2 Short2 None2 Year1 IVx1 iv101 ivX2 N4x1 "
            "N4X2 Nospace1 Prefix1 An1 Anno1 None1 Lines1 N11 N21 N31 Degrees1 Extras1 "
            "Solarevents1 PlanetaryHours1 Moonphase1 askbar1 PlanetaryHours2 MoonPhase2 Locale1 "
            "Clockon1 Internet1 Refresh1 Disabled1 Help1 About1 DatetoClipboard1 Restore1 Exit2")
            .split(' ');
    const QStringList locale = {"Edit11=55413", "Edit3=", "Edit2=", "CheckBox1=0", "CheckBox2=0",
                                "Edit5=",       "Edit4=", "Edit6=", "CheckBox3=0", "Edit12=10",
                                "Edit7=",       "Edit9=", "Edit8=", "Edit10=55413"};
    QStringList expected = QStringList{"[Locale]"} + locale;
    expected << "[Menu]";
    for (const QString& k : menuKeys) expected << k + '=' + (OptionsModel().Checked(k) ? "1" : "0");
    const QByteArray bytes = ReadBytes(store.FileName());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes, (expected.join("\r\n") + "\r\n").toUtf8());
}

TEST(WindowSettings, ReadBackRulesThroughTheWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("heliodex.ini");
    WriteBytes(path,
               "[Locale]\r\nEdit11=\r\nEdit10=  K\xf8"
               "benhavn  \r\nEdit12=\"30\"\r\n"
               "CheckBox1=abc\r\nCheckBox3=0x10\r\n[Menu]\r\nLong1=1\r\nRoman1=1\r\n"
               "PlanetaryHours2=1\r\nMoonPhase2=1\r\nClockon1=0x10\r\nDegrees1=abc\r\n"
               "[Services]\r\nNewsFeed=feeds.example.org\r\n");
    TExtIniF store(path);
    Window w;
    w.Field("CheckBox1").setChecked(true);
    RestoreWindowComponents(store, w.All());
    EXPECT_EQ(w.Field("Edit11").text(), "");  // an empty value is not a missing key
    EXPECT_EQ(w.Field("Edit10").text(), QString::fromUtf8("København"));  // Windows-1252 file
    EXPECT_EQ(w.Field("Edit12").text(), "30");
    EXPECT_TRUE(w.Field("CheckBox1").checked());  // abc keeps the current state
    EXPECT_TRUE(w.Field("CheckBox3").checked());
    EXPECT_EQ(w.menu.Differences(OptionsModel()),
              QStringList({"Long1", "Roman1", "Clockon1"}));  // PlanetaryHours2 cleared again
    EXPECT_TRUE(w.menu.Checked("Roman1") && w.menu.Checked("MoonPhase2"));  // the later wins

    w.Field("Edit6").setText(" -6 ");
    SaveWindowComponents(store, w.All());  // other sections survive a save
    Window again;
    RestoreWindowComponents(store, again.All());
    EXPECT_EQ(again.menu, w.menu);
    EXPECT_EQ(again.Field("Edit6").text(), "-6");  // blanks at the ends are dropped
    EXPECT_EQ(again.Field("Edit11").text(), "");
    EXPECT_EQ(LoadServices(store, {}).newsFeed, "feeds.example.org");
    EXPECT_EQ(store.ReadString("Locale", "Edit10", {}), QString::fromUtf8("København"));
}

// Odd files found by fuzzing: a save followed by a restore gives back what was saved, and a
// key the window does not own keeps its value.
TEST(WindowSettings, SaveKeepsWhatAnOddFileMeans) {
    const QByteArray files[] = {
        "\xEF\xBB\xBF\xEF\xBB\xBF[Menu]\nClockon1=1\n[Services]\nMakerSite=m.example\n",
        "Clockon1=1\n[Menu\nLong1=1\n[Services]\nMakerSite=m.example",
        "[Services]\rMakerSite=m.example\r[Locale]\rEdit12=\"\"5\"\"\r",
    };
    for (const QByteArray& bytes : files) {
        QTemporaryDir dir;
        const QString path = dir.filePath("heliodex.ini");
        WriteBytes(path, bytes);
        TExtIniF store(path);
        Window first;
        RestoreWindowComponents(store, first.All());
        SaveWindowComponents(store, first.All());
        Window second;
        RestoreWindowComponents(store, second.All());
        EXPECT_EQ(second.menu.Differences(first.menu), QStringList()) << bytes.toStdString();
        EXPECT_EQ(second.Field("Edit12").text(), IniValueText(first.Field("Edit12").text()));
        EXPECT_EQ(store.ReadString("Services", "MakerSite", {}), "m.example");
    }
}

TEST(WindowSettings, RefusedWriteLeavesTheFileAndSaysSo) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("heliodex.ini");  // a directory where the file should be
    const QString unwritable[] = {dir.filePath("heliodex.ini"), dir.filePath("no/dir/x.ini")};
    for (const QString& path : unwritable) {
        TExtIniF store(path);
        Window w;
        try {
            SaveWindowComponents(store, w.All());
            FAIL() << "no error for " << path.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), "Unable to write to " + path);
        }
    }
}

// A directory in place of heliodex.ini, or binary garbage in it, restores the design states;
// a save over garbage keeps the garbage's lines (they may be someone's) and adds the keys.
TEST(WindowSettings, UnusableFileRestoresDesignStates) {
    QTemporaryDir dir;
    const QString path = dir.filePath("heliodex.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("heliodex.ini"));
    Window w;
    RestoreWindowComponents(TExtIniF(path), w.All());
    EXPECT_EQ(w.menu, OptionsModel());
    EXPECT_EQ(w.Field("Edit12").text(), "10");
    ASSERT_TRUE(QDir(dir.path()).rmdir("heliodex.ini"));

    QByteArray garbage;
    for (int i = 0; i < 2048; ++i) garbage += char((i * 7919) % 253 + 1);
    garbage.replace('[', 'x');  // no section: the window's sections go after the garbage
    WriteBytes(path, garbage);
    TExtIniF store(path);
    Window g;
    RestoreWindowComponents(store, g.All());
    SaveWindowComponents(store, g.All());
    Window again;
    RestoreWindowComponents(store, again.All());
    EXPECT_EQ(again.menu, g.menu);
    EXPECT_EQ(again.Field("Edit11").text(), g.Field("Edit11").text());
    const QStringList lines = files::SplitLines(files::DecodeText(garbage));
    EXPECT_EQ(store.Document().lines().mid(0, lines.size()), lines);
}

TEST(Services, RoundTripAndDefaults) {
    QTemporaryDir dir;
    TExtIniF store(dir.filePath("heliodex.ini"));
    const ServiceAddresses defaults{"w.example", "g.example", "m.example", "n.example"};
    EXPECT_EQ(LoadServices(store, defaults), defaults);
    SaveServices(store, {"weather.local", "", " maker.local ", "n.example"});
    EXPECT_EQ(LoadServices(store, defaults),
              (ServiceAddresses{"weather.local", "g.example", "maker.local", "n.example"}));
}

// A line break of any kind in a field (a weather answer's time zone, say) stays within its
// line: the save never starts a section of its own.
TEST(WindowSettings, LineBreaksInAFieldNeverStartASection) {
    for (const char* lineBreak : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(int(lineBreak[0]));
        QTemporaryDir dir;
        TExtIniF store(dir.filePath("heliodex.ini"));
        Window w;
        w.Field("Edit6").setText(
            QStringLiteral("-6%1[Services]%1WeatherService=w.example").arg(lineBreak));
        SaveWindowComponents(store, w.All());
        EXPECT_FALSE(store.Document().Raw("Services", "WeatherService"));
        EXPECT_EQ(store.ReadString("Locale", "Edit6", {}),
                  "-6 [Services] WeatherService=w.example");
    }
}

// A settings file over the read limit cannot be read, so a save leaves it as it is.
TEST(WindowSettings, FileOverTheReadLimitIsNotReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("heliodex.ini");
    const QByteArray big = "[Notes]\r\n" + QByteArray(5 << 20, 'x') + "\r\n";
    WriteBytes(path, big);
    TExtIniF store(path);
    Window w;
    EXPECT_THROW(SaveWindowComponents(store, w.All()), Error);
    EXPECT_EQ(ReadBytes(path), big);
}
