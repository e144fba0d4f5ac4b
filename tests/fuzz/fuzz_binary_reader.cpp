// Fuzzes the binary season reader with arbitrary bytes.
//
// Build and run (from /work/main; clang and libclang-rt-dev installed):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
//       -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_FUZZ=ON -DTESSEL_TESTS=ON -DTESSEL_BENCH=OFF
//   cmake --build build-fuzz --target fuzz_binary_reader
//   mkdir -p build-fuzz/corpus-binary    # seed it with any .bwl files at hand
//   TZ=Europe/London build-fuzz/tests/fuzz/fuzz_binary_reader -max_total_time=600 -jobs=1 \
//       build-fuzz/corpus-binary
//
// Besides memory and undefined-behaviour faults it checks what every season
// the reader accepts must satisfy: the records match the counts, ids are
// dense, and the season writes out as a file that reads back to the very
// same bytes (the reader and the writer agree about every field).

#include <cstdio>
#include <cstdlib>

#include "files/BinaryFormat.h"
#include "support/FakeHost.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_binary_reader: %s\n", what);
    std::abort();
}

void CheckInvariants(const Season& season)
{
    if (season.teamSize > kMaxTeamSize)
        Fail("team size beyond the tables");
    if (season.players.size() > static_cast<std::size_t>(kMaxPlayers))
        Fail("more players than the tables hold");
    if (season.fixtureCount != static_cast<int>(season.fixtures.size()) ||
        season.playerCount != static_cast<int>(season.players.size()))
        Fail("counts do not match the lists");
    for (const auto& fixture : season.fixtures) {
        if (fixture->games.size() != season.teamSize)
            Fail("a fixture without teamSize games");
        if (fixture->result > 3 || fixture->venue > Neutral)
            Fail("result or venue out of range");
        for (const Game& game : fixture->games) {
            if (game.state > Pending)
                Fail("game state out of range");
            if (game.player && game.player->id != game.playerId)
                Fail("game bound to a player of another id");
        }
    }
    for (std::size_t i = 0; i < season.players.size(); ++i) {
        if (!season.PlayerById(static_cast<int>(i)))
            Fail("player ids are not dense");
        const Player& p = *season.players[i];
        if (p.name.size() >= kPlayerNameCapacity || p.surnameAt > p.name.size())
            Fail("player name beyond its field");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeHost host;
    SeasonPtr season;
    if (SeasonFromBytes(data, size, host, season) != ReadStatus::Ok) {
        if (season)
            Fail("a refused file left a season behind");
        return 0;
    }
    if (!season)
        Fail("Ok without a season");
    CheckInvariants(*season);

    const Bytes first = SeasonToBytes(*season);
    FakeHost again;
    SeasonPtr reread;
    if (SeasonFromBytes(first.data(), first.size(), again, reread) != ReadStatus::Ok)
        Fail("a season read from a file does not read back once written");
    if (!again.messages.empty())
        Fail("reading back a written season gave a message");
    CheckInvariants(*reread);
    if (SeasonToBytes(*reread) != first)
        Fail("write, read, write changed the bytes");
    return 0;
}
