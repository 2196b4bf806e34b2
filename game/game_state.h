#pragma once

#include <array>
#include <cstdint>

namespace plenk {

// A flag is -1 for true and 0 for false, as the game's state has always held it.
using Flag = int16_t;
constexpr Flag flag_true = -1;
constexpr Flag flag_false = 0;

constexpr int16_t no_card = -1;
constexpr int16_t pack_size = 52;

struct Seat {
    std::array<int16_t, pack_size> card{}; // the hand: n cards in slots 0..n-1, -1 after
    int16_t hand_x = 0;                    // reference point of the hand
    int16_t hand_y = 0;
    int16_t table_x = 0; // centre of the spot of the seat's played card
    int16_t table_y = 0;
    int16_t table_card = 0; // card played this round, -1 none
    Flag finished = 0;      // the seat has played its last card this game
};

// The whole state of the game on the table; it starts zeroed.
struct Game_State {
    std::array<int16_t, pack_size> deck{}; // the shuffled pack; deck(deck_pos..51) is the stock
    std::array<Seat, 4> seat{};            // 0 human (bottom), 1 right, 2 top, 3 left
    int32_t card_w = 0;
    int32_t card_h = 0;
    int16_t deck_pos = 0;  // next stock card; above 51 the stock is empty
    Flag animating = 0;    // a card is moving
    int16_t lead_suit = 0; // suit to follow, -1 when the next card opens a round
    int16_t open_card = 0; // the card turned up at the deal, -1 once cleared
    int16_t anim_x = 0;    // top-left corner of the moving card
    int16_t anim_y = 0;
    int16_t turn_seat = 0; // 0..3, or 4: seat 3 has had its turn
    int16_t weak_suit = 0; // last suit the human could not follow, -1 none
    int16_t finish_count = 0;
    Flag game_over = 0;
};

// Whether any game has been dealt since the window opened: every deal gives
// the human's hand its place, which is zero only before the first.
inline bool ever_dealt(const Game_State &g) {
    return g.seat[0].hand_y != 0;
}

} // namespace plenk
