// Fuzzes the safe XML reader that every network answer and downloaded file goes through.
#include <QByteArray>

#include "net/xml_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto r = hx::xml::Parse(bytes, {16, 1 << 16});
    if (!r && r.error.isEmpty()) __builtin_trap();
    return 0;
}
