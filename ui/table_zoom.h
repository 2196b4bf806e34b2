#pragma once

#include "ui/table_scale.h"

#include <array>
#include <cstdint>

namespace plenk {

// The sizes the player steps through, in percent of the table's own size.
inline constexpr std::array<int32_t, 8> zoom_steps{50, 75, 100, 125, 150, 200, 250, 300};
inline constexpr int32_t actual_size = 100;

struct Window_Size {
    int32_t width = 0;
    int32_t height = 0;
};

// The window pixels the whole table covers at `zoom` percent.
Window_Size table_size_at(int32_t zoom);
// The step after or before `zoom`; `zoom` itself at either end.
int32_t zoom_in(int32_t zoom);
int32_t zoom_out(int32_t zoom);
bool is_zoom_step(int32_t zoom);
// The zoom the window shows when the player chose `chosen`: the largest step
// up to it at which the table and `around` it (frame, menus, status line)
// fit in `room`; the smallest step when none does.
int32_t fitting_zoom(int32_t chosen, Window_Size around, Window_Size room);
// The table as large as `area` allows, centred in it.
Table_Scale filling_scale(Window_Size area);
inline Table_Scale zoom_scale(int32_t zoom) {
    return {zoom / 100.0, 0, 0};
}

} // namespace plenk
