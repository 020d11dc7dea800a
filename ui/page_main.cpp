// The Main page: the report view in the system's fixed-width font.
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

MainPage BuildMainPage() {
    MainPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::Main));
    p.reportFrame = new QFrame(p.page);
    p.reportFrame->setObjectName("reportFrame");
    p.reportView = new QPlainTextEdit(p.reportFrame);
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
