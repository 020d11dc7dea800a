// The "Export Calendar" dialog: how many days, what to include, which file; scriptable for
// tests.
#pragma once

#include <functional>
#include <optional>

#include <QString>

class QWidget;

namespace hx::ui {

struct ExportChoice {
    int days = 30;
    bool events = true;
    bool hours = true;
    QString fileName;
    bool sky = false;  // twilights, Moon phases, ingresses, void-of-course Moon
};

class ExportCalendarDialog {
  public:
    // Opens the dialog without waiting; `done` runs with the choice once the user accepts it,
    // never when they cancel.
    static void Ask(QWidget* parent, const std::function<void(const ExportChoice&)>& done);

    // Test seam: while scripted nothing is shown and Ask answers at once with the next
    // choice (none: cancelled).
    static void SetScripted(bool scripted);
    static void SetNextChoice(const std::optional<ExportChoice>& choice);
};

}  // namespace hx::ui
