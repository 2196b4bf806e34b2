#include "tests/support/table_fixture.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"
#include "ui/table_zoom.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plenk::test {
namespace {

// The first window pixel at or right of table coordinate `t` at `zoom` percent.
int32_t window_edge(int32_t t, int32_t zoom) {
    return (t * zoom + 99) / 100;
}

// Window pixel p shows table coordinate p * 100 / zoom; whether that lies in
// [from, to], counted in whole numbers.
bool shows(int32_t p, int32_t zoom, int32_t from, int32_t to) {
    return from * zoom <= p * 100 && p * 100 <= to * zoom;
}

// Every seat holds n cards, with a card on each spot and the open card or the
// stock in the middle. The rectangle each thing reports must be what was
// painted for it, taken from the drawing's own calls: a hand card the part the
// next card leaves showing, a computer seat its whole stack. At every zoom
// step, each thing's window box holds the pixels that show its table pixels;
// over the human's hand, at every window pixel past each edge, a press plays
// what the eye sees under it, its right and bottom edges counting, and the
// tooltip and the accessible hit test name that same card. At 200% a window
// pixel is half a table pixel, so the press holds at every half column too.
TEST(Layout, WhatIsNamedAndHitIsWhatWasPaintedAtEveryZoom) {
    for (int32_t zoom : {75, 100, 150, 200, 300})
        for (int n = 1; n <= 13; ++n)
            for (bool open : {true, false}) {
                SCOPED_TRACE("zoom " + std::to_string(zoom) + " cards " + std::to_string(n) +
                             (open ? " open" : " stock"));
                const Table_Scale scale = zoom_scale(zoom);
                Table_Fixture t;
                t.lay({}); // the deal's geometry, the game running
                for (Seat &seat : t.g.seat) {
                    std::fill_n(seat.card.begin(), n, card("2H"));
                    seat.table_card = card("5H");
                }
                t.g.open_card = open ? card("KC") : no_card;
                t.g.deck_pos = 40;
                t.renderer.Draw_Card();
                std::vector<Table_Rect> drawn; // the middle, then each seat's hand and spot
                for (const Platform_Call &c : t.os.calls_of(Platform_Call::Kind::Draw))
                    drawn.push_back({c.args[1], c.args[2], 71, 96});
                ASSERT_EQ(drawn.size(), 1u + 4u * (n + 1));
                const auto hand = [&](int s) { return drawn.begin() + 1 + s * (n + 1); };

                std::vector<Table_Rect> painted; // in the order of the table's things
                for (int j = 0; j < n; ++j)      // covered up to where the next card starts
                    painted.push_back({hand(0)[j].x, hand(0)[j].y,
                                       j + 1 < n ? hand(0)[j + 1].x - hand(0)[j].x : 71, 96});
                for (int s = 1; s < 4; ++s)
                    painted.push_back({hand(s)->x, hand(s)->y, hand(s)[n - 1].x + 71 - hand(s)->x,
                                       hand(s)[n - 1].y + 96 - hand(s)->y});
                painted.push_back(drawn[0]);
                for (int s = 0; s < 4; ++s)
                    painted.push_back(hand(s)[n]);

                const Table_Words words = table_words(t.g, false);
                std::vector<Table_Rect> named;
                std::vector<Window_Rect> on_window;
                for (const Table_Thing &th : words.things) {
                    named.push_back({th.x, th.y, th.width, th.height});
                    on_window.push_back(scale.to_window(named.back()));
                }
                EXPECT_EQ(named, painted);
                const auto at = [&](int32_t px, int32_t py) {
                    const Table_Point p = scale.to_table(px, py);
                    return thing_at(words, p.x, p.y);
                };

                // Just inside each corner names the thing; just outside does not.
                for (std::size_t i = static_cast<std::size_t>(n); i < on_window.size(); ++i) {
                    const Window_Rect &b = on_window[i];
                    for (auto [x, y, in] : {std::tuple{b.x, b.y, true},
                                            {b.x + b.width - 1, b.y + b.height - 1, true},
                                            {b.x - 1, b.y, false},
                                            {b.x + b.width, b.y + b.height - 1, false},
                                            {b.x, b.y - 1, false},
                                            {b.x + b.width - 1, b.y + b.height, false}})
                        EXPECT_EQ(at(x, y) == static_cast<int>(i), in)
                            << "thing " << i << " at " << x << "," << y;
                }

                const Table_Rect &first = drawn[1];
                const int32_t top = window_edge(first.y, zoom),
                              bottom = window_edge(first.y + first.height, zoom);
                for (int32_t py :
                     {top - 1, top, (top + bottom) / 2, bottom - 1, bottom, bottom + 1})
                    for (int32_t px = window_edge(first.x, zoom) - 3;
                         px <= window_edge(first.x + 15 * n + 73, zoom); ++px) {
                        int seen = -1;
                        for (int j = 0; j < n; ++j)
                            if (shows(px, zoom, hand(0)[j].x, hand(0)[j].x + 71) &&
                                shows(py, zoom, hand(0)[j].y, hand(0)[j].y + 96))
                                seen = j;
                        const Table_Point p = scale.to_table(px, py);
                        ASSERT_EQ(slot_under_press(t.g, p.x, p.y), seen) << px << "," << py;
                        ASSERT_EQ(at(px, py), seen) << px << "," << py;
                    }
            }
}

// A table stretched over a whole screen takes any factor, and its corner any
// point: a window pixel lies in a rectangle's box exactly when the table
// point it shows lies in the rectangle, at every edge across the table.
TEST(Layout, AFullScreenTableNamesEveryPixelAsItIsMapped) {
    // 790 and 805 pixels across: factors at which a window edge, worked out
    // from the product alone, would sit a pixel off the point it shows.
    for (Window_Size screen : {Window_Size{2560, 1553},
                               {1366, 705},
                               {3840, 2085},
                               {701, 499},
                               {790, 1000},
                               {805, 900}}) {
        const Table_Scale scale = filling_scale(screen);
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        // The table fills one side of the screen and fits the other, to the
        // pixel that rounding leaves, and is centred along the other.
        const Window_Rect all = scale.to_window({0, 0, 750, 550});
        EXPECT_TRUE(
            all.width <= screen.width + 1 && all.height <= screen.height + 1 &&
            (std::abs(all.width - screen.width) <= 1 || std::abs(all.height - screen.height) <= 1));
        EXPECT_LE(std::abs(2 * all.x + all.width - screen.width), 1);
        EXPECT_LE(std::abs(2 * all.y + all.height - screen.height), 1);
        // Along one side: the pixels from `start` on, `length` of them, show
        // table pixels `from` .. `from + size - 1`.
        const auto holds = [](int32_t start, int32_t length, int32_t from, int32_t size,
                              const auto &table_of) {
            for (int32_t p = start - 2; p <= start + length + 1; ++p) {
                const float t = table_of(p);
                ASSERT_EQ(p >= start && p < start + length, t >= from && t < from + size)
                    << "from " << from << " size " << size << " pixel " << p;
            }
        };
        for (int32_t x = 0; x <= 750; ++x)
            for (int32_t width : {1, 15, 71}) {
                const int32_t y = x * 550 / 750;
                const Window_Rect w = scale.to_window({x, y, width, width});
                holds(w.x, w.width, x, width, [&](int32_t p) { return scale.to_table(p, 0).x; });
                holds(w.y, w.height, y, width, [&](int32_t p) { return scale.to_table(0, p).y; });
            }
    }
}

// The steps the player goes through, and the step the window shows on each
// screen: the table with the frame, menus and status line around it (here 8
// by 82 pixels) must fit the screen's free area, in the desktop's pixels.
TEST(Zoom, StepsAndTheStepThatFits) {
    const int32_t steps[] = {50, 75, 100, 125, 150, 200, 250, 300};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(is_zoom_step(steps[i]));
        EXPECT_EQ(zoom_in(steps[i]), steps[std::min<std::size_t>(i + 1, 7)]);
        EXPECT_EQ(zoom_out(steps[i]), steps[i == 0 ? 0 : i - 1]);
    }
    EXPECT_FALSE(is_zoom_step(110) || is_zoom_step(0));

    // The room on each screen, and the largest step that fits in it, 50% when
    // none does: the window shows that step or the chosen one, the smaller.
    const std::pair<Window_Size, int32_t> screens[] = {
        {{682, 496}, 75},    // 1024x768 at a scale of 1.5
        {{800, 573}, 75},    // 800x600 under a panel
        {{1920, 1052}, 150}, // 3840x2160 at a scale of 2, or 1920x1080
        {{3840, 2112}, 300}, // 3840x2160 at 1
        {{571, 495}, 75},    // exactly room for 75%, 562.5 by 412.5 pixels: the half pixels show
        {{571, 494}, 50},    // one pixel short of it
        {{320, 240}, 50},    // smaller than any step
    };
    for (auto [room, fits] : screens)
        for (int32_t chosen : steps)
            EXPECT_EQ(fitting_zoom(chosen, {8, 82}, room), std::min(chosen, fits))
                << room.width << "x" << room.height << " chosen " << chosen;
}

} // namespace
} // namespace plenk::test
