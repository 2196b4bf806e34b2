#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "platform/qt/surface_constants.h"
#include "platform/qt/table_surface.h"
#include "tests/qt/qt_support.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace plenk::test {
namespace {

const QColor table_green(0, 128, 0);

Card_Picture face_of(int16_t card) { return {false, card % 13 + 1, card / 13}; }
const Card_Picture back{true, 0, 0};
constexpr int corner = 4;

struct Dealt_Table : ::testing::Test {
    Game_Table table;
    const Game_State& g() { return table.form->state(); }
    void SetUp() override {
        table.start();
        table.window->gm_submnu[0]->trigger();
    }

    // Whether the part `visible` (relative to the card's corner) of the card
    // at (x, y) shows exactly the deck's picture laid on the plain table.
    bool shows(const QImage& shot, int x, int y, const Card_Picture& picture, QRect visible) {
        QImage expected(deck_card_width, deck_card_height, QImage::Format_RGB32);
        expected.fill(table_green);
        QPainter(&expected).drawPixmap(0, 0, table.os->deck().pixmap(picture, 1.0));
        return shot.copy(visible.translated(x, y)) == expected.copy(visible);
    }
};

TEST_F(Dealt_Table, ShowsTheHumansFacesTheOtherHandsBacksAndTheOpenCard) {
    const QImage shot = table.grab_table();
    const QRect whole(0, 0, deck_card_width, deck_card_height);
    for (int16_t s = 0; s < 4; ++s) {
        const Seat& seat = g().seat[s];
        const int16_t n = Card_Empty_Slot(g(), s);
        ASSERT_GE(n, 1);
        const bool row = s == 0 || s == 2;
        const int run = (n - 1) * card_step;
        const int left = row ? nearest(seat.hand_x - run / 2.0) : nearest(seat.hand_x - g().card_w / 2.0);
        const int top = row ? nearest(seat.hand_y - g().card_h / 2.0) : nearest(seat.hand_y - run / 2.0);
        for (int16_t j = 0; j < n; ++j) {
            // The rounded corners let the card below show through: they are left out.
            const int length = j == n - 1 ? (row ? deck_card_width : deck_card_height) : card_step;
            QRect strip = row ? QRect(0, corner, length, deck_card_height - 2 * corner)
                              : QRect(corner, 0, deck_card_width - 2 * corner, length);
            // The keyboard's mark outlines one of the human's cards.
            if (s == 0) strip.adjust(mark_pen_px, mark_pen_px, -mark_pen_px, -mark_pen_px);
            const Card_Picture picture = s == 0 ? face_of(seat.card[j]) : back;
            EXPECT_TRUE(shows(shot, row ? left + card_step * j : left, row ? top : top + card_step * j,
                              picture, strip))
                << "seat " << s << " slot " << j;
        }
    }
    ASSERT_NE(g().open_card, no_card);
    EXPECT_TRUE(shows(shot, 340, 227, face_of(g().open_card), whole));
    EXPECT_EQ(shot.pixelColor(150, 150), table_green);
    EXPECT_EQ(shot.pixelColor(600, 420), table_green);
}

// Snapshot of what a refused command must leave alone.
struct Game_Snapshot {
    std::array<int16_t, pack_size> deck;
    std::array<std::array<int16_t, pack_size>, 4> hands;
    Player_Record record;
    explicit Game_Snapshot(const Game_State& g) : deck(g.deck), record(g.player_rec) {
        for (int s = 0; s < 4; ++s) hands[s] = g.seat[s].card;
    }
    bool operator==(const Game_Snapshot& other) const {
        return deck == other.deck && hands == other.hands &&
               record.player_name == other.record.player_name && record.rank_count == other.record.rank_count;
    }
};

TEST_F(Dealt_Table, DealShowRankAndResetRecordAreRefusedWhileACardMoves) {
    Box_Answerer boxes(QMessageBox::Yes, QStringLiteral("Bob"));
    bool tried = false;
    int boxes_during_move = -1;
    bool unchanged = false;
    bool still_moving = false;
    repeat_until(
        [&] {
            if (g().animating != flag_true) return false;
            const Game_Snapshot before(g());
            const int boxes_before = boxes.boxes_seen();
            for (int i = 0; i < 3; ++i) table.window->gm_submnu[i]->trigger();
            boxes_during_move = boxes.boxes_seen() - boxes_before;
            unchanged = Game_Snapshot(g()) == before;
            still_moving = g().animating == flag_true;
            tried = true;
            return true;
        },
        table.window.get());
    table.press_slot(table.legal_slot());
    ASSERT_TRUE(tried) << "no card moved";
    EXPECT_EQ(boxes_during_move, 0);
    EXPECT_TRUE(unchanged);
    EXPECT_TRUE(still_moving);
}

TEST(Moving_Card, TableChoiceRepaintsBetweenFramesAndTheMoveGoesOn) {
    Game_Table table;
    QImage picture(table_width, table_height, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(table.path("table01.jpg"), "JPEG", 95));
    table.start();
    table.window->gm_submnu[0]->trigger();
    const Game_State& g = table.form->state();
    ASSERT_TRUE(table.window->tbl_submnu[1]->isChecked());

    QImage right_after;
    int16_t chosen_at_x = 0, chosen_at_y = 0;
    bool chosen = false, moved_on = false;
    repeat_until(
        [&] {
            if (g.animating != flag_true) return false;
            if (!chosen) {
                chosen_at_x = g.anim_x;
                chosen_at_y = g.anim_y;
                table.window->tbl_submnu[0]->trigger();
                right_after = table.grab_table();
                chosen = true;
                return false;
            }
            moved_on = g.anim_x == chosen_at_x && g.anim_y < chosen_at_y;
            return moved_on;
        },
        table.window.get());
    table.press_slot(table.legal_slot());

    ASSERT_TRUE(chosen) << "no card moved";
    EXPECT_TRUE(table.window->tbl_submnu[0]->isChecked());
    EXPECT_FALSE(table.window->tbl_submnu[1]->isChecked());
    EXPECT_EQ(right_after.pixelColor(5, 5), table_green);
    EXPECT_NE(right_after.pixelColor(375, 275), table_green) << "the cards are drawn over the new table";
    EXPECT_TRUE(moved_on);
}

} // namespace
} // namespace plenk::test
