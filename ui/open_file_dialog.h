// The file-open dialog with a filter and an initial folder, scriptable for tests.
#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace hx::ui {

class OpenFileDialog {
  public:
    // filter in the "Name|*.a;*.b|Other|*.c" form; initialDir relative to the current directory.
    OpenFileDialog(QString filter, QString initialDir)
        : Filter(std::move(filter)), InitialDir(std::move(initialDir)) {}

    // Opens the dialog without waiting; `chosen` runs with the file once the user picks one
    // (a cancel runs nothing). While it is open, a second call only raises it. Returns the
    // open dialog, null while scripted.
    QFileDialog* Open(QWidget* parent, std::function<void(const QString& name)> chosen);

    QString Filter;
    QString InitialDir;
    QString FileName;  // the last file chosen

    // "Sound Files|*.mp3;*.wav" -> "Sound Files (*.mp3 *.wav)", one Qt filter per pair.
    static QString QtFilter(const QString& filter);

    // Test seam: while scripted, Open shows nothing and answers at once from the queue (an
    // empty entry or an empty queue cancels); each request's filter and folder are recorded.
    static void SetScripted(bool scripted);
    static void SetNextFileNames(const QStringList& names);
    struct Request {
        QString qtFilter;
        QString directory;
    };
    static QList<Request> Requests();
    static void ClearRequests();

  private:
    QPointer<QFileDialog> open_;
};

}  // namespace hx::ui
