// Tooltips that show outside text (file names, addresses) exactly as it is.
#pragma once

#include <QString>

namespace hx::ui {

// Qt takes a tooltip that looks like markup for rich text; this one always shows the text's
// own characters. A text that does not look like markup is returned unchanged.
QString PlainToolTip(const QString& text);

}  // namespace hx::ui
