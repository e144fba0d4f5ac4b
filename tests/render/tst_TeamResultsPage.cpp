#include "support/TestRegistry.h"
#include <QtTest>

#include "render/ResultsGrid.h"
#include "render/TeamResultsPage.h"
#include "support/FakeHost.h"
#include "support/GridSeason.h"
#include "support/RecordingSurface.h"

namespace {

// A measured grid as the printer's defaults give it, with a 300 wide name
// column: fixed columns 684 (300 + 3 x 90 + 114), fixture columns 114, and a
// page height of 46 x rows + 890 with the margins.
GridMetrics Measured(int nameWidth = 300)
{
    GridMetrics m;
    m.nameWidth = nameWidth;
    return m;
}

PrintableArea Area(int widthMm, int heightMm, int dpi = 0)
{
    PrintableArea area;
    area.widthMm = widthMm;
    area.heightMm = heightMm;
    area.dpi = dpi;
    area.widthPixels = static_cast<int>(widthMm * dpi / 25.4);
    area.heightPixels = static_cast<int>(heightMm * dpi / 25.4);
    return area;
}

QList<int> ToList(const std::vector<int>& v)
{
    return QList<int>(v.begin(), v.end());
}

} // namespace

class TestTeamResultsPage : public QObject {
    Q_OBJECT

private slots:
    void plan_data()
    {
        QTest::addColumn<int>("nameWidth");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("widthMm");
        QTest::addColumn<int>("heightMm");
        QTest::addColumn<int>("minPrintScale");
        QTest::addColumn<int>("pagesAcross");
        QTest::addColumn<int>("pagesDown");
        QTest::addColumn<int>("rowsPerPage");
        QTest::addColumn<bool>("squeezed");

        QTest::newRow("fits whole") << 300 << 10 << 10 << 277 << 190 << 70 << 1 << 1 << 10 << false;
        // W 1824 on 1460: a scale of 0.80 squeezes.
        QTest::newRow("squeezed at 0.8")
            << 300 << 10 << 10 << 146 << 190 << 70 << 1 << 1 << 10 << true;
        // 30 fixtures (W 4104) on 2510: 0.61 splits; 16 columns fit beside
        // the fixed ones, so k = 2 (30 / 2 + 1 = 16); 21 rows a page (1010 / 46).
        QTest::newRow("30 fixtures split")
            << 300 << 30 << 10 << 251 << 190 << 70 << 2 << 1 << 21 << false;
        QTest::newRow("30 fixtures, 45 rows down")
            << 300 << 30 << 45 << 251 << 190 << 70 << 2 << 3 << 21 << false;
        // W 3000 exactly (336 + 20 x 114 + 384) on 2100: a scale of exactly 0.70;
        // a higher minimum splits it: two slices of 11 columns (1974) fit.
        QTest::newRow("at the threshold")
            << 336 << 20 << 1 << 210 << 190 << 70 << 1 << 1 << 1 << true;
        QTest::newRow("above the threshold")
            << 336 << 20 << 1 << 210 << 190 << 71 << 2 << 1 << 21 << false;
        QTest::newRow("below the threshold")
            << 336 << 20 << 1 << 209 << 190 << 70 << 2 << 1 << 21 << false;
        // One fixture beside the fixed columns is 798; two are 912.
        QTest::newRow("one fixture a page")
            << 300 << 5 << 10 << 80 << 190 << 70 << 5 << 1 << 21 << false;
        // Two columns fit (912 on 920): k = 6 makes slices of two, and five
        // of them hold all ten fixtures.
        QTest::newRow("slices used up before k")
            << 300 << 10 << 10 << 92 << 190 << 70 << 5 << 1 << 21 << false;
        QTest::newRow("one fixture too wide")
            << 300 << 5 << 10 << 70 << 190 << 70 << 5 << 1 << 21 << true;
        QTest::newRow("fixed columns too wide")
            << 300 << 0 << 10 << 40 << 190 << 70 << 1 << 1 << 21 << true;
        // 800 high leaves no room for a row: a row a page, squeezed.
        QTest::newRow("paper too short")
            << 300 << 30 << 10 << 251 << 80 << 70 << 2 << 10 << 1 << true;
        QTest::newRow("no rows, split")
            << 300 << 30 << 0 << 251 << 190 << 70 << 2 << 1 << 21 << false;
    }

