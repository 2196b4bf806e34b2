#include "game/hand.h"
#include "game/plenk.h"
#include "game/turn_engine.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

struct Rounds : ::testing::Test, test::Table_Fixture {
    Rounds() {
        deal_from(test::pack_starting_with({}));
        g.lead_suit = 2;
    }
    void lay(std::array<int16_t, 4> cards) {
        for (int s = 0; s < 4; ++s) g.seat[s].table_card = cards[s];
    }
};

TEST_F(Rounds, IncompleteRoundPassesTheTurnOnAndSeatThreeGivesFour) {
    lay({30, 31, 32, no_card});
    g.turn_seat = 2;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 3);
    EXPECT_TRUE(os.calls_of(Kind::Sleep).empty());

    lay({no_card, 31, 32, 33});
    g.turn_seat = 3;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 4);
}

TEST_F(Rounds, AceIsHighAndTheWinnerLeads) {
    lay({38, 26, 30, 37}); // king, ace, 5, queen of hearts
    g.turn_seat = 3;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 1);
    ASSERT_EQ(os.calls_of(Kind::Sleep).size(), 1u);
    EXPECT_EQ(os.calls_of(Kind::Sleep)[0].args[0], 2000);
    for (const Seat& seat : g.seat) EXPECT_EQ(seat.table_card, no_card);
    EXPECT_EQ(g.lead_suit, -1);
    EXPECT_EQ(g.open_card, no_card);
    // The pause comes before the table is cleared and drawn again.
    EXPECT_EQ(os.calls().back().kind, Kind::Refresh);
}

TEST_F(Rounds, AFinishedSeatsCardStaysButNeverWins) {
    lay({26, 30, 31, 32}); // the human's ace is highest, but the human has finished
    g.seat[0].finished = flag_true;
    for (int16_t& c : g.seat[0].card) c = no_card;
    g.turn_seat = 3;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 3); // the 7 of seat 3 wins
    EXPECT_EQ(g.seat[0].table_card, no_card);
}

TEST_F(Rounds, CompleteWithFewerThanFourCards) {
    g.seat[2].finished = flag_true;
    lay({30, 35, no_card, no_card});
    g.turn_seat = 1;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 2); // seat 3 still has to play
    g.seat[3].finished = flag_true;
    lay({30, 35, no_card, no_card});
    g.turn_seat = 1;
    Finalize_Round(ctx);
    EXPECT_EQ(g.turn_seat, 1);
}

struct Takes : Rounds {};

TEST_F(Takes, AnnouncementAndPause) {
    lay({no_card, no_card, no_card, no_card});
    Take_Card(ctx, 0);
    EXPECT_EQ(os.label_caption(), "Player takes all card");
    Take_Card(ctx, 3);
    EXPECT_EQ(os.label_caption(), "COM 3 takes all card");
    EXPECT_FALSE(os.label_visible());
    // Shown, painted at once, held two seconds, hidden.
    std::vector<Kind> order;
    for (const auto& c : os.calls())
        if (c.kind == Kind::Label_Visible || c.kind == Kind::Label_Refresh || c.kind == Kind::Sleep)
            order.push_back(c.kind);
    ASSERT_EQ(order.size(), 8u);
    EXPECT_EQ(order[0], Kind::Label_Visible);
    EXPECT_EQ(order[1], Kind::Label_Refresh);
    EXPECT_EQ(order[2], Kind::Sleep);
    EXPECT_EQ(order[3], Kind::Label_Visible);
}

TEST_F(Takes, EveryTableCardGoesToTheTakerAndTheHighestUnfinishedLeads) {
    g.lead_suit = 2;
    set_hand(1, {1, 2});
    lay({30, no_card, 37, 26}); // the human's 5, seat 2's queen, seat 3's ace
    g.seat[3].finished = flag_true; // the ace belongs to a finished seat
    set_hand(3, {});
    Take_Card(ctx, 1);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{1, 2, 30, 37, 26}));
    EXPECT_EQ(g.turn_seat, 2);
    EXPECT_EQ(g.lead_suit, -1);
    EXPECT_EQ(g.open_card, no_card);
    for (const Seat& seat : g.seat) EXPECT_EQ(seat.table_card, no_card);
}

