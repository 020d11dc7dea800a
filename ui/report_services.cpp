// The report composition and td.txt as the running program uses them.
#include "report_services.h"

#include <memory>

#include "settings/textfile.h"

// The composition and the td.txt writer live in heliodex_report; until both are built there,
// the window runs with a notice in place of the report so the program still links.
#if __has_include("report/report.cpp") && __has_include("report/td_file.cpp")
#define HELIODEX_REPORT_LINKED 1
#include "report/td_file.h"
#endif

namespace hx::ui {

ReportServices DefaultReportServices() {
    ReportServices s;
#ifdef HELIODEX_REPORT_LINKED
    s.compose = [](Moment q, const Observer& obs, const OptionsModel& options,
                   SkyEventState& events,
                   Moment present) { return BuildReport(q, obs, options, events, present); };
    auto td = std::make_shared<TdFile>(files::ProgramFile("td.txt"));
    s.writeHeader = [td](const QStringList& lines) { return td->Write(lines); };
#else
    s.compose = [](Moment, const Observer&, const OptionsModel&, SkyEventState&, Moment) {
        ReportResult r;
        r.lines << QStringLiteral("(this build has no report composition yet)");
        return r;
    };
    s.writeHeader = [](const QStringList&) { return std::optional<QString>(); };
#endif
    return s;
}

}  // namespace hx::ui
