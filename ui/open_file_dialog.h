// The file-open dialog with a filter and an initial folder, scriptable for tests.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace hx::ui {

class OpenFileDialog {
  public:
    // filter in the "Name|*.a;*.b|Other|*.c" form; initialDir relative to the current directory.
    OpenFileDialog(QString filter, QString initialDir)
        : Filter(std::move(filter)), InitialDir(std::move(initialDir)) {}

    // Shows the dialog; the chosen file, or empty when the user cancels.
    QString Execute(QWidget* parent);

    QString Filter;
    QString InitialDir;
    QString FileName;  // the last file chosen

    // "Sound Files|*.mp3;*.wav" -> "Sound Files (*.mp3 *.wav)", one Qt filter per pair.
    static QString QtFilter(const QString& filter);

    // Test seam: while scripted, Execute shows nothing and answers from the queue (an empty
    // entry or an empty queue cancels); each request's filter and folder are recorded.
    static void SetScripted(bool scripted);
    static void SetNextFileNames(const QStringList& names);
    struct Request {
        QString qtFilter;
        QString directory;
    };
    static QList<Request> Requests();
    static void ClearRequests();
};

}  // namespace hx::ui
