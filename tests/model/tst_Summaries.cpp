#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Dates.h"
#include "model/PlayerRegister.h"
#include "model/PlayerSummary.h"
#include "model/TeamSummary.h"
#include "support/FakeHost.h"
#include "support/ScoringFixtures.h"

namespace {

constexpr int kSingles = 10;    // groups of 1
constexpr int kPairs = 6;       // groups of 2
constexpr int kTwinScheme = 87; // every name twice: group 1 singles, group 2 pairs

struct GameSpec {
    int fixture;
    int position;
    int player; // list position; -1 no player
    int scoreFor;
    int scoreAgainst;
    int state = int(Played);
};

// Fixture f: "Opponents f+1" on 5 May 2021 + f weeks, venue home, away,
// neutral in turn, with a result unless it is the last of five or more.
SeasonPtr MakeSeason(FakeHost& host, int scheme, int teamSize, int fixtures,
                     const std::vector<GameSpec>& games)
{
    SeasonPtr s =
        MakeScoringSeason(host, scheme, teamSize, fixtures, {"Ann Lee", "Bob Hart", "Cy Day"});
    for (int f = 0; f < fixtures; ++f) {
        Fixture& fixture = *s->fixtures[std::size_t(f)];
        fixture.date = MakeLocalDate(2021, 5, 5 + 7 * f);
        fixture.venue = std::uint32_t(f % 3);
        fixture.result = f == 4 ? 0 : 1;
    }
    for (const GameSpec& g : games)
        SetGame(*s->fixtures[std::size_t(g.fixture)], g.position,
                g.player < 0 ? nullptr : s->players[std::size_t(g.player)].get(), g.scoreFor,
                g.scoreAgainst, GameState(g.state));
    return s;
}

QString Text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString AllRows(const SummaryTable& table)
{
    return Text(SummaryClipboardText(table, {}));
}

QList<int> RowFixtures(const SummaryTable& table)
{
    QList<int> fixtures;
    for (const SummaryRow& row : table.rows)
        fixtures << row.fixture;
    return fixtures;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<GameSpec>)

class TestSummaries : public QObject {
    Q_OBJECT

private slots:
    // Rows, the fixture of every row, and the record, by layout.
    void playerSummary_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<std::vector<GameSpec>>("games");
        QTest::addColumn<int>("group"); // of the player shown, "Ann Lee"
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<int>>("fixtures");
        QTest::addColumn<QString>(
            "record"); // played/won/lost/walkovers scored conceded net averages

        const QString singlesHeader = "Date\tScore\t\tVersus\tOpponent";
        QTest::newRow("two wins, a tie, a loss, a walkover")
            << kSingles << 2
            << std::vector<GameSpec>{{0, 0, 0, 21, 10},
                                     {1, 1, 0, 15, 15},
                                     {2, 0, 0, 9, 21},
                                     {3, 1, 0, 21, 6},
                                     {5, 0, 0, 0, 0, int(OpponentAbsent)},
                                     {4, 0, 0, 21, 0}, // fixture without a result
                                     {6, 0, 0, 21, 0, int(Pending)},
                                     {0, 1, 1, 21, 0}}
            << 0
            << singlesHeader + "\r\n5 May\t21-10\tH\tOpponents 1\tVisitor 1"
                               "\r\n12 May\t15-15\tA\tOpponents 2\tVisitor 2"
                               "\r\n19 May\t 9-21\tN\tOpponents 3\tVisitor 1"
                               "\r\n26 May\t21- 6\tH\tOpponents 4\tVisitor 2"
                               "\r\n9 Jun\t\tN\tOpponents 6\t(Walkover)"
            << QList<int>{0, 1, 2, 3, 5} << "4/2/1/1 66 52 14 16.5 13.0 3.5";

