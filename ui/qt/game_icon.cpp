#include "ui/qt/game_icon.h"

#include "game/table_constants.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace plenk {

namespace {

constexpr int icon_size = 64;

void paint_card(QPainter& painter, qreal angle, const QColor& ink, bool heart) {
    painter.save();
    painter.translate(32, 40);
    painter.rotate(angle);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-13, -30, 26, 36), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    QPainterPath pip;
    if (heart) {
        pip.moveTo(0, 0);
        pip.cubicTo(-10, -7, -7, -18, 0, -13);
        pip.cubicTo(7, -18, 10, -7, 0, 0);
    } else {
        pip.moveTo(0, -19);
        pip.cubicTo(-10, -11, -8, -3, 0, -7);
        pip.cubicTo(8, -3, 10, -11, 0, -19);
        pip.addRect(-1.5, -8, 3, 7);
    }
    painter.drawPath(pip);
    painter.restore();
}

} // namespace

QIcon game_icon() {
    QPixmap pixmap(icon_size, icon_size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 64, 0), 2));
    painter.setBrush(QColor::fromRgb(table_rgb));
    painter.drawRoundedRect(QRectF(1, 1, icon_size - 2, icon_size - 2), 10, 10);
    paint_card(painter, -16, Qt::black, false);
    paint_card(painter, 14, QColor(200, 0, 0), true);
    painter.end();
    return QIcon(pixmap);
}

} // namespace plenk
