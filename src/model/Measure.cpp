#include "model/Measure.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace {

enum class MeasureKind {
    BestSix,
    AwayBandPoints,
    WinMeritShotTieBreak,
    BandedAverage,
    WinMeritWalkoverTieBreak,
    WinRatioPlusShotRatio,
    ShotRatioBroughtForward,
    BandedAverageAway,
    ShotRatio,
    WinMerit,
    MarginPoints,
    BandPointsHomeAway,
    WalkoverPoints,
    Default,
};

constexpr std::uint32_t kMeasureFlags =
    BestSix | AwayBandPoints | WinMeritShotTieBreak | BandedAverage | WinMeritWalkoverTieBreak |
    WinRatioPlusShotRatio | ShotRatioBroughtForward | BandedAverageAway | ShotRatio | WinMerit |
    MarginPoints | BandPointsHomeAway | BandPointsHomeAway2 | WalkoverPoints;

// A scheme may carry several measure flags; the first in this order wins.
MeasureKind KindOf(const ScoringScheme& scheme)
{
    // Most leagues rank by the default figure; it is asked once per player.
    if (!scheme.Has(kMeasureFlags))
        return MeasureKind::Default;
    if (scheme.Has(BestSix))
        return MeasureKind::BestSix;
    if (scheme.Has(AwayBandPoints))
        return MeasureKind::AwayBandPoints;
    if (scheme.Has(WinMeritShotTieBreak))
        return MeasureKind::WinMeritShotTieBreak;
    if (scheme.Has(BandedAverage))
        return MeasureKind::BandedAverage;
    if (scheme.Has(WinMeritWalkoverTieBreak))
        return MeasureKind::WinMeritWalkoverTieBreak;
    if (scheme.Has(WinRatioPlusShotRatio))
        return MeasureKind::WinRatioPlusShotRatio;
    if (scheme.Has(ShotRatioBroughtForward))
        return MeasureKind::ShotRatioBroughtForward;
    if (scheme.Has(BandedAverageAway))
        return MeasureKind::BandedAverageAway;
    if (scheme.Has(ShotRatio))
        return MeasureKind::ShotRatio;
    if (scheme.Has(WinMerit))
        return MeasureKind::WinMerit;
    if (scheme.Has(MarginPoints))
        return MeasureKind::MarginPoints;
    if (scheme.Has(BandPointsHomeAway) || scheme.Has(BandPointsHomeAway2))
        return MeasureKind::BandPointsHomeAway;
    if (scheme.Has(WalkoverPoints))
        return MeasureKind::WalkoverPoints;
    return MeasureKind::Default;
}

