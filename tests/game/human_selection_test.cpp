#include "game/deal.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "game/turn_engine.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

struct Human : ::testing::Test, test::Table_Fixture {
    Human() {
        deal_from(test::pack_starting_with({}));
        g.turn_seat = 0;
    }
};

TEST_F(Human, FiveCardsUnderThePress) {
    set_hand(0, {26, 27, 28, 29, 30});
    const float y = 500;
    EXPECT_EQ(slot_under_press(g, 344, y), -1);
    EXPECT_EQ(slot_under_press(g, 345, y), 0);
    EXPECT_EQ(slot_under_press(g, 359, y), 0);
    EXPECT_EQ(slot_under_press(g, 360, y), 1);
    EXPECT_EQ(slot_under_press(g, 405, y), 4);
    EXPECT_EQ(slot_under_press(g, 476, y), 4);
    EXPECT_EQ(slot_under_press(g, 477, y), -1);
    // Top 452 and bottom 548 both count as on the hand.
    EXPECT_EQ(slot_under_press(g, 400, 451), -1);
    EXPECT_EQ(slot_under_press(g, 400, 452), 3);
    EXPECT_EQ(slot_under_press(g, 400, 548), 3);
    EXPECT_EQ(slot_under_press(g, 400, 548.5f), -1);
}

TEST_F(Human, FourCardsStartWhereTheyAreDrawn) {
    set_hand(0, {26, 27, 28, 29});
    EXPECT_EQ(slot_under_press(g, 351.9f, 500), -1);
    EXPECT_EQ(slot_under_press(g, 352, 500), 0);
    EXPECT_EQ(human_card_x(0), 352.0f);
}

TEST_F(Human, OneCardStartsAtTheHandsReferencePoint) {
    set_hand(0, {26});
    EXPECT_EQ(slot_under_press(g, 374.5f, 500), -1);
    EXPECT_EQ(slot_under_press(g, 375, 500), 0);
    EXPECT_EQ(slot_under_press(g, 446, 500), 0);
}

TEST_F(Human, AnEmptyHandPlaysNothing) {
    set_hand(0, {});
    EXPECT_EQ(slot_under_press(g, 375, 500), -1);
    EXPECT_FALSE(play_human_card(ctx, 0));
}

TEST_F(Human, AWrongSuitChangesNothing) {
    set_hand(0, {1, 27, 40});
    g.lead_suit = 2;
    const Game_State before = g;
    Form_MouseDown(ctx, 1, 0, human_card_x(0) + 1, 500);
    Form_MouseDown(ctx, 1, 0, human_card_x(2) + 1, 500);
    EXPECT_EQ(hand(0), (std::vector<int16_t>{1, 27, 40}));
    EXPECT_EQ(g.turn_seat, before.turn_seat);
    EXPECT_EQ(g.lead_suit, before.lead_suit);
    EXPECT_TRUE(os.calls().empty());
}

TEST_F(Human, RefusedWhileACardMovesOrOutOfTurnOrAfterTheGame) {
    set_hand(0, {27});
    g.lead_suit = -1;
    g.animating = flag_true;
    Form_MouseDown(ctx, 1, 0, 380, 500);
    g.animating = flag_false;
    g.turn_seat = 2;
    Form_MouseDown(ctx, 1, 0, 380, 500);
    g.turn_seat = 0;
    g.game_over = flag_true;
    Form_MouseDown(ctx, 1, 0, 380, 500);
    EXPECT_EQ(hand(0), std::vector<int16_t>{27});
    EXPECT_TRUE(os.calls().empty());
}

// The human leads the 2 of clubs; seats 1..3 follow with clubs and seat 3's
// 7 or 8 wins; seat 3 leads its last club and the human, holding the queen of
// clubs, is to move again.
struct Human_Leads : Human {
    Human_Leads() {
        set_hand(0, {1, 11, 27});
        set_hand(1, {2, 3});
        set_hand(2, {4, 5});
        set_hand(3, {6, 7});
        g.lead_suit = -1;
        g.open_card = no_card;
    }
    void expect_one_round_played() {
        EXPECT_EQ(hand(0), (std::vector<int16_t>{11, 27}));
        EXPECT_EQ(g.turn_seat, 0);
        EXPECT_EQ(g.seat[3].finished, flag_true);
        EXPECT_EQ(g.lead_suit, 0);
        EXPECT_EQ(Card_Empty_Slot(g, 1), 1);
        EXPECT_EQ(Card_Empty_Slot(g, 2), 1);
    }
};

TEST_F(Human_Leads, AnyButtonPlaysAndTheComputersMoveOn) {
    Form_MouseDown(ctx, 2, 0, human_card_x(0) + 3, 470);
    expect_one_round_played();
}

TEST_F(Human_Leads, ClicksDuringASlideAreRefused) {
    int nested = 0;
    // Click the queen of clubs while the 2 slides to the table.
    os.post_event(os.GetTickCount() + 60, [&] {
        ++nested;
        EXPECT_EQ(g.animating, flag_true);
        Form_MouseDown(ctx, 1, 0, human_card_x(0) + 3, 500);
    });
    Form_MouseDown(ctx, 1, 0, human_card_x(0) + 3, 500);
    EXPECT_EQ(nested, 1);
    expect_one_round_played();
}

TEST_F(Human, AHumanWhoCannotFollowPlenksWithoutAClick) {
    // The human gets the clubs 0..4, the open card is the 8 of diamonds and
    // the stock starts with the 9 of diamonds.
    deal_from(test::pack_starting_with({0, 13, 14, 15, 1, 16, 17, 18, 2, 22, 23, 24, 3, 25, 26, 27, 4,
                                        28, 29, 30, 20, 21}));
    Initialize_Game(ctx);
    EXPECT_EQ(g.weak_suit, 1);
    EXPECT_EQ(hand(0), (std::vector<int16_t>{0, 1, 2, 3, 4, 21}));
    EXPECT_EQ(g.deck_pos, 22);
    EXPECT_EQ(g.turn_seat, 0);
    EXPECT_TRUE(human_may_play(g));
    // Only the diamond plays.
    Form_MouseDown(ctx, 1, 0, human_card_x(0) + 3, 500);
    EXPECT_EQ(Card_Empty_Slot(g, 0), 6);
    EXPECT_EQ(g.seat[0].table_card, no_card);
}

} // namespace
} // namespace plenk
