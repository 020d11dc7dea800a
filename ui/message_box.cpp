// Message boxes, scriptable for tests.
#include "message_box.h"

#include <QApplication>

namespace hx::ui {

namespace {
struct Script {
    bool on = false;
    QList<bool> answers;
    QStringList shown;
};
Script& S() {
    static Script s;
    return s;
}
}  // namespace

QMessageBox* MessageBox::Show(QWidget* parent, const QString& text) {
    if (S().on) {
        S().shown << text;
        return nullptr;
    }
    // Opened, not run: the caller's handler returns and the event loop goes on (timers,
    // signals, the end of the session) while the box is up.
    auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

bool MessageBox::Scripted() {
    return S().on;
}

bool MessageBox::Ask(QWidget* parent, const QString& text) {
    if (S().on) {
        S().shown << text;
        return S().answers.isEmpty() ? false : S().answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void MessageBox::SetScripted(bool scripted) {
    S().on = scripted;
}
void MessageBox::SetNextAnswers(const QList<bool>& answers) {
    S().answers = answers;
}
QStringList MessageBox::Shown() {
    return S().shown;
}
void MessageBox::ClearShown() {
    S().shown.clear();
}

}  // namespace hx::ui
