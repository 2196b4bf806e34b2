#include "game/hand.h"
#include "game/human_selection.h"
#include "platform/file_services.h"
#include "platform/headless_platform.h"
#include "record/player_record.h"
#include "ui/form1.h"

#include "ui/table_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

void write_file(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_file(const std::string &path) {
    const File_Read f = read_file_start(path, 1000);
    return {f.bytes.begin(), f.bytes.end()};
}

const std::string jpeg = "\xFF\xD8\xFF\xE0 a picture";

struct Window : ::testing::Test {
    Headless_Platform os;
    Form1 form{os};
    Game_State &g = form.state();
    std::string data_file = os.program_folder() + "/data.dat";
    std::string picture = os.program_folder() + "/table01.jpg";

    // Deals until the human may play, and returns the x of a card it may play.
    float deal_until_human_can_play() {
        for (uint64_t seed = 1; g.game_over == flag_true || g.turn_seat != 0; ++seed) {
            os.seed(seed);
            form.gm_submnu_Click(0);
        }
        int16_t j = 0;
        while (!human_may_play_slot(g, j))
            ++j;
        return static_cast<float>(stack_rect(g, 0).x + 15 * j +
                                  (j == Card_Empty_Slot(g, 0) - 1 ? 30 : 2));
    }
};

TEST(Start, LoadsTheRecordOrAsksForANameAndTriesThePicture) {
    struct Row {
        const char *why;
        bool record;
        const char *picture /* table01.jpg, none when null */;
        bool asked, blue_sky;
    };
    const Row rows[] = {{"a first start", false, nullptr, true, false},
                        {"a record and a picture", true, jpeg.c_str(), false, true},
                        {"a file that is no picture", true, "not a picture", false, false}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        Headless_Platform os;
        Form1 form(os);
        const std::string folder = os.program_folder();
        const auto bytes = encode_record({make_player_name("Bea"), {9, 1, 2, 3, 4}});
        if (r.record)
            write_file(folder + "/data.dat", {bytes.begin(), bytes.end()});
        if (r.picture)
            write_file(folder + "/table01.jpg", r.picture);
        if (r.asked)
            os.answer_next_input("Ann");
        form.Form_Load();
        EXPECT_EQ(os.calls_of(Kind::Input_Box).size(), r.asked ? 1u : 0u);
        EXPECT_EQ(read_file(folder + "/data.dat").substr(0, 3), r.asked ? "Ann" : "Bea");
        EXPECT_EQ(form.record().player_rec.rank_count[4], r.asked ? 0 : 4);
        EXPECT_EQ(os.background(), r.blue_sky ? folder + "/table01.jpg" : "");
        EXPECT_EQ(
            std::pair(os.is_checked(Table_Item::Default), os.is_checked(Table_Item::Blue_Sky)),
            std::pair(false, r.blue_sky));
        EXPECT_EQ(std::pair(form.state().card_w, form.state().card_h), std::pair(71, 96));
        EXPECT_EQ(form.state().game_over, flag_true);
        EXPECT_TRUE(os.calls_of(Kind::Draw).empty());
    }
}

TEST_F(Window, TheTableMenuSwitchesBackgroundsAndRepaintsARunningGame) {
    write_file(picture, jpeg);
    os.answer_next_input("Ann");
    form.Form_Load();
    deal_until_human_can_play();
    struct Row {
        int16_t item;
        bool remove_picture, is_default, blue_sky;
        std::size_t repaints;
    };
    // A checked item chosen again does nothing; a missing picture unchecks both.
    const Row rows[] = {{0, false, true, false, 1},  {0, false, true, false, 0},
                        {1, false, false, true, 1},  {0, true, true, false, 1},
                        {1, false, false, false, 1}, {2, false, false, false, 0}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.item);
        if (r.remove_picture)
            std::filesystem::remove(picture);
        os.clear_log();
        form.tbl_submnu_Click(r.item);
        EXPECT_EQ(
            std::pair(os.is_checked(Table_Item::Default), os.is_checked(Table_Item::Blue_Sky)),
            std::pair(r.is_default, r.blue_sky));
        EXPECT_EQ(os.background(), r.blue_sky ? picture : "");
        EXPECT_EQ(os.calls_of(Kind::Refresh).size(), r.repaints);
    }
}

