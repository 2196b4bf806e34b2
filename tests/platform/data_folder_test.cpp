#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

// Where the record lives, decided as an ordinary user (nobody), for whom
// permissions hold, in a child process.
namespace plenk {
namespace {

namespace fs = std::filesystem;

void put(const fs::path& path, mode_t mode = 0644) {
    std::ofstream(path) << "a record";
    ::chmod(path.c_str(), mode);
}

struct Case {
    const char* name;
    std::function<void(const fs::path& program, const fs::path& home)> make;
    char load; // 'P' beside the program, 'U' in the user's folder, '-' none
    char save;
    bool program_known = true;
};

void writable(const fs::path& p, const fs::path&) { ::chmod(p.c_str(), 0777); }
void read_only_record(const fs::path& p, const fs::path&) { put(p / "data.dat"); }
void no_home(const fs::path&, const fs::path& h) { fs::remove(h), put(h); }

const Case cases[] = {
    {"NothingInAWritableFolder", writable, '-', 'P'},
    {"RecordInAWritableFolder", [](auto p, auto h) { writable(p, h), put(p / "data.dat", 0666); }, 'P', 'P'},
    {"RecordInAReadOnlyFolder", read_only_record, 'P', 'U'},
    {"WritableRecordInAReadOnlyFolder", [](auto p, auto) { put(p / "data.dat", 0666); }, 'P', 'P'},
    {"RecordMovedEarlier", [](auto p, auto h) { read_only_record(p, h), fs::create_directories(h / "share/Plenk"), put(h / "share/Plenk/data.dat"); }, 'U', 'U'},
    {"NothingInAReadOnlyFolder", [](auto, auto) {}, '-', 'U'},
    {"NoUserFolderCanBeMade", no_home, '-', 'P'},
    {"RecordWhereNoUserFolderCanBeMade", [](auto p, auto h) { read_only_record(p, h), no_home(p, h); }, 'P', 'P'},
    {"ProgramFolderUnknown", [](auto, auto) {}, '-', 'U', false},
    {"PipeInAReadOnlyFolder", [](auto p, auto) { ::mkfifo((p / "data.dat").c_str(), 0644); }, 'P', 'P'},
    {"DanglingLinkToAWritableFolder", [](auto p, auto h) { fs::create_symlink(h / "rec.dat", p / "data.dat"); }, '-', 'P'},
};

struct Record_Location : testing::TestWithParam<Case> {
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plenk-place-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        program = root / "program";
        home = root / "home";
        fs::create_directory(program);
        fs::create_directory(home);
        ::chmod(root.c_str(), 0755);
        ::chmod(home.c_str(), 0777);
        testing::FLAGS_gtest_death_test_style = "fast";
    }
    void TearDown() override { fs::remove_all(root); }
    std::string where(char place) const {
        return place == 'P' ? (program / "data.dat").string() : place == 'U' ? (home / "share/Plenk/data.dat").string() : "";
    }
    fs::path root, program, home;
};

TEST_P(Record_Location, DependsOnWhatIsThere) {
    const Case& c = GetParam();
    c.make(program, home);
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
            const Record_Place place =
                locate_record(c.program_known ? program.string() : "", (home / "share/Plenk").string());
            std::fprintf(stderr, "load from '%s', save to '%s'\n", place.load_from.c_str(), place.save_to.c_str());
            ::_exit(place.load_from == where(c.load) && place.save_to == where(c.save) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Places, Record_Location, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Only files named as a save names its temporary files are removed, beside
// the file a link leads to.
TEST(Stale_Temporaries, AreRemovedByTheirExactName) {
    const fs::path folder = fs::path(testing::TempDir()) / "plenk-stale";
    fs::create_directories(folder / "real");
    fs::create_symlink("real/rec.dat", folder / "data.dat");
    const std::pair<const char*, bool> names[] = {
        {"real/rec.dat.Ab12Cd", true}, {"real/rec.dat.zzzzzz", true}, {"real/rec.dat.bak", false},
        {"real/rec.dat.Ab12Cde", false}, {"real/rec.dat.Ab-2Cd", false}, {"real/other.dat.Ab12Cd", false},
        {"real/rec.datXAb12Cd", false}, {"data.dat.Ab12Cd", false}};
    for (const auto& [name, removed] : names) put(folder / name);
    fs::create_directory(folder / "real/rec.dat.Folder");
    remove_stale_temporaries((folder / "data.dat").string());
    for (const auto& [name, removed] : names) EXPECT_EQ(fs::exists(folder / name), !removed) << name;
    EXPECT_TRUE(fs::is_directory(folder / "real/rec.dat.Folder"));
    fs::remove_all(folder);
}

} // namespace
} // namespace plenk
