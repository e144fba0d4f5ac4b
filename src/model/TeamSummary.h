#pragma once

#include <string>

#include "model/Season.h"
#include "model/SummaryTable.h"

class Host;

// What the team summary dialog shows: every fixture with a result, home side
// first, and the team's record. Texts are UTF-8.
struct TeamSummary {
    std::string heading; // "Summary of results for <team>"
    SummaryTable table;
    std::string played, won, lost;
    // Totals and averages per match; empty while no match was played.
    std::string pointsScored, pointsConceded, pointsScoredAverage, pointsConcededAverage;
    bool showChalks = true; // false under HideShotTotals: labels and figures hidden
    std::string chalksScored, chalksConceded, chalksScoredAverage, chalksConcededAverage;
};

TeamSummary BuildTeamSummary(const Season& season, Host& host);
