#include "support/TestRegistry.h"
// The results grid laid out: in the results window for grids and windows on either side of
// every fit, with the selection shaded; and on paper, split into pages and squeezed on
// either side of every boundary. Both against golden files, with what each page draws.
#include <QtTest>

#include <sstream>

#include "render/ResultsGrid.h"
#include "render/ResultsScreen.h"
#include "render/TeamResultsPage.h"
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

PrintableArea Area(int widthMm, int heightMm, int dpi = 600)
{
    return {widthMm, heightMm, int(widthMm * dpi / 25.4), int(heightMm * dpi / 25.4), dpi};
}

struct Plan {
    const char* name;
    int nameWidth, fixtures, rows, widthMm, heightMm, minPrintScale;
};

// With a name column of 300 the fixed columns are 684 wide and each fixture 114; a page
// holds (height - 890) / 46 rows. At the threshold the grid is 3000 wide (336 + 20 x 114
// + 384) on 2100: a scale of 0.70, the least allowed.
const Plan kPlans[] = {
    {"fits whole", 300, 10, 10, 277, 190, 70},
    {"squeezed", 300, 10, 10, 146, 190, 70},
    {"30 fixtures split", 300, 30, 10, 251, 190, 70},
    {"30 fixtures, 45 rows down", 300, 30, 45, 251, 190, 70},
    {"at the threshold", 336, 20, 1, 210, 190, 70},
    {"above the threshold", 336, 20, 1, 210, 190, 71},
    {"below the threshold", 336, 20, 1, 209, 190, 70},
    {"one fixture a page", 300, 5, 10, 80, 190, 70},
    {"slices used up before k", 300, 10, 10, 92, 190, 70},
    {"one fixture too wide", 300, 5, 10, 70, 190, 70},
    {"fixed columns too wide", 300, 0, 10, 40, 190, 70},
    {"paper too short", 300, 30, 10, 251, 80, 70},
    {"no rows, split", 300, 30, 0, 251, 190, 70},
};

std::string Describe(const TeamPrintLayout& layout)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "%d across x %d down, %d rows a page, scale %.4f, %d x %d, origin %d,%d\n",
                  layout.metrics.pagesAcross, layout.metrics.pagesDown, layout.metrics.rowsPerPage,
                  layout.scale, layout.width, layout.height, layout.origin.x, layout.origin.y);
    return text;
}

} // namespace

