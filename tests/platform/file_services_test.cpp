#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The record file service and where the record lives. Every case runs in a
// child process, so that it may take another user's identity (nobody, for whom
// permissions hold), a limit or a small file system of its own; a child that
// blocks is ended by its alarm. A case the machine cannot set up (no mknod, no
// mount) ends with `skipped`, which passes.
namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int skipped = 77;
constexpr int not_ordinary = -1;
const Bytes record(35, 'R');

// What a reader of an ordinary file sees; nothing where it cannot be read.
Bytes get(const fs::path& path) {
    std::error_code loop;
    std::ifstream in(fs::is_regular_file(path, loop) ? path : fs::path(), std::ios::binary);
    Bytes bytes(64);
    return bytes.resize(static_cast<std::size_t>(in.read(reinterpret_cast<char*>(bytes.data()), 64).gcount())), bytes;
}
void put(const fs::path& path, std::size_t size = 35, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary) << std::string(size, 'o');
    ::chmod(path.c_str(), mode);
}
void need(bool done) {
    if (!done) ::_exit(skipped);
}
// Dumpable, so that it still reads its own descriptors.
void become_nobody() { need(::setgid(65534) == 0 && ::setuid(65534) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0); }
std::string reason(int error) { return error == 0 ? "" : error == not_ordinary ? "not an ordinary file" : std::strerror(error); }
std::size_t descriptors() { return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {})); }
auto file_of(std::size_t size, mode_t mode = 0644) { return [=](const fs::path& d) { put(d / "data.dat", size, mode); }; }
auto link_to(const char* to) { return [=](const fs::path& d) { fs::create_symlink(to, d / "data.dat"); }; }
auto node(mode_t type, const char* name = "data.dat") {
    return [=](const fs::path& d) { need(::mknod((d / name).c_str(), type | 0666, makedev(1, 3)) == 0); };
}
void nothing(const fs::path&) {}

