#include "support/TestRegistry.h"
// The results window laid out for grids and windows on either side of every fit, with the
// selection shaded: the whole layout and what was drawn, against a golden file.
#include <QtTest>

#include <sstream>

#include "render/ResultsScreen.h"
#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/GridSeason.h"
#include "support/RecordingSurface.h"

namespace {

struct Case {
    const char* name;
    int fixtures, players, width, height, barWidth; // the client area in device pixels
    double pixelsPerUnit;
    int firstFixture, firstPlayer, selectedFixture, selectedPlayer;
};

// On the recording surface the grid is 760 + 140 F wide (620 + 140 F with no players) and
// 46 (R + 2) + 424 high: 900 holds one fixture column, 562 one player row.
const Case kCases[] = {
    {"all fit", 3, 4, 1300, 1000, 17, 1.0, 0, 0, -1, -1},
    {"columns limited, scrolled past the end", 6, 4, 1100, 1000, 17, 1.0, 5, 0, -1, -1},
    {"rows limited, scrolled past the end", 3, 10, 1300, 700, 17, 1.0, 0, 9, -1, -1},
    {"one column just fits", 3, 4, 900, 1000, 17, 1.0, 2, 0, -1, -1},
    {"one column short", 3, 4, 899, 1000, 17, 1.0, 0, 0, -1, -1},
    {"one row just fits", 3, 4, 1300, 562, 17, 1.0, 0, 3, -1, -1},
    {"one row short", 3, 4, 1300, 561, 17, 1.0, 0, 0, -1, -1},
    {"no players", 3, 0, 1300, 1000, 17, 1.0, 0, 0, -1, -1},
    {"half a pixel a unit", 3, 4, 650, 500, 17, 0.5, 0, 0, -1, -1},
    {"both bars, of different widths", 6, 10, 1100, 700, 16, 1.0, 0, 0, -1, -1},
    {"fixture in view", 6, 10, 1100, 700, 17, 1.0, 2, 0, 3, -1},
    {"fixture right of view", 6, 10, 1100, 700, 17, 1.0, 2, 0, 4, -1},
    {"player in view", 6, 10, 1100, 700, 17, 1.0, 0, 3, -1, 5},
    {"last player in view", 6, 10, 1100, 700, 17, 1.0, 0, 3, -1, 6},
    {"player below view", 6, 10, 1100, 700, 17, 1.0, 0, 3, -1, 7},
};

std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << r.left << ',' << r.top << ' ' << r.right << ',' << r.bottom;
}

} // namespace

class TestResultsScreen : public QObject {
    Q_OBJECT

private slots:
    void layouts()
    {
        std::ostringstream out;
        for (const Case& c : kCases) {
            FakeHost host;
            SeasonPtr season = MakeGridSeason(host, c.fixtures, c.players);
            season->firstFixture = c.firstFixture;
            season->firstPlayer = c.firstPlayer;
            season->selectedFixture = c.selectedFixture;
            season->selectedPlayer = c.selectedPlayer;
            RecordingSurface surface;
            surface.pixelsPerLogicalX = surface.pixelsPerLogicalY = c.pixelsPerUnit;
            const ScreenLayout l =
                PaintResultsWindow(surface, *season, host, {c.width, c.height, 17, c.barWidth}, {});
            using K = RecordingSurface::Kind;
            const auto texts = surface.All(K::Text);
            const auto lines = surface.All(K::Line);
            out << "== " << c.name << (l.tooSmall ? ": too small" : "") << "\n fixtures "
                << season->firstFixture << '+' << season->visibleFixtures << ", players "
                << season->firstPlayer << '+' << season->visiblePlayers << ", W " << l.width
                << " H " << l.height << " T " << l.top << " B " << l.bottom << " E "
                << l.fixturesRight << " origin " << l.origin.x << ',' << l.origin.y << "\n header "
                << l.fixtureHeaderRect << ", names " << l.nameColumnRect << ", scroll "
                << l.fixtureScrollRect << " / " << l.playerScrollRect << "\n bars ";
            (l.horizontalBarNeeded ? out << l.horizontalBar : out << '-') << " / ";
            (l.verticalBarNeeded ? out << l.verticalBar : out << '-')
                << "\n drawn " << texts.size() << " texts (first \""
                << (texts.empty() ? "" : texts[0].text) << "\"), " << lines.size() << " lines";
            if (!lines.empty())
                out << ", frame to " << lines.at(1).x2 << ',' << lines.at(1).y1;
            out << '\n';
            // The shading lies under the grid: drawn before any line or text.
            const auto drawn =
                std::find_if(surface.ops.begin(), surface.ops.end(),
                             [](const auto& o) { return o.kind == K::Line || o.kind == K::Text; });
            for (auto op = surface.ops.begin(); op != surface.ops.end(); ++op)
                if (op->kind == K::Fill)
                    out << " fill " << Rect{op->x1, op->y1, op->x2, op->y2}
                        << (op->fill == surface.highlight ? " highlight" : " other colour")
                        << (op < drawn ? " under the grid\n" : " over the grid\n");
        }
        TESSEL_COMPARE_GOLDEN("render/results-window-layouts.txt", out.str());
    }
};

TESSEL_TEST(TestResultsScreen)
#include "tst_ResultsScreen.moc"
