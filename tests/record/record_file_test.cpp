#include "record/record_file.h"

#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace plenk {
namespace {

namespace fs = std::filesystem;
using Kind = Platform_Call::Kind;

std::vector<uint8_t> bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> record_bytes(const std::string& name, std::array<int16_t, 5> counts) {
    return encode_record(Player_Record{make_player_name(name), counts});
}

class Record_File : public testing::Test {
protected:
    void SetUp() override { rec.data_file = file.string(); }

    std::vector<Platform_Call> boxes() const { return os.calls_of(Kind::Message_Box); }

    // Loads the file into a second record, as the next start of the program would.
    Player_Record reloaded() {
        Record_State other;
        open_file(os, other, file.string());
        return other.player_rec;
    }

    Headless_Platform os;
    fs::path folder = os.program_folder();
    fs::path file = folder / "data.dat";
    Record_State rec;
};

TEST_F(Record_File, FirstStartWritesTheNamedRecordAtOnce) {
    os.answer_next_input("Ann");
    reset_record(os, rec);
    EXPECT_EQ(bytes_of(file), record_bytes("Ann", {}));
    const auto prompts = os.calls_of(Kind::Input_Box);
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].text, "Input Player Name:");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Record_File, AnEmptyAnswerGivesNoNameButSpacesStayAName) {
    os.answer_next_input(""); // also what a cancelled prompt answers
    reset_record(os, rec);
    EXPECT_EQ(reloaded().player_name, make_player_name("No Name"));
    os.answer_next_input("   ");
    reset_record(os, rec);
    EXPECT_EQ(reloaded().player_name, make_player_name(""));
}

TEST_F(Record_File, ResetClearsCounters1To4AndKeepsCounter0) {
    write_bytes(file, record_bytes("Old", {0x1234, 5, 6, 7, 8}));
    open_file(os, rec, file.string());
    os.answer_next_input("Łukasz");
    reset_record(os, rec);
    EXPECT_EQ(rec.player_rec.rank_count, (std::array<int16_t, 5>{0x1234, 0, 0, 0, 0}));
    EXPECT_EQ(bytes_of(file), record_bytes("?ukasz", {0x1234, 0, 0, 0, 0}));
}

TEST_F(Record_File, WhatIsSavedLoadsBackUnchanged) {
    const std::vector<uint8_t> stored = record_bytes("Zoë", {-7, 1, 32767, -32768, 12});
    write_bytes(file, stored);
    open_file(os, rec, file.string());
    EXPECT_EQ(encode_record(rec.player_rec), stored);
    raise_count(rec.player_rec.rank_count[4]);
    save_file(os, rec, rec.data_file);
    EXPECT_EQ(bytes_of(file), record_bytes("Zoë", {-7, 1, 32767, -32768, 13}));
    EXPECT_EQ(reloaded().rank_count, rec.player_rec.rank_count);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Record_File, BytesAfterTheRecordSurviveEverySave) {
    std::vector<uint8_t> stored = record_bytes("Ann", {});
    const std::vector<uint8_t> tail = {'T', 'A', 'I', 'L', 0};
    stored.insert(stored.end(), tail.begin(), tail.end());
    write_bytes(file, stored);
    open_file(os, rec, file.string());
    for (int game = 0; game < 3; ++game) {
        raise_count(rec.player_rec.rank_count[1]);
        save_file(os, rec, rec.data_file);
    }
    std::vector<uint8_t> expected = record_bytes("Ann", {0, 3, 0, 0, 0});
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(bytes_of(file), expected);
}

TEST_F(Record_File, AShortFileLoadsWhatItHasAndIsLeftUntilTheNextSave) {
    const std::vector<uint8_t> ten = {'B', 'o', 'b', 'b', 'y', '1', '2', '3', '4', '5'};
    write_bytes(file, ten);
    open_file(os, rec, file.string());
    EXPECT_EQ(rec.player_rec.player_name, make_player_name("Bobby12345"));
    EXPECT_EQ(rec.player_rec.rank_count, (std::array<int16_t, 5>{}));
    EXPECT_EQ(bytes_of(file), ten);
    save_file(os, rec, rec.data_file);
    EXPECT_EQ(bytes_of(file), record_bytes("Bobby12345", {}));
}

TEST_F(Record_File, AFileDeletedWhileRunningIsCreatedByTheNextSave) {
    os.answer_next_input("Ann");
    reset_record(os, rec);
    fs::remove(file);
    raise_count(rec.player_rec.rank_count[2]);
    save_file(os, rec, rec.data_file);
    EXPECT_EQ(bytes_of(file), record_bytes("Ann", {0, 0, 1, 0, 0}));
}

