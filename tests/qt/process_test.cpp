#include "platform/qt/single_instance.h"
#include "platform/qt/surface_constants.h"
#include "tests/qt/qt_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPainter>
#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sched.h>
#include <sstream>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

// What needs a process of its own: the program ending, Qt scaled from its
// start, and copies of the program itself.
namespace plenk::test {

namespace fs = std::filesystem;

// What copies on a record of one name keep in the lock folder: files named
// for the number of the record's folder.
static std::vector<std::string> lock_files_of(const fs::path &record) {
    struct stat folder {};
    ::stat(record.parent_path().c_str(), &folder);
    const std::string key = (std::ostringstream() << '-' << std::hex << folder.st_ino << '-').str();
    std::vector<std::string> found;
    std::error_code none;
    for (const auto &entry : fs::directory_iterator(lock_folder(), none))
        if (entry.path().filename().string().find(key) != std::string::npos)
            found.push_back(entry.path().filename());
    return found;
}

// The program ends from inside a card's slide, in a child process: with
// status 0, with nothing of the game running on after it, data.dat as it was
// and nothing of its claim on the record left. A pause keeps the window
// answering, and Exit from it ends the program at once rather than after it.
TEST(Ending, DuringASlideEndsTheProcessAtOnceAndLeavesTheRecord) {
    // No Qt in this process before the child starts it.
    ::testing::FLAGS_gtest_death_test_style = "fast";
    const std::pair<const char *, void (*)(Game_Table &)> endings[] = {
        {"Exit", [](Game_Table &t) { t.window->gm_submnu[4]->trigger(); }},
        {"the close box", [](Game_Table &t) { t.window->close(); }},
        {"Exit from the help window opened during the slide",
         [](Game_Table &t) {
             QTimer::singleShot(50, [&t] { t.window->gm_submnu[4]->trigger(); });
             t.window->Help_submnu->trigger();
             std::fprintf(stderr, "the help window ran on\n");
         }},
        {"Exit from a pause",
         [](Game_Table &t) {
             QTimer::singleShot(50, [&t] { t.window->gm_submnu[4]->trigger(); });
             t.os->Qt_Platform::Sleep(60000);
             std::fprintf(stderr, "the pause ran on\n");
         }},
    };
    for (const auto &ending : endings) {
        SCOPED_TRACE(ending.first);
        QTemporaryDir folder;
        const std::string data_file = (folder.path() + "/data.dat").toStdString();
        ASSERT_TRUE(write_file_start(data_file, encode_record({make_player_name("Zed")})).empty());
        EXPECT_EXIT(
            {
                Single_Instance instance(data_file);
                if (instance.claim() != Single_Instance::Claim::First)
                    std::exit(1);
                Game_Table table(false, folder.path());
                table.window->start();
                table.window->gm_submnu[0]->trigger();
                repeat_until(
                    [&] {
                        return table.g().animating == flag_true && (ending.second(table), true);
                    },
                    table.window.get());
                QTest::keyClick(table.window->surface, Qt::Key_Space);
                std::fprintf(stderr, "the game ran on\n");
                std::exit(1);
            },
            ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("ran on")));
        EXPECT_EQ(read_file_start(data_file, 100).bytes, encode_record({make_player_name("Zed")}));
        EXPECT_THAT(lock_files_of(data_file), testing::IsEmpty());
    }
}

