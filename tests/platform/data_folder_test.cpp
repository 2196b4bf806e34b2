#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

// Where the record lives, decided in a child process as an ordinary user
// (nobody), for whom permissions hold. The program's folder is nobody's to
// read only, the home folder nobody's to write.
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
    char load, save; // 'P' beside the program, 'U' in the user's folder, '-' none
    bool program_known = true;
};

void record(const fs::path& p, const fs::path&) { put(p / "data.dat"); }
void no_home(const fs::path&, const fs::path& h) { fs::remove(h), put(h); }

const Case cases[] = {
    {"NothingInAWritableFolder", [](auto p, auto) { ::chmod(p.c_str(), 0777); }, '-', 'P'},
    {"RecordInAWritableFolder", [](auto p, auto) { ::chmod(p.c_str(), 0777), put(p / "data.dat", 0666); }, 'P', 'P'},
    {"RecordInAReadOnlyFolder", record, 'P', 'U'},
    {"WritableRecordInAReadOnlyFolder", [](auto p, auto) { put(p / "data.dat", 0666); }, 'P', 'P'},
    {"RecordMovedEarlier", [](auto p, auto h) { record(p, h), fs::create_directories(h / "Plenk"), put(h / "Plenk/data.dat"); }, 'U', 'U'},
    {"NothingInAReadOnlyFolder", [](auto, auto) {}, '-', 'U'},
    {"NoUserFolderCanBeMade", no_home, '-', 'P'},
    {"RecordWhereNoUserFolderCanBeMade", [](auto p, auto h) { record(p, h), no_home(p, h); }, 'P', 'P'},
    {"ProgramFolderUnknown", [](auto, auto) {}, '-', 'U', false},
    {"PipeInAReadOnlyFolder", [](auto p, auto) { ::mkfifo((p / "data.dat").c_str(), 0644); }, 'P', 'P'},
    {"DanglingLinkToAWritableFolder", [](auto p, auto h) { fs::create_symlink(h / "rec.dat", p / "data.dat"); }, '-', 'P'},
};

struct Record_Location : testing::TestWithParam<Case> {
    void SetUp() override {
        testing::FLAGS_gtest_death_test_style = "fast";
        std::string pattern = (fs::temp_directory_path() / "plenk-place-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        program = fs::path(pattern) / "program", home = fs::path(pattern) / "home";
        fs::create_directory(program), fs::create_directory(home);
        ::chmod(pattern.c_str(), 0755), ::chmod(home.c_str(), 0777);
    }
    void TearDown() override { fs::remove_all(program.parent_path()); }
    fs::path program, home;
};

TEST_P(Record_Location, DependsOnWhatIsThere) {
    const Case& c = GetParam();
    c.make(program, home);
    auto where = [&](char place) { return place == '-' ? "" : ((place == 'P' ? program : home / "Plenk") / "data.dat").string(); };
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
            const Record_Place place = locate_record(c.program_known ? program.string() : "", (home / "Plenk").string());
            std::fprintf(stderr, "load from '%s', save to '%s'", place.load_from.c_str(), place.save_to.c_str());
            ::_exit(place.load_from == where(c.load) && place.save_to == where(c.save) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Places, Record_Location, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// An installed copy starts its record in the user's folder even when it may
// write beside itself, as root may.
TEST(Record_Location, OfANewRecordForAProgramInstalledUnderUsr) {
    const fs::path home = fs::temp_directory_path() / ("plenk-usr-" + std::to_string(::getpid()));
    const Record_Place place = locate_record("/usr/games", home.string());
    EXPECT_EQ(place.save_to, (home / "data.dat").string());
    EXPECT_FALSE(fs::exists("/usr/games/data.dat"));
    fs::remove_all(home);
}

// Only files named as a save names its temporary files are removed, beside
// the file a link leads to.
TEST(Stale_Temporaries, AreRemovedByTheirExactName) {
    const fs::path folder = fs::path(testing::TempDir()) / "plenk-stale";
    fs::create_directories(folder / "real/rec.dat.Ab12Cd");
    fs::create_symlink("real/rec.dat", folder / "data.dat");
    const std::pair<const char*, bool> names[] = {
        {"real/rec.dat.Xy12Zw", true},    {"real/rec.dat.zzzzzz", true},   {"real/rec.dat.bak", false},
        {"real/rec.dat.Ab12Cde", false},  {"real/rec.dat.Ab-2Cd", false},  {"real/other.dat.Ab12Cd", false},
        {"real/rec.datXAb12Cd", false},   {"data.dat.Ab12Cd", false},      {"real/rec.dat.Ab12Cd", false}};
    for (const auto& [name, removed] : names)
        if (!fs::exists(folder / name)) put(folder / name); // the last is a folder
    remove_stale_temporaries((folder / "data.dat").string());
    for (const auto& [name, removed] : names) EXPECT_EQ(fs::exists(folder / name), !removed) << name;
    fs::remove_all(folder);
}

} // namespace
} // namespace plenk
