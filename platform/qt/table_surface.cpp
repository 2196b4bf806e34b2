#include "platform/qt/table_surface.h"

#include "platform/qt/surface_constants.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace plenk {

Table_Surface::Table_Surface(Card_Deck &deck, QSize table, Placement place, QWidget *parent)
    : QWidget(parent), deck_(deck), table_(table), place_(std::move(place)) {
    // The pixmap covers every pixel, so nothing need be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys reach the table for keyboard play.
    setFocusPolicy(Qt::StrongFocus);
    rebuild();
}

bool Table_Surface::backing_fits() const {
    const qreal ratio = devicePixelRatioF();
    return backing_.size() == QSize(qRound(width() * ratio), qRound(height() * ratio)) &&
           backing_.devicePixelRatio() == ratio;
}

void Table_Surface::lay_background() {
    const qreal ratio = devicePixelRatioF();
    // Drawn in device pixels; the ratio is set once the drawing is done.
    background_ = QPixmap(QSize(qRound(width() * ratio), qRound(height() * ratio)));
    background_.fill(QColor::fromRgb(table_rgb));
    if (!picture_.isNull()) {
        QPainter painter(&background_);
        // A larger picture is cut off at the table's edge.
        painter.setClipRect(place_(QRect(QPoint(0, 0), table_), ratio));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(place_(QRect(QPoint(0, 0), picture_.size()), ratio), picture_);
    }
    background_.setDevicePixelRatio(ratio);
}

void Table_Surface::rebuild() {
    lay_background();
    backing_ = background_.copy();
    // Every card is laid again at the next refresh or paint.
    laid_.clear();
}

void Table_Surface::redraw() {
    rebuild();
    update();
}

void Table_Surface::clear() {
    placed_.clear();
}

QRect Table_Surface::device_rect(const Placed_Card &card, qreal ratio) const {
    return place_(QRect(card.x, card.y, deck_card_width, deck_card_height), ratio);
}

QRegion Table_Surface::lay_changes() {
    if (!backing_fits())
        rebuild();
    // The cards before and after the part that differs are the same cards in
    // the same order, so a pixel none of the differing cards covers shows
    // the same cards as before, one over the other as before.
    const qreal ratio = backing_.devicePixelRatio();
    std::size_t before = 0, after = 0;
    while (before < placed_.size() && before < laid_.size() && placed_[before] == laid_[before])
        ++before;
    while (after < placed_.size() - before && after < laid_.size() - before &&
           placed_[placed_.size() - 1 - after] == laid_[laid_.size() - 1 - after])
        ++after;
    QRegion changed;
    for (std::size_t i = before; i < laid_.size() - after; ++i)
        changed += device_rect(laid_[i], ratio);
    for (std::size_t i = before; i < placed_.size() - after; ++i)
        changed += device_rect(placed_[i], ratio);
    laid_ = placed_;
    if (changed.isEmpty())
        return {};
    // Device pixels for device pixels: no scaling between the deck and the screen.
    backing_.setDevicePixelRatio(1);
    background_.setDevicePixelRatio(1);
    {
        QPainter painter(&backing_);
        painter.setClipRegion(changed);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(0, 0, background_);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const Placed_Card &card : laid_) {
            const QRect where = device_rect(card, ratio);
            if (changed.intersects(where))
                painter.drawPixmap(where.topLeft(), deck_.pixmap(card.picture, where.size()));
        }
    }
    backing_.setDevicePixelRatio(ratio);
    background_.setDevicePixelRatio(ratio);
    // Widget pixels, each rectangle grown to the whole pixels it touches.
    QRegion shown;
    for (const QRect &r : changed)
        shown += QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio)
                     .toAlignedRect();
    return shown;
}

void Table_Surface::draw_card(int32_t x, int32_t y, const Card_Picture &picture) {
    placed_.push_back({x, y, picture});
}

void Table_Surface::refresh() {
    const QRegion changed = lay_changes();
    if (!changed.isEmpty())
        repaint(changed);
    if (change_)
        change_();
}

void Table_Surface::set_background(QImage picture) {
    picture_ = std::move(picture);
    redraw();
}

void Table_Surface::clear_background() {
    picture_ = QImage();
    redraw();
}

void Table_Surface::paintEvent(QPaintEvent *event) {
    // Whatever was drawn since, or the window moved to a screen of another
    // pixel ratio.
    lay_changes();
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawPixmap(0, 0, backing_);
    if (mark_visible_) {
        painter.setClipping(false);
        // The pen grows with the table, and lies inside the card's edge, so
        // the mark never leaves the card.
        const QRect box = place_(mark_, 1);
        const qreal pen = place_(QRect(0, 0, mark_pen_px, mark_pen_px), 1).width();
        painter.setPen(QPen(QColor::fromRgb(mark_rgb), pen));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = pen / 2.0;
        painter.drawRect(QRectF(box).adjusted(inset, inset, -inset, -inset));
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
    if (mouse_down_)
        mouse_down_(event->position());
}

} // namespace plenk