// Under a file-size limit below a record's 35 bytes, a whole game ends with
// its save failing and the player told, as the program starts itself, not
// with the limit's signal; the record stays as it was and nothing is left
// beside it.
TEST(File_Size_Limit, ASaveOverItIsToldAndTheGameEndsAsUsual) {
    ::testing::FLAGS_gtest_death_test_style = "fast";
    QTemporaryDir folder;
    const std::string data_file = (folder.path() + "/data.dat").toStdString();
    ASSERT_TRUE(write_file_start(data_file, encode_record({make_player_name("Zed")})).empty());
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            writes_over_limits_fail();
            const rlimit below_a_record(20, 20);
            ::setrlimit(RLIMIT_FSIZE, &below_a_record);
            Game_Table table(false, folder.path());
            Box_Answerer boxes(QMessageBox::No);
            QString told;
            boxes.on_box = [&] { told += boxes.text; };
            table.window->start();
            table.window->gm_submnu[0]->trigger();
            for (int keys = 0; keys < 2000 && table.g().game_over != flag_true; ++keys)
                QTest::keyClick(table.window->surface, Qt::Key_Return);
            // Told by the exit status: the limit holds for what the child writes too.
            std::exit(table.g().game_over == flag_true && told.contains("File too large") ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read_file_start(data_file, 100).bytes, encode_record({make_player_name("Zed")}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.dat"});
}

// With two device pixels per table pixel, each card is rendered once at the
// device pixels and laid pixel for pixel; presses arrive in window pixels, not device pixels.
TEST(Double_Density, CardsAreCrispAndPressesArriveInTablePixels) {
    in_fresh_process([] {
        qputenv("QT_SCALE_FACTOR", "2");
        ensure_application();
        Card_Deck deck;
        Scaled_Surface scaled(deck);
        Table_Surface &surface = scaled.surface;
        surface.show();
        ASSERT_EQ(surface.devicePixelRatioF(), 2.0);
        const Card_Picture queen{false, 12, 2};
        surface.clear(), surface.draw_card(100, 50, queen), surface.refresh();
        const QSize device(2 * deck_card_width, 2 * deck_card_height);
        const QPixmap &sharp = deck.pixmap(queen, device);
        EXPECT_EQ(deck.pixmap(queen, device).cacheKey(), sharp.cacheKey());
        QImage shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32),
               expected(sharp.size(), QImage::Format_RGB32), card = sharp.toImage();
        shot.setDevicePixelRatio(1), expected.fill(QColor::fromRgb(table_rgb));
        QPainter(&expected).drawImage(0, 0, card);
        EXPECT_EQ(shot.copy(200, 100, expected.width(), expected.height()), expected);
        // A card taken away far from the corner leaves the table's colour.
        surface.clear(), surface.draw_card(600, 400, queen), surface.refresh();
        surface.clear(), surface.refresh();
        shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
        shot.setDevicePixelRatio(1), expected.fill(QColor::fromRgb(table_rgb));
        EXPECT_EQ(shot.copy(1200, 800, expected.width(), expected.height()), expected);
        QPointF at;
        surface.on_mouse_down([&](QPointF p) { at = p; });
        QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(345, 452));
        EXPECT_EQ(at, QPointF(345, 452));
    });
}

// Runs the event loop until `done` or ten seconds have passed.
static bool wait_for(const std::function<bool()> &done) {
    for (QDeadlineTimer end(10000); !done() && !end.hasExpired();)
        QTest::qWait(10);
    return done();
}

constexpr int cannot_set_up = 77;

