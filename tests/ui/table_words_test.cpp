#include "game/human_selection.h"
#include "game/table_constants.h"
#include "tests/support/table_fixture.h"
#include "ui/table_words.h"

#include <gtest/gtest.h>

#include <functional>

namespace plenk::test {
namespace {

TEST(Card_Name, NamesValueAndSuit) {
    const std::pair<int16_t, const char*> cases[] = {{0, "Ace of Clubs"},       {12, "King of Clubs"},
                                                     {19, "Seven of Diamonds"}, {34, "Nine of Hearts"},
                                                     {48, "Ten of Spades"},     {no_card, ""}};
    for (const auto& [card, name] : cases)
        EXPECT_EQ(card_name(card), name) << card;
}

// The human holds the Two of Clubs and the Seven of Hearts; Hearts to follow.
struct Words : ::testing::Test, Table_Fixture {
    void deal() {
        deal_from(pack_starting_with({}));
        set_hand(0, {1, 32});
        set_hand(1, {2, 3, 4, 5, 6, 7});
        set_hand(2, {8});
        set_hand(3, {});
        g.open_card = 12;
        g.lead_suit = 2;
        g.turn_seat = 0;
    }
    // Every thing's name, a playable card marked with a star.
    std::vector<std::string> said() const {
        std::vector<std::string> names;
        for (const Table_Thing& t : table_words(g, human_may_play(g)).things)
            names.push_back(t.name + (t.playable ? " *" : ""));
        return names;
    }
};

TEST_F(Words, NameEveryThingOnTheTable) {
    const std::vector<std::string> seats = {"COM 1, right, 6 cards", "COM 2, top, 1 card", "COM 3, left, 0 cards"};
    auto with = [&](std::vector<std::string> hand, std::vector<std::string> rest) {
        hand.insert(hand.end(), seats.begin(), seats.end());
        hand.insert(hand.end(), rest.begin(), rest.end());
        return hand;
    };
    struct Case {
        const char* what;
        std::function<void(Game_State&)> change;
        std::vector<std::string> names;
        const char* description;
    };
    const Case cases[] = {
        {"the human's turn", [](Game_State&) {},
         with({"Two of Clubs", "Seven of Hearts *"}, {"Open card: King of Clubs"}),
         "Suit to follow: Hearts. Your turn."},
        {"cards played, the stock left",
         [](Game_State& s) {
             s.open_card = no_card;
             s.deck_pos = 40;
             s.seat[2].table_card = 34;
             s.seat[0].table_card = 26;
             s.turn_seat = 3;
         },
         with({"Two of Clubs", "Seven of Hearts"},
              {"Stock: 12 cards", "You played Ace of Hearts", "COM 2 played Nine of Hearts"}),
         "Suit to follow: Hearts."},
        {"the human leads, the stock used up",
         [](Game_State& s) {
             s.open_card = no_card;
             s.deck_pos = pack_size;
             s.lead_suit = -1;
         },
         with({"Two of Clubs *", "Seven of Hearts *"}, {}), "No suit to follow: the next card leads. Your turn."},
        {"a card moving", [](Game_State& s) { s.animating = flag_true; },
         with({"Two of Clubs", "Seven of Hearts"}, {"Open card: King of Clubs"}), "Suit to follow: Hearts."},
        {"the game over", [](Game_State& s) { s.game_over = flag_true; },
         with({"Two of Clubs", "Seven of Hearts"}, {"Open card: King of Clubs"}),
         "No game in progress. Game, Deal starts one."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        deal();
        c.change(g);
        EXPECT_EQ(said(), c.names);
        EXPECT_EQ(table_words(g, human_may_play(g)).description, c.description);
    }
}

TEST_F(Words, NothingBeforeTheFirstDeal) {
    EXPECT_TRUE(said().empty());
    EXPECT_EQ(table_words(g, human_may_play(g)).description, "No game in progress. Game, Deal starts one.");
}

TEST_F(Words, ThingUnderAPoint) {
    deal();
    g.seat[1].table_card = 40;
    const Table_Words words = table_words(g, human_may_play(g));
    const float x = human_card_x(0), y = human_card_y();
    const struct {
        float x, y;
        const char* name;
    } cases[] = {
        {x, y, "Two of Clubs"},
        {x + 14, y + 95, "Two of Clubs"},
        {x + 15, y, "Seven of Hearts"},
        {x + 15 + 70, y, "Seven of Hearts"},
        {x + 15 + 71, y, ""},
        {x, y - 1, ""},
        {375, 275, "Open card: King of Clubs"},
        {static_cast<float>(g.seat[1].table_x), static_cast<float>(g.seat[1].table_y), "COM 1 played Two of Spades"},
        {static_cast<float>(g.seat[1].hand_x), static_cast<float>(g.seat[1].hand_y), "COM 1, right, 6 cards"},
        {2, 2, ""},
    };
    for (const auto& c : cases) {
        const int i = thing_at(words, static_cast<int32_t>(c.x), static_cast<int32_t>(c.y));
        EXPECT_EQ(i < 0 ? "" : words.things[static_cast<std::size_t>(i)].name, c.name) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace plenk::test
