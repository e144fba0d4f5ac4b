#include "GridSeason.h"

#include <cstring>

#include "ScoringFixtures.h"
#include "model/Dates.h"

SeasonPtr MakeGridSeason(Host& host, int fixtureCount, const std::vector<std::string>& names,
                         int teamSize)
{
    ScoringScheme scheme;
    scheme.groupSize = 1;
    scheme.target = 21;
    std::memcpy(scheme.totalLabel.data(), "Pts", 3);
    std::memcpy(scheme.measureLabel.data(), "Avge", 4);
    scheme.teamDecimals = 1;
    scheme.playerDecimals = 2;
    SeasonPtr season = MakeCustomSeason(host, scheme, teamSize, fixtureCount, names);
    if (!season)
        return nullptr;
    season->teamName = "Hollins Green";
    season->leagueName = "Mid-Cheshire";
    season->division = "Two";
    const std::time_t first = MakeLocalDate(2021, 5, 5);
    for (int k = 0; k < fixtureCount; ++k) {
        Fixture& fixture = *season->fixtures[static_cast<std::size_t>(k)];
        fixture.date = first + std::time_t(k) * 7 * 24 * 3600;
        fixture.venue = static_cast<std::uint32_t>(k % 3);
        fixture.result = 0;
    }
    for (auto& player : season->players) {
        player->group = 1;
        player->appearances = 1;
        player->played = 1;
        player->won = 1;
        player->measure = 1.5;
    }
    RenumberRows(*season);
    return season;
}

std::vector<std::string> NumberedPlayers(int count)
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back("Player " + std::to_string(i));
    return names;
}

void SetFixtureResult(Season& season, int index, unsigned result, const std::string& text)
{
    Fixture& fixture = *season.fixtures.at(static_cast<std::size_t>(index));
    fixture.result = result;
    fixture.resultText = text;
}

void PlaceGame(Season& season, int index, int position, int playerPosition, unsigned state,
               int scoreFor, int scoreAgainst)
{
    Fixture& fixture = *season.fixtures.at(static_cast<std::size_t>(index));
    Player* player = season.players.at(static_cast<std::size_t>(playerPosition)).get();
    SetGame(fixture, position, player, scoreFor, scoreAgainst, static_cast<GameState>(state));
}

void RenumberRows(Season& season)
{
    for (std::size_t p = 0; p < season.players.size(); ++p)
        season.playerRow[season.players[p]->id] = static_cast<std::uint8_t>(p);
}
