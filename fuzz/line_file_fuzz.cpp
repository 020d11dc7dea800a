// Fuzzes the line-file reading: encoding detection, Windows-1252 fallback, line splitting.
#include <QByteArray>

#include "settings/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = hx::files::SplitLines(hx::files::DecodeText(bytes));
    for (const QString& l : lines)
        if (l.contains('\n')) __builtin_trap();
    return 0;
}
