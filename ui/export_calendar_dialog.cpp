// The "Export Calendar" dialog over QDialog, opened without a nested event loop.
#include "export_calendar_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace hx::ui {

namespace {
struct Script {
    bool on = false;
    std::optional<ExportChoice> next;
};
Script& S() {
    static Script s;
    return s;
}
}  // namespace

void ExportCalendarDialog::SetScripted(bool scripted) {
    S().on = scripted;
}

void ExportCalendarDialog::SetNextChoice(const std::optional<ExportChoice>& choice) {
    S().next = choice;
}

void ExportCalendarDialog::Ask(QWidget* parent,
                               const std::function<void(const ExportChoice&)>& done) {
    if (S().on) {
        const std::optional<ExportChoice> c = std::exchange(S().next, std::nullopt);
        if (c) done(*c);
        return;
    }
    auto* d = new QDialog(parent);
    d->setObjectName("ExportCalendarDialog");
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowTitle(QObject::tr("Export Calendar"));
    auto* days = new QSpinBox(d);
    days->setRange(1, 366);
    days->setValue(30);
    auto* events = new QCheckBox(QObject::tr("Sky events (rise, zenith, set, nadir)"), d);
    auto* hours = new QCheckBox(QObject::tr("Planetary hours"), d);
    auto* sky =
        new QCheckBox(QObject::tr("Twilights, Moon phases, ingresses and void-of-course Moon"), d);
    sky->setObjectName("exportSky");
    events->setChecked(true);
    hours->setChecked(true);
    auto* file = new QLineEdit(QDir::home().filePath(QStringLiteral("heliodex.ics")), d);
    auto* browse = new QPushButton(QObject::tr("Browse…"), d);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file, 1);
    fileRow->addWidget(browse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    auto* form = new QFormLayout(d);
    form->addRow(QObject::tr("Days from the shown date:"), days);
    form->addRow(events);
    form->addRow(hours);
    form->addRow(sky);
    form->addRow(QObject::tr("File:"), fileRow);
    form->addRow(buttons);

    auto sync = [=] {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled((events->isChecked() || hours->isChecked() || sky->isChecked()) &&
                         !file->text().trimmed().isEmpty());
    };
    QObject::connect(events, &QCheckBox::toggled, d, sync);
    QObject::connect(hours, &QCheckBox::toggled, d, sync);
    QObject::connect(sky, &QCheckBox::toggled, d, sync);
    QObject::connect(file, &QLineEdit::textChanged, d, sync);
    QObject::connect(browse, &QPushButton::clicked, d, [=] {
        auto* pick = new QFileDialog(d, QObject::tr("Export Calendar"), file->text(),
                                     QObject::tr("iCalendar files (*.ics)"));
        pick->setAttribute(Qt::WA_DeleteOnClose);
        pick->setAcceptMode(QFileDialog::AcceptSave);
        pick->setDefaultSuffix(QStringLiteral("ics"));
        QObject::connect(pick, &QFileDialog::fileSelected, file, &QLineEdit::setText);
        pick->open();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, d, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, [=] {
        const ExportChoice c{days->value(), events->isChecked(), hours->isChecked(),
                             file->text().trimmed(), sky->isChecked()};
        d->accept();
        done(c);
    });
    sync();
    d->open();
}

}  // namespace hx::ui