double Single(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

int Walkovers(const Player& player)
{
    return static_cast<int>(player.appearances) - static_cast<int>(player.played);
}

double ShotsFor(const Player& player)
{
    return player.homeFor + player.awayFor;
}

double ShotsAgainst(const Player& player)
{
    return player.homeAgainst + player.awayAgainst;
}

// 3 for each game won away, 2 for each won at home.
int WinMeritOf(std::span<const PlayedGame> games)
{
    int merit = 0;
    for (const PlayedGame& g : games)
        if (g.scoreFor > g.scoreAgainst)
            merit += g.away ? 3 : 2;
    return merit;
}

double BestSixOf(std::span<const PlayedGame> games)
{
    std::array<int, 6> best{}; // the largest margins so far, largest first
    std::size_t count = 0;
    for (const PlayedGame& g : games) {
        int margin = g.scoreFor - g.scoreAgainst;
        if (count == best.size() && margin <= best.back())
            continue;
        std::size_t i = count < best.size() ? count++ : best.size() - 1;
        while (i > 0 && best[i - 1] < margin) {
            best[i] = best[i - 1];
            --i;
        }
        best[i] = margin;
    }
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += best[i];
    return sum;
}

int AwayBandPointsOf(const PlayedGame& g)
{
    if (!g.away)
        return g.scoreFor >= 21 ? 3 : 0;
    if (g.scoreFor >= 21)
        return 6;
    if (g.scoreFor >= 16)
        return g.scoreFor - 15; // 20 gives 5 down to 16 gives 1
    return 0;
}

// A score-band scale: the points for the first step whose least score the
// score reaches, 0 below the last.
struct BandStep {
    int leastScore;
    int points;
};

int ScalePoints(int score, std::span<const BandStep> scale)
{
    for (const BandStep& step : scale)
        if (score >= step.leastScore)
            return step.points;
    return 0;
}

// The home scale shared by both banded averages, and the two away scales.
constexpr BandStep kHomeBands[] = {{21, 6}, {20, 4}, {15, 3}, {10, 2}, {5, 1}};
constexpr BandStep kAwayBands[] = {{21, 7}, {20, 6}, {15, 3}, {10, 2}, {5, 1}};
constexpr BandStep kRichAwayBands[] = {{21, 8}, {20, 5}, {16, 4}, {12, 3}, {8, 2}, {4, 1}};

int HomeBandedPoints(int score)
{
    return ScalePoints(score, kHomeBands);
}

int BandedAverageAwayScale(int score)
{
    return ScalePoints(score, kAwayBands);
}

int BandedAverageAwayRichScale(int score)
{
    return ScalePoints(score, kRichAwayBands);
}

double AverageOf(const Player& player, std::span<const PlayedGame> games, int (*awayScale)(int))
{
    if (player.played == 0)
        return 0;
    int sum = 0;
    for (const PlayedGame& g : games)
        sum += g.away ? awayScale(g.scoreFor) : HomeBandedPoints(g.scoreFor);
    return static_cast<double>(sum) / player.played;
}

int MarginPointsOf(const PlayedGame& g)
{
    int m = g.scoreFor - g.scoreAgainst;
    int points = m < -6 ? -1 : (m <= 0 ? 0 : (m <= 11 ? 2 : 3));
    return points + (g.away ? 1 : 0);
}

int BandPointsHomeAwayOf(const PlayedGame& g)
{
    if (g.away) {
        if (g.scoreAgainst == 21) {
            if (g.scoreFor >= 19 && g.scoreFor <= 20)
                return 3;
            if (g.scoreFor >= 17 && g.scoreFor <= 18)
                return 2;
            if (g.scoreFor >= 15 && g.scoreFor <= 16)
                return 1;
            return 0;
        }
        return g.scoreAgainst < 10 ? 5 : 4;
    }
    if (g.scoreFor < 10)
        return -1;
    if (g.scoreFor == 21)
        return g.scoreAgainst < 10 ? 3 : 2;
    return 0;
}

int WalkoverPointsOf(const PlayedGame& g)
{
    int m = g.scoreFor - g.scoreAgainst;
    if (g.away)
        return m >= 1 ? 3 : (m >= -5 ? 1 : 0);
    return m >= 1 ? 2 : 0;
}

template <typename PointsOf> int SumOver(std::span<const PlayedGame> games, PointsOf pointsOf)
{
    int sum = 0;
    for (const PlayedGame& g : games)
        sum += pointsOf(g);
    return sum;
}

// Shots for over shots against; a player who conceded nothing gets more than
// any ratio can reach in the season.
double UnbeatenRatio(const Season& season)
{
    return static_cast<double>(season.scheme.target) * season.fixtureCount + 1;
}

double DefaultMeasure(const Season& season, Player& player)
{
    const ScoringScheme& scheme = season.scheme;
    if (player.played == 0) {
        if (scheme.Has(DivideByGames))
            return -40.0;
        // Not -41.0 * 0, which is -0.0: that would be stored and shown as such.
        return season.fixtureCount == 0 ? 0.0 : -41.0 * season.fixtureCount;
    }

    if (scheme.Has(ProRataHomeAway)) {
        // Net shots per game scaled up to every appearance. The player keeps
        // these figures until the next recalculation.
        if (player.homePlayed != 0) {
            player.homeFor =
                player.homeAppearances * (player.homeFor - player.homeAgainst) / player.homePlayed;
            player.homeAgainst = 0;
        }
        if (player.awayPlayed != 0) {
            player.awayFor =
                player.awayAppearances * (player.awayFor - player.awayAgainst) / player.awayPlayed;
            player.awayAgainst = 0;
        }
    }

    const int walkovers = Walkovers(player);
    double value = Single(
        static_cast<double>(scheme.walkoverCredit) * walkovers +
        static_cast<double>(scheme.forWeight) * (player.broughtFor + ShotsFor(player)) -
        static_cast<double>(scheme.againstWeight) * (ShotsAgainst(player) + player.broughtAgainst));
    if (scheme.Has(DivideByGames)) {
        double games = static_cast<double>(walkovers) * scheme.walkoverGames + player.played;
        // Only a custom scheme with a negative walkoverGames can make this 0;
        // such a player gets 0 rather than an infinite or undefined figure.
        value = games != 0 ? Single(value / games) : 0.0;
    }
    if (scheme.Has(AddAppearances)) {
        if (player.appearances >= season.fixtureCount - 1)
            value += season.fixtureCount - 2;
        else
            value += player.appearances;
    }
    return value;
}

double MeasureOf(const Season& season, Player& player, std::span<const PlayedGame> games)
{
    const ScoringScheme& scheme = season.scheme;
    const double shotsFor = ShotsFor(player);
    const double shotsAgainst = ShotsAgainst(player);

    switch (KindOf(scheme)) {
    case MeasureKind::BestSix:
        return BestSixOf(games);
    case MeasureKind::AwayBandPoints:
        return SumOver(games, AwayBandPointsOf);
    case MeasureKind::WinMeritShotTieBreak: {
        double against = shotsAgainst == 0 ? 1.0 : shotsAgainst;
        return WinMeritOf(games) + shotsFor / against / 10000.0;
    }
    case MeasureKind::BandedAverage:
        return AverageOf(player, games, BandedAverageAwayScale);
    case MeasureKind::WinMeritWalkoverTieBreak: {
        double fraction = Single((6.0 * (player.awayAppearances - player.awayPlayed) +
                                  10.0 * (player.homeAppearances - player.homePlayed) + shotsFor -
                                  shotsAgainst + 1000.0) /
                                 10000.0);
        return WinMeritOf(games) + fraction;
    }
    case MeasureKind::WinRatioPlusShotRatio:
        if (player.played == 0 || shotsAgainst == 0)
            return 0;
        return Single(static_cast<double>(player.won) / player.played + shotsFor / shotsAgainst);
    case MeasureKind::ShotRatioBroughtForward: {
        double against = shotsAgainst + player.broughtAgainst;
        if (against == 0)
            return UnbeatenRatio(season);
        // Walkovers are credited at full score only once the season is over.
        double extra = season.matchesPlayed == season.fixtureCount
                           ? static_cast<double>(scheme.target) * Walkovers(player)
                           : 0.0;
        return Single((extra + player.broughtFor + shotsFor) / against);
    }
    case MeasureKind::BandedAverageAway:
        return AverageOf(player, games, BandedAverageAwayRichScale);
    case MeasureKind::ShotRatio:
        if (shotsAgainst == 0)
            return UnbeatenRatio(season);
        return Single(shotsFor / shotsAgainst);
    case MeasureKind::WinMerit:
        return WinMeritOf(games);
    case MeasureKind::MarginPoints:
        return SumOver(games, MarginPointsOf);
    case MeasureKind::BandPointsHomeAway:
        return SumOver(games, BandPointsHomeAwayOf);
    case MeasureKind::WalkoverPoints:
        return Walkovers(player) + SumOver(games, WalkoverPointsOf);
    case MeasureKind::Default:
        break;
    }
    return DefaultMeasure(season, player);
}

} // namespace

bool MeasureUsesGames(const ScoringScheme& scheme)
{
    switch (KindOf(scheme)) {
    case MeasureKind::WinRatioPlusShotRatio:
    case MeasureKind::ShotRatioBroughtForward:
    case MeasureKind::ShotRatio:
    case MeasureKind::Default:
        return false;
    default:
        return true;
    }
}

void ComputeMeasure(Season& season, Player& player, std::span<const PlayedGame> games)
{
    player.measure = MeasureOf(season, player, games);
}
