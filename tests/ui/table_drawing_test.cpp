#include "tests/support/table_fixture.h"
#include "ui/table_renderer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

// The surface calls as "clear", "face 4 at 368,452", "back at 14,260", "refresh".
std::string describe(const std::vector<Platform_Call> &calls) {
    std::ostringstream out;
    for (const auto &c : calls) {
        if (c.kind == Kind::Clear)
            out << "clear\n";
        if (c.kind == Kind::Refresh)
            out << "refresh\n";
        if (c.kind != Kind::Draw)
            continue;
        EXPECT_EQ(c.args[0], 1);        // the surface's device context
        EXPECT_EQ(c.args[5], 16777215); // white
        if (c.args[4] == 0)
            out << "face " << c.args[3];
        if (c.args[4] == 1)
            out << (c.args[3] == 62 ? "back" : "wrong back");
        out << " at " << c.args[1] << "," << c.args[2] << "\n";
    }
    return out.str();
}

TEST(Drawing, TheWholeTableInOrder) {
    struct Row {
        const char *table;
        test::Layout layout;
        bool moving;
        const char *calls;
    };
    const Row rows[] = {
        {"a moving card, the stock, every hand and a played card",
         {{"AC AD", "2C", "", "3C 4C 5C"}, "- - 5H -", "KS"},
         true,
         "clear\nback at 100,200\nback at 340,227\nface 0 at 368,452\nface 1 at 383,452\nback at "
         "664,275\n"
         "face 18 at 340,131\nback at 14,260\nback at 14,275\nback at 14,290\nrefresh\n"},
        {"the open card, five cards across and down, a card on each spot",
         {{"2C 3C 4C 5C 6C", "", "2D 3D", "7C 8C"}, "AH KH QH JH", "KS", "AS"},
         false,
         "clear\nface 3 at 340,227\nface 4 at 345,452\nface 8 at 360,452\nface 12 at 375,452\nface "
         "16 at 390,452\n"
         "face 20 at 405,452\nface 2 at 340,323\nface 50 at 412,227\nback at 368,2\nback at "
         "383,2\nface 46 at 340,131\n"
         "back at 14,268\nback at 14,283\nface 42 at 268,227\nrefresh\n"},
        {"an empty stock shows nothing in the middle",
         {{"", "", "", ""}},
         false,
         "clear\nrefresh\n"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.table);
        test::Table_Fixture t;
        t.lay(r.layout);
        t.g.animating = to_flag(r.moving);
        t.g.anim_x = 100;
        t.g.anim_y = 200;
        t.renderer.Draw_Card();
        EXPECT_EQ(describe(t.os.calls()), r.calls);
    }
}

// Where the moving card is drawn in each frame of a slide, along its axis.
TEST(Drawing, SlidesMoveFifteenPixelsAFrameTowardsTheirTarget) {
    // move_spot_by shifts the seat's table spot along the axis: 129 no distance, 114 one step.
    struct Row {
        int16_t direction, seat, move_spot_by;
        std::vector<int32_t> frames;
    };
    // From the stock at (340, 227) to each hand, and from each hand to its table spot.
    const Row rows[] = {
        {0, 0, 0, {452, 437, 422, 407, 392, 377, 362, 347, 332}},
        {0, 0, 129, {452}},
        {0, 0, 114, {452, 437}},
        {1, 0, 0, {227, 242, 257, 272, 287, 302, 317, 332, 347, 362, 377, 392, 407, 422, 437, 452}},
        {1, 1, 0, {340, 355, 370, 385, 400, 415, 430, 445, 460, 475, 490,
                   505, 520, 535, 550, 565, 580, 595, 610, 625, 640, 655}},
        {1, 2, 0, {227, 212, 197, 182, 167, 152, 137, 122, 107, 92, 77, 62, 47, 32, 17, 2}},
        {1, 3, 0, {340, 325, 310, 295, 280, 265, 250, 235, 220, 205, 190,
                   175, 160, 145, 130, 115, 100, 85,  70,  55,  40,  25}},
        {0,
         1,
         0,
         {664, 649, 634, 619, 604, 589, 574, 559, 544, 529, 514, 499, 484, 469, 454, 439, 424}},
        {0, 2, 0, {2, 17, 32, 47, 62, 77, 92, 107, 122}},
        {0, 3, 0, {14, 29, 44, 59, 74, 89, 104, 119, 134, 149, 164, 179, 194, 209, 224, 239, 254}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE("direction " + std::to_string(r.direction) + " seat " +
                     std::to_string(r.seat));
        test::Table_Fixture t;
        t.lay({});
        const bool vertical = r.seat == 0 || r.seat == 2;
        (vertical ? t.g.seat[r.seat].table_y : t.g.seat[r.seat].table_x) += r.move_spot_by;
        const uint32_t start = t.os.GetTickCount();
        t.renderer.Animate_Card(r.direction, r.seat);
        std::vector<int32_t> at;
        for (const auto &c : t.os.calls_of(Kind::Draw))
            at.push_back(vertical ? c.args[2] : c.args[1]);
        EXPECT_EQ(at, r.frames);
        EXPECT_EQ(t.g.animating, flag_false);
        // Each frame waits more than 25 milliseconds first.
        EXPECT_EQ(t.os.GetTickCount() - start, 26 * r.frames.size());
    }
}

TEST(Delay, WaitsMoreThanItsTimeHandlingEventsAndSurvivesTheCounterWrapping) {
    for (uint32_t start : {1000u, 0xFFFFFFF0u}) {
        Headless_Platform os;
        os.set_tick(start);
        int handled = 0;
        for (uint32_t at : {3u, 24u, 40u})
            os.post_event(start + at, [&] { ++handled; });
        Delay(os, 25);
        EXPECT_EQ(handled, 2);
        EXPECT_EQ(os.GetTickCount(), start + 26u);
        // Waiting, not spinning: woken by two events, then the deadline, then done.
        EXPECT_EQ(os.calls_of(Kind::Pump).size(), 4u);
    }
    Headless_Platform os;
    Delay(os, 0);
    EXPECT_EQ(os.calls_of(Kind::Pump).size(), 2u);
}

} // namespace
} // namespace plenk
