#pragma once

#include "platform/qt/card_elements.h"

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace plenk {

// The desktop's shared SVG card deck.
inline constexpr const char *standard_deck_path = "/usr/share/carddecks/svg-standard/standard.svgz";

// The card images: each picture is rendered once per size in device pixels
// and kept. Without the deck, or for a card the deck lacks, the picture is
// painted by our own code, so a card is never blank.
class Card_Deck {
  public:
    explicit Card_Deck(QString path = QString::fromLatin1(standard_deck_path));
    ~Card_Deck();
    Card_Deck(const Card_Deck &) = delete;
    Card_Deck &operator=(const Card_Deck &) = delete;

    // The card at `ratio` device pixels per table pixel; the pixmap carries
    // that ratio, so it covers the card's size in table pixels.
    const QPixmap &pixmap(const Card_Picture &picture, qreal ratio);
    // Whether the deck file was read; false until the first card is asked for.
    bool deck_loaded() const { return renderer_ && renderer_->isValid(); }

  private:
    QPixmap render(const Card_Picture &picture, const QString &element, QSize device_size,
                   qreal ratio);

    QString path_;
    // Read at the first card, so that starting the program does not wait for it.
    std::unique_ptr<QSvgRenderer> renderer_;
    QHash<QString, QPixmap> cache_;
};

} // namespace plenk
