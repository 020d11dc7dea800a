// What the window's Internet work needs from outside: network access, downloads, the browser.
#pragma once

#include <functional>

#include <QString>

#include "ui/url_opener.h"

class QNetworkAccessManager;

namespace hx::ui {

struct InternetAccess {
    // The version check's background load; null: the window makes its own.
    QNetworkAccessManager* network = nullptr;
    // Synchronous download of a URL into a file; raises hx::Error on failure.
    std::function<void(const QString& url, const QString& file)> download;
    UrlOpener openUrl;
};

// The program's own: Qt Network, the HTTP download layer and the desktop's browser.
InternetAccess DefaultInternetAccess();

}  // namespace hx::ui
