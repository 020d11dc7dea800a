// Fuzzes heliodex-cli's argument parsing: NUL bytes separate the arguments.
#include <QByteArray>
#include <QStringList>

#include "cli/args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList args;
    for (const QByteArray& a : bytes.split('\0')) args << QString::fromUtf8(a);
    const auto parsed = hx::cli::ParseArgs(args);
    if (const auto* e = std::get_if<hx::cli::Error>(&parsed))
        if (e->message.isEmpty()) __builtin_trap();
    return 0;
}
