#include "platform/qt/card_deck.h"
#include "tests/qt/qt_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

QString element_of(int32_t card, int32_t mode) {
    Card_Picture picture;
    return card_picture(card, mode, picture) ? deck_element(picture) : QStringLiteral("(none)");
}

// Library indices run rank by rank in clubs, diamonds, hearts, spades.
TEST(Card_Deck, LibraryCardsNameTheDecksElements) {
    const std::tuple<int32_t, int32_t, const char*> cards[] = {
        {0, 0, "1_club"},     {1, 0, "1_diamond"},     {2, 0, "1_heart"},    {7, 0, "2_spade"},   {36, 0, "10_club"},
        {41, 0, "jack_diamond"}, {46, 0, "queen_heart"}, {48, 0, "king_club"}, {51, 0, "king_spade"}, {62, 1, "back"},
        {52, 0, "(none)"},    {-1, 0, "(none)"},       {0, 2, "(none)"}};
    for (const auto& [card, mode, element] : cards) EXPECT_EQ(element_of(card, mode), element) << card << "/" << mode;

    if (!QFile::exists(standard_deck_path)) GTEST_SKIP() << "the card deck is not installed";
    ensure_application();
    QSvgRenderer deck{QString::fromLatin1(standard_deck_path)};
    for (int32_t card = 0; card < 52; ++card) EXPECT_TRUE(deck.elementExists(element_of(card, 0))) << card;
    EXPECT_TRUE(deck.elementExists(element_of(62, 1)));
}

// The pixels of a card image near a colour.
int count(const QPixmap& card, const QColor& colour) {
    const QImage image = card.toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.alpha() == 255 && std::abs(c.red() - colour.red()) < 60 &&
                 std::abs(c.green() - colour.green()) < 60 && std::abs(c.blue() - colour.blue()) < 60;
        }
    return n;
}

// A deck that is missing, or lacks a card, leaves our own painting of it.
TEST(Card_Deck, CardsTheDeckLacksArePaintedWithRankAndSuit) {
    ensure_application();
    QTemporaryDir folder;
    QFile back_only(folder.filePath("back_only.svg"));
    ASSERT_TRUE(back_only.open(QIODevice::WriteOnly));
    back_only.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="71" height="96">)"
                    R"(<rect id="back" width="71" height="96" fill="#ff00ff"/></svg>)");
    back_only.close();
    Card_Deck missing(QStringLiteral("/nonexistent/deck.svgz"));
    Card_Deck backs(back_only.fileName());
    const QColor red(200, 0, 0), blue(30, 60, 160), magenta(255, 0, 255);
    const int all = 71 * 96;
    const struct {
        Card_Deck& deck;
        Card_Picture picture;
        QColor colour;
        int least, most;
    } cards[] = {
        {missing, {false, 1, 2}, Qt::white, all / 3, all}, {missing, {false, 1, 2}, red, 200, all},
        {missing, {false, 1, 3}, red, 0, 0},               {missing, {false, 1, 3}, Qt::black, 200, all},
        {missing, {true, 0, 0}, blue, 200, all},           {backs, {true, 0, 0}, magenta, 71 * 90, all},
        {backs, {false, 2, 1}, Qt::white, all / 2, all},   {backs, {false, 2, 1}, red, 200, all},
    };
    for (const auto& c : cards) {
        const int n = count(c.deck.pixmap(c.picture, 1.0), c.colour);
        EXPECT_TRUE(n >= c.least && n <= c.most) << c.picture.value << "/" << c.picture.suit << ": " << n;
    }
    EXPECT_NE(missing.pixmap({false, 1, 3}, 1.0).toImage(), missing.pixmap({false, 13, 3}, 1.0).toImage());
    EXPECT_TRUE(!missing.deck_loaded() && backs.deck_loaded());
}

} // namespace
} // namespace plenk::test
