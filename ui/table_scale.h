#pragma once

#include "ui/table_layout.h"

namespace plenk {

// A point on the table, in table pixels, between the pixel grid's lines.
struct Table_Point {
    float x = 0;
    float y = 0;
};

// A rectangle of window pixels (or of device pixels, for a scale taken at
// the screen's ratio).
struct Window_Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Window_Rect &) const = default;
};

// How the table's pixels lie on the window: `factor` window pixels per table
// pixel, the table's top-left corner at window point (left, top). The one
// mapping between the two: whatever is drawn, named, hit or pressed goes
// through it, so that they agree at every pixel at every size.
struct Table_Scale {
    double factor = 1;
    double left = 0;
    double top = 0;

    // The table point a window point shows.
    Table_Point to_table(double x, double y) const;
    // The window pixels that show the rectangle: a pixel belongs to it
    // exactly when to_table() of the pixel's own corner lies inside it.
    Window_Rect to_window(const Table_Rect &r) const;
    // The same table on a device of `ratio` device pixels per window pixel.
    Table_Scale at_ratio(double ratio) const { return {factor * ratio, left * ratio, top * ratio}; }
};

} // namespace plenk
