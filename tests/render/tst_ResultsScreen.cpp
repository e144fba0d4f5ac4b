#include "support/TestRegistry.h"
#include <QtTest>

#include "render/ResultsScreen.h"
#include "support/FakeHost.h"
#include "support/GridSeason.h"
#include "support/RecordingSurface.h"

using Op = RecordingSurface::Op;

// With the recording surface's metrics and players "Player 1", ... the grid
// measures: name column 360 ("Player " 140 + "Totals for" 200 + 20), fixture
// columns 140, P/W/L 80 each, measure 160, opponent band 240 (fewer than ten
// fixtures), every other band and row 46. So W = 760 + 140 F and
// H = 46 (R + 2) + 184 + 240; columns fit (CW - 760) / 140, rows fit
// (CH - 424) / 46 - 2.

namespace {

QString Show(const Rect& r)
{
    return QStringLiteral("%1,%2 %3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

class TestResultsScreen : public QObject {
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("clientWidth"); // device pixels
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<int>("firstFixture");
        QTest::addColumn<int>("firstPlayer");
        QTest::addColumn<bool>("tooSmall");
        QTest::addColumn<int>("visibleFixtures");
        QTest::addColumn<int>("visiblePlayers");
        QTest::addColumn<int>("newFirstFixture");
        QTest::addColumn<int>("newFirstPlayer");
        QTest::newRow("all fit") << 3 << 4 << 1300 << 1000 << 1.0 << 0 << 0 << false << 3 << 4 << 0
                                 << 0;
        QTest::newRow("columns limited, scrolled past the end")
            << 6 << 4 << 1100 << 1000 << 1.0 << 5 << 0 << false << 2 << 4 << 4 << 0;
        QTest::newRow("rows limited, scrolled past the end")
            << 3 << 10 << 1300 << 700 << 1.0 << 0 << 9 << false << 3 << 4 << 0 << 6;
        QTest::newRow("one column just fits")
            << 3 << 4 << 900 << 1000 << 1.0 << 2 << 0 << false << 1 << 4 << 2 << 0;
        QTest::newRow("one column short")
            << 3 << 4 << 899 << 1000 << 1.0 << 0 << 0 << true << 0 << 10 << 0 << 0;
        QTest::newRow("one row just fits")
            << 3 << 4 << 1300 << 562 << 1.0 << 0 << 3 << false << 3 << 1 << 0 << 3;
        QTest::newRow("one row short")
            << 3 << 4 << 1300 << 561 << 1.0 << 0 << 0 << true << 3 << 0 << 0 << 0;
        QTest::newRow("no players")
            << 3 << 0 << 1300 << 1000 << 1.0 << 0 << 0 << false << 3 << 0 << 0 << 0;
        QTest::newRow("half a pixel a unit")
            << 3 << 4 << 650 << 500 << 0.5 << 0 << 0 << false << 3 << 4 << 0 << 0;
    }

    void fit()
    {
        QFETCH(int, fixtures);
        QFETCH(int, players);
        QFETCH(int, clientWidth);
        QFETCH(int, clientHeight);
        QFETCH(double, pixelsPerUnit);
        QFETCH(int, firstFixture);
        QFETCH(int, firstPlayer);
        QFETCH(bool, tooSmall);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, fixtures, NumberedPlayers(players));
        season->firstFixture = firstFixture;
        season->firstPlayer = firstPlayer;
        RecordingSurface surface;
        surface.pixelsPerLogicalX = surface.pixelsPerLogicalY = pixelsPerUnit;
        const ScreenLayout layout =
            PaintResultsWindow(surface, *season, host, {clientWidth, clientHeight, 17, 17}, {});
        QCOMPARE(layout.tooSmall, tooSmall);
        // Too small keeps what fitted, however little, as the visible counts.
        QTEST(season->visibleFixtures, "visibleFixtures");
        QTEST(season->visiblePlayers, "visiblePlayers");
        QTEST(season->firstFixture, "newFirstFixture");
        QTEST(season->firstPlayer, "newFirstPlayer");
        if (tooSmall) {
            QCOMPARE(surface.TextStrings(), std::vector<std::string>{"Window too small"});
            QVERIFY(surface.Lines().empty() && surface.Fills().empty());
            QVERIFY(!layout.horizontalBarNeeded && !layout.verticalBarNeeded);
            return;
        }
        QCOMPARE(layout.horizontalBarNeeded, season->visibleFixtures < fixtures);
        QCOMPARE(layout.verticalBarNeeded, season->visiblePlayers < players);
        // Without players the name column holds only "Totals for": 140 narrower.
        QCOMPARE(layout.width, (players ? 760 : 620) + 140 * season->visibleFixtures);
        QCOMPARE(layout.height, 46 * (season->visiblePlayers + 2) + 184 + 240);
        // The frame is drawn at W and H.
        const Op top = surface.Lines().at(1);
        QCOMPARE(top.y1, layout.height);
        QCOMPARE(top.x2, layout.width);
    }

    void selectionFill_data()
    {
        QTest::addColumn<int>("selectedFixture");
        QTest::addColumn<int>("selectedPlayer");
        QTest::addColumn<int>("firstFixture");
        QTest::addColumn<int>("firstPlayer");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        // Two of six fixtures and four of ten players shown: N 360, W 1040,
        // H 700, T 368, rows 46.
        QTest::newRow("fixture in view") << 3 << -1 << 2 << 0 << true << 500 << 700 << 640 << 368;
        QTest::newRow("fixture right of view") << 4 << -1 << 2 << 0 << false << 0 << 0 << 0 << 0;
        QTest::newRow("player in view") << -1 << 5 << 0 << 3 << true << 0 << 230 << 360 << 184;
        QTest::newRow("last player in view") << -1 << 6 << 0 << 3 << true << 0 << 184 << 360 << 138;
        QTest::newRow("player below view") << -1 << 7 << 0 << 3 << false << 0 << 0 << 0 << 0;
    }

    void selectionFill()
    {
        QFETCH(int, selectedFixture);
        QFETCH(int, selectedPlayer);
        QFETCH(int, firstFixture);
        QFETCH(int, firstPlayer);
        QFETCH(bool, filled);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 6, NumberedPlayers(10));
        season->selectedFixture = selectedFixture;
        season->selectedPlayer = selectedPlayer;
        season->firstFixture = firstFixture;
        season->firstPlayer = firstPlayer;
        RecordingSurface surface;
        const ScreenLayout layout =
            PaintResultsWindow(surface, *season, host, {1100, 700, 17, 17}, {});
        QCOMPARE(layout.width, 1040);
        QCOMPARE(layout.top, 368);
        const std::vector<Op> fills = surface.Fills();
        if (!filled) {
            QVERIFY(fills.empty());
            return;
        }
        QCOMPARE(fills.size(), std::size_t(1));
        QTEST(fills[0].x1, "left");
        QTEST(fills[0].y1, "top");
        QTEST(fills[0].x2, "right");
        QTEST(fills[0].y2, "bottom");
        QCOMPARE(fills[0].fill, surface.highlight);
        // Under the grid: filled before any line or text is drawn.
        using K = RecordingSurface::Kind;
        const auto firstOf = [&](auto pred) {
            return std::find_if(surface.ops.begin(), surface.ops.end(), pred);
        };
        QVERIFY(firstOf([](const Op& o) { return o.kind == K::Fill; }) <
                firstOf([](const Op& o) { return o.kind == K::Line || o.kind == K::Text; }));
    }

