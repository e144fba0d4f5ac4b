#pragma once

#include <cstdint>
#include <vector>

#include "model/Season.h"
#include "render/GridMetrics.h"
#include "render/Surface.h"

class Host;

// The team results printout: the results grid on paper, whole on one page
// when it fits, squeezed when a modest reduction is enough, and otherwise cut
// into slices of fixtures across and of players down.

// The printer's printable area.
struct PrintableArea {
    int widthMm = 0; // printable size in millimetres
    int heightMm = 0;
    int widthPixels = 0; // the same in device pixels
    int heightPixels = 0;
    int dpi = 0; // device pixels per inch across
};

struct TeamPrintOptions {
    GridPreferences grid;
    // The least scale (percent) a page is squeezed to before the grid is cut
    // into pages instead.
    int minPrintScale = 70;
};

// The job's layout, made on its first page and kept for the others.
struct TeamPrintLayout {
    GridMetrics metrics;             // measured, with the page fields filled
    std::uint16_t nameAnchor = 0;    // from the measuring
    int rows = 0;                    // player rows printed over the whole job
    bool includeIdlePlayers = false; // true when no player appeared
    int width = 0;                   // W the page is laid out for
    int height = 0;                  // H with the header and footer margins
    double scale = 1.0;              // below 1 when the job is squeezed
    Point origin;                    // logical point at the printable area's top left
    int totalPages = 1;              // pagesAcross x pagesDown
};

// The scheme whose players print in two groups, one to a page row.
inline constexpr int kGroupPagesScheme = 87;

// Splits and squeezes a grid measured into measured (widths and heights
// filled, pageMargin set) for rows player rows of the season. Pure
// arithmetic: nothing is drawn. A job always has at least one page; a slice
// that cannot fit the paper even as one fixture column or one player row is
// squeezed to fit instead.
TeamPrintLayout PlanTeamResults(const GridMetrics& measured, const Season& season, int rows,
                                bool includeIdlePlayers, const PrintableArea& area,
                                int minPrintScale);

// Measures the season on the surface (at true size) and plans the job.
TeamPrintLayout LayOutTeamResults(Surface& surface, const Season& season, const PrintableArea& area,
                                  int minPrintScale);

// Draws one page of the job, laying the job out first when firstPage (and
// letting that page choose the rotated font the opponents read upwards in).
// A page number beyond the job draws page 1. Returns the job's page count.
int PrintTeamResultsPage(Surface& surface, const Season& season, Host& host,
                         const PrintableArea& area, const TeamPrintOptions& options, int pageNumber,
                         bool firstPage, TeamPrintLayout& layout);

// The page numbers a job of totalPages prints, in order: all of them for
// "all pages"; otherwise each range from first to last (ranges backwards are
// skipped), keeping the first page reached and any page up to totalPages.
struct PageRange {
    int first = 1;
    int last = 1;
};
std::vector<int> TeamResultsPagesToPrint(const std::vector<PageRange>& ranges, bool allPages,
                                         int totalPages);
