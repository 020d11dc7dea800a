// heliodex-cli reverse: its options, its signs and the lookup's lines.
#include <gtest/gtest.h>

#include "cli/reverse_command.h"
#include "cli/run.h"

using namespace hx;
using namespace hx::cli;

namespace {
Outcome RunLine(const char* s) {
    return cli::Run(QString(s).split(' ', Qt::SkipEmptyParts), EncodeDateTime(2024, 6, 15));
}
}  // namespace

TEST(CliReverse, SignsByIndexOrNameInAnyCase) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"0", 0},   {"11", 11},   {"ARIES", 0}, {"sagittarius", 8}, {"Saggitarius", 8}, {"12", {}},
        {"-1", {}}, {"lion", {}}, {"", {}}};
    for (const auto& [text, sign] : rows) EXPECT_EQ(ParseSign(text), sign) << text;
}

TEST(CliReverse, PrintsTheLookupLinesInTheSiteZoneWhateverTheDaylightFlag) {
    const lookup::Result r = lookup::Find({"4 - IV", "16 - xvi", 0, 3, "", "12"}, -6);
    ASSERT_EQ(r.lines.size(), 6);
    for (const char* args :
         {"--tz -6 --dst 0 reverse --docosade 4 --year 16 --sun aries --moon 3 --moon-degree 12",
          "--tz -6 --dst 1 reverse --docosade=4 --year 16 --sun 0 --moon CANCER --moon-degree=12",
          "--tz 3 reverse --docosade 4 --year 16 --sun 0 --moon 3 --moon-degree 12 --tz -6"}) {
        const Outcome o = RunLine(args);
        EXPECT_EQ(o.status, 0) << args << o.err.toStdString();
        EXPECT_EQ(o.out, r.lines.join('\n') + '\n') << args;
    }
}

TEST(CliReverse, BadArgumentsNameTheCulprit) {
    for (const auto& [args, culprit, lines] :
         {std::tuple{"reverse --docosade 4 --year 16 --sun 0", "--moon", 0},
          {"reverse --docosade 4 --year 16 --sun lion --moon 0", "lion", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --sun-degree abc", "abc", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon 0 --planet 3", "--planet", 0},
          {"reverse --docosade 4 --year 16 --sun 0 --moon", "--moon", 0},
          // a docosade that is no item stops after the first two lines, as the window does
          {"reverse --docosade 23 --year 16 --sun 0 --moon 0", "\"23\"", 2}}) {
        const Outcome o = RunLine(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.err.contains(culprit)) << o.err.toStdString();
        EXPECT_EQ(o.out.count('\n'), lines) << args;
    }
}
