// The About box.
#include "tform3.h"

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

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    QPalette pp = Panel1->palette();
    pp.setColor(QPalette::Window, pp.color(QPalette::Inactive, QPalette::Highlight).lighter(160));
    Panel1->setPalette(pp);

    Memo1 = new QTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
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
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Memo1Click);

    StaticText1 = new ClickLabel(Panel1);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
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

    // The box takes the size of its contents, whatever the fonts and the scale: the text
    // whole, the button under it, the link along the bottom.
    FitText();
    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(0, 0, 0, 2);
    column->setSpacing(4);
    column->addWidget(Memo1);
    column->addWidget(Button1, 0, Qt::AlignHCenter);
    column->addWidget(StaticText1);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(Panel1);
    whole->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm3::FitText() {
    // Measured on a copy of the text: the view's own document follows the view's width.
    const std::unique_ptr<QTextDocument> doc(Memo1->document()->clone());
    doc->setDefaultFont(Memo1->font());
    doc->setTextWidth(-1);
    const int width = qMax(kWidth, qCeil(doc->idealWidth()) + 2);
    doc->setTextWidth(width);
    Memo1->setFixedSize(width, qCeil(doc->size().height()) + 2);
}

void TForm3::showEvent(QShowEvent* event) {
    FitText();  // again with the fonts of the screen the box is shown on
    QDialog::showEvent(event);
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
