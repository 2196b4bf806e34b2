#pragma once

#include "platform/qt/card_elements.h"

#include <QHash>
#include <QLoggingCategory>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace plenk {

// The card decks: what is missing or unreadable, and what is used instead.
Q_DECLARE_LOGGING_CATEGORY(deck_log)

// The desktop's shared SVG card deck.
inline constexpr const char *standard_deck_path = "/usr/share/carddecks/svg-standard/standard.svgz";

// The card images: each picture is rendered from the deck's SVG at the device
// pixels it covers, once per size, and kept. Without the deck, or for a card
// the deck lacks, the picture is painted by our own code, so a card is never
// blank.
class Card_Deck {
  public:
    explicit Card_Deck(QString path = QString::fromLatin1(standard_deck_path));
    ~Card_Deck();
    Card_Deck(const Card_Deck &) = delete;
    Card_Deck &operator=(const Card_Deck &) = delete;

    // The card filling `device_size` device pixels.
    const QPixmap &pixmap(const Card_Picture &picture, QSize device_size);
    // Whether the deck file was read; false until the first card is asked for.
    bool deck_loaded() const { return renderer_ && renderer_->isValid(); }
    // Another deck's SVG file; its cards are rendered as they are asked for.
    void set_path(QString path);
    const QString &path() const { return path_; }

  private:
    QPixmap render(const Card_Picture &picture, const QString &element, QSize device_size);

    QString path_;
    // Read at the first card, so that starting the program does not wait for it.
    std::unique_ptr<QSvgRenderer> renderer_;
    QHash<QString, QPixmap> cache_;
};

} // namespace plenk
