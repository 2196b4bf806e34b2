#pragma once

#include "game/game_state.h"
#include "platform/text.h"

#include <cstdint>
#include <string>
#include <utility>
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
    Text heard; // the name as a screen reader says it
};

// The table for a screen reader and for tooltips: the human's cards in hand
// order, the computer seats 1..3, the centre when anything lies there, and
// the cards on the table spots; and a description of the play, which before
// the first deal, with nothing on the table, says how to start.
struct Table_Words {
    std::vector<Table_Thing> things;
    Text description;
    // The human's hand as a list of its own, empty before the first deal.
    Text hand;
    int hand_cards = 0; // the first things
};

// `human_to_play`: the game waits for the human's card; only then may a card
// be played, and the description says it is the human's turn.
Table_Words table_words(const Game_State &g, bool human_to_play);
// "Seven of Hearts"; empty for no card.
Text card_name(int16_t card);
// What a screen reader announces as the game goes on, one function for each
// kind of news; `seat` 0 is the human. "COM 1 plays King of Clubs".
Text play_words(int16_t seat, int16_t card);
// "COM 2 draws 6 cards", "You draw 1 card".
Text draw_words(int16_t seat, int n);
// "COM 2 wins the round and leads".
Text round_won_words(int16_t seat);
// After a take: "COM 3 leads".
Text lead_words(int16_t seat);
// `place` 1..3: "You finished second", "COM 1 finished first".
Text finish_words(int16_t seat, int place);
Text game_over_words();
// "Cards dealt. Open card: King of Clubs".
Text deal_words(int16_t open_card);
// "Your turn, follow Hearts"; `lead_suit` -1: "Your turn, you lead".
Text turn_words(int16_t lead_suit);
// "Three of Diamonds cannot be played: follow Clubs".
Text refused_words(int16_t card, int16_t lead_suit);
// The hand as a list: "Your hand, 7 cards".
Text hand_words(int n);

// The table on demand, without changing anything.
// The cards on the table and the suit to follow.
Text table_cards_words(const Game_State &g);
// Each seat's card count, or that it has finished.
Text seat_counts_words(const Game_State &g);
// The open card, else the stock.
Text centre_words(const Game_State &g);
// The plays of the last round that ended and how it ended; `plays` holds
// (seat, card) in the order played, `taker` the seat that took the table or
// -1, `leader` the seat that leads next.
struct Round_Plays {
    std::vector<std::pair<int16_t, int16_t>> plays;
    int16_t taker = -1;
    int16_t leader = -1;
};
Text last_round_words(const Round_Plays &round);
Text no_game_words();

// The index of the thing under table pixel (x, y), -1 for none. A played card
// lies over the centre, which lies over nothing else.
int thing_at(const Table_Words &words, int32_t x, int32_t y);

} // namespace plenk
