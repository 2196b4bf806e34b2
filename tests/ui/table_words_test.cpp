#include "game/human_selection.h"
#include "tests/support/table_fixture.h"
#include "ui/table_words.h"

#include <gtest/gtest.h>

#include <functional>

namespace plenk::test {
namespace {

// The human holds the Two of Clubs and the Seven of Hearts; Hearts to follow.
struct Words : ::testing::Test, Table_Fixture {
    void deal() {
        lay({{"2C 7H", "3C 4C 5C 6C 7C 8C", "9C", ""}, "- - - -", "", "KC", 'H', "", 0});
    }
    // Every thing's name, a playable card starred, and the description.
    std::string said() const {
        const Table_Words words = table_words(g, human_may_play(g));
        std::string all;
        for (const Table_Thing &t : words.things)
            all += english(t.name) + (t.playable ? " *|" : "|");
        return all + english(words.description);
    }
};

TEST_F(Words, NameEveryThingOnTheTable) {
    const std::string seats = "COM 1, right, 6 cards|COM 2, top, 1 card|COM 3, left, 0 cards|";
    const struct {
        std::function<void(Game_State &)> change;
        std::string said;
    } cases[] = {
        {[](Game_State &) {}, "Two of Clubs|Seven of Hearts *|" + seats +
                                  "Open card: King of Clubs|Suit to follow: Hearts. Your turn."},
        {[](Game_State &s) {
             s.open_card = no_card, s.deck_pos = 40, s.seat[2].table_card = 34,
             s.seat[0].table_card = 25, s.turn_seat = 3;
         },
         "Two of Clubs|Seven of Hearts|" + seats +
             "Stock: 12 cards|You played King of Diamonds|COM 2 played Nine of Hearts|Suit to "
             "follow: Hearts."},
        {[](Game_State &s) { s.open_card = no_card, s.deck_pos = pack_size, s.lead_suit = -1; },
         "Two of Clubs *|Seven of Hearts *|" + seats +
             "No suit to follow: the next card leads. Your turn."},
        {[](Game_State &s) { s.animating = flag_true; },
         "Two of Clubs|Seven of Hearts|" + seats +
             "Open card: King of Clubs|Suit to follow: Hearts."},
        {[](Game_State &s) { s.game_over = flag_true; },
         "Two of Clubs|Seven of Hearts|" + seats +
             "Open card: King of Clubs|No game in progress. Game, Deal starts one."},
    };
    EXPECT_EQ(said(), "No game yet. To start one, choose Game, Deal or press Ctrl+N.");
    for (const auto &c : cases) {
        deal();
        c.change(g);
        EXPECT_EQ(said(), c.said);
    }
    deal();
    EXPECT_EQ(english(table_words(g, false).description), "Suit to follow: Hearts.");
    EXPECT_FALSE(table_words(g, false).things[1].playable);
}

} // namespace
} // namespace plenk::test
