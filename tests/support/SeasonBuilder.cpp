#include "SeasonBuilder.h"

#include <string>

#include "model/Dates.h"
#include "model/ScoringScheme.h"

SeasonPtr BuildSeason(const SeasonShape& shape, Host& host)
{
    auto season = std::make_unique<Season>();
    season->teamName = "Hollins Green";
    season->leagueName = "Mid-Cheshire League";
    season->division = "Division 2";
    season->teamSize = static_cast<std::uint16_t>(shape.teamSize);
    season->schemeIndex = static_cast<std::uint32_t>(shape.schemeIndex);
    season->fixtureCount = shape.fixtureCount;
    season->playerCount = shape.playerCount;
    ApplyScheme(*season, host);
    if (!AllocateSeasonRecords(host, season))
        return nullptr;

    for (int i = 0; i < shape.playerCount; ++i) {
        Player& p = *season->players[static_cast<std::size_t>(i)];
        p.id = static_cast<std::uint16_t>(i);
        p.name = "Player " + std::to_string(i + 1);
        p.surnameAt = SplitName(p.name);
    }
    const std::time_t first = MakeLocalDate(2021, 5, 5);
    for (int f = 0; f < shape.fixtureCount; ++f) {
        Fixture& fixture = *season->fixtures[static_cast<std::size_t>(f)];
        fixture.opponent = "Opponents " + std::to_string(f + 1);
        fixture.venue = static_cast<std::uint32_t>(f % 3);
        fixture.date = first + std::time_t(f) * 7 * 24 * 3600;
        for (int g = 0; g < shape.teamSize; ++g) {
            Game& game = fixture.games[static_cast<std::size_t>(g)];
            if (shape.playerCount == 0)
                continue;
            Player* player =
                season->players[static_cast<std::size_t>((f + g) % shape.playerCount)].get();
            game.player = player;
            game.playerId = static_cast<std::int16_t>(player->id);
            game.opponent = "Visitor " + std::to_string(f + 1) + "." + std::to_string(g + 1);
            game.state = Played;
            game.scoreFor = 21;
            game.scoreAgainst = static_cast<std::int16_t>((f * 7 + g) % 21);
        }
    }
    return season;
}

SeasonShape MaximalSeasonShape()
{
    SeasonShape shape;
    shape.teamSize = kMaxTeamSize;
    shape.fixtureCount = kMaxFixtures;
    shape.playerCount = kMaxPlayers - 1;
    return shape;
}
