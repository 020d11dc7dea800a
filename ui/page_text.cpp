// The "News" page (its tab stays hidden) and the "Log" page.
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

NewsPage BuildNewsPage() {
    NewsPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::News));
    p.feedView = new QTextEdit;
    p.feedView->setObjectName("RichEdit2");
    p.feedView->setReadOnly(true);
    QFont f = p.feedView->font();
    f.setPixelSize(13);
    p.feedView->setFont(f);
    auto* l = new QVBoxLayout(p.page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(p.feedView);
    return p;
}

LogPage BuildLogPage() {
    LogPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::Log));
    p.log = new QPlainTextEdit;
    p.log->setObjectName("log");
    p.log->setReadOnly(true);
    p.log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    p.log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* l = new QVBoxLayout(p.page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(p.log);
    return p;
}

}  // namespace hx::ui
