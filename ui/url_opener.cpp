// Opening an address in the user's web browser.
#include "url_opener.h"

#include <QDesktopServices>

namespace hx::ui {

UrlOpener BrowserOpener() {
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

}  // namespace hx::ui
