#include <QtTest>

#include <algorithm>

#include "model/Dates.h"
#include "model/ScoringScheme.h"
#include "print/MatchSheet.h"
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

constexpr int kPageWidthMm = 200;
constexpr int kPageHeightMm = 287;

// Name and score columns of the two halves, on the page.
constexpr int kLeftName = 160, kLeftScore = 910, kRightName = 1060, kRightScore = 1810;

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

// A season on a built-in scheme, for its own groupings.
void MakeSchemeSheet(Sheet& sheet, int schemeIndex, int teamSize)
{
    sheet.season = MakeScoringSeason(sheet.host, schemeIndex, teamSize, 1, kNames);
    QVERIFY(sheet.season);
    sheet.fixture = sheet.season->fixtures[0].get();
    sheet.fixture->opponent = "Rivals";
}

void PlayAll(Sheet& sheet)
{
    for (int i = 0; i < sheet.season->teamSize; ++i)
        SetGame(*sheet.fixture, i, sheet.season->players[std::size_t(i) % kNames.size()].get(), 21,
                10 + i);
}

PrintedPage Print(Sheet& sheet, bool homeOnLeft = false, int widthMm = kPageWidthMm,
                  int heightMm = kPageHeightMm)
{
    RecordingSurface surface;
    const bool printed = PrintMatchSheet(surface, sheet.host, *sheet.season, sheet.fixture, widthMm,
                                         heightMm, homeOnLeft);
    if (!printed)
        QTest::qFail("nothing printed", __FILE__, __LINE__);
    const std::string off = FirstOffPage(surface, widthMm, heightMm);
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
        QCOMPARE(sheet.host.messages[0].title, std::string("Program error"));
        QVERIFY(sheet.host.messages[0].icon == MessageIcon::Exclamation);
        // No printable area: nothing drawn.
        QVERIFY(!PrintMatchSheet(surface, sheet.host, *sheet.season, sheet.fixture, 0, 287, false));
        QVERIFY(surface.Texts().empty());
        QVERIFY(surface.Lines().empty());
        QVERIFY(surface.Frames().empty());
    }

    void heading()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        sheet.season->leagueName = "Vale \xE9lite"; // Windows-1252 e-acute
        sheet.host.now = MakeLocalDate(2021, 6, 30) + 15 * 3600;
        const PrintedPage page = Print(sheet);

        const auto* title = page.At(1000, -100);
        QVERIFY(title);
        QCOMPARE(title->text, std::string("Vale \xC3\xA9lite Bowling League"));
        QVERIFY(title->font == FontRole::PageTitle);
        QVERIFY(title->align == Align::Centre);
        QCOMPARE(TextAt(page, 1000, -200), QStringLiteral("RESULT SHEET"));
        QCOMPARE(TextAt(page, 200, -300), QStringLiteral("Division 2"));
        QCOMPARE(TextAt(page, 1000, -300), QStringLiteral("Date: 5 May 2021"));
        QVERIFY(page.At(1000, -300)->align == Align::Left);
        const auto* footer = page.At(1900, -2770);
        QVERIFY(footer);
        QCOMPARE(footer->text, std::string("30 June 2021"));
        QVERIFY(footer->align == Align::Right);
        QVERIFY(footer->font == FontRole::PageBody);
    }

    void sides_data()
    {
        QTest::addColumn<int>("venue");
        QTest::addColumn<bool>("homeOnLeft");
        QTest::addColumn<bool>("ourLeft");
        QTest::addColumn<int>("homeLabelX"); // -1: no label
        QTest::addColumn<int>("awayLabelX");
        // The HomeOnLeftPrinter preference only ever moves us for an away match.
        QTest::newRow("home") << int(Home) << false << true << 500 << 1500;
        QTest::newRow("home, home on left") << int(Home) << true << true << 500 << 1500;
        QTest::newRow("away") << int(Away) << false << true << 1500 << 500;
        QTest::newRow("away, home on left") << int(Away) << true << false << 500 << 1500;
        QTest::newRow("neutral") << int(Neutral) << false << true << -1 << -1;
    }

    void sides()
    {
        QFETCH(int, venue);
        QFETCH(bool, homeOnLeft);
        QFETCH(bool, ourLeft);
        QFETCH(int, homeLabelX);
        QFETCH(int, awayLabelX);

        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        Fixture& f = *sheet.fixture;
        f.venue = std::uint32_t(venue);
        SetGame(f, 0, sheet.season->players[0].get(), 21, 15);
        SetGame(f, 1, nullptr, 0, 0, PlayerAbsent);
        f.games[1].opponent = "Visitor 2";
        f.result = 1;
        f.shotsFor = 60;
        f.shotsAgainst = 45;
        f.pointsFor = 3;
        f.pointsAgainst = 1;
        const PrintedPage page = Print(sheet, homeOnLeft);

        const int ourName = ourLeft ? kLeftName : kRightName;
        const int theirName = ourLeft ? kRightName : kLeftName;
        const int ourScore = ourLeft ? kLeftScore : kRightScore;
        const int theirScore = ourLeft ? kRightScore : kLeftScore;

        QCOMPARE(TextAt(page, ourLeft ? 500 : 1500, -500), QStringLiteral("Home Club"));
        QCOMPARE(TextAt(page, ourLeft ? 1500 : 500, -500), QStringLiteral("Rivals"));
        QCOMPARE(int(page.Find("Home team").size()), homeLabelX < 0 ? 0 : 1);
        QCOMPARE(int(page.Find("Away team").size()), awayLabelX < 0 ? 0 : 1);
        if (homeLabelX >= 0) {
            QCOMPARE(TextAt(page, homeLabelX, -400), QStringLiteral("Home team"));
            QCOMPARE(TextAt(page, awayLabelX, -400), QStringLiteral("Away team"));
        }

        QCOMPARE(TextAt(page, ourName, RowTop(1)), QStringLiteral("Ann Lee"));
        QCOMPARE(TextAt(page, theirName, RowTop(1)), QStringLiteral("Visitor 1"));
        QCOMPARE(TextAt(page, ourScore, RowTop(1)), QStringLiteral("21"));
        QCOMPARE(TextAt(page, theirScore, RowTop(1)), QStringLiteral("15"));
        QCOMPARE(TextAt(page, ourName, RowTop(2)), QStringLiteral("Walkover"));
        QCOMPARE(TextAt(page, theirName, RowTop(2)), QStringLiteral("Visitor 2"));
        // Totals row (row 5 of a team of four).
        QCOMPARE(TextAt(page, ourScore, RowTop(5)), QStringLiteral("60"));
        QCOMPARE(TextAt(page, theirScore, RowTop(5)), QStringLiteral("45"));
        // Points row (row 6).
        QCOMPARE(TextAt(page, ourScore, RowTop(6)), QStringLiteral("3"));
        QCOMPARE(TextAt(page, theirScore, RowTop(6)), QStringLiteral("1"));

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
        QCOMPARE(TextAt(page, 1550, top - 44),
                 weAreFirst ? QStringLiteral("3") : QStringLiteral("1"));
        QCOMPARE(TextAt(page, 1550, top - 176),
                 weAreFirst ? QStringLiteral("1") : QStringLiteral("3"));
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
        QTest::newRow("start 2, away") << 0u << 2.0 << int(Away) << 0 << 0 << true << 2 << 0;
        // A negative start goes, as a positive amount, to the home side.
        QTest::newRow("start -2, home") << 0u << -2.0 << int(Home) << 0 << 0 << true << 2 << 0;
        QTest::newRow("start -2, away") << 0u << -2.0 << int(Away) << 0 << 0 << true << 0 << 2;
        // The fraction is dropped toward zero.
        QTest::newRow("start 2.7") << 0u << 2.7 << int(Away) << 0 << 0 << true << 2 << 0;
        QTest::newRow("start 0.5: row, no amounts")
            << 0u << 0.5 << int(Home) << 0 << 0 << true << 0 << 0;
        // Fixture handicaps count only with ShowHandicaps.
        QTest::newRow("handicaps ignored") << 0u << 2.0 << int(Home) << 3 << 4 << true << 0 << 2;
        QTest::newRow("show: ours") << show << 0.0 << int(Home) << 3 << 0 << true << 3 << 0;
        QTest::newRow("show: theirs") << show << 0.0 << int(Away) << 0 << 4 << true << 0 << 4;
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

        const int y = RowTop(6);
        QCOMPARE(int(page.Find("Handicap").size()), (ours != 0) + (theirs != 0));
        QCOMPARE(TextAt(page, kLeftName, y), ours ? QStringLiteral("Handicap") : QString());
        QCOMPARE(TextAt(page, kLeftScore, y), ours ? QString::number(ours) : QString());
        QCOMPARE(TextAt(page, kRightName, y), theirs ? QStringLiteral("Handicap") : QString());
        QCOMPARE(TextAt(page, kRightScore, y), theirs ? QString::number(theirs) : QString());
        // The points row follows the handicap row.
        QCOMPARE(TextAt(page, 760, RowTop(row ? 7 : 6)), QStringLiteral("POINTS"));
    }

    void handicapMovesWithOurSide()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4, 0, 2.0f);
        sheet.fixture->venue = Away;
        const PrintedPage page = Print(sheet, true);
        // Away with the home team on the left: we, the away side, are on the right.
        QCOMPARE(TextAt(page, kRightName, RowTop(6)), QStringLiteral("Handicap"));
        QCOMPARE(TextAt(page, kRightScore, RowTop(6)), QStringLiteral("2"));
        QCOMPARE(TextAt(page, kLeftName, RowTop(6)), QString());
    }

    void groupLines_data()
    {
        QTest::addColumn<int>("scheme"); // -1: made up with groupSize
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<QList<int>>("lineRows");  // thin line under table row k
        QTest::addColumn<QList<int>>("scoreRows"); // game positions showing scores

        QTest::newRow("singles") << -1 << 1 << 4 << QList<int>{1, 2, 3} << QList<int>{0, 1, 2, 3};
        QTest::newRow("pairs of 8")
            << -1 << 2 << 8 << QList<int>{2, 4, 6} << QList<int>{0, 2, 4, 6};
        QTest::newRow("fours of 8") << -1 << 4 << 8 << QList<int>{4} << QList<int>{0, 4};
        QTest::newRow("one four") << -1 << 4 << 4 << QList<int>{} << QList<int>{0};
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
        if (scheme < 0)
            MakeSheet(sheet, groupSize, teamSize);
        else
            MakeSchemeSheet(sheet, scheme, teamSize);
        PlayAll(sheet);
        const PrintedPage page = Print(sheet);

        QList<int> expected;
        for (int k : lineRows)
            expected << -600 - 90 * (k + 1);
        QCOMPARE(HorizontalYs(page, PenRole::Hairline), expected);
        for (const auto& l : page.Horizontal(PenRole::Hairline)) {
            QCOMPARE(l.x1, 60);
            QCOMPARE(l.x2, 1860);
        }

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
        // Every position still names its player.
        for (int i = 0; i < teamSize; ++i)
            QCOMPARE(TextAt(page, kLeftName, RowTop(i + 1)),
                     QString::fromStdString(kNames[std::size_t(i)]));
    }

    void rules()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        const PrintedPage page = Print(sheet);
        // Frame, heading rule, under the games, under the points: thick.
        // Table height 90 x (4 + 2 + 1).
        QCOMPARE(FrameBottom(page), -1230);
        QCOMPARE(HorizontalYs(page, PenRole::Thick), (QList<int>{-690, -1050, -1140}));
        QList<int> thinX, thickX;
        for (const auto& l : page.lines) {
            if (l.frame || l.x1 != l.x2)
                continue;
            QCOMPARE(l.y1, -600);
            QCOMPARE(l.y2, -1230);
            (l.pen == PenRole::Thick ? thickX : thinX) << l.x1;
        }
        QCOMPARE(thinX, (QList<int>{810, 1710}));
        QCOMPARE(thickX, (QList<int>{960}));
        for (int x : {435, 1335})
            QCOMPARE(TextAt(page, x, RowTop(0)), QStringLiteral("NAME"));
        for (int x : {885, 1785})
            QCOMPARE(TextAt(page, x, RowTop(0)), QStringLiteral("SCORE"));
    }

    void gameRows_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("flipped");    // we are on the right
        QTest::addColumn<bool>("registered"); // our player is in the register
        QTest::addColumn<QString>("ourText");
        QTest::addColumn<bool>("ourItalic");
        QTest::addColumn<QString>("theirText");
        QTest::addColumn<bool>("theirItalic");
        QTest::addColumn<bool>("scores");

        const QString ann = QStringLiteral("Ann Lee"), visitor = QStringLiteral("Visitor 1");
        const QString walkover = QStringLiteral("Walkover"), none;
        for (bool flipped : {false, true}) {
            const char* side = flipped ? ", right" : "";
            QTest::addRow("played%s", side)
                << int(Played) << flipped << true << ann << false << visitor << false << true;
            QTest::addRow("opponent absent%s", side) << int(OpponentAbsent) << flipped << true
                                                     << ann << false << walkover << true << true;
            QTest::addRow("player absent%s", side) << int(PlayerAbsent) << flipped << true
                                                   << walkover << true << visitor << false << true;
            QTest::addRow("not played%s", side)
                << int(NotPlayed) << flipped << true << none << false << none << false << false;
            QTest::addRow("pending%s", side)
                << int(Pending) << flipped << true << ann << false << none << false << false;
        }
        QTest::newRow("player no longer registered")
            << int(Played) << false << false << none << false << visitor << false << true;
    }

    void gameRows()
    {
        QFETCH(int, state);
        QFETCH(bool, flipped);
        QFETCH(bool, registered);
        QFETCH(QString, ourText);
        QFETCH(bool, ourItalic);
        QFETCH(QString, theirText);
        QFETCH(bool, theirItalic);
        QFETCH(bool, scores);

        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        Player stranger;
        stranger.id = 42;
        stranger.name = "Stranger";
        Player* player = registered ? sheet.season->players[0].get() : &stranger;
        SetGame(*sheet.fixture, 0, player, 21, 7, GameState(state));
        sheet.fixture->games[0].opponent = "Visitor 1";
        sheet.fixture->venue = flipped ? Away : Home;
        const PrintedPage page = Print(sheet, flipped);

        const int y = RowTop(1);
        const int ourName = flipped ? kRightName : kLeftName;
        const int theirName = flipped ? kLeftName : kRightName;
        QCOMPARE(TextAt(page, ourName, y), ourText);
        QCOMPARE(TextAt(page, theirName, y), theirText);
        if (!ourText.isEmpty())
            QCOMPARE(page.At(ourName, y)->font == FontRole::PageItalic, ourItalic);
        if (!theirText.isEmpty())
            QCOMPARE(page.At(theirName, y)->font == FontRole::PageItalic, theirItalic);
        QCOMPARE(TextAt(page, flipped ? kRightScore : kLeftScore, y),
                 scores ? QStringLiteral("21") : QString());
        QCOMPARE(TextAt(page, flipped ? kLeftScore : kRightScore, y),
                 scores ? QStringLiteral("7") : QString());
        // Nothing else in the game rows.
        for (int row = 2; row <= 4; ++row)
            QVERIFY(page.Row(RowTop(row)).empty());
    }

    void totalsAndPoints_data()
    {
        QTest::addColumn<bool>("hideShotTotals");
        QTest::addColumn<int>("result");
        QTest::newRow("played") << false << 1;
        QTest::newRow("not played") << false << 0;
        QTest::newRow("hidden, played") << true << 3;
        QTest::newRow("hidden, not played") << true << 0;
    }

    void totalsAndPoints()
    {
        QFETCH(bool, hideShotTotals);
        QFETCH(int, result);

        Sheet sheet;
        MakeSheet(sheet, 1, 4, hideShotTotals ? std::uint32_t(HideShotTotals) : 0u);
        Fixture& f = *sheet.fixture;
        f.result = std::uint32_t(result);
        f.shotsFor = 70;
        f.shotsAgainst = 80;
        f.pointsFor = 2;
        f.pointsAgainst = 8;
        const PrintedPage page = Print(sheet);

        const bool pointsRow = !hideShotTotals;
        QCOMPARE(FrameBottom(page), -600 - 90 * (6 + (pointsRow ? 1 : 0)));
        QCOMPARE(TextAt(page, 760, RowTop(5)), QStringLiteral("TOTAL"));
        QCOMPARE(TextAt(page, 1660, RowTop(5)), QStringLiteral("TOTAL"));
        QCOMPARE(TextAt(page, kLeftScore, RowTop(5)), result ? QStringLiteral("70") : QString());
        QCOMPARE(TextAt(page, kRightScore, RowTop(5)), result ? QStringLiteral("80") : QString());
        QCOMPARE(int(page.Find("POINTS").size()), pointsRow ? 2 : 0);
        if (pointsRow) {
            QCOMPARE(TextAt(page, 1660, RowTop(6)), QStringLiteral("POINTS"));
            QVERIFY(page.At(1660, RowTop(6))->align == Align::Right);
            QCOMPARE(TextAt(page, kLeftScore, RowTop(6)), result ? QStringLiteral("2") : QString());
            QCOMPARE(TextAt(page, kRightScore, RowTop(6)),
                     result ? QStringLiteral("8") : QString());
        }
    }

    void signatureBlock()
    {
        for (int result : {1, 0}) {
            Sheet sheet;
            MakeSheet(sheet, 1, 4);
            sheet.fixture->result = std::uint32_t(result);
            sheet.fixture->pointsFor = 6;
            const PrintedPage page = Print(sheet);

            const int top = -1320; // 90 below the table, which ends at -1230
            const int lineTops[] = {top - 44, top - 176};
            for (int lineTop : lineTops) {
                QCOMPARE(TextAt(page, 200, lineTop), QStringLiteral("Signed"));
                QCOMPARE(TextAt(page, 850, lineTop), QStringLiteral("Captain"));
                QCOMPARE(TextAt(page, 1250, lineTop), QStringLiteral("MATCH POINTS"));
            }
            // At home the first line is ours.
            QCOMPARE(TextAt(page, 1550, lineTops[0]), result ? QStringLiteral("6") : QString());
            QCOMPARE(TextAt(page, 1550, lineTops[1]), result ? QStringLiteral("0") : QString());

            // Dotted rules under the text line, ascent 32 and leading 4 below its
            // top: after "Signed" (6 characters) to 850; after "MATCH POINTS"
            // (12 characters) to 1750 while there are no points to print.
            QList<QList<int>> dotted;
            for (const auto& l : page.Horizontal(PenRole::Dotted))
                dotted << QList<int>{l.x1, l.y1, l.x2};
            QList<QList<int>> expected;
            for (int lineTop : lineTops)
                expected << QList<int>{308, lineTop - 36, 850};
            if (!result) {
                for (int lineTop : lineTops)
                    expected << QList<int>{1466, lineTop - 36, 1750};
            }
            QCOMPARE(dotted, expected);
        }
    }

    void pointsAreUtf8()
    {
        Sheet sheet;
        MakeSheet(sheet, 1, 4);
        sheet.season->scheme.matchDecimals = -1; // halves shown as "½"
        sheet.fixture->result = 1;
        sheet.fixture->pointsFor = 2.5;
        const PrintedPage page = Print(sheet);
        QCOMPARE(TextAt(page, kLeftScore, RowTop(6)), QStringLiteral("2\u00BD"));
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
        QTest::newRow("landscape, team of 12") << 287 << 200 << 12 << 2000.0 / 2356;
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
        QVERIFY(!scales.empty());
        QCOMPARE(scales[0].sx, scales[0].sy);
        QVERIFY(qAbs(scales[0].sx - scale) < 1e-9);
        QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());

        // The heading stays centred on the paper and the date in its corner.
        const PrintedPage page = ReadPage(surface);
        const auto titles = page.Find("RESULT SHEET");
        QCOMPARE(int(titles.size()), 1);
        QVERIFY(qAbs(titles[0].x * scale - widthMm * 5) <= 1);
        const auto footers = page.Find("13 September 2020");
        QCOMPARE(int(footers.size()), 1);
        QVERIFY(qAbs(footers[0].x * scale - (widthMm * 10 - 100 * scale)) <= 1);
        QVERIFY(qAbs(footers[0].y * scale - (-heightMm * 10 + 100 * scale)) <= 1);
        // The surface is left unscaled.
        QCOMPARE(surface.scaleX, 1.0);
        QVERIFY(surface.origin == Point{});
    }
};

QTEST_GUILESS_MAIN(TestMatchSheet)
#include "tst_MatchSheet.moc"
