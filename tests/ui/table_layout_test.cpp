#include "game/hand.h"
#include "tests/support/table_fixture.h"
#include "ui/table_layout.h"
#include "ui/table_words.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plenk::test {
namespace {

struct Box {
    int32_t x, y, w, h;
    bool operator==(const Box &) const = default;
};

// Every seat holds n cards, with a card on each spot and the open card or the
// stock in the middle. The rectangle each thing reports must be what was
// painted for it, taken from the drawing's own calls: a hand card the part the
// next card leaves showing, a computer seat its whole stack. Over the human's
// hand, at every column and half column past each edge, a press plays what
// the eye sees under it, its right and bottom edges counting; the tooltip and
// the accessible hit test name that same card at every pixel.
TEST(Layout, WhatIsNamedAndHitIsWhatWasPainted) {
    for (int n = 1; n <= 13; ++n)
        for (bool open : {true, false}) {
            SCOPED_TRACE("cards " + std::to_string(n) + (open ? " open" : " stock"));
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
                seats[s] = {hand->x, hand->y, last.x + last.w - hand->x, last.y + last.h - hand->y};
                spots[s] = hand[n];
            }
            painted.insert(painted.end(), seats.begin() + 1, seats.end());
            painted.push_back(drawn[0]);
            painted.insert(painted.end(), spots.begin(), spots.end());

            const Table_Words words = table_words(t.g, false);
            std::vector<Box> named;
            for (const Table_Thing &th : words.things)
                named.push_back({th.x, th.y, th.width, th.height});
            EXPECT_EQ(named, painted);

            // Just inside each corner names the thing; just outside does not.
            for (std::size_t i = static_cast<std::size_t>(n); i < painted.size(); ++i) {
                const Box &b = painted[i];
                for (auto [x, y, in] : {std::tuple{b.x, b.y, true},
                                        {b.x + b.w - 1, b.y + b.h - 1, true},
                                        {b.x - 1, b.y, false},
                                        {b.x + b.w, b.y + b.h - 1, false},
                                        {b.x, b.y - 1, false},
                                        {b.x + b.w - 1, b.y + b.h, false}})
                    EXPECT_EQ(thing_at(words, x, y) == static_cast<int>(i), in)
                        << "thing " << i << " at " << x << "," << y;
            }

            const Box &first = drawn[1];
            for (int32_t y :
                 {first.y - 1, first.y, first.y + 48, first.y + first.h, first.y + first.h + 1})
                for (float x = static_cast<float>(first.x - 2); x <= first.x + 15 * n + 73;
                     x += 0.5f) {
                    int seen = -1;
                    for (int j = 0; j < n; ++j) {
                        const Box &c = drawn[1 + static_cast<std::size_t>(j)];
                        if (x >= c.x && x <= c.x + c.w && y >= c.y && y <= c.y + c.h)
                            seen = j;
                    }
                    const float fy = static_cast<float>(y);
                    ASSERT_EQ(slot_under_press(t.g, x, fy), seen) << x << "," << y;
                    if (x == static_cast<int32_t>(x)) {
                        ASSERT_EQ(thing_at(words, static_cast<int32_t>(x), y), seen)
                            << x << "," << y;
                    }
                }
        }
}

} // namespace
} // namespace plenk::test
