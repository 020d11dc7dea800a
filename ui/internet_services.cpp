// The window's Internet services as the program uses them.
#include "internet_services.h"

#include <memory>

#include "net/download.h"

namespace hx::ui {

InternetServices DefaultInternetServices() {
    InternetServices s;
    auto downloader = std::make_shared<net::HttpDownloader>();
    s.download = [downloader](const QString& url, const QString& file) {
        downloader->Download(url, file);
    };
    s.openUrl = BrowserOpener();
    return s;
}

}  // namespace hx::ui
