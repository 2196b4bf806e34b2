#include "ui/qt/game_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace plenk {

QImage game_icon_image(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer artwork(QStringLiteral(":/plenk/game_icon.svg"));
    QPainter painter(&image);
    artwork.render(&painter);
    return image;
}

QIcon game_icon() {
    return QIcon(QPixmap::fromImage(game_icon_image(icon_size)));
}

} // namespace plenk
