// The window's Internet access as the program uses them.
#include "internet_access.h"

#include <memory>

#include "net/download.h"

namespace hx::ui {

InternetAccess DefaultInternetAccess() {
    InternetAccess s;
    auto downloader = std::make_shared<net::HttpDownloader>();
    s.download = [downloader](const QString& url, const QString& file) {
        downloader->Download(url, file);
    };
    s.openUrl = BrowserOpener();
    return s;
}

}  // namespace hx::ui
