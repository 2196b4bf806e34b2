#pragma once

#include "platform/qt/qt_platform.h"
#include "ui/form1.h"
#include "ui/qt/game_window.h"

#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace plenk::test {

// The one QApplication of a test process, made on first use.
void ensure_application();

// Writes a record file for `name` with zero counters into the folder.
void write_record(const QString& folder, const std::string& name);

// The Qt platform on a clock of its own: pauses and the waits between a
// slide's frames pass at once, while every event is still handled.
struct Quick_Clock_Platform : Qt_Platform {
    using Qt_Platform::Qt_Platform;
    void Sleep(uint32_t ms) override { now += ms; }
    uint32_t GetTickCount() override { return now; }
    void pump_events(int32_t wait_ms) override;
    uint32_t now = 0;
};

// The program's window on a folder of its own (with data.dat unless `record`
// is false), or on a folder given as it is: the platform, Form1 and the game
// window, made as the program makes them.
struct Game_Table {
    explicit Game_Table(bool record = true);
    explicit Game_Table(const QString& folder);
    // Form_Load, then the window is shown.
    void start() { window->start(); }
    QString path(const char* file) const { return folder + QLatin1Char('/') + QLatin1String(file); }
    QImage grab_table() const;
    // A slot of the human's hand the rules allow now.
    int16_t legal_slot() const;
    // Presses the left button over that slot, as a person would.
    void press_slot(int16_t slot);

    QTemporaryDir own_folder;
    QString folder;
    std::unique_ptr<Qt_Platform> os;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Game_Window> window;
};

// Answers every modal box that comes up, from a timer: OK, or `answer` where
// the box asks Yes or No; the name prompt with `name` and OK.
struct Box_Answerer {
    explicit Box_Answerer(QMessageBox::StandardButton answer = QMessageBox::Yes,
                          QString name = QStringLiteral("Ann"));
    int boxes_seen() const { return boxes_; }
    const QString& last_title() const { return title_; }
    const QString& last_text() const { return text_; }
    // Runs when a box is seen, before it is answered.
    std::function<void()> on_box;
    QTimer timer_;
    QString title_, text_;
    int boxes_ = 0;
};

// Runs `step` on every turn of the event loop until it returns true.
void repeat_until(std::function<bool()> step, QObject* owner);

} // namespace plenk::test
