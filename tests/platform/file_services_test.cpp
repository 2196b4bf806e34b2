#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

// Every outcome of the record file service, one row to each kind and state of
// file. A row runs in a child process, so that it may take another user's
// identity, a limit or a file system of its own; a child that blocks is ended
// by its alarm. Rows the machine cannot set up (no mknod, no mount) end with
// `skipped`, which passes.
namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int skipped = 77;
constexpr int not_ordinary = -1;
const Bytes record(35, 'R');

// What a reader of the file sees; nothing where it cannot be read.
Bytes get(const fs::path& path) {
    Bytes bytes(64);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    bytes.resize(f == nullptr ? 0 : std::fread(bytes.data(), 1, bytes.size(), f));
    if (f != nullptr) std::fclose(f);
    return bytes;
}
void put(const fs::path& path, std::size_t size, mode_t mode = 0644) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(size));
    ::chmod(path.c_str(), mode);
}
std::string reason(int error) {
    return error == 0 ? "" : error == not_ordinary ? "not an ordinary file" : std::strerror(error);
}
void need(bool done) {
    if (!done) ::_exit(skipped);
}
std::size_t open_descriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

enum class Where { Disk, Full_Disk, Read_Only_Disk };

struct Case {
    const char* name;
    std::function<void(const fs::path& dir)> make; // what stands at dir/data.dat
    int read_error;                                // 0: the first 35 bytes there are read
    int write_error;                               // 0: the save succeeds
    Where where = Where::Disk;
    bool as_nobody = false;
    rlim_t file_size_limit = RLIM_INFINITY;
};

// What a path shows: the type of the name itself, and what it leads to.
struct State {
    mode_t name_type = 0;
    struct stat file {};
    Bytes bytes;
};
State state_of(const fs::path& path) {
    State s;
    struct stat name {};
    if (::lstat(path.c_str(), &name) == 0) s.name_type = name.st_mode & S_IFMT;
    if (::stat(path.c_str(), &s.file) == 0 && S_ISREG(s.file.st_mode)) s.bytes = get(path);
    return s;
}

