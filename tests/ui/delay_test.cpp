#include "tests/support/headless_platform.h"
#include "ui/table_renderer.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

using Kind = Platform_Call::Kind;

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
