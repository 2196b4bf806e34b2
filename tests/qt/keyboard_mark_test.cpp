#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QColor mark_colour = QColor::fromRgb(mark_rgb);

struct Keyboard_Mark : ::testing::Test {
    Game_Table table;
    const Game_State& g() { return table.form->state(); }
    void SetUp() override {
        table.start();
        table.window->gm_submnu[0]->trigger();
        ASSERT_EQ(g().turn_seat, 0);
    }
    // Whether the mark's outline lies on the given slot of the human's hand.
    bool marked(const QImage& shot, int16_t slot) {
        const int16_t n = Card_Empty_Slot(g(), 0);
        const int left = nearest(g().seat[0].hand_x - (n - 1) * card_step / 2.0);
        const int top = nearest(g().seat[0].hand_y - g().card_h / 2.0);
        return shot.pixelColor(left + card_step * slot + 1, top + 1) == mark_colour &&
               shot.pixelColor(left + card_step * slot + 1, top + g().card_h - 2) == mark_colour;
    }
    void key(Qt::Key k) { QTest::keyClick(table.window->surface, k); }
};

TEST_F(Keyboard_Mark, FollowsTheArrowKeysAndEnterPlays) {
    EXPECT_TRUE(marked(table.grab_table(), 0));
    key(Qt::Key_Right);
    QImage shot = table.grab_table();
    EXPECT_FALSE(marked(shot, 0));
    EXPECT_TRUE(marked(shot, 1));
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_TRUE(marked(table.grab_table(), 0));

    const int16_t slot = table.legal_slot();
    for (int16_t i = 0; i < slot; ++i) key(Qt::Key_Right);
    const int16_t card = g().seat[0].card[slot];
    Box_Answerer boxes;
    key(Qt::Key_Return);
    const auto& hand = g().seat[0].card;
    EXPECT_EQ(std::find(hand.begin(), hand.begin() + Card_Empty_Slot(g(), 0), card),
              hand.begin() + Card_Empty_Slot(g(), 0));
}

TEST_F(Keyboard_Mark, IsAbsentWhileTheHumanCannotPlay) {
    QImage during;
    const int16_t slot = table.legal_slot();
    repeat_until(
        [&] {
            if (g().animating != flag_true) return false;
            during = table.grab_table();
            return true;
        },
        table.window.get());
    Box_Answerer boxes;
    for (int16_t i = 0; i < slot; ++i) key(Qt::Key_Right);
    key(Qt::Key_Space);
    ASSERT_FALSE(during.isNull()) << "no card moved";
    // Nowhere along the top edge of the human's row is the outline.
    const int top = nearest(g().seat[0].hand_y - g().card_h / 2.0);
    for (int x = 0; x < table_width; ++x) EXPECT_NE(during.pixelColor(x, top + 1), mark_colour) << x;
}

} // namespace
} // namespace plenk::test
