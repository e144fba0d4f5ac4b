#include <QtTest>

#include <algorithm>

#include "model/Dates.h"
#include "render/PlayerSummaryPrint.h"
#include "support/FakeHost.h"
#include "support/PrintedPage.h"
#include "support/RecordingSurface.h"
#include "support/ScoringFixtures.h"

// Positions below are page coordinates worked out by hand from the recording
// surface's fake body font: 40 high with 4 of external leading (L = 44), 18
// per character (A = 18). Columns: S1 = 117 + 260 = 377, S2 = 377 + 90 + 50
// = 517, S3 = 517 + 27 + 50 = 594, S4 = 594 + 576 + 50 = 1220; the score is
// centred on (377 + 517) / 2 - 25 = 422, the venue on (517 + 594) / 2 - 25 =
// 530. The box's top is -300 - 5 L = -520, its bottom -520 - 3 L - F L - 20
// for F fixtures, and the totals start 2 L lower.

namespace {

constexpr int kSinglesSchemeIndex = 10; // "Cannock": singles
constexpr int kPairsSchemeIndex = 6;    // "Pairs aggregate"
constexpr int kFoursSchemeIndex = 5;    // "Manchester indoor BA"

constexpr int kBoxTop = -520;
constexpr int kFirstLine = -652;

int BoxBottom(int lines)
{
    return -672 - 44 * lines;
}

struct Summary {
    FakeHost host;
    SeasonPtr season;
    Player* player = nullptr; // the first in the list, printed at index 0
};

void MakeSummary(Summary& s, int schemeIndex, int fixtures, int teamSize = 4)
{
    s.season = MakeScoringSeason(s.host, schemeIndex, teamSize, fixtures,
                                 {"Ann Lee", "Bob Hart", "Cath Day", "Dan Moss"});
    QVERIFY(s.season);
    s.season->leagueName = "Vale";
    s.season->division = "Two";
    s.season->teamName = "Home Club";
    for (int f = 0; f < fixtures; ++f)
        s.season->fixtures[std::size_t(f)]->date = MakeLocalDate(2021, 5, 5 + 7 * f);
    s.player = s.season->players[0].get();
}

// Gives the fixture a result and puts the player in a position of it.
void Play(Summary& s, int fixture, int position, int scoreFor, int scoreAgainst,
          GameState state = Played)
{
    Fixture& f = *s.season->fixtures[std::size_t(fixture)];
    f.result = 1;
    SetGame(f, position, s.player, scoreFor, scoreAgainst, state);
}

PrintedPage Print(Summary& s, int widthMm = 200, int heightMm = 287, int index = 0)
{
    RecordingSurface surface;
    if (!PrintPlayerSummary(surface, s.host, *s.season, index, widthMm, heightMm))
        QTest::qFail("nothing printed", __FILE__, __LINE__);
    const std::string off = FirstOffPage(surface, widthMm, heightMm);
    if (!off.empty())
        QTest::qFail(("off the page: " + off).c_str(), __FILE__, __LINE__);
    return ReadPage(surface);
}

QString TextAt(const PrintedPage& page, int x, int y)
{
    const PrintedPage::Text* t = page.At(x, y);
    return t ? QString::fromStdString(t->text) : QString();
}

// A row's texts as "x:text", with "*" after an italic one, sorted.
QStringList RowTexts(const PrintedPage& page, int y)
{
    QStringList out;
    for (const auto& t : page.Row(y))
        out << QStringLiteral("%1:%2%3").arg(t.x).arg(QString::fromStdString(t.text),
                                                      t.font == FontRole::PageItalic ? "*" : "");
    out.sort();
    return out;
}

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

Box FrameOf(const PrintedPage& page)
{
    Box box{1 << 20, -(1 << 20), -(1 << 20), 1 << 20};
    for (const auto& l : page.lines) {
        if (!l.frame)
            continue;
        box.left = std::min({box.left, l.x1, l.x2});
        box.right = std::max({box.right, l.x1, l.x2});
        box.top = std::max({box.top, l.y1, l.y2});
        box.bottom = std::min({box.bottom, l.y1, l.y2});
    }
    return box;
}

} // namespace

