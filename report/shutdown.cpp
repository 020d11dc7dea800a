// Running the shutdown saves independently of each other.
#include "shutdown.h"

#include <QStringList>

#include "core/error.h"

namespace hx {

std::optional<QString> RunSaveSteps(const std::vector<SaveStep>& steps) {
    QStringList failures;
    for (const SaveStep& s : steps) {
        try {
            s.save();
        } catch (const Error& e) {
            failures << QStringLiteral("%1: %2").arg(s.file, e.message());
        } catch (const std::exception& e) {
            failures << QStringLiteral("%1: %2").arg(s.file, QString::fromLocal8Bit(e.what()));
        }
    }
    if (failures.isEmpty()) return std::nullopt;
    return QStringLiteral("These files could not be saved:\n") + failures.join('\n');
}

}  // namespace hx
