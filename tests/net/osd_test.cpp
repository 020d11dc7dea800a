// The version file binding: every reading path of the format, and missing parts reading empty.
#include <gtest/gtest.h>

#include "net/maker_site.h"
#include "net/osd.h"

using namespace hx::net;
using namespace hx::net::osd;

TEST(Osd, ReadsTheWholeFormat) {
    const Document doc = ParseSOFTPKG(R"(<?xml version="1.0"?>
<SOFTPKG NAME="Heliodex" VERSION="0,12,8,0">
  <TITLE>Heliodex</TITLE><TITLE>Thelemic Dates</TITLE>
  <ABSTRACT>An almanac</ABSTRACT>
  <LICENSE>GPL</LICENSE>
  <IMPLEMENTATION>
    <OS VALUE="Linux"><OSVERSION VALUE="6.1"/><OSVERSION VALUE="6.6"/></OS>
    <PROCESSOR VALUE="x86_64"/><LANGUAGE VALUE="en"/><VM VALUE="none"/>
    <DISKSIZE VALUE="4096"/><IMPLTYPE VALUE="binary"/>
    <CODEBASE HREF="https://example.org/a.exe" FILENAME="a.exe" SIZE="123"/>
    <CODEBASE HREF="https://mirror.example.org/a.exe"/>
    <DEPENDENCY ACTION="Install">
      <CODEBASE HREF="https://example.org/lib.tgz"/>
      <SOFTPKG NAME="libswe" VERSION="2,10,3,0"/>
    </DEPENDENCY>
  </IMPLEMENTATION>
  <IMPLEMENTATION/>
</SOFTPKG>)");
    const TXMLSOFTPKGType pkg = doc.SOFTPKG();
    ASSERT_FALSE(pkg.IsNull()) << doc.error().toStdString();
    EXPECT_EQ(pkg.NAME(), "Heliodex");
    EXPECT_EQ(pkg.VERSION(), "0,12,8,0");
    EXPECT_EQ(pkg.TITLE().Count(), 2);
    EXPECT_EQ(pkg.TITLE()[1], "Thelemic Dates");
    EXPECT_EQ(pkg.ABSTRACT()[0], "An almanac");
    EXPECT_EQ(pkg.LICENSE(), QStringList{"GPL"});
    ASSERT_EQ(pkg.IMPLEMENTATION().Count(), 2);
    const TXMLIMPLEMENTATIONType impl = pkg.IMPLEMENTATION()[0];
    EXPECT_EQ(impl.OS()[0].VALUE(), "Linux");
    EXPECT_EQ(impl.OS()[0].OSVERSION().Count(), 2);
    EXPECT_EQ(impl.OS()[0].OSVERSION()[1].VALUE(), "6.6");
    EXPECT_EQ(impl.PROCESSOR()[0].VALUE(), "x86_64");
    EXPECT_EQ(impl.LANGUAGE()[0].VALUE(), "en");
    EXPECT_EQ(impl.VM()[0].VALUE(), "none");
    EXPECT_EQ(impl.DISKSIZE()[0].VALUE(), "4096");
    EXPECT_EQ(impl.IMPLTYPE()[0].VALUE(), "binary");
    ASSERT_EQ(impl.CODEBASE().Count(), 2);
    EXPECT_EQ(impl.CODEBASE()[0].FILENAME(), "a.exe");
    EXPECT_EQ(impl.CODEBASE()[0].SIZE(), "123");
    EXPECT_EQ(impl.CODEBASE()[1].HREF(), "https://mirror.example.org/a.exe");
    const TXMLDEPENDENCYType dep = impl.DEPENDENCY()[0];
    EXPECT_EQ(dep.ACTION(), "Install");
    EXPECT_EQ(dep.CODEBASE().HREF(), "https://example.org/lib.tgz");
    EXPECT_EQ(dep.SOFTPKG().VERSION(), "2,10,3,0");
    // Out of range and missing parts are null views that read empty.
    EXPECT_TRUE(impl.CODEBASE()[2].IsNull());
    EXPECT_TRUE(impl.CODEBASE()[-1].IsNull());
    EXPECT_EQ(pkg.IMPLEMENTATION()[1].CODEBASE()[0].HREF(), "");
    EXPECT_EQ(pkg.TITLE()[5], "");
    EXPECT_TRUE(pkg.DEPENDENCY()[0].SOFTPKG().IsNull());
}

TEST(Osd, RootMustBeSoftpkgWithoutNamespace) {
    const char* rows[] = {"<softpkg VERSION=\"1\"/>", "<x:SOFTPKG xmlns:x=\"urn:x\"/>",
                          "<SOFTPKG xmlns=\"urn:x\"/>", "<OTHER><SOFTPKG/></OTHER>", "no xml"};
    for (const char* row : rows) {
        const Document doc = ParseSOFTPKG(row);
        EXPECT_TRUE(doc.SOFTPKG().IsNull()) << row;
        EXPECT_FALSE(doc.error().isEmpty()) << row;
    }
}

TEST(MakerSite, BuildsAddressesOnTheConfiguredSite) {
    struct Row {
        const char* base;
        const char* path;
        const char* want;
    } rows[] = {
        {"https://example.org", kDownloadPath,
         "https://example.org/download/programs/heliodex.exe"},
        {" https://example.org/ ", kVersionFilePath,
         "https://example.org/software/heliodex/heliodex.xml"},
        {"http://127.0.0.1:8080/mirror/?q=1#f", kVersionFilePath,
         "http://127.0.0.1:8080/mirror/software/heliodex/heliodex.xml"},
        {"https://example.org/home", "", "https://example.org/home"},
        {"", kDownloadPath, ""},
        {"heliodex.example.org", kDownloadPath,
         "https://heliodex.example.org/download/programs/heliodex.exe"},
        {"/just/a/path", kDownloadPath, ""},
        {"file:///etc/passwd", "", ""},
        {"ftp://example.org", kDownloadPath, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MakerSiteUrl(r.base, r.path).toString(), QString(r.want)) << r.base;
}
