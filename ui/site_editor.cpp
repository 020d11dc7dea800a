#include "site_editor.h"

#include <array>
#include <utility>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include "core/zone.h"
#include "pages.h"

namespace hx::ui {

namespace {

// The site's text fields and check boxes with the field of SiteFields each shows.
struct TextField {
    QLineEdit* edit;
    QString SiteFields::*field;
};
struct BoxField {
    QCheckBox* box;
    bool SiteFields::*field;
};

std::array<TextField, 8> TextFields(const LocalePage& l, const WeatherPage& w) {
    return {{{l.latDegrees, &SiteFields::latDegrees},
             {l.latMinutes, &SiteFields::latMinutes},
             {l.lonDegrees, &SiteFields::lonDegrees},
             {l.lonMinutes, &SiteFields::lonMinutes},
             {l.timeZone, &SiteFields::timeZone},
             {w.pressure, &SiteFields::pressure},
             {w.temperatureF, &SiteFields::temperatureF},
             {w.altitude, &SiteFields::altitude}}};
}

std::array<BoxField, 3> BoxFields(const LocalePage& l) {
    return {{{l.north, &SiteFields::north},
             {l.west, &SiteFields::west},
             {l.daylight, &SiteFields::daylight}}};
}

}  // namespace

SiteEditor::SiteEditor(Window window, QObject* parent)
    : QObject(parent),
      locale_(BuildLocalePage()),
      weather_(BuildWeatherPage()),
      window_(std::move(window)) {
    ShowFields();
    SelectZone({});
    Connect();
}

void SiteEditor::Connect() {
    // Each widget reports its edits as they come; leaving a text field, a box or the format
    // changed makes them the site.
    for (const TextField& t : TextFields(locale_, weather_)) {
        connect(t.edit, &QLineEdit::textChanged, this,
                [this, field = t.field](const QString& text) { fields_.*field = text; });
        t.edit->installEventFilter(this);
    }
    for (const BoxField& b : BoxFields(locale_))
        connect(b.box, &QCheckBox::toggled, this, [this, field = b.field](bool on) {
            EditCommitted([this, field, on] { fields_.*field = on; });
        });
    connect(locale_.radioItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) EditCommitted([this, id] { fields_.format = id == 0 ? 0 : 1; });
    });
    // A picked zone sets the time zone and daylight; typing a time zone or clicking daylight
    // returns to manual entry.
    connect(locale_.zoneBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        EditCommitted([this, i] { fields_.zone = locale_.zoneBox->itemData(i).toString(); });
        emit ZonePicked();
    });
    const auto toManual = [this] {
        if (!fields_.zone.isEmpty()) EditCommitted([this] { SelectZone({}); });
    };
    // The typed text is taken from the edit itself: textChanged may come after textEdited.
    connect(locale_.timeZone, &QLineEdit::textEdited, this, [this, toManual](const QString& text) {
        fields_.timeZone = text;
        toManual();
    });
    connect(locale_.daylight, &QCheckBox::clicked, this, toManual);
}

void SiteEditor::EditCommitted(const std::function<void()>& edit) {
    window_.guarded([this, &edit] {
        edit();
        Commit();
    });
}

bool SiteEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) window_.guarded([this] { Commit(); });
    return QObject::eventFilter(watched, event);
}

void SiteEditor::Commit() {
    observer_ = ReadSite(fields_);
    const std::optional<QString> bad = SiteRangeError(observer_);
    window_.showSite(bad ? *bad : SiteSummary(fields_));
}

