#include "render/TeamResultsPage.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "render/ResultsGrid.h"

namespace {

// The defaults a printout measures from; the screen uses the same.
GridMetrics PrintDefaults(const Season& season)
{
    GridMetrics m;
    m.fixtureWidth = 114;
    m.countWidth = 90;
    m.measureWidth = 114;
    m.opponentBand = 314;
    m.pageMargin = 150;
    m.venueBand = m.dateBand = m.rowHeight = m.totalsHeight = m.againstHeight = 46;
    m.rowsPerPage = season.playerCount;
    return m;
}

// Players who appeared at all; the printout leaves the others out.
int AppearedCount(const Season& season)
{
    int count = 0;
    for (const auto& player : season.players)
        if (player->appearances != 0)
            ++count;
    return count;
}

// Scales the page down by s, as the printer can: a whole number of device
// pixels to the millimetre. The printable area grows by as much in logical
// units.
void Squeeze(double s, const PrintableArea& area, TeamPrintLayout& layout, int& pw, int& ph)
{
    if (area.dpi > 0 && area.widthPixels > 0 && area.heightPixels > 0) {
        const int pixelsPerMm = std::max(1, static_cast<int>(std::floor(s * area.dpi / 254 * 10)));
        layout.scale = pixelsPerMm * 25.4 / area.dpi;
        pw = static_cast<int>(static_cast<long long>(area.widthPixels) * 10 / pixelsPerMm);
        ph = static_cast<int>(static_cast<long long>(area.heightPixels) * 10 / pixelsPerMm);
    } else {
        layout.scale = s;
        pw = static_cast<int>(pw / s);
        ph = static_cast<int>(ph / s);
    }
}

// The scale at which a width x height page fits pw x ph, 1 when it already does.
double FitScale(int width, int height, int pw, int ph)
{
    if ((width <= pw && height <= ph) || width <= 0 || height <= 0)
        return 1.0;
    return std::min(static_cast<double>(pw) / width, static_cast<double>(ph) / height);
}

// Cuts the grid into pages at true size: fixtures across, players down.
void Split(const Season& season, int pw, int ph, TeamPrintLayout& layout)
{
    GridMetrics& m = layout.metrics;
    const int fixtureCount = std::max(0, season.fixtureCount);
    const int fixed = GridWidth(m, 0);

    // The width is reckoned with a spare column, so that a slice of
    // fixtureCount / k rounded up always fits.
    int k = 1;
    int width = (fixtureCount + 1) * m.fixtureWidth + fixed;
    while (width > pw && k < fixtureCount) {
        ++k;
        width = (fixtureCount / k + 1) * m.fixtureWidth + fixed;
    }
    // Slices of fixtureCount / k rounded up can use up the fixtures in fewer
    // than k page columns (10 fixtures, k = 6: five slices of two); a column
    // beyond them would print a page without a fixture.
    const int perPage = (fixtureCount + k - 1) / k;
    m.pagesAcross = perPage > 0 ? (fixtureCount + perPage - 1) / perPage : 1;
    if (width > pw) {
        // Not even the narrowest slice fits: one fixture to a page column,
        // squeezed below if that is still too wide.
        m.pagesAcross = std::max(1, fixtureCount);
        width = GridWidth(m, std::min(1, fixtureCount));
    }

    const int room = ph - 2 * m.pageMargin - m.opponentBand - m.venueBand - m.dateBand -
                     2 * m.rowHeight - m.totalsHeight - m.againstHeight;
    m.rowsPerPage = m.rowHeight > 0 ? room / m.rowHeight : 0;
    // Paper too short for a single row still prints a row a page, squeezed.
    m.rowsPerPage = std::max(1, m.rowsPerPage);
    m.pagesDown = std::max(1, (layout.rows + m.rowsPerPage - 1) / m.rowsPerPage);

    if (season.schemeIndex == kGroupPagesScheme && m.pagesDown == 2) {
        // This league's two groups print one to a page: the second page
        // starts with the first player of the second group.
        int first = 0;
        int others = 0;
        int counted = 0;
        for (const auto& player : season.players) {
            if (counted == layout.rows)
                break;
            if (player->appearances == 0 && !layout.includeIdlePlayers)
                continue;
            ++counted;
            (player->group == 1 ? first : others) += 1;
        }
        if (m.rowsPerPage >= first && m.rowsPerPage >= others)
            m.rowsPerPage = std::max(first, others);
    }

    layout.width = width;
    layout.height = GridHeight(m, m.rowsPerPage) + 2 * m.pageMargin;
}

} // namespace

