// The Sky page: lines from the sky computation, shown in the report's fixed-width font.
#include "sky_panel.h"

#include <cmath>

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/error.h"
#include "menu/stored_names.h"
#include "report/sky_page.h"

namespace hx::ui {

SkyPanel::SkyPanel(QWidget* parent) : QWidget(parent), view_(new QPlainTextEdit(this)) {
    setObjectName(StoredName(Page::Sky));
    view_->setObjectName("skyView");
    view_->setReadOnly(true);
    view_->setUndoRedoEnabled(false);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(15);
    view_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void SkyPanel::Show(Moment utc, const Observer& site, HourClock clock) {
    if (!site.HasSite()) {
        Clear();
        view_->setPlainText(QStringLiteral("no site yet"));
        return;
    }
    if (shownAt_ && std::fabs(utc - *shownAt_) < 1.0 / 1440 && SameSite(site, shownSite_) &&
        clock == shownClock_)
        return;
    shownAt_ = utc;
    shownSite_ = site;
    shownClock_ = clock;
    try {
        view_->setPlainText(SkyPageLines(utc, site, QLocale::system(), clock).join(u'\n'));
    } catch (const Error& e) {
        view_->setPlainText(e.message());
    }
}

void SkyPanel::Clear() {
    shownAt_.reset();
}

QString SkyPanel::Text() const {
    return view_->toPlainText();
}

}  // namespace hx::ui
