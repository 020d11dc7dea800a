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
    p.Panel1 = new QFrame(p.page);
    p.Panel1->setObjectName("Panel1");
    p.outfld = new QPlainTextEdit(p.Panel1);
    p.outfld->setObjectName("outfld");
    p.outfld->setReadOnly(true);
    p.outfld->setUndoRedoEnabled(false);  // nothing to undo in a view the report rewrites
    p.outfld->setFrameShape(QFrame::NoFrame);
    p.outfld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    p.outfld->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(15);
    p.outfld->setFont(font);
    QPalette pal = p.outfld->palette();
    pal.setColor(QPalette::Text, Qt::black);
    p.outfld->setPalette(pal);
    auto* inner = new QVBoxLayout(p.Panel1);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(p.outfld);
    auto* outer = new QVBoxLayout(p.page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(p.Panel1);
    return p;
}

}  // namespace hx::ui
