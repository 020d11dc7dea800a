// heliodexoptions.txt.
#include "own_options.h"

#include "menu/stored_names.h"

namespace hx {

namespace {
const QString kClock24 = QStringLiteral("Clock24");

bool Flag(const files::KeyedLines& lines, const QString& key) {
    return lines.Value(key).value_or(QString()).trimmed() == QLatin1String("1");
}
}  // namespace

OwnOptions LoadOwnOptions() {
    OwnOptions o;
    if (auto lines = files::ReadKeyedFile(StoredName(StateFile::OwnOptions), 64 << 10)) {
        o.lines = *lines;
        o.clock24 = Flag(o.lines, kClock24);
    }
    return o;
}

void SaveOwnOptions(const OwnOptions& options) {
    files::KeyedLines lines = options.lines;
    lines.Set(kClock24, options.clock24 ? QStringLiteral("1") : QStringLiteral("0"));
    files::WriteKeyedFile(StoredName(StateFile::OwnOptions), lines);
}

}  // namespace hx
