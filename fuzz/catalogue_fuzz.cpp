// Fuzzes the message catalogue reader and the saved places' lines, on bytes as a file gives
// them.
#include <QByteArray>

#include "fuzz_support.h"
#include "locale/name_catalogues.h"
#include "locale/saved_places.h"
#include "settings/textfile.h"

using hx::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const auto& [key, text] : hx::places::ParseMessageCatalogue(bytes))
        Check(!key.isEmpty() && !text.isEmpty());
    // What is written back reads as the same lines again.
    const hx::SavedPlaces places =
        hx::SavedPlaces::FromLines(hx::files::SplitLines(hx::files::DecodeText(bytes)));
    Check(places.Places().size() <= size_t(hx::SavedPlaces::kMax));
    const QStringList lines = places.ToLines();
    Check(hx::SavedPlaces::FromLines(lines).ToLines() == lines);
    return 0;
}
