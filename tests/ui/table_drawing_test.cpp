#include "tests/support/table_fixture.h"
#include "ui/table_renderer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

std::string describe(const std::vector<Platform_Call>& calls) {
    std::ostringstream out;
    for (const auto& c : calls) {
        if (c.kind == Kind::Clear)
            out << "clear\n";
        else if (c.kind == Kind::Refresh)
            out << "refresh\n";
        else if (c.kind == Kind::Draw)
            out << (c.args[4] == 0 ? "face " : "back ") << c.args[3] << " at " << c.args[1] << "," << c.args[2]
                << " dc " << c.args[0] << " colour " << c.args[5] << "\n";
    }
    return out.str();
}

struct Drawing : ::testing::Test, test::Table_Fixture {
    Drawing() { deal_from(test::pack_starting_with({})); }
    // The left edge of seat 0's row of n cards.
    int32_t row_left(int n) {
        set_hand(0, {});
        for (int16_t c = 0; c < n; ++c) g.seat[0].card[c] = c;
        os.clear_log();
        view.Draw_Card();
        return os.calls_of(Kind::Draw).size() > 1 ? os.calls_of(Kind::Draw)[1].args[1] : -1;
    }
};

TEST_F(Drawing, ExactCallsForASmallTable) {
    set_hand(0, {0, 13});
    set_hand(1, {1});
    set_hand(2, {});
    set_hand(3, {2, 3, 4});
    g.seat[2].table_card = 30;
    g.open_card = no_card;
    g.deck_pos = 51;
    g.animating = flag_true;
    g.anim_x = 100;
    g.anim_y = 200;
    view.Draw_Card();
    EXPECT_EQ(describe(os.calls()),
              "clear\n"
              "back 62 at 100,200 dc 1 colour 16777215\n" // the moving card, under everything
              "back 62 at 340,227 dc 1 colour 16777215\n" // the stock
              "face 0 at 368,452 dc 1 colour 16777215\n"  // the human's two cards
              "face 1 at 383,452 dc 1 colour 16777215\n"
              "back 62 at 664,275 dc 1 colour 16777215\n" // right: one card at hand_y
              "face 18 at 340,131 dc 1 colour 16777215\n" // top played the 5 of hearts
              "back 62 at 14,260 dc 1 colour 16777215\n"  // left: three cards down
              "back 62 at 14,275 dc 1 colour 16777215\n"
              "back 62 at 14,290 dc 1 colour 16777215\n"
              "refresh\n");
}

TEST_F(Drawing, RowsRoundHalvesToEven) {
    EXPECT_EQ(row_left(1), 375);
    EXPECT_EQ(row_left(2), 368);
    EXPECT_EQ(row_left(4), 352);
    EXPECT_EQ(row_left(5), 345);
    EXPECT_EQ(row_left(6), 338);
}

TEST_F(Drawing, TheCentreShowsTheOpenCardElseTheStockElseNothing) {
    for (int s = 0; s < 4; ++s) set_hand(s, {});
    g.open_card = 26;
    g.deck_pos = 30;
    view.Draw_Card();
    EXPECT_EQ(describe(os.calls()), "clear\nface 2 at 340,227 dc 1 colour 16777215\nrefresh\n");
    os.clear_log();
    g.open_card = no_card;
    view.Draw_Card();
    EXPECT_EQ(describe(os.calls()), "clear\nback 62 at 340,227 dc 1 colour 16777215\nrefresh\n");
    os.clear_log();
    g.deck_pos = 52;
    g.anim_x = 5; // ignored while nothing moves
    view.Draw_Card();
    EXPECT_EQ(describe(os.calls()), "clear\nrefresh\n");
}

// The y of the moving card in every frame of a slide.
struct Sliding : Drawing {
    std::vector<int32_t> frames(int16_t direction, int16_t seat, bool vertical) {
        os.clear_log();
        for (int s = 0; s < 4; ++s) set_hand(s, {});
        g.open_card = no_card;
        g.deck_pos = 52;
        view.Animate_Card(direction, seat);
        std::vector<int32_t> at;
        bool after_clear = false;
        for (const auto& c : os.calls()) {
            if (c.kind == Kind::Clear) after_clear = true;
            if (c.kind == Kind::Draw && after_clear) at.push_back(vertical ? c.args[2] : c.args[1]);
            if (c.kind == Kind::Draw) after_clear = false;
        }
        return at;
    }
};

TEST_F(Sliding, FromTheHumansHandToItsSpot) {
    EXPECT_EQ(frames(0, 0, true), (std::vector<int32_t>{452, 437, 422, 407, 392, 377, 362, 347, 332}));
    EXPECT_EQ(g.animating, flag_false);
    EXPECT_EQ(g.anim_y, 317);
    EXPECT_EQ(g.anim_x, 340);
}

TEST_F(Sliding, EverySeatMovesTowardsItsTarget) {
    // From the stock at (340, 227) to each hand's box, and from each hand to its spot.
    EXPECT_EQ(frames(1, 0, true).back(), 452); // lands on the hand top
    EXPECT_EQ(frames(1, 1, false).back(), 655); // hand left 664
    EXPECT_EQ(frames(1, 2, true).back(), 2);    // lands on the hand top
    EXPECT_EQ(frames(1, 3, false).back(), 25);  // hand left 14
    EXPECT_EQ(frames(0, 1, false).back(), 424); // spot left 412
    EXPECT_EQ(frames(0, 2, true).back(), 122);  // spot top 131
    EXPECT_EQ(frames(0, 3, false).back(), 254); // spot left 268
}

TEST_F(Sliding, NoDistanceShowsOneFrameAndFifteenPixelsTwo) {
    g.seat[0].table_y = g.seat[0].hand_y;
    EXPECT_EQ(frames(0, 0, true), std::vector<int32_t>{452});
    g.seat[0].table_y = static_cast<int16_t>(g.seat[0].hand_y - 15);
    EXPECT_EQ(frames(0, 0, true), (std::vector<int32_t>{452, 437}));
}

TEST_F(Sliding, EachFrameWaitsMoreThanItsDelay) {
    const uint32_t start = os.GetTickCount();
    auto shown = frames(0, 0, true);
    EXPECT_GE(os.GetTickCount() - start, shown.size() * 26);
}

TEST(Delay, ReturnsOnlyAfterMoreThanTheWaitAndPumpsMeanwhile) {
    Headless_Platform os;
    int handled = 0;
    const uint32_t start = os.GetTickCount();
    os.post_event(start + 3, [&] { ++handled; });
    os.post_event(start + 24, [&] { ++handled; });
    os.post_event(start + 40, [&] { ++handled; });
    Delay(os, 25);
    EXPECT_EQ(handled, 2);
    EXPECT_EQ(os.GetTickCount() - start, 26u);
    // Waiting, not spinning: a handful of pumps, not one per millisecond.
    EXPECT_LE(os.calls_of(Kind::Pump).size(), 4u);

    os.clear_log();
    Delay(os, 0);
    EXPECT_GE(os.calls_of(Kind::Pump).size(), 1u);
}

TEST(Delay, SurvivesTheCounterWrapping) {
    Headless_Platform os;
    os.set_tick(0xFFFFFFF0u);
    Delay(os, 25);
    EXPECT_EQ(os.GetTickCount(), 0xFFFFFFF0u + 26u);
}

} // namespace
} // namespace plenk
