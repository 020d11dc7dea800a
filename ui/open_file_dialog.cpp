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

QFileDialog* OpenFileDialog::Open(QWidget* parent,
                                  std::function<void(const QString& name)> chosen) {
    const QString dir = QDir::current().absoluteFilePath(InitialDir);
    if (S().on) {
        S().requests << Request{QtFilter(Filter), dir};
        const QString name = S().names.isEmpty() ? QString() : S().names.takeFirst();
        if (name.isEmpty()) return nullptr;
        FileName = name;
        chosen(name);
        return nullptr;
    }
    if (open_ && open_->isVisible()) {
        open_->raise();
        open_->activateWindow();
        return open_;
    }
    open_ = new QFileDialog(parent, QString(), dir, QtFilter(Filter));
    open_->setAttribute(Qt::WA_DeleteOnClose);
    open_->setFileMode(QFileDialog::ExistingFile);
    QObject::connect(open_, &QFileDialog::fileSelected, open_,
                     [this, chosen = std::move(chosen)](const QString& name) {
                         if (name.isEmpty()) return;
                         FileName = name;
                         chosen(name);
                     });
    open_->open();
    return open_;
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
