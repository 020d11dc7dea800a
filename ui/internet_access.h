// What the window's Internet work needs from outside: network access, downloads, the browser.
#pragma once

#include <functional>

#include <QString>

#include "net/download.h"
#include "ui/url_opener.h"

class QNetworkAccessManager;

namespace hx::ui {

struct InternetAccess {
    // The version check's background load; null: the window makes its own.
    QNetworkAccessManager* network = nullptr;
    // The news feed's download: starts fetching a URL into a file and returns; done runs when
    // it ends, unless context has been destroyed.
    std::function<void(const QString& url, const QString& file, QObject* context,
                       net::DownloadDone done)>
        download;
    // Ends the feed's running download; its done reports the cancellation.
    std::function<void()> abortDownload;
    UrlOpener openUrl;
};

// The program's own: Qt Network, the HTTP download layer and the desktop's browser.
InternetAccess DefaultInternetAccess();

}  // namespace hx::ui
