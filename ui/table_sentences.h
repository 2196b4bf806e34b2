#pragma once

#include "game/game_state.h"
#include "platform/text.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace plenk {

// "Seven of Hearts"; empty for no card.
Text card_name(int16_t card);
// "Hearts".
Text suit_name(int16_t suit);
// "5 cards".
Text cards_count(int n);
// What a screen reader announces as the game goes on, one function for each
// kind of news; `seat` 0 is the human. "COM 1 plays King of Clubs".
Text play_words(int16_t seat, int16_t card);
// "COM 2 cannot follow and plenks", as its drawing starts.
Text plenking_words(int16_t seat);
// "COM 2 draws 6 cards", "You draw 1 card".
Text draw_words(int16_t seat, int n);
// "COM 2 wins the round and leads".
Text round_won_words(int16_t seat);
// After a take: "COM 3 leads".
Text lead_words(int16_t seat);
// `place` 1..3: "second".
Text place_name(int place);
// `place` 1..3: "You finished second", "COM 1 finished first".
Text finish_words(int16_t seat, int place);
// `human_place` 1..3, or 0 for a game lost; and how to start the next game.
Text game_over_words(int human_place);
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

} // namespace plenk
