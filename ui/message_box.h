// Message boxes through one seam, so tests can answer them and see what was shown.
#pragma once

#include <functional>

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace hx::ui {

class MessageBox {
  public:
    // An error or notice with an OK button, titled with the display name "Heliodex", shown as plain
    // text. Returns at once with the open box (null while scripted); it deletes itself when
    // closed.
    static QMessageBox* Show(QWidget* parent, const QString& text);
    // A Yes/No question with the question icon, opened the same way: `answered` runs once the
    // user answers, with true for Yes (No, Esc and the close button give false). A box closed
    // by its owner (reject) answers No.
    static QMessageBox* Ask(QWidget* parent, const QString& text,
                            std::function<void(bool yes)> answered);

    // Test seam: while scripted, nothing is shown; Ask answers at once from the queue (default
    // No) and every text shown or asked is recorded.
    static void SetScripted(bool scripted);
    static bool Scripted();
    static void SetNextAnswers(const QList<bool>& answers);
    static QStringList Shown();
    static void ClearShown();
};

}  // namespace hx::ui
