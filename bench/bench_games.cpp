#include "tests/support/random_game.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// Complete headless games on one core: the engine and the table drawing run
// in full, the platform throws the drawing away and no real time passes.
void Complete_Games(benchmark::State &state) {
    plenk::test::Random_Game_Runner runner(false);
    uint64_t seed = 1;
    int longest = 0;
    int64_t cards = 0;
    for (auto _ : state) {
        plenk::test::Game_Outcome outcome = runner.play(seed++);
        longest = std::max(longest, outcome.cards_played);
        cards += outcome.cards_played;
    }
    state.counters["games_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cards_per_game"] =
        static_cast<double>(cards) / static_cast<double>(state.iterations());
    state.counters["longest_game_cards"] = longest;
}
BENCHMARK(Complete_Games)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
