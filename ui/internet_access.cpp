// The window's Internet access as the program uses them.
#include "internet_access.h"

#include <memory>

namespace hx::ui {

InternetAccess DefaultInternetAccess() {
    InternetAccess s;
    auto downloader = std::make_shared<net::HttpDownloader>();
    s.download = [downloader](const QString& url, const QString& file, QObject* context,
                              net::DownloadDone done) {
        downloader->Download(url, file, context, std::move(done));
    };
    s.abortDownload = [downloader] { downloader->Abort(); };
    s.openUrl = BrowserOpener();
    return s;
}

}  // namespace hx::ui
