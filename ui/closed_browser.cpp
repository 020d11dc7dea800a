// The closed browser. Qt's own fallbacks read files behind a view's back: the document loads a
// local file when the view returns nothing, and the image handler opens an image's path
// itself. So the view has a document that loads nothing and draws images as empty boxes.
#include "closed_browser.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace hx::ui {

namespace {

class ClosedDocument : public QTextDocument {
  public:
    using QTextDocument::QTextDocument;

  protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

// An image is the frame of the size the page gives it (16 pixels square otherwise).
class EmptyImage : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        const QTextImageFormat image = format.toImageFormat();
        return {image.width() > 0 ? image.width() : 16, image.height() > 0 ? image.height() : 16};
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override {
        painter->save();
        painter->setPen(QPen(Qt::gray, 0, Qt::DotLine));
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

}  // namespace

ClosedBrowser::ClosedBrowser(QWidget* parent) : QTextBrowser(parent) {
    auto* document = new ClosedDocument(this);
    setDocument(document);
    document->documentLayout()->registerHandler(QTextFormat::ImageObject, new EmptyImage(document));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ClosedBrowser::AnchorClicked);
}

namespace {
QString LeftOut(qsizetype chars) {
    return QStringLiteral("[%1 more characters of the answer are not shown.]").arg(chars);
}
}  // namespace

void ClosedBrowser::ShowText(const QString& text) {
    if (text.size() <= kShownChars) return setPlainText(text);
    setPlainText(text.left(kShownChars) + QStringLiteral("\n\n") +
                 LeftOut(text.size() - kShownChars));
}

void ClosedBrowser::ShowPage(const QString& html) {
    if (html.size() <= kShownChars) return setHtml(html);
    setHtml(html.left(kShownChars) +
            QStringLiteral("<hr><p>%1</p>").arg(LeftOut(html.size() - kShownChars)));
}

QVariant ClosedBrowser::loadResource(int, const QUrl&) {
    return {};
}

void ClosedBrowser::doSetSource(const QUrl&, QTextDocument::ResourceType) {}

void ClosedBrowser::AnchorClicked(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && openUrl_)
        openUrl_(url);
}

}  // namespace hx::ui

#include "closed_browser.moc"