void SiteEditor::Take(const LocaleFieldTexts& texts, Moment utc) {
    if (texts.decimalFormat) fields_.format = *texts.decimalFormat ? 1 : 0;
    const std::pair<const std::optional<QString>&, QString SiteFields::*> given[] = {
        {texts.latDegrees, &SiteFields::latDegrees},
        {texts.latMinutes, &SiteFields::latMinutes},
        {texts.lonDegrees, &SiteFields::lonDegrees},
        {texts.lonMinutes, &SiteFields::lonMinutes},
        {texts.timeZone, &SiteFields::timeZone},
        {texts.pressure, &SiteFields::pressure},
        {texts.temperatureF, &SiteFields::temperatureF},
        {texts.altitude, &SiteFields::altitude}};
    for (const auto& [text, field] : given)
        if (text) fields_.*field = *text;
    const std::pair<const std::optional<bool>&, bool SiteFields::*> boxes[] = {
        {texts.north, &SiteFields::north},
        {texts.west, &SiteFields::west},
        {texts.daylight, &SiteFields::daylight}};
    for (const auto& [state, field] : boxes)
        if (state) fields_.*field = *state;
    // A place with its zone keeps it; a time zone given without one is entered by hand.
    const QString zoneBefore = fields_.zone;
    if (texts.Zone)
        SelectZone(*texts.Zone);
    else if (texts.timeZone || texts.daylight)
        SelectZone({});
    ShowFields();
    Commit();
    if (fields_.zone != zoneBefore) FollowZone(utc);
}

void SiteEditor::FollowZone(Moment utc) {
    const std::optional<ZoneOffset> o = ZoneOffsetAtInstant(observer_.Zone, utc);
    if (!o || (o->TimeZone == observer_.TimeZone && o->DaylightTime == observer_.DaylightTime))
        return;
    fields_.timeZone = QString::number(o->TimeZone);
    fields_.daylight = o->DaylightTime != 0;
    ShowFields();
    Commit();
}

void SiteEditor::SelectZone(const QString& id) {
    const int i = id.isEmpty() ? 0 : locale_.zoneBox->findData(id);
    fields_.zone = i <= 0 ? QString() : id;
    {
        const QSignalBlocker block(locale_.zoneBox);
        locale_.zoneBox->setCurrentIndex(i < 0 ? 0 : i);
    }
    if (i < 0)
        window_.showMessage(
            QStringLiteral("Unknown time zone \"%1\"; the time zone is entered by hand.").arg(id),
            60000);
}

void SiteEditor::UseDecimalFormat() {
    fields_.format = 1;
    ShowFields();
    Commit();
}

void SiteEditor::ShowFields() {
    for (const TextField& t : TextFields(locale_, weather_))
        if (t.edit->text() != fields_.*t.field) {
            const QSignalBlocker block(t.edit);
            t.edit->setText(fields_.*t.field);
        }
    for (const BoxField& b : BoxFields(locale_)) {
        const QSignalBlocker block(b.box);
        b.box->setChecked(fields_.*b.field);
    }
    const QSignalBlocker blockFormat(locale_.radioItems);
    locale_.radioItems->button(fields_.format == 0 ? 0 : 1)->setChecked(true);
}

void SiteEditor::Detach() {
    for (const TextField& t : TextFields(locale_, weather_)) {
        t.edit->removeEventFilter(this);
        disconnect(t.edit, nullptr, this, nullptr);
    }
    for (const BoxField& b : BoxFields(locale_)) disconnect(b.box, nullptr, this, nullptr);
    disconnect(locale_.radioItems, nullptr, this, nullptr);
    disconnect(locale_.zoneBox, nullptr, this, nullptr);
}

void SiteEditor::NoteName(const QString& name) {
    name_ = name.trimmed();
    nameLatitude_ = observer_.Latitude;
    nameLongitude_ = observer_.Longitude;
}

QString SiteEditor::PlaceName() const {
    if (!name_.isEmpty() && nameLatitude_ == observer_.Latitude &&
        nameLongitude_ == observer_.Longitude)
        return name_;
    return QStringLiteral("%1, %2")
        .arg(observer_.Latitude, 0, 'f', 2)
        .arg(observer_.Longitude, 0, 'f', 2);
}

}  // namespace hx::ui
