#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "platform/file_services.h"
#include "platform/headless_platform.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_file(const std::string& path) {
    File_Read f = read_file_start(path, 1000);
    return {f.bytes.begin(), f.bytes.end()};
}

struct Window : ::testing::Test {
    Headless_Platform os;
    Form1 form{os};
    Game_State& g = form.state();
    std::string data_file = os.program_folder() + "/data.dat";
    std::string picture = os.program_folder() + "/table01.jpg";

    void load_as(const std::string& name) {
        os.answer_next_input(name);
        form.Form_Load();
    }
    // Deals until the human must follow or lead with a card in hand, and
    // returns the x of a card the human may play.
    float deal_until_human_can_play() {
        for (uint64_t seed = 1;; ++seed) {
            os.seed(seed);
            form.gm_submnu_Click(0);
            if (g.game_over != flag_true && g.turn_seat == 0) break;
        }
        const int16_t n = Card_Empty_Slot(g, 0);
        const int left = nearest(g.seat[0].hand_x - (n - 1) * 7.5);
        for (int16_t j = 0; j < n; ++j)
            if (g.lead_suit == -1 || Get_Suit(g.seat[0].card[j]) == g.lead_suit)
                return static_cast<float>(left + 15 * j + 2);
        ADD_FAILURE() << "no card to play";
        return 0;
    }
    std::vector<int16_t> hand0() const {
        return {g.seat[0].card.begin(), g.seat[0].card.begin() + Card_Empty_Slot(g, 0)};
    }
    // Runs `during` once, inside the first frame of the human's next slide.
    void during_the_human_slide(float x, const std::function<void()>& during) {
        int ran = 0;
        os.post_event(os.GetTickCount() + 30, [&] {
            ASSERT_EQ(g.animating, flag_true);
            ++ran;
            during();
        });
        form.Form_MouseDown(1, 0, x, 500);
        EXPECT_EQ(ran, 1);
    }
};

TEST_F(Window, FirstStartAsksForTheNameAndWritesTheRecord) {
    load_as("Ann");
    auto inputs = os.calls_of(Kind::Input_Box);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].text, "Input Player Name:");
    EXPECT_EQ(read_file(data_file).substr(0, 25), "Ann                      ");
    EXPECT_EQ(g.card_w, 71);
    EXPECT_EQ(g.card_h, 96);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_FALSE(os.is_checked(Table_Item::Default));
    EXPECT_FALSE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_TRUE(os.calls_of(Kind::Draw).empty());
}

TEST_F(Window, AStartWithARecordLoadsIt) {
    Player_Record rec;
    rec.player_name = make_player_name("Bea");
    rec.rank_count = {9, 1, 2, 3, 4};
    auto bytes = encode_record(rec);
    write_file(data_file, std::string(bytes.begin(), bytes.end()));
    form.Form_Load();
    EXPECT_TRUE(os.calls_of(Kind::Input_Box).empty());
    EXPECT_EQ(g.player_rec.rank_count, rec.rank_count);
}

TEST_F(Window, ThePictureBesideTheProgramIsTriedAtStart) {
    write_file(picture, "\xFF\xD8\xFF\xE0 a picture");
    load_as("Ann");
    EXPECT_TRUE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_FALSE(os.is_checked(Table_Item::Default));
    EXPECT_EQ(os.background(), picture);

    form.tbl_submnu_Click(0);
    EXPECT_TRUE(os.is_checked(Table_Item::Default));
    EXPECT_FALSE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_EQ(os.background(), "");
    os.clear_log();
    form.tbl_submnu_Click(0); // already checked: nothing at all
    EXPECT_TRUE(os.calls().empty());
}

TEST_F(Window, ACorruptPictureCountsAsNone) {
    write_file(picture, "not a picture");
    load_as("Ann");
    EXPECT_FALSE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_FALSE(os.is_checked(Table_Item::Default));
    EXPECT_EQ(os.background(), "");
    std::filesystem::remove(picture);
    std::filesystem::create_directory(picture); // a folder of that name too
    form.tbl_submnu_Click(1);
    EXPECT_FALSE(os.is_checked(Table_Item::Blue_Sky));
}

TEST_F(Window, AMissingPictureUnchecksBothAndRedrawsAGame) {
    load_as("Ann");
    form.tbl_submnu_Click(0);
    deal_until_human_can_play();
    os.clear_log();
    form.tbl_submnu_Click(1);
    EXPECT_FALSE(os.is_checked(Table_Item::Default));
    EXPECT_FALSE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_EQ(os.background(), "");
    EXPECT_EQ(os.calls_of(Kind::Refresh).size(), 1u);
}

