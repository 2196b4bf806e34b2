#include "platform/file_services.h"
#include "tests/qt/qt_support.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

// Notes what is on disk at the moment the window is first shown.
struct Show_Watch : QObject {
    std::string data_file;
    bool shown = false;
    bool file_there_when_shown = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            file_there_when_shown = File_Exists(data_file);
        }
        return false;
    }
};

TEST(First_Start, AsksTheNameAndWritesTheRecordBeforeTheWindowAppears) {
    Game_Table table(false);
    Show_Watch watch;
    watch.data_file = table.path("data.dat").toStdString();
    table.window->installEventFilter(&watch);
    Box_Answerer boxes;
    bool window_hidden_at_prompt = false;
    boxes.on_box = [&] { window_hidden_at_prompt = !table.window->isVisible(); };

    table.start();

    EXPECT_EQ(boxes.boxes_seen(), 1);
    EXPECT_EQ(boxes.last_text(), "Input Player Name:");
    EXPECT_TRUE(window_hidden_at_prompt);
    EXPECT_TRUE(watch.shown);
    EXPECT_TRUE(watch.file_there_when_shown);
    const File_Read record = read_file_start(watch.data_file, 100);
    ASSERT_TRUE(record.ok);
    EXPECT_EQ(record.bytes.size(), 35u);
    EXPECT_EQ(std::string(record.bytes.begin(), record.bytes.begin() + 4), "Ann ");
}

TEST(First_Start, ANameTypedWithASeparateAccentKeepsItsLetter) {
    Game_Table table(false);
    // "Zoe" and a combining diaeresis: Windows-1252 holds the composed letter.
    Box_Answerer boxes(QMessageBox::Yes, QStringLiteral("Zoe\u0308"));
    table.start();
    const File_Read record = read_file_start(table.path("data.dat").toStdString(), 35);
    ASSERT_TRUE(record.ok);
    EXPECT_EQ(std::string(record.bytes.begin(), record.bytes.begin() + 4), "Zo\xEB ");
}

} // namespace
} // namespace plenk::test