TeamPrintLayout PlanTeamResults(const GridMetrics& measured, const Season& season, int rows,
                                bool includeIdlePlayers, const PrintableArea& area,
                                int minPrintScale)
{
    TeamPrintLayout layout;
    layout.metrics = measured;
    layout.rows = std::max(0, rows);
    layout.includeIdlePlayers = includeIdlePlayers;
    GridMetrics& m = layout.metrics;

    int pw = area.widthMm * 10;
    int ph = area.heightMm * 10;
    layout.width = GridWidth(m, std::max(0, season.fixtureCount));
    layout.height = GridHeight(m, layout.rows) + 2 * m.pageMargin;
    m.pagesAcross = 1;
    m.pagesDown = 1;
    m.rowsPerPage = layout.rows;

    if (pw > 0 && ph > 0 && layout.width > 0 && layout.height > 0) {
        const double s = FitScale(layout.width, layout.height, pw, ph);
        if (s < minPrintScale / 100.0) {
            Split(season, pw, ph, layout);
            const double squeeze = FitScale(layout.width, layout.height, pw, ph);
            if (squeeze < 1.0)
                Squeeze(squeeze, area, layout, pw, ph);
        } else if (s < 1.0) {
            Squeeze(s, area, layout, pw, ph);
        }
    }

    // Centred on the printable area; the header and footer lie a margin
    // outside the grid.
    const int gridHeight = layout.height - 2 * m.pageMargin;
    layout.origin = Point{(layout.width - pw) / 2, (gridHeight + ph) / 2};
    layout.totalPages = m.pagesAcross * m.pagesDown;
    return layout;
}

TeamPrintLayout LayOutTeamResults(Surface& surface, const Season& season, const PrintableArea& area,
                                  int minPrintScale)
{
    surface.SetScale(1.0, 1.0);
    surface.SetOrigin(0, 0);
    GridMetrics metrics = PrintDefaults(season);
    int rows = AppearedCount(season);
    // A season where nobody has played yet prints its whole list.
    const bool includeIdle = rows == 0;
    if (includeIdle)
        rows = static_cast<int>(season.players.size());
    const std::uint16_t anchor = MeasureResultsGrid(surface, season, includeIdle, metrics);
    TeamPrintLayout layout =
        PlanTeamResults(metrics, season, rows, includeIdle, area, minPrintScale);
    layout.nameAnchor = anchor;
    return layout;
}

int PrintTeamResultsPage(Surface& surface, const Season& season, Host& host,
                         const PrintableArea& area, const TeamPrintOptions& options, int pageNumber,
                         bool firstPage, TeamPrintLayout& layout)
{
    if (firstPage)
        layout = LayOutTeamResults(surface, season, area, options.minPrintScale);
    surface.SetScale(layout.scale, layout.scale);
    surface.SetOrigin(layout.origin.x, layout.origin.y);

    GridRequest request;
    request.screenMode = false;
    request.width = layout.width;
    request.height = layout.height - 2 * layout.metrics.pageMargin;
    request.fixturesShown = season.fixtureCount;
    request.rowCount = layout.rows;
    request.pageNumber = pageNumber >= 1 && pageNumber <= layout.totalPages ? pageNumber : 1;
    request.chooseOpponentFont = firstPage;
    request.includeIdlePlayers = layout.includeIdlePlayers;
    request.nameAnchor = layout.nameAnchor;
    request.preferences = options.grid;
    DrawResultsGrid(surface, season, host, request, layout.metrics);
    return layout.totalPages;
}

std::vector<int> TeamResultsPagesToPrint(const std::vector<PageRange>& ranges, bool allPages,
                                         int totalPages)
{
    std::vector<int> pages;
    try {
        if (allPages) {
            for (int page = 1; page <= std::max(1, totalPages); ++page)
                pages.push_back(page);
            return pages;
        }
        for (const PageRange& range : ranges) {
            for (int page = std::max(1, range.first); page <= range.last; ++page) {
                if (pages.empty() || page <= totalPages)
                    pages.push_back(page);
                else
                    break;
            }
        }
    } catch (const std::bad_alloc&) {
        pages.clear();
    }
    return pages;
}
