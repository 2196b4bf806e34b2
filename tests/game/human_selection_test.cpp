#include "game/human_selection.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

TEST(Human, APressPlaysOnlyALegalCardInTurn) {
    struct Row {
        const char *why;
        char lead;
        int16_t turn;
        bool animating, over;
        int16_t slot;
        bool played;
    };
    const Row rows[] = {
        {"a card of the suit", 'H', 0, false, false, 1, true},
        {"another suit", 'H', 0, false, false, 0, false},
        {"any card when leading", '-', 0, false, false, 0, true},
        {"a computer's turn", '-', 1, false, false, 0, false},
        {"seat 3 has had its turn", '-', 4, false, false, 0, false},
        {"a card moves", '-', 0, true, false, 0, false},
        {"the game is over", '-', 0, false, true, 0, false},
        {"off the hand", '-', 0, false, false, -1, false},
        {"past the last card", '-', 0, false, false, 2, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        test::Table_Fixture t;
        t.lay({{"2C 5H", "3S", "4S", "6S"}, "- - - -", "", "-", r.lead, "", r.turn});
        t.g.animating = to_flag(r.animating);
        t.g.game_over = to_flag(r.over);
        EXPECT_EQ(human_may_play_slot(t.g, r.slot), r.played);
        EXPECT_EQ(play_human_card(t.ctx, r.slot), r.played);
        // Once the human has played, the computers move on: COM 1 cannot
        // follow and takes the human's card, which gives the human the lead.
        EXPECT_EQ(t.events(), r.played ? "play 0; paint; label COM 1 takes all card; show; "
                                         "painted; sleep 2000; hide; paint"
                                       : "");
    }
}

} // namespace
} // namespace plenk
