#include "game/hand.h"
#include "game/human_selection.h"
#include "game/table_constants.h"
#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/game_icon.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace plenk::test {
namespace {

const QColor mark_colour = QColor::fromRgb(mark_rgb);

struct Keyboard_Mark : ::testing::Test {
    Game_Table table;
    const Game_State& g() { return table.form->state(); }
    void SetUp() override {
        table.start();
        QApplication::setActiveWindow(table.window.get());
        key(Qt::Key_N, Qt::ControlModifier);
        ASSERT_EQ(g().game_over, flag_false) << "Ctrl+N deals";
    }
    // The slot whose card carries the mark's outline, -1 for none.
    int marked(const QImage& shot) {
        const auto [left, top] = human_row_corner(g());
        for (int16_t slot = 0; slot < Card_Empty_Slot(g(), 0); ++slot)
            if (shot.pixelColor(left + card_step * slot + 1, top + 1) == mark_colour &&
                shot.pixelColor(left + card_step * slot + 1, top + g().card_h - 2) == mark_colour)
                return slot;
        return -1;
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(table.window->surface, k, m); }
};

TEST_F(Keyboard_Mark, TheOutlineFollowsTheKeysAndIsGoneWhileACardMovesWhenNewGameIsRefused) {
    EXPECT_EQ(marked(table.grab_table()), table.legal_slot());
    key(Qt::Key_End);
    EXPECT_EQ(marked(table.grab_table()), Card_Empty_Slot(g(), 0) - 1);
    key(Qt::Key_Home);
    for (int16_t i = 0; i < table.legal_slot(); ++i)
        key(Qt::Key_Right);
    QImage during;
    std::array<int16_t, pack_size> deck_during{};
    repeat_until(
        [&] {
            if (g().animating != flag_true) return false;
            during = table.grab_table();
            deck_during = g().deck;
            key(Qt::Key_N, Qt::ControlModifier);
            EXPECT_EQ(g().deck, deck_during);
            return true;
        },
        table.window.get());
    Box_Answerer boxes;
    const int16_t played = g().seat[0].card[table.legal_slot()];
    key(Qt::Key_Space); // plays the marked card, which starts on one that may be played
    EXPECT_EQ(std::count(g().seat[0].card.begin(), g().seat[0].card.end(), played), 0);
    ASSERT_FALSE(during.isNull()) << "no card moved";
    EXPECT_EQ(marked(during), -1);
}

TEST(Name_Prompt, CarriesTheGameIcon) {
    Game_Table table(false);
    Box_Answerer boxes;
    QImage shown;
    boxes.on_box = [&] { shown = QApplication::activeModalWidget()->windowIcon().pixmap(icon_size).toImage(); };
    table.start();
    ASSERT_EQ(boxes.boxes_seen(), 1);
    EXPECT_EQ(shown, game_icon().pixmap(icon_size).toImage());
}

} // namespace
} // namespace plenk::test
