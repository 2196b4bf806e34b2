#pragma once

#include "platform/qt/card_elements.h"

#include <QPainter>
#include <QRectF>

namespace plenk {

// Paints a card by our own drawing, for when the deck is missing or lacks
// the card: a face shows its rank and suit in two corners and the suit in
// the middle, a back a blue lattice.
void paint_placeholder_card(QPainter &painter, const QRectF &box, const Card_Picture &picture);

} // namespace plenk
