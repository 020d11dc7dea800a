// The window's outside parts as the running program uses them.
#include "window_services.h"

#include <memory>

#include "alarms/qt_sound_player.h"
#include "report/td_file.h"
#include "settings/textfile.h"

namespace hx::ui {

WindowServices DefaultWindowServices() {
    WindowServices s;
    s.compose = [](Moment q, const Observer& obs, const OptionsModel& options,
                   SkyEventState& events, Moment present, const ReportStyle& style) {
        return BuildReport(q, obs, options, events, present, QLocale::system(), style);
    };
    auto td = std::make_shared<TdFile>(files::ProgramFile("td.txt"));
    s.writeHeader = [td](const QStringList& lines) { return td->Write(lines); };
    s.soundPlayer = [] { return std::make_unique<alarms::QtSoundPlayer>(); };
    return s;
}

}  // namespace hx::ui
