// The News page's text area: the feed's lines as plain text, each import in place of the last.
#pragma once

#include <QStringList>

class QTextEdit;

namespace hx::ui {

// Shows each line as one line of plain text, in place of what the area held. Every line ends
// with a line break, so an empty line is kept even at the start.
void ShowFeedLines(QTextEdit* richEdit, const QStringList& lines);

}  // namespace hx::ui
