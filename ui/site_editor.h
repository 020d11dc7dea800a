// The site's one owner: the fields as typed, the Observer read from them, the zone and the
// name the site goes by. The Locale and Weather pages' site widgets show it and report their
// edits to it; nothing reads the site back from them.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/datetime.h"
#include "core/observer.h"
#include "locale/field_texts.h"
#include "locale/site_fields.h"
#include "pages.h"

class QLineEdit;

namespace hx::ui {

class SiteEditor : public QObject {
    Q_OBJECT
  public:
    struct Window {
        // The site as it now reads, for the status bar: its summary or what is out of range.
        std::function<void(const QString& text)> showSite;
        std::function<void(const QString& text, int ms)> showMessage;
        std::function<void(const std::function<void()>&)> guarded;  // errors into the error box
    };
    // Builds the Locale and Weather pages, whose site widgets it keeps.
    SiteEditor(Window window, QObject* parent);
    const LocalePage& Locale() const { return locale_; }
    const WeatherPage& Weather() const { return weather_; }

    const Observer& observer() const { return observer_; }
    const SiteFields& Fields() const { return fields_; }

    // The fields as they stand become the site (a field left, a box or the format changed,
    // Done).
    void Commit();
    // A site the program found (a lookup, a saved place, the first start): the fields show the
    // texts given, and the site is read once from all of them. A zone among them shows its
    // offset at `utc`.
    void Take(const LocaleFieldTexts& texts, Moment utc);
    // A zoned site shows the zone's offset at the instant in the time zone and daylight fields.
    void FollowZone(Moment utc);
    // Selects the zone ("" for manual) without reading the site; an unknown id is said and
    // entered by hand.
    void SelectZone(const QString& id);
    // The Done check's switch to decimal fractions.
    void UseDecimalFormat();

    // The window is going: the widgets stop reporting (a focused field that is destroyed
    // loses its focus, which would otherwise read the site into a window half gone).
    void Detach();

    // The name of the place a lookup or a saved place set, kept while the site has its
    // coordinates.
    void NoteName(const QString& name);
    // That name while the site is still there; else the site's coordinates.
    QString PlaceName() const;

  signals:
    // The user picked a zone in the box: the window shows its offset at the present.
    void ZonePicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Connect();
    void EditCommitted(const std::function<void()>& edit);
    void ShowFields();  // every site widget shows fields_, none reporting back

    LocalePage locale_;
    WeatherPage weather_;
    Window window_;
    SiteFields fields_;
    Observer observer_;
    QString name_;
    double nameLatitude_ = 0, nameLongitude_ = 0;
};

}  // namespace hx::ui
