#include "platform/file_services.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/help_window.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// The program ends from inside a card's slide, in a child process: it must
// end there with status 0, with nothing of the game running on after it and
// data.dat as it was.
namespace plenk::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Deals in the child, then plays a card and runs `at_slide` once the card
// moves. Whatever follows the play means the program did not end.
void play_and_end(const QString& folder, const std::function<void(Game_Table&)>& at_slide) {
    Game_Table table(folder);
    table.start();
    table.window->gm_submnu[0]->trigger();
    repeat_until(
        [&] {
            if (table.form->state().animating != flag_true) return false;
            at_slide(table);
            return true;
        },
        table.window.get());
    table.press_slot(table.legal_slot());
    std::fprintf(stderr, "the game ran on\n");
    std::exit(1);
}

struct Ending : ::testing::Test {
    QTemporaryDir folder;
    std::vector<uint8_t> record_before;
    void SetUp() override {
        ::testing::FLAGS_gtest_death_test_style = "fast";
        write_record(folder.path(), "Zed");
        record_before = read_file_start(data_file(), 100).bytes;
    }
    std::string data_file() const { return (folder.path() + "/data.dat").toStdString(); }
};

TEST_F(Ending, ExitDuringASlideEndsTheProcessAtOnce) {
    EXPECT_EXIT(play_and_end(folder.path(), [](Game_Table& t) { t.window->gm_submnu[4]->trigger(); }),
                ::testing::ExitedWithCode(0), Not(HasSubstr("ran on")));
    EXPECT_EQ(read_file_start(data_file(), 100).bytes, record_before);
}

TEST_F(Ending, ClosingTheWindowDuringASlideEndsTheProcessAtOnce) {
    EXPECT_EXIT(play_and_end(folder.path(), [](Game_Table& t) { t.window->close(); }),
                ::testing::ExitedWithCode(0), Not(HasSubstr("ran on")));
    EXPECT_EQ(read_file_start(data_file(), 100).bytes, record_before);
}

TEST_F(Ending, ExitFromTheHelpWindowOpenedDuringASlideEndsTheProcess) {
    EXPECT_EXIT(play_and_end(folder.path(),
                             [](Game_Table& t) {
                                 QTimer::singleShot(50, [&t] { t.window->gm_submnu[4]->trigger(); });
                                 t.window->Help_submnu->trigger();
                                 std::fprintf(stderr, "the help window ran on\n");
                             }),
                ::testing::ExitedWithCode(0), Not(HasSubstr("ran on")));
    EXPECT_EQ(read_file_start(data_file(), 100).bytes, record_before);
}

} // namespace
} // namespace plenk::test
