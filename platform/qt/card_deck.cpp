#include "platform/qt/card_deck.h"

#include "platform/qt/placeholder_card.h"
#include "platform/qt/surface_constants.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

namespace plenk {

namespace {

Q_LOGGING_CATEGORY(deck_log, "plenk.deck", QtWarningMsg)

} // namespace

Card_Deck::Card_Deck(QString path) : path_(std::move(path)) {}

Card_Deck::~Card_Deck() = default;

const QPixmap &Card_Deck::pixmap(const Card_Picture &picture, qreal ratio) {
    const QString element = deck_element(picture);
    const QSize device_size(qRound(deck_card_width * ratio), qRound(deck_card_height * ratio));
    const QString key = element + QLatin1Char('@') + QString::number(device_size.width());
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;
    return *cache_.insert(key, render(picture, element, device_size, ratio));
}

QPixmap Card_Deck::render(const Card_Picture &picture, const QString &element, QSize device_size,
                          qreal ratio) {
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>(path_);
        if (!renderer_->isValid())
            qCWarning(deck_log) << "no card deck at" << path_ << "- the game paints its own cards";
    }
    QImage image(device_size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        if (renderer_->isValid() && renderer_->elementExists(element)) {
            renderer_->render(&painter, element, QRectF(QPointF(0, 0), QSizeF(device_size)));
        } else {
            if (renderer_->isValid())
                qCWarning(deck_log) << "the deck has no card" << element << "- painted instead";
            painter.scale(ratio, ratio);
            paint_placeholder_card(painter, QRectF(0, 0, deck_card_width, deck_card_height),
                                   picture);
        }
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace plenk
