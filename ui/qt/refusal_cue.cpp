#include "ui/qt/refusal_cue.h"

#include "ui/qt/window_constants.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace plenk {

Refusal_Cue::Refusal_Cue(QWidget *table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setSingleShot(true);
    timer_.setInterval(refusal_cue_ms);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void Refusal_Cue::show_for(QRect card, const QString &words, double factor) {
    words_ = words;
    QFont font = this->font();
    font.setPixelSize(qRound(cue_font_px * factor));
    font.setBold(true);
    setFont(font);
    const int padding = qRound(cue_padding_px * factor);
    tip_px_ = qRound(cue_tip_px * factor);
    const int width = fontMetrics().horizontalAdvance(words) + 2 * padding;
    const int height = fontMetrics().height() + 2 * padding + tip_px_;
    const int tip = card.center().x();
    // Centred over the card, kept on the table.
    const int left = std::clamp(tip - width / 2, 0, std::max(0, parentWidget()->width() - width));
    setGeometry(left, card.top() - height, width, height);
    tip_x_ = tip - left;
    raise();
    show();
    update();
    timer_.start();
}

void Refusal_Cue::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, width() - 1, height() - tip_px_ - 1);
    QPainterPath outline;
    outline.addRect(box);
    QPolygonF tip;
    tip << QPointF(tip_x_ - tip_px_, box.bottom()) << QPointF(tip_x_, height())
        << QPointF(tip_x_ + tip_px_, box.bottom());
    outline.addPolygon(tip);
    painter.setPen(QPen(QColor::fromRgb(cue_edge_rgb), 1));
    painter.setBrush(QColor::fromRgb(cue_back_rgb));
    painter.drawPath(outline.simplified());
    painter.setPen(QColor::fromRgb(cue_text_rgb));
    painter.drawText(box, Qt::AlignCenter, words_);
}

} // namespace plenk
