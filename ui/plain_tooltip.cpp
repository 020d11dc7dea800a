// Plain tooltips.
#include "plain_tooltip.h"

#include <QTextDocument>

namespace hx::ui {

QString PlainToolTip(const QString& text) {
    // Only a text Qt would take for markup needs converting; others are shown as they are.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

}  // namespace hx::ui
