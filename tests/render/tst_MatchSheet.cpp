#include <QtTest>

#include <algorithm>

#include "model/Dates.h"
#include "model/ScoringScheme.h"
#include "render/MatchSheet.h"
#include "support/FakeHost.h"
#include "support/PrintedPage.h"
#include "support/RecordingSurface.h"
#include "support/ScoringFixtures.h"

// Positions below are page coordinates (from the printable area's top-left
// corner) worked out by hand from the recording surface's fake metrics: the
// body font is 40 high with 4 of external leading (L = 44), ascent 32, 18 per
// character. The table's corner is at (60, -600); a text in table row r has
// its top at -600 - (90 - 44) / 2 - 90 r = -623 - 90 r.

namespace {

// Name and score columns of the two halves, on the page.
constexpr int kLeftName = 160, kLeftScore = 910, kRightName = 1060, kRightScore = 1810;
// The middles of the table's two halves, where the team headings stand.
constexpr int kLeftMiddle = 60 + 450, kRightMiddle = 60 + 1350;

int RowTop(int row)
{
    return -623 - 90 * row;
}

const std::vector<std::string> kNames = {"Ann Lee",  "Bob Hart", "Cath Day", "Dan Moss",
                                         "Eve Lamb", "Fay Wood", "Gus Ray",  "Hal Finn"};

struct Sheet {
    FakeHost host;
    SeasonPtr season;
    Fixture* fixture = nullptr;
};

// A season of one fixture on a made-up scheme, every game NotPlayed.
void MakeSheet(Sheet& sheet, int groupSize, int teamSize, std::uint32_t flags = 0, float start = 0)
{
    ScoringScheme scheme;
    scheme.groupSize = static_cast<std::uint16_t>(groupSize);
    scheme.target = 21;
    scheme.weight[8] = start;
    scheme.flags = flags;
    scheme.matchDecimals = 0;
    sheet.season = MakeCustomSeason(sheet.host, scheme, teamSize, 1, kNames);
    QVERIFY(sheet.season);
    sheet.season->teamName = "Home Club";
    sheet.season->leagueName = "Vale";
    sheet.season->division = "2";
    sheet.fixture = sheet.season->fixtures[0].get();
    sheet.fixture->opponent = "Rivals";
    sheet.fixture->date = MakeLocalDate(2021, 5, 5);
}

void PlayAll(Sheet& sheet)
{
    for (int i = 0; i < sheet.season->teamSize; ++i)
        SetGame(*sheet.fixture, i, sheet.season->players[std::size_t(i) % kNames.size()].get(), 21,
                10 + i);
}

// Prints on 200 x 287 mm.
PrintedPage Print(Sheet& sheet, bool homeOnLeft = false)
{
    RecordingSurface surface;
    if (!PrintMatchSheet(surface, sheet.host, *sheet.season, sheet.fixture, 200, 287, homeOnLeft))
        QTest::qFail("nothing printed", __FILE__, __LINE__);
    const std::string off = FirstOffPage(surface, 200, 287);
    if (!off.empty())
        QTest::qFail(("off the page: " + off).c_str(), __FILE__, __LINE__);
    return ReadPage(surface);
}

// The text drawn at (x, y), or "" when there is none.
QString TextAt(const PrintedPage& page, int x, int y)
{
    const PrintedPage::Text* t = page.At(x, y);
    return t ? QString::fromStdString(t->text).trimmed() : QString();
}

// The frame's lowest edge: the table's height below its top.
int FrameBottom(const PrintedPage& page)
{
    int bottom = 0;
    for (const auto& l : page.lines)
        if (l.frame && l.pen == PenRole::Thick)
            bottom = std::min({bottom, l.y1, l.y2});
    return bottom;
}

QList<int> HorizontalYs(const PrintedPage& page, PenRole pen)
{
    QList<int> ys;
    for (const auto& l : page.Horizontal(pen))
        ys << l.y1;
    return ys;
}

} // namespace

