#include "platform/file_services.h"
#include "platform/record_lock.h"
#include "platform/record_place.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

// The record file service and where the record lives. Every case runs in a
// child process, so that it may take another user's identity (nobody, for whom
// permissions hold), a limit or a small file system of its own; a child that
// blocks is ended by its alarm. A case the machine cannot set up (no mknod, no
// mount, not root) ends with `skipped` and is reported skipped.
namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int skipped = 77;
constexpr int not_ordinary = -1;
const Bytes record(35, 'R');

// What a reader of an ordinary file sees; nothing where it cannot be read.
Bytes get(const fs::path &path, std::size_t most = 64) {
    std::error_code loop;
    std::ifstream in(fs::is_regular_file(path, loop) ? path : fs::path(), std::ios::binary);
    Bytes bytes(most);
    in.read(reinterpret_cast<char *>(bytes.data()), std::ssize(bytes));
    return bytes.resize(static_cast<std::size_t>(in.gcount())), bytes;
}
void put(const fs::path &path, std::size_t size = 35, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary) << std::string(size, 'o');
    ::chmod(path.c_str(), mode);
}
void need(bool done) {
    if (!done)
        ::_exit(skipped);
}
std::string reason(int error) {
    return error == 0 ? "" : error == not_ordinary ? "not an ordinary file" : std::strerror(error);
}
// Bytes this process has moved through read and write calls.
uint64_t moved() {
    std::ifstream in("/proc/self/io");
    uint64_t value = 0, io = 0;
    for (std::string key; in >> key >> value;)
        io += key == "rchar:" || key == "wchar:" ? value : 0;
    return io;
}
std::size_t descriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}
auto file_of(std::size_t size, mode_t mode = 0644) {
    return [=](const fs::path &d) { put(d / "data.dat", size, mode); };
}
auto link_to(const char *to) {
    return [=](const fs::path &d) { fs::create_symlink(to, d / "data.dat"); };
}
auto node(mode_t type, const char *name = "data.dat") {
    return [=](const fs::path &d) { need(::mknod((d / name).c_str(), type | 0666, 0) == 0); };
}

struct In_Temp_Folder : testing::Test {
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plenk-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    // The child's failed checks are reported as it makes them, and fail the test.
    void in_child(const std::function<void()> &test) {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0)
            ::alarm(10), test(), std::fflush(nullptr), ::_exit(HasFailure() ? 1 : 0);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == skipped)
            GTEST_SKIP() << "the machine cannot set this case up";
        EXPECT_EQ(status, 0);
    }
    fs::path dir;
};

