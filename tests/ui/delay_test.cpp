#include "tests/support/headless_platform.h"
#include "ui/table_renderer.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

// Waiting, not spinning: a wait of 25 is woken by two events, then the
// deadline, then is done, also across the counter's wrap; a wait of 0 is done
// a tick later, after two looks at the events.
TEST(Delay, WaitsMoreThanItsTimeHandlingEventsAndSurvivesTheCounterWrapping) {
    for (const auto &[start, ms, events, pumps] :
         {std::tuple{1000u, 25, 2, 4u}, {0xFFFFFFF0u, 25, 2, 4u}, {1000u, 0, 0, 2u}}) {
        Headless_Platform os;
        os.set_tick(start);
        int handled = 0;
        for (uint32_t at : {3u, 24u, 40u})
            os.post_event(start + at, [&] { ++handled; });
        Delay(os, ms);
        EXPECT_EQ(
            std::tuple(handled, os.GetTickCount(), os.calls_of(Platform_Call::Kind::Pump).size()),
            std::tuple(events, start + ms + 1, pumps))
            << start << " " << ms;
    }
}

} // namespace
} // namespace plenk
