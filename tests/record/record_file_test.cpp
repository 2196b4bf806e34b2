#include "record/record_file.h"

#include "platform/file_services.h"
#include "tests/support/headless_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace plenk {
namespace {

// A program folder that takes no new file: the record found there is saved
// in the user's folder from then on, and the player is told where. (The
// loads and saves a scenario can stand up are in tests/scenarios.)
struct Moved_Platform : Headless_Platform {
    Record_Place place;
    Record_Place record_place() override { return place; }
};

TEST(Record_File, ARecordThatCannotBeWrittenWhereItIsMovesAndTheOldFileStays) {
    Moved_Platform os;
    const std::string file = os.program_folder() + "/data.dat", moved = file + ".d/data.dat";
    std::filesystem::create_directory(file + ".d");
    os.place = {file, moved};
    std::vector<uint8_t> stored = encode_record({make_player_name("Mia"), {1, 2, 3, 4, 5}});
    std::ofstream(file, std::ios::binary) << std::string(stored.begin(), stored.end()) << '!';
    os.answer_next_box(Box_Answer::Ok);
    Record_State rec;
    load_record(os, rec);
    EXPECT_EQ(rec.data_file, moved);
    EXPECT_EQ(read_file_start(moved, 100).bytes, stored);
    const auto boxes = os.calls_of(Platform_Call::Kind::Message_Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("now on it lives in \"" + moved), std::string::npos);
    EXPECT_EQ(boxes[0].args[0], static_cast<int32_t>(Box_Icon::Warning));
    ++rec.player_rec.rank_count[1]; // a later save goes to the new file alone
    save_file(os, rec, rec.data_file);
    stored.push_back('!');
    EXPECT_EQ(read_file_start(file, 100).bytes, stored);
}

} // namespace
} // namespace plenk
