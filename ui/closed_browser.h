// A text browser that shows a page without ever loading what the page names: no images,
// style sheets or linked pages from files, devices, resources or the network.
#pragma once

#include <functional>

#include <QTextBrowser>
#include <QUrl>

namespace hx::ui {

class ClosedBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    // `openUrl` receives the http and https links the user clicks; other links do nothing.
    explicit ClosedBrowser(QWidget* parent = nullptr);
    void SetOpenUrl(std::function<void(const QUrl&)> openUrl) { openUrl_ = std::move(openUrl); }

    // An answer as plain text, or as a page. Only its first kShownChars characters are shown,
    // with a line saying how much was left out: laying out megabytes would hold up the window.
    static constexpr qsizetype kShownChars = 32 * 1024;
    void ShowText(const QString& text);
    void ShowPage(const QString& html);

    // Nothing, for every URL.
    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    void AnchorClicked(const QUrl& url);
    std::function<void(const QUrl&)> openUrl_;
};

}  // namespace hx::ui
