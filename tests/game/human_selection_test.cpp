#include "game/human_selection.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

// A press finds the card seen under it: the last drawn of the hand's cards
// whose face, edges included, holds the point; every column and half column
// across the hand and beyond, over the top and bottom edges and the middle.
TEST(Human, APressFindsTheCardSeenUnderItAtEveryColumn) {
    for (const char *hand :
         {"AH", "AH 2H", "AH 2H 3H 4H 5H", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"}) {
        test::Table_Fixture t;
        test::Layout layout;
        layout.hands[0] = hand;
        t.lay(layout);
        t.renderer.Draw_Card();
        std::vector<std::pair<float, float>> corners; // the faces drawn, in slot order
        for (const Platform_Call &c : t.os.calls_of(Platform_Call::Kind::Draw))
            corners.emplace_back(static_cast<float>(c.args[1]), static_cast<float>(c.args[2]));
        ASSERT_EQ(corners.size(), test::cards(hand).size());
        std::string wrong;
        for (float y : {corners[0].second - 0.5f, corners[0].second, corners[0].second + 48,
                        corners[0].second + 96, corners[0].second + 96.5f})
            for (float x = corners[0].first - 2; x <= corners.back().first + 73; x += 0.5f) {
                int16_t seen = -1;
                for (int16_t j = 0; j < static_cast<int16_t>(corners.size()); ++j)
                    if (x >= corners[j].first && x <= corners[j].first + 71 &&
                        y >= corners[j].second && y <= corners[j].second + 96)
                        seen = j;
                if (slot_under_press(t.g, x, y) != seen)
                    wrong += std::to_string(x) + "," + std::to_string(y) + " ";
            }
        EXPECT_EQ(wrong, "") << hand;
    }
    test::Table_Fixture t;
    t.lay({});
    EXPECT_EQ(slot_under_press(t.g, 375, 500), -1);
}

} // namespace
} // namespace plenk
