#include "game/cards.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "game/turn_engine.h"
#include "platform/file_services.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

struct Finishing : ::testing::Test, test::Table_Fixture {
    Finishing() {
        deal_from(test::pack_starting_with({}));
        g.open_card = no_card;
        g.lead_suit = -1;
        g.turn_seat = 0;
    }
    void finish(int seat) {
        set_hand(seat, {});
        g.seat[seat].finished = flag_true;
        ++g.finish_count;
    }
    int boxes_titled(const std::string& title) const {
        auto boxes = os.calls_of(Kind::Message_Box);
        return static_cast<int>(std::count_if(boxes.begin(), boxes.end(),
                                              [&](const Platform_Call& c) { return c.title == title; }));
    }
    void expect_saved_and_shown_once() {
        EXPECT_EQ(boxes_titled("Winning Stroke"), 1);
        File_Read file = read_file_start(g.data_file, 100);
        ASSERT_TRUE(file.ok);
        EXPECT_EQ(file.bytes, encode_record(g.player_rec));
    }
    std::array<int16_t, 5> counts() const { return g.player_rec.rank_count; }
    // The human leads its last card into a table of three two-card hands and
    // answers "You win!" with `answer`.
    void human_plays_last_card(Box_Answer answer) {
        set_hand(0, {27});
        set_hand(1, {2, 28});
        set_hand(2, {4, 29});
        set_hand(3, {6, 30});
        os.answer_next_box(answer);
        os.answer_next_box(Box_Answer::Ok);
        Form_MouseDown(ctx, 1, 0, human_card_x(0) + 1, 500);
    }
};

TEST_F(Finishing, WinAnsweredYesLetsTheComputersPlayOnWithoutTheHuman) {
    human_plays_last_card(Box_Answer::Yes);
    // next_turn only returns to wait for the human, or at the end.
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(g.finish_count, 3);
    EXPECT_EQ(counts(), (std::array<int16_t, 5>{0, 1, 0, 0, 0}));
    EXPECT_EQ(boxes_titled("Win"), 1);
    expect_saved_and_shown_once();
}

TEST_F(Finishing, WinAnsweredNoEndsTheGameAtOnce) {
    human_plays_last_card(Box_Answer::No);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(g.finish_count, 1);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{2, 28})); // no computer moved
    EXPECT_EQ(counts(), (std::array<int16_t, 5>{0, 1, 0, 0, 0}));
    expect_saved_and_shown_once();

    // The question comes before the played card is shown face up on its spot.
    const auto& calls = os.calls();
    auto box = std::find_if(calls.begin(), calls.end(), [](const Platform_Call& c) { return c.title == "Win"; });
    auto face_on_spot = [](const Platform_Call& c) {
        return c.kind == Kind::Draw && c.args[4] == 0 && c.args[3] == Order_Card(27) && c.args[1] == 340 &&
               c.args[2] == 323;
    };
    EXPECT_EQ(std::find_if(calls.begin(), box, face_on_spot), box);
    EXPECT_NE(std::find_if(box, calls.end(), face_on_spot), calls.end());
}

TEST_F(Finishing, TheHumanFinishingThirdIsAskedButTheGameIsOver) {
    finish(1);
    finish(2);
    set_hand(0, {27});
    set_hand(3, {28, 5});
    os.answer_next_box(Box_Answer::Yes);
    os.answer_next_box(Box_Answer::Ok);
    Form_MouseDown(ctx, 1, 0, human_card_x(0) + 1, 500);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(counts(), (std::array<int16_t, 5>{0, 0, 0, 1, 0}));
    EXPECT_EQ(boxes_titled("Win"), 1);
    expect_saved_and_shown_once();
}

TEST_F(Finishing, AComputerFinishingThirdWhileTheHumanHoldsCardsIsALoss) {
    finish(1);
    finish(2);
    set_hand(0, {27, 28});
    set_hand(3, {5});
    g.turn_seat = 3;
    os.answer_next_box(Box_Answer::Ok);
    next_turn(ctx);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(counts(), (std::array<int16_t, 5>{0, 0, 0, 0, 1}));
    EXPECT_EQ(boxes_titled("Win"), 0);
    expect_saved_and_shown_once();
}

TEST_F(Finishing, AComputerFinishingThirdAfterTheHumanMovesNoCounter) {
    finish(0);
    finish(1);
    set_hand(2, {5});
    set_hand(3, {6, 7});
    g.turn_seat = 2;
    os.answer_next_box(Box_Answer::Ok);
    next_turn(ctx);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(counts(), (std::array<int16_t, 5>{}));
}

TEST_F(Finishing, TheLastMovesRoundIsStillClosedBeforeTheEnd) {
    finish(1);
    finish(2);
    g.lead_suit = 2;
    set_hand(0, {1, 2});
    g.seat[0].table_card = 30;
    set_hand(3, {31});
    g.turn_seat = 3;
    os.answer_next_box(Box_Answer::Ok);
    next_turn(ctx);
    EXPECT_EQ(g.game_over, flag_true);
    EXPECT_EQ(os.calls_of(Kind::Sleep).size(), 1u);
    EXPECT_EQ(g.seat[0].table_card, no_card);
    EXPECT_EQ(g.seat[3].table_card, no_card);
    EXPECT_EQ(g.turn_seat, 0); // the human's 5 was the only unfinished card
}

TEST_F(Finishing, AGameAlreadyOverIsOnlySavedAndShown) {
    g.game_over = flag_true;
    g.turn_seat = 2;
    os.answer_next_box(Box_Answer::Ok);
    next_turn(ctx);
    EXPECT_EQ(g.turn_seat, 2);
    EXPECT_TRUE(os.calls_of(Kind::Draw).empty());
    expect_saved_and_shown_once();
}

TEST_F(Finishing, ACounterAtItsLimitStaysThere) {
    g.player_rec.rank_count[4] = 32767;
    finish(1);
    finish(2);
    set_hand(3, {5});
    g.turn_seat = 3;
    os.answer_next_box(Box_Answer::Ok);
    next_turn(ctx);
    EXPECT_EQ(g.player_rec.rank_count[4], 32767);
}

} // namespace
} // namespace plenk