struct In_Temp_Folder : testing::Test {
    void SetUp() override {
        testing::FLAGS_gtest_death_test_style = "fast";
        std::string pattern = (fs::temp_directory_path() / "plenk-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    void in_child(const std::function<bool()>& passes) {
        auto status = [](int s) { return WIFEXITED(s) && (WEXITSTATUS(s) == 0 || WEXITSTATUS(s) == skipped); };
        EXPECT_EXIT((::alarm(10), ::_exit(passes() ? 0 : 1)), status, "");
    }
    fs::path dir;
};

enum class Where { Disk, Full_Disk, Read_Only_Disk, As_Nobody, Size_Limit };

// What stands at dir/data.dat; the errors of reading its first 35 bytes and of
// the save, 0 for none; where the child runs.
struct Case { const char* name; std::function<void(const fs::path& dir)> make; int read_error, write_error; Where where = Where::Disk; };

const Case cases[] = {
    {"Missing", nothing, ENOENT, 0},
    {"Record", file_of(35), 0, 0},
    {"Short", file_of(10), 0, 0},
    {"LongWithTail", file_of(40), 0, 0},
    {"Pipe", node(S_IFIFO), not_ordinary, not_ordinary},
    {"Device", node(S_IFCHR), not_ordinary, not_ordinary},
    {"LinkToDevice", [](auto d) { node(S_IFCHR, "null")(d), link_to("null")(d); }, not_ordinary, not_ordinary},
    {"Socket", node(S_IFSOCK), not_ordinary, not_ordinary},
    {"Folder", [](auto d) { fs::create_directory(d / "data.dat"); }, EISDIR, EISDIR},
    {"DanglingLink", link_to("real.dat"), ENOENT, 0},
    {"LiveLink", [](auto d) { put(d / "real.dat"), link_to("real.dat")(d); }, 0, 0},
    {"LinkLoop", link_to("data.dat"), ELOOP, ELOOP},
    {"HardLink", [](auto d) { put(d / "real.dat"), fs::create_hard_link(d / "real.dat", d / "data.dat"); }, 0, 0},
    {"OtherOwner", [](auto d) { put(d / "data.dat", 35, 0640), need(::chown((d / "data.dat").c_str(), 1234, 1234) == 0); }, 0, 0},
    {"Unreadable", file_of(35, 0), EACCES, EACCES, Where::As_Nobody},
    {"FolderTakesNoNewFile", [](auto d) { put(d / "data.dat", 35, 0666), ::chown((d / "data.dat").c_str(), 65534, 65534); }, 0, 0, Where::As_Nobody},
    {"FullDiskNewFile", nothing, ENOENT, ENOSPC, Where::Full_Disk},
    {"FullDiskRecord", file_of(35), 0, 0, Where::Full_Disk},
    {"ReadOnlyDisk", file_of(40), 0, EROFS, Where::Read_Only_Disk},
    {"FileSizeLimit", nothing, ENOENT, EFBIG, Where::Size_Limit},
    {"ReadAndWriteFail", link_to("/proc/self/mem"), EIO, EIO},
};

void prepare(const Case& c, const fs::path& dir) {
    if (c.where == Where::Full_Disk || c.where == Where::Read_Only_Disk)
        need(::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
             ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=8k") == 0);
    c.make(dir);
    if (c.where == Where::Full_Disk)
        for (std::ofstream filler(dir / "filler"); filler.put('x').flush();) {}
    if (c.where == Where::Read_Only_Disk) need(::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    if (c.where == Where::As_Nobody) need(::chmod(dir.c_str(), 0755) == 0), become_nobody();
    const rlimit ten_bytes{10, 10};
    if (c.where == Where::Size_Limit) std::signal(SIGXFSZ, SIG_IGN), ::setrlimit(RLIMIT_FSIZE, &ten_bytes);
}

struct File_Outcome : In_Temp_Folder, testing::WithParamInterface<Case> {};

// Read and save, then what the file, its name and the folder hold.
TEST_P(File_Outcome, ReadAndSave) {
    in_child([&, &c = GetParam(), file = dir / "data.dat"] {
        prepare(c, dir);
        auto kind = [&file] { // of the name; of the file: kind, mode, links, owner; zero where missing
            struct stat name {}, info {};
            ::lstat(file.c_str(), &name), ::stat(file.c_str(), &info);
            return std::tuple(name.st_mode & S_IFMT, info.st_mode, info.st_nlink, info.st_uid, info.st_gid);
        };
        const auto was = kind();
        const Bytes old = get(file);
        const std::size_t open_before = descriptors();
        const File_Read read = read_file_start(file.string(), 35);
        const std::string written = write_file_start(file.string(), record);
        const auto is = kind();
        Bytes expected = old;
        if (c.write_error == 0) expected.resize(std::max<std::size_t>(old.size(), 35)), std::copy(record.begin(), record.end(), expected.begin());
        std::string wrong;
        auto check = [&wrong](bool good, const std::string& what) { wrong += good ? "" : what + "; "; };
        check(read.ok == (c.read_error == 0) && read.reason == reason(c.read_error), "read: " + read.reason);
        check(read.bytes == (read.ok ? Bytes(old.begin(), old.begin() + std::min<long>(35, std::ssize(old))) : Bytes{}), "read other bytes");
        check(written == reason(c.write_error), "write: " + written);
        check(descriptors() == open_before, "a descriptor left open");
        check(get(file) == expected, "the file holds other bytes");
        const bool missing = std::get<1>(was) == 0, dangling = missing && std::get<0>(was) != 0;
        check(missing ? !dangling || std::get<0>(is) == std::get<0>(was) : is == was, "the name or its file changed kind, mode, links or owner");
        for (const auto& entry : fs::directory_iterator(dir)) check(entry.path().string().find(".dat.") == std::string::npos, "a temporary file left");
        std::fputs(wrong.c_str(), stderr);
        return wrong.empty();
    });
}

INSTANTIATE_TEST_SUITE_P(Files, File_Outcome, testing::ValuesIn(cases), [](const auto& info) { return std::string(info.param.name); });

// A save of a 4 GB sparse record file moves a few bytes, takes no memory to
// speak of (a copy of the tail fails under the limit at once), makes the file
// no denser and keeps its last byte.
TEST_F(In_Temp_Folder, ASaveCostsTheSameForAFileOfAnyLength) {
    in_child([file = dir / "data.dat"] {
        put(file);
        fs::resize_file(file, uintmax_t{4} << 30);
        std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).seekp(-1, std::ios::end).put('Z');
#ifndef __SANITIZE_ADDRESS__
        const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
        ::setrlimit(RLIMIT_AS, &limit);
#endif
        auto cost = [] { // bytes through read and write calls, and the peak of memory in KB
            std::ifstream in("/proc/self/io");
            uint64_t value = 0, io = 0;
            for (std::string key; in >> key >> value;) io += key == "rchar:" || key == "wchar:" ? value : 0;
            rusage usage{};
            return ::getrusage(RUSAGE_SELF, &usage), std::pair{io, usage.ru_maxrss};
        };
        struct stat before {}, after {};
        ::stat(file.c_str(), &before);
        const auto [io, memory] = cost();
        const bool saved = write_file_start(file.string(), record).empty();
        const auto [io_after, memory_after] = cost();
        ::stat(file.c_str(), &after);
        std::ifstream in(file, std::ios::binary);
        return saved && io_after - io < 65536 && memory_after - memory < 4096 && after.st_blocks <= before.st_blocks &&
               read_file_start(file.string(), 35).bytes == record && in.seekg(-1, std::ios::end).get() == 'Z';
    });
}

// Where the record lives, decided as nobody: the program's folder is nobody's
// to read only, the home folder nobody's to write.
// Where it is loaded from and saved to: 'P' beside the program, 'U' in the user's folder, '-' none.
struct Place_Case { const char* name; std::function<void(const fs::path& program, const fs::path& home)> make; char load, save; bool program_known = true; };

void beside(const fs::path& p, const fs::path&) { put(p / "data.dat"); }
void no_home(const fs::path&, const fs::path& h) { fs::remove(h), put(h); }

const Place_Case places[] = {
    {"NothingInAWritableFolder", [](auto p, auto) { ::chmod(p.c_str(), 0777); }, '-', 'P'},
    {"RecordInAWritableFolder", [](auto p, auto) { ::chmod(p.c_str(), 0777), put(p / "data.dat", 35, 0666); }, 'P', 'P'},
    {"RecordInAReadOnlyFolder", beside, 'P', 'U'},
    {"WritableRecordInAReadOnlyFolder", [](auto p, auto) { put(p / "data.dat", 35, 0666); }, 'P', 'P'},
    {"RecordMovedEarlier", [](auto p, auto h) { beside(p, h), fs::create_directories(h / "Plenk"), put(h / "Plenk/data.dat"); }, 'U', 'U'},
    {"NothingInAReadOnlyFolder", [](auto, auto) {}, '-', 'U'},
    {"NoUserFolderCanBeMade", no_home, '-', 'P'},
    {"RecordWhereNoUserFolderCanBeMade", [](auto p, auto h) { beside(p, h), no_home(p, h); }, 'P', 'P'},
    {"ProgramFolderUnknown", [](auto, auto) {}, '-', 'U', false},
    {"PipeInAReadOnlyFolder", [](auto p, auto) { ::mkfifo((p / "data.dat").c_str(), 0644); }, 'P', 'P'},
    {"DanglingLinkToAWritableFolder", [](auto p, auto h) { fs::create_symlink(h / "rec.dat", p / "data.dat"); }, '-', 'P'},
};

struct Record_Location : In_Temp_Folder, testing::WithParamInterface<Place_Case> {};

TEST_P(Record_Location, DependsOnWhatIsThere) {
    const fs::path program = dir / "program", home = dir / "home";
    fs::create_directory(program), fs::create_directory(home);
    ::chmod(dir.c_str(), 0755), ::chmod(home.c_str(), 0777);
    GetParam().make(program, home);
    auto where = [&](char place) { return place == '-' ? "" : ((place == 'P' ? program : home / "Plenk") / "data.dat").string(); };
    in_child([&, &c = GetParam()] {
        become_nobody();
        const Record_Place place = locate_record(c.program_known ? program.string() : "", (home / "Plenk").string());
        std::fprintf(stderr, "load from '%s', save to '%s'", place.load_from.c_str(), place.save_to.c_str());
        return place.load_from == where(c.load) && place.save_to == where(c.save);
    });
}

INSTANTIATE_TEST_SUITE_P(Places, Record_Location, testing::ValuesIn(places), [](const auto& info) { return std::string(info.param.name); });

// An installed copy starts its record in the user's folder even when it may
// write beside itself, as root may.
TEST_F(In_Temp_Folder, ANewRecordOfAProgramUnderUsrStartsInTheUserFolder) {
    EXPECT_EQ(locate_record("/usr/games", dir.string()).save_to, (dir / "data.dat").string());
}

// Only files named as a save names its temporary files are removed, beside
// the file a link leads to.
TEST_F(In_Temp_Folder, StaleTemporariesAreRemovedByTheirExactName) {
    fs::create_directories(dir / "real/rec.dat.Ab12Cd");
    fs::create_symlink("real/rec.dat", dir / "data.dat");
    const std::vector<std::string> removed = {"rec.dat.Xy12Zw", "rec.dat.zzzzzz"},
                                   kept = {"rec.dat.bak", "rec.dat.Ab12Cde", "rec.dat.Ab-2Cd", "other.dat.Ab12Cd", "rec.datXAb12Cd", "../data.dat.Ab12Cd"};
    for (const auto& names : {removed, kept})
        for (const std::string& name : names) put(dir / "real" / name);
    remove_stale_temporaries((dir / "data.dat").string());
    for (const std::string& name : removed) EXPECT_FALSE(fs::exists(dir / "real" / name)) << name;
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(dir / "real" / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / "real/rec.dat.Ab12Cd")); // named as one, but a folder
}

} // namespace
} // namespace plenk
