// MainWindow's Internet handlers: the About box, the lookup window, the dialogs on screen.
#include <QApplication>
#include <QDialog>

#include "main_window.h"
#include "reverse_lookup_dialog.h"
#include "ui/about_dialog.h"
#include "version_feed.h"

namespace hx::ui {

QString MainWindow::MakerSite() const {
    return addresses_.makerSite;
}
QString MainWindow::NewsFeed() const {
    return addresses_.newsFeed;
}

// Shown window-modal and left at once; Close hides it, keeping its inputs for the next time.
void MainWindow::onReverseLookupClicked() {
    if (!reverseLookup_) return;
    reverseLookup_->setObserver(observer());
    reverseLookup_->open();
}

// The About box has no owner and exists only while shown; it blocks the other windows
// without the handler waiting for it.
void MainWindow::onAboutClicked() {
    if (about_ && about_->isVisible()) return about_->activateWindow();
    about_ = new AboutDialog(MakerSite(), [this](const QUrl&) { newsFeed_->openHomePage(); });
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->setWindowModality(Qt::ApplicationModal);
    about_->show();
}

// The About box, the lookup window, a question, a file chooser, a message box or a menu on
// screen. A file chooser of the desktop's own counts by its dialog object.
QList<QWidget*> MainWindow::OpenDialogs() const {
    QList<QWidget*> open;
    for (QDialog* d : findChildren<QDialog*>())
        if (d->isVisible()) open << d;
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activePopupWidget(),
                       static_cast<QWidget*>(about_.data())})
        if (w && w->isVisible() && !open.contains(w)) open << w;
    return open;
}

// Shutdown: every open dialog closes as if cancelled; completions that would act on an answer
// see the shutdown and do nothing.
void MainWindow::CloseDialogs() {
    delete about_.data();  // without an owner nothing else would end it
    for (QDialog* dialog : findChildren<QDialog*>())
        if (dialog->isVisible()) dialog->reject();
}

void MainWindow::onNewsFeedDone() {
    newsFeed_->onNewsFeedDone();
}

}  // namespace hx::ui
