#include <QtTest>

#include "GridDrawing.h"
#include "support/GridSeason.h"

class TestGridCells : public QObject {
    Q_OBJECT

private slots:
    void fixtureHeader_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("venue");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("home") << true << -1 << 0 << "H"
                              << "5 May" << false;
        QTest::newRow("neutral, selected") << true << 2 << 2 << "N"
                                           << "19 May" << true;
        QTest::newRow("paper ignores selection") << false << 2 << 2 << "N"
                                                 << "19 May" << false;
    }

    void fixtureHeader()
    {
        QFETCH(bool, screen);
        QFETCH(int, selected);
        QFETCH(int, column);
        QFETCH(QString, venue);
        QFETCH(QString, date);
        QFETCH(bool, highlighted);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 3, {"J. Smith"});
        season->selectedFixture = selected;
        RecordingSurface surface;
        surface.rotation = RecordingSurface::Rotation::Reversed; // keeps the downward font
        const Geometry g = DrawAll(surface, *season, host, screen);
        const GridMetrics m = DistinctMetrics();
        const int c = m.nameWidth + (2 * column + 1) * m.fixtureWidth / 2;
        const Rgb colour = highlighted ? surface.highlightText : kBlack;

        const std::vector<Op> v =
            TextsAt(surface, c, InBand(g.T + m.dateBand, g.T + m.dateBand + m.venueBand, 46));
        QCOMPARE(v.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(v[0].text), venue);
        const std::vector<Op> d = TextsAt(surface, c, InBand(g.T, g.T + m.dateBand, 38));
        QCOMPARE(d.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(d[0].text), date);
        QCOMPARE(d[0].font, FontRole::Date);
        const std::vector<Op> o = TextsAt(surface, c - 23, g.H - m.opponentBand + 10);
        QCOMPARE(o.size(), std::size_t(1));
        QCOMPARE(o[0].text, "Opponents " + std::to_string(column + 1));
        QCOMPARE(o[0].font, FontRole::Downward);
        for (const Op& op : {v[0], d[0], o[0]})
            QCOMPARE(op.colour, colour);
    }

    void emptyOpponentDrawsNothing()
    {
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 2, {"J. Smith"});
        season->fixtures[1]->opponent.clear();
        SetFixtureResult(*season, 1, 1, "4-2");
        PlaceGame(*season, 1, 0, 0, Played, 21, 5);
        RecordingSurface surface;
        DrawAll(surface, *season, host, true);
        QVERIFY(surface.FindText("A") == nullptr);
        QVERIFY(surface.FindText("12 May") == nullptr);
        QVERIFY(surface.FindText("21- 5") == nullptr);
        QVERIFY(surface.FindText("H")); // the other column still draws
    }

    void gameCells_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("scoreFor");
        QTest::addColumn<int>("scoreAgainst");
        QTest::addColumn<int>("highlight");
        QTest::addColumn<QString>("cell");
        QTest::newRow("won") << true << int(Played) << 21 << 15 << 63 << "21-15";
        QTest::newRow("lost, screen bit") << true << int(Played) << 15 << 21 << 1 << "15-21 red";
        QTest::newRow("lost, paper bit on screen")
            << true << int(Played) << 15 << 21 << 2 << "15-21";
        QTest::newRow("lost, paper bit") << false << int(Played) << 9 << 21 << 2 << " 9-21 red";
        QTest::newRow("level") << true << int(Played) << 18 << 18 << 63 << "18-18";
        QTest::newRow("walkover") << true << int(OpponentAbsent) << 0 << 0 << 63 << "W/O italic";
        QTest::newRow("player absent") << true << int(PlayerAbsent) << 0 << 21 << 63 << "";
        QTest::newRow("not played") << false << int(NotPlayed) << 0 << 0 << 63 << "";
    }

    void gameCells()
    {
        QFETCH(bool, screen);
        QFETCH(int, state);
        QFETCH(int, scoreFor);
        QFETCH(int, scoreAgainst);
        QFETCH(int, highlight);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 2, {"J. Smith", "Anne Brown"});
        SetFixtureResult(*season, 1, 1, "");
        PlaceGame(*season, 1, 0, 1, unsigned(state), scoreFor, scoreAgainst);
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, screen, highlight);
        const GridMetrics m = DistinctMetrics();
        const int c = m.nameWidth + 3 * m.fixtureWidth / 2;
        QTEST(CellAt(surface, c, RowAnchor(g, m, 1)), "cell");
        // Nothing in the other player's row or the other fixture's column.
        QVERIFY(TextsAt(surface, c, RowAnchor(g, m, 0)).empty());
        QVERIFY(TextsAt(surface, m.nameWidth + m.fixtureWidth / 2, RowAnchor(g, m, 1)).empty());
    }

    void twoGamesInOneCell_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("scoreFor");
        QTest::addColumn<QString>("cell");
        QTest::newRow("won and lost, screen") << true << int(Played) << 15 << "21-15|/|15-21 red";
        QTest::newRow("won and lost, paper") << false << int(Played) << 15 << "21-15|/|15-21";
        QTest::newRow("won and a walkover")
            << true << int(OpponentAbsent) << 0 << "21-15|/|W/O italic";
    }

    void twoGamesInOneCell()
    {
        QFETCH(bool, screen);
        QFETCH(int, state);
        QFETCH(int, scoreFor);
        // The second player plays in both positions of fixture 1.
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 2, {"J. Smith", "Anne Brown"});
        SetFixtureResult(*season, 1, 1, "");
        PlaceGame(*season, 1, 0, 1, Played, 21, 15);
        PlaceGame(*season, 1, 1, 1, unsigned(state), scoreFor, 21);

        RecordingSurface surface;
        GridMetrics m;
        GridRequest request;
        request.nameAnchor = MeasureResultsGrid(surface, *season, true, m);
        m.rowsPerPage = season->playerCount;
        const Geometry g = GeometryOf(m, season->fixtureCount, season->playerCount);
        request.screenMode = screen;
        request.width = g.W;
        request.height = g.H;
        request.fixturesShown = season->fixtureCount;
        request.rowCount = season->playerCount;
        request.preferences.highlightLosses = 1; // lost games, on screen only
        surface.Clear();
        DrawResultsGrid(surface, *season, host, request, m);

        // The cell's texts, left to right, each inside the column and clear
        // of the next.
        const int left = m.nameWidth + m.fixtureWidth;
        const int right = left + m.fixtureWidth;
        std::vector<std::pair<int, Op>> pieces;
        for (const Op& op : surface.Texts()) {
            if (op.y1 != RowAnchor(g, m, 1, surface.Metrics(op.font).height))
                continue;
            const int width = RecordingSurface::CharCount(op.text) * surface.Metrics(op.font).charWidth;
            const int start = op.align == Align::Left     ? op.x1
                              : op.align == Align::Centre ? op.x1 - width / 2
                                                          : op.x1 - width;
            if (start >= left && start < right)
                pieces.push_back({start, op});
        }
        std::sort(pieces.begin(), pieces.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList cell;
        int end = left;
        for (const auto& [start, op] : pieces) {
            QVERIFY2(start >= end, op.text.c_str());
            end = start + RecordingSurface::CharCount(op.text) * surface.Metrics(op.font).charWidth;
            cell << QString::fromStdString(op.text) + (op.colour == kRed ? " red" : "") +
                        (op.font == FontRole::Italic ? " italic" : "");
        }
        QVERIFY(end <= right);
        QTEST(cell.join('|'), "cell");
    }

    void resultTexts_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("resultText"); // Windows-1252
        QTest::addColumn<int>("highlight");
        QTest::addColumn<QString>("ours"); // "" when nothing is drawn
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<bool>("cells");
        QTest::newRow("lost, screen bit") << true << 3 << QByteArray("2-4") << 4 << "2 red"
                                          << "4 red" << true;
        QTest::newRow("lost, paper bit") << false << 3 << QByteArray("2-4") << 8 << "2 red"
                                         << "4 red" << true;
        QTest::newRow("halves") << true << 2 << QByteArray("10\xBD-3\xBD") << 63 << "10\u00BD"
                                << "3\u00BD" << true;
        QTest::newRow("no dash") << true << 1 << QByteArray("W") << 63 << ""
                                 << "" << true;
        QTest::newRow("not played") << true << 0 << QByteArray("4-2") << 63 << ""
                                    << "" << false;
    }

    void resultTexts()
    {
        QFETCH(bool, screen);
        QFETCH(int, result);
        QFETCH(QByteArray, resultText);
        QFETCH(int, highlight);
        QFETCH(bool, cells);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 1, {"J. Smith"});
        SetFixtureResult(*season, 0, unsigned(result), resultText.toStdString());
        PlaceGame(*season, 0, 0, 0, Played, 21, 7);
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, screen, highlight);
        const GridMetrics m = DistinctMetrics();
        const int c = m.nameWidth + m.fixtureWidth / 2;
        QTEST(CellAt(surface, c, InBand(70, 130, 46)), "ours");
        QTEST(CellAt(surface, c, InBand(0, 70, 46)), "theirs");
        QCOMPARE(TextsAt(surface, c, RowAnchor(g, m, 0)).size(), std::size_t(cells ? 1 : 0));
    }

    void playerNames()
    {
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 1, {"J. Smith", "Anne Brown"});
        season->players[1]->group = 2;
        season->selectedPlayer = 0;
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, true, 0, 1, 100);
        const GridMetrics m = DistinctMetrics();
        // Both surnames start at the widest forename plus 10, the forenames
        // end there: selected in the highlight, group 2 in italics.
        const std::vector<Op> first = TextsAt(surface, 110, RowAnchor(g, m, 0));
        QCOMPARE(CellAt(surface, 110, RowAnchor(g, m, 0)), QStringLiteral("J. |Smith"));
        QCOMPARE(CellAt(surface, 110, RowAnchor(g, m, 1)),
                 QStringLiteral("Anne  italic|Brown italic"));
        QCOMPARE(first[0].align, Align::Right);
        QCOMPARE(first[1].align, Align::Left);
        QCOMPARE(first[1].colour, surface.highlightText);
        QCOMPARE(TextsAt(surface, 110, RowAnchor(g, m, 1))[0].colour, kBlack);
    }

    void measureShown_data()
    {
        QTest::addColumn<bool>("screen");
        QTest::addColumn<int>("appearances");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("minGames");
        QTest::addColumn<double>("measure");
        QTest::addColumn<int>("highlight");
        QTest::addColumn<QString>("cell");
        QTest::newRow("enough games") << true << 3 << 3 << 3 << 12.345 << 63 << "12.35";
        QTest::newRow("too few appearances") << true << 2 << 2 << 3 << 1.5 << 63 << "";
        QTest::newRow("walkovers only") << true << 4 << 0 << 1 << 0.0 << 63 << "";
        QTest::newRow("minus, screen bit") << true << 3 << 3 << 1 << -0.25 << 16 << "-0.25 red";
        QTest::newRow("minus, paper bit on screen")
            << true << 3 << 3 << 1 << -0.25 << 32 << "-0.25";
        QTest::newRow("minus, paper bit") << false << 3 << 3 << 1 << -0.25 << 32 << "-0.25 red";
        QTest::newRow("zero is not minus") << true << 3 << 3 << 1 << 0.0 << 16 << "0.00";
    }

    void measureShown()
    {
        QFETCH(bool, screen);
        QFETCH(int, appearances);
        QFETCH(int, played);
        QFETCH(int, minGames);
        QFETCH(double, measure);
        QFETCH(int, highlight);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 1, {"J. Smith"});
        Player& p = *season->players[0];
        p.appearances = std::uint16_t(appearances);
        p.played = std::uint16_t(played);
        p.won = 0;
        p.measure = measure;
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, screen, highlight, minGames);
        QTEST(CellAt(surface, g.W - 10, RowAnchor(g, DistinctMetrics(), 0)), "cell");
    }

    void teamTotals_data()
    {
        QTest::addColumn<int>("teamDecimals");
        QTest::addColumn<double>("average");
        QTest::addColumn<QString>("figure");
        QTest::newRow("one decimal") << 1 << 7.26 << "7.3";
        QTest::newRow("half") << -1 << 7.5 << "7\u00BD";
        QTest::newRow("whole") << -1 << 7.0 << "7";
    }

    void teamTotals()
    {
        QFETCH(int, teamDecimals);
        QFETCH(double, average);
        QFETCH(QString, figure);
        FakeHost host;
        SeasonPtr season = MakeGridSeason(host, 1, {"J. Smith"});
        season->scheme.teamDecimals = teamDecimals;
        season->teamAverage = average;
        season->matchesPlayed = 12;
        season->matchesWon = 7;
        season->matchesLost = 4;
        RecordingSurface surface;
        const Geometry g = DrawAll(surface, *season, host, true);
        const GridMetrics m = DistinctMetrics();
        const int y = InBand(70, 130, 46);
        const std::pair<QString, int> wants[] = {
            {"12", g.E + m.countWidth - 10},
            {"7", g.E + 2 * m.countWidth - 10},
            {"4", g.E + 3 * m.countWidth - 10},
            {figure, g.W - 10},
        };
        for (const auto& [text, x] : wants) {
            const std::vector<Op> at = TextsAt(surface, x, y);
            QCOMPARE(at.size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(at[0].text), text);
            QCOMPARE(at[0].align, Align::Right);
        }
    }
};

QTEST_GUILESS_MAIN(TestGridCells)
#include "tst_GridCells.moc"