TEST_F(Record_File, AFailedSaveIsToldOnceKeepsTheRecordAndIsTriedAgain) {
    fs::create_directory(file);
    rec.player_rec = Player_Record{make_player_name("Ann"), {0, 1, 2, 3, 4}};
    const Player_Record before = rec.player_rec;
    os.answer_next_box(Box_Answer::Ok);
    save_file(os, rec, rec.data_file);
    ASSERT_EQ(boxes().size(), 1u);
    const Platform_Call box = boxes()[0];
    EXPECT_EQ(box.title, "Plenk");
    EXPECT_EQ(box.args[0], static_cast<int32_t>(Box_Icon::Warning));
    EXPECT_EQ(box.args[1], static_cast<int32_t>(Box_Buttons::Ok));
    EXPECT_NE(box.text.find(file.string()), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(std::strerror(EISDIR)), std::string::npos) << box.text;
    EXPECT_EQ(encode_record(rec.player_rec), encode_record(before));
    EXPECT_TRUE(fs::is_directory(file));

    fs::remove(file);
    save_file(os, rec, rec.data_file); // no answer queued: a second box would throw
    EXPECT_EQ(bytes_of(file), encode_record(before));
}

TEST_F(Record_File, ASaveUnderARegularFileFailsWithTheSystemsReason) {
    write_bytes(folder / "plain", {1, 2, 3});
    rec.data_file = (folder / "plain" / "data.dat").string();
    os.answer_next_box(Box_Answer::Ok);
    save_file(os, rec, rec.data_file);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find(std::strerror(ENOTDIR)), std::string::npos) << boxes()[0].text;
    EXPECT_EQ(bytes_of(folder / "plain"), (std::vector<uint8_t>{1, 2, 3}));
}

// Stands for a data.dat that is there but whose read fails, as a damaged
// disk would; running as root, permissions cannot make a file unreadable.
class Unreadable_Platform : public Headless_Platform {
public:
    File_Read read_record_file(const std::string&, std::size_t) override {
        return {false, {}, std::strerror(EIO)};
    }
};

TEST(Unreadable_Record_File, IsToldAndNeverOverwrittenInThatRun) {
    Unreadable_Platform os;
    const fs::path file = fs::path(os.program_folder()) / "data.dat";
    std::vector<uint8_t> stored = record_bytes("Keep Me", {1, 2, 3, 4, 5});
    stored.push_back('!');
    write_bytes(file, stored);
    Record_State rec;
    rec.data_file = file.string();

    os.answer_next_box(Box_Answer::Ok);
    open_file(os, rec, rec.data_file);
    const auto boxes = os.calls_of(Kind::Message_Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args[0], static_cast<int32_t>(Box_Icon::Warning));
    for (const std::string& part : {file.string(), std::string(std::strerror(EIO)),
                                    std::string("memory"), std::string("left as it is")}) {
        EXPECT_NE(boxes[0].text.find(part), std::string::npos) << part << " in " << boxes[0].text;
    }
    EXPECT_EQ(encode_record(rec.player_rec), record_bytes("No Name", {}));

    raise_count(rec.player_rec.rank_count[1]);
    save_file(os, rec, rec.data_file);
    os.answer_next_input("Eve");
    reset_record(os, rec);
    EXPECT_EQ(bytes_of(file), stored);
    EXPECT_EQ(os.calls_of(Kind::Message_Box).size(), 1u);
}

TEST_F(Record_File, AFolderInPlaceOfTheFileLoadsAsNoName) {
    fs::create_directory(file);
    os.answer_next_box(Box_Answer::Ok);
    open_file(os, rec, file.string());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find(std::strerror(EISDIR)), std::string::npos) << boxes()[0].text;
    EXPECT_EQ(rec.player_rec.player_name, make_player_name("No Name"));
    EXPECT_TRUE(rec.data_file_unreadable);
}

TEST_F(Record_File, StatisticsBoxShowsTheRecordAsHeld) {
    rec.player_rec = Player_Record{make_player_name("Ann"), {0, 0, 2, 1, 3}};
    os.answer_next_box(Box_Answer::Ok);
    show_human_stat(os, rec);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, stat_text(rec.player_rec));
    EXPECT_EQ(boxes()[0].title, "Winning Stroke");
    EXPECT_EQ(boxes()[0].args[0], static_cast<int32_t>(Box_Icon::Information));
    EXPECT_EQ(boxes()[0].args[1], static_cast<int32_t>(Box_Buttons::Ok));
}

} // namespace
} // namespace plenk
