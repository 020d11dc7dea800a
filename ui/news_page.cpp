// The News page's text area.
#include "news_page.h"

#include <QTextCursor>
#include <QTextEdit>

namespace hx::ui {

void ShowFeedLines(QTextEdit* richEdit, const QStringList& lines) {
    richEdit->clear();
    QTextCursor c(richEdit->document());
    c.beginEditBlock();
    for (const QString& line : lines) {
        c.insertText(line);
        c.insertBlock();
    }
    c.endEditBlock();
}

}  // namespace hx::ui
