// Fuzzes the text season import with arbitrary bytes.
//
// Build and run (from /work/main; clang and libclang-rt-dev installed):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
//       -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_FUZZ=ON -DTESSEL_TESTS=ON -DTESSEL_BENCH=OFF
//   cmake --build build-fuzz --target fuzz_text_import
//   mkdir -p build-fuzz/corpus-text      # seed it with any .bwt files at hand
//   TZ=Europe/London build-fuzz/tests/fuzz/fuzz_text_import -max_total_time=600 -jobs=1 \
//       -max_len=8192 build-fuzz/corpus-text
// A dictionary of the format's words speeds it up a great deal: a file with
// one quoted word a line ("[Club]", "[Players]", "[Matches]", "\"home\"",
// "\"away\"", "\"Aggregate\"", "\"Matlock Thursday League\"", "%09", "\\t")
// passed with -dict=<file>.
//
// Besides memory and undefined-behaviour faults it checks that a refused file
// leaves nothing behind and that every season the import accepts keeps the
// limits the rest of the program relies on, and that it saves as a binary
// season file that opens again.

#include <cstdio>
#include <cstdlib>

#include "files/BinaryFormat.h"
#include "files/TextImport.h"
#include "support/FakeHost.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_text_import: %s\n", what);
    std::abort();
}

bool IsPlayer(const Season& season, const Player* player)
{
    for (const auto& p : season.players)
        if (p.get() == player)
            return true;
    return false;
}

void CheckInvariants(const Season& season)
{
    if (season.teamSize < 1 || season.teamSize > kMaxTeamSize)
        Fail("team size out of range");
    if (season.fixtureCount < 1 || season.fixtureCount > kMaxFixtures ||
        season.fixtureCount != static_cast<int>(season.fixtures.size()))
        Fail("fixture count out of range or not the list's length");
    if (season.players.size() > static_cast<std::size_t>(kMaxPlayers) ||
        season.playerCount != static_cast<int>(season.players.size()))
        Fail("player count out of range or not the list's length");
    if (season.teamName.empty() || season.teamName.size() > 32 || season.leagueName.empty() ||
        season.leagueName.size() > 64 || season.division.empty() || season.division.size() > 16)
        Fail("club text beyond its field");
    if (season.schemeIndex >= static_cast<std::uint32_t>(kSchemeCount))
        Fail("scheme index out of range");

    for (std::size_t i = 0; i < season.players.size(); ++i) {
        const Player& p = *season.players[i];
        if (!season.PlayerById(static_cast<int>(i)))
            Fail("player ids are not dense");
        if (p.name.size() > 32 || p.surnameAt > p.name.size())
            Fail("player name beyond its field");
        if (season.schemeIndex == 87 &&
            (p.twin == nullptr || p.twin->twin != &p || p.twin->group == p.group))
            Fail("twin records not linked");
        if (p.twin != nullptr && !IsPlayer(season, p.twin))
            Fail("twin outside the season");
    }

    bool emptySeen = false;
    std::time_t lastDate = 0;
    for (const auto& fixture : season.fixtures) {
        if (fixture->games.size() != season.teamSize)
            Fail("a fixture without teamSize games");
        if (fixture->opponent.size() > 32 || fixture->venue > Neutral)
            Fail("fixture opponent or venue out of range");
        if (fixture->opponent.empty()) {
            emptySeen = true;
        } else {
            if (emptySeen || fixture->date < lastDate)
                Fail("fixtures out of order");
            lastDate = fixture->date;
        }
        for (const Game& game : fixture->games) {
            if (game.state > Pending || game.opponent.size() > 32)
                Fail("game state or opponent out of range");
            if (game.player != nullptr &&
                (!IsPlayer(season, game.player) || game.player->id != game.playerId))
                Fail("game bound to a stray player or another id");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeHost host;
    SeasonPtr season = ImportTextSeason(data, size, host);
    if (host.waitDepth != 0)
        Fail("the wait cursor was not restored");
    if (!season)
        return 0;
    CheckInvariants(*season);

    const Bytes saved = SeasonToBytes(*season);
    FakeHost again;
    SeasonPtr reread;
    if (SeasonFromBytes(saved.data(), saved.size(), again, reread) != ReadStatus::Ok || !reread)
        Fail("an imported season, once saved, does not open again");
    if (reread->players.size() != season->players.size() ||
        reread->fixtures.size() != season->fixtures.size())
        Fail("an imported season lost records when saved");
    return 0;
}
