#pragma once

#include <cstdint>

namespace plenk {

// The announcement label's look; its place is the table layout's.
constexpr uint32_t label_text_rgb = 0xFFFF00;
constexpr int32_t label_font_px = 19; // bold serif, in pixels as the label's box is sized for it

// The help window's drawing area and its one label.
constexpr int32_t help_width = 412;
constexpr int32_t help_height = 289;
constexpr int32_t help_text_left = 8;
constexpr int32_t help_text_top = 8;
constexpr int32_t help_text_width = 393;
constexpr int32_t help_text_height = 281;
constexpr uint32_t help_rgb = 0x004000; // dark green
constexpr int32_t help_font_px = 13; // bold sans serif, in pixels as the text's box is sized for it

} // namespace plenk