class TestGridLayout : public QObject {
    Q_OBJECT

private slots:
    void windowLayouts()
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
        // An idle player's long name still sets the width of the screen's name column.
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 3, 4);
        season->players[3]->name = "Bartholomew Montgomery-Smythe";
        season->players[3]->appearances = 0;
        RecordingSurface surface;
        out << "idle long name: names "
            << PaintResultsWindow(surface, *season, host, {1300, 1000, 17, 17}, {}).nameColumnRect
            << '\n';
        TESSEL_COMPARE_GOLDEN("render/results-window-layouts.txt", out.str());
    }

    // Every page's slice fits the paper at the job's scale.
    void pagePlans()
    {
        std::string out;
        for (const Plan& p : kPlans) {
            FakeHost host;
            SeasonPtr season = MakeGridSeason(host, p.fixtures, p.rows);
            GridMetrics measured;
            measured.nameWidth = p.nameWidth;
            const TeamPrintLayout layout = PlanTeamResults(
                measured, *season, p.rows, false, Area(p.widthMm, p.heightMm), p.minPrintScale);
            out += std::string(p.name) + ": " + Describe(layout);
            QCOMPARE(layout.totalPages, layout.metrics.pagesAcross * layout.metrics.pagesDown);
            for (int page = 1; page <= layout.totalPages; ++page) {
                const GridSlice slice = PagedGridSlice(*season, layout.metrics, p.rows, page);
                QVERIFY2(slice.width <= int(p.widthMm * 10 / layout.scale) + 1, p.name);
                QVERIFY2(slice.height + 300 <= int(p.heightMm * 10 / layout.scale) + 1, p.name);
                QVERIFY2(slice.fixtures >= (p.fixtures > 0 ? 1 : 0), p.name);
                out += " page " + std::to_string(page) + ": fixtures " +
                       std::to_string(slice.firstFixture) + "+" + std::to_string(slice.fixtures) +
                       ", rows " + std::to_string(slice.firstRow) + "+" +
                       std::to_string(slice.rows) + "\n";
            }
        }
        // The two-group scheme starts its second group on a new page row when both fit a
        // page (145 mm holds 12 rows); two idle players at the end are not counted.
        for (auto [scheme, first, second] : {std::tuple{kGroupPagesScheme, 9, 7},
                                             {kGroupPagesScheme, 13, 3},
                                             {0, 9, 7},
                                             {kGroupPagesScheme, 20, 7}}) {
            FakeHost host;
            const int rows = first + second;
            SeasonPtr season = MakeGridSeason(host, 30, rows + 2);
            season->schemeIndex = std::uint32_t(scheme);
            for (int i = 0; i < rows + 2; ++i)
                season->players[std::size_t(i)]->group = i < first ? 1 : 2;
            season->players[std::size_t(rows)]->appearances =
                season->players[std::size_t(rows + 1)]->appearances = 0;
            const TeamPrintLayout layout =
                PlanTeamResults(GridMetrics{300}, *season, rows, false, Area(251, 145, 0), 70);
            out += "scheme " + std::to_string(scheme) + ", groups of " + std::to_string(first) +
                   " and " + std::to_string(second) + ": " + Describe(layout) +
                   " second page row from row " +
                   std::to_string(PagedGridSlice(*season, layout.metrics, rows, 3).firstRow) + "\n";
        }
        // Without the printer's resolution the page is scaled as it stands.
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 10, 10);
        out +=
            "squeezed, no resolution: " +
            Describe(PlanTeamResults(GridMetrics{300}, *season, 10, false, Area(146, 190, 0), 70));
        TESSEL_COMPARE_GOLDEN("render/team-results-plans.txt", out);
    }

    void pagesToPrint()
    {
        const auto pages = [](std::vector<PageRange> ranges, bool all, int total) {
            return TeamResultsPagesToPrint(ranges, all, total);
        };
        QCOMPARE(pages({}, true, 150).size(), std::size_t(150));
        QCOMPARE(pages({}, true, 150).back(), 150);
        QCOMPARE(pages({{3, 5}}, false, 4), (std::vector<int>{3, 4}));
        QCOMPARE(pages({{5, 6}}, false, 4),
                 (std::vector<int>{5})); // the first page reached is kept
        QCOMPARE(pages({{5, 3}, {1, 2}}, false, 4), (std::vector<int>{1, 2})); // backwards skipped
    }

    // The grid is measured and the rotated font probed on the first page only; a page number
    // beyond the job prints page 1.
    void printsPages()
    {
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 30, 4);
        RecordingSurface surface;
        TeamPrintLayout layout;
        const int total =
            PrintTeamResultsPage(surface, *season, host, Area(251, 190), {}, 1, true, layout);
        QCOMPARE(total, 3);
        QCOMPARE(surface.probes, 1);
        QCOMPARE(surface.scaleX, layout.scale);
        QCOMPARE(surface.origin, layout.origin);
        QCOMPARE(layout.metrics.opponentFont, FontRole::Upward);
        surface.Clear();
        surface.reversedRotation = true;
        QCOMPARE(PrintTeamResultsPage(surface, *season, host, Area(251, 190), {}, 2, false, layout),
                 total);
        QCOMPARE(surface.probes, 0);
        QVERIFY(surface.FindText("Opponents 20"));
        QCOMPARE(surface.FindText("Opponents 20")->font, FontRole::Upward);
        surface.Clear();
        PrintTeamResultsPage(surface, *season, host, Area(251, 190), {}, total + 1, false, layout);
        QVERIFY(surface.FindText("Page 1 of 3"));
    }

    // Players who never appeared are left out, unless nobody did.
    void rowsPrinted()
    {
        for (auto [players, idle, rows] : {std::tuple{5, 2, 3}, {4, 4, 4}, {0, 0, 0}}) {
            FakeHost host;
            SeasonPtr season = MakeGridSeason(host, 3, players);
            for (int i = players - idle; i < players; ++i)
                season->players[std::size_t(i)]->appearances = 0;
            RecordingSurface surface;
            TeamPrintLayout layout;
            QCOMPARE(
                PrintTeamResultsPage(surface, *season, host, Area(277, 190), {}, 1, true, layout),
                1);
            QCOMPARE(layout.rows, rows);
            int names = 0, hairlines = 0;
            for (const auto& op : surface.ops) {
                names += op.kind == RecordingSurface::Kind::Text && op.text == "Player ";
                hairlines += op.kind == RecordingSurface::Kind::Line && op.pen == PenRole::Hairline;
            }
            QCOMPARE(names, rows);
            // One per printed row and one under the label row, besides the fixed ones.
            QCOMPARE(hairlines, rows + 1 + 2 + 3);
        }
    }
};

TESSEL_TEST(TestGridLayout)
#include "tst_GridLayout.moc"
