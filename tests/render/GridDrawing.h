#pragma once

// Shared by the grid drawing tests: metrics with every field different, the
// grid's geometry worked out from them by hand, and lookups in the record.

#include <QtTest>

#include <vector>

#include "support/FakeHost.h"
#include "support/RecordingSurface.h"
#include "render/ResultsGrid.h"

using Op = RecordingSurface::Op;

namespace grid_test {

// Every field different, so that a band or column mixed up with another
// lands somewhere else.
inline GridMetrics DistinctMetrics()
{
    GridMetrics m;
    m.nameWidth = 300;
    m.fixtureWidth = 110;
    m.countWidth = 90;
    m.measureWidth = 120;
    m.opponentBand = 200;
    m.pageMargin = 150;
    m.venueBand = 40;
    m.dateBand = 44;
    m.rowHeight = 50;
    m.totalsHeight = 60;
    m.againstHeight = 70;
    return m;
}

struct Geometry {
    int W, H, T, B, E, F, R;
};

inline Geometry GeometryOf(const GridMetrics& m, int F, int R)
{
    Geometry g;
    g.F = F;
    g.R = R;
    g.W = m.nameWidth + F * m.fixtureWidth + 3 * m.countWidth + m.measureWidth;
    g.H = (R + 2) * m.rowHeight + m.totalsHeight + m.againstHeight + m.dateBand + m.venueBand +
          m.opponentBand;
    g.T = g.H - m.opponentBand - m.venueBand - m.dateBand;
    g.B = m.againstHeight + m.totalsHeight;
    g.E = m.nameWidth + F * m.fixtureWidth;
    return g;
}

// Draws the grid of the whole season (screen: every fixture and player; paper:
// one page holding everything) with the distinct metrics.
inline Geometry DrawAll(RecordingSurface& surface, Season& season, FakeHost& host, bool screen,
                        int highlight = 0, int minGames = 1, std::uint16_t anchor = 100)
{
    GridMetrics m = DistinctMetrics();
    m.rowsPerPage = season.playerCount;
    const Geometry g = GeometryOf(m, season.fixtureCount, season.playerCount);
    GridRequest request;
    request.screenMode = screen;
    request.width = g.W;
    request.height = g.H;
    request.fixturesShown = season.fixtureCount;
    request.rowCount = season.playerCount;
    request.nameAnchor = anchor;
    request.preferences.highlightLosses = highlight;
    request.preferences.minGames = minGames;
    DrawResultsGrid(surface, season, host, request, m);
    return g;
}

// The vertical anchor of a text centred in a band, for a font of height h.
inline int InBand(int bottom, int top, int h)
{
    return (bottom + top) / 2 + h / 2;
}

inline int RowAnchor(const Geometry& g, const GridMetrics& m, int row, int h = 46)
{
    const int top = g.T - (row + 1) * m.rowHeight;
    return InBand(top - m.rowHeight, top, h);
}

inline std::vector<Op> TextsAt(const RecordingSurface& surface, int x, int y)
{
    std::vector<Op> out;
    for (const Op& op : surface.Texts())
        if (op.x1 == x && op.y1 == y)
            out.push_back(op);
    return out;
}

// The texts drawn at (x, y), each marked " red" or " italic" where it is,
// joined by "|"; "" when nothing is drawn there.
inline QString CellAt(const RecordingSurface& surface, int x, int y)
{
    QStringList out;
    for (const Op& op : TextsAt(surface, x, y))
        out << QString::fromStdString(op.text) + (op.colour == kRed ? " red" : "") +
                   (op.font == FontRole::Italic ? " italic" : "");
    return out.join('|');
}

inline QString Describe(PenRole pen, int x1, int y1, int x2, int y2)
{
    return QStringLiteral("%1,%2 -> %3,%4 pen %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(int(pen));
}

} // namespace grid_test

using namespace grid_test;
