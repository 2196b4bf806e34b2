#include "platform/qt/card_deck.h"

#include "platform/qt/placeholder_card.h"
#include "platform/qt/surface_constants.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

namespace plenk {

Q_LOGGING_CATEGORY(deck_log, "plenk.deck", QtWarningMsg)

Card_Deck::Card_Deck(QString path) : path_(std::move(path)) {}

Card_Deck::~Card_Deck() = default;

void Card_Deck::set_path(QString path) {
    path_ = std::move(path);
    renderer_.reset();
    cache_.clear();
}

const QPixmap &Card_Deck::pixmap(const Card_Picture &picture, QSize device_size) {
    const QString element = deck_element(picture);
    const QString key = element + QLatin1Char('@') + QString::number(device_size.width()) +
                        QLatin1Char('x') + QString::number(device_size.height());
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;
    return *cache_.insert(key, render(picture, element, device_size));
}

QPixmap Card_Deck::render(const Card_Picture &picture, const QString &element, QSize device_size) {
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
            painter.scale(static_cast<qreal>(device_size.width()) / deck_card_width,
                          static_cast<qreal>(device_size.height()) / deck_card_height);
            paint_placeholder_card(painter, QRectF(0, 0, deck_card_width, deck_card_height),
                                   picture);
        }
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace plenk