// A small file system of its own, made read-only once the file is there.
void read_only_disk(const fs::path &d) {
    need(::unshare(CLONE_NEWNS) == 0 &&
         ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("tmpfs", d.c_str(), "tmpfs", 0, nullptr) == 0);
    put(d / "data.dat", 40);
    need(::mount(nullptr, d.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
}
// Below a record's size: the save starts, then fails, as the program (which
// ignores the signal) sees it.
void size_limit(const fs::path &) {
    const rlimit below_a_record{20, 20};
    std::signal(SIGXFSZ, SIG_IGN), ::setrlimit(RLIMIT_FSIZE, &below_a_record);
}

// The system calls of the file services, made to fail: the next `times` calls
// of `call` fail with `error`. Linked in place of the real ones (--wrap).
struct System_Fault {
    std::string call;
    int error = 0, times = 0;
};
System_Fault fault;
std::function<void(const char *path)> before_open = [](const char *) {};
int synced_folders = 0;

bool failing(const char *call) {
    const bool fails = fault.times > 0 && fault.call == call;
    if (fails)
        --fault.times, errno = fault.error;
    return fails;
}

// What stands at dir/data.dat, made in the child with the umask, limit or
// file system it needs; the errors of reading its first 35 bytes and of the
// save, 0 for none; a call that fails in each; whether the record is written
// although the save then fails. EINTR is only ever retried.
struct Case {
    const char *name;
    std::function<void(const fs::path &dir)> make;
    int read_error, write_error;
    System_Fault fault = {};
    bool saved_all_the_same = false;
    // Named by its name in test reports, not by its bytes.
    friend void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }
};

const Case cases[] = {
    {"MissingUnderNoUmask", [](auto) { ::umask(0); }, ENOENT, 0},
    {"MissingUnderAPrivateUmask", [](auto) { ::umask(077); }, ENOENT, 0},
    // Replaced: owner and every permission bit kept.
    {"AnotherUsersRecord",
     [](auto d) {
         put(d / "data.dat", 35, 0751), need(::chown((d / "data.dat").c_str(), 1234, 1234) == 0);
     },
     0, 0},
    {"Short", file_of(10), 0, 0},
    {"LongWithTail", file_of(40), 0, 0},
    {"Pipe", node(S_IFIFO), not_ordinary, not_ordinary},
    {"LinkToDevice", [](auto d) { node(S_IFCHR, "null")(d), link_to("null")(d); }, not_ordinary,
     not_ordinary},
    {"Folder", [](auto d) { fs::create_directory(d / "data.dat"); }, EISDIR, EISDIR},
    {"DanglingLink", link_to("real.dat"), ENOENT, 0},
    {"LiveLink", [](auto d) { put(d / "real.dat"), link_to("real.dat")(d); }, 0, 0},
    {"LinkLoop", link_to("data.dat"), ELOOP, ELOOP},
    {"OtherUsersLink",
     [](auto d) {
         put(d / "real.dat"), link_to("real.dat")(d),
             need(::lchown((d / "data.dat").c_str(), 1234, 1234) == 0);
     },
     EACCES, EACCES},
    {"HardLink",
     [](auto d) { put(d / "real.dat"), fs::create_hard_link(d / "real.dat", d / "data.dat"); }, 0,
     0},
    {"ReadOnlyDisk", read_only_disk, 0, EROFS},
    {"FileSizeLimit", size_limit, ENOENT, EFBIG},
    {"OpenRefused", file_of(35), EACCES, EACCES, {"open", EACCES, 9}},
    {"OpenInterrupted", file_of(35), 0, 0, {"open", EINTR, 1}},
    {"ReadFails", file_of(35), EIO, 0, {"read", EIO, 9}},
    {"ReadInterrupted", file_of(35), 0, 0, {"read", EINTR, 1}},
    {"StatFails", file_of(35), EIO, EIO, {"fstat", EIO, 9}},
    {"DiskFull", file_of(35), 0, ENOSPC, {"pwrite", ENOSPC, 9}},
    {"DiskFullForTheNewCopyOnly", file_of(35), 0, 0, {"pwrite", ENOSPC, 1}}, // written in place
    {"WriteInterrupted", file_of(35), 0, 0, {"pwrite", EINTR, 2}},
    {"SyncFails", file_of(35), 0, EIO, {"fsync", EIO, 9}, true},
    {"CloseFails", file_of(35), 0, EIO, {"close", EIO, 9}, true},
    {"RenameFails", file_of(35), 0, 0, {"rename", EXDEV, 9}},
    {"NoTemporaryFile", file_of(35), 0, 0, {"mkostemp", EMFILE, 9}},
    {"NoTemporaryFileForANewFile", [](auto) {}, ENOENT, EMFILE, {"mkostemp", EMFILE, 9}},
    {"ModeNotKept", file_of(35), 0, 0, {"fchmod", EPERM, 9}},
    // 4 GB, all but its start a hole: a copy of its tail in memory fails under
    // the limit at once.
    {"Sparse",
     [](auto d) {
         put(d / "data.dat"), fs::resize_file(d / "data.dat", std::uintmax_t{4} << 30);
#ifndef __SANITIZE_ADDRESS__
         const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
         ::setrlimit(RLIMIT_AS, &limit);
#endif
     },
     0, 0},
};

struct File_Outcome : In_Temp_Folder, testing::WithParamInterface<Case> {};

// Read and save, at a cost that does not grow with the file, then what the
// file, its name and the folder hold.
TEST_P(File_Outcome, ReadAndSave) {
    in_child([&, &c = GetParam(), file = dir / "data.dat"] {
        c.make(dir);
        // Of the name; of the file: kind, mode, links, owner, blocks; zero where missing.
        auto kind = [&file] {
            struct stat name {};
            struct stat info {};
            ::lstat(file.c_str(), &name), ::stat(file.c_str(), &info);
            return std::tuple(name.st_mode & S_IFMT, info.st_mode, info.st_nlink, info.st_uid,
                              info.st_gid, info.st_blocks);
        };
        const auto was = kind();
        const Bytes old = get(file), start = get(file, 35);
        const std::size_t open_before = descriptors();
        const uint64_t moved_before = moved();
        fault = c.fault;
        errno = EINTR; // left by an earlier interrupted call, not the reader's own
        const File_Read read = read_file_start(file.string(), 35);
        fault = c.fault;
        const std::string written = write_file_start(file.string(), record);
        fault = {};
        EXPECT_LT(moved() - moved_before, 65536u);
        const auto is = kind();
        Bytes expected = old;
        if (c.write_error == 0 || c.saved_all_the_same)
            expected.resize(std::max<std::size_t>(old.size(), 35)),
                std::ranges::copy(record, expected.begin());
        EXPECT_EQ(
            std::tie(read.ok, read.reason, read.bytes),
            std::tuple(c.read_error == 0, reason(c.read_error), c.read_error ? Bytes{} : start));
        EXPECT_EQ(written, reason(c.write_error));
        EXPECT_EQ(descriptors(), open_before);
        EXPECT_EQ(get(file), expected);
        // The file keeps its kind, mode, links and owner and grows no denser, a
        // dangling link stays one, and a new file is the writer's, written by it
        // alone, the umask obeyed.
        const mode_t umask = ::umask(0);
        const bool made = std::get<1>(was) == 0 && c.write_error == 0;
        EXPECT_EQ(is, made ? decltype(was)(std::get<0>(was) ? S_IFLNK : S_IFREG,
                                           S_IFREG | (0644 & ~umask), 1, ::geteuid(), ::getegid(),
                                           std::get<5>(is))
                           : was);
        for (const auto &entry : fs::directory_iterator(dir))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".plenk-temp"))
                << entry.path();
    });
}