    void rectanglesAndScrollBars()
    {
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 6, NumberedPlayers(10));
        RecordingSurface surface;
        const ScreenLayout layout =
            PaintResultsWindow(surface, *season, host, {1100, 700, 17, 16}, {});
        // W 1040, H 700, T 368, B 92, E 640; the grid sits 30 pixels in, at the top.
        QCOMPARE(layout.origin, (Point{-30, 700}));
        QCOMPARE(Show(layout.fixtureHeaderRect), Show(Rect{390, 0, 670, 332}));
        QCOMPARE(Show(layout.nameColumnRect), Show(Rect{30, 378, 390, 562}));
        QCOMPARE(Show(layout.fixtureScrollRect), Show(Rect{391, 0, 670, 700}));
        QCOMPARE(Show(layout.playerScrollRect), Show(Rect{30, 378, 1070, 562}));
        QVERIFY(layout.horizontalBarNeeded);
        QCOMPARE(Show(layout.horizontalBar), Show(Rect{390, 700, 670, 717}));
        QVERIFY(layout.verticalBarNeeded);
        QCOMPARE(Show(layout.verticalBar), Show(Rect{1070, 378, 1086, 562}));
    }
};

TESSEL_TEST(TestResultsScreen)
#include "tst_ResultsScreen.moc"
