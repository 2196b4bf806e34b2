#pragma once

#include <QString>

#include <cstdint>

namespace plenk {

// What one card library call shows: a face by its rank and suit, or a back.
struct Card_Picture {
    bool back = false;
    int value = 0; // 1 ace .. 13 king
    int suit = 0;  // 0 clubs, 1 diamonds, 2 hearts, 3 spades
    bool operator==(const Card_Picture &) const = default;
};

// The picture for a library card argument in a draw mode: mode 0 a face by
// library index (value - 1) x 4 + suit, mode 1 a back of any design. False for
// an index or mode the library does not know.
bool card_picture(int32_t card, int32_t mode, Card_Picture &picture);

// The deck's element id of a picture: "1_club" .. "king_spade", or "back".
QString deck_element(const Card_Picture &picture);

} // namespace plenk
