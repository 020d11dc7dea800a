// The Main page: the report view in the system's fixed-width font.
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

namespace {

// The report view asks for the width of a long date line in its font, so that a window sized
// to its pages shows the whole line unscrolled at the default options.
class ReportView : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override {
        const int text = fontMetrics().horizontalAdvance(QString::fromUtf8(kLongDateLine));
        const int margins = 2 * (static_cast<int>(document()->documentMargin()) + frameWidth());
        return {text + margins + verticalScrollBar()->sizeHint().width(),
                QPlainTextEdit::sizeHint().height()};
    }
};

}  // namespace

MainPage BuildMainPage() {
    MainPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::Main));
    p.reportFrame = new QFrame(p.page);
    p.reportFrame->setObjectName("reportFrame");
    p.reportView = new ReportView(p.reportFrame);
    p.reportView->setObjectName("outfld");
    p.reportView->setReadOnly(true);
    p.reportView->setUndoRedoEnabled(false);  // nothing to undo in a view the report rewrites
    p.reportView->setFrameShape(QFrame::NoFrame);
    p.reportView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    p.reportView->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(15);
    p.reportView->setFont(font);
    QPalette pal = p.reportView->palette();
    pal.setColor(QPalette::Text, Qt::black);
    p.reportView->setPalette(pal);
    auto* inner = new QVBoxLayout(p.reportFrame);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(p.reportView);
    auto* outer = new QVBoxLayout(p.page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(p.reportFrame);
    return p;
}

}  // namespace hx::ui
