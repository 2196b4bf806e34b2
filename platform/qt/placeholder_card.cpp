#include "platform/qt/placeholder_card.h"

#include <QFont>
#include <QPainterPath>

#include <array>

namespace plenk {

namespace {

// The suit's outline in a unit square.
QPainterPath suit_shape(int suit) {
    QPainterPath path;
    switch (suit) {
    case 0: // clubs: three leaves and a stem
        path.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
        path.addEllipse(QPointF(0.27, 0.58), 0.22, 0.22);
        path.addEllipse(QPointF(0.73, 0.58), 0.22, 0.22);
        path.addPolygon(QPolygonF({{0.45, 0.5}, {0.55, 0.5}, {0.68, 1.0}, {0.32, 1.0}}));
        break;
    case 1: // diamonds
        path.addPolygon(QPolygonF({{0.5, 0.0}, {0.9, 0.5}, {0.5, 1.0}, {0.1, 0.5}, {0.5, 0.0}}));
        break;
    case 2: // hearts
        path.moveTo(0.5, 1.0);
        path.cubicTo(0.1, 0.7, -0.05, 0.45, 0.05, 0.25);
        path.cubicTo(0.15, 0.02, 0.45, 0.02, 0.5, 0.28);
        path.cubicTo(0.55, 0.02, 0.85, 0.02, 0.95, 0.25);
        path.cubicTo(1.05, 0.45, 0.9, 0.7, 0.5, 1.0);
        break;
    default: // spades: an upturned heart on a stem
        path.moveTo(0.5, 0.0);
        path.cubicTo(0.9, 0.3, 1.05, 0.5, 0.95, 0.68);
        path.cubicTo(0.85, 0.88, 0.58, 0.85, 0.5, 0.65);
        path.cubicTo(0.42, 0.85, 0.15, 0.88, 0.05, 0.68);
        path.cubicTo(-0.05, 0.5, 0.1, 0.3, 0.5, 0.0);
        path.addPolygon(QPolygonF({{0.45, 0.6}, {0.55, 0.6}, {0.68, 1.0}, {0.32, 1.0}}));
        break;
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

void paint_suit(QPainter &painter, int suit, const QRectF &box) {
    painter.save();
    // Filled only: an outline would grow with the scale of the unit square.
    painter.setPen(Qt::NoPen);
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    painter.drawPath(suit_shape(suit));
    painter.restore();
}

QString rank_text(int value) {
    static const std::array<const char *, 13> ranks{"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(ranks[value - 1]);
}

// Rank above a small suit, in the card's top-left corner as the painter stands.
void paint_corner(QPainter &painter, const QRectF &box, const Card_Picture &picture) {
    const qreal w = box.width();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(box.height() * 0.17));
    painter.setFont(font);
    const QRectF rank_box(box.left() + w * 0.03, box.top() + w * 0.03, w * 0.28,
                          box.height() * 0.18);
    painter.drawText(rank_box, Qt::AlignCenter, rank_text(picture.value));
    const qreal suit_size = w * 0.16;
    paint_suit(
        painter, picture.suit,
        QRectF(rank_box.center().x() - suit_size / 2, rank_box.bottom(), suit_size, suit_size));
}

} // namespace

void paint_placeholder_card(QPainter &painter, const QRectF &box, const Card_Picture &picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = box.width() * 0.05;
    const QRectF edge = box.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(edge, radius, radius);
    if (picture.back) {
        const qreal margin = box.width() * 0.08;
        const QRectF field = box.adjusted(margin, margin, -margin, -margin);
        const QColor blue(30, 60, 160);
        painter.fillRect(field, QColor(200, 210, 240));
        painter.fillRect(field, QBrush(blue, Qt::DiagCrossPattern));
        painter.setPen(blue);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(field);
        painter.restore();
        return;
    }
    const QColor ink = picture.suit == 1 || picture.suit == 2 ? QColor(200, 0, 0) : QColor(0, 0, 0);
    painter.setPen(ink);
    painter.setBrush(ink);
    paint_corner(painter, box, picture);
    // The opposite corner shows the same, upside down.
    painter.save();
    painter.translate(box.center());
    painter.rotate(180);
    painter.translate(-box.center());
    paint_corner(painter, box, picture);
    painter.restore();
    const qreal middle = box.width() * 0.42;
    paint_suit(
        painter, picture.suit,
        QRectF(box.center().x() - middle / 2, box.center().y() - middle / 2, middle, middle));
    painter.restore();
}

} // namespace plenk
