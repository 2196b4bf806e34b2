#include "record/record_file.h"

#include "platform/file_services.h"
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

namespace plenk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Make = std::function<void(const fs::path &file)>;

Bytes bytes_of(const fs::path &path) {
    return read_file_start(path.string(), 100).bytes;
}
void put(const fs::path &path, const Bytes &bytes) {
    std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
}
Bytes record_of(const std::string &name, std::array<int16_t, 5> counts = {},
                const std::string &tail = "") {
    Bytes b = encode_record(Player_Record{make_player_name(name), counts});
    return b.insert(b.end(), tail.begin(), tail.end()), b;
}

// A platform whose record place a row may set, standing for a program folder
// that takes no new file. A box that comes unanswered fails the test.
struct Placed_Platform : Headless_Platform {
    Record_Place place;
    Record_Place record_place() override {
        return place.save_to.empty() ? Headless_Platform::record_place() : place;
    }
};

struct Record_File : testing::Test {
    void expect_told(const std::vector<std::string> &parts) {
        const std::vector<Platform_Call> boxes = os.calls_of(Platform_Call::Kind::Message_Box);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(std::pair(boxes[0].title, boxes[0].args[0]),
                  std::pair(std::string("Plenk"), static_cast<int32_t>(Box_Icon::Warning)));
        for (const std::string &part : parts)
            EXPECT_NE(boxes[0].text.find(part), std::string::npos) << part;
    }
    Placed_Platform os;
    fs::path folder = os.program_folder(), file = folder / "data.dat",
             moved = folder / "user" / "data.dat";
    Record_State rec;
};

// What stands at the file; the answer typed at the name prompt (none when no
// prompt may come); the name in memory after the start; part of the one
// warning box (none when no box may come); whether the record cannot be
// written where it is.
struct Start_Case {
    const char *name;
    Make make;
    const char *answer, *loaded, *told;
    bool moves = false;
};

const Start_Case start_cases[] = {
    {"FirstStart", [](auto) {}, "Ann", "Ann", nullptr},
    {"EmptyAnswer", [](auto) {}, "", "No Name", nullptr},
    {"AnswerOfSpaces", [](auto) {}, "   ", "", nullptr},
    {"Record",
     [](auto f) {
         put(f, record_of("Zoë", {-7, 1, 32767, -32768, 12}, "TAIL"));
     },
     nullptr, "Zoë", nullptr},
    {"ShortRecord",
     [](auto f) {
         put(f, {'B', 'o', 'b', 'b', 'y', '1'});
     },
     nullptr, "Bobby1", nullptr},
    {"Pipe", [](auto f) { ::mkfifo(f.c_str(), 0644); }, nullptr, "No Name",
     "(not an ordinary file)"},
    {"Folder", [](auto f) { fs::create_directory(f); }, nullptr, "No Name", std::strerror(EISDIR)},
    {"RecordThatCannotBeWritten",
     [](auto f) {
         put(f, record_of("Mia", {1, 2, 3, 4, 5}, "!"));
     },
     nullptr, "Mia", "From now on it lives in", true},
};

struct Start : Record_File, testing::WithParamInterface<Start_Case> {};

// At start the record is loaded, or created from a name when there is none;
// a file that cannot be read is told of and then never written in that run.
TEST_P(Start, LoadsOrCreatesTheRecord) {
    const Start_Case &c = GetParam();
    c.make(file);
    if (c.moves)
        os.place = {file.string(), moved.string()}, fs::create_directory(moved.parent_path());
    if (c.answer != nullptr)
        os.answer_next_input(c.answer);
    if (c.told != nullptr)
        os.answer_next_box(Box_Answer::Ok);
    const Bytes stored = bytes_of(file);
    load_record(os, rec);
    EXPECT_EQ(rec.player_rec.player_name, make_player_name(c.loaded));
    EXPECT_EQ(rec.data_file, (c.moves ? moved : file).string());
    if (c.answer != nullptr || c.moves) {
        EXPECT_EQ(bytes_of(rec.data_file), encode_record(rec.player_rec));
    }
    if (stored.size() >= record_length) {
        EXPECT_EQ(encode_record(rec.player_rec), Bytes(stored.begin(), stored.begin() + 35));
    }
    if (c.told == nullptr)
        return;
    expect_told({c.told, c.moves ? moved.string() : file.string()});
    // Later saves and resets leave the file that was told of as it was.
    save_file(os, rec, rec.data_file);
    os.answer_next_input("Eve");
    reset_record(os, rec);
    EXPECT_EQ(bytes_of(file), stored);
}

INSTANTIATE_TEST_SUITE_P(Records, Start, testing::ValuesIn(start_cases),
                         [](const auto &info) { return std::string(info.param.name); });

// What is done to the file while the game runs; the save's error, 0 for none.
struct Save_Case {
    const char *name;
    Make change;
    int error;
};

const Save_Case save_cases[] = {
    {"KeepsTheTail", [](auto) {}, 0},
    {"RecreatesADeletedFile", [](auto f) { fs::remove(f); }, 0},
    {"CompletesAShortenedFile", [](auto f) { fs::resize_file(f, 10); }, 0},
    {"FolderPutInItsPlace", [](auto f) { fs::remove(f), fs::create_directory(f); }, EISDIR},
    {"FolderMadeAFile", [](auto f) { fs::remove_all(f.parent_path()), put(f.parent_path(), {1}); },
     ENOTDIR},
};

struct Save : Record_File, testing::WithParamInterface<Save_Case> {};

// A save writes the record over the file's first 35 bytes; a failure is told,
// the record stays in memory, and the next save tries again.
TEST_P(Save, WritesTheRecordOrTellsWhy) {
    const Save_Case &c = GetParam();
    put(file, record_of("Ann", {0x1234, 1, 2, 3, 4}, "TAIL!"));
    load_record(os, rec);
    raise_count(rec.player_rec.rank_count[1]);
    c.change(file);
    Bytes expected = bytes_of(file);
    const Bytes saved = encode_record(rec.player_rec);
    expected.resize(std::max<std::size_t>(expected.size(), record_length)),
        std::copy(saved.begin(), saved.end(), expected.begin());
    if (c.error != 0)
        os.answer_next_box(Box_Answer::Ok);
    save_file(os, rec, rec.data_file);
    if (c.error == 0) {
        EXPECT_EQ(bytes_of(file), expected);
        return;
    }
    expect_told({file.string(), std::strerror(c.error), "next save will try again"});
    fs::remove_all(folder), fs::create_directory(folder);
    save_file(os, rec, rec.data_file);
    EXPECT_EQ(bytes_of(file), saved);
}

INSTANTIATE_TEST_SUITE_P(Records, Save, testing::ValuesIn(save_cases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace plenk
