// The planetary hours of the current day or night, and the tray icon choice.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "sky_events.h"

namespace hx {

struct PlanetaryHoursSection {
    QStringList lines;   // the report's lines, starting with its empty line
    bool valid = false;  // false when a sunrise or sunset bound is missing
    bool isDay = false;
    QString currentRuler;  // seven-character name, e.g. "Saturn "
    int rulerBody = -1;    // body number of the current ruler
};

PlanetaryHoursSection PlanetaryHours(Moment q, const EventList& events,
                                     const QLocale& locale = QLocale::system());

// What the tray shows after a report.
struct TrayChoice {
    enum class List { Unchanged, Planets, Moon };
    List list = List::Unchanged;
    int index = -1;
    QString trayTextSuffix;  // "Planetary hour of Saturn " or empty
};

TrayChoice ChooseTray(const PlanetaryHoursSection& section, bool planetaryHours2, bool moonPhase2,
                      int moonPhaseIndex);

}  // namespace hx
