#pragma once

#include "platform/jpeg_header.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace plenk {

// Whether a JPEG stream whose walk found `frame` may go to the decoder: it has
// a frame header, and the decoder either streams it row by row or can hold it
// whole within the picture budget.
bool jpeg_fit_to_decode(const std::optional<Jpeg_Frame> &frame);

// Reads the part of the JPEG picture in the file that a table of `shown`
// pixels shows from its top-left corner, decoding no more than that. Nothing
// when the file is no ordinary file or no JPEG, is damaged or cut short, has
// more segments than a real picture, or would make the decoder hold more
// than the picture budget.
std::optional<QImage> load_background_picture(const QString &path, QSize shown);

} // namespace plenk