const auto by_name = [](const auto &info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Files, File_Outcome, testing::ValuesIn(cases), by_name);

// Where the record lives, decided as nobody: the program's folder is nobody's
// to read only, the home folder nobody's own.
// Where it is loaded from and saved to: 'P' beside the program, 'U' in the user's folder, '-' none.
struct Place_Case {
    const char *name;
    std::function<void(const fs::path &program, const fs::path &home)> make;
    char load, save;
    friend void PrintTo(const Place_Case &c, std::ostream *out) { *out << c.name; }
};

const Place_Case places[] = {
    {"RecordInAReadOnlyFolder", [](auto p, auto) { put(p / "data.dat"); }, 'P', 'U'},
    {"WritableRecordInAReadOnlyFolder", [](auto p, auto) { put(p / "data.dat", 35, 0666); }, 'P',
     'P'},
    {"RecordMovedEarlier",
     [](auto p, auto h) {
         put(p / "data.dat"), fs::create_directories(h / "Plenk"), put(h / "Plenk/data.dat");
     },
     'U', 'U'},
    {"RecordInTheUserFolderOnly",
     [](auto, auto h) { fs::create_directories(h / "Plenk"), put(h / "Plenk/data.dat"); }, 'U',
     'U'},
    // The failed save then names where the record would be kept.
    {"NoUserFolderCanBeMade", [](auto, auto h) { fs::remove(h), put(h); }, '-', 'U'},
    // Nothing is made in another's folder, even one that everyone may write.
    {"RecordBesideAndAHomeOfAnotherUser",
     [](auto p, auto h) {
         put(p / "data.dat"), ::chown(h.c_str(), 1234, 1234), ::chmod(h.c_str(), 0777);
     },
     'P', 'P'},
    {"PipeInAReadOnlyFolder", [](auto p, auto) { ::mkfifo((p / "data.dat").c_str(), 0644); }, 'P',
     'P'},
    {"DanglingLinkToAWritableFolder",
     [](auto p, auto h) { fs::create_symlink(h / "rec.dat", p / "data.dat"); }, '-', 'P'},
};

struct Record_Location : In_Temp_Folder, testing::WithParamInterface<Place_Case> {};

TEST_P(Record_Location, DependsOnWhatIsThere) {
    const fs::path program = dir / "program", home = dir / "home";
    fs::create_directory(program), fs::create_directory(home);
    ::chmod(dir.c_str(), 0755), ::chown(home.c_str(), 65534, 65534);
    GetParam().make(program, home);
    const bool made_here = !fs::exists(home / "Plenk");
    auto where = [&](char place) {
        return place == '-' ? ""
                            : ((place == 'P' ? program : home / "Plenk") / "data.dat").string();
    };
    in_child([&, &c = GetParam()] {
        // Dumpable, so that it still reads its own descriptors.
        need(::setgid(65534) == 0 && ::setuid(65534) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0);
        ::umask(0);
        const std::size_t open_before = descriptors();
        const Record_Place place = locate_record(program.string(), (home / "Plenk").string());
        EXPECT_EQ(std::tie(place.load_from, place.save_to),
                  std::tuple(where(c.load), where(c.save)));
        EXPECT_EQ(descriptors(), open_before);
        struct stat made {}; // the user's alone, whatever the umask
        const bool new_folder = made_here && ::stat((home / "Plenk").c_str(), &made) == 0;
        EXPECT_EQ(made.st_mode & 07777, new_folder ? 0700u : 0u);
    });
}

