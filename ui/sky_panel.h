// The Sky page: the day's twilights, noon and day length, the Moon's phase, the next phases
// and ingresses and the void-of-course Moon, for the report's instant on the site's clock.
#pragma once

#include <optional>

#include <QWidget>

#include "core/datetime.h"
#include "core/format.h"
#include "core/observer.h"

class QPlainTextEdit;

namespace hx::ui {

class SkyPanel : public QWidget {
  public:
    explicit SkyPanel(QWidget* parent = nullptr);

    // Shows the sky at the instant (UT) for the site. The page is computed again only when
    // the site changes or the instant moves by a minute or more: a tick every few seconds
    // would otherwise repeat the same searches.
    void Show(Moment utc, const Observer& site, HourClock clock = HourClock::Locale);
    // Forgets what is shown, so the next Show computes it again (a site cleared, a new day).
    void Clear();
    QString Text() const;

  private:
    QPlainTextEdit* view_;
    std::optional<Moment> shownAt_;
    Observer shownSite_;
    HourClock shownClock_ = HourClock::Locale;
};

}  // namespace hx::ui
