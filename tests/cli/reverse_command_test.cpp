// heliodex-cli reverse: its options, its signs and the lookup's lines.
#include <gtest/gtest.h>

#include "cli/reverse_command.h"
#include "cli/run.h"

using namespace hx;
using namespace hx::cli;

namespace {
const Moment kNow = EncodeDateTime(2024, 6, 15, 15, 45);

QStringList Split(const char* s) {
    return QString(s).split(' ', Qt::SkipEmptyParts);
}

QString Joined(const lookup::Result& r) {
    QString out;
    for (const QString& line : r.lines) out += line + '\n';
    return out;
}
}  // namespace

TEST(CliReverse, SignsByIndexOrNameInAnyCase) {
    const std::pair<const char*, std::optional<int>> rows[] = {{"0", 0},
                                                               {"11", 11},
                                                               {"ARIES", 0},
                                                               {"sagittarius", 8},
                                                               {"Saggitarius", 8},
                                                               {" pisces ", 11},
                                                               {"12", {}},
                                                               {"-1", {}},
                                                               {"lion", {}},
                                                               {"", {}},
                                                               {"Aries - March 21 - April 20", {}}};
    for (const auto& [text, sign] : rows) EXPECT_EQ(ParseSign(text), sign) << text;
}

TEST(CliReverse, PrintsTheLookupLinesInTheSiteZoneWhateverTheDaylightFlag) {
    lookup::Query q;
    q.docosade = "4 - IV";
    q.year = "16 - xvi";
    q.sunSign = 0;
    q.moonSign = 3;
    q.moonDegree = "12";
    const QString expected = Joined(lookup::Find(q, -6));
    for (const char* args :
         {"--tz -6 --dst 0 reverse --docosade 4 --year 16 --sun aries --moon 3 --moon-degree 12",
          "--tz -6 --dst 1 reverse --docosade 4 --year 16 --sun ARIES --moon cancer "
          "--moon-degree=12",
          "--tz 3 reverse --docosade=4 --year=16 --sun 0 --moon Cancer --moon-degree 12 --tz -6"}) {
        const Outcome o = cli::Run(Split(args), kNow);
        EXPECT_EQ(o.status, 0) << args << o.err.toStdString();
        EXPECT_EQ(o.out, expected) << args;
    }
    EXPECT_EQ(expected.count('\n'), 6);
}

TEST(CliReverse, BadArgumentsNameTheCulprit) {
    const std::pair<const char*, const char*> rows[] = {
        {"reverse --docosade 4 --year 16 --sun 0", "--moon"},
        {"reverse --docosade 4 --year 16 --sun lion --moon 0", "lion"},
        {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --sun-degree abc", "abc"},
        {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --planet 3", "--planet"},
        {"reverse --docosade 4 --year 16 --sun 0 --moon", "--moon"},
        {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --tz west", "west"}};
    for (const auto& [args, culprit] : rows) {
        const Outcome o = cli::Run(Split(args), kNow);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.err.contains(culprit)) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty()) << args;
    }
    // A docosade that is no item stops after the first two lines, as the window does.
    const Outcome o =
        cli::Run(Split("--tz 0 reverse --docosade 23 --year 1 --sun 0 --moon 0"), kNow);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out.count('\n'), 2);
    EXPECT_TRUE(o.err.contains("\"23\"")) << o.err.toStdString();
}
