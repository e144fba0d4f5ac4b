#include "model/Recalculate.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/Host.h"
#include "model/Measure.h"
#include "model/Scoring.h"
#include "model/Text.h"

namespace {

void ClearCounters(Player& player)
{
    player.appearances = 0;
    player.played = 0;
    player.homeAppearances = 0;
    player.homePlayed = 0;
    player.awayAppearances = 0;
    player.awayPlayed = 0;
    player.won = 0;
    player.drawn = 0;
    player.homeFor = 0;
    player.homeAgainst = 0;
    player.awayFor = 0;
    player.awayAgainst = 0;
}

// ASCII letters folded, so that names equal ignoring case hash alike.
std::uint64_t FoldedHash(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(FoldAscii(c))) * 1099511628211ull;
    return hash;
}

// Only the later fixture of a pair knows its partner, so the two-leg bonus is
// scored in the second leg. Pairs form in season order: each fixture takes
// the first earlier, still unpaired fixture against the same opponent at the
// other end.
void PairReturnLegs(Season& season)
{
    // The fixtures grouped by opponent (names equal ignoring case hash alike),
    // in season order within a group. Pairing never crosses groups, so each
    // fixture need only look back through its own.
    const std::size_t count = season.fixtures.size();
    std::vector<std::pair<std::uint64_t, std::size_t>> byOpponent(count);
    for (std::size_t f = 0; f < count; ++f)
        byOpponent[f] = {FoldedHash(season.fixtures[f]->opponent), f};
    std::sort(byOpponent.begin(), byOpponent.end());

    std::size_t groupStart = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (byOpponent[k].first != byOpponent[groupStart].first)
            groupStart = k;
        Fixture& later = *season.fixtures[byOpponent[k].second];
        if (later.venue == Neutral)
            continue;
        for (std::size_t j = groupStart; j < k; ++j) {
            Fixture& earlier = *season.fixtures[byOpponent[j].second];
            if (earlier.venue == Neutral || earlier.paired || earlier.venue == later.venue ||
                !EqualIgnoringAsciiCase(earlier.opponent, later.opponent))
                continue;
            later.returnLeg = &earlier;
            later.paired = true;
            earlier.paired = true;
            break;
        }
    }
}

// Each player's played games, gathered in one pass over the season so that
// the measures cost as much as the games, not games times players. It runs
// after the fixtures have been scored, when each player's played counter says
// how many games he has.
class PlayedGamesIndex {
public:
    explicit PlayedGamesIndex(const Season& season) : season_(season)
    {
        const std::size_t players = season.players.size();
        start_.assign(players + 1, 0);
        for (std::size_t p = 0; p < players; ++p)
            start_[p + 1] = start_[p] + season.players[p]->played;
        end_.assign(start_.begin(), start_.end() - 1);
        games_.resize(start_[players]);
        for (const auto& fixture : season.fixtures) {
            const bool away = fixture->venue == Away;
            for (const Game& game : fixture->games) {
                if (game.state != Played || !game.player)
                    continue;
                std::size_t p = PositionOf(game.player);
                // The bound only matters if a game escaped the counters.
                if (p != kNotListed && end_[p] < start_[p + 1])
                    games_[end_[p]++] = {game.scoreFor, game.scoreAgainst, away};
            }
        }
    }

    std::span<const PlayedGame> GamesAt(std::size_t position) const
    {
        return std::span<const PlayedGame>(games_).subspan(start_[position],
                                                           end_[position] - start_[position]);
    }

private:
    // The list position of a game's player: playerRow, just rebuilt from the
    // list, finds it at once when the ids are sound; anything else is looked
    // up by the player record itself.
    std::size_t PositionOf(const Player* player)
    {
        if (player->id < kMaxPlayers) {
            std::size_t p = season_.playerRow[player->id];
            if (p < season_.players.size() && season_.players[p].get() == player)
                return p;
        }
        if (byRecord_.empty()) {
            for (std::size_t p = 0; p < season_.players.size(); ++p)
                byRecord_.emplace(season_.players[p].get(), p);
        }
        auto it = byRecord_.find(player);
        return it == byRecord_.end() ? kNotListed : it->second;
    }

    static constexpr std::size_t kNotListed = std::numeric_limits<std::size_t>::max();
    const Season& season_;
    std::vector<std::size_t> start_;
    std::vector<std::size_t> end_;
    std::vector<PlayedGame> games_;
    std::unordered_map<const Player*, std::size_t> byRecord_;
};

} // namespace

void Recalculate(Season& season, Host& host, bool sortByName)
{
    WaitCursor wait(host);

    for (std::size_t p = 0; p < season.players.size(); ++p) {
        Player& player = *season.players[p];
        ClearCounters(player);
        if (player.id < kMaxPlayers && p <= std::numeric_limits<std::uint8_t>::max())
            season.playerRow[player.id] = static_cast<std::uint8_t>(p);
    }

    season.matchesPlayed = 0;
    season.matchesWon = 0;
    season.matchesLost = 0;
    season.shotsFor = 0;
    season.shotsAgainst = 0;
    season.pointsFor = 0;
    season.pointsAgainst = 0;

    for (auto& fixture : season.fixtures) {
        fixture->returnLeg = nullptr;
        fixture->paired = false;
    }
    if (season.scheme.weight[WeightAggregateWon] != 0 ||
        season.scheme.weight[WeightAggregateDrawn] != 0)
        PairReturnLegs(season);

    for (auto& fixture : season.fixtures)
        ScoreFixture(season, *fixture, nullptr, true);

    if (season.fixtures.empty())
        season.teamAverage = 0;
    else if (season.scheme.Has(AveragePerMatch) && season.matchesPlayed != 0)
        season.teamAverage = season.pointsFor / season.matchesPlayed;
    else
        season.teamAverage = season.pointsFor;

    if (MeasureUsesGames(season.scheme)) {
        PlayedGamesIndex index(season);
        for (std::size_t p = 0; p < season.players.size(); ++p)
            ComputeMeasure(season, *season.players[p], index.GamesAt(p));
    } else {
        for (auto& player : season.players)
            ComputeMeasure(season, *player, {});
    }

    SortPlayers(season, host, sortByName ? kSortByNameMinimum : kSortReadMinGames);
}