    void plan()
    {
        QFETCH(int, nameWidth);
        QFETCH(int, fixtures);
        QFETCH(int, rows);
        QFETCH(int, widthMm);
        QFETCH(int, heightMm);
        QFETCH(int, minPrintScale);
        QFETCH(int, pagesAcross);
        QFETCH(int, pagesDown);
        QFETCH(bool, squeezed);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, fixtures, NumberedPlayers(rows));
        const PrintableArea area = Area(widthMm, heightMm, 600);
        const TeamPrintLayout layout =
            PlanTeamResults(Measured(nameWidth), *season, rows, false, area, minPrintScale);
        QTEST(layout.metrics.pagesAcross, "pagesAcross");
        QTEST(layout.metrics.pagesDown, "pagesDown");
        QTEST(layout.metrics.rowsPerPage, "rowsPerPage");
        QCOMPARE(layout.totalPages, pagesAcross * pagesDown);
        QCOMPARE(layout.scale < 1.0, squeezed);

        // Every page's slice fits the paper at the job's scale.
        const int pw = static_cast<int>(widthMm * 10 / layout.scale) + 1;
        const int ph = static_cast<int>(heightMm * 10 / layout.scale) + 1;
        for (int page = 1; page <= layout.totalPages; ++page) {
            const GridSlice slice = PagedGridSlice(*season, layout.metrics, rows, page);
            QVERIFY2(slice.width <= pw, qPrintable(QString::number(page)));
            QVERIFY2(slice.height + 2 * 150 <= ph, qPrintable(QString::number(page)));
            QVERIFY(slice.fixtures >= (fixtures > 0 ? 1 : 0));
        }
    }

    void groupPages_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("firstGroup");
        QTest::addColumn<int>("secondGroup");
        QTest::addColumn<int>("rowsPerPage");
        QTest::addColumn<int>("pagesDown");
        // 145 mm holds 12 rows ((1450 - 890) / 46).
        QTest::newRow("9 and 7") << kGroupPagesScheme << 9 << 7 << 9 << 2;
        QTest::newRow("group larger than a page") << kGroupPagesScheme << 13 << 3 << 12 << 2;
        QTest::newRow("another scheme") << 0 << 9 << 7 << 12 << 2;
        QTest::newRow("three pages down") << kGroupPagesScheme << 20 << 7 << 12 << 3;
    }

    void groupPages()
    {
        QFETCH(int, scheme);
        QFETCH(int, firstGroup);
        QFETCH(int, secondGroup);
        FakeHost host;
        const int rows = firstGroup + secondGroup;
        SeasonPtr season = MakeGridSeason(host, 30, NumberedPlayers(rows + 2));
        season->schemeIndex = std::uint32_t(scheme);
        for (int i = 0; i < rows + 2; ++i)
            season->players[std::size_t(i)]->group = i < firstGroup ? 1 : 2;
        // Two idle players at the end are not printed and not counted.
        season->players[std::size_t(rows)]->appearances = 0;
        season->players[std::size_t(rows + 1)]->appearances = 0;
        const TeamPrintLayout layout =
            PlanTeamResults(Measured(), *season, rows, false, Area(251, 145), 70);
        QTEST(layout.metrics.rowsPerPage, "rowsPerPage");
        QTEST(layout.metrics.pagesDown, "pagesDown");
        if (layout.metrics.rowsPerPage == std::max(firstGroup, secondGroup)) {
            // The second page row starts with the second group.
            const GridSlice second = PagedGridSlice(*season, layout.metrics, rows, 3);
            QCOMPARE(second.firstRow, layout.metrics.rowsPerPage);
        }
    }

    void pagesToPrint_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QList<int>>("ranges"); // first, last pairs
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("pages");
        QList<int> many;
        for (int i = 1; i <= 150; ++i)
            many << i;
        QTest::newRow("all of a large job") << true << QList<int>{} << 150 << many;
        QTest::newRow("3 to 5 of 4") << false << QList<int>{3, 5} << 4 << QList<int>{3, 4};
        QTest::newRow("first page reached is kept")
            << false << QList<int>{5, 6} << 4 << QList<int>{5};
        QTest::newRow("backwards range skipped")
            << false << QList<int>{5, 3, 1, 2} << 4 << QList<int>{1, 2};
    }

    void pagesToPrint()
    {
        QFETCH(bool, all);
        QFETCH(QList<int>, ranges);
        QFETCH(int, total);
        std::vector<PageRange> list;
        for (int i = 0; i + 1 < ranges.size(); i += 2)
            list.push_back({ranges[i], ranges[i + 1]});
        QTEST(ToList(TeamResultsPagesToPrint(list, all, total)), "pages");
    }

    void printsPages()
    {
        // Measured on the recording surface: name column 360, fixtures 140,
        // P/W/L 80, measure 160: 30 fixtures are 4960 wide. On 251 mm the
        // grid is cut into three page columns of ten fixtures.
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 30, NumberedPlayers(4));
        RecordingSurface surface;
        TeamPrintOptions options;
        TeamPrintLayout layout;
        const PrintableArea area = Area(251, 190, 600);
        const int total =
            PrintTeamResultsPage(surface, *season, host, area, options, 1, true, layout);
        QCOMPARE(total, 3);
        QCOMPARE(surface.probes, 1);
        QCOMPARE(surface.scaleX, layout.scale);
        QCOMPARE(surface.origin, layout.origin);
        QVERIFY(surface.FindText("Opponents 1"));
        const FontRole chosen = layout.metrics.opponentFont;
        QCOMPARE(chosen, FontRole::Upward);

        surface.Clear();
        surface.rotation = RecordingSurface::Rotation::Reversed; // not probed again
        QCOMPARE(PrintTeamResultsPage(surface, *season, host, area, options, 2, false, layout),
                 total);
        QCOMPARE(surface.probes, 0);
        const RecordingSurface::Op* name = surface.FindText("Opponents 20");
        QVERIFY(name);
        QCOMPARE(name->font, chosen);

        surface.Clear();
        PrintTeamResultsPage(surface, *season, host, area, options, total + 1, false, layout);
        QVERIFY(surface.FindText("Page 1 of 3"));
    }

    void headerTextsKeepApart_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<bool>("oneLine");
        QTest::newRow("wide grid: one line") << 12 << true;
        QTest::newRow("narrow grid: two lines") << 1 << false;
    }

    void headerTextsKeepApart()
    {
        QFETCH(int, fixtures);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, fixtures, NumberedPlayers(3));
        season->teamName = "Hartley Green Bowling Club";
        season->leagueName = "Vale";
        season->division = "2";
        RecordingSurface surface;
        TeamPrintLayout layout;
        PrintTeamResultsPage(surface, *season, host, Area(277, 190, 600), {}, 1, true, layout);

        // Each text's box on the page: left, right, bottom, top.
        auto box = [&](const char* text) {
            const RecordingSurface::Op* op = surface.FindText(text);
            if (!op)
                return QRect();
            const auto& font = surface.Metrics(op->font);
            const int width = RecordingSurface::CharCount(op->text) * font.charWidth;
            const int left = op->align == Align::Left     ? op->x1
                             : op->align == Align::Centre ? op->x1 - width / 2
                                                          : op->x1 - width;
            return QRect(left, op->y1 - font.height, width, font.height);
        };
        const QRect team = box("Hartley Green Bowling Club");
        const QRect league = box("Vale League, Division 2");
        QVERIFY(!team.isNull() && !league.isNull());
        QVERIFY2(!team.intersects(league), "the team name and the league line overlap");
        QFETCH(bool, oneLine);
        QCOMPARE(team.top() == league.top(), oneLine);
        // Both stay above the grid.
        const int gridTop = layout.height - 2 * layout.metrics.pageMargin;
        QVERIFY(league.top() >= gridTop);
    }

    void rowsPrinted_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("idle"); // players from the end who never appeared
        QTest::addColumn<int>("rows");
        QTest::newRow("idle players left out") << 5 << 2 << 3;
        QTest::newRow("nobody appeared: everybody") << 4 << 4 << 4;
        QTest::newRow("no players: one page") << 0 << 0 << 0;
    }

    void rowsPrinted()
    {
        QFETCH(int, players);
        QFETCH(int, idle);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 3, NumberedPlayers(players));
        for (int i = players - idle; i < players; ++i)
            season->players[std::size_t(i)]->appearances = 0;
        RecordingSurface surface;
        TeamPrintLayout layout;
        const int total =
            PrintTeamResultsPage(surface, *season, host, Area(277, 190, 600), {}, 1, true, layout);
        QCOMPARE(total, 1);
        QTEST(layout.rows, "rows");
        QCOMPARE(int(surface.FindTexts("Player ").size()), layout.rows);
        // One minor line per printed row, and one under the label row.
        QCOMPARE(int(surface.LinesWith(PenRole::Hairline).size()), layout.rows + 1 + (3 - 1) + 3);
    }
};

TESSEL_TEST(TestTeamResultsPage)
#include "tst_TeamResultsPage.moc"
