#include "platform/file_services.h"
#include "tests/qt/qt_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// The program ends from inside a card's slide, in a child process: it must
// end there with status 0, with nothing of the game running on after it and
// data.dat as it was.
namespace plenk::test {
namespace {

// Deals in the child, then plays a card and runs `at_slide` once the card
// moves. Whatever follows the play means the program did not end.
void play_and_end(const QString& folder, void (*at_slide)(Game_Table&)) {
    Game_Table table(folder);
    table.start();
    table.window->gm_submnu[0]->trigger();
    repeat_until([&] { return table.form->state().animating == flag_true && (at_slide(table), true); },
                 table.window.get());
    table.press_slot(table.legal_slot());
    std::fprintf(stderr, "the game ran on\n");
    std::exit(1);
}

TEST(Ending, DuringASlideEndsTheProcessAtOnceAndLeavesTheRecord) {
    ::testing::FLAGS_gtest_death_test_style = "fast";
    const std::pair<const char*, void (*)(Game_Table&)> endings[] = {
        {"Exit", [](Game_Table& t) { t.window->gm_submnu[4]->trigger(); }},
        {"the close box", [](Game_Table& t) { t.window->close(); }},
        {"Exit from the help window opened during the slide",
         [](Game_Table& t) {
             QTimer::singleShot(50, [&t] { t.window->gm_submnu[4]->trigger(); });
             t.window->Help_submnu->trigger();
             std::fprintf(stderr, "the help window ran on\n");
         }},
    };
    for (const auto& [what, at_slide] : endings) {
        SCOPED_TRACE(what);
        QTemporaryDir folder;
        write_record(folder.path(), "Zed");
        const std::string data_file = (folder.path() + "/data.dat").toStdString();
        const std::vector<uint8_t> before = read_file_start(data_file, 100).bytes;
        EXPECT_EXIT(play_and_end(folder.path(), at_slide), ::testing::ExitedWithCode(0),
                    ::testing::Not(::testing::HasSubstr("ran on")));
        EXPECT_EQ(read_file_start(data_file, 100).bytes, before);
    }
}

} // namespace
} // namespace plenk::test
