#include "game/human_selection.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

// A press finds the card seen under it: the last drawn of the hand's cards
// whose face, edges included, holds the point; every column and half column
// across the hand and beyond, over the top and bottom edges and the middle.
TEST(Human, APressFindsTheCardSeenUnderItAtEveryColumn) {
    for (const char *hand :
         {"AH", "AH 2H", "AH 2H 3H 4H 5H", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"}) {
        test::Table_Fixture t;
        t.lay({{hand, "", "", ""}});
        t.renderer.Draw_Card();
        std::vector<std::pair<float, float>> corners; // the faces drawn, in slot order
        for (const Platform_Call &c : t.os.calls_of(Platform_Call::Kind::Draw))
            corners.emplace_back(static_cast<float>(c.args[1]), static_cast<float>(c.args[2]));
        ASSERT_EQ(corners.size(), test::cards(hand).size());
        std::string wrong;
        for (float y : {corners[0].second - 0.5f, corners[0].second, corners[0].second + 48,
                        corners[0].second + 96, corners[0].second + 96.5f})
            for (float x = corners[0].first - 2; x <= corners.back().first + 73; x += 0.5f) {
                int16_t seen = -1;
                for (int16_t j = 0; j < static_cast<int16_t>(corners.size()); ++j)
                    if (x >= corners[j].first && x <= corners[j].first + 71 &&
                        y >= corners[j].second && y <= corners[j].second + 96)
                        seen = j;
                if (slot_under_press(t.g, x, y) != seen)
                    wrong += std::to_string(x) + "," + std::to_string(y) + " ";
            }
        EXPECT_EQ(wrong, "") << hand;
    }
    test::Table_Fixture t;
    t.lay({});
    EXPECT_EQ(slot_under_press(t.g, 375, 500), -1);
}

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
