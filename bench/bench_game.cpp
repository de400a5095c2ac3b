// How fast the model plays: whole games, and single plays, always taking the first legal slot.
#include <benchmark/benchmark.h>

#include <chrono>

#include "game.h"

namespace {

using namespace troven;

struct SilentEvents final : GameEvents {
    void playCardSound() override {}
    void gameEnded(int) override {}
};

int firstPlayable(const Game& game) {
    for (int k = 0; k < kHandSize; ++k) {
        if (game.canPlay(k)) return k;
    }
    return -1;
}

void WholeGames(benchmark::State& state) {
    ClockSeededRandom random;
    SilentEvents events;
    Game game(random, events);
    std::int64_t plays = 0;
    for (auto _ : state) {
        game.newGame();
        for (int k = firstPlayable(game); k >= 0; k = firstPlayable(game)) {
            game.play(k);
            ++plays;
        }
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
    ClockSeededRandom random;
    SilentEvents events;
    Game game(random, events);
    std::int64_t plays = 0;
    for (auto _ : state) {
        game.newGame();
        const auto start = std::chrono::steady_clock::now();
        for (int k = firstPlayable(game); k >= 0; k = firstPlayable(game)) {
            game.play(k);
            ++plays;
        }
        benchmark::DoNotOptimize(game.hand());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["plays/s"] =
        benchmark::Counter(static_cast<double>(plays), benchmark::Counter::kIsRate);
}
BENCHMARK(Plays)->UseManualTime();

}  // namespace
