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
// Opened, not run: the caller's handler returns and the event loop goes on (timers,
// signals, the end of the session) while the box is up.
QMessageBox* OpenBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                     QMessageBox::StandardButtons buttons) {
    auto* box =
        new QMessageBox(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}
}  // namespace

QMessageBox* MessageBox::Show(QWidget* parent, const QString& text) {
    if (S().on) {
        S().shown << text;
        return nullptr;
    }
    return OpenBox(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

bool MessageBox::Scripted() {
    return S().on;
}

QMessageBox* MessageBox::Ask(QWidget* parent, const QString& text,
                             std::function<void(bool yes)> answered) {
    if (S().on) {
        S().shown << text;
        answered(!S().answers.isEmpty() && S().answers.takeFirst());
        return nullptr;
    }
    QMessageBox* box =
        OpenBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
    QObject::connect(box, &QDialog::finished, box, [box, answered = std::move(answered)] {
        answered(box->standardButton(box->clickedButton()) == QMessageBox::Yes);
    });
    return box;
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
