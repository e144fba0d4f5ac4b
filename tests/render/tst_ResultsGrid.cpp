#include <QtTest>

#include "GridDrawing.h"
#include "support/GridSeason.h"

Q_DECLARE_METATYPE(PenRole)
Q_DECLARE_METATYPE(FontRole)

class TestResultsGrid : public QObject {
    Q_OBJECT

private slots:
    void measure_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("idlePlayer"); // -1: everybody appeared
        QTest::addColumn<bool>("includeIdle");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("dateCharWidth");
        QTest::addColumn<int>("nameWidth");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("fixtureWidth");
        QTest::addColumn<int>("opponentBand");

        const QStringList two{"J. Smith", "Anne Brown"};
        // Forenames "J. " and "Anne " (100), surnames under "Totals for" (200).
        QTest::newRow("surnames under Totals for")
            << two << -1 << true << 3 << 17 << 320 << 100 << 140 << 240;
        QTest::newRow("idle player left out")
            << QStringList{"Anne Brown", "Maximilian Longsurnameperson"} << 1 << false << 3 << 17
            << 320 << 100 << 140 << 240;
        QTest::newRow("idle player measured when included")
            << QStringList{"Anne Brown", "Maximilian Longsurnameperson"} << 1 << true << 3 << 17
            << 220 + 340 + 20 << 220 << 140 << 240;
        QTest::newRow("date wider than score")
            << two << -1 << true << 3 << 20 << 320 << 100 << 160 << 240;
        QTest::newRow("ten fixtures: longer opponent")
            << two << -1 << true << 10 << 17 << 320 << 100 << 140 << 260;
        QTest::newRow("no fixtures") << two << -1 << true << 0 << 17 << 320 << 100 << 140 << 20;
        QTest::newRow("no players")
            << QStringList{} << -1 << true << 3 << 17 << 220 << 0 << 140 << 240;
    }

    void measure()
    {
        QFETCH(QStringList, names);
        QFETCH(int, idlePlayer);
        QFETCH(bool, includeIdle);
        QFETCH(int, fixtures);
        QFETCH(int, dateCharWidth);
        FakeHost host;
        std::vector<std::string> list;
        for (const QString& n : names)
            list.push_back(n.toStdString());
        SeasonPtr season = MakeGridSeason(host, fixtures, list);
        QVERIFY(season);
        if (idlePlayer >= 0)
            season->players[std::size_t(idlePlayer)]->appearances = 0;
        RecordingSurface surface;
        surface.Metrics(FontRole::Date).charWidth = dateCharWidth;

        GridMetrics m;
        const std::uint16_t anchor = MeasureResultsGrid(surface, *season, includeIdle, m);
        QTEST(m.nameWidth, "nameWidth");
        QTEST(int(anchor), "anchor");
        QTEST(m.fixtureWidth, "fixtureWidth");
        QTEST(m.opponentBand, "opponentBand");
        QCOMPARE(m.countWidth, 80);    // " 88 "
        QCOMPARE(m.measureWidth, 160); // " 888.80 "
        for (int h : {m.venueBand, m.dateBand, m.rowHeight, m.totalsHeight, m.againstHeight})
            QCOMPARE(h, 46);
    }

    void measureColumnWidths_data()
    {
        QTest::addColumn<int>("teamDecimals");
        QTest::addColumn<int>("playerDecimals");
        QTest::addColumn<QString>("measureLabel");
        QTest::addColumn<int>("measureWidth");
        QTest::newRow("player decimals win") << 1 << 2 << "Avge" << 160; // " 888.80 "
        QTest::newRow("no decimals, label wider") << 0 << 0 << "Average" << 140;
        QTest::newRow("halves and none") << -1 << 0 << "Av" << 100; // " 889 "
    }

    void measureColumnWidths()
    {
        QFETCH(int, teamDecimals);
        QFETCH(int, playerDecimals);
        QFETCH(QString, measureLabel);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 2, {"J. Smith"});
        season->scheme.teamDecimals = teamDecimals;
        season->scheme.playerDecimals = playerDecimals;
        season->scheme.measureLabel.fill(0);
        const QByteArray label = measureLabel.toLatin1();
        std::copy(label.begin(), label.end(), season->scheme.measureLabel.begin());
        RecordingSurface surface;
        GridMetrics m;
        MeasureResultsGrid(surface, *season, true, m);
        QTEST(m.measureWidth, "measureWidth");
    }

    void gridLines_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("screen 2x1") << true << 2 << 1 << 910 << 564;
        QTest::newRow("screen 3x4") << true << 3 << 4 << 1020 << 714;
        QTest::newRow("paper 2x1") << false << 2 << 1 << 910 << 564;
    }

    void gridLines()
    {
        QFETCH(bool, screen);
        QFETCH(int, fixtures);
        QFETCH(int, players);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, fixtures, NumberedPlayers(players));
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, screen);
        QTEST(g.W, "width");
        QTEST(g.H, "height");

        const GridMetrics m = DistinctMetrics();
        const PenRole major = screen ? PenRole::ScreenMajor : PenRole::PagedMajor;
        const PenRole minor = screen ? PenRole::ScreenMinor : PenRole::Hairline;
        QStringList want, got;
        auto line = [&](PenRole pen, int x1, int y1, int x2, int y2) {
            want << Describe(pen, x1, y1, x2, y2);
        };
        const int N = m.nameWidth;
        const int dateTop = g.T + m.dateBand;
        line(major, 0, 0, 0, g.H);
        line(major, 0, g.H, g.W, g.H);
        line(major, g.W, g.H, g.W, 0);
        line(major, g.W, 0, 0, 0);
        line(major, 0, g.B, g.W, g.B);
        for (int k = 1; k <= players + 1; ++k)
            line(minor, 0, g.B + k * m.rowHeight, g.W, g.B + k * m.rowHeight);
        line(major, 0, g.T, g.W, g.T);
        if (screen) {
            line(minor, N, g.H - m.opponentBand, g.E, g.H - m.opponentBand);
            line(minor, N, dateTop, g.E, dateTop);
            line(major, 0, dateTop, N, dateTop);
        }
        line(major, g.E, dateTop, g.W, dateTop);
        line(major, N, 0, N, g.H);
        for (int k = 1; k < fixtures; ++k)
            line(minor, N + k * m.fixtureWidth, 0, N + k * m.fixtureWidth, g.H);
        line(major, g.E, 0, g.E, g.H);
        for (int k = 1; k <= 3; ++k)
            line(minor, g.E + k * m.countWidth, 0, g.E + k * m.countWidth, dateTop);

        for (const Op& op : surface.Lines())
            got << Describe(op.pen, op.x1, op.y1, op.x2, op.y2);
        QCOMPARE(got, want);
    }

    void pagedHeaderAndFooter_data()
    {
        QTest::addColumn<int>("pagesAcross");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("pageText"); // "" for none
        QTest::newRow("single page") << 1 << 1 << "";
        QTest::newRow("second of two") << 2 << 2 << "Page 2 of 2";
        QTest::newRow("beyond the job") << 2 << 5 << "Page 1 of 2";
    }

    void pagedHeaderAndFooter()
    {
        QFETCH(int, pagesAcross);
        QFETCH(int, page);
        QFETCH(QString, pageText);
        FakeHost host; // now: 13 September 2020
        SeasonPtr season = MakeGridSeason(host, 4, {"J. Smith"});
        GridMetrics m = DistinctMetrics();
        m.pagesAcross = pagesAcross;
        m.rowsPerPage = 1;
        GridRequest request;
        request.screenMode = false;
        request.rowCount = 1;
        request.pageNumber = page;
        RecordingSurface surface;
        DrawResultsGrid(surface, *season, host, request, m);
        const Geometry g = GeometryOf(m, 4 / pagesAcross, 1);
        QCOMPARE(TextsAt(surface, 0, g.H + 150).at(0).text, std::string("Hollins Green"));
        // Where the league line goes on a grid this narrow is tst_TeamResultsPage's.
        QVERIFY(surface.FindText("Mid-Cheshire League, Division Two"));
        // The date font's height less the margin.
        QCOMPARE(TextsAt(surface, g.W, 38 - 150).at(0).text, std::string("13 September 2020"));
        const std::vector<Op> pageOp = TextsAt(surface, g.W / 2, 38 - 150);
        QCOMPARE(pageOp.empty() ? QString() : QString::fromStdString(pageOp[0].text), pageText);
    }

    void opponentFont_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<FontRole>("preset");
        QTest::addColumn<FontRole>("font");
        QTest::addColumn<int>("probes");
        // The recording surface runs the downward font down the device as
        // named: reading from bottom to top then takes the upward font.
        QTest::newRow("paper, as named")
            << false << false << true << FontRole::Downward << FontRole::Upward << 1;
        QTest::newRow("paper, kept")
            << false << false << false << FontRole::Downward << FontRole::Downward << 0;
        QTest::newRow("screen, reversed")
            << true << true << true << FontRole::Upward << FontRole::Downward << 1;
    }

    void opponentFont()
    {
        QFETCH(bool, screen);
        QFETCH(bool, reversed);
        QFETCH(bool, choose);
        QFETCH(FontRole, preset);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 2, {"J. Smith"});
        GridMetrics m = DistinctMetrics();
        m.opponentFont = preset;
        m.rowsPerPage = 1;
        const Geometry g = GeometryOf(m, 2, 1);
        GridRequest request;
        request.screenMode = screen;
        request.width = g.W;
        request.height = g.H;
        request.fixturesShown = 2;
        request.rowCount = 1;
        request.chooseOpponentFont = choose;
        RecordingSurface surface;
        if (reversed)
            surface.rotation = RecordingSurface::Rotation::Reversed;
        DrawResultsGrid(surface, *season, host, request, m);
        QTEST(m.opponentFont, "font");
        QTEST(surface.probes, "probes");
        const Op* name = surface.FindText("Opponents 2");
        QVERIFY(name);
        QTEST(name->font, "font");
    }

    void pagedSlice_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<int>("rowsPerPage");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("firstFixture");
        QTest::addColumn<int>("fixturesShown");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("rows");
        QTest::newRow("30 across 2, right") << 30 << 2 << 1 << 9 << 9 << 2 << 15 << 15 << 0 << 9;
        QTest::newRow("31 across 2, right") << 31 << 2 << 1 << 9 << 9 << 2 << 16 << 15 << 0 << 9;
        QTest::newRow("page 3 of 2x2") << 30 << 2 << 2 << 12 << 20 << 3 << 0 << 15 << 12 << 8;
        QTest::newRow("last of three rows") << 5 << 1 << 3 << 12 << 25 << 3 << 0 << 5 << 24 << 1;
        QTest::newRow("beyond the job") << 5 << 1 << 3 << 12 << 25 << 4 << 0 << 5 << 0 << 12;
        QTest::newRow("no rows") << 5 << 1 << 1 << 0 << 0 << 1 << 0 << 5 << 0 << 0;
        QTest::newRow("one fixture a page") << 3 << 3 << 1 << 4 << 4 << 3 << 2 << 1 << 0 << 4;
    }

    void pagedSlice()
    {
        QFETCH(int, fixtures);
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(int, rowsPerPage);
        QFETCH(int, rowCount);
        QFETCH(int, page);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, fixtures, {});
        GridMetrics m = DistinctMetrics();
        m.pagesAcross = across;
        m.pagesDown = down;
        m.rowsPerPage = rowsPerPage;
        const GridSlice slice = PagedGridSlice(*season, m, rowCount, page);
        QTEST(slice.firstFixture, "firstFixture");
        QTEST(slice.fixtures, "fixturesShown");
        QTEST(slice.firstRow, "firstRow");
        QTEST(slice.rows, "rows");
        QCOMPARE(slice.totalPages, across * down);
        QCOMPARE(slice.width, GeometryOf(m, slice.fixtures, slice.rows).W);
        QCOMPARE(slice.height, GeometryOf(m, slice.fixtures, slice.rows).H);
    }

    void pagedRowsSkipIdlePlayers()
    {
        // Groups sort first, so an idle player of group 1 stands above the
        // active players of group 2; the printout shows who appeared.
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 1, {"A. Able", "I. Idle", "C. Cole"});
        season->players[1]->appearances = 0;
        season->players[2]->group = 2;
        SetFixtureResult(*season, 0, 1, "1-0");
        PlaceGame(*season, 0, 0, 2, Played, 21, 3);
        GridMetrics m = DistinctMetrics();
        m.rowsPerPage = 2;
        GridRequest request;
        request.screenMode = false;
        request.rowCount = 2;
        request.includeIdlePlayers = false;
        request.nameAnchor = 60;
        RecordingSurface surface;
        DrawResultsGrid(surface, *season, host, request, m);
        const Geometry g = GeometryOf(m, 1, 2);
        QVERIFY(surface.FindText("Idle") == nullptr);
        for (const char* text : {"Cole", "21- 3"}) {
            const Op* op = surface.FindText(text);
            QVERIFY2(op && op->y1 == RowAnchor(g, m, 1), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestResultsGrid)
#include "tst_ResultsGrid.moc"
