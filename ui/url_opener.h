// Opening an address in the user's web browser, through a seam that tests replace.
#pragma once

#include <functional>

#include <QUrl>

namespace hx::ui {

using UrlOpener = std::function<void(const QUrl&)>;

// The desktop's browser (QDesktopServices).
UrlOpener BrowserOpener();

}  // namespace hx::ui
