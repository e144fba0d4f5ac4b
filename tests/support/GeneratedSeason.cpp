#include "support/GeneratedSeason.h"

#include <cstdint>
#include <random>
#include <string>

#include "model/Dates.h"
#include "model/ScoringScheme.h"

namespace {

ScoringScheme CustomScheme()
{
    ScoringScheme s;
    s.groupSize = 1;
    s.target = 21;
    for (std::size_t i = 0; i < s.weight.size(); ++i)
        s.weight[i] = 0.25f * float(i % 7) + 0.5f;
    s.weight[8] = 3; // the shots start
    s.forWeight = 2;
    s.againstWeight = 1;
    s.walkoverCredit = 5;
    s.walkoverGames = 1;
    s.matchDecimals = 2;
    s.teamDecimals = 2;
    s.playerDecimals = 3;
    s.flags = DivideByGames | AddAppearances;
    const char total[] = " Sum ";
    const char measure[] = " Fig ";
    std::copy(total, total + 5, s.totalLabel.begin());
    std::copy(measure, measure + 5, s.measureLabel.begin());
    return s;
}

} // namespace

SeasonPtr GenerateSeason(int schemeIndex, unsigned seed, Host& host)
{
    std::mt19937 rng(seed * 1000u + unsigned(schemeIndex));
    const auto pick = [&rng](int n) { return int(rng() % unsigned(n)); }; // portable, unlike
                                                                          // the distributions
    auto season = std::make_unique<Season>();
    season->teamName = "Generated " + std::to_string(schemeIndex);
    season->leagueName = "League " + std::to_string(seed);
    season->division = "Division 1";
    season->schemeIndex = std::uint32_t(schemeIndex);
    const int group = std::max<int>(1, SchemeGroupSize(schemeIndex));
    season->teamSize = std::uint16_t(group * (2 + pick(3)) + (schemeIndex == 87 ? 6 : 0));
    season->fixtureCount = 8 + pick(5);
    season->playerCount = 7 + pick(6);
    if (schemeIndex == kCustomScheme)
        season->scheme = CustomScheme();
    ApplyScheme(*season, host);
    if (!AllocateSeasonRecords(host, season))
        return nullptr;
    if (season->scheme.Has(KeepHandicaps)) {
        season->homeHandicap = pick(5);
        season->awayHandicap = pick(5) - 2;
    }

    static const char* const kNames[] = {"A. Ashton", "B. Booth",  "C. Clegg", "D. Dunn",
                                         "E. Eaves",  "F. Fogg",   "G. Gee",   "H. Hough",
                                         "I. Ince",   "J. Jolley", "K. Kay",   "L. Lunt"};
    for (int i = 0; i < season->playerCount; ++i) {
        Player& p = *season->players[std::size_t(i)];
        p.id = std::uint16_t(i);
        p.name = kNames[i % 12];
        if (i == 3)
            p.name = std::string(kNames[2]) + " (2)"; // a reserve, twin of C. Clegg
        p.surnameAt = SplitName(p.name);
        if (season->scheme.Has(KeepHandicaps) || season->scheme.Has(EditBroughtForward)) {
            p.broughtFor = pick(40);
            p.broughtAgainst = pick(40);
        }
    }
    const std::time_t first = MakeLocalDate(2022, 4, 20);
    const int target = season->scheme.target ? int(season->scheme.target) : 21;
    for (int f = 0; f < season->fixtureCount; ++f) {
        Fixture& fixture = *season->fixtures[std::size_t(f)];
        fixture.opponent = "Opponents " + std::to_string(1 + f % 5);
        fixture.venue = std::uint32_t(pick(3));
        fixture.date = first + std::time_t(f) * 7 * 24 * 3600;
        if (season->scheme.Has(KeepHandicaps))
            fixture.oppHandicap = pick(7) - 3;
        if (f == 5)
            continue; // nothing entered yet
        for (int g = 0; g < season->teamSize; ++g) {
            Game& game = fixture.games[std::size_t(g)];
            const int roll = pick(20);
            game.state = roll < 14   ? Played
                         : roll < 16 ? OpponentAbsent
                         : roll < 18 ? PlayerAbsent
                         : roll < 19 ? NotPlayed
                                     : Pending;
            // A game nobody of ours takes part in may name nobody. (The file has no "nobody":
            // a game's player id 0 names the first player, so a counted game always names one.)
            Player* player = season->players[std::size_t(pick(season->playerCount))].get();
            if (pick(3) != 0 || game.state == Played || game.state == OpponentAbsent ||
                game.state == Pending) {
                game.player = player;
                game.playerId = std::int16_t(player->id);
            }
            game.opponent = "Visitor " + std::to_string(pick(9) + 1);
            if (game.state == OpponentAbsent || game.state == PlayerAbsent) {
                game.scoreFor = std::int16_t(game.state == OpponentAbsent ? target : 0);
                game.scoreAgainst = std::int16_t(game.state == PlayerAbsent ? target : 0);
            }
            if (game.state != Played)
                continue;
            const int loser = pick(target + 1);
            const bool won = pick(2) == 0;
            const bool level = pick(10) == 0;
            game.scoreFor = std::int16_t(level ? loser : won ? target : loser);
            game.scoreAgainst = std::int16_t(level ? loser : won ? loser : target);
        }
    }
    return season;
}