INSTANTIATE_TEST_SUITE_P(Places, Record_Location, testing::ValuesIn(places), by_name);

// An installed copy starts its record in the user's folder even when it may
// write beside itself, as root may.
TEST_F(In_Temp_Folder, ANewRecordOfAProgramUnderUsrStartsInTheUserFolder) {
    EXPECT_EQ(locate_record("/usr/games", dir.string()).save_to, (dir / "data.dat").string());
}

// Only the user's own ordinary files with the temporaries' name are removed,
// beside the file a link leads to; the user's files named like the record
// stay, whatever follows the name.
TEST_F(In_Temp_Folder, StaleTemporariesAreRemovedByTheirExactName) {
    const fs::path real = dir / "real";
    fs::create_directories(real / ".plenk-temp.Ab12Cd"); // named as one, but a folder
    fs::create_symlink("real/rec.dat", dir / "data.dat");
    for (const char *name : {".plenk-temp.Xy12Zw", ".plenk-temp.zzzzzz", "rec.dat.backup",
                             "data.dat.Xy12Zw", ".plenk-temp.Ab12Cde", ".plenk-temp.Ab-2Cd",
                             "plenk-temp.Ab12Cd", "../.plenk-temp.Ab12Cd", ".plenk-temp.Ot12Hr"})
        put(real / name);
    ASSERT_EQ(::chown((real / ".plenk-temp.Ot12Hr").c_str(), 1234, 1234), 0); // another user's
    fs::create_symlink("rec.dat.backup", real / ".plenk-temp.Li12Nk");
    remove_stale_temporaries((dir / "data.dat").string());
    std::set<std::string> left;
    for (const auto &entry : fs::directory_iterator(real))
        left.insert(entry.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"rec.dat.backup", "data.dat.Xy12Zw",
                                           ".plenk-temp.Ab12Cde", ".plenk-temp.Ab-2Cd",
                                           "plenk-temp.Ab12Cd", ".plenk-temp.Ot12Hr",
                                           ".plenk-temp.Ab12Cd", ".plenk-temp.Li12Nk"}));
    EXPECT_TRUE(fs::exists(dir / ".plenk-temp.Ab12Cd"));
}

// The user's data folder, by the XDG rules: relative paths are ignored, and
// without a home of its own the game keeps nothing in "/". A folder of the
// environment counts only where it is the effective user's own: root with a
// user's HOME (or a user given another's) keeps to the password database's.
TEST_F(In_Temp_Folder, TheUserDataFolderIsTheUsersOwn) {
    const std::string passwd_home = ::getpwuid(::geteuid())->pw_dir;
    const std::string from_passwd = passwd_home == "/" ? "" : passwd_home + "/.local/share/Plenk";
    // Another user's folder: one made here and given away, or, without the
    // right to give it, the system's.
    std::string mine = dir.string(), theirs = mine + "/theirs";
    fs::create_directory(theirs);
    if (::chown(theirs.c_str(), 1234, 1234) != 0)
        theirs = "/usr";
    // XDG_DATA_HOME and HOME, empty where unset, and the folder they give.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {mine + "/data", mine, mine + "/data/Plenk"}, // made later, inside the user's own
        {"x/data", mine, mine + "/.local/share/Plenk"},
        {"", mine + "/", mine + "/.local/share/Plenk"},
        {"", "", from_passwd},
        {"", mine + "/gone", from_passwd},
        {"", theirs, from_passwd},
        {theirs + "/data", mine, mine + "/.local/share/Plenk"},
        {"", "/", ::geteuid() == 0 ? "" : from_passwd},
    };
    const auto set = [](const std::string &v) { return v.empty() ? nullptr : v.c_str(); };
    for (const auto &[xdg, home, expected] : cases)
        EXPECT_EQ(user_data_folder(set(xdg), set(home)), expected) << xdg << ", " << home;
}

