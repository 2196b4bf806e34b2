#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

// On a screen of two device pixels per table pixel: this program runs with
// Qt scaling by 2.
namespace plenk::test {
namespace {

TEST(Double_Density, CardsAreCrispAndPressesArriveInTablePixels) {
    qputenv("QT_SCALE_FACTOR", "2");
    ensure_application();
    Card_Deck deck;
    Table_Surface surface(deck);
    surface.show();
    ASSERT_EQ(surface.devicePixelRatioF(), 2.0);
    const Card_Picture queen{false, 12, 2};
    surface.clear();
    surface.draw_card(100, 50, queen);
    surface.refresh();

    // Each card is rendered once at the device pixels and laid pixel for pixel.
    const QPixmap& sharp = deck.pixmap(queen, 2.0);
    EXPECT_EQ(sharp.size(), QSize(2 * deck_card_width, 2 * deck_card_height));
    EXPECT_EQ(deck.pixmap(queen, 2.0).cacheKey(), sharp.cacheKey());
    QImage shot = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    shot.setDevicePixelRatio(1);
    EXPECT_EQ(shot.size(), QSize(1500, 1100));
    QImage expected(sharp.size(), QImage::Format_RGB32);
    expected.fill(QColor::fromRgb(table_rgb));
    QImage card = sharp.toImage();
    card.setDevicePixelRatio(1);
    QPainter(&expected).drawImage(0, 0, card);
    EXPECT_EQ(shot.copy(200, 100, expected.width(), expected.height()), expected);

    // A press reaches the game in table pixels.
    QPointF at;
    surface.on_mouse_down([&](int16_t, int16_t, float x, float y) { at = {x, y}; });
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(345, 452));
    EXPECT_EQ(at, QPointF(345, 452));
}

} // namespace
} // namespace plenk::test