class TestPlayerSummaryPrint : public QObject {
    Q_OBJECT

private slots:
    void missingPlayer()
    {
        Summary s;
        MakeSummary(s, kSinglesSchemeIndex, 2);
        RecordingSurface surface;
        for (int index : {4, -1})
            QVERIFY(!PrintPlayerSummary(surface, s.host, *s.season, index, 200, 287));
        QCOMPARE(int(s.host.messages.size()), 2);
        QCOMPARE(s.host.messages[0].text, std::string("Cannot find player to print"));
        QVERIFY(surface.Texts().empty() && surface.Frames().empty());
    }

    void heading()
    {
        Summary s;
        MakeSummary(s, kSinglesSchemeIndex, 2);
        s.season->players[1]->name = "Zo\xEB Fry"; // Windows-1252 e-diaeresis
        s.season->leagueName = "Vale \x96 North";  // Windows-1252 en dash
        s.host.now = MakeLocalDate(2021, 6, 30) + 15 * 3600;
        const PrintedPage page = Print(s, 200, 287, 1);

        QCOMPARE(TextAt(page, 1000, -100), QStringLiteral("Summary of results for:"));
        QCOMPARE(TextAt(page, 1000, -200), QStringLiteral("Zo\u00EB Fry"));
        QCOMPARE(TextAt(page, 400, -300), QStringLiteral("Vale \u2013 North"));
        QCOMPARE(TextAt(page, 200, -344), QStringLiteral("Division:"));
        QCOMPARE(TextAt(page, 400, -388), QStringLiteral("Home Club"));
        QCOMPARE(TextAt(page, 1900, -2770), QStringLiteral("30 June 2021"));
    }

