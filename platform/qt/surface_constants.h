#pragma once

#include "platform/platform.h"

#include <cstdint>

namespace plenk {

// The table's medium green as 0xRRGGBB.
constexpr uint32_t table_rgb = 0x008000;

// The keyboard's mark over a card of the human's hand.
constexpr uint32_t mark_rgb = 0xFFD700;
constexpr int32_t mark_pen_px = 3;

// The most pixels a table picture may have when the decoder must hold it
// whole (progressive and the like): a common camera photo, whose buffers
// come to about 50 MB. A picture decoded row by row may be of any size.
constexpr int64_t held_picture_pixels = 8'000'000;

} // namespace plenk
