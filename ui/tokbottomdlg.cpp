// The new-version dialog.
#include "tokbottomdlg.h"

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

TOKBottomDlg::TOKBottomDlg(const QString& makerSite, UrlOpener opener, QWidget* parent)
    : QDialog(parent),
      download_(net::MakerSiteUrl(makerSite, QString::fromLatin1(net::kDownloadPath))),
      opener_(std::move(opener)) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("New Version!"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 465, 121);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 18, 441, 62);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(16);
    Label1->setFont(labelFont);
    Label1->setText(
        QStringLiteral("A new version of Heliodex is available. Click the link below to download "
                       "it now, "));

    StaticText1 = new ClickLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(20, 90, 441, 22);
    StaticText1->StyleAsLink();
    if (download_.isEmpty())
        StaticText1->setToolTip(
            QStringLiteral("Set MakerSite in the [Services] section of heliodex.ini"));
    else
        StaticText1->setToolTip(PlainToolTip(download_.toString()));
    connect(StaticText1, &ClickLabel::clicked, this, &TOKBottomDlg::StaticText1Click);

    OKBtn = new QPushButton(QStringLiteral("Later!"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry((kWidth - 83) / 2, 140, 83, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TOKBottomDlg::SetLinkCaption(const QString& caption) {
    linkCaption_ = caption;
    // The address comes from the network and may be of any length: show it cut to one line.
    StaticText1->setText(
        StaticText1->fontMetrics().elidedText(caption, Qt::ElideMiddle, StaticText1->width()));
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!parentWidget())
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TOKBottomDlg::StaticText1Click() {
    if (!download_.isEmpty() && opener_) opener_(download_);
}

}  // namespace hx::ui
