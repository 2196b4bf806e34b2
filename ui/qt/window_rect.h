#pragma once

#include "platform/qt/table_surface.h"
#include "ui/table_scale.h"

#include <QRect>

namespace plenk {

// The window pixels a rectangle of the table covers.
inline QRect window_rect(const Table_Scale &scale, const Table_Rect &r) {
    const Window_Rect w = scale.to_window(r);
    return {w.x, w.y, w.width, w.height};
}

// The surface's placement of table rectangles by the scale `scale` holds
// when it is asked, at the device's ratio.
inline Table_Surface::Placement placement_by(const Table_Scale &scale) {
    return [&scale](const QRect &r, qreal ratio) {
        return window_rect(scale.at_ratio(ratio), {r.x(), r.y(), r.width(), r.height()});
    };
}

} // namespace plenk
