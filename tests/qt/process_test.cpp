#include "platform/qt/single_instance.h"
#include "platform/qt/surface_constants.h"
#include "tests/qt/qt_support.h"

#include <QDeadlineTimer>
#include <QPainter>
#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

// What needs a process of its own: the program ending, Qt scaled from its
// start, and copies of the program itself.
namespace plenk::test {

// The program ends from inside a card's slide, in a child process: with
// status 0, with nothing of the game running on after it and data.dat as it was.
TEST(Ending, DuringASlideEndsTheProcessAtOnceAndLeavesTheRecord) {
    ::testing::FLAGS_gtest_death_test_style = "fast"; // no Qt in this process before the child starts it
    const std::pair<const char*, void (*)(Game_Table&)> endings[] = {
        {"Exit", [](Game_Table& t) { t.window->gm_submnu[4]->trigger(); }},
        {"the close box", [](Game_Table& t) { t.window->close(); }},
        {"Exit from the help window opened during the slide", [](Game_Table& t) {
             QTimer::singleShot(50, [&t] { t.window->gm_submnu[4]->trigger(); });
             t.window->Help_submnu->trigger();
             std::fprintf(stderr, "the help window ran on\n");
         }},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.first);
        QTemporaryDir folder;
        const std::string data_file = (folder.path() + "/data.dat").toStdString();
        ASSERT_TRUE(write_file_start(data_file, encode_record({make_player_name("Zed")})).empty());
        EXPECT_EXIT(
            {
                Game_Table table(false, folder.path());
                table.window->start();
                table.window->gm_submnu[0]->trigger();
                repeat_until([&] { return table.g().animating == flag_true && (ending.second(table), true); }, table.window.get());
                QTest::keyClick(table.window->surface, Qt::Key_Space);
                std::fprintf(stderr, "the game ran on\n");
                std::exit(1);
            },
            ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("ran on")));
        EXPECT_EQ(read_file_start(data_file, 100).bytes, encode_record({make_player_name("Zed")}));
    }
}

// A pause keeps the window answering: an event due in it is handled there,
// and Exit from it ends the program at once rather than after the pause.
TEST(Ending, DuringAPauseEndsTheProcessAtOnce) {
    ::testing::FLAGS_gtest_death_test_style = "fast";
    EXPECT_EXIT(
        {
            Game_Table table;
            table.window->start();
            QTimer::singleShot(50, [&table] { table.window->gm_submnu[4]->trigger(); });
            table.os->Qt_Platform::Sleep(60000);
            std::fprintf(stderr, "the pause ran to its end\n");
            std::exit(1);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("ran to its end")));
}

// With two device pixels per table pixel, each card is rendered once at the
// device pixels and laid pixel for pixel; presses arrive in table pixels.
TEST(Double_Density, CardsAreCrispAndPressesArriveInTablePixels) {
    qputenv("QT_SCALE_FACTOR", "2");
    ensure_application();
    Card_Deck deck;
    Table_Surface surface(deck);
    surface.show();
    ASSERT_EQ(surface.devicePixelRatioF(), 2.0);
    const Card_Picture queen{false, 12, 2};
    surface.clear();
    surface.draw_card(100, 50, queen);
    surface.refresh();
    const QPixmap& sharp = deck.pixmap(queen, 2.0);
    EXPECT_TRUE(sharp.size() == QSize(2 * deck_card_width, 2 * deck_card_height) && deck.pixmap(queen, 2.0).cacheKey() == sharp.cacheKey());
    QImage shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32), expected(sharp.size(), QImage::Format_RGB32), card = sharp.toImage();
    shot.setDevicePixelRatio(1), card.setDevicePixelRatio(1), expected.fill(QColor::fromRgb(table_rgb));
    QPainter(&expected).drawImage(0, 0, card);
    EXPECT_EQ(shot.copy(200, 100, expected.width(), expected.height()), expected);
    QPointF at;
    surface.on_mouse_down([&](int16_t, int16_t, float x, float y) { at = {x, y}; });
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(345, 452));
    EXPECT_EQ(at, QPointF(345, 452));
}

// Runs the event loop until `done` or ten seconds have passed.
static bool wait_for(const std::function<bool()>& done) {
    for (QDeadlineTimer end(10000); !done() && !end.hasExpired();) QTest::qWait(10);
    return done();
}

// The program itself, copied into a folder named in Latin-1 ("café"), which
// is no UTF-8, with a record and a stale temporary file of a save beside it;
// the copies meet in a runtime folder of the test's own.
TEST(Program_Copy, ASecondStartRaisesTheFirstWindowAndALoneStartFindsItsRecordBesideIt) {
    namespace fs = std::filesystem;
    QTemporaryDir runtime, root;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    const fs::path folder = fs::path(root.path().toStdString()) / "caf\xE9", stale = folder / "data.dat.Ab12Cd";
    struct Remove { fs::path p; ~Remove() { fs::remove_all(p); } } remove{folder}; // Qt cannot name it to remove it
    fs::create_directory(folder);
    fs::copy_file(PLENK_PROGRAM, folder / "plenk");
    ASSERT_TRUE(write_file_start((folder / "data.dat").string(), encode_record({})).empty() && write_file_start(stale.string(), {1}).empty());
    const std::string program = (folder / "plenk").string();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    int status = -1;
    {
        Game_Table first;
        first.window->start();
        Single_Instance instance;
        ASSERT_TRUE(instance.claim());
        instance.serve(first.window.get());
        first.window->showMinimized();
        ASSERT_EQ(::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0);
        bool ended = false;
        EXPECT_TRUE(wait_for([&] { return ended || (ended = ::waitpid(child, &status, WNOHANG) == child); })) << "a second game runs";
        if (!ended) ::kill(child, SIGKILL), ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_TRUE(!first.window->isMinimized() && QApplication::activeWindow() == first.window.get());
        EXPECT_TRUE(fs::exists(stale)) << "the second copy went on to its record";
    }
    ASSERT_EQ(::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0);
    EXPECT_TRUE(wait_for([&] { return !fs::exists(stale); })) << "the stale temporary file was left";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(fs::exists("/data.dat"));
}

} // namespace plenk::test