TEST_F(Takes, NothingOnTheTableOrOnlyFinishedSeatsLetsTheTakerLead) {
    lay({no_card, no_card, no_card, no_card});
    g.open_card = 20;
    Take_Card(ctx, 2);
    EXPECT_EQ(g.turn_seat, 2);
    EXPECT_EQ(g.open_card, no_card);
    EXPECT_EQ(Card_Empty_Slot(g, 2), 5); // the open card is not picked up

    g.seat[0].finished = flag_true;
    set_hand(0, {});
    lay({30, no_card, no_card, no_card});
    Take_Card(ctx, 3);
    EXPECT_EQ(g.turn_seat, 3);
    EXPECT_EQ(hand(3).back(), 30);
}

TEST_F(Takes, AComputerTakingTheHumansHighCardHandsTheLeadToTheHuman) {
    lay({38, 30, no_card, no_card});
    Take_Card(ctx, 2);
    EXPECT_EQ(g.turn_seat, 0);
}

struct Plenking : Rounds {};

TEST_F(Plenking, TheFirstCardDrawnMatches) {
    set_hand(1, {0, 1});
    g.deck_pos = 40;
    g.deck[40] = 27;
    plenk(ctx, 1, 2);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{0, 1, 27}));
    EXPECT_EQ(g.deck_pos, 41);
    EXPECT_EQ(g.lead_suit, 2);
    EXPECT_TRUE(os.calls_of(Kind::Label_Visible).empty());
}

TEST_F(Plenking, TheMatchIsTheLastCardOfTheStock) {
    set_hand(2, {5});
    g.deck_pos = 49;
    g.deck[49] = 1;
    g.deck[50] = 14;
    g.deck[51] = 28;
    plenk(ctx, 2, 2);
    EXPECT_EQ(hand(2), (std::vector<int16_t>{5, 1, 14, 28}));
    EXPECT_EQ(g.deck_pos, 52);
    EXPECT_EQ(g.lead_suit, 2);
    EXPECT_TRUE(os.calls_of(Kind::Label_Visible).empty());
}

TEST_F(Plenking, NoMatchDrawsEverythingOneSlideEachThenTakes) {
    set_hand(3, {5});
    lay({30, no_card, no_card, no_card});
    g.deck_pos = 48;
    g.deck[48] = 1;
    g.deck[49] = 2;
    g.deck[50] = 14;
    g.deck[51] = 40;
    plenk(ctx, 3, 2);
    EXPECT_EQ(hand(3), (std::vector<int16_t>{5, 1, 2, 14, 40, 30}));
    EXPECT_EQ(g.deck_pos, 52);
    EXPECT_EQ(g.lead_suit, -1);
    EXPECT_EQ(g.turn_seat, 0);
    EXPECT_EQ(os.label_caption(), "COM 3 takes all card");
    // Four slides from the stock (x 340) to the left hand (x 14), each of
    // 326 / 15 + 1 = 22 frames, a drawing after each card and one after the take.
    int slides_started = 0;
    for (const auto& c : os.calls_of(Kind::Draw))
        if (c.args[1] == 340 && c.args[2] == 227 && c.args[4] == 1) ++slides_started;
    EXPECT_EQ(slides_started, 4);
    EXPECT_EQ(os.calls_of(Kind::Clear).size(), 4u * 22 + 4 + 1);
}

TEST_F(Plenking, DrawnCardsStayAtTheEndUnsorted) {
    set_hand(1, {40, 41});
    g.deck_pos = 30;
    g.deck[30] = 3;
    g.deck[31] = 1;
    g.deck[32] = 30;
    plenk(ctx, 1, 2);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{40, 41, 3, 1, 30}));
}

} // namespace
} // namespace plenk
