#include "platform/qt/card_elements.h"

#include <array>

namespace plenk {

bool card_picture(int32_t card, int32_t mode, Card_Picture &picture) {
    if (mode == 1) {
        picture = Card_Picture{true, 0, 0};
        return true;
    }
    if (mode != 0 || card < 0 || card > 51)
        return false;
    picture = Card_Picture{false, card / 4 + 1, card % 4};
    return true;
}

QString deck_element(const Card_Picture &picture) {
    if (picture.back)
        return QStringLiteral("back");
    static const std::array<const char *, 4> suits{"club", "diamond", "heart", "spade"};
    static const std::array<const char *, 3> courts{"jack", "queen", "king"};
    const QString rank = picture.value > 10 ? QString::fromLatin1(courts[picture.value - 11])
                                            : QString::number(picture.value);
    return rank + QLatin1Char('_') + QString::fromLatin1(suits[picture.suit]);
}

} // namespace plenk
