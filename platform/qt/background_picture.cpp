#include "platform/qt/background_picture.h"

#include "platform/jpeg_header.h"
#include "platform/qt/surface_constants.h"

#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace plenk {

namespace {

Q_LOGGING_CATEGORY(picture_log, "plenk.picture", QtWarningMsg)

// Qt's decoders report damaged or truncated data only as a warning and still
// hand back a picture, the missing part filled in. Such a warning, caught
// while reading, makes the picture count as undecodable.
// The complaint is kept, and logged as the picture's once the watch ends.
bool decoder_complained = false;
QString complaint;
QtMessageHandler previous_handler = nullptr;

void watch_decoder(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (context.category != nullptr && std::strncmp(context.category, "qt.gui.imageio", 14) == 0) {
        decoder_complained = true;
        complaint = message;
        return;
    }
    if (previous_handler != nullptr)
        previous_handler(type, context, message);
}

struct Decoder_Watch {
    Decoder_Watch() {
        decoder_complained = false;
        complaint.clear();
        previous_handler = qInstallMessageHandler(watch_decoder);
    }
    ~Decoder_Watch() { qInstallMessageHandler(previous_handler); }
    Decoder_Watch(const Decoder_Watch &) = delete;
    Decoder_Watch &operator=(const Decoder_Watch &) = delete;
};

std::optional<QImage> read_picture(const QString &path, QSize shown) {
    // Opened once: the decoder reads the very file the walk checked, not
    // whatever is put at the name meanwhile. Not blocking, a pipe cannot hold
    // the open.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (!jpeg_fit_to_decode(read_jpeg_frame_in_file(fd)))
        return std::nullopt;
    Decoder_Watch watch;
    // Only the JPEG decoder: others, picked by the content, trust sizes
    // written in the file and may claim gigabytes before a pixel is read.
    QImageReader reader(&file, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(shown)));
    QImage image = reader.read();
    if (image.isNull() || decoder_complained)
        return std::nullopt;
    return image;
}

} // namespace

bool jpeg_fit_to_decode(const std::optional<Jpeg_Frame> &frame) {
    return frame &&
           (frame->sequential || int64_t{frame->width} * frame->height <= held_picture_pixels);
}

std::optional<QImage> load_background_picture(const QString &path, QSize shown) {
    std::optional<QImage> picture = read_picture(path, shown);
    if (!picture)
        qCWarning(picture_log) << "not used as the table's picture:" << path
                               << (complaint.isEmpty() ? QString() : complaint);
    return picture;
}

} // namespace plenk