// A link swapped in for the record after its links were followed is not
// followed: what it leads to is neither read nor written.
TEST_F(In_Temp_Folder, ALinkSwappedInBeforeTheOpenIsNotFollowed) {
    const fs::path file = dir / "data.dat", victim = dir / "notes.txt";
    put(victim, 40), put(file);
    before_open = [&](const char *path) {
        if (path == file.string())
            fs::remove(file), fs::create_symlink(victim, file);
    };
    EXPECT_EQ(read_file_start(file.string(), 35).reason, reason(not_ordinary));
    fs::remove(file), put(file);
    EXPECT_EQ(write_file_start(file.string(), record), reason(not_ordinary));
    before_open = [](const char *) {};
    EXPECT_EQ(get(victim), Bytes(40, 'o'));
}

// A later copy of the record is refused, reads the holder's note whole, a
// shorter one replacing it, and keeps nothing of the record open. A save
// frees the replaced file's number, which the system soon gives a new file:
// that file, made a record, is another record, and its own copy plays on it.
// A record replaced so survives a crash only with its folder written out.
TEST_F(In_Temp_Folder, ALaterCopyIsRefusedOnlyOnTheSameRecord) {
    const fs::path file = dir / "data.dat";
    put(file), fs::create_directory(dir / "other");
    const auto opened = [&file] { // this process's descriptors of the record
        return std::ranges::count_if(fs::directory_iterator("/proc/self/fd"), [&](const auto &fd) {
            std::error_code error;
            return fs::read_symlink(fd.path(), error) == fs::canonical(file);
        });
    };
    Record_Lock held(file.string());
    ASSERT_EQ(held.state(), Record_Lock::State::Ours);
    EXPECT_TRUE(held.leave_note("/run/user/1/plenk/a.socket"));
    const auto before = opened();
    {
        const Record_Lock later(file.string());
        EXPECT_EQ(later.state(), Record_Lock::State::Another_Copys);
        EXPECT_EQ(later.note(), "/run/user/1/plenk/a.socket");
        EXPECT_EQ(opened(), before);
    }
    EXPECT_TRUE(held.leave_note("b"));
    EXPECT_EQ(Record_Lock(file.string()).note(), "b") << "a shorter note replaces the longer";
    struct stat was {};
    ::stat(file.c_str(), &was);
    synced_folders = 0;
    ASSERT_EQ(write_file_start(file.string(), record), "");
    EXPECT_EQ(synced_folders, 1);
    held.record_replaced(); // as the holder does after each save
    for (int i = 0; i < 50; ++i) {
        const fs::path made = dir / "other" / std::to_string(i);
        struct stat info {};
        put(made), ::stat(made.c_str(), &info);
        if (info.st_ino == was.st_ino) {
            EXPECT_EQ(Record_Lock(made.string()).state(), Record_Lock::State::Ours);
            return;
        }
    }
    GTEST_SKIP() << "the system gave the replaced file's number to no new file";
}

} // namespace
} // namespace plenk

// Each call fails as `plenk::fault` says, or is made.
#define FAILING(type, call, params, args)                                                          \
    type __real_##call params;                                                                     \
    type __wrap_##call params {                                                                    \
        return plenk::failing(#call) ? -1 : __real_##call args;                                    \
    }

extern "C" {
FAILING(ssize_t, read, (int fd, void *buffer, size_t size), (fd, buffer, size))
FAILING(ssize_t, pwrite, (int fd, const void *data, size_t n, off_t at), (fd, data, n, at))
FAILING(int, fstat, (int fd, struct stat *info), (fd, info))
FAILING(int, rename, (const char *from, const char *to), (from, to))
FAILING(int, mkostemp, (char *pattern, int flags), (pattern, flags))
FAILING(int, fchown, (int fd, uid_t owner, gid_t group), (fd, owner, group))
FAILING(int, fchmod, (int fd, mode_t mode), (fd, mode))
int __real_open(const char *path, int flags, ...);
int __real_fsync(int fd);
int __real_close(int fd);

int __wrap_open(const char *path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(rest, mode_t) : 0;
    va_end(rest);
    return plenk::failing("open") ? -1 : (plenk::before_open(path), __real_open(path, flags, mode));
}
int __wrap_fsync(int fd) {
    struct stat info {};
    plenk::synced_folders += __real_fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    return plenk::failing("fsync") ? -1 : __real_fsync(fd);
}
int __wrap_close(int fd) {
    const int closed = __real_close(fd); // a failed close still frees the descriptor
    return plenk::failing("close") ? -1 : closed;
}
}