// The program itself, copied into a folder named in Latin-1 ("café"), which
// is no UTF-8, with a record and a stale temporary file of a save beside it.
struct Program_Copy : testing::Test {
    void SetUp() override {
        ensure_application();
        fs::create_directory(folder);
        fs::copy_file(PLENK_PROGRAM, program);
        ASSERT_TRUE(write_file_start(record.string(), encode_record({})).empty() &&
                    write_file_start(stale.string(), {1}).empty());
        // Qt's own runtime folder; the locks are not kept there.
        ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override {
        for (pid_t child : children)
            if (!exits.contains(child))
                ::kill(child, SIGTERM), ::waitpid(child, nullptr, 0);
        fs::remove_all(folder); // Qt cannot name it to remove it
    }
    // Starts the program in this process's environment, `before` run in the
    // child just before it becomes the program.
    pid_t start(const std::function<void()> &before = [] {}) {
        const pid_t child = ::fork();
        if (child == 0) {
            // As from a terminal, whatever this process ignores (nohup, a CI runner).
            for (const int signal : {SIGHUP, SIGINT, SIGTERM})
                ::signal(signal, SIG_DFL);
            before();
            char *argv[] = {program.data(), nullptr};
            ::execv(program.c_str(), argv);
            ::_exit(127);
        }
        children.push_back(child);
        return child;
    }
    // The exit status of the child once it has ended, -1 while it runs.
    int ended(pid_t child) {
        int status = 0;
        if (!exits.contains(child) && ::waitpid(child, &status, WNOHANG) == child)
            exits[child] = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exits.contains(child) ? exits[child] : -1;
    }
    QTemporaryDir runtime, root;
    fs::path folder = fs::path(root.path().toStdString()) / "caf\xE9";
    std::string program = (folder / "plenk").string();
    fs::path record = folder / "data.dat", stale = folder / ".plenk-temp.Ab12Cd";
    fs::path elsewhere = folder.parent_path() / "elsewhere" / "data.dat";
    std::vector<pid_t> children;
    std::map<pid_t, int> exits;
};

// Two copies on one record, the first having saved (a record of one name by a
// new file renamed over it), the second given a token to bring a window
// forward: it hands the token to the first, which comes to the front, and ends.
// The second is a copy of the same folder, then one in another folder, on the
// record hard-linked there.
TEST_F(Program_Copy, ASecondStartRaisesTheFirstWindowAfterASave) {
    for (const fs::path &beside : {folder, folder.parent_path() / "other"}) {
        SCOPED_TRACE(beside);
        if (beside != folder)
            fs::create_directory(beside), fs::copy_file(PLENK_PROGRAM, beside / "plenk"),
                fs::create_hard_link(record, beside / "data.dat");
        program = (beside / "plenk").string();
        Game_Table first;
        first.window->start();
        Single_Instance instance(record.string());
        ASSERT_EQ(instance.claim(), Single_Instance::Claim::First);
        instance.serve(first.window.get());
        first.window->showMinimized();
        ASSERT_TRUE(
            write_file_start(record.string(), encode_record({make_player_name("Ann")})).empty());
        qputenv("XDG_ACTIVATION_TOKEN", "token-1"); // the second copy's alone
        const pid_t second = start();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        wait_for([&] { return ended(second) >= 0; });
        EXPECT_EQ(ended(second), 0) << "-1: a second game runs";
        EXPECT_TRUE(!first.window->isMinimized() &&
                    QApplication::activeWindow() == first.window.get());
        EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-1");
        EXPECT_TRUE(fs::exists(stale)) << "the second copy went on to its record";
    }
}

// In a started copy: a mount namespace of its own with an empty lock folder
// (mounted with `flags`), as a sandbox with a private /tmp and no shared
// /run/user gives; the copy ends with `cannot_set_up` where that cannot be had.
void lock_folder_of_its_own(unsigned long flags) {
    const std::string locks = lock_folder();
    if (locks.empty() || ::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", locks.c_str(), "tmpfs", flags, "mode=0700") != 0)
        ::_exit(cannot_set_up);
}

// A copy in a mount namespace of its own, with a lock folder of its own (as a
// sandbox with a private /tmp and no shared /run/user has), on the record a
// first copy plays on and has saved to: it finds the record itself held and
// does not play, and says it cannot reach the first.
TEST_F(Program_Copy, ACopyThatSharesNoLockFolderDoesNotPlayOnTheSameRecord) {
    Single_Instance first(record.string());
    ASSERT_EQ(first.claim(), Single_Instance::Claim::First);
    // Having saved: a new file in the record's place, which its lock follows.
    Qt_Platform os(folder.string());
    os.on_record_written([&first] { first.record_replaced(); });
    ASSERT_TRUE(
        os.write_record_file(record.string(), encode_record({make_player_name("Ann")})).empty());
    const fs::path said = folder.parent_path() / "said";
    const pid_t beyond = start([&said] {
        lock_folder_of_its_own(0);
        ::dup2(::open(said.c_str(), O_WRONLY | O_CREAT, 0600), 2);
    });
    const auto heard = [&said] {
        std::ifstream in(said);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    wait_for([&] {
        return heard().find("already running") != std::string::npos || ended(beyond) >= 0 ||
               !fs::exists(stale);
    });
    if (ended(beyond) == cannot_set_up)
        GTEST_SKIP() << "no mount of its own here";
    EXPECT_TRUE(fs::exists(stale)) << "the copy went on to the record";
    EXPECT_THAT(heard(), testing::HasSubstr("already running"));
}

// Four copies started at once on one record: one plays, the others find it,
// also while it is still starting, and end without a warning.
TEST_F(Program_Copy, OfCopiesStartedAtOnceOnePlaysAndTheOthersEndQuietly) {
    std::vector<pid_t> copies;
    for (int i = 0; i < 4; ++i)
        copies.push_back(start());
    const auto ending = [&](int status) {
        return std::ranges::count_if(copies, [&](pid_t copy) { return ended(copy) == status; });
    };
    EXPECT_TRUE(wait_for([&] { return ending(-1) == 1 && !fs::exists(stale); }));
    EXPECT_EQ(ending(0), 3);
}

// Whatever the copy finds of other copies, or in its environment, it plays
// when no other copy plays on its record; it goes on to its record, which
// removes the stale temporary file. However a signal then ends it, nothing of
// its claim on the record is left behind.
struct Lone_Start_Case {
    const char *name;
    void (*set_up)(Program_Copy &);
    void (*before)() = [] {};
    friend void PrintTo(const Lone_Start_Case &c, std::ostream *out) { *out << c.name; }
};

// What a copy killed outright leaves of its claim on the record: its locks,
// its note and its socket's file, which nothing listens on any more.
void leave_dead_copy(const fs::path &record) {
    const pid_t dead = ::fork();
    if (dead == 0) {
        Record_Lock lock(record.string());
        ::_exit(std::ofstream(lock.socket_path()) && lock.leave_note(lock.socket_path()) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(dead, &status, 0);
    EXPECT_EQ(status, 0) << "no dead copy was left";
}

const Lone_Start_Case lone_starts[] = {
    // Also on a record elsewhere, where no copy plays now.
    {"CrashedCopiesLocksAndSockets",
     [](Program_Copy &t) {
         fs::create_directory(t.elsewhere.parent_path());
         leave_dead_copy(t.record), leave_dead_copy(t.elsewhere);
     }},
    // Another user who may read the record locks it for reading: no copy of
    // the game, and no lock that keeps the game from its record. (The system
    // does not tell whose a lock is, only of what kind.)
    {"AnotherUserReadLocksTheRecord",
     [](Program_Copy &t) {
         struct flock shared {};
         shared.l_type = F_RDLCK;
         // Held until this process ends, long after the record is gone.
         EXPECT_EQ(::fcntl(::open(t.record.c_str(), O_RDONLY | O_CLOEXEC), F_OFD_SETLK, &shared),
                   0);
     }},
    // Over the limit a write fails; the game goes on. (This process ignores
    // the signal, and the program would inherit that.)
    {"NoFileMayGrow", [](Program_Copy &) {},
     [] {
         const rlimit none{0, 0};
         std::signal(SIGXFSZ, SIG_DFL), ::setrlimit(RLIMIT_FSIZE, &none);
     }},
    // No lock can be made: the game plays without one.
    {"ALockFolderOnAReadOnlyDisk", [](Program_Copy &) {},
     [] { lock_folder_of_its_own(MS_RDONLY); }},
};

struct Lone_Start : Program_Copy, testing::WithParamInterface<Lone_Start_Case> {};

TEST_P(Lone_Start, PlaysOnItsRecordUntilASignalEndsIt) {
    GetParam().set_up(*this);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        ASSERT_TRUE(write_file_start(stale.string(), {1}).empty());
        const pid_t copy = start(GetParam().before);
        wait_for([&] { return !fs::exists(stale) || ended(copy) >= 0; });
        if (ended(copy) == cannot_set_up)
            GTEST_SKIP() << "no mount of its own here";
        EXPECT_FALSE(fs::exists(stale))
            << "the game did not go on to its record; it ended with " << ended(copy);
        EXPECT_EQ(ended(copy), -1) << "the game ended";
        ::kill(copy, signal);
        wait_for([&] { return ended(copy) >= 0; });
        EXPECT_EQ(ended(copy), 128 + signal);
        EXPECT_THAT(lock_files_of(record), testing::IsEmpty());
    }
    EXPECT_FALSE(fs::exists("/data.dat"));
    EXPECT_THAT(lock_files_of(elsewhere), testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Environments, Lone_Start, testing::ValuesIn(lone_starts),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace plenk::test
