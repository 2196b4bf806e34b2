#pragma once

#include <cstdint>

namespace plenk {

// The announcement label's look; its place is the table layout's.
constexpr uint32_t label_text_rgb = 0xFFFF00;
constexpr int32_t label_font_px = 19; // bold serif, in pixels as the label's box is sized for it

// The answer over a refused card: how long it shows, its caption's text and
// the caption's padding, and the height of the tip pointing down to the card.
constexpr int refusal_cue_ms = 2000;
constexpr int32_t cue_font_px = 13;
constexpr int32_t cue_padding_px = 4;
constexpr int32_t cue_tip_px = 6;
constexpr uint32_t cue_back_rgb = 0x202020;
constexpr uint32_t cue_edge_rgb = 0xFF4040;
constexpr uint32_t cue_text_rgb = 0xFFFFFF;

// The help window's drawing area and its one label.
constexpr int32_t help_width = 412;
constexpr int32_t help_height = 289;
constexpr int32_t help_text_left = 8;
constexpr int32_t help_text_top = 8;
constexpr int32_t help_text_width = 393;
constexpr int32_t help_text_height = 281;
constexpr uint32_t help_rgb = 0x004000; // dark green
constexpr int32_t help_font_px = 13; // bold sans serif, in pixels as the text's box is sized for it
// The game's icon in the About box.
constexpr int32_t about_icon_px = 64;
// The newcomer's guide: in the help window's look, wider, as tall as its text.
constexpr int32_t guide_width = 600;
constexpr int32_t guide_text_width = guide_width - 2 * help_text_left;

// What a desktop's frame usually takes around a window (borders, a title
// bar), counted before the window is first shown and its frame is known.
constexpr int32_t frame_allowance_width = 8;
constexpr int32_t frame_allowance_height = 38;

} // namespace plenk
