#include "platform/file_services.h"
#include "platform/qt/single_instance.h"
#include "record/player_record.h"
#include "tests/qt/qt_support.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

// The program itself, copied into a folder named in Latin-1 ("café"), which
// is no UTF-8, with a record and a stale temporary file of a save beside it.
// Each test has a runtime folder of its own, where the copies meet.
namespace plenk::test {
namespace {

namespace fs = std::filesystem;

struct Program_Copy : ::testing::Test {
    void SetUp() override {
        ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
        ensure_application();
        fs::create_directory(folder);
        fs::copy_file(PLENK_PROGRAM, folder / "plenk");
        ASSERT_TRUE(write_file_start((folder / "data.dat").string(), encode_record({})).empty());
        ASSERT_TRUE(write_file_start(stale.string(), {1}).empty());
        const std::string program = (folder / "plenk").string();
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        if (start_first_here) {
            first.start();
            ASSERT_TRUE(instance.emplace().claim());
            instance->serve(first.window.get());
            first.window->showMinimized();
        }
        ASSERT_EQ(::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0);
    }
    // Qt cannot name the folder to remove it.
    void TearDown() override { fs::remove_all(folder); }
    // Runs the event loop until `done` or ten seconds have passed.
    static bool wait_for(const std::function<bool()>& done) {
        for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10); !done() && std::chrono::steady_clock::now() < end;) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return done();
    }
    bool start_first_here = true;
    QTemporaryDir runtime, root;
    fs::path folder = fs::path(root.path().toStdString()) / "caf\xE9";
    fs::path stale = folder / "data.dat.Ab12Cd";
    Game_Table first;
    std::optional<Single_Instance> instance; // made once the runtime folder is set
    pid_t child = 0;
};

TEST_F(Program_Copy, SecondStartBringsTheFirstWindowToTheFront) {
    int status = -1;
    bool ended = false;
    EXPECT_TRUE(wait_for([&] { return ended || (ended = ::waitpid(child, &status, WNOHANG) == child); })) << "a second game runs";
    if (!ended) ::kill(child, SIGKILL), ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(first.window->isMinimized());
    EXPECT_EQ(QApplication::activeWindow(), first.window.get());
    EXPECT_TRUE(fs::exists(stale)) << "the second copy went on to its record";
}

struct First_Start : Program_Copy {
    First_Start() { start_first_here = false; }
};

TEST_F(First_Start, FindsItsRecordBesideItInAFolderOfAnyName) {
    EXPECT_TRUE(wait_for([&] { return !fs::exists(stale); })) << "the stale temporary file was left";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(fs::exists("/data.dat"));
}

} // namespace
} // namespace plenk::test
