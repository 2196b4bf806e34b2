#pragma once

#include "game/hand.h"
#include "game/table_constants.h"
#include "platform/file_services.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/table_surface.h"
#include "platform/qt/translation.h"
#include "record/player_record.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"
#include "ui/qt/window_rect.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace plenk::test {

// The one QApplication of a test process, made on first use, in English
// whatever the desktop's language.
inline void ensure_application() {
    static int argc = 1;
    static char name[] = "plenk_qt_test";
    static char *argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr)
        return;
    new QApplication(argc, argv);
    install_translations(QLocale::c());
    // The table's look is read from and kept in a folder of the tests' own.
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

// Runs `body` in a fresh start of the test program that runs this test alone:
// Qt takes its screen and scale once, as it starts, so a test that sets them
// needs a process in which Qt has not started. A failure in it fails the test.
inline void in_fresh_process(const std::function<void()> &body) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            body();
            std::fflush(nullptr);
            std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

// A surface alone, its table at `scale` (its own size by default), the
// widget as large as the table.
struct Scaled_Surface {
    explicit Scaled_Surface(Card_Deck &deck, Table_Scale at = {})
        : scale(at), surface(deck, QSize(table_width, table_height), placement_by(scale)) {
        surface.setFixedSize(window_rect(scale, {0, 0, table_width, table_height}).size());
    }
    Table_Scale scale;
    Table_Surface surface;
};

// The Qt platform on a clock of its own: pauses and the waits between a
// slide's frames pass at once, while every event is still handled; the time
// of day stands at noon and the generator starts where it always does, so a
// test deals the same games on every run. `on_wait`, when set, looks at the
// window in every pause and slide frame.
struct Quick_Clock_Platform : Qt_Platform {
    using Qt_Platform::Qt_Platform;
    float clock_seconds() override { return 43200.0f; }
    void reseed(float seed) override { random.reseed(seed); }
    float random_value() override { return random.next(); }
    Random_Source random;
    void Sleep(uint32_t ms) override {
        if (on_wait)
            on_wait();
        now += ms;
    }
    uint32_t GetTickCount() override { return now; }
    void pump_events(int32_t wait_ms) override {
        if (on_wait)
            on_wait();
        Qt_Platform::pump_events(0), now += std::max(wait_ms, 0);
    }
    uint32_t now = 0;
    std::function<void()> on_wait;
};

// The program's window as the program makes it, on a folder of its own with
// a record for "Ann" (none if `record` is false), or on `given` as it is.
struct Game_Table {
    explicit Game_Table(bool record = true, const QString &given = {})
        : folder(given.isEmpty() ? own.path() : given) {
        ensure_application();
        EXPECT_TRUE(!record || write_file_start(path("data.dat").toStdString(),
                                                encode_record({make_player_name("Ann")}))
                                   .empty());
        os = std::make_unique<Quick_Clock_Platform>(folder.toStdString());
        form = std::make_unique<Form1>(state, rec, *os);
        window = std::make_unique<Game_Window>(*os, *form);
    }
    QString path(const char *file) const { return folder + '/' + file; }
    QImage grab() const {
        return window->surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    const Game_State &g() const { return form->state(); }
    QTemporaryDir own;
    QString folder;
    std::unique_ptr<Quick_Clock_Platform> os;
    Game_State state{};
    Record_State rec{};
    std::unique_ptr<Form1> form;
    std::unique_ptr<Game_Window> window;
};

// Answers every modal box from a timer: OK, or `answer` where it asks Yes or
// No; the name prompt with `name`. `on_box` runs before the answer.
struct Box_Answerer {
    explicit Box_Answerer(QMessageBox::StandardButton answer = QMessageBox::Yes,
                          QString name = "Ann") {
        QObject::connect(&timer, &QTimer::timeout, [this, answer, name] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *box = qobject_cast<QMessageBox *>(modal);
            auto *prompt = qobject_cast<QInputDialog *>(modal);
            if (box == nullptr && prompt == nullptr)
                return;
            ++seen, title = modal->windowTitle(),
                    text = box != nullptr ? box->text() : prompt->labelText();
            buttons.clear();
            for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
                buttons += (buttons.isEmpty() ? "" : " ") + button->text();
            if (on_box)
                on_box();
            if (prompt != nullptr)
                prompt->setTextValue(name), prompt->accept();
            else
                (box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)
                                                         : box->button(answer))
                    ->click();
        });
        timer.start(20);
    }
    std::function<void()> on_box;
    QTimer timer;
    QString title, text, buttons;
    int seen = 0;
};

// Runs `step` on every turn of the event loop until it returns true.
inline void repeat_until(std::function<bool()> step, QObject *owner) {
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, step = std::move(step)] {
        if (step())
            timer->stop(), timer->deleteLater();
    });
    timer->start(0);
}

} // namespace plenk::test
