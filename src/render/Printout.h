#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "model/Season.h"
#include "render/Surface.h"
#include "render/TeamResultsPage.h"

class Host;

// What the desktop print job and tessel-cli share about a printout: the
// questions asked before it, and drawing it page by page on a surface.

enum class PrintoutKind { MatchSheet = 0, PlayerSummary = 1, TeamResults = 2 };

struct Printout {
    PrintoutKind kind = PrintoutKind::TeamResults;
    // MatchSheet: the fixture's index in the season; PlayerSummary: the
    // player's ranked position.
    int index = 0;
    // MatchSheet: the fixture drawn, as it stands (the fixture editor's
    // working copy); null for the season's fixture at index.
    const Fixture* fixture = nullptr;
};

struct PrintoutOptions {
    TeamPrintOptions team;
    bool homeOnLeft = true; // the match sheet puts the home team on the left
};

// Before printing the match sheet of a stored fixture: the sheet shows the
// handicap that applies at the fixture's venue, so that is taken from the
// season; an unplayed match asks whether a blank sheet is wanted (Yes by
// default). False when the answer is No.
bool PrepareStoredMatchSheet(Season& season, Host& host, Fixture& fixture);

// Team results on portrait paper: asks whether to go on squeezed (No by
// default) and answers true for Yes. When the caller has already chosen
// portrait (answeredYes) the question is only shown, and the answer is Yes.
bool ContinueTeamResultsInPortrait(Host& host, bool answeredYes);

// Draws the printout on area. Every page after the first begins with
// nextPage(); false from it stops the printout there. Team results print
// the pages in ranges (every page when allPages). False when the printout
// could not be drawn (no such fixture or player: the user has been told).
bool DrawPrintout(Surface& surface, const Season& season, Host& host, const PrintableArea& area,
                  const PrintoutOptions& options, const Printout& printout,
                  const std::vector<PageRange>& ranges, bool allPages,
                  const std::function<bool()>& nextPage);
