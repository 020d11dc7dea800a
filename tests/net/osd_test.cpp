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
    const TXMLIMPLEMENTATIONType impl = pkg.IMPLEMENTATION()[0];
    const TXMLDEPENDENCYType dep = impl.DEPENDENCY()[0];
    const std::pair<QString, const char*> reads[] = {
        {pkg.NAME() + ' ' + pkg.VERSION(), "Heliodex 0,12,8,0"},
        {pkg.TITLE()[1] + '|' + pkg.ABSTRACT()[0] + '|' + pkg.LICENSE().join('|'),
         "Thelemic Dates|An almanac|GPL"},
        {impl.OS()[0].VALUE() + ' ' + impl.OS()[0].OSVERSION()[1].VALUE(), "Linux 6.6"},
        {impl.PROCESSOR()[0].VALUE() + ' ' + impl.LANGUAGE()[0].VALUE() + ' ' +
             impl.VM()[0].VALUE() + ' ' + impl.DISKSIZE()[0].VALUE() + ' ' +
             impl.IMPLTYPE()[0].VALUE(),
         "x86_64 en none 4096 binary"},
        {impl.CODEBASE()[0].FILENAME() + ' ' + impl.CODEBASE()[0].SIZE(), "a.exe 123"},
        {impl.CODEBASE()[1].HREF(), "https://mirror.example.org/a.exe"},
        {dep.ACTION() + ' ' + dep.CODEBASE().HREF() + ' ' + dep.SOFTPKG().VERSION(),
         "Install https://example.org/lib.tgz 2,10,3,0"},
        {pkg.IMPLEMENTATION()[1].CODEBASE()[0].HREF() + pkg.TITLE()[5], ""},  // missing: empty
    };
    for (const auto& [got, want] : reads) EXPECT_EQ(got, QString(want));
    EXPECT_EQ(pkg.IMPLEMENTATION().Count(), 2);
    EXPECT_EQ(impl.CODEBASE().Count(), 2);
    EXPECT_TRUE(impl.CODEBASE()[2].IsNull() && impl.CODEBASE()[-1].IsNull());
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
