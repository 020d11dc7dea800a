#include "error_box.h"

#include <algorithm>

#include <QMessageBox>
#include <QStringList>

#include "message_box.h"

namespace hx::ui {

void ErrorBox::Show(const QString& text) {
    if (!box_ || !box_->isVisible()) {
        box_ = MessageBox::Show(parent_, text);
        return;
    }
    const QStringList lines = box_->text().split(u'\n');
    const QStringList added = text.split(u'\n');
    if (std::all_of(added.begin(), added.end(),
                    [&lines](const QString& l) { return lines.contains(l); }))
        return;
    if (lines.size() + added.size() > kLines)
        overflow_(text);
    else
        box_->setText(box_->text() + u'\n' + text);
}

}  // namespace hx::ui
