#include "game/computer_player.h"
#include "game/plenk.h"
#include "game/throw_card.h"
#include "game/turn_engine.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace plenk {
namespace {

using test::Layout;
using test::Table_Fixture;
using Action = std::function<void(Table_Fixture &)>;

// One step of the rules: a table, what is done to it, and the table and the
// events that must follow.
struct Step {
    const char *rule;
    Layout before;
    Action action;
    const char *hands;
    const char *played;
    const char *state;
    const char *events;
    float random = 0;                 // every random value the step asks for
    Box_Answer win = Box_Answer::Yes; // the human's answer to "You win!"
};

Action finalize() {
    return [](Table_Fixture &t) { Finalize_Round(t.ctx); };
}
Action throw_card(int16_t seat, int16_t slot) {
    return [=](Table_Fixture &t) { Throw_Card(t.ctx, seat, slot); };
}
Action plenk_for(int16_t seat) {
    return [=](Table_Fixture &t) { plenk(t.ctx, seat, t.g.lead_suit); };
}
Action take(int16_t seat) {
    return [=](Table_Fixture &t) { Take_Card(t.ctx, seat); };
}
Action computer(int16_t seat) {
    return [=](Table_Fixture &t) { Computer_Turn(t.ctx, seat); };
}
Action engine() {
    return [](Table_Fixture &t) { next_turn(t.ctx); };
}
Action engine_after_the_end() {
    return [](Table_Fixture &t) {
        t.g.game_over = flag_true;
        next_turn(t.ctx);
    };
}

const Step steps[] = {
    // Closing a round.
    {"an incomplete round passes the turn on",
     {{"2C", "3C", "4C", "5C"}, "- 5H - -", "", "-", 'H', "", 1},
     finalize(),
     "2C|3C|4C|5C",
     "- 5H - -",
     "stock 0 lead H turn 2",
     ""},
    {"the ace is high, the table clears and the winner leads",
     {{"2C", "3C", "4C", "5C"}, "5H AH KH 9H", "", "QH", 'H', "", 3},
     finalize(),
     "2C|3C|4C|5C",
     "- - - -",
     "stock 0 lead - turn 1",
     "sleep 2000; paint"},
    {"the human can win a round",
     {{"2C", "3C", "4C", "5C"}, "AH 5H KH 9H", "", "-", 'H', "", 3},
     finalize(),
     "2C|3C|4C|5C",
     "- - - -",
     "stock 0 lead - turn 0",
     "sleep 2000; paint"},
    {"a finished seat's card never wins",
     {{"2C", "3C", "", "5C"}, "5H KH AH 9H", "", "-", 'H', "2", 3},
     finalize(),
     "2C|3C|-|5C",
     "- - - -",
     "stock 0 lead - turn 1 finished 1:2",
     "sleep 2000; paint"},
    {"a finished seat without a card does not hold the round up",
     {{"2C", "3C", "4C", ""}, "5H KH 2H -", "", "-", 'H', "3", 2},
     finalize(),
     "2C|3C|4C|-",
     "- - - -",
     "stock 0 lead - turn 1 finished 1:3",
     "sleep 2000; paint"},

    // Playing a card and finishing.
    {"a lead sets the suit; the hand closes up and is sorted",
     {{"2D", "KS 2C 9H", "4C", "6C"}, "- - - -", "", "-", '-', "", 1},
     throw_card(1, 1),
     "2D|9H KS|4C|6C",
     "- 2C - -",
     "stock 0 lead C turn 1",
     "play 1; paint"},
    {"a card played into a round keeps its lead",
     {{"5C 9H", "2C", "4C", "6C"}, "- - - -", "", "-", 'H', "", 0},
     throw_card(0, 0),
     "9H|2C|4C|6C",
     "5C - - -",
     "stock 0 lead H turn 0",
     "play 0; paint"},
    {"the human finishing first is asked and counted first",
     {{"5D", "2C", "4C", "6C"}, "- - - -", "", "-", 'D', "", 0},
     throw_card(0, 0),
     "-|2C|4C|6C",
     "5D - - -",
     "stock 0 lead D turn 0 finished 1:0 counts 7 1 0 0 0",
     "play 0; box Win; paint"},
    {"the human finishing second who will not watch ends the game",
     {{"5D", "2C", "", "6C"}, "- - - -", "", "-", 'D', "2", 0},
     throw_card(0, 0),
     "-|2C|-|6C",
     "5D - - -",
     "stock 0 lead D turn 0 finished 2:02 over counts 7 0 1 0 0",
     "play 0; box Win; paint",
     0,
     Box_Answer::No},

    // Plenking and taking the table.
    {"a plenk draws until the suit comes",
     {{"2C", "2D", "4C", "6C"}, "- - - -", "3C 4D 5H 6S", "-", 'H', "", 1},
     plenk_for(1),
     "2C|2D 3C 4D 5H|4C|6C",
     "- - - -",
     "stock 1 lead H turn 1",
     "draw 1; paint; draw 1; paint; draw 1; paint"},
    {"a plenk whose first card matches draws one",
     {{"2C", "2D", "4C", "6C"}, "- - - -", "5H 6S", "-", 'H', "", 1},
     plenk_for(1),
     "2C|2D 5H|4C|6C",
     "- - - -",
     "stock 1 lead H turn 1",
     "draw 1; paint"},
    {"a match in the stock's last card is no take",
     {{"2C", "2D", "4C", "6C"}, "- - - -", "3C 5H", "-", 'H', "", 1},
     plenk_for(1),
     "2C|2D 3C 5H|4C|6C",
     "- - - -",
     "stock 0 lead H turn 1",
     "draw 1; paint; draw 1; paint"},
    {"a plenk that empties the stock takes the table",
     {{"2D", "3D", "2C", "4D"}, "9H 4H - KH", "3C", "-", 'H', "", 2},
     plenk_for(2),
     "2D|3D|2C 3C 9H 4H KH|4D",
     "- - - -",
     "stock 0 lead - turn 3",
     "draw 2; paint; label COM 2 takes all card; show; painted; sleep 2000; hide; paint"},
    {"the human takes the table and its highest card leads",
     {{"2C", "3D", "4D", "5D"}, "- 5H AH -", "", "QC", 'H', "", 0},
     take(0),
     "2C 5H AH|3D|4D|5D",
     "- - - -",
     "stock 0 lead - turn 2",
     "label Player takes all card; show; painted; sleep 2000; hide; paint"},
    {"a finished seat's card is taken but never leads",
     {{"2C", "", "4D", "5D"}, "- AH - 5H", "", "-", 'H', "1", 2},
     take(2),
     "2C|-|4D AH 5H|5D",
     "- - - -",
     "stock 0 lead - turn 3 finished 1:1",
     "label COM 2 takes all card; show; painted; sleep 2000; hide; paint"},
    {"with only finished seats' cards the taker leads",
     {{"2C", "", "4D", "5D"}, "- KH - -", "", "-", 'H', "1", 2},
     take(2),
     "2C|-|4D KH|5D",
     "- - - -",
     "stock 0 lead - turn 2 finished 1:1",
     "label COM 2 takes all card; show; painted; sleep 2000; hide; paint"},

    // The computer seats.
    {"a finished computer only passes the turn",
     {{"2C", "3C", "", "5C"}, "- - - -", "", "-", 'H', "2", 2},
     computer(2),
     "2C|3C|-|5C",
     "- - - -",
     "stock 0 lead H turn 3 finished 1:2",
     ""},
    {"a computer leads the weak suit's lowest card, the ace high",
     {{"2D", "2C AH 5H KH", "4D", "5D"}, "- - - -", "", "-", '-', "", 1, 'H'},
     computer(1),
     "2D|2C AH KH|4D|5D",
     "- 5H - -",
     "stock 0 lead H turn 2 weak H",
     "play 1; paint",
     0.99f},
    {"a computer without the weak suit leads at random",
     {{"2D", "2C 5H KH", "4D", "5D"}, "- - - -", "", "-", '-', "", 1, 'S'},
     computer(1),
     "2D|2C 5H|4D|5D",
     "- KH - -",
     "stock 0 lead H turn 2 weak S",
     "play 1; paint",
     0.99f},
    {"a computer with no weak suit known leads at random",
     {{"2D", "2C 5H KH", "4D", "5D"}, "- - - -", "", "-", '-', "", 1},
     computer(1),
     "2D|5H KH|4D|5D",
     "- 2C - -",
     "stock 0 lead C turn 2",
     "play 1; paint",
     0.0f},
    {"a computer follows with a random card of the suit",
     {{"2D", "3D", "4D", "2C 5H 9H JH KS"}, "- - - -", "", "-", 'H', "", 3},
     computer(3),
     "2D|3D|4D|2C 5H 9H KS",
     "- - - JH",
     "stock 0 lead H turn 4",
     "play 3; paint",
     0.99f},
    {"a computer follows with the first card of the suit for a low draw",
     {{"2D", "3D", "4D", "2C 5H 9H KS"}, "- - - -", "", "-", 'H', "", 3},
     computer(3),
     "2D|3D|4D|2C 9H KS",
     "- - - 5H",
     "stock 0 lead H turn 4",
     "play 3; paint",
     0.49f},
    {"a computer without the suit and no stock takes the table",
     {{"3C", "2C", "4C", "5C"}, "9H - - -", "", "-", 'H', "", 1},
     computer(1),
     "3C|2C 9H|4C|5C",
     "- - - -",
     "stock 0 lead - turn 0",
     "label COM 1 takes all card; show; painted; sleep 2000; hide; paint"},
    {"a computer without the suit plenks and plays the card drawn",
     {{"3C", "2C", "4C", "5C"}, "9H - - -", "3D 7H 8C", "-", 'H', "", 1},
     computer(1),
     "3C|2C 3D|4C|5C",
     "9H 7H - -",
     "stock 1 lead H turn 2",
     "draw 1; paint; draw 1; paint; play 1; paint"},
    {"a computer whose plenk ends in a take plays nothing",
     {{"3C", "2C", "4C", "5C"}, "9H - - -", "3D", "-", 'H', "", 1},
     computer(1),
     "3C|2C 3D 9H|4C|5C",
     "- - - -",
     "stock 0 lead - turn 0",
     "draw 1; paint; label COM 1 takes all card; show; painted; sleep 2000; hide; paint"},

    // The turn engine.
    {"the human who can follow is waited for",
     {{"5H", "2C", "3C", "4C"}, "- - - -", "3D", "-", 'H', "", 4},
     engine(),
     "5H|2C|3C|4C",
     "- - - -",
     "stock 1 lead H turn 0",
     ""},
    {"the human who leads never plenks",
     {{"5C", "2C", "3C", "4C"}, "- - - -", "3D", "-", '-', "", 4},
     engine(),
     "5C|2C|3C|4C",
     "- - - -",
     "stock 1 lead - turn 0",
     ""},
    {"the human who cannot follow plenks without a click",
     {{"2C", "3C", "4C", "5C"}, "- - - 9H", "3D 7H 8C", "-", 'H', "", 4},
     engine(),
     "2C 3D 7H|3C|4C|5C",
     "- - - 9H",
     "stock 1 lead H turn 0 weak H",
     "draw 0; paint; draw 0; paint"},
    {"the human takes when the stock is empty and the computers go on to the end",
     {{"2C", "3D", "", ""}, "- 9H - -", "", "-", 'H', "23", 4},
     engine(),
     "2C 9H|-|-|-",
     "- 3D - -",
     "stock 0 lead D turn 2 weak H finished 3:123 over counts 7 0 0 0 1 saved",
     "label Player takes all card; show; painted; sleep 2000; hide; paint; play 1; paint; box "
     "Winning Stroke"},
    {"a finished human is passed over and the last round still closes",
     {{"", "4S", "9S 2C", "KS"}, "- - - -", "", "-", '-', "0", 4},
     engine(),
     "-|-|2C|-",
     "- - - -",
     "stock 0 lead - turn 2 finished 3:013 over saved",
     "play 1; paint; play 2; paint; play 3; paint; sleep 2000; paint; box Winning Stroke"},
    {"a game already over is only saved and shown",
     {{"2C", "3C", "4C", "5C"}, "- - - -", "", "-", 'H', "", 2},
     engine_after_the_end(),
     "2C|3C|4C|5C",
     "- - - -",
     "stock 0 lead H turn 2 over saved",
     "box Winning Stroke"},
};

class Rules : public ::testing::TestWithParam<Step> {};

TEST_P(Rules, StepLeavesTheTableAsTheRulesSay) {
    const Step &step = GetParam();
    Table_Fixture t;
    t.os.fixed = step.random;
    t.os.box_answerer = [&](const std::string &, const std::string &title) {
        return title == "Win" ? step.win : Box_Answer::Ok;
    };
    t.lay(step.before);
    step.action(t);
    EXPECT_EQ(t.hands(), step.hands);
    EXPECT_EQ(t.played(), step.played);
    EXPECT_EQ(t.state(), step.state);
    EXPECT_EQ(t.events(), step.events);
}

INSTANTIATE_TEST_SUITE_P(Steps, Rules, ::testing::ValuesIn(steps), [](const auto &info) {
    std::string name;
    for (const char *c = info.param.rule; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
});

} // namespace
} // namespace plenk
