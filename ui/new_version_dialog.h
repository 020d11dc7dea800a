// The dialog "New Version!": a newer release is out, with a link to download it.
#pragma once

#include <QDialog>
#include <QUrl>

#include "ui/url_opener.h"

class QFrame;
class QLabel;
class QPushButton;

namespace hx::ui {

class ClickLabel;

class NewVersionDialog : public QDialog {
    Q_OBJECT
  public:
    // The link always opens the program download on the site `makerSite`, whatever its caption.
    NewVersionDialog(const QString& makerSite, UrlOpener opener, QWidget* parent = nullptr);

    // The caption of the link: the download address the version file names (HREF).
    void SetLinkCaption(const QString& caption);
    const QString& linkCaption() const { return linkCaption_; }
    const QUrl& downloadAddress() const { return download_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onLinkClicked();

    QFrame* bevel;
    QLabel* message;
    ClickLabel* link;
    QPushButton* okButton;
    QUrl download_;
    UrlOpener opener_;
    QString linkCaption_;
};

}  // namespace hx::ui
