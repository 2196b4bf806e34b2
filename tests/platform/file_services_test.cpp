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
// identity, a limit or a small file system of its own; a child that blocks is
// ended by its alarm. A row the machine cannot set up (no mknod, no mount)
// ends with `skipped`, which passes.
namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int skipped = 77;
constexpr int not_ordinary = -1;
const Bytes record(35, 'R');

// What a reader of an ordinary file sees; nothing where it cannot be read.
Bytes get(const fs::path& path, std::size_t most = 64) {
    Bytes bytes(most);
    std::error_code loop;
    std::FILE* f = fs::is_regular_file(path, loop) ? std::fopen(path.c_str(), "rb") : nullptr;
    bytes.resize(f == nullptr ? 0 : std::fread(bytes.data(), 1, bytes.size(), f));
    if (f != nullptr) std::fclose(f);
    return bytes;
}
void put(const fs::path& path, std::size_t size, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary) << std::string(size, 'o');
    ::chmod(path.c_str(), mode);
}
void need(bool done) {
    if (!done) ::_exit(skipped);
}
std::string reason(int error) { return error == 0 ? "" : error == not_ordinary ? "not an ordinary file" : std::strerror(error); }
std::size_t descriptors() { return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {})); }

enum class Where { Disk, Full_Disk, Read_Only_Disk, As_Nobody, Size_Limit };

struct Case {
    const char* name;
    std::function<void(const fs::path& dir)> make; // what stands at dir/data.dat
    int read_error;                                // 0: the first 35 bytes there are read
    int write_error;                               // 0: the save succeeds
    Where where = Where::Disk;
};