class TestMatchSheet : public QObject {
    Q_OBJECT

private slots:
    void nothingPrinted()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        RecordingSurface surface;
        QVERIFY(!PrintMatchSheet(surface, sheet.host, *sheet.season, nullptr, 200, 287, false));
        QCOMPARE(sheet.host.Texts(), std::vector<std::string>{"Cannot find match to print"});
        // No printable area: nothing drawn.
        QVERIFY(!PrintMatchSheet(surface, sheet.host, *sheet.season, sheet.fixture, 0, 287, false));
        QVERIFY(surface.Texts().empty());
        QVERIFY(surface.Lines().empty());
    }

    void sides_data()
    {
        QTest::addColumn<int>("venue");
        QTest::addColumn<bool>("homeOnLeft");
        QTest::addColumn<bool>("ourLeft");
        QTest::addColumn<int>("homeLabelX"); // -1: no label
        // The HomeOnLeftPrinter preference only ever moves us for an away match.
        QTest::newRow("home") << int(Home) << false << true << kLeftMiddle;
        QTest::newRow("away") << int(Away) << false << true << kRightMiddle;
        QTest::newRow("away, home on left") << int(Away) << true << false << kLeftMiddle;
        QTest::newRow("neutral") << int(Neutral) << false << true << -1;
    }

    void sides()
    {
        QFETCH(int, venue);
        QFETCH(bool, homeOnLeft);
        QFETCH(bool, ourLeft);
        QFETCH(int, homeLabelX);

        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        Fixture& f = *sheet.fixture;
        f.venue = std::uint32_t(venue);
        SetGame(f, 0, sheet.season->players[0].get(), 21, 15);
        f.result = 1;
        f.shotsFor = 60;
        f.shotsAgainst = 45;
        f.pointsFor = 3;
        f.pointsAgainst = 1;
        const PrintedPage page = Print(sheet, homeOnLeft);

        const int ourName = ourLeft ? kLeftName : kRightName;
        const int theirName = ourLeft ? kRightName : kLeftName;
        const int ourScore = ourLeft ? kLeftScore : kRightScore;

        QCOMPARE(TextAt(page, ourLeft ? kLeftMiddle : kRightMiddle, -500),
                 QStringLiteral("Home Club"));
        QCOMPARE(TextAt(page, ourLeft ? kRightMiddle : kLeftMiddle, -500),
                 QStringLiteral("Rivals"));
        QCOMPARE(int(page.Find("Home team").size()), homeLabelX < 0 ? 0 : 1);
        if (homeLabelX >= 0) {
            QCOMPARE(TextAt(page, homeLabelX, -400), QStringLiteral("Home team"));
            QCOMPARE(TextAt(page, kLeftMiddle + kRightMiddle - homeLabelX, -400),
                     QStringLiteral("Away team"));
        }

        QCOMPARE(TextAt(page, ourName, RowTop(1)), QStringLiteral("Ann Lee"));
        QCOMPARE(TextAt(page, theirName, RowTop(1)), QStringLiteral("Visitor 1"));
        QCOMPARE(TextAt(page, ourScore, RowTop(1)), QStringLiteral("21"));
        // Totals row (row 5 of a team of four).
        QCOMPARE(TextAt(page, ourScore, RowTop(5)), QStringLiteral("60"));
        QCOMPARE(TextAt(page, ourScore, RowTop(6)), QStringLiteral("3")); // points

        // Signature block: the table is 90 x 7 high, so the block starts at
        // -600 - 630 - 90; its lines are L and 4 L lower.
        const int top = -1320;
        const bool neutral = venue == Neutral;
        QCOMPARE(TextAt(page, 200, top),
                 neutral ? QStringLiteral("Home Club") : QStringLiteral("HOME CLUB"));
        QCOMPARE(TextAt(page, 200, top - 132),
                 neutral ? QStringLiteral("Rivals") : QStringLiteral("AWAY CLUB"));
        // The first line's points are the home club's: ours unless we are away.
        const bool weAreFirst = venue != Away;
        QCOMPARE(page.Horizontal(PenRole::Dotted).size(), std::size_t(2)); // points printed
        QCOMPARE(TextAt(page, 1550, top - 44),
                 weAreFirst ? QStringLiteral("3") : QStringLiteral("1"));
    }

    void handicapRow_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("venue");
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("oppHandicap");
        QTest::addColumn<bool>("row");
        QTest::addColumn<int>("ours"); // 0: no "Handicap" on our side
        QTest::addColumn<int>("theirs");

        const std::uint32_t show = ShowHandicaps;
        QTest::newRow("no start, no handicaps")
            << 0u << 0.0 << int(Home) << 5 << 5 << false << 0 << 0;
        // A positive start goes to the away side.
        QTest::newRow("start 2, home") << 0u << 2.0 << int(Home) << 0 << 0 << true << 0 << 2;
        // A negative start goes, as a positive amount, to the home side.
        QTest::newRow("start -2, home") << 0u << -2.0 << int(Home) << 0 << 0 << true << 2 << 0;
        // The fraction is dropped toward zero.
        QTest::newRow("start 2.7") << 0u << 2.7 << int(Away) << 0 << 0 << true << 2 << 0;
        QTest::newRow("start 0.5: row, no amounts")
            << 0u << 0.5 << int(Home) << 0 << 0 << true << 0 << 0;
        // Fixture handicaps count only with ShowHandicaps.
        QTest::newRow("handicaps ignored") << 0u << 2.0 << int(Home) << 3 << 4 << true << 0 << 2;
        QTest::newRow("show: ours") << show << 0.0 << int(Home) << 3 << 0 << true << 3 << 0;
        QTest::newRow("show + start") << show << 2.0 << int(Home) << 1 << 4 << true << 1 << 6;
        QTest::newRow("show + start cancels")
            << show << -3.0 << int(Home) << -3 << 0 << true << 0 << 0;
    }

    void handicapRow()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(double, start);
        QFETCH(int, venue);
        QFETCH(int, handicap);
        QFETCH(int, oppHandicap);
        QFETCH(bool, row);
        QFETCH(int, ours);
        QFETCH(int, theirs);

        Sheet sheet;
        MakeSheet(sheet, 1, 4, flags, float(start));
        sheet.fixture->venue = std::uint32_t(venue);
        sheet.fixture->handicap = handicap;
        sheet.fixture->oppHandicap = oppHandicap;
        // Handicaps print whether or not the match has been played.
        const PrintedPage page = Print(sheet);

        // Heading, 4 games, totals, handicap?, points.
        const int rows = 4 + 3 + (row ? 1 : 0);
        QCOMPARE(FrameBottom(page), -600 - 90 * rows);
        // Heading rule, under the games, under the handicaps, under the points.
        const QList<int> thick =
            row ? QList<int>{-690, -1050, -1140, -1230} : QList<int>{-690, -1050, -1140};
        QCOMPARE(HorizontalYs(page, PenRole::Thick), thick);

        QCOMPARE(int(page.Find("Handicap").size()), (ours != 0) + (theirs != 0));
        auto side = [&](int nameX, int scoreX) {
            return TextAt(page, nameX, RowTop(6)) + "|" + TextAt(page, scoreX, RowTop(6));
        };
        QCOMPARE(side(kLeftName, kLeftScore), ours ? "Handicap|" + QString::number(ours) : "|");
        QCOMPARE(side(kRightName, kRightScore),
                 theirs ? "Handicap|" + QString::number(theirs) : "|");
        // The points row follows the handicap row.
        QCOMPARE(TextAt(page, 760, RowTop(row ? 7 : 6)), QStringLiteral("POINTS"));
    }

    void groupLines_data()
    {
        QTest::addColumn<int>("scheme"); // -1: made up with groupSize
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<QList<int>>("lineRows");  // thin line under table row k
        QTest::addColumn<QList<int>>("scoreRows"); // game positions showing scores

        QTest::newRow("singles") << -1 << 1 << 4 << QList<int>{1, 2, 3} << QList<int>{0, 1, 2, 3};
        QTest::newRow("fours of 8") << -1 << 4 << 8 << QList<int>{4} << QList<int>{0, 4};
        // A pair at the top, singles below.
        QTest::newRow("St Helens Churches")
            << 73 << 0 << 4 << QList<int>{2, 3} << QList<int>{0, 2, 3};
        // Three pairs, then singles.
        QTest::newRow("Matlock Thursday")
            << 87 << 0 << 8 << QList<int>{2, 4, 6, 7} << QList<int>{0, 2, 4, 6, 7};
    }

    void groupLines()
    {
        QFETCH(int, scheme);
        QFETCH(int, groupSize);
        QFETCH(int, teamSize);
        QFETCH(QList<int>, lineRows);
        QFETCH(QList<int>, scoreRows);

        Sheet sheet;
        if (scheme < 0) {
            MakeSheet(sheet, groupSize, teamSize);
        } else { // a built-in scheme, for its own groupings
            sheet.season = MakeScoringSeason(sheet.host, scheme, teamSize, 1, kNames);
            sheet.fixture = sheet.season->fixtures[0].get();
        }
        PlayAll(sheet);
        const PrintedPage page = Print(sheet);

        QList<int> expected;
        for (int k : lineRows)
            expected << -600 - 90 * (k + 1);
        QCOMPARE(HorizontalYs(page, PenRole::Hairline), expected);

        QList<int> scored;
        for (int i = 0; i < teamSize; ++i) {
            const QString ours = TextAt(page, kLeftScore, RowTop(i + 1));
            const QString theirs = TextAt(page, kRightScore, RowTop(i + 1));
            QCOMPARE(ours.isEmpty(), theirs.isEmpty());
            if (!ours.isEmpty()) {
                QCOMPARE(ours, QStringLiteral("21"));
                QCOMPARE(theirs, QString::number(10 + i));
                scored << i;
            }
        }
        QCOMPARE(scored, scoreRows);
    }

    void gameRows_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("registered"); // our player is in the register
        QTest::addColumn<QString>("ours");    // "*" after an italic name
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<bool>("scores");
        QTest::newRow("played") << int(Played) << true << "Ann Lee"
                                << "Visitor 1" << true;
        QTest::newRow("opponent absent") << int(OpponentAbsent) << true << "Ann Lee"
                                         << "Walkover*" << true;
        QTest::newRow("player absent") << int(PlayerAbsent) << true << "Walkover*"
                                       << "Visitor 1" << true;
        QTest::newRow("not played") << int(NotPlayed) << true << ""
                                    << "" << false;
        QTest::newRow("pending") << int(Pending) << true << "Ann Lee"
                                 << "" << false;
        QTest::newRow("player no longer registered") << int(Played) << false << ""
                                                     << "Visitor 1" << true;
    }

    void gameRows()
    {
        QFETCH(int, state);
        QFETCH(bool, registered);
        QFETCH(bool, scores);
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        Player stranger;
        stranger.id = 42;
        stranger.name = "Stranger";
        Player* player = registered ? sheet.season->players[0].get() : &stranger;
        SetGame(*sheet.fixture, 0, player, 21, 7, GameState(state));
        sheet.fixture->games[0].opponent = "Visitor 1";
        const PrintedPage page = Print(sheet);
        auto styled = [&](int x) {
            const PrintedPage::Text* t = page.At(x, RowTop(1));
            return t ? QString::fromStdString(t->text).trimmed() +
                           (t->font == FontRole::PageItalic ? "*" : "")
                     : QString();
        };
        QTEST(styled(kLeftName), "ours");
        QTEST(styled(kRightName), "theirs");
        QCOMPARE(styled(kLeftScore), scores ? QStringLiteral("21") : QString());
        QCOMPARE(styled(kRightScore), scores ? QStringLiteral("7") : QString());
        for (int row = 2; row <= 4; ++row) // nothing else in the game rows
            QVERIFY(page.Row(RowTop(row)).empty());
    }

    void totalsAndPoints_data()
    {
        QTest::addColumn<bool>("hideShotTotals");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("pointsFor");
        QTest::addColumn<QString>("points"); // ours, in halves
        QTest::newRow("played") << false << 1 << 2.0 << "2";
        QTest::newRow("halves") << false << 1 << 2.5 << "2\u00BD";
        QTest::newRow("not played") << false << 0 << 2.0 << "";
        QTest::newRow("hidden, played") << true << 3 << 2.0 << "";
    }

    void totalsAndPoints()
    {
        QFETCH(bool, hideShotTotals);
        QFETCH(int, result);
        QFETCH(double, pointsFor);
        Sheet sheet;
        MakeSheet(sheet, 1, 4, hideShotTotals ? std::uint32_t(HideShotTotals) : 0u);
        sheet.season->scheme.matchDecimals = -1;
        Fixture& f = *sheet.fixture;
        f.result = std::uint32_t(result);
        f.shotsFor = 70;
        f.shotsAgainst = 80;
        f.pointsFor = pointsFor;
        const PrintedPage page = Print(sheet);

        const bool pointsRow = !hideShotTotals;
        QCOMPARE(FrameBottom(page), -600 - 90 * (6 + (pointsRow ? 1 : 0)));
        QCOMPARE(TextAt(page, 1660, RowTop(5)), QStringLiteral("TOTAL"));
        QCOMPARE(TextAt(page, kLeftScore, RowTop(5)), result ? QStringLiteral("70") : QString());
        QCOMPARE(TextAt(page, kRightScore, RowTop(5)), result ? QStringLiteral("80") : QString());
        QCOMPARE(int(page.Find("POINTS").size()), pointsRow ? 2 : 0);
        QTEST(TextAt(page, kLeftScore, RowTop(6)), "points");
    }

    void signatureBlock()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4); // no result yet: no points to print
        const PrintedPage page = Print(sheet);
        const int lineTops[] = {-1320 - 44, -1320 - 176}; // 90 below the table
        QCOMPARE(TextAt(page, 850, lineTops[1]), QStringLiteral("Captain"));
        QCOMPARE(TextAt(page, 1550, lineTops[0]), QString());
        // Dotted rules under each text line, ascent 32 and leading 4 below its
        // top: after "Signed" (6 characters) to 850; after "MATCH POINTS"
        // (12 characters) to 1750 while there are no points to print.
        QList<QList<int>> dotted, expected;
        for (const auto& l : page.Horizontal(PenRole::Dotted))
            dotted << QList<int>{l.x1, l.y1, l.x2};
        for (int lineTop : lineTops)
            expected << QList<int>{308, lineTop - 36, 850};
        for (int lineTop : lineTops)
            expected << QList<int>{1466, lineTop - 36, 1750};
        QCOMPARE(dotted, expected);
    }

    void headings_data()
    {
        QTest::addColumn<QString>("league");
        QTest::addColumn<QString>("division");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("divisionLine");
        QTest::newRow("bare names") << "Vale" << "2" << "Vale Bowling League" << "Division 2";
        QTest::newRow("words already there")
            << "Vale Bowling League" << "Division 2" << "Vale Bowling League" << "Division 2";
        QTest::newRow("any case") << "Vale LEAGUE" << "division Two" << "Vale LEAGUE"
                                  << "division Two";
        QTest::newRow("not whole words")
            << "Superleague" << "Divisional" << "Superleague Bowling League"
            << "Division Divisional";
    }

    void headings()
    {
        QFETCH(QString, league);
        QFETCH(QString, division);
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        sheet.season->leagueName = league.toStdString();
        sheet.season->division = division.toStdString();
        const PrintedPage page = Print(sheet);
        QTEST(TextAt(page, 1000, -100), "title");
        QTEST(TextAt(page, 200, -300), "divisionLine");
    }

    void fitsPage_data()
    {
        QTest::addColumn<int>("widthMm");
        QTest::addColumn<int>("heightMm");
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<double>("scale");

        QTest::newRow("A4") << 200 << 287 << 4 << 1.0;
        QTest::newRow("just wide enough") << 186 << 287 << 4 << 1.0;
        QTest::newRow("narrow") << 150 << 287 << 4 << 1500.0 / 1860;
        // 30 games: the table is 90 x 33 high, the block ends 4 L + 40 below
        // its top, and the footer keeps 100: 600 + 2970 + 90 + 216 + 100.
        QTest::newRow("A4, team of 30") << 200 << 287 << 30 << 2870.0 / 3976;
    }

    void fitsPage()
    {
        QFETCH(int, widthMm);
        QFETCH(int, heightMm);
        QFETCH(int, teamSize);
        QFETCH(double, scale);

        Sheet sheet;
        MakeSheet(sheet, 1, teamSize);
        PlayAll(sheet);
        RecordingSurface surface;
        QVERIFY(PrintMatchSheet(surface, sheet.host, *sheet.season, sheet.fixture, widthMm,
                                heightMm, false));
        const auto scales = surface.All(RecordingSurface::Kind::SetScale);
        QVERIFY(!scales.empty() && scales[0].sx == scales[0].sy);
        QVERIFY(qAbs(scales[0].sx - scale) < 1e-9);
        QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());

        const PrintedPage page = ReadPage(surface);
        const auto titles = page.Find("RESULT SHEET");
        QCOMPARE(int(titles.size()), 1);
        // The team headings stand over the table's halves, however the page
        // was scaled: each within its half of the frame.
        int frameLeft = 1 << 20, frameRight = -(1 << 20);
        for (const auto& l : page.lines)
            if (l.frame) {
                frameLeft = std::min({frameLeft, l.x1, l.x2});
                frameRight = std::max({frameRight, l.x1, l.x2});
            }
        const int middle = (frameLeft + frameRight) / 2;
        // The title stands over the table, shrunk or not.
        QVERIFY(qAbs(titles[0].x - middle) <= (frameRight - frameLeft) / 10);
        for (const char* text : {"Home team", "Home Club"}) {
            const auto found = page.Find(text);
            QCOMPARE(int(found.size()), 1);
            QVERIFY2(found[0].x > frameLeft && found[0].x < middle, text);
        }
        for (const char* text : {"Away team", "Rivals"}) {
            const auto found = page.Find(text);
            QCOMPARE(int(found.size()), 1);
            QVERIFY2(found[0].x > middle && found[0].x < frameRight, text);
        }
        // The surface is left unscaled.
        QCOMPARE(surface.scaleX, 1.0);
        QVERIFY(surface.origin == Point{});
    }
};

QTEST_GUILESS_MAIN(TestMatchSheet)
#include "tst_MatchSheet.moc"
