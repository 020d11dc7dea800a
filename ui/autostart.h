// "Start with the Desktop": the XDG autostart entry ~/.config/autostart/heliodex.desktop.
#pragma once

#include <optional>

#include <QString>

namespace hx::ui {

// $XDG_CONFIG_HOME/autostart/heliodex.desktop (~/.config when the variable is unset).
QString AutostartEntryPath();

// The entry's text, starting the given executable (quoted, so spaces, quotes, $, `, \ and %
// are kept); nullopt for a path a desktop entry cannot hold (a control character such as a tab
// or a line break, or a byte that is not UTF-8).
std::optional<QString> AutostartEntry(const QString& executable);

// Whether the entry is there.
bool AutostartEnabled();
// Writes the entry for the executable, or removes it; raises hx::Error with the reason when
// that fails.
void SetAutostart(bool enabled, const QString& executable);

}  // namespace hx::ui
