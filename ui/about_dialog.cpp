// The About box.
#include "about_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>
#include <memory>

#include "net/maker_site.h"
#include "ui/click_label.h"
#include "ui/plain_tooltip.h"

namespace hx::ui {

namespace {
constexpr int kWidth = 329;  // the design width; wider when the text needs it
}

QStringList AboutDialog::Lines() {
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

AboutDialog::AboutDialog(const QString& makerSite, UrlOpener opener, QWidget* parent)
    : QDialog(parent), homePage_(net::MakerSiteUrl(makerSite)), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("About Heliodex"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("aboutFrame"));
    frame->setAutoFillBackground(true);
    QPalette pp = frame->palette();
    pp.setColor(QPalette::Window, pp.color(QPalette::Inactive, QPalette::Highlight).lighter(160));
    frame->setPalette(pp);

    aboutText = new QTextEdit(frame);
    aboutText->setObjectName(QStringLiteral("aboutText"));
    aboutText->setReadOnly(true);
    aboutText->setFrameShape(QFrame::NoFrame);
    aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutText->viewport()->setCursor(Qt::ArrowCursor);
    QFont memoFont(QStringLiteral("MS Sans Serif"));
    memoFont.setPixelSize(13);
    aboutText->setFont(memoFont);
    aboutText->document()->setDocumentMargin(10);
    aboutText->setPlainText(Lines().join(QLatin1Char('\n')));
    QTextCursor all(aboutText->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    aboutText->viewport()->installEventFilter(this);

    okButton = new QPushButton(QStringLiteral("Close"), frame);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::onTextClicked);

    link = new ClickLabel(frame);
    link->setObjectName(QStringLiteral("link"));
    link->setAlignment(Qt::AlignCenter);
    link->setText(QStringLiteral("Visit the Heliodex home page"));
    if (homePage_.isEmpty()) {
        link->setToolTip(QStringLiteral("Set MakerSite in the [Services] section of heliodex.ini"));
    } else {
        link->StyleAsLink();
        link->setToolTip(PlainToolTip(homePage_.toString()));
    }
    connect(link, &ClickLabel::clicked, this, &AboutDialog::onLinkClicked);

    // The box takes the size of its contents, whatever the fonts and the scale: the text
    // whole, the button under it, the link along the bottom.
    FitText();
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 2);
    column->setSpacing(4);
    column->addWidget(aboutText);
    column->addWidget(okButton, 0, Qt::AlignHCenter);
    column->addWidget(link);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(frame);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::FitText() {
    // Measured on a copy of the text: the view's own document follows the view's width.
    const std::unique_ptr<QTextDocument> doc(aboutText->document()->clone());
    doc->setDefaultFont(aboutText->font());
    doc->setTextWidth(-1);
    const int width = qMax(kWidth, qCeil(doc->idealWidth()) + 2);
    doc->setTextWidth(width);
    aboutText->setFixedSize(width, qCeil(doc->size().height()) + 2);
}

void AboutDialog::showEvent(QShowEvent* event) {
    FitText();  // again with the fonts of the screen the box is shown on
    QDialog::showEvent(event);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == aboutText->viewport() && event->type() == QEvent::MouseButtonRelease) {
        onTextClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::onTextClicked() {
    accept();
}

void AboutDialog::onLinkClicked() {
    if (!homePage_.isEmpty() && opener_) opener_(homePage_);
}

}  // namespace hx::ui
