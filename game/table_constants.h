#pragma once

#include <cstdint>

namespace plenk {

// Every size and duration of the table in one place.
constexpr int32_t table_width = 750;  // pixels of the drawing area
constexpr int32_t table_height = 550;
constexpr int32_t card_step = 15;      // pixels between cards of a hand; a slide's step per frame
constexpr int32_t frame_ms = 25;       // wait before each frame of a slide
constexpr uint32_t pause_ms = 2000;    // a complete round or a take stays on view this long
constexpr int32_t back_design = 62;    // the card back of every face-down card
constexpr int32_t mode_face = 0;
constexpr int32_t mode_back = 1;
constexpr int32_t draw_colour = 16777215; // white, passed with every draw
constexpr int32_t hand_count = 5;      // cards dealt to each seat

// The announcement label across the middle of the table.
constexpr int32_t label_left = 216;
constexpr int32_t label_top = 256;
constexpr int32_t label_width = 313;
constexpr int32_t label_height = 25;

// The help window's drawing area and its one label.
constexpr int32_t help_width = 412;
constexpr int32_t help_height = 289;
constexpr int32_t help_text_left = 8;
constexpr int32_t help_text_top = 8;
constexpr int32_t help_text_width = 393;
constexpr int32_t help_text_height = 281;

// The most pixels a table picture may have when the decoder must hold it
// whole (progressive and the like): a common camera photo, whose buffers
// come to about 50 MB. A picture decoded row by row may be of any size.
constexpr int64_t held_picture_pixels = 8'000'000;

// The card deck's natural card size, which the card library reports.
constexpr int32_t deck_card_width = 71;
constexpr int32_t deck_card_height = 96;

// Colours as 0xRRGGBB.
constexpr uint32_t table_rgb = 0x008000; // the table's medium green
constexpr uint32_t help_rgb = 0x004000;  // the help window's dark green
constexpr uint32_t label_text_rgb = 0xFFFF00;

// The keyboard's mark over a card of the human's hand.
constexpr uint32_t mark_rgb = 0xFFD700;
constexpr int32_t mark_pen_px = 3;

// Fonts in pixels, as the layout's fixed pixel boxes are sized for them.
constexpr int32_t label_font_px = 19; // bold serif of the announcement label
constexpr int32_t help_font_px = 13;  // bold sans serif of the help text

} // namespace plenk
