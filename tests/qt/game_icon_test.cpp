#include "platform/qt/surface_constants.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/game_icon.h"

#include <gtest/gtest.h>

namespace plenk::test {
namespace {

// The artwork reaches the window from the program's resources: a missing
// or unreadable SVG would leave a blank icon.
TEST(Game_Icon, WindowShowsTheArtworkAtSixtyFourPixels) {
    Game_Table table;
    const QImage icon = table.window->windowIcon().pixmap(icon_size).toImage();
    ASSERT_EQ(icon.size(), QSize(icon_size, icon_size));
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);                 // outside the rounded felt
    EXPECT_EQ(icon.pixelColor(8, 56).rgb(), QColor::fromRgb(table_rgb).rgb());
    EXPECT_EQ(icon.pixelColor(32, 20), QColor(Qt::white));       // the front card
    const QColor heart = icon.pixelColor(38, 28);
    EXPECT_GT(heart.red(), 150);
    EXPECT_LT(heart.green(), 40);
}

} // namespace
} // namespace plenk::test