TEST_F(Window, DealDuringAGameDealsAnewAndLeavesTheRecord) {
    load_as("Ann");
    deal_until_human_can_play();
    const auto counts = g.player_rec.rank_count;
    const std::string file = read_file(data_file);
    os.seed(999);
    form.gm_submnu_Click(0);
    EXPECT_EQ(g.finish_count, 0);
    EXPECT_EQ(g.player_rec.rank_count, counts);
    EXPECT_EQ(read_file(data_file), file);
}

TEST_F(Window, ShowRankAndResetRecord) {
    load_as("Ann");
    g.player_rec.rank_count = {7, 1, 2, 3, 4};
    os.answer_next_box(Box_Answer::Ok);
    form.gm_submnu_Click(1);
    auto boxes = os.calls_of(Kind::Message_Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Winning Stroke");

    os.answer_next_box(Box_Answer::No);
    form.gm_submnu_Click(2);
    EXPECT_EQ(g.player_rec.rank_count, (std::array<int16_t, 5>{7, 1, 2, 3, 4}));
    boxes = os.calls_of(Kind::Message_Box);
    EXPECT_EQ(boxes.back().text, "This will reset previous name and record. Continue?");
    EXPECT_EQ(boxes.back().title, "Confirm Reset");

    os.answer_next_box(Box_Answer::Yes);
    os.answer_next_input("Cy");
    form.gm_submnu_Click(2);
    EXPECT_EQ(g.player_rec.rank_count, (std::array<int16_t, 5>{7, 0, 0, 0, 0}));
    EXPECT_EQ(read_file(data_file).substr(0, 3), "Cy ");
    form.gm_submnu_Click(3); // the separator does nothing
    EXPECT_EQ(os.unanswered_boxes(), 0u);
}

TEST_F(Window, GameCommandsAreRefusedWhileACardMoves) {
    load_as("Ann");
    const float x = deal_until_human_can_play();
    const auto deck = g.deck;
    during_the_human_slide(x, [&] {
        form.gm_submnu_Click(0);
        form.gm_submnu_Click(1);
        form.gm_submnu_Click(2); // an unexpected box would throw here
    });
    EXPECT_EQ(g.deck, deck);
}

TEST_F(Window, ExitDuringASlideEndsAtOnceAndLeavesTheRecord) {
    load_as("Ann");
    const float x = deal_until_human_can_play();
    const std::string file = read_file(data_file);
    os.post_event(os.GetTickCount() + 30, [&] {
        os.clear_log();
        form.gm_submnu_Click(4);
    });
    EXPECT_THROW(form.Form_MouseDown(1, 0, x, 500), Program_Ended);
    EXPECT_TRUE(os.calls_of(Kind::Clear).empty()); // no frame after Exit
    EXPECT_EQ(read_file(data_file), file);
    EXPECT_THROW(form.Form_Unload(), Program_Ended);
}

TEST_F(Window, ATableChoiceDuringASlideRepaintsAndTheSlideGoesOn) {
    write_file(picture, "\xFF\xD8\xFF\xE0");
    load_as("Ann");
    const float x = deal_until_human_can_play();
    const auto before = hand0();
    std::size_t refreshes = 0;
    during_the_human_slide(x, [&] {
        refreshes = os.calls_of(Kind::Refresh).size();
        form.tbl_submnu_Click(0);
        EXPECT_EQ(os.calls_of(Kind::Refresh).size(), refreshes + 1);
        EXPECT_EQ(g.animating, flag_true);
    });
    EXPECT_TRUE(os.is_checked(Table_Item::Default));
    EXPECT_NE(hand0(), before); // the card was played after all
}

TEST_F(Window, HowToPlayDuringASlideHoldsThePlay) {
    load_as("Ann");
    const float x = deal_until_human_can_play();
    bool moving_while_open = false;
    os.help_window_action = [&] { moving_while_open = g.animating == flag_true; };
    during_the_human_slide(x, [&] { form.Help_submnu_Click(); });
    EXPECT_TRUE(moving_while_open);
    EXPECT_EQ(os.calls_of(Kind::Help_Window).size(), 1u);
}

} // namespace
} // namespace plenk

namespace plenk {
namespace {

TEST(Installed_Window, KeepsTheRecordAndLooksForThePictureInTheUsersFolder) {
    Headless_Platform os;
    os.set_program_folder("/proc");
    std::filesystem::create_directories(os.user_data_folder());
    write_file(os.user_data_folder() + "/table01.jpg", "\xFF\xD8\xFF\xE0");
    Form1 form(os);
    os.answer_next_input("Dee");
    form.Form_Load();
    EXPECT_EQ(form.state().data_file, os.user_data_folder() + "/data.dat");
    EXPECT_EQ(read_file(form.state().data_file).substr(0, 3), "Dee");
    EXPECT_TRUE(os.is_checked(Table_Item::Blue_Sky));
    EXPECT_TRUE(os.calls_of(Platform_Call::Kind::Message_Box).empty()); // the save did not fail
}

} // namespace
} // namespace plenk
