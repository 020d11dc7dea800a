// A MainWindow under test: fixed clock, scripted message boxes, a temporary program directory
// and a recording report service.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/clock.h"
#include "core/error.h"
#include "settings/textfile.h"
#include "tests/support/recording_player.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/window_services.h"

namespace hx::test {

struct ReportCalls {
    int count = 0;
    Moment q = 0;
    Observer obs;
    OptionsModel options;
    ReportResult result;                 // what the fake composition returns
    std::optional<QString> headerError;  // what the fake td.txt writer returns
    QStringList headerWritten;
    QString throwMessage;  // non-empty: the composition raises this
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        files::SetProgramDirectory(dir.path());
        // The machine keeps Minneapolis's standard time, so the site's present is its clock.
        SetClock([] {
            return QDateTime(QDate(2024, 6, 15), QTime(15, 45, 10), Qt::OffsetFromUTC, -6 * 3600);
        });
        ui::MessageBox::SetScripted(true);
        ui::MessageBox::ClearShown();
        calls = std::make_shared<ReportCalls>();
        calls->result.headerLines = {"An V x Sol 24 Gemini"};
        calls->result.lines = {"An V x Sol 24 Gemini", "", "Impending Solar Events"};
        calls->result.trayText = "An V x Sol 24 Gemini\r\n";
        calls->result.moonPhase.index = 10;
    }
    void TearDown() override {
        form.reset();
        SetClock({});
        ui::MessageBox::SetScripted(false);
        files::SetProgramDirectory({});
    }

    ui::WindowServices Services() {
        ui::WindowServices s;
        auto c = calls;
        s.compose = [c](Moment q, const Observer& obs, const OptionsModel& options, SkyEventState&,
                        Moment, const ReportStyle&) {
            if (!c->throwMessage.isEmpty()) throw Error(c->throwMessage);
            ++c->count;
            c->q = q;
            c->obs = obs;
            c->options = options;
            return c->result;
        };
        s.weatherSource = [](const places::Place&) {
            return std::optional<places::WeatherValues>();
        };
        // A first start offers no city, whatever the machine's zone.
        s.machineZone = [this] { return machineZone; };
        s.writeHeader = [c](const QStringList& lines) {
            c->headerWritten = lines;
            return c->headerError;
        };
        s.soundPlayer = [this] {
            auto p = std::make_unique<RecordingPlayer>();
            player = p.get();
            return p;
        };
        return s;
    }

    void Open() { form = std::make_unique<ui::MainWindow>(Services()); }
    // A later start whose settings have the clock off (a first start runs it), for the tests
    // that switch it on themselves.
    void WriteClockOff() {
        files::WriteLines(dir.filePath("heliodex.ini"), {"[Menu]", "Clockon1=0"});
    }

    // The program's own composition and td.txt, with the recording player and no weather.
    ui::WindowServices RealServices() {
        ui::WindowServices s = ui::DefaultWindowServices();
        const ui::WindowServices faked = Services();
        s.soundPlayer = faked.soundPlayer;
        s.weatherSource = faked.weatherSource;
        s.machineZone = faked.machineZone;
        return s;
    }

    template <typename T>
    T* Get(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Types into a field and leaves it, as the user does.
    void Type(const char* name, const QString& text) {
        QLineEdit* e = Get<QLineEdit>(name);
        e->setText(text);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(e, &out);
    }
    void Click(const char* action) { Get<QAction>(action)->trigger(); }
    // The window's message boxes on screen (while MessageBox is not scripted).
    QList<QMessageBox*> OpenBoxes() {
        QList<QMessageBox*> boxes = form->findChildren<QMessageBox*>();
        boxes.removeIf([](QMessageBox* b) { return !b->isVisible(); });
        return boxes;
    }

    void EnterMinneapolis() {
        Type("Edit2", "44");
        Type("Edit3", "58");
        Get<QCheckBox>("CheckBox1")->setChecked(true);
        Type("Edit4", "93");
        Type("Edit5", "16");
        Get<QCheckBox>("CheckBox2")->setChecked(true);
        Type("Edit6", "-6");
    }

    QTemporaryDir dir;
    QByteArray machineZone = "UTC";  // the zone a first start takes its city from
    std::shared_ptr<ReportCalls> calls;
    std::unique_ptr<ui::MainWindow> form;
    RecordingPlayer* player = nullptr;  // mediaPlayer of the open window
};

}  // namespace hx::test
