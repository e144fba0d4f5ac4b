#include "ScoringFixtures.h"

#include "model/ScoringScheme.h"

namespace {

SeasonPtr Allocate(Host& host, SeasonPtr season, int fixtureCount, std::vector<std::string> names)
{
    season->fixtureCount = fixtureCount;
    season->playerCount = static_cast<std::int32_t>(names.size());
    season->selectedFixture = -1;
    season->selectedPlayer = -1;
    if (!AllocateSeasonRecords(host, season))
        return nullptr;
    for (std::size_t i = 0; i < names.size(); ++i) {
        Player& p = *season->players[i];
        p.id = static_cast<std::uint16_t>(i);
        p.name = names[i];
        p.surnameAt = SplitName(p.name);
    }
    for (std::size_t f = 0; f < season->fixtures.size(); ++f) {
        Fixture& fixture = *season->fixtures[f];
        fixture.venue = Home;
        fixture.opponent = "Opponents " + std::to_string(f + 1);
    }
    return season;
}

} // namespace

SeasonPtr MakeScoringSeason(Host& host, int schemeIndex, int teamSize, int fixtureCount,
                            std::vector<std::string> names)
{
    auto season = std::make_unique<Season>();
    season->schemeIndex = static_cast<std::uint32_t>(schemeIndex);
    season->teamSize = static_cast<std::uint16_t>(teamSize);
    ApplyScheme(*season, host);
    return Allocate(host, std::move(season), fixtureCount, std::move(names));
}

SeasonPtr MakeCustomSeason(Host& host, const ScoringScheme& scheme, int teamSize, int fixtureCount,
                           std::vector<std::string> names)
{
    auto season = std::make_unique<Season>();
    season->schemeIndex = kCustomScheme;
    season->teamSize = static_cast<std::uint16_t>(teamSize);
    season->scheme = scheme;
    ApplyScheme(*season, host);
    return Allocate(host, std::move(season), fixtureCount, std::move(names));
}

void SetGame(Fixture& fixture, int position, Player* player, int scoreFor, int scoreAgainst,
             GameState state)
{
    Game& game = fixture.games.at(static_cast<std::size_t>(position));
    game.player = player;
    game.playerId = player ? static_cast<std::int16_t>(player->id) : 0;
    game.opponent = state == OpponentAbsent ? "" : "Visitor " + std::to_string(position + 1);
    game.state = state;
    game.scoreFor = static_cast<std::int16_t>(scoreFor);
    game.scoreAgainst = static_cast<std::int16_t>(scoreAgainst);
}

void SetScores(Fixture& fixture, std::initializer_list<Score> scores)
{
    int position = 0;
    for (const Score& s : scores)
        SetGame(fixture, position++, nullptr, s.scoreFor, s.scoreAgainst);
}
