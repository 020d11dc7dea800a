// The GLib side of the weather fetch: a GWeatherInfo update read into plain values.
#include "locale/gweather_glue.h"

#include <QAbstractEventDispatcher>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <libgweather/gweather.h>

#include <optional>
#include <utility>

namespace hx::places {

namespace {

QString Take(char* s) {
    const QString text = s ? QString::fromUtf8(s) : QString();
    g_free(s);
    return text;
}

std::optional<QDateTime> Moment(gboolean ok, time_t t) {
    if (!ok) return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(qint64(t), QTimeZone::utc());
}

template <typename Get, typename Unit>
std::optional<double> Value(GWeatherInfo* info, Get get, Unit unit) {
    double v = 0;
    if (!get(info, unit, &v)) return std::nullopt;
    return v;
}

QString Skies(GWeatherInfo* info) {
    GWeatherConditions c{TRUE, GWEATHER_PHENOMENON_NONE, GWEATHER_QUALIFIER_NONE};
    if (gweather_info_get_value_conditions(info, &c.phenomenon, &c.qualifier))
        return QString::fromUtf8(
            gweather_conditions_to_string_full(&c, GWEATHER_FORMAT_OPTION_NO_CAPITALIZATION));
    GWeatherSky sky = GWEATHER_SKY_INVALID;
    if (gweather_info_get_value_sky(info, &sky))
        return QString::fromUtf8(
            gweather_sky_to_string_full(sky, GWEATHER_FORMAT_OPTION_NO_CAPITALIZATION));
    return {};
}

WeatherValues Read(GWeatherInfo* info) {
    WeatherValues v;
    CurrentWeather& now = v.now;
    time_t t = 0;
    now.observed = Moment(gweather_info_get_value_update(info, &t), t);
    now.temperatureC = Value(info, gweather_info_get_value_temp, GWEATHER_TEMP_UNIT_CENTIGRADE);
    now.dewPointC = Value(info, gweather_info_get_value_dew, GWEATHER_TEMP_UNIT_CENTIGRADE);
    now.apparentC = Value(info, gweather_info_get_value_apparent, GWEATHER_TEMP_UNIT_CENTIGRADE);
    now.pressureMb = Value(info, gweather_info_get_value_pressure, GWEATHER_PRESSURE_UNIT_MB);
    double knots = 0;
    GWeatherWindDirection dir = GWEATHER_WIND_INVALID;
    if (gweather_info_get_value_wind(info, GWEATHER_SPEED_UNIT_KNOTS, &knots, &dir)) {
        now.windKnots = knots;
        now.windDirection = dir == GWEATHER_WIND_VARIABLE                        ? Wind::Variable
                            : dir >= GWEATHER_WIND_N && dir < GWEATHER_WIND_LAST ? Wind(dir - 1)
                                                                                 : Wind::Unknown;
    }
    now.skies = Skies(info);
    now.summary = Take(gweather_info_get_weather_summary(info));
    now.night = !gweather_info_is_daytime(info);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    now.source = QString::fromUtf8(gweather_info_get_attribution(info)).remove(tags);
    v.sunrise = Moment(gweather_info_get_value_sunrise(info, &t), t);
    v.sunset = Moment(gweather_info_get_value_sunset(info, &t), t);
    for (GSList* l = gweather_info_get_forecast_list(info); l; l = l->next) {
        auto* f = GWEATHER_INFO(l->data);
        ForecastValue fv;
        if (auto when = Moment(gweather_info_get_value_update(f, &t), t)) fv.time = *when;
        fv.temperatureC = Value(f, gweather_info_get_value_temp, GWEATHER_TEMP_UNIT_CENTIGRADE);
        fv.lowC = Value(f, gweather_info_get_value_temp_min, GWEATHER_TEMP_UNIT_CENTIGRADE);
        fv.highC = Value(f, gweather_info_get_value_temp_max, GWEATHER_TEMP_UNIT_CENTIGRADE);
        fv.skies = Skies(f);
        v.forecast.push_back(std::move(fv));
    }
    return v;
}

}  // namespace

namespace {

// A request under way; it deletes itself from the event loop once it has ended.
struct Request : QObject {
    Job<WeatherValues> job;
    GWeatherLocation* location = nullptr;  // owned
    GWeatherInfo* info = nullptr;          // owned
    gulong handler = 0;
    QTimer timer;
    QTimer pump;  // drives GLib when Qt's event loop does not
    bool ended = false;

    ~Request() override {
        if (handler) g_signal_handler_disconnect(info, handler);
        g_object_unref(info);
        g_object_unref(location);
    }
    // Stops the update; the values or the reason go to the job, unless it was cancelled.
    void End(std::optional<WeatherValues> values, const QString& failure) {
        if (std::exchange(ended, true)) return;
        timer.stop();
        pump.stop();
        if (handler) g_signal_handler_disconnect(info, handler);
        handler = 0;
        gweather_info_abort(info);
        if (values)
            job.Done(std::move(*values));
        else if (!failure.isEmpty())
            job.Fail(failure);
        deleteLater();
    }

    static void Updated(GWeatherInfo* info, gpointer self) {
        auto* r = static_cast<Request*>(self);
        if (gweather_info_is_valid(info))
            r->End(Read(info), {});
        else
            r->End(std::nullopt,
                   QStringLiteral("no current weather came from the weather services"));
    }
};

}  // namespace

JobHandle FetchWeather(const Place& place, const WeatherOptions& options, QObject* context,
                       Job<WeatherValues>::Completion done) {
    auto [job, handle] = Job<WeatherValues>::Start(context, std::move(done));
    auto* r = new Request;
    r->job = job;
    const QPointer<Request> request(r);
    r->job.OnCancel([request] {
        if (request) request->End(std::nullopt, {});
    });
    if (context)
        QObject::connect(context, &QObject::destroyed, r, [r] { r->End(std::nullopt, {}); });
    // The place at its own coordinates; without a station code libgweather takes the
    // weather station nearest to them.
    r->location = gweather_location_new_detached(place.name.toUtf8().constData(), nullptr,
                                                 place.latitude, place.longitude);
    r->info = gweather_info_new(r->location);
    gweather_info_set_application_id(r->info, options.applicationId.toUtf8().constData());
    gweather_info_set_contact_info(r->info, options.contactInfo.toUtf8().constData());
    gweather_info_set_enabled_providers(
        r->info, options.useNetwork
                     ? GWeatherProvider(GWEATHER_PROVIDER_METAR | GWEATHER_PROVIDER_MET_NO |
                                        GWEATHER_PROVIDER_NWS)
                     : GWEATHER_PROVIDER_NONE);
    r->handler = g_signal_connect(r->info, "updated", G_CALLBACK(&Request::Updated), r);

    r->timer.setSingleShot(true);
    QObject::connect(&r->timer, &QTimer::timeout, r, [r] {
        r->End(std::nullopt, QStringLiteral("the weather service did not answer in time"));
    });
    r->timer.start(std::max(0, options.timeoutMs));
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) {
        QObject::connect(&r->pump, &QTimer::timeout, r, [] {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
        });
        r->pump.start(20);
    }
    gweather_info_update(r->info);
    return handle;
}

}  // namespace hx::places
