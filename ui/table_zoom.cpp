#include "ui/table_zoom.h"

#include "game/table_constants.h"

#include <algorithm>

namespace plenk {

Window_Size table_size_at(int32_t zoom) {
    const Window_Rect all = zoom_scale(zoom).to_window({0, 0, table_width, table_height});
    return {all.width, all.height};
}

int32_t zoom_in(int32_t zoom) {
    const auto *next = std::upper_bound(zoom_steps.begin(), zoom_steps.end(), zoom);
    return next == zoom_steps.end() ? zoom : *next;
}

int32_t zoom_out(int32_t zoom) {
    const auto *at = std::lower_bound(zoom_steps.begin(), zoom_steps.end(), zoom);
    return at == zoom_steps.begin() ? zoom : *(at - 1);
}

bool is_zoom_step(int32_t zoom) {
    return std::find(zoom_steps.begin(), zoom_steps.end(), zoom) != zoom_steps.end();
}

int32_t fitting_zoom(int32_t chosen, Window_Size around, Window_Size room) {
    for (auto step = zoom_steps.rbegin(); step != zoom_steps.rend(); ++step) {
        const Window_Size table = table_size_at(*step);
        if (*step <= chosen && table.width + around.width <= room.width &&
            table.height + around.height <= room.height)
            return *step;
    }
    return zoom_steps.front();
}

Table_Scale filling_scale(Window_Size area) {
    const double factor = std::min(static_cast<double>(area.width) / table_width,
                                   static_cast<double>(area.height) / table_height);
    return {factor, (area.width - table_width * factor) / 2,
            (area.height - table_height * factor) / 2};
}

} // namespace plenk
