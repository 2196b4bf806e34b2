#pragma once

#include "game/game_state.h"
#include "platform/text.h"

#include <cstdint>
#include <vector>

namespace plenk {

// One thing a sighted player sees on the table, in words, with the part of
// the table it covers in table pixels.
enum class Thing_Kind { Hand_Card, Seat, Centre, Spot };
struct Table_Thing {
    Thing_Kind kind;
    int16_t seat; // the owner; -1 for the centre
    Text name;
    bool playable; // a card of the human's hand that may be played now
    int32_t x, y, width, height;
    Text heard;   // the name as a screen reader says it
    int16_t card; // the card of a hand card, -1 for every other thing
};

// The table for a screen reader and for tooltips: the human's cards in hand
// order, the computer seats 1..3, the centre when anything lies there, and
// the cards on the table spots; and a description of the play, which before
// the first deal, with nothing on the table, says how to start.
struct Table_Words {
    // The first `hand_cards` things are the human's hand, in slot order.
    std::vector<Table_Thing> things;
    Text description;
    // The human's hand as a list of its own, empty before the first deal.
    Text hand;
    int hand_cards = 0;
};

// `human_to_play`: the game waits for the human's card; only then may a card
// be played, and the description says it is the human's turn.
Table_Words table_words(const Game_State &g, bool human_to_play);

// The index of the thing under table point (x, y), -1 for none: the thing
// drawn there, or over the hand the card a press there plays.
int thing_at(const Table_Words &words, float x, float y);

} // namespace plenk
