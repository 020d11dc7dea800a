// The window's dialogs: the About box, the lookup window, and the dialogs on screen that
// "New Version!" waits for and the shutdown closes.
#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/observer.h"

class QWidget;

namespace hx::ui {

class AboutDialog;
class ReverseLookupDialog;

class WindowDialogs : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* window = nullptr;           // the main window, whose dialogs are its children
        std::function<QString()> makerSite;  // the About box's link
        std::function<void()> openHomePage;  // a click on the link
        std::function<Observer()> site;      // the lookup window's site
    };
    explicit WindowDialogs(Window window);

    // Opens the lookup window modally with the present site; it lives from start to exit.
    void onReverseLookupClicked();
    void SetLookupWindow(ReverseLookupDialog* form) { reverseLookup_ = form; }
    void onAboutClicked();
    QList<QWidget*> OpenDialogs() const;  // "New Version!" waits while one is
    void CloseDialogs();                  // shutdown: each open dialog is cancelled

  private:
    Window window_;
    ReverseLookupDialog* reverseLookup_ = nullptr;
    QPointer<AboutDialog> about_;  // the About box while it is shown
};

}  // namespace hx::ui
