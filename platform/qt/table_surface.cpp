#include "platform/qt/table_surface.h"

#include "platform/qt/surface_constants.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace plenk {

Table_Surface::Table_Surface(Card_Deck &deck, QSize size, QWidget *parent)
    : QWidget(parent), deck_(deck) {
    setFixedSize(size);
    // The pixmap covers every pixel, so nothing need be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys reach the table for keyboard play.
    setFocusPolicy(Qt::StrongFocus);
    rebuild();
}

void Table_Surface::lay_background() {
    const qreal ratio = devicePixelRatioF();
    background_ = QPixmap(QSize(qRound(width() * ratio), qRound(height() * ratio)));
    background_.setDevicePixelRatio(ratio);
    background_.fill(QColor::fromRgb(table_rgb));
    if (!picture_.isNull()) {
        QPainter painter(&background_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void Table_Surface::rebuild() {
    lay_background();
    backing_ = background_.copy();
    for (const Placed_Card &card : placed_)
        paint_card(card);
}

void Table_Surface::clear() {
    placed_.clear();
    if (backing_.devicePixelRatio() != devicePixelRatioF()) {
        rebuild();
        return;
    }
    QPainter painter(&backing_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, background_);
}

void Table_Surface::paint_card(const Placed_Card &card) {
    QPainter painter(&backing_);
    painter.drawPixmap(card.x, card.y, deck_.pixmap(card.picture, backing_.devicePixelRatio()));
}

void Table_Surface::draw_card(int32_t x, int32_t y, const Card_Picture &picture) {
    placed_.push_back({x, y, picture});
    paint_card(placed_.back());
}

void Table_Surface::refresh() {
    repaint();
    if (change_)
        change_();
}

void Table_Surface::set_background(QImage picture) {
    picture_ = std::move(picture);
    rebuild();
    update();
}

void Table_Surface::clear_background() {
    picture_ = QImage();
    rebuild();
    update();
}

void Table_Surface::paintEvent(QPaintEvent *event) {
    // The window may have moved to a screen of another pixel ratio.
    if (backing_.devicePixelRatio() != devicePixelRatioF())
        rebuild();
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawPixmap(0, 0, backing_);
    if (mark_visible_) {
        painter.setClipping(false);
        painter.setPen(QPen(QColor::fromRgb(mark_rgb), mark_pen_px));
        painter.setBrush(Qt::NoBrush);
        // The pen lies inside the card's edge, so the mark never leaves the card.
        const qreal inset = mark_pen_px / 2.0;
        painter.drawRect(QRectF(mark_).adjusted(inset, inset, -inset, -inset));
    }
}

void Table_Surface::set_mark(bool visible, QRect where) {
    if (visible == mark_visible_ && (!visible || where == mark_))
        return;
    mark_visible_ = visible;
    mark_ = where;
    repaint();
    if (change_)
        change_();
}

void Table_Surface::keyPressEvent(QKeyEvent *event) {
    if (key_)
        key_(event);
    else
        QWidget::keyPressEvent(event);
}

void Table_Surface::mousePressEvent(QMouseEvent *event) {
    if (!mouse_down_)
        return;
    const QPointF at = event->position();
    mouse_down_(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

} // namespace plenk
