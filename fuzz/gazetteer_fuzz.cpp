// Fuzzes the gazetteer page cutting, on the page as it is read from locale.html.
#include <QByteArray>

#include "fuzz_support.h"
#include "locale/gazetteer_lookup.h"
#include "settings/textfile.h"

using hx::fuzz::Check;

namespace {
void CheckOutcome(const hx::GazetteerOutcome& out) {
    if (!out.found) {
        Check(out.message.has_value() && !out.fields.latDegrees && out.recentEntry.isEmpty());
        return;
    }
    Check(!out.notice.isEmpty() && out.recentEntry == QLatin1String("55413"));
    Check(out.message.has_value() != out.placeCaption.has_value());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = hx::files::DecodeText(bytes);
    const QString query = QStringLiteral("55413");
    CheckOutcome(
        hx::CompleteGazetteerLookup(hx::GazetteerPageText(hx::files::SplitLines(text)), query));
    CheckOutcome(hx::CompleteGazetteerLookup(text, query));
    return 0;
}
