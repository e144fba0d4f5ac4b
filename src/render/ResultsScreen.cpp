#include "render/ResultsScreen.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "render/ResultsGrid.h"

namespace {

Rect DeviceRect(Surface& surface, Point from, Point to)
{
    const Point a = surface.ToDevice(from);
    const Point b = surface.ToDevice(to);
    return Rect{a.x, a.y, b.x, b.y};
}

void FillSelection(Surface& surface, const Season& season, const ScreenLayout& layout)
{
    const GridMetrics& m = layout.metrics;
    const int fixture = season.selectedFixture;
    const int player = season.selectedPlayer;
    const bool fixtureShown = fixture >= 0 && fixture >= season.firstFixture &&
                              fixture < season.firstFixture + season.visibleFixtures;
    const bool playerShown = player >= 0 && player >= season.firstPlayer &&
                             player < season.firstPlayer + season.visiblePlayers;
    if (fixtureShown) {
        // The column's three header bands.
        const int k = fixture - season.firstFixture;
        surface.Fill(m.nameWidth + k * m.fixtureWidth, layout.height,
                     m.nameWidth + (k + 1) * m.fixtureWidth, layout.top, surface.HighlightColour());
    } else if (playerShown) {
        // The row's name cell.
        const int r = player - season.firstPlayer;
        surface.Fill(0, layout.top - (r + 1) * m.rowHeight, m.nameWidth,
                     layout.top - (r + 2) * m.rowHeight, surface.HighlightColour());
    }
}

void PlaceScrollBars(Surface& surface, const Season& season, const ScreenArea& area,
                     ScreenLayout& layout)
{
    const GridMetrics& m = layout.metrics;
    const int columnsRight = m.nameWidth + layout.visibleFixtures * m.fixtureWidth;
    const int rowsTop = layout.top - m.rowHeight;
    const int rowsBottom = layout.bottom + m.rowHeight;

    layout.fixtureHeaderRect =
        DeviceRect(surface, {m.nameWidth, layout.height}, {layout.fixturesRight, layout.top});
    layout.nameColumnRect = DeviceRect(surface, {0, rowsTop}, {m.nameWidth, rowsBottom});
    layout.fixtureScrollRect = DeviceRect(surface, {m.nameWidth, layout.height}, {columnsRight, 0});
    // Keeps the major line left of the fixtures out of the scrolled area.
    layout.fixtureScrollRect.left += 1;
    layout.playerScrollRect = DeviceRect(surface, {0, rowsTop}, {layout.width, rowsBottom});

    layout.horizontalBarNeeded = season.fixtureCount > layout.visibleFixtures;
    const Point barLeft = surface.ToDevice({m.nameWidth, 0});
    const Point barRight = surface.ToDevice({columnsRight, 0});
    layout.horizontalBar =
        Rect{barLeft.x, barLeft.y, barRight.x, barLeft.y + area.horizontalBarHeight};

    layout.verticalBarNeeded = season.playerCount > layout.visiblePlayers;
    const Point barTop = surface.ToDevice({layout.width, rowsTop});
    const Point barBottom = surface.ToDevice({layout.width, rowsBottom});
    layout.verticalBar = Rect{barTop.x, barTop.y, barTop.x + area.verticalBarWidth, barBottom.y};
}

ScreenLayout Paint(Surface& surface, Season& season, Host& host, const ScreenArea& area,
                   const GridPreferences& preferences)
{
    ScreenLayout layout;
    GridMetrics& m = layout.metrics;

    surface.SetScale(1.0, 1.0);
    surface.SetOrigin(0, 0);
    m.rowsPerPage = season.playerCount;
    layout.nameAnchor = MeasureResultsGrid(surface, season, true, m);

    const Point clientTopLeft = surface.ToLogical({0, 0});
    const Point clientBottomRight = surface.ToLogical({area.width, area.height});
    const int clientWidth = clientBottomRight.x - clientTopLeft.x;
    const int clientHeight = clientTopLeft.y - clientBottomRight.y;

    // Fonts whose extents all failed could leave a zero row or column; such
    // a grid fits nowhere rather than dividing by zero.
    int rowsFit = 0;
    int columnsFit = 0;
    if (m.rowHeight > 0 && m.fixtureWidth > 0) {
        rowsFit = (clientHeight - m.againstHeight - m.totalsHeight - m.dateBand - m.venueBand -
                   m.opponentBand) /
                      m.rowHeight -
                  2;
        columnsFit = (clientWidth - GridWidth(m, 0)) / m.fixtureWidth;
    }
    season.visiblePlayers = rowsFit;
    season.visibleFixtures = columnsFit;

    if (rowsFit < 1 || columnsFit < 1) {
        layout.tooSmall = true;
        layout.visiblePlayers = rowsFit;
        layout.visibleFixtures = columnsFit;
        surface.SetFont(FontRole::Main);
        surface.SetTextColour(kBlack);
        surface.SetAlign(Align::Left);
        surface.Text(clientTopLeft.x, clientTopLeft.y, "Window too small");
        return layout;
    }

    season.visiblePlayers = std::min(season.playerCount, rowsFit);
    season.firstPlayer =
        std::max(0, std::min(season.firstPlayer, season.playerCount - season.visiblePlayers));
    season.visibleFixtures = std::min(season.fixtureCount, columnsFit);
    season.firstFixture =
        std::max(0, std::min(season.firstFixture, season.fixtureCount - season.visibleFixtures));
    layout.visiblePlayers = season.visiblePlayers;
    layout.visibleFixtures = season.visibleFixtures;

    layout.width = GridWidth(m, season.visibleFixtures);
    layout.height = GridHeight(m, season.visiblePlayers);
    layout.top = GridPlayerTop(m, layout.height);
    layout.bottom = GridLabelBottom(m);
    layout.fixturesRight = m.nameWidth + season.visibleFixtures * m.fixtureWidth;

    // Centred in the client area: the grid's left edge (CW - W) / 2 and its
    // top edge (CH - H) / 2 in from the area's edges.
    layout.origin = Point{-((clientWidth - layout.width) / 2),
                          layout.height + (clientHeight - layout.height) / 2};
    surface.SetOrigin(layout.origin.x, layout.origin.y);

    FillSelection(surface, season, layout);

    GridRequest request;
    request.screenMode = true;
    request.width = layout.width;
    request.height = layout.height;
    request.fixturesShown = season.visibleFixtures;
    request.rowCount = season.visiblePlayers;
    request.pageNumber = 1;
    request.chooseOpponentFont = true;
    request.includeIdlePlayers = true;
    request.nameAnchor = layout.nameAnchor;
    request.preferences = preferences;
    DrawResultsGrid(surface, season, host, request, m);

    PlaceScrollBars(surface, season, area, layout);
    return layout;
}

} // namespace

ScreenLayout PaintResultsWindow(Surface& surface, Season& season, Host& host,
                                const ScreenArea& area, const GridPreferences& preferences)
{
    try {
        return Paint(surface, season, host, area, preferences);
    } catch (const std::bad_alloc&) {
        // Nothing is reported from a paint; the next one tries again.
        ScreenLayout layout;
        layout.tooSmall = true;
        return layout;
    }
}

ClientSize PreferredClientSize(Surface& surface, const Season& season, int fixtures, int players,
                               int barExtent)
{
    GridMetrics m;
    surface.SetScale(1.0, 1.0);
    surface.SetOrigin(0, 0);
    MeasureResultsGrid(surface, season, true, m);
    const int columns = std::max(1, std::min(fixtures, season.fixtureCount));
    const int rows = std::max(1, std::min(players, season.playerCount));
    const Point corner = surface.ToDevice({GridWidth(m, columns), -GridHeight(m, rows)});
    // One pixel more each way: the paint's rounding to whole units must not
    // lose the last column or row.
    ClientSize size;
    size.width = std::abs(corner.x) + 1 + barExtent;
    size.height = std::abs(corner.y) + 1 + barExtent;
    return size;
}
