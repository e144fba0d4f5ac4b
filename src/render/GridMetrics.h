#pragma once

#include <cstdint>

#include "render/Surface.h"

// The layout values of the results grid, shared by the screen painter and the
// team results printout. Lengths are in logical units (0.1 mm). The screen
// and the printout both start from these defaults; measuring overwrites the
// widths and band heights, the printout fills the three page fields.
struct GridMetrics {
    std::int32_t nameWidth = 0;                 // the name column; always measured
    std::int32_t fixtureWidth = 114;            // one fixture column
    std::int32_t countWidth = 90;               // each of the P, W and L columns
    std::int32_t measureWidth = 114;            // the ranking figure column
    std::int32_t opponentBand = 314;            // the band of rotated opponent names
    std::int32_t pageMargin = 150;              // grid to header and footer lines (paper only)
    std::int32_t venueBand = 46;                // the venue letters
    std::int32_t dateBand = 46;                 // the dates and column labels
    std::int32_t rowHeight = 46;                // a player row, the blank row, the label row
    std::int32_t totalsHeight = 46;             // the "Totals for" row
    std::int32_t againstHeight = 46;            // the "Against" row
    std::int32_t pagesAcross = 1;               // page columns: slices of fixtures (paper)
    std::int32_t pagesDown = 1;                 // page rows: slices of players (paper)
    std::int32_t rowsPerPage = 0;               // player rows per page (paper); the player count
    FontRole opponentFont = FontRole::Downward; // Downward or Upward
};

// The preferences the grid's drawing depends on.
struct GridPreferences {
    // Least appearances for a player's figure to be shown; 0 sets no minimum.
    int minGames = 3;
    // Which losses are drawn in red (HighlightLossesBits).
    int highlightLosses = 0;
};

// Which losses are drawn in red: screen bits are even, paper bits odd.
enum HighlightLossesBits : std::uint32_t {
    HighlightLostGamesScreen = 1u << 0,
    HighlightLostGamesPrinted = 1u << 1,
    HighlightLostMatchesScreen = 1u << 2,
    HighlightLostMatchesPrinted = 1u << 3,
    HighlightMinusAveragesScreen = 1u << 4,
    HighlightMinusAveragesPrinted = 1u << 5,
};

// W: the grid's width with that many fixture columns.
inline int GridWidth(const GridMetrics& m, int fixtures)
{
    return m.nameWidth + fixtures * m.fixtureWidth + 3 * m.countWidth + m.measureWidth;
}

// H: the grid's height with that many player rows (without the page margins).
inline int GridHeight(const GridMetrics& m, int rows)
{
    return (rows + 2) * m.rowHeight + m.totalsHeight + m.againstHeight + m.dateBand + m.venueBand +
           m.opponentBand;
}

// T: the top of the player area (the bottom of the date band).
inline int GridPlayerTop(const GridMetrics& m, int height)
{
    return height - m.opponentBand - m.venueBand - m.dateBand;
}

// B: the bottom of the label row (the top of the totals row).
inline int GridLabelBottom(const GridMetrics& m)
{
    return m.againstHeight + m.totalsHeight;
}
