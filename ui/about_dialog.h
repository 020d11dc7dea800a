// The About box "About Heliodex": mottoes, title, notice and a link to the maker's web site.
#pragma once

#include <QDialog>
#include <QUrl>

#include "ui/url_opener.h"

class QFrame;
class QPushButton;
class QTextEdit;

namespace hx::ui {

class ClickLabel;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // `makerSite` is the configured base address of the maker's web site; its home page is what
    // the link opens. With no usable address the link opens nothing and says what to set.
    AboutDialog(const QString& makerSite, UrlOpener opener, QWidget* parent = nullptr);

    static QStringList Lines();
    const QUrl& homePage() const { return homePage_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FitText();  // aboutText as large as its lines, at least the design width
    void onTextClicked();
    void onLinkClicked();

    QFrame* frame;
    QTextEdit* aboutText;
    QPushButton* okButton;
    ClickLabel* link;
    QUrl homePage_;
    UrlOpener opener_;
};

}  // namespace hx::ui
