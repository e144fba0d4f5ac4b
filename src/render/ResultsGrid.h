#pragma once

#include <cstdint>

#include "model/Season.h"
#include "render/GridMetrics.h"
#include "render/Surface.h"

class Host;

// The results grid: one row per player, one column per fixture, the players'
// records on the right and the team's match points at the foot. The same
// drawing serves the results window (screen mode: the columns and rows that
// fit, from the season's scroll position, with its selection) and the team
// results printout (paged mode: one slice of fixtures and players per page,
// with a header and a footer).
//
// The grid lies from (0, 0) at its lower left to (W, H) at its upper right in
// logical units of 0.1 mm, y up; callers place it with the surface's origin.

// Fills the measured fields of metrics (the widths, the band and row heights)
// from the season's texts in the surface's grid fonts. Players who never
// appeared are left out of the name column's width unless includeIdlePlayers.
// Returns where the player names align: the widest forename, the anchor that
// DrawResultsGrid needs as GridRequest::nameAnchor. Leaves the main font
// selected.
std::uint16_t MeasureResultsGrid(Surface& surface, const Season& season, bool includeIdlePlayers,
                                 GridMetrics& metrics);

struct GridRequest {
    bool screenMode = true;
    // Screen: the grid's W and H. Paper: the size the page was laid out for;
    // only the orientation probe uses it (it is anchored at the middle).
    int width = 0;
    int height = 0;
    // Screen: the fixture columns shown from the season's firstFixture.
    int fixturesShown = 0;
    // Screen: the player rows shown from the season's firstPlayer. Paper: the
    // player rows printed over all pages.
    int rowCount = 0;
    // Paper: from 1; a number beyond the job's pages draws page 1.
    int pageNumber = 1;
    // Let a probe of the surface choose the rotated font that reads from
    // bottom to top on this device; false keeps metrics.opponentFont.
    bool chooseOpponentFont = true;
    // Paper: whether players who never appeared are printed; when not, the
    // rows are the players who appeared, in ranking order.
    bool includeIdlePlayers = false;
    // The widest forename, from MeasureResultsGrid.
    std::uint16_t nameAnchor = 0;
    GridPreferences preferences;
};

// Draws one grid (screen) or one page of it (paper). Text colours, fonts,
// pens and alignment are left as the drawing last set them. host supplies the
// month names and, on paper, today's date for the footer.
void DrawResultsGrid(Surface& surface, const Season& season, Host& host, const GridRequest& request,
                     GridMetrics& metrics);

// One page's slice of the grid on paper. Pages run across first: page p
// shows the fixtures of page column (p - 1) mod pagesAcross and the player
// rows of page row (p - 1) / pagesAcross.
struct GridSlice {
    int firstFixture = 0;
    int fixtures = 0;   // F
    int firstRow = 0;   // the first printed row (an index among the printed rows)
    int rows = 0;       // R
    int width = 0;      // W
    int height = 0;     // H, without the page margins
    int pageNumber = 1; // the page drawn (1 for a number out of range)
    int totalPages = 1;
};
GridSlice PagedGridSlice(const Season& season, const GridMetrics& metrics, int rowCount,
                         int pageNumber);
