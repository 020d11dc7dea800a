// Fuzzes the forexml loading and the weather completion's field extraction.
#include <QByteArray>

#include "core/error.h"
#include "fuzz_support.h"
#include "locale/weather_lookup.h"

using hx::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        hx::TXMLForexmlType doc = hx::ParseWeatherDocument(bytes);
        const QByteArray written = doc.Xml();
        // What the writer gives is read back the same, but for the indentation it adds.
        const auto bare = [](QByteArray x) {
            x.replace(' ', "").replace('\n', "").replace('\t', "").replace('\r', "");
            return x;
        };
        Check(bare(hx::ParseWeatherDocument(written).Xml()) == bare(written));
        const auto forecast = doc.Forecast();
        for (int i = 0; i < forecast.Count() && i < 8; ++i) (void)forecast[i].Text();
        const hx::WeatherOutcome out = hx::CompleteWeatherLookup(doc, QStringLiteral("55413"));
        // The coordinates went through the number check: digits only, at most 99 decimals.
        const auto digits = [](const std::optional<QString>& t, qsizetype max) {
            Check(t.has_value() && t->size() <= max);
            for (const QChar c : *t) Check(c.isDigit() || c == '+');
        };
        digits(out.fields.latDegrees, 1 << 20);
        digits(out.fields.lonDegrees, 1 << 20);
        digits(out.fields.latMinutes, 99);
        digits(out.fields.lonMinutes, 99);
        Check(out.report.size() >= 3);
    } catch (const hx::Error& e) {
        Check(!e.message().isEmpty());
    }
    (void)hx::SplitCoordinate(QString::fromUtf8(bytes.left(256)));
    return 0;
}