void prepare(const Case& c, const fs::path& dir) {
    if (c.where != Where::Disk) {
        need(::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
             ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=8k") == 0);
    }
    c.make(dir);
    if (c.where == Where::Full_Disk) {
        std::ofstream filler(dir / "filler", std::ios::binary);
        while (filler.put('x')) filler.flush();
    }
    if (c.where == Where::Read_Only_Disk)
        need(::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    // Still able to read its own /proc entries, as the check of descriptors does.
    if (c.as_nobody)
        need(::chmod(dir.c_str(), 0755) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
             ::prctl(PR_SET_DUMPABLE, 1) == 0);
    const rlimit limit{c.file_size_limit, c.file_size_limit};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

[[noreturn]] void run_case(const Case& c, const fs::path& dir) {
    ::alarm(10);
    prepare(c, dir);
    const fs::path file = dir / "data.dat";
    const State before = state_of(file);
    const std::size_t descriptors = open_descriptors();
    const File_Read read = read_file_start(file.string(), 35);
    const std::string written = write_file_start(file.string(), record);
    const State after = state_of(file);

    std::string wrong;
    auto check = [&wrong](bool good, const std::string& what) { wrong += good ? "" : what + "; "; };
    const Bytes head(before.bytes.begin(), before.bytes.begin() + std::min<long>(35, std::ssize(before.bytes)));
    check(read.ok == (c.read_error == 0) && read.reason == reason(c.read_error), "read: " + read.reason);
    check(read.bytes == (read.ok ? head : Bytes{}), "read other bytes");
    check(written == reason(c.write_error), "write: " + written);
    check(open_descriptors() == descriptors, "a descriptor left open");
    Bytes expected = before.bytes;
    if (c.write_error == 0) {
        expected.resize(std::max<std::size_t>(expected.size(), 35));
        std::copy(record.begin(), record.end(), expected.begin());
    }
    check(after.bytes == expected, "file holds other bytes");
    check(after.name_type == before.name_type || before.name_type == 0, "the name changed type");
    if (before.file.st_nlink != 0) {
        check(after.file.st_mode == before.file.st_mode && after.file.st_nlink == before.file.st_nlink &&
                  after.file.st_uid == before.file.st_uid && after.file.st_gid == before.file.st_gid,
              "type, permissions, links or owner changed");
    }
    for (const auto& entry : fs::directory_iterator(dir))
        check(entry.path().filename().string().find(".dat.") == std::string::npos, "a temporary file was left");
    std::fputs(wrong.c_str(), stderr);
    ::_exit(wrong.empty() ? 0 : 1);
}

auto file_of(std::size_t size, mode_t mode = 0644) {
    return [=](const fs::path& dir) { put(dir / "data.dat", size, mode); };
}
auto link_to(const char* target) {
    return [=](const fs::path& dir) { fs::create_symlink(target, dir / "data.dat"); };
}
auto device(const char* name) {
    return [=](const fs::path& dir) { need(::mknod((dir / name).c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0); };
}
void nothing(const fs::path&) {}

const Case cases[] = {
    {"Missing", nothing, ENOENT, 0},
    {"Record", file_of(35), 0, 0},
    {"Short", file_of(10), 0, 0},
    {"LongWithTail", file_of(40), 0, 0},
    {"Pipe", [](const fs::path& d) { ::mkfifo((d / "data.dat").c_str(), 0644); }, not_ordinary, not_ordinary},
    {"Device", device("data.dat"), not_ordinary, not_ordinary},
    {"LinkToDevice", [](const fs::path& d) { device("null")(d), link_to("null")(d); }, not_ordinary, not_ordinary},
    {"Socket",
     [](const fs::path& d) {
         sockaddr_un address{AF_UNIX, {}};
         std::strcpy(address.sun_path, (d / "data.dat").c_str());
         const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
         ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
         ::close(s);
     },
     not_ordinary, not_ordinary},
    {"Folder", [](const fs::path& d) { fs::create_directory(d / "data.dat"); }, EISDIR, EISDIR},
    {"DanglingLink", link_to("real.dat"), ENOENT, 0},
    {"LiveLink", [](const fs::path& d) { put(d / "real.dat", 35), link_to("real.dat")(d); }, 0, 0},
    {"LinkLoop", link_to("data.dat"), ELOOP, ELOOP},
    {"HardLink", [](const fs::path& d) { put(d / "real.dat", 35), fs::create_hard_link(d / "real.dat", d / "data.dat"); },
     0, 0},
    {"OtherOwner", [](const fs::path& d) { put(d / "data.dat", 35, 0640), need(::chown((d / "data.dat").c_str(), 1234, 1234) == 0); },
     0, 0},
    {"Unreadable", file_of(35, 0), EACCES, EACCES, Where::Disk, true},
    {"FolderTakesNoNewFile",
     [](const fs::path& d) { put(d / "data.dat", 35, 0666), ::chown((d / "data.dat").c_str(), 65534, 65534); }, 0, 0,
     Where::Disk, true},
    {"FullDiskNewFile", nothing, ENOENT, ENOSPC, Where::Full_Disk},
    {"FullDiskRecord", file_of(35), 0, 0, Where::Full_Disk},
    {"ReadOnlyDisk", file_of(40), 0, EROFS, Where::Read_Only_Disk},
    {"FileSizeLimit", nothing, ENOENT, EFBIG, Where::Disk, false, 10},
    {"ReadAndWriteFail", link_to("/proc/self/mem"), EIO, EIO},
};

struct File_Outcome : testing::TestWithParam<Case> {
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plenk-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        testing::FLAGS_gtest_death_test_style = "fast";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_P(File_Outcome, ReadAndSave) {
    EXPECT_EXIT(run_case(GetParam(), dir), [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 1; },
                "");
}

INSTANTIATE_TEST_SUITE_P(Files, File_Outcome, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

uint64_t bytes_read_and_written() {
    std::ifstream in("/proc/self/io");
    std::string key;
    uint64_t value = 0, total = 0;
    while (in >> key >> value) total += key == "rchar:" || key == "wchar:" ? value : 0;
    return total;
}
long peak_memory_kb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A save of a 4 GB sparse record file reads and writes a few bytes, takes no
// memory to speak of, makes the file no denser, and keeps its last byte.
[[noreturn]] void save_huge(const fs::path& dir) {
    const fs::path file = dir / "data.dat";
    put(file, 35);
    fs::resize_file(file, uintmax_t{4} << 30);
    std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(-1, std::ios::end).put('Z');
#ifndef __SANITIZE_ADDRESS__
    const rlimit memory{rlim_t{1} << 30, rlim_t{1} << 30}; // a copy of the tail fails at once
    ::setrlimit(RLIMIT_AS, &memory);
#endif
    struct stat before {}, after {};
    ::stat(file.c_str(), &before);
    const uint64_t io = bytes_read_and_written();
    const long memory_kb = peak_memory_kb();
    const std::string reason = write_file_start(file.string(), record);
    const uint64_t moved = bytes_read_and_written() - io;
    const long grown_kb = peak_memory_kb() - memory_kb;
    ::stat(file.c_str(), &after);
    std::ifstream in(file, std::ios::binary);
    Bytes head(35);
    in.read(reinterpret_cast<char*>(head.data()), 35);
    in.seekg(-1, std::ios::end);
    const bool good = reason.empty() && moved < 65536 && grown_kb < 4096 && after.st_blocks <= before.st_blocks &&
                      after.st_size == before.st_size && head == record && in.get() == 'Z';
    std::fprintf(stderr, "reason '%s', %llu bytes moved, %ld KB more memory, %lld blocks before, %lld after\n",
                 reason.c_str(), static_cast<unsigned long long>(moved), grown_kb,
                 static_cast<long long>(before.st_blocks), static_cast<long long>(after.st_blocks));
    ::_exit(good ? 0 : 1);
}

TEST_F(File_Outcome, ASaveCostsTheSameForAFileOfAnyLength) {
    EXPECT_EXIT(save_huge(dir), testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace plenk
