#include "game/human_selection.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

TEST(Human, ThePressFindsTheCardUnderIt) {
    // Five cards lie from x 345 to 476 (each 15 wide, the last 71) and y 452 to 548; two
    // start at 375 - 7.5 rounded to the even 368; one at 375.
    const std::tuple<const char*, float, float, int16_t> rows[] = {
        {"2H 3H 4H 5H 6H", 344.9f, 500, -1}, {"2H 3H 4H 5H 6H", 345, 452, 0},    {"2H 3H 4H 5H 6H", 359.9f, 500, 0},
        {"2H 3H 4H 5H 6H", 360, 500, 1},     {"2H 3H 4H 5H 6H", 404.9f, 500, 3}, {"2H 3H 4H 5H 6H", 405, 548, 4},
        {"2H 3H 4H 5H 6H", 476, 500, 4},     {"2H 3H 4H 5H 6H", 476.1f, 500, -1}, {"2H 3H 4H 5H 6H", 400, 451.9f, -1},
        {"2H 3H 4H 5H 6H", 400, 548.1f, -1}, {"2H 3H", 367.9f, 500, -1},          {"2H 3H", 368, 500, 0},
        {"2H 3H", 383, 500, 1},              {"2H 3H", 454, 500, 1},              {"2H", 374.9f, 500, -1},
        {"2H", 375, 500, 0},                 {"2H", 446, 500, 0},                 {"2H", 446.1f, 500, -1},
        {"", 375, 500, -1},
    };
    for (const auto& [hand, x, y, slot] : rows) {
        test::Table_Fixture t;
        t.lay({{hand, "", "", ""}});
        EXPECT_EQ(slot_under_press(t.g, x, y), slot) << hand << " at " << x << "," << y;
    }
}

TEST(Human, APressPlaysOnlyALegalCardInTurn) {
    struct Row {
        const char* why;
        char lead;
        int16_t turn;
        bool animating, over;
        int16_t slot;
        bool played;
    };
    const Row rows[] = {
        {"a card of the suit", 'H', 0, false, false, 1, true},    {"another suit", 'H', 0, false, false, 0, false},
        {"any card when leading", '-', 0, false, false, 0, true}, {"a computer's turn", '-', 1, false, false, 0, false},
        {"seat 3 has had its turn", '-', 4, false, false, 0, false}, {"a card moves", '-', 0, true, false, 0, false},
        {"the game is over", '-', 0, false, true, 0, false},       {"off the hand", '-', 0, false, false, -1, false},
        {"past the last card", '-', 0, false, false, 2, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        test::Table_Fixture t;
        t.lay({{"2C 5H", "3S", "4S", "6S"}, "- - - -", "", "-", r.lead, "", r.turn});
        t.g.animating = to_flag(r.animating);
        t.g.game_over = to_flag(r.over);
        EXPECT_EQ(human_may_play_slot(t.g, r.slot), r.played);
        EXPECT_EQ(play_human_card(t.ctx, r.slot), r.played);
        // Once the human has played, the computers move on: COM 1 cannot
        // follow and takes the human's card, which gives the human the lead.
        EXPECT_EQ(t.events(), r.played ? "play 0; paint; label COM 1 takes all card; show; painted; sleep 2000; hide; paint" : "");
    }
}

} // namespace
} // namespace plenk
