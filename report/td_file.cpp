// td.txt writing with a failure shown once until a write succeeds again.
#include "td_file.h"

#include "core/error.h"
#include "settings/textfile.h"

namespace hx {

std::optional<QString> TdFile::Write(const QStringList& headerLines) {
    try {
        files::WriteLines(path_, headerLines, files::Sync::Lazy);
        failureShown_ = false;
        return std::nullopt;
    } catch (const Error& e) {
        if (failureShown_) return std::nullopt;
        failureShown_ = true;
        return e.message();
    }
}

QString TdFile::ReadForClipboard() const {
    QString text;
    if (const auto lines = files::ReadLines(path_))
        for (const QString& l : *lines) text += l + u'\n';
    return text;
}

}  // namespace hx
