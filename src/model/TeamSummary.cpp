#include "model/TeamSummary.h"

#include <algorithm>
#include <string_view>

#include "model/Scoring.h"
#include "model/ScoringScheme.h"
#include "model/Text.h"
#include "model/TextFormat.h"

namespace {

// Match points as the grid shows them, without the grid's padding; they may
// carry a "½", a Windows-1252 byte.
std::string Points(const Season& season, double value)
{
    const std::string text = FormatPoints(season, value);
    return Cp1252ToUtf8(
        std::string_view(text).substr(std::min(text.find_first_not_of(' '), text.size())));
}

} // namespace

TeamSummary BuildTeamSummary(const Season& season, Host& host)
{
    TeamSummary summary;
    const std::string team = Cp1252ToUtf8(season.teamName);
    summary.heading = "Summary of results for " + team;
    summary.table.columns = {{"Date", 44}, {"Home", 88}, {"H", 40}, {"A", 40}, {"Away", 88}};
    for (std::size_t f = 0; f < season.fixtures.size(); ++f) {
        const Fixture& fixture = *season.fixtures[f];
        if (fixture.result == ResultNone)
            continue;
        const std::string date = FormatShortDate(host, fixture.date);
        const std::string opponent = Cp1252ToUtf8(fixture.opponent);
        const std::string ours = Points(season, fixture.pointsFor);
        const std::string theirs = Points(season, fixture.pointsAgainst);
        if (fixture.venue == Away)
            summary.table.rows.push_back(
                {{date, opponent, theirs, ours, team}, static_cast<int>(f)});
        else
            summary.table.rows.push_back(
                {{date, team, ours, theirs, opponent}, static_cast<int>(f)});
    }

    summary.played = FormatInt(season.matchesPlayed);
    summary.won = FormatInt(season.matchesWon);
    summary.lost = FormatInt(season.matchesLost);
    summary.showChalks = !season.scheme.Has(HideShotTotals);
    if (season.matchesPlayed <= 0)
        return summary;
    const double matches = season.matchesPlayed;
    summary.pointsScored = Points(season, season.pointsFor);
    summary.pointsConceded = Points(season, season.pointsAgainst);
    summary.pointsScoredAverage = FormatFixed(season.pointsFor / matches, 1);
    summary.pointsConcededAverage = FormatFixed(season.pointsAgainst / matches, 1);
    if (summary.showChalks) {
        summary.chalksScored = FormatInt(season.shotsFor);
        summary.chalksConceded = FormatInt(season.shotsAgainst);
        summary.chalksScoredAverage = FormatFixed(season.shotsFor / matches, 1);
        summary.chalksConcededAverage = FormatFixed(season.shotsAgainst / matches, 1);
    }
    return summary;
}
