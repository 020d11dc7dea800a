// The About box.
#include "tform3.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "net/maker_site.h"
#include "ui/click_label.h"
#include "ui/plain_tooltip.h"

namespace hx::ui {

namespace {
constexpr int kWidth = 329, kHeight = 190, kLinkHeight = 17;
}

QStringList TForm3::Lines() {
    return {
        QStringLiteral("Do what thou wilt shall be the whole of the Law."),
        QString(),
        QStringLiteral("Heliodex Thelemic Dates etc."),
        QStringLiteral("Version 0.12.7, made by the Heliodex developers."),
        QStringLiteral("Sky positions from the Swiss Ephemeris of Astrodienst."),
        QStringLiteral("Provided as it is, without any warranty."),
        QString(),
        QStringLiteral("Love is the law, love under will."),
    };
}

TForm3::TForm3(const QString& makerSite, UrlOpener opener, QWidget* parent)
    : QDialog(parent), homePage_(net::MakerSiteUrl(makerSite)), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("About Heliodex"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    Panel1->setAutoFillBackground(true);
    QPalette pp = Panel1->palette();
    pp.setColor(QPalette::Window, pp.color(QPalette::Inactive, QPalette::Highlight).lighter(160));
    Panel1->setPalette(pp);

    Memo1 = new QTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, kWidth, kHeight - kLinkHeight);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    QFont memoFont(QStringLiteral("MS Sans Serif"));
    memoFont.setPixelSize(13);
    Memo1->setFont(memoFont);
    Memo1->document()->setDocumentMargin(10);
    Memo1->setPlainText(Lines().join(QLatin1Char('\n')));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    Memo1->viewport()->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Close"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((kWidth - 75) / 2, kHeight - kLinkHeight - 33, 75, 25);
    Button1->setDefault(true);
    Button1->raise();
    connect(Button1, &QPushButton::clicked, this, &TForm3::Memo1Click);

    StaticText1 = new ClickLabel(Panel1);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(0, kHeight - kLinkHeight, kWidth, kLinkHeight);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setText(QStringLiteral("Visit the Heliodex home page"));
    if (homePage_.isEmpty()) {
        StaticText1->setToolTip(
            QStringLiteral("Set MakerSite in the [Services] section of heliodex.ini"));
    } else {
        StaticText1->StyleAsLink();
        StaticText1->setToolTip(PlainToolTip(homePage_.toString()));
    }
    connect(StaticText1, &ClickLabel::clicked, this, &TForm3::StaticText1Click);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Memo1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::Memo1Click() {
    accept();
}

void TForm3::StaticText1Click() {
    if (!homePage_.isEmpty() && opener_) opener_(homePage_);
}

}  // namespace hx::ui
