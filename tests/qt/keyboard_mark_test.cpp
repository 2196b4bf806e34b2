#include "game/hand.h"
#include "game/human_selection.h"
#include "game/table_constants.h"
#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"
#include "ui/qt/game_icon.h"
#include "ui/qt/help_window.h"

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
        ASSERT_EQ(g().game_over, flag_false);
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
    std::vector<int16_t> hand() {
        return {g().seat[0].card.begin(), g().seat[0].card.begin() + Card_Empty_Slot(g(), 0)};
    }
};

TEST_F(Keyboard_Mark, KeysMoveTheMarkAndPlay) {
    const int16_t n = Card_Empty_Slot(g(), 0);
    const struct {
        Qt::Key key;
        int slot;
    } moves[] = {{Qt::Key_End, n - 1}, {Qt::Key_Home, 0}, {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_End, n - 1}};
    EXPECT_EQ(marked(table.grab_table()), table.legal_slot());
    for (const auto& m : moves) {
        key(m.key);
        EXPECT_EQ(marked(table.grab_table()), m.slot) << m.key;
    }
    Box_Answerer boxes(QMessageBox::Yes);
    for (Qt::Key play : {Qt::Key_Return, Qt::Key_Space}) {
        if (!human_may_play(g())) break;
        key(Qt::Key_Home);
        for (int16_t i = 0; i < table.legal_slot(); ++i)
            key(Qt::Key_Right);
        const int16_t card = g().seat[0].card[table.legal_slot()];
        key(play);
        const auto now = hand();
        EXPECT_EQ(std::find(now.begin(), now.end(), card), now.end()) << play;
    }
}

TEST_F(Keyboard_Mark, WhileACardMovesTheMarkIsGoneAndNewGameIsRefused) {
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
    table.press_slot(table.legal_slot());
    ASSERT_FALSE(during.isNull()) << "no card moved";
    EXPECT_EQ(marked(during), -1);
}

TEST_F(Keyboard_Mark, NewGameDealsAnew) {
    const auto deck = g().deck;
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(g().deck, deck);
}

TEST_F(Keyboard_Mark, F1OpensTheHelpCentredOverTheGameWindowEachTime) {
    for (const QPoint& at : {QPoint(40, 30), QPoint(200, 120)}) {
        table.window->move(at);
        QApplication::setActiveWindow(table.window.get());
        QPoint help_centre;
        QTimer::singleShot(0, table.window.get(), [&] {
            help_centre = table.window->Form2->frameGeometry().center();
            table.window->Form2->close();
        });
        key(Qt::Key_F1);
        EXPECT_EQ(help_centre, table.window->frameGeometry().center()) << at.x();
    }
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
