// File → Export Calendar…: the menu item, the choice, the export job behind a progress dialog
// and the file written, with what it needs of the window as functions.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "calendar/icalendar.h"
#include "core/datetime.h"
#include "core/job.h"
#include "core/observer.h"
#include "menu/options_model.h"

class QAction;
class QWidget;

namespace hx::cal {
class ExportJob;
}

namespace hx::ui {

struct ExportChoice;

class CalendarExport : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* parent = nullptr;                     // of the dialogs and message boxes
        std::function<Observer()> site;                // the present site
        std::function<Moment()> firstDay;              // the pickers' day
        std::function<ThelemicStyle()> style;          // the report's date lines
        std::function<void(const QString&, int)> say;  // a status-bar message
        std::function<void(const std::function<void()>&)> guarded;  // errors in a box
        std::function<cal::CalendarAlarms()> alarms;  // the lead times of the alarms that are on
    };
    explicit CalendarExport(Window window);

    // Inserts "Export Calendar…" before exit in fileMenu's menu: a command with no check mark
    // to keep, so it stays out of the menu model and the settings file.
    void AddMenuItem(QAction* fileMenu, QAction* exit);
    void onExportCalendarClicked();
    void Cancel();  // shutdown: an export under way ends without writing

  private:
    void Start(const ExportChoice& choice);

    Window window_;
    QPointer<cal::ExportJob> job_;  // the export under way, if any
    JobHandle run_;
};

}  // namespace hx::ui
