#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace plenk {

// Reads the part of the picture in the file that a table of `shown` pixels
// shows from its top-left corner, decoding no more than that. Nothing when
// the file is no picture, or is damaged or cut short.
std::optional<QImage> load_background_picture(const QString& path, QSize shown);

} // namespace plenk
