// The file-open dialog over QFileDialog, with its test seam.
#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace hx::ui {

namespace {
struct Script {
    bool on = false;
    QStringList names;
    QList<OpenFileDialog::Request> requests;
};
Script& S() {
    static Script s;
    return s;
}
}  // namespace

QString OpenFileDialog::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

QString OpenFileDialog::Execute(QWidget* parent) {
    const QString dir = QDir::current().absoluteFilePath(InitialDir);
    QString name;
    if (S().on) {
        S().requests << Request{QtFilter(Filter), dir};
        if (!S().names.isEmpty()) name = S().names.takeFirst();
    } else {
        name = QFileDialog::getOpenFileName(parent, QString(), dir, QtFilter(Filter));
    }
    if (!name.isEmpty()) FileName = name;
    return name;
}

void OpenFileDialog::SetScripted(bool scripted) {
    S().on = scripted;
}
void OpenFileDialog::SetNextFileNames(const QStringList& names) {
    S().names = names;
}
QList<OpenFileDialog::Request> OpenFileDialog::Requests() {
    return S().requests;
}
void OpenFileDialog::ClearRequests() {
    S().requests.clear();
}

}  // namespace hx::ui
