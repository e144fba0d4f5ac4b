#include "model/Scoring.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/TextFormat.h"

namespace {

// A reserve is entered with " (2)" after his name.
bool IsReserveName(const std::string& name)
{
    static constexpr std::string_view kSuffix = " (2)";
    return name.size() >= kSuffix.size() &&
           name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

bool LeadsGroup(const Season& season, std::size_t position)
{
    return position < season.groupSpan.size() && season.groupSpan[position] >= 0;
}

// Match points of one side, from that side's own figures.
struct SideFigures {
    int shots = 0;         // this side's shots
    int opponentShots = 0; // the other side's shots
    int gamesWon = 0;
    int opponentGamesWon = 0;
    int outcome = 0; // 1 match won, 0 drawn, -1 lost
};

long double BasePoints(const ScoringScheme& scheme, const SideFigures& side, bool homeSide,
                       int undecided)
{
    const auto& w = scheme.weight;
    const float perOwnShot = w[homeSide ? WeightHomePerShot : WeightAwayPerShot];
    const float perOtherShot = w[homeSide ? WeightHomePerShotAgainst : WeightAwayPerShotAgainst];
    const float perGameWon = w[homeSide ? WeightHomePerGameWon : WeightAwayPerGameWon];
    const float perUndecided =
        w[homeSide ? WeightHomePerGameUndecided : WeightAwayPerGameUndecided];
    const float matchWin = w[homeSide ? WeightHomeMatchWon : WeightAwayMatchWon];
    const float matchDraw = w[homeSide ? WeightHomeMatchDrawn : WeightAwayMatchDrawn];
    const float moreGames = w[homeSide ? WeightHomeMoreGames : WeightAwayMoreGames];
    const float equalGames = w[homeSide ? WeightHomeEqualGames : WeightAwayEqualGames];

    long double points = static_cast<long double>(perOwnShot) * side.shots +
                         static_cast<long double>(perOtherShot) * side.opponentShots +
                         static_cast<long double>(perGameWon) * side.gamesWon +
                         static_cast<long double>(perUndecided) * undecided;
    if (side.outcome > 0)
        points += matchWin;
    else if (side.outcome == 0)
        points += matchDraw;
    if (side.gamesWon > side.opponentGamesWon)
        points += moreGames;
    else if (side.gamesWon == side.opponentGamesWon)
        points += equalGames;
    return points;
}

void AddShotDifferenceSplit(int difference, long double& ours, long double& theirs)
{
    if (difference >= 100) {
        ours += 10;
    } else if (difference >= 1) {
        int k = (difference + 9) / 10;
        ours += k;
        theirs += 10 - k;
    } else if (difference == 0) {
        ours += 5;
        theirs += 5;
    } else if (difference >= -99) {
        int k = (-difference + 9) / 10;
        ours += 10 - k;
        theirs += k;
    } else {
        theirs += 10;
    }
}

void AddGameBandPoints(const Season& season, const Fixture& fixture, long double& ours,
                       long double& theirs)
{
    // A custom scheme's target may be any 32-bit value: every target above 21
    // is in the top band, never a negative score.
    const std::uint32_t target = season.scheme.target;
    const int walkoverBand = ScoreBand(target > 21 ? 21 : static_cast<int>(target));
    for (const Game& game : fixture.games) {
        switch (game.state) {
        case Played:
            ours += ScoreBand(game.scoreFor);
            theirs += ScoreBand(game.scoreAgainst);
            break;
        case OpponentAbsent:
            ours += walkoverBand;
            break;
        case PlayerAbsent:
            theirs += walkoverBand;
            break;
        default:
            break;
        }
    }
}

// Home and neutral fixtures count as home.
template <bool kAway>
void CreditPlayer(Player& player, std::uint32_t state, int scoreFor, int scoreAgainst)
{
    ++player.appearances;
    ++(kAway ? player.awayAppearances : player.homeAppearances);
    if (state != Played)
        return; // a walkover: an appearance, not a game played
    ++player.played;
    ++(kAway ? player.awayPlayed : player.homePlayed);
    // Wins and losses come in no pattern a branch could learn: count them
    // without branching.
    player.won = static_cast<std::uint16_t>(player.won + (scoreFor > scoreAgainst));
    player.drawn = static_cast<std::uint16_t>(player.drawn + (scoreFor == scoreAgainst));
    (kAway ? player.awayFor : player.homeFor) += scoreFor;
    (kAway ? player.awayAgainst : player.homeAgainst) += scoreAgainst;
}

// What the games of one fixture add up to.
struct GameTotals {
    int shotsFor = 0;
    int shotsAgainst = 0;
    int won = 0;
    int lost = 0;
    long long penaltiesFor = 0;
    long long penaltiesAgainst = 0;
    bool played = false; // some game was counted or credited
};

// Steps through the games in position order: charges reserve penalties and
// credits players (when recalculating), retires games with no score, and sums
// the counted games, which are those that lead their group.
// Instantiated for each flag, venue and whether the scheme charges reserve
// penalties: this is the one loop of a recalculation that runs once per game.
template <bool recalculating, bool kAway, bool kPenalties>
GameTotals ScanGames(const Season& season, Fixture& fixture)
{
    const std::size_t count = fixture.games.size();
    Game* const games = fixture.games.data();
    GameTotals t;
    for (std::size_t i = 0; i < count; ++i) {
        Game& game = games[i];
        if constexpr (recalculating) {
            if constexpr (kPenalties) {
                ReservePenalty(season, game, Side::Ours);
                ReservePenalty(season, game, Side::Theirs);
            } else {
                // Written only when they change, so that scoring a season whose
                // games are as they were does not dirty them.
                if ((game.penaltyFor | game.penaltyAgainst) != 0) {
                    game.penaltyFor = 0;
                    game.penaltyAgainst = 0;
                }
            }
        }
        const int scoreFor = game.scoreFor;
        const int scoreAgainst = game.scoreAgainst;
        const std::uint32_t state = game.state;
        if (scoreFor == 0 && scoreAgainst == 0) {
            if (state != Pending && state != NotPlayed)
                game.state = NotPlayed;
            continue;
        }
        if (state != Played && state != OpponentAbsent && state != PlayerAbsent)
            continue;
        if (LeadsGroup(season, i)) {
            t.shotsFor += scoreFor;
            t.shotsAgainst += scoreAgainst;
            // Recalculating without reserve penalties has just cleared them.
            if constexpr (kPenalties || !recalculating) {
                t.penaltiesFor += game.penaltyFor;
                t.penaltiesAgainst += game.penaltyAgainst;
            }
            t.won += static_cast<int>((scoreFor > scoreAgainst) | (state == OpponentAbsent));
            t.lost += static_cast<int>((state == PlayerAbsent) | (scoreFor < scoreAgainst));
        }
        // Only the resolved player is credited: a game that names nobody
        // credits nobody, and a walkover to the opponent has no player of ours.
        if (recalculating && state != PlayerAbsent && game.player)
            CreditPlayer<kAway>(*game.player, state, scoreFor, scoreAgainst);
        t.played = true;
    }
    return t;
}

GameTotals ScanGames(const Season& season, Fixture& fixture, bool recalculating)
{
    const bool away = fixture.venue == Away;
    if (!recalculating)
        return away ? ScanGames<false, true, false>(season, fixture)
                    : ScanGames<false, false, false>(season, fixture);
    if (season.scheme.reservePenalty != 0)
        return away ? ScanGames<true, true, true>(season, fixture)
                    : ScanGames<true, false, true>(season, fixture);
    return away ? ScanGames<true, true, false>(season, fixture)
                : ScanGames<true, false, false>(season, fixture);
}

} // namespace

int ScoreBand(int score)
{
    if (score <= 4)
        return 0;
    if (score <= 9)
        return 1;
    if (score <= 14)
        return 2;
    if (score <= 17)
        return 3;
    if (score <= 20)
        return 4;
    return 5;
}

void ReservePenalty(const Season& season, Game& game, Side side, const std::string* name)
{
    std::int32_t& penalty = side == Side::Ours ? game.penaltyFor : game.penaltyAgainst;
    penalty = 0;
    // A walkover to the opponent has no player of ours, whatever name the
    // record still carries from before.
    if (side == Side::Ours && game.state == PlayerAbsent)
        return;
    if (!name) {
        if (side == Side::Ours) {
            if (!game.player)
                return;
            name = &game.player->name;
        } else {
            name = &game.opponent;
        }
    }
    if (season.scheme.reservePenalty != 0 && IsReserveName(*name))
        penalty = static_cast<std::int32_t>(season.scheme.reservePenalty);
}

namespace {

NumberText PointsText(const Season& season, double value)
{
    if (season.scheme.matchDecimals < 0)
        return HalvesText(value);
    return FixedText(value, season.scheme.matchDecimals, 3);
}

struct MatchPoints {
    long double ours = 0;
    long double theirs = 0;
};

// The match points of a played fixture from its game totals, before they are
// rounded to single precision.
MatchPoints PointsOf(const Season& season, const Fixture& fixture, const GameTotals& totals,
                     bool recalculating)
{
    const ScoringScheme& scheme = season.scheme;
    const bool away = fixture.venue == Away;
    const int shotsFor = totals.shotsFor;
    const int shotsAgainst = totals.shotsAgainst;

    // Handicaps and the start: the home side must beat the away side's shots
    // plus handicap by more than the start to win the match.
    const int ourHandicap =
        recalculating ? (away ? season.awayHandicap : season.homeHandicap) : fixture.handicap;
    const int theirHandicap = fixture.oppHandicap;
    const double start = scheme.weight[WeightStart];
    // In double: a handicap read from a file may be any 32-bit value.
    const double ourTotal = static_cast<double>(shotsFor) + ourHandicap;
    const double theirTotal = static_cast<double>(shotsAgainst) + theirHandicap;
    const double homeMargin = away ? theirTotal - ourTotal : ourTotal - theirTotal;
    const int homeOutcome = homeMargin > start ? 1 : (homeMargin == start ? 0 : -1);

    SideFigures ourSide{shotsFor, shotsAgainst, totals.won, totals.lost,
                        away ? -homeOutcome : homeOutcome};
    SideFigures theirSide{shotsAgainst, shotsFor, totals.lost, totals.won, -ourSide.outcome};
    const int undecided = static_cast<int>(season.teamSize) - totals.won - totals.lost;
    MatchPoints points{BasePoints(scheme, ourSide, !away, undecided),
                       BasePoints(scheme, theirSide, away, undecided)};

    // The second leg against an opponent also scores the aggregate of both.
    if (fixture.returnLeg && fixture.returnLeg->result != ResultNone) {
        long long aggregateFor = static_cast<long long>(shotsFor) + fixture.returnLeg->shotsFor;
        long long aggregateAgainst =
            static_cast<long long>(shotsAgainst) + fixture.returnLeg->shotsAgainst;
        if (aggregateFor > aggregateAgainst) {
            points.ours += scheme.weight[WeightAggregateWon];
        } else if (aggregateFor < aggregateAgainst) {
            points.theirs += scheme.weight[WeightAggregateWon];
        } else {
            points.ours += scheme.weight[WeightAggregateDrawn];
            points.theirs += scheme.weight[WeightAggregateDrawn];
        }
    }
    points.ours -= totals.penaltiesFor;
    points.theirs -= totals.penaltiesAgainst;

    if (scheme.Has(ShotDifferenceSplit))
        AddShotDifferenceSplit(shotsFor - shotsAgainst, points.ours, points.theirs);
    if (scheme.Has(GameBandPoints))
        AddGameBandPoints(season, fixture, points.ours, points.theirs);
    if (scheme.Has(LevelDrawFive)) {
        // The league's rule reads the away handicap whatever the venue.
        const int levelHandicap = recalculating ? season.awayHandicap : fixture.handicap;
        const double level = -(start + levelHandicap - static_cast<double>(theirHandicap));
        if (static_cast<double>(shotsFor - shotsAgainst) == level) {
            points.ours = 5;
            points.theirs = 5;
        }
    }
    return points;
}

// "ours-theirs", cut to what the stored text holds (kResultTextCapacity - 1
// characters).
std::string ResultTextOf(std::string_view ours, std::string_view theirs)
{
    std::string text;
    text.reserve(kResultTextCapacity - 1);
    for (std::string_view part : {ours, std::string_view("-"), theirs})
        text.append(part.substr(0, kResultTextCapacity - 1 - text.size()));
    return text;
}

} // namespace

std::string FormatPoints(const Season& season, double value)
{
    return std::string(PointsText(season, value).View());
}

void ScoreFixture(Season& season, Fixture& fixture, ScoreDisplay* display, bool recalculating)
{
    fixture.result = ResultNone;
    const GameTotals totals = ScanGames(season, fixture, recalculating);
    fixture.shotsFor = totals.shotsFor;
    fixture.shotsAgainst = totals.shotsAgainst;
    if (!totals.played) {
        fixture.resultText.clear();
        fixture.pointsFor = 0;
        fixture.pointsAgainst = 0;
        if (display)
            display->Clear();
        return;
    }
    if (recalculating)
        ++season.matchesPlayed;

    // Every comparison and total from here on uses the single-precision values.
    const MatchPoints points = PointsOf(season, fixture, totals, recalculating);
    const float ourPoints = static_cast<float>(points.ours);
    const float theirPoints = static_cast<float>(points.theirs);
    const NumberText ourText = PointsText(season, ourPoints);
    const NumberText theirText = PointsText(season, theirPoints);
    if (display) {
        display->ShowShots(totals.shotsFor, totals.shotsAgainst);
        display->ShowPoints(std::string(ourText.View()), std::string(theirText.View()));
    }
    fixture.resultText = ResultTextOf(ourText.View(), theirText.View());
    fixture.result =
        ourPoints > theirPoints ? ResultWon : (ourPoints < theirPoints ? ResultLost : ResultDrawn);
    fixture.pointsFor = ourPoints;
    fixture.pointsAgainst = theirPoints;

    if (recalculating) {
        if (fixture.result == ResultWon)
            ++season.matchesWon;
        else if (fixture.result == ResultLost)
            ++season.matchesLost;
        season.shotsFor += totals.shotsFor;
        season.shotsAgainst += totals.shotsAgainst;
        season.pointsFor += ourPoints;
        season.pointsAgainst += theirPoints;
    }
}
