#include "ui/table_scale.h"

#include <cmath>

namespace plenk {

namespace {

// The first window pixel whose table coordinate is at least `edge`, given
// the map from window to table along one axis. Starts from the exact
// product, at or past the edge; the table point, rounded to a float, may
// reach the edge a pixel earlier (at a factor of 790/750 it does), never
// later, so that the edge agrees with to_table() to the last bit.
template <typename To_Table> int32_t first_at_or_after(double guess, int32_t edge, To_Table to) {
    auto p = static_cast<int32_t>(std::ceil(guess));
    while (to(p - 1) >= static_cast<float>(edge))
        --p;
    return p;
}

} // namespace

Table_Point Table_Scale::to_table(double x, double y) const {
    return {static_cast<float>((x - left) / factor), static_cast<float>((y - top) / factor)};
}

Window_Rect Table_Scale::to_window(const Table_Rect &r) const {
    const auto along_x = [this](int32_t p) { return to_table(p, 0).x; };
    const auto along_y = [this](int32_t p) { return to_table(0, p).y; };
    const int32_t x0 = first_at_or_after(left + r.x * factor, r.x, along_x);
    const int32_t x1 = first_at_or_after(left + (r.x + r.width) * factor, r.x + r.width, along_x);
    const int32_t y0 = first_at_or_after(top + r.y * factor, r.y, along_y);
    const int32_t y1 = first_at_or_after(top + (r.y + r.height) * factor, r.y + r.height, along_y);
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace plenk