        const QString groupHeader = "Date\t\tGroup\tScore\tVersus\tOpponent";
        QTest::newRow("pairs: the partner's row follows; an empty partner")
            << kPairs << 4
            << std::vector<GameSpec>{{0, 2, 1, 20, 21},
                                     {0, 3, 0, 20, 21},
                                     {1, 1, 0, 0, 0, int(OpponentAbsent)}}
            << 0
            << groupHeader + "\r\n5 May\tH\tBob Hart\t20-21\tOpponents 1\tVisitor 3"
                             "\r\n\t\tAnn Lee\t\t\tVisitor 4"
                             "\r\n12 May\tA\t\t\tOpponents 2\t(Walkover)"
                             "\r\n\t\tAnn Lee\t\t\t"
            << QList<int>{0, 0, 1, 1} << "1/0/1/1 20 21 -1 20.0 21.0 -1.0";
        QTest::newRow("pairs: a group cut short by the team size")
            << kPairs << 3 << std::vector<GameSpec>{{2, 2, 0, 21, 7}} << 0
            << groupHeader + "\r\n19 May\tN\tAnn Lee\t21- 7\tOpponents 3\tVisitor 3"
            << QList<int>{2} << "1/1/0/0 21 7 14 21.0 7.0 14.0";
        // Group 1 is shown one row per game whatever the scheme's group size.
        QTest::newRow("twin scheme, singles record")
            << kTwinScheme << 8 << std::vector<GameSpec>{{1, 7, 0, 21, 12}, {3, 6, 0, 15, 21}} << 1
            << singlesHeader + "\r\n12 May\t21-12\tA\tOpponents 2\tVisitor 8"
                               "\r\n26 May\t15-21\tH\tOpponents 4\tVisitor 7"
            << QList<int>{1, 3} << "2/1/1/0 36 33 3 18.0 16.5 1.5";
        QTest::newRow("nothing played: no totals")
            << kSingles << 2 << std::vector<GameSpec>{} << 0 << singlesHeader << QList<int>{}
            << "0/0/0/0      ";
    }
    void playerSummary()
    {
        QFETCH(int, scheme);
        QFETCH(int, teamSize);
        QFETCH(std::vector<GameSpec>, games);
        QFETCH(int, group);
        QFETCH(QString, rows);
        QFETCH(QList<int>, fixtures);
        QFETCH(QString, record);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, scheme, teamSize, 7, games);
        s->players[0]->group = std::uint16_t(group);
        const PlayerSummary summary = BuildPlayerSummary(*s, host, *s->players[0]);
        QCOMPARE(Text(summary.heading), QStringLiteral("Summary of results for Ann Lee"));
        QCOMPARE(AllRows(summary.table), rows);
        QCOMPARE(RowFixtures(summary.table), fixtures);
        const QString got =
            Text(summary.played + "/" + summary.won + "/" + summary.lost + "/" + summary.walkovers +
                 " " + summary.scored + " " + summary.conceded + " " + summary.net + " " +
                 summary.scoredAverage + " " + summary.concededAverage + " " + summary.netAverage);
        QCOMPARE(got, record);
    }

    // Delete is offered only while no game names the player or the twin.
    void deletable_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("state"); // of Ann's (group 2 twin's under 87) one game; -1 none
        QTest::addColumn<bool>("deletable");
        QTest::newRow("no games") << kSingles << -1 << true;
        QTest::newRow("walkovers only") << kSingles << int(OpponentAbsent) << false;
        QTest::newRow("chosen, not played") << kSingles << int(Pending) << false;
        QTest::newRow("twin has a game") << kTwinScheme << int(Played) << false;
    }
    void deletable()
    {
        QFETCH(int, scheme);
        QFETCH(int, state);
        QFETCH(bool, deletable);
        FakeHost host;
        SeasonPtr s = MakeScoringSeason(host, scheme, 8, 2);
        QVERIFY(RegisterPlayerName(*s, host, "Ann Lee"));
        Player* ann = s->players[0].get();
        if (scheme == kTwinScheme && ann->group == 2)
            ann = ann->twin;
        if (state >= 0) {
            s->fixtures[0]->result = 1;
            SetGame(*s->fixtures[0], 0, scheme == kTwinScheme ? ann->twin : ann, 21, 3,
                    GameState(state));
        }
        QCOMPARE(BuildPlayerSummary(*s, host, *ann).deletable, deletable);
        QCOMPARE(DeleteRegistration(*s, *ann), deletable);
    }

    void broughtForward_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<int>("kept"); // the value afterwards
        QTest::addColumn<bool>("valid");
        QTest::newRow("unchanged") << 12 << QByteArray("12") << 12 << true;
        QTest::newRow("beyond the arrows' range, untouched")
            << 5000 << QByteArray("5000") << 5000 << true;
        QTest::newRow("beyond 16 bits, untouched") << 70000 << QByteArray("70000") << 70000 << true;
        QTest::newRow("typed, with blanks and a sign")
            << 0 << QByteArray(" -32768 ") << -32768 << true;
        QTest::newRow("typed, plus sign") << 0 << QByteArray("+32767") << 32767 << true;
        QTest::newRow("typed beyond 16 bits") << 3 << QByteArray("-32769") << 3 << false;
        QTest::newRow("no number") << 3 << QByteArray("1o") << 3 << false;
        QTest::newRow("empty") << 3 << QByteArray("") << 3 << false;
    }
    void broughtForward()
    {
        QFETCH(int, stored);
        QFETCH(QByteArray, typed);
        QFETCH(int, kept);
        QFETCH(bool, valid);
        FakeHost host;
        SeasonPtr s = MakeScoringSeason(host, kSingles, 2, 1, {"Ann Lee"});
        Player& ann = *s->players[0];
        ann.broughtFor = 7;
        ann.broughtAgainst = stored;
        bool flag = false;
        // The valid "for" field is stored only when "against" is valid too.
        const BroughtForwardField invalid =
            ApplyBroughtForward(*s, ann, "8", typed.toStdString(), flag);
        QCOMPARE(invalid == BroughtForwardField::None, valid);
        if (!valid)
            QVERIFY(invalid == BroughtForwardField::Against);
        QCOMPARE(ann.broughtAgainst, kept);
        QCOMPARE(ann.broughtFor, valid ? 8 : 7);
        QCOMPARE(flag, valid); // "for" changed from 7 to 8
        QCOMPARE(s->modified, flag);
    }

    void teamSummary_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("figures");
        QTest::newRow("home and away, halves")
            << std::uint32_t(0) << 2
            << "Date\tHome\tH\tA\tAway\r\n5 May\tHome & <Club>\t4\xC2\xBD\t0\xC2\xBD\tOpponents 1"
               "\r\n12 May\tOpponents 2\t3\xC2\xBD\t1\xC2\xBD\tHome & <Club>"
            << "2/1/1 6 4 3.0 2.0 | 51 40 25.5 20.0";
        QTest::newRow("shot totals hidden")
            << std::uint32_t(HideShotTotals) << 2 << QString() << "2/1/1 6 4 3.0 2.0 hidden";
        QTest::newRow("nothing played") << std::uint32_t(0) << 0 << "Date\tHome\tH\tA\tAway"
                                        << "0/0/0     |    ";
    }
    void teamSummary()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(int, played);
        QFETCH(QString, rows);
        QFETCH(QString, figures);
        FakeHost host;
        ScoringScheme scheme;
        scheme.groupSize = 1;
        scheme.target = 21;
        scheme.matchDecimals = -1;
        scheme.flags = flags;
        SeasonPtr s = MakeCustomSeason(host, scheme, 2, 3);
        s->teamName = "Home & <Club>";
        const double ours[] = {4.5, 1.5}, theirs[] = {0.5, 3.5};
        for (int f = 0; f < 3; ++f) {
            Fixture& fixture = *s->fixtures[std::size_t(f)];
            fixture.date = MakeLocalDate(2021, 5, 5 + 7 * f);
            fixture.venue = f == 1 ? Away : Home;
            if (f < played) {
                fixture.result = f == 0 ? 1 : 3;
                fixture.pointsFor = ours[f];
                fixture.pointsAgainst = theirs[f];
            }
        }
        if (played > 0) {
            s->matchesPlayed = 2;
            s->matchesWon = 1;
            s->matchesLost = 1;
            s->pointsFor = 6;
            s->pointsAgainst = 4;
            s->shotsFor = 51;
            s->shotsAgainst = 40;
        }
        const TeamSummary summary = BuildTeamSummary(*s, host);
        QCOMPARE(Text(summary.heading), QStringLiteral("Summary of results for Home & <Club>"));
        if (!rows.isEmpty())
            QCOMPARE(AllRows(summary.table), rows);
        QString got = Text(summary.played + "/" + summary.won + "/" + summary.lost + " " +
                           summary.pointsScored + " " + summary.pointsConceded + " " +
                           summary.pointsScoredAverage + " " + summary.pointsConcededAverage);
        if (summary.showChalks)
            got += Text(" | " + summary.chalksScored + " " + summary.chalksConceded + " " +
                        summary.chalksScoredAverage + " " + summary.chalksConcededAverage);
        else
            got += QStringLiteral(" hidden");
        QCOMPARE(got, figures);
    }

    void clipboard_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        const QString head = "<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n"
                             "<tr><th>A</th><th></th></tr>\n";
        const QString row0 = "<tr><td>x &amp; &lt;y&gt;</td><td>&quot;q&#39;</td></tr>\n";
        const QString row2 = "<tr><td>tab in name</td><td>line end</td></tr>\n";
        const QString tail = "</table>\n</body></html>\n";
        QTest::newRow("two selected, out of order and twice")
            << QList<int>{2, 0, 2, 7} << "A\t\r\nx & <y>\t\"q'\r\ntab in name\tline end"
            << head + row0 + row2 + tail;
        QTest::newRow("none selected: all rows")
            << QList<int>{} << "A\t\r\nx & <y>\t\"q'\r\nplain\t\r\ntab in name\tline end"
            << head + row0 + "<tr><td>plain</td><td></td></tr>\n" + row2 + tail;
    }
    void clipboard()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, text);
        QFETCH(QString, html);
        SummaryTable table;
        table.columns = {{"A", 10}, {"", 10}};
        table.rows = {
            {{"x & <y>", "\"q'"}, 0}, {{"plain"}, 1}, {{"tab\tin\rname", "line\nend"}, 2}};
        const std::vector<int> rows(selected.begin(), selected.end());
        QCOMPARE(Text(SummaryClipboardText(table, rows)), text);
        QCOMPARE(Text(SummaryClipboardHtml(table, rows)), html);
    }
};

TESSEL_TEST(TestSummaries)
#include "tst_Summaries.moc"
