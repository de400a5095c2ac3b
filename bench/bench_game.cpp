// How fast the model plays: whole games, and single plays, always taking the first legal slot.
#include <benchmark/benchmark.h>

#include <chrono>

#include "game/game.h"

namespace {

using namespace troven;

// Plays the first playable slot until the game is over; returns the number of plays.
std::int64_t playToTheEnd(Game& game) {
    for (std::int64_t plays = 0;; ++plays) {
        int k = 0;
        while (k < kHandSize && !game.canPlay(k)) ++k;
        if (k == kHandSize) return plays;
        game.play(k);
    }
}

void WholeGames(benchmark::State& state) {
    ClockSeededRandom random;  // as the program deals
    Game game{random};
    std::int64_t plays = 0;
    for (auto _ : state) {
        game.newGame();
        plays += playToTheEnd(game);
        benchmark::DoNotOptimize(game.hand());
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["plays/game"] =
        static_cast<double>(plays) / static_cast<double>(state.iterations());
    state.counters["plays/s"] =
        benchmark::Counter(static_cast<double>(plays), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeGames);

// Only the plays are timed: a deal reseeds the generator, which costs more than the plays of a
// typical game together.
void Plays(benchmark::State& state) {
    ClockSeededRandom random;  // as the program deals
    Game game{random};
    std::int64_t plays = 0;
    for (auto _ : state) {
        game.newGame();
        const auto start = std::chrono::steady_clock::now();
        plays += playToTheEnd(game);
        benchmark::DoNotOptimize(game.hand());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["plays/s"] =
        benchmark::Counter(static_cast<double>(plays), benchmark::Counter::kIsRate);
}
BENCHMARK(Plays)->UseManualTime();

}  // namespace
