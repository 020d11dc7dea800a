// The News page's text area: lines appended as plain text, never cleared.
#pragma once

#include <QStringList>

class QTextEdit;

namespace hx::ui {

// Appends each line as one line of plain text, after what the area already holds. Every line
// ends with a line break, so an empty line is kept even at the start.
void AppendLines(QTextEdit* richEdit, const QStringList& lines);

}  // namespace hx::ui
