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

void MessageBox::Show(QWidget* parent, const QString& text) {
    if (S().on) {
        S().shown << text;
        return;
    }
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // texts carry file names, URLs and service answers
    box.exec();
}

bool MessageBox::Ask(QWidget* parent, const QString& text) {
    if (S().on) {
        S().shown << text;
        return S().answers.isEmpty() ? false : S().answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
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