TEST_F(Window, GameMenuCommands) {
    os.answer_next_input("Ann");
    form.Form_Load();
    form.record().player_rec.rank_count = {7, 1, 2, 3, 4};
    os.answer_next_box(Box_Answer::Ok);
    form.gm_submnu_Click(1);
    EXPECT_EQ(os.calls_of(Kind::Message_Box).at(0).title, "Winning Stroke");
    EXPECT_NE(os.calls_of(Kind::Message_Box).at(0).text.find("Rank 3: 3 times"), std::string::npos);
    for (Box_Answer answer : {Box_Answer::No, Box_Answer::Yes}) {
        os.clear_log();
        os.answer_next_box(answer);
        if (answer == Box_Answer::Yes)
            os.answer_next_input("Cy");
        form.gm_submnu_Click(2);
        const Platform_Call box = os.calls_of(Kind::Message_Box).at(0);
        EXPECT_EQ(box.text + "|" + box.title,
                  "This will reset previous name and record. Continue?|Confirm Reset");
        EXPECT_EQ(form.record().player_rec.rank_count[1], answer == Box_Answer::Yes ? 0 : 1);
    }
    EXPECT_EQ(form.record().player_rec.rank_count, (std::array<int16_t, 5>{7, 0, 0, 0, 0}));
    EXPECT_EQ(read_file(data_file).substr(0, 3), "Cy ");
    os.clear_log();
    form.gm_submnu_Click(3); // the separator
    EXPECT_TRUE(os.calls().empty());

    // Deal during a game starts afresh and leaves the record alone.
    deal_until_human_can_play();
    g.seat[1].finished = flag_true;
    g.finish_count = 1;
    const std::string file = read_file(data_file);
    os.seed(4242);
    form.gm_submnu_Click(0);
    EXPECT_EQ(std::pair(g.finish_count, g.seat[1].finished), std::pair(int16_t{0}, flag_false));
    EXPECT_EQ(read_file(data_file), file);
    EXPECT_THROW(form.Form_Unload(), Program_Ended);
}

// What each command does while the human's card slides to the table.
TEST_F(Window, CommandsDuringASlide) {
    write_file(picture, jpeg);
    os.answer_next_input("Ann");
    form.Form_Load();
    struct Row {
        const char *command;
        std::function<void(Form1 &)> give;
        bool ends;
        std::size_t repaints = 0;
    };
    const Row rows[] = {
        {"Deal, Show Rank and Reset Record are refused (a box would throw)",
         [](Form1 &f) { f.gm_submnu_Click(0), f.gm_submnu_Click(1), f.gm_submnu_Click(2); }, false},
        {"Default repaints between two frames", [](Form1 &f) { f.tbl_submnu_Click(0); }, false, 1},
        {"How to Play holds the play until it is closed", [](Form1 &f) { f.Help_submnu_Click(); },
         false},
        {"Exit ends the program at once", [](Form1 &f) { f.gm_submnu_Click(4); }, true},
    };
    bool moving_while_help_open = false;
    os.help_window_action = [&] { moving_while_help_open = g.animating == flag_true; };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.command);
        const float x = deal_until_human_can_play();
        const auto deck = g.deck;
        const std::string file = read_file(data_file);
        std::size_t repaints = 0;
        os.post_event(os.GetTickCount() + 30, [&] {
            ASSERT_EQ(g.animating, flag_true);
            os.clear_log();
            r.give(form);
            repaints = os.calls_of(Kind::Refresh).size();
        });
        auto press = [&] { form.Form_MouseDown(x, 500); };
        if (r.ends) {
            EXPECT_THROW(press(), Program_Ended);
        } else {
            press();
        }
        EXPECT_EQ(os.calls_of(Kind::Clear).empty(),
                  r.ends); // the slide went on, or nothing was drawn after Exit
        EXPECT_EQ(repaints, r.repaints);
        EXPECT_EQ(g.deck, deck);
        EXPECT_EQ(read_file(data_file), file);
    }
    EXPECT_TRUE(moving_while_help_open);
    EXPECT_EQ(os.unanswered_boxes(), 0u);
}

TEST(Installed_Window, LooksForThePictureInTheUsersFolder) {
    Headless_Platform os;
    os.set_program_folder("/proc");
    std::filesystem::create_directories(os.user_data_folder());
    write_file(os.user_data_folder() + "/table01.jpg", jpeg);
    Form1 form(os);
    os.answer_next_input("Dee");
    form.Form_Load();
    EXPECT_EQ(read_file(os.user_data_folder() + "/data.dat").substr(0, 3), "Dee");
    EXPECT_TRUE(os.is_checked(Table_Item::Blue_Sky));
}

} // namespace
} // namespace plenk
