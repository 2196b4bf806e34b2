#include "platform/file_services.h"
#include "tests/qt/qt_support.h"

#include <QEvent>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

// Notes whether data.dat is on disk at the moment the window is first shown.
struct Show_Watch : QObject {
    std::string data_file;
    int shown = 0;
    bool file_there_when_shown = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && shown++ == 0) file_there_when_shown = File_Exists(data_file);
        return false;
    }
};

// The name as typed, and how it starts the record. "Zoe" with a separate
// combining diaeresis: Windows-1252 holds only the composed letter.
struct Typed_Name {
    QString typed;
    std::string stored;
};

TEST(First_Start, AsksTheNameWritesTheRecordThenShowsTheWindow) {
    for (const Typed_Name& name : {Typed_Name{"Ann", "Ann "}, Typed_Name{"Zoe\u0308", "Zo\xEB "}}) {
        SCOPED_TRACE(name.stored);
        Game_Table table(false);
        Show_Watch watch;
        watch.data_file = table.path("data.dat").toStdString();
        table.window->installEventFilter(&watch);
        Box_Answerer boxes(QMessageBox::Yes, name.typed);
        bool hidden_at_prompt = false;
        boxes.on_box = [&] { hidden_at_prompt = !table.window->isVisible(); };

        table.start();

        EXPECT_EQ(boxes.boxes_seen(), 1);
        EXPECT_EQ(boxes.last_text(), "Input Player Name:");
        EXPECT_TRUE(hidden_at_prompt);
        EXPECT_EQ(watch.shown, 1);
        EXPECT_TRUE(watch.file_there_when_shown);
        const File_Read record = read_file_start(watch.data_file, 100);
        ASSERT_EQ(record.bytes.size(), 35u);
        EXPECT_EQ(std::string(record.bytes.begin(), record.bytes.begin() + 4), name.stored);
    }
}

} // namespace
} // namespace plenk::test
