#pragma once

#include "ui/table_scale.h"

#include <QRect>

namespace plenk {

// The window pixels a rectangle of the table covers.
inline QRect window_rect(const Table_Scale &scale, const Table_Rect &r) {
    const Window_Rect w = scale.to_window(r);
    return {w.x, w.y, w.width, w.height};
}

} // namespace plenk
