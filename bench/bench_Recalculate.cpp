// Recalculation of the largest season against the least any recalculation
// must do: visit every game once. The aim is a ratio below 10.

#include <benchmark/benchmark.h>

#include "model/Recalculate.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

SeasonPtr MaximalSeason(Host& host, int schemeIndex)
{
    SeasonShape shape = MaximalSeasonShape();
    shape.schemeIndex = schemeIndex;
    return BuildSeason(shape, host);
}

void BM_VisitEveryGame(benchmark::State& state)
{
    FakeHost host;
    SeasonPtr season = MaximalSeason(host, 0);
    for (auto _ : state) {
        long long sum = 0;
        for (const auto& fixture : season->fixtures)
            for (const Game& game : fixture->games)
                sum += game.scoreFor + game.scoreAgainst;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_VisitEveryGame);

// Arguments: the scheme. 0 "Aggregate" (average from the counters), 3
// "Stockport & district" (match points, halves), 9 "Bebbington & district"
// (best six margins from each player's games, return legs paired).
void BM_Recalculate(benchmark::State& state)
{
    FakeHost host;
    SeasonPtr season = MaximalSeason(host, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Recalculate(*season, host, false);
        benchmark::DoNotOptimize(season->players.front()->measure);
    }
}
BENCHMARK(BM_Recalculate)->Arg(0)->Arg(3)->Arg(9);

} // namespace

BENCHMARK_MAIN();
