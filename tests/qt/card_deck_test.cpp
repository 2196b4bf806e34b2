#include "platform/qt/card_deck.h"
#include "tests/qt/qt_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

QString element_of(int32_t card, int32_t mode) {
    Card_Picture picture;
    if (!card_picture(card, mode, picture)) return QStringLiteral("(none)");
    return deck_element(picture);
}

TEST(Card_Elements, LibraryIndexRunsRankByRankInClubsDiamondsHeartsSpades) {
    EXPECT_EQ(element_of(0, 0), "1_club");
    EXPECT_EQ(element_of(1, 0), "1_diamond");
    EXPECT_EQ(element_of(2, 0), "1_heart");
    EXPECT_EQ(element_of(7, 0), "2_spade");
    EXPECT_EQ(element_of(36, 0), "10_club");
    EXPECT_EQ(element_of(41, 0), "jack_diamond");
    EXPECT_EQ(element_of(46, 0), "queen_heart");
    EXPECT_EQ(element_of(48, 0), "king_club");
    EXPECT_EQ(element_of(51, 0), "king_spade");
    EXPECT_EQ(element_of(62, 1), "back");
    EXPECT_EQ(element_of(52, 0), "(none)");
    EXPECT_EQ(element_of(-1, 0), "(none)");
    EXPECT_EQ(element_of(0, 2), "(none)");
}

TEST(Card_Elements, TheDesktopDeckHoldsEveryCard) {
    if (!QFile::exists(standard_deck_path)) GTEST_SKIP() << "the card deck is not installed";
    ensure_application();
    QSvgRenderer deck{QString::fromLatin1(standard_deck_path)};
    for (int32_t card = 0; card < 52; ++card)
        EXPECT_TRUE(deck.elementExists(element_of(card, 0))) << element_of(card, 0).toStdString();
    EXPECT_TRUE(deck.elementExists(element_of(62, 1)));
}

TEST(Card_Deck, RendersEachCardOnceAtTheDevicePixelsAsked) {
    ensure_application();
    Card_Deck deck;
    const Card_Picture seven{false, 7, 2};
    const QPixmap& sharp = deck.pixmap(seven, 2.0);
    EXPECT_EQ(sharp.size(), QSize(142, 192));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(deck.pixmap(seven, 1.0).size(), QSize(71, 96));
    EXPECT_EQ(deck.pixmap(seven, 2.0).cacheKey(), sharp.cacheKey());
}

// Counts the pixels of a card image near a colour.
int count(const QPixmap& card, const QColor& colour) {
    const QImage image = card.toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255 && std::abs(c.red() - colour.red()) < 60 &&
                std::abs(c.green() - colour.green()) < 60 && std::abs(c.blue() - colour.blue()) < 60)
                ++n;
        }
    return n;
}

TEST(Card_Deck, WithoutTheDeckCardsAreStillPaintedWithRankAndSuit) {
    ensure_application();
    Card_Deck deck(QStringLiteral("/nonexistent/deck.svgz"));
    const QPixmap& ace_of_hearts = deck.pixmap({false, 1, 2}, 1.0);
    const QPixmap& ace_of_spades = deck.pixmap({false, 1, 3}, 1.0);
    const QPixmap& king_of_spades = deck.pixmap({false, 13, 3}, 1.0);
    EXPECT_GT(count(ace_of_hearts, Qt::white), 71 * 96 / 3);
    EXPECT_GT(count(ace_of_hearts, QColor(200, 0, 0)), 200) << "a heart in the middle";
    EXPECT_EQ(count(ace_of_spades, QColor(200, 0, 0)), 0);
    EXPECT_GT(count(ace_of_spades, Qt::black), 200);
    EXPECT_NE(ace_of_spades.toImage(), king_of_spades.toImage()) << "the rank shows";
    EXPECT_GT(count(deck.pixmap({true, 0, 0}, 1.0), QColor(30, 60, 160)), 200) << "a blue back";
    EXPECT_FALSE(deck.deck_loaded());
}

TEST(Card_Deck, CardsTheDeckLacksArePaintedByOurOwnCode) {
    ensure_application();
    QTemporaryDir folder;
    const QString path = folder.filePath("back_only.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="71" height="96">)"
               R"(<rect id="back" x="0" y="0" width="71" height="96" fill="#ff00ff"/></svg>)");
    file.close();
    Card_Deck deck(path);
    EXPECT_GT(count(deck.pixmap({true, 0, 0}, 1.0), QColor(255, 0, 255)), 71 * 90);
    EXPECT_TRUE(deck.deck_loaded());
    const QPixmap& two_of_diamonds = deck.pixmap({false, 2, 1}, 1.0);
    EXPECT_GT(count(two_of_diamonds, Qt::white), 71 * 96 / 2);
    EXPECT_GT(count(two_of_diamonds, QColor(200, 0, 0)), 200);
}

} // namespace
} // namespace plenk::test
