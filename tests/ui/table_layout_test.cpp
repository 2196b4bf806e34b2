#include "game/hand.h"
#include "tests/support/table_fixture.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"
#include "ui/table_zoom.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plenk::test {
namespace {

struct Box {
    int32_t x, y, w, h;
    bool operator==(const Box &) const = default;
};

// The first window pixel at or right of table coordinate `t` at `zoom` percent.
int32_t window_edge(int32_t t, int32_t zoom) {
    return (t * zoom + 99) / 100;
}

// Window pixel p shows table coordinate p * 100 / zoom; whether that lies in
// [from, to), or in [from, to] with `closed`, counted in whole numbers.
bool shows(int32_t p, int32_t zoom, int32_t from, int32_t to, bool closed = false) {
    return from * zoom <= p * 100 && (closed ? p * 100 <= to * zoom : p * 100 < to * zoom);
}

// Every seat holds n cards, with a card on each spot and the open card or the
// stock in the middle. The rectangle each thing reports must be what was
// painted for it, taken from the drawing's own calls: a hand card the part the
// next card leaves showing, a computer seat its whole stack. At every zoom
// step, each thing's window box holds the pixels that show its table pixels;
// over the human's hand, at every window pixel past each edge, a press plays
// what the eye sees under it, its right and bottom edges counting, and the
// tooltip and the accessible hit test name that same card; at the table's
// own size the press holds at every half column too.
TEST(Layout, WhatIsNamedAndHitIsWhatWasPaintedAtEveryZoom) {
    for (int32_t zoom : {75, 100, 150, 200, 300})
        for (int n = 1; n <= 13; ++n)
            for (bool open : {true, false}) {
                SCOPED_TRACE("zoom " + std::to_string(zoom) + " cards " + std::to_string(n) +
                             (open ? " open" : " stock"));
                const Table_Scale scale = zoom_scale(zoom);
                Table_Fixture t;
                t.lay({});
                for (Seat &seat : t.g.seat) {
                    std::fill_n(seat.card.begin(), n, card("2H"));
                    seat.table_card = card("5H");
                }
                t.g.open_card = open ? card("KC") : no_card;
                t.g.deck_pos = 40;
                t.g.game_over = flag_false;
                t.renderer.Draw_Card();
                std::vector<Box> drawn; // the middle, then each seat's hand and spot
                for (const Platform_Call &c : t.os.calls_of(Platform_Call::Kind::Draw))
                    drawn.push_back({c.args[1], c.args[2], 71, 96});
                ASSERT_EQ(drawn.size(), 1u + 4u * (n + 1));

                std::vector<Box> painted; // in the order of the table's things
                std::vector<Box> seats(4), spots(4);
                for (int s = 0; s < 4; ++s) {
                    const auto hand = drawn.begin() + 1 + s * (n + 1);
                    for (int j = 0; j < n; ++j) {
                        Box b = hand[j];
                        if (s == 0 && j + 1 < n) // covered up to where the next card starts
                            b.w = hand[j + 1].x - b.x;
                        if (s == 0)
                            painted.push_back(b);
                    }
                    const Box &last = hand[n - 1];
                    seats[s] = {hand->x, hand->y, last.x + last.w - hand->x,
                                last.y + last.h - hand->y};
                    spots[s] = hand[n];
                }
                painted.insert(painted.end(), seats.begin() + 1, seats.end());
                painted.push_back(drawn[0]);
                painted.insert(painted.end(), spots.begin(), spots.end());

                const Table_Words words = table_words(t.g, false);
                std::vector<Box> named, on_window, expected_window;
                for (const Table_Thing &th : words.things) {
                    named.push_back({th.x, th.y, th.width, th.height});
                    const Window_Rect w = scale.to_window({th.x, th.y, th.width, th.height});
                    on_window.push_back({w.x, w.y, w.width, w.height});
                    const int32_t x0 = window_edge(th.x, zoom), y0 = window_edge(th.y, zoom);
                    expected_window.push_back({x0, y0, window_edge(th.x + th.width, zoom) - x0,
                                               window_edge(th.y + th.height, zoom) - y0});
                }
                EXPECT_EQ(named, painted);
                EXPECT_EQ(on_window, expected_window);
                const auto at = [&](int32_t px, int32_t py) {
                    const Table_Point p = scale.to_table(px, py);
                    return thing_at(words, p.x, p.y);
                };

                // Just inside each corner names the thing; just outside does not.
                for (std::size_t i = static_cast<std::size_t>(n); i < on_window.size(); ++i) {
                    const Box &b = on_window[i];
                    for (auto [x, y, in] : {std::tuple{b.x, b.y, true},
                                            {b.x + b.w - 1, b.y + b.h - 1, true},
                                            {b.x - 1, b.y, false},
                                            {b.x + b.w, b.y + b.h - 1, false},
                                            {b.x, b.y - 1, false},
                                            {b.x + b.w - 1, b.y + b.h, false}})
                        EXPECT_EQ(at(x, y) == static_cast<int>(i), in)
                            << "thing " << i << " at " << x << "," << y;
                }

                const Box &first = drawn[1];
                const int32_t top = window_edge(first.y, zoom),
                              bottom = window_edge(first.y + first.h, zoom);
                for (int32_t py :
                     {top - 1, top, (top + bottom) / 2, bottom - 1, bottom, bottom + 1})
                    for (int32_t px = window_edge(first.x, zoom) - 3;
                         px <= window_edge(first.x + 15 * n + 73, zoom); ++px) {
                        int seen = -1;
                        for (int j = 0; j < n; ++j) {
                            const Box &c = drawn[1 + static_cast<std::size_t>(j)];
                            if (shows(px, zoom, c.x, c.x + c.w, true) &&
                                shows(py, zoom, c.y, c.y + c.h, true))
                                seen = j;
                        }
                        const Table_Point p = scale.to_table(px, py);
                        ASSERT_EQ(slot_under_press(t.g, p.x, p.y), seen) << px << "," << py;
                        ASSERT_EQ(at(px, py), seen) << px << "," << py;
                        for (int j = 0; j < n; ++j) {
                            const Box &b = painted[static_cast<std::size_t>(j)];
                            const Box &w = on_window[static_cast<std::size_t>(j)];
                            const bool in_box =
                                px >= w.x && px < w.x + w.w && py >= w.y && py < w.y + w.h;
                            ASSERT_EQ(in_box, shows(px, zoom, b.x, b.x + b.w) &&
                                                  shows(py, zoom, b.y, b.y + b.h))
                                << "card " << j << " at " << px << "," << py;
                            if (in_box) {
                                ASSERT_EQ(seen, j) << px << "," << py;
                            }
                        }
                    }
                if (zoom != 100)
                    continue;
                for (int32_t y : {first.y - 1, first.y, first.y + first.h, first.y + first.h + 1})
                    for (float x = static_cast<float>(first.x) - 2.5f; x <= first.x + 15 * n + 73;
                         x += 1.0f) {
                        int seen = -1;
                        for (int j = 0; j < n; ++j) {
                            const Box &c = drawn[1 + static_cast<std::size_t>(j)];
                            if (x >= c.x && x <= c.x + c.w && y >= c.y && y <= c.y + c.h)
                                seen = j;
                        }
                        ASSERT_EQ(slot_under_press(t.g, x, static_cast<float>(y)), seen)
                            << x << "," << y;
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
        // The table fills one side of the screen, to the pixel that rounding
        // leaves, and is centred along the other.
        const Window_Rect all = scale.to_window({0, 0, 750, 550});
        EXPECT_TRUE(std::abs(all.width - screen.width) <= 1 ||
                    std::abs(all.height - screen.height) <= 1);
        EXPECT_LE(std::abs(2 * all.x + all.width - screen.width), 1);
        EXPECT_LE(std::abs(2 * all.y + all.height - screen.height), 1);
        for (int32_t x = 0; x <= 750; ++x)
            for (int32_t width : {1, 15, 71}) {
                const Window_Rect w = scale.to_window({x, x * 550 / 750, width, width});
                for (int32_t p = w.x - 2; p <= w.x + w.width + 1; ++p) {
                    const float tx = scale.to_table(p, 0).x;
                    ASSERT_EQ(p >= w.x && p < w.x + w.width, tx >= x && tx < x + width)
                        << "x " << x << " width " << width << " pixel " << p;
                }
                const int32_t y = x * 550 / 750;
                for (int32_t p = w.y - 2; p <= w.y + w.height + 1; ++p) {
                    const float ty = scale.to_table(0, p).y;
                    ASSERT_EQ(p >= w.y && p < w.y + w.height, ty >= y && ty < y + width)
                        << "y " << y << " height " << width << " pixel " << p;
                }
            }
    }
}

// The steps the player goes through, and the step the window shows on each
// screen: the table with the frame, menus and status line around it (here 8
// by 82 pixels) must fit the screen's free area, in the desktop's pixels.
TEST(Zoom, StepsAndTheStepThatFits) {
    EXPECT_EQ(table_size_at(100).width, 750);
    EXPECT_EQ(table_size_at(75).width, 563); // 562.5 pixels: the half pixel shows
    EXPECT_EQ(table_size_at(75).height, 413);
    EXPECT_EQ(table_size_at(250).height, 1375);
    const std::pair<int32_t, int32_t> steps[] = {{50, 75},   {75, 100},  {100, 125}, {125, 150},
                                                 {150, 200}, {200, 250}, {250, 300}};
    for (auto [smaller, larger] : steps) {
        EXPECT_EQ(zoom_in(smaller), larger);
        EXPECT_EQ(zoom_out(larger), smaller);
    }
    EXPECT_EQ(zoom_in(300), 300);
    EXPECT_EQ(zoom_out(50), 50);
    EXPECT_FALSE(is_zoom_step(110));
    EXPECT_FALSE(is_zoom_step(0));

    const Window_Size around{8, 82};
    struct Case {
        const char *screen;
        Window_Size room;
        int32_t chosen, shown;
    };
    const Case cases[] = {
        {"1024x768 at a scale of 1.5", {682, 496}, 100, 75},
        {"1024x768 at 1.5, chosen 300%", {682, 496}, 300, 75},
        {"800x600 under a panel", {800, 573}, 100, 75},
        {"800x600, chosen 75%", {800, 600}, 75, 75},
        {"3840x2160 at 2, chosen 300%", {1920, 1052}, 300, 150},
        {"3840x2160 at 2, chosen 125%", {1920, 1052}, 125, 125},
        {"3840x2160 at 1, chosen 300%", {3840, 2112}, 300, 300},
        {"1920x1080, chosen 200%", {1920, 1052}, 200, 150},
        {"1920x1080 exactly room for 125%", {946, 770}, 200, 125},
        {"one pixel short of 125%", {946, 769}, 200, 100},
        {"smaller than any step", {320, 240}, 100, 50},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fitting_zoom(c.chosen, around, c.room), c.shown) << c.screen;
}

} // namespace
} // namespace plenk::test
