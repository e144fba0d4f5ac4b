#pragma once

#include <cstdint>

#include "model/Season.h"
#include "render/GridMetrics.h"
#include "render/Surface.h"

class Host;

// The results window's paint, without the window: fits the grid to the client
// area, centres it, draws it with the selection, and tells the window where
// its scroll bars and click areas are. The window owns the scroll bars, the
// focus and the season's layoutChanged flag; this owns the season's view
// fields (visibleFixtures, visiblePlayers and the clamping of firstFixture
// and firstPlayer).

// The client area in device pixels.
struct ScreenArea {
    // The client area less the vertical scroll bar's width at the right and
    // the horizontal scroll bar's height at the bottom (whether or not the
    // bars are shown: the grid always leaves room for them).
    int width = 0;
    int height = 0;
    // The platform's scroll bar thickness: the height of a horizontal bar and
    // the width of a vertical one.
    int horizontalBarHeight = 0;
    int verticalBarWidth = 0;
};

// What one paint decided. Rectangles are in device pixels of the client area
// (y down, right and bottom exclusive as the window tests them).
struct ScreenLayout {
    // Not even one fixture column and one player row fit: the area shows
    // "Window too small", the scroll bars go, and every rectangle is empty.
    bool tooSmall = false;

    GridMetrics metrics;          // as measured for this paint
    std::uint16_t nameAnchor = 0; // where the player names align

    int visibleFixtures = 0; // as stored in the season
    int visiblePlayers = 0;
    // The grid in logical units: W, H, T (top of the player area),
    // B (bottom of the label row), E (right edge of the fixture columns).
    int width = 0, height = 0, top = 0, bottom = 0, fixturesRight = 0;
    // The logical point at the client area's top left (the surface's origin).
    Point origin;

    Rect fixtureHeaderRect; // a click here selects a fixture
    Rect nameColumnRect;    // a click here selects a player
    Rect fixtureScrollRect; // repainted after horizontal scrolling
    Rect playerScrollRect;  // repainted after vertical scrolling

    // The scroll bars: needed while not every fixture (player) is shown,
    // placed under the fixture columns (right of the player rows).
    bool horizontalBarNeeded = false;
    Rect horizontalBar; // range 0..fixtureCount-1, page visibleFixtures
    bool verticalBarNeeded = false;
    Rect verticalBar; // range 0..playerCount-1, page visiblePlayers
};

// Paints the season's grid into a surface mapped onto the window's client
// area (surface device (0, 0) is the client area's top left). Leaves the
// surface's origin where the grid was drawn, so ToDevice of grid points
// gives client pixels. host supplies the month names of the dates.
ScreenLayout PaintResultsWindow(Surface& surface, Season& season, Host& host,
                                const ScreenArea& area, const GridPreferences& preferences);

// The client area (device pixels, room for both scroll bars included) in
// which the grid shows fixtures columns and players rows, or every fixture
// and player when the season has fewer, at least one of each: the size a
// results window asks for when it opens, cascades or is restored.
struct ClientSize {
    int width = 0;
    int height = 0;
};
ClientSize PreferredClientSize(Surface& surface, const Season& season, int fixtures, int players,
                               int barExtent);
