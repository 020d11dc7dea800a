// The new-version dialog.
#include "new_version_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "net/maker_site.h"
#include "ui/click_label.h"
#include "ui/plain_tooltip.h"

namespace hx::ui {

namespace {
constexpr int kWidth = 483, kHeight = 177;
}

NewVersionDialog::NewVersionDialog(const QString& makerSite, UrlOpener opener, QWidget* parent)
    : QDialog(parent),
      download_(net::MakerSiteUrl(makerSite, QString::fromLatin1(net::kDownloadPath))),
      opener_(std::move(opener)) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("New Version!"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("bevel"));
    bevel->setGeometry(8, 8, 465, 121);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    message = new QLabel(this);
    message->setObjectName(QStringLiteral("message"));
    message->setGeometry(20, 18, 441, 62);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(16);
    message->setFont(labelFont);
    message->setText(
        QStringLiteral("A new version of Heliodex is available. Click the link below to download "
                       "it now, "));

    link = new ClickLabel(this);
    link->setObjectName(QStringLiteral("link"));
    link->setGeometry(20, 90, 441, 22);
    link->StyleAsLink();
    if (download_.isEmpty())
        link->setToolTip(QStringLiteral("Set MakerSite in the [Services] section of heliodex.ini"));
    else
        link->setToolTip(PlainToolTip(download_.toString()));
    connect(link, &ClickLabel::clicked, this, &NewVersionDialog::onLinkClicked);

    okButton = new QPushButton(QStringLiteral("Later!"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry((kWidth - 83) / 2, 140, 83, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void NewVersionDialog::SetLinkCaption(const QString& caption) {
    linkCaption_ = caption;
    // The address comes from the network and may be of any length: show it cut to one line.
    link->setText(link->fontMetrics().elidedText(caption, Qt::ElideMiddle, link->width()));
}

void NewVersionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!parentWidget())
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void NewVersionDialog::onLinkClicked() {
    if (!download_.isEmpty() && opener_) opener_(download_);
}

}  // namespace hx::ui
