#include "platform/file_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class File_Services : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plenk-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    static void put(const fs::path& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A folder where the file should be, a parent that is a file, a missing
    // parent, each with the reason the system gives.
    std::vector<std::pair<fs::path, int>> paths_that_cannot_be_files() {
        fs::create_directory(folder / file);
        put(folder / "plain", {1});
        return {{folder / file, EISDIR}, {folder / "plain" / file, ENOTDIR}, {folder / "missing" / file, ENOENT}};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path folder;
    fs::path file = "data.dat";
};

TEST_F(File_Services, ExistsOnlyForOrdinaryFilesFollowingLinks) {
    put(folder / "plain", {1});
    fs::create_directory(folder / "sub");
    fs::create_symlink(folder / "plain", folder / "to_plain");
    fs::create_symlink(folder / "sub", folder / "to_sub");
    fs::create_symlink(folder / "gone", folder / "dangling");
    EXPECT_TRUE(File_Exists((folder / "plain").string()));
    EXPECT_TRUE(File_Exists((folder / "to_plain").string()));
    EXPECT_FALSE(File_Exists((folder / "sub").string()));
    EXPECT_FALSE(File_Exists((folder / "to_sub").string()));
    EXPECT_FALSE(File_Exists((folder / "dangling").string()));
    EXPECT_FALSE(File_Exists((folder / "missing").string()));
    EXPECT_FALSE(File_Exists(""));
}

TEST_F(File_Services, ReadsAtMostTheLengthAskedFor) {
    const fs::path path = folder / file;
    put(path, {1, 2, 3, 4, 5});
    File_Read read = read_file_start(path.string(), 3);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, (Bytes{1, 2, 3}));
    read = read_file_start(path.string(), 35);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, (Bytes{1, 2, 3, 4, 5}));
    put(path, {});
    read = read_file_start(path.string(), 35);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.bytes.empty());
}

TEST_F(File_Services, ReadFailuresGiveTheSystemsReason) {
    for (const auto& [path, error] : paths_that_cannot_be_files()) {
        const File_Read read = read_file_start(path.string(), 35);
        EXPECT_FALSE(read.ok) << path;
        EXPECT_TRUE(read.bytes.empty()) << path;
        EXPECT_EQ(read.reason, std::strerror(error)) << path;
    }
}

TEST_F(File_Services, WriteCreatesTheFileAndReplacesOnlyItsStart) {
    const fs::path path = folder / file;
    EXPECT_EQ(write_file_start(path.string(), {1, 2, 3}), "");
    EXPECT_EQ(get(path), (Bytes{1, 2, 3}));
    EXPECT_EQ(read_file_start(path.string(), 3).bytes, (Bytes{1, 2, 3}));

    put(path, {9, 9, 9, 9, 9, 7, 8});
    EXPECT_EQ(write_file_start(path.string(), {1, 2, 3}), "");
    EXPECT_EQ(get(path), (Bytes{1, 2, 3, 9, 9, 7, 8}));

    put(path, {9});
    EXPECT_EQ(write_file_start(path.string(), {1, 2, 3}), "");
    EXPECT_EQ(get(path), (Bytes{1, 2, 3}));
    EXPECT_EQ(entries(), 1u) << "a temporary file was left behind";
}

TEST_F(File_Services, WriteKeepsTheFilesPermissionsAndLinks) {
    const fs::path target = folder / "real.dat";
    const fs::path link = folder / file;
    put(target, {0, 0, 0, 5});
    ::chmod(target.c_str(), 0600);
    EXPECT_EQ(write_file_start(target.string(), {3}), "");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    fs::create_symlink(target, link);
    EXPECT_EQ(write_file_start(link.string(), {1, 2}), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(get(target), (Bytes{1, 2, 0, 5}));
}

TEST_F(File_Services, WriteFailuresGiveTheSystemsReasonAndLeaveNothing) {
    for (const auto& [path, error] : paths_that_cannot_be_files()) {
        EXPECT_EQ(write_file_start(path.string(), {1, 2, 3}), std::strerror(error)) << path;
    }
    EXPECT_TRUE(fs::is_directory(folder / file));
    EXPECT_EQ(get(folder / "plain"), (Bytes{1}));
    EXPECT_EQ(entries(), 2u);
}

TEST_F(File_Services, AFolderThatTakesNoNewFileIsWrittenInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may create files in any folder";
    const fs::path path = folder / file;
    put(path, {9, 9, 9, 7});
    ::chmod(folder.c_str(), 0500);
    const std::string reason = write_file_start(path.string(), {1, 2});
    ::chmod(folder.c_str(), 0700);
    EXPECT_EQ(reason, "");
    EXPECT_EQ(get(path), (Bytes{1, 2, 9, 7}));
}

} // namespace
} // namespace plenk
