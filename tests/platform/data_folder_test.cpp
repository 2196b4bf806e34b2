#include "platform/file_services.h"
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace plenk {
namespace {

namespace fs = std::filesystem;

// /proc takes no new file, not even from root, so it stands for the folder of
// an installed copy without relying on permissions.
constexpr const char* unwritable = "/proc";

struct Data_Folder : ::testing::Test {
    Headless_Platform os; // for its temporary folder
    std::string program = os.program_folder();
    std::string user = os.program_folder() + "/home/.local/share/Plenk";
};

TEST_F(Data_Folder, AWritableProgramFolderKeepsTheRecord) {
    EXPECT_TRUE(folder_takes_new_files(program));
    EXPECT_EQ(choose_data_folder(program, user), program);
    EXPECT_FALSE(fs::exists(user));
    // The probe leaves nothing behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 0);
}

TEST_F(Data_Folder, AnUnwritableProgramFolderFallsBackToTheUserFolderMadeAnew) {
    EXPECT_FALSE(folder_takes_new_files(unwritable));
    EXPECT_EQ(choose_data_folder(unwritable, user), user);
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_TRUE(folder_takes_new_files(user));
}

TEST_F(Data_Folder, WhereNoUserFolderCanBeMadeTheProgramFolderIsKept) {
    std::ofstream(program + "/home") << "a file where the folder should be";
    EXPECT_EQ(choose_data_folder(unwritable, user), unwritable);
}

} // namespace
} // namespace plenk