    void columns_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("singles");
        QTest::newRow("singles league") << kSinglesSchemeIndex << 0 << true;
        QTest::newRow("pairs league") << kPairsSchemeIndex << 0 << false;
        // A player's own group overrides the league's.
        QTest::newRow("group 1 in a pairs league") << kPairsSchemeIndex << 1 << true;
        QTest::newRow("group 2 in a singles league") << kSinglesSchemeIndex << 2 << false;
    }

    void columns()
    {
        QFETCH(int, scheme);
        QFETCH(int, group);
        QFETCH(bool, singles);

        Summary s;
        MakeSummary(s, scheme, 3);
        s.player->group = std::uint16_t(group);
        const PrintedPage page = Print(s);

        const int right = singles ? 1846 : 1220;
        const Box box = FrameOf(page);
        QCOMPARE((QList<int>{box.left, box.top, box.right, box.bottom}),
                 (QList<int>{200, kBoxTop, right, BoxBottom(3)}));
        const auto dotted = page.Horizontal(PenRole::Dotted); // under the headings
        QCOMPARE(int(dotted.size()), 1);
        QCOMPARE((QList<int>{dotted[0].x1, dotted[0].x2, dotted[0].y1}),
                 (QList<int>{200, right, kFirstLine}));

        QStringList headings{"210:Date", "422:Score", "594:Versus"};
        if (singles)
            headings << "1220:Opponent";
        headings.sort();
        QCOMPARE(RowTexts(page, kBoxTop - 44), headings);
    }

    void rows_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("venue");
        QTest::addColumn<int>("scoreFor");
        QTest::addColumn<QStringList>("texts"); // the line's texts, empty for none

        const int singles = kSinglesSchemeIndex, pairs = kPairsSchemeIndex;
        QTest::newRow("played, singles")
            << singles << int(Played) << 1 << int(Home) << 21
            << QStringList{"1220:Visitor 1", "210:5 May", "422:21-15", "530:H", "594:Opponents 1"};
        // "%2d-%2d": a one-digit score is padded.
        QTest::newRow("played, pairs, one digit")
            << pairs << int(Played) << 3 << int(Neutral) << 9
            << QStringList{"210:5 May", "422: 9-15", "530:N", "594:Opponents 1"};
        QTest::newRow("walkover, singles")
            << singles << int(OpponentAbsent) << 1 << int(Home) << 21
            << QStringList{"1220:Walkover*", "210:5 May", "530:H", "594:Opponents 1"};
        QTest::newRow("walkover, pairs")
            << pairs << int(OpponentAbsent) << 1 << int(Home) << 21
            << QStringList{"210:5 May", "422:W/O*", "530:H", "594:Opponents 1"};
        QTest::newRow("player absent")
            << singles << int(PlayerAbsent) << 3 << int(Home) << 0 << QStringList{};
        QTest::newRow("fixture without a result")
            << singles << int(Played) << 0 << int(Home) << 21 << QStringList{};
    }

    void rows()
    {
        QFETCH(int, scheme);
        QFETCH(int, state);
        QFETCH(int, result);
        QFETCH(int, venue);
        QFETCH(int, scoreFor);
        QFETCH(QStringList, texts);

        Summary s;
        MakeSummary(s, scheme, 2);
        Fixture& f = *s.season->fixtures[0];
        Play(s, 0, 0, scoreFor, 15, GameState(state));
        f.games[0].opponent = "Visitor 1";
        f.result = std::uint32_t(result);
        f.venue = std::uint32_t(venue);
        const PrintedPage page = Print(s);

        QCOMPARE(RowTexts(page, kFirstLine), texts);
        QVERIFY(page.Row(kFirstLine - 44).empty());
    }

    void linesInFixtureOrder()
    {
        // Twice in the first fixture, absent from the second: four lines for
        // three fixtures, and the box grows so they stay out of the totals.
        Summary s;
        MakeSummary(s, kSinglesSchemeIndex, 3);
        Play(s, 0, 2, 21, 3);
        Play(s, 0, 3, 21, 12);
        Play(s, 1, 0, 21, 4);
        s.season->fixtures[1]->games[0].player = nullptr;
        Play(s, 2, 0, 21, 10);
        Play(s, 2, 1, 21, 5, OpponentAbsent);
        const PrintedPage page = Print(s);

        QCOMPARE(TextAt(page, 210, kFirstLine - 44), QStringLiteral("5 May"));
        QCOMPARE(TextAt(page, 422, kFirstLine - 44), QStringLiteral("21-12"));
        QCOMPARE(TextAt(page, 210, kFirstLine - 88), QStringLiteral("19 May"));
        QCOMPARE(TextAt(page, 1220, kFirstLine - 132), QStringLiteral("Walkover"));
        QCOMPARE(FrameOf(page).bottom, BoxBottom(4));
        // Below "Total matches" and "(including walkovers):".
        QCOMPARE(TextAt(page, 200, BoxBottom(4) - 176), QStringLiteral("Played"));
        QCOMPARE(TextAt(page, 704, BoxBottom(4) - 176), QStringLiteral("3"));
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("games"); // one fixture each: "for-against" or "W/O"
        QTest::addColumn<QStringList>("left");  // "label|number", a line each
        QTest::addColumn<QStringList>("right");

        QTest::newRow("five wins and a walkover")
            << QStringList{"21-15", "21-15", "W/O", "21-15", "21-15", "21-15"}
            << QStringList{"Total matches|", "(including walkovers):|6", "Played|5", "Won|5",
                           "Lost|0"}
            << QStringList{"Total points scored|105", "Total points conceded|75",
                           "Average points scored|21.0", "Average points conceded|15.0",
                           "Overall average|6.0"};
        QTest::newRow("no games") << QStringList{} << QStringList{"Played|0"} << QStringList{};
        // A draw is played but neither won nor lost.
        QTest::newRow("win, loss, draw")
            << QStringList{"21-15", "18-21", "20-20"} << QStringList{"Played|3", "Won|1", "Lost|1"}
            << QStringList{"Total points scored|59", "Total points conceded|56",
                           "Average points scored|19.7", "Average points conceded|18.7",
                           "Overall average|1.0"};
        QTest::newRow("behind overall")
            << QStringList{"10-21", "15-21"} << QStringList{"Played|2", "Won|0", "Lost|2"}
            << QStringList{"Total points scored|25", "Total points conceded|42",
                           "Average points scored|12.5", "Average points conceded|21.0",
                           "Overall average|-8.5"};
    }

    void totals()
    {
        QFETCH(QStringList, games);
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);

        // One fixture more than games, so that the box is not sized by them.
        const int fixtures = int(games.size()) + 1;
        Summary s;
        MakeSummary(s, kSinglesSchemeIndex, fixtures);
        for (int i = 0; i < int(games.size()); ++i) {
            const QString& g = games[i];
            if (g == QLatin1String("W/O")) {
                Play(s, i, 0, 21, 0, OpponentAbsent);
            } else {
                const QStringList scores = g.split(QLatin1Char('-'));
                Play(s, i, 0, scores[0].toInt(), scores[1].toInt());
            }
        }
        const PrintedPage page = Print(s);

        const int y0 = BoxBottom(fixtures) - 88;
        // Labels at 200 with counts right-aligned at 28 A + 200; the second
        // block's labels at 28 A + 400, totals at 60 A + 400 and averages
        // further right by the width of ".0".
        auto check = [&](const QStringList& lines, int labelX, int numberX, int averageX) {
            int y = y0;
            for (const QString& line : lines) {
                const QString label = line.section(QLatin1Char('|'), 0, 0);
                const QString number = line.section(QLatin1Char('|'), 1);
                QCOMPARE(TextAt(page, labelX, y), label);
                const int x = number.contains(QLatin1Char('.')) ? averageX : numberX;
                QCOMPARE(TextAt(page, x, y), number);
                if (!number.isEmpty())
                    QVERIFY(page.At(x, y)->align == Align::Right);
                y -= 44;
            }
            QVERIFY(TextAt(page, labelX, y).isEmpty());
        };
        check(left, 200, 704, 704);
        check(right, 904, 1480, 1516);
        if (right.isEmpty())
            QVERIFY(TextAt(page, 904, y0).isEmpty());
    }

    void fitsPage_data()
    {
        QTest::addColumn<int>("widthMm");
        QTest::addColumn<int>("heightMm");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<double>("scale");

        QTest::newRow("A4") << 200 << 287 << kSinglesSchemeIndex << 20 << 1.0;
        // The singles box reaches 1846; the pairs totals 60 A + 400 + ".0".
        QTest::newRow("narrow, pairs") << 120 << 287 << kPairsSchemeIndex << 20 << 1200.0 / 1516;
        // 100 fixtures: totals at -760 - 4400, one line 40 high, 100 for the footer.
        QTest::newRow("A4, 100 fixtures")
            << 200 << 287 << kSinglesSchemeIndex << 100 << 2870.0 / 5300;
    }

    void fitsPage()
    {
        QFETCH(int, widthMm);
        QFETCH(int, heightMm);
        QFETCH(int, scheme);
        QFETCH(int, fixtures);
        QFETCH(double, scale);

        Summary s;
        MakeSummary(s, scheme, fixtures);
        RecordingSurface surface;
        QVERIFY(PrintPlayerSummary(surface, s.host, *s.season, 0, widthMm, heightMm));
        const auto scales = surface.All(RecordingSurface::Kind::SetScale);
        QVERIFY(!scales.empty());
        QCOMPARE(scales[0].sx, scales[0].sy);
        QVERIFY(qAbs(scales[0].sx - scale) < 1e-9);
        QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());
        const PrintedPage page = ReadPage(surface);
        const auto heading = page.Find("Summary of results for:");
        QCOMPARE(int(heading.size()), 1);
        // The heading stands over the box of results, shrunk or not.
        const Box box = FrameOf(page);
        QVERIFY(qAbs(heading[0].x - (box.left + box.right) / 2) <= (box.right - box.left) / 10);
    }
};

QTEST_GUILESS_MAIN(TestPlayerSummaryPrint)
#include "tst_PlayerSummaryPrint.moc"
