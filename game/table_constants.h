#pragma once

#include <cstdint>

namespace plenk {

// Every size and duration of the table in one place.
constexpr int32_t table_width = 750; // pixels of the drawing area
constexpr int32_t table_height = 550;
constexpr int32_t card_step = 15;   // pixels between cards of a hand; a slide's step per frame
constexpr int32_t frame_ms = 25;    // wait before each frame of a slide
constexpr int32_t back_design = 62; // the card back of every face-down card
constexpr int32_t mode_face = 0;
constexpr int32_t mode_back = 1;
constexpr int32_t draw_colour = 16777215; // white, passed with every draw
constexpr int32_t hand_count = 5;         // cards dealt to each seat

} // namespace plenk
