// The News page's text area.
#include "news_page.h"

#include <QTextCursor>
#include <QTextEdit>

namespace hx::ui {

void AppendLines(QTextEdit* richEdit, const QStringList& lines) {
    QTextCursor c(richEdit->document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    for (const QString& line : lines) {
        c.insertText(line);
        c.insertBlock();
    }
    c.endEditBlock();
}

}  // namespace hx::ui
