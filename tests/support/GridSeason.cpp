#include "GridSeason.h"

#include <cstring>

#include "ScoringFixtures.h"
#include "model/Dates.h"

SeasonPtr MakeGridSeason(Host& host, int fixtureCount, int playerCount, int teamSize)
{
    ScoringScheme scheme;
    scheme.groupSize = 1;
    scheme.target = 21;
    std::memcpy(scheme.totalLabel.data(), "Pts", 3);
    std::memcpy(scheme.measureLabel.data(), "Avge", 4);
    scheme.teamDecimals = 1;
    scheme.playerDecimals = 2;
    std::vector<std::string> names;
    for (int i = 1; i <= playerCount; ++i)
        names.push_back("Player " + std::to_string(i));
    SeasonPtr season = MakeCustomSeason(host, scheme, teamSize, fixtureCount, names);
    season->teamName = "Hollins Green";
    season->leagueName = "Mid-Cheshire";
    season->division = "Two";
    for (int k = 0; k < fixtureCount; ++k) {
        Fixture& fixture = *season->fixtures[static_cast<std::size_t>(k)];
        fixture.date = MakeLocalDate(2021, 5, 5) + std::time_t(k) * 7 * 24 * 3600;
        fixture.venue = static_cast<std::uint32_t>(k % 3);
        fixture.result = 0;
    }
    for (std::size_t p = 0; p < season->players.size(); ++p) {
        Player& player = *season->players[p];
        player.group = 1;
        player.appearances = player.played = player.won = 1;
        player.measure = 1.5;
        season->playerRow[player.id] = static_cast<std::uint8_t>(p);
    }
    return season;
}
