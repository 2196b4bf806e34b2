#include "record/record_file.h"

#include "platform/file_services.h"
#include "tests/support/headless_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace plenk {
namespace {

namespace fs = std::filesystem;

// A program folder that takes no new file: the record found there is saved
// in the user's folder from then on, and the player is told where. (The
// loads and saves a scenario can stand up are in tests/scenarios.)
struct Moved_Platform : Headless_Platform {
    Record_Place place;
    Record_Place record_place() override { return place; }
};

TEST(Record_File, ARecordThatCannotBeWrittenWhereItIsMovesAndTheOldFileStays) {
    Moved_Platform os;
    const fs::path file = fs::path(os.program_folder()) / "data.dat";
    const fs::path moved = fs::path(os.program_folder()) / "user" / "data.dat";
    fs::create_directory(moved.parent_path());
    os.place = {file.string(), moved.string()};
    std::vector<uint8_t> stored = encode_record({make_player_name("Mia"), {1, 2, 3, 4, 5}});
    stored.push_back('!');
    std::ofstream(file, std::ios::binary) << std::string(stored.begin(), stored.end());
    os.answer_next_box(Box_Answer::Ok);
    Record_State rec;
    load_record(os, rec);
    EXPECT_EQ(rec.data_file, moved.string());
    EXPECT_EQ(read_file_start(moved.string(), 100).bytes,
              std::vector<uint8_t>(stored.begin(), stored.begin() + record_length));
    const auto boxes = os.calls_of(Platform_Call::Kind::Message_Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("now on it lives in \"" + moved.string()), std::string::npos);
    EXPECT_EQ(boxes[0].args[0], static_cast<int32_t>(Box_Icon::Warning));
    save_file(os, rec, rec.data_file);
    EXPECT_EQ(read_file_start(file.string(), 100).bytes, stored);
}

} // namespace
} // namespace plenk