void prepare(const Case& c, const fs::path& dir) {
    const bool own_disk = c.where == Where::Full_Disk || c.where == Where::Read_Only_Disk;
    if (own_disk)
        need(::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
             ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=8k") == 0);
    c.make(dir);
    if (c.where == Where::Full_Disk)
        for (std::ofstream filler(dir / "filler"); filler.put('x').flush();) {}
    if (c.where == Where::Read_Only_Disk) need(::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    // Dumpable, so that it still reads its own descriptors.
    if (c.where == Where::As_Nobody)
        need(::chmod(dir.c_str(), 0755) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0);
    const rlimit limit{10, 10};
    std::signal(SIGXFSZ, SIG_IGN);
    if (c.where == Where::Size_Limit) ::setrlimit(RLIMIT_FSIZE, &limit);
}

[[noreturn]] void run_case(const Case& c, const fs::path& dir) {
    ::alarm(10);
    prepare(c, dir);
    const fs::path file = dir / "data.dat";
    struct stat name_before {}, name_after {}, before {}, after {};
    ::lstat(file.c_str(), &name_before);
    ::stat(file.c_str(), &before);
    const Bytes old = get(file);
    const std::size_t open_before = descriptors();
    const File_Read read = read_file_start(file.string(), 35);
    const std::string written = write_file_start(file.string(), record);
    ::lstat(file.c_str(), &name_after);
    ::stat(file.c_str(), &after);
    Bytes expected = old;
    if (c.write_error == 0) expected.resize(std::max<std::size_t>(old.size(), 35)), std::copy(record.begin(), record.end(), expected.begin());
    std::string wrong;
    auto check = [&wrong](bool good, const std::string& what) { wrong += good ? "" : what + "; "; };
    check(read.ok == (c.read_error == 0) && read.reason == reason(c.read_error), "read: " + read.reason);
    check(read.bytes == (read.ok ? Bytes(old.begin(), old.begin() + std::min<long>(35, std::ssize(old))) : Bytes{}), "read other bytes");
    check(written == reason(c.write_error), "write: " + written);
    check(descriptors() == open_before, "a descriptor left open");
    check(get(file) == expected, "the file holds other bytes");
    check(((name_after.st_mode ^ name_before.st_mode) & S_IFMT) == 0 || name_before.st_nlink == 0, "the name changed type");
    check(before.st_nlink == 0 || (after.st_mode == before.st_mode && after.st_nlink == before.st_nlink &&
                                   after.st_uid == before.st_uid && after.st_gid == before.st_gid), "kind, mode, links or owner changed");
    for (const auto& entry : fs::directory_iterator(dir)) check(entry.path().string().find(".dat.") == std::string::npos, "a temporary file left");
    std::fputs(wrong.c_str(), stderr);
    ::_exit(wrong.empty() ? 0 : 1);
}

auto file_of(std::size_t size, mode_t mode = 0644) { return [=](const fs::path& d) { put(d / "data.dat", size, mode); }; }
auto link_to(const char* to) { return [=](const fs::path& d) { fs::create_symlink(to, d / "data.dat"); }; }
auto device(const char* name) {
    return [=](const fs::path& d) { need(::mknod((d / name).c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0); };
}
void nothing(const fs::path&) {}
void socket_at(const fs::path& d) {
    sockaddr_un address{AF_UNIX, {}};
    std::strcpy(address.sun_path, (d / "data.dat").c_str());
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(s);
}

const Case cases[] = {
    {"Missing", nothing, ENOENT, 0},
    {"Record", file_of(35), 0, 0},
    {"Short", file_of(10), 0, 0},
    {"LongWithTail", file_of(40), 0, 0},
    {"Pipe", [](auto d) { ::mkfifo((d / "data.dat").c_str(), 0644); }, not_ordinary, not_ordinary},
    {"Device", device("data.dat"), not_ordinary, not_ordinary},
    {"LinkToDevice", [](auto d) { device("null")(d), link_to("null")(d); }, not_ordinary, not_ordinary},
    {"Socket", socket_at, not_ordinary, not_ordinary},
    {"Folder", [](auto d) { fs::create_directory(d / "data.dat"); }, EISDIR, EISDIR},
    {"DanglingLink", link_to("real.dat"), ENOENT, 0},
    {"LiveLink", [](auto d) { put(d / "real.dat", 35), link_to("real.dat")(d); }, 0, 0},
    {"LinkLoop", link_to("data.dat"), ELOOP, ELOOP},
    {"HardLink", [](auto d) { put(d / "real.dat", 35), fs::create_hard_link(d / "real.dat", d / "data.dat"); }, 0, 0},
    {"OtherOwner", [](auto d) { put(d / "data.dat", 35, 0640), need(::chown((d / "data.dat").c_str(), 1234, 1234) == 0); }, 0, 0},
    {"Unreadable", file_of(35, 0), EACCES, EACCES, Where::As_Nobody},
    {"FolderTakesNoNewFile", [](auto d) { put(d / "data.dat", 35, 0666), ::chown((d / "data.dat").c_str(), 65534, 65534); }, 0, 0,
     Where::As_Nobody},
    {"FullDiskNewFile", nothing, ENOENT, ENOSPC, Where::Full_Disk},
    {"FullDiskRecord", file_of(35), 0, 0, Where::Full_Disk},
    {"ReadOnlyDisk", file_of(40), 0, EROFS, Where::Read_Only_Disk},
    {"FileSizeLimit", nothing, ENOENT, EFBIG, Where::Size_Limit},
    {"ReadAndWriteFail", link_to("/proc/self/mem"), EIO, EIO},
};

struct File_Outcome : testing::TestWithParam<Case> {
    void SetUp() override {
        testing::FLAGS_gtest_death_test_style = "fast";
        std::string pattern = (fs::temp_directory_path() / "plenk-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_P(File_Outcome, ReadAndSave) {
    EXPECT_EXIT(run_case(GetParam(), dir), [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 1; }, "");
}

INSTANTIATE_TEST_SUITE_P(Files, File_Outcome, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Bytes through read and write calls, and the peak of memory in KB.
std::pair<uint64_t, long> io_and_memory() {
    std::ifstream in("/proc/self/io");
    std::string key;
    uint64_t value = 0, io = 0;
    while (in >> key >> value) io += key == "rchar:" || key == "wchar:" ? value : 0;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return {io, usage.ru_maxrss};
}

// A save of a 4 GB sparse record file moves a few bytes, takes no memory to
// speak of (a copy of the tail fails under the limit at once), makes the file
// no denser and keeps its last byte.
[[noreturn]] void save_huge(const fs::path& file) {
    put(file, 35);
    fs::resize_file(file, uintmax_t{4} << 30);
    std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(-1, std::ios::end).put('Z');
#ifndef __SANITIZE_ADDRESS__
    const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
    struct stat before {}, after {};
    ::stat(file.c_str(), &before);
    const auto [io, memory] = io_and_memory();
    const bool saved = write_file_start(file.string(), record).empty();
    const auto [io_after, memory_after] = io_and_memory();
    ::stat(file.c_str(), &after);
    std::ifstream in(file, std::ios::binary);
    std::fprintf(stderr, "%llu bytes moved, %ld KB more", static_cast<unsigned long long>(io_after - io), memory_after - memory);
    ::_exit(saved && io_after - io < 65536 && memory_after - memory < 4096 && after.st_blocks <= before.st_blocks &&
                    get(file, 35) == record && in.seekg(-1, std::ios::end).get() == 'Z' ? 0 : 1);
}

TEST_F(File_Outcome, ASaveCostsTheSameForAFileOfAnyLength) {
    EXPECT_EXIT(save_huge(dir / "data.dat"), testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace plenk
