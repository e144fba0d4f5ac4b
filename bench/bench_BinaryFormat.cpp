// Writing and reading the largest season the program handles (100 fixtures
// of 30 positions, 199 players): what Save and Open cost, without the disk.

#include <benchmark/benchmark.h>

#include "files/BinaryFormat.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

SeasonPtr MaximalSeason()
{
    FakeHost host;
    return BuildSeason(MaximalSeasonShape(), host);
}

void BM_WriteMaximalSeason(benchmark::State& state)
{
    const SeasonPtr season = MaximalSeason();
    std::size_t bytes = 0;
    for (auto _ : state) {
        Bytes out = SeasonToBytes(*season);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteMaximalSeason);

void BM_ReadMaximalSeason(benchmark::State& state)
{
    const Bytes file = SeasonToBytes(*MaximalSeason());
    FakeHost host;
    for (auto _ : state) {
        SeasonPtr season;
        if (SeasonFromBytes(file.data(), file.size(), host, season) != ReadStatus::Ok) {
            state.SkipWithError("the maximal season did not read back");
            break;
        }
        benchmark::DoNotOptimize(season.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadMaximalSeason);

} // namespace

BENCHMARK_MAIN();
