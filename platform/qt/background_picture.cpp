#include "platform/qt/background_picture.h"

#include <QImageReader>
#include <QLoggingCategory>

#include <cstring>

namespace plenk {

namespace {

// Qt's decoders report damaged or truncated data only as a warning and still
// hand back a picture, the missing part filled in. Such a warning, caught
// while reading, makes the picture count as undecodable.
bool decoder_complained = false;
QtMessageHandler previous_handler = nullptr;

void watch_decoder(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && std::strncmp(context.category, "qt.gui.imageio", 14) == 0) {
        decoder_complained = true;
        return;
    }
    if (previous_handler != nullptr) previous_handler(type, context, message);
}

} // namespace

std::optional<QImage> load_background_picture(const QString& path, QSize shown) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid()) return std::nullopt;
    reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(shown)));

    decoder_complained = false;
    previous_handler = qInstallMessageHandler(watch_decoder);
    QImage image = reader.read();
    qInstallMessageHandler(previous_handler);

    if (image.isNull() || decoder_complained) return std::nullopt;
    return image;
}

} // namespace plenk
