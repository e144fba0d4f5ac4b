#include "support/TestRegistry.h"
// The team summary and every player's summary of generated seasons as one golden file; the
// brought-forward fields' checks; the clipboard's text and HTML.
#include <QtTest>

#include "model/PlayerSummary.h"
#include "model/Recalculate.h"
#include "model/TeamSummary.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/ScoringFixtures.h"

namespace {

std::string Rows(const SummaryTable& table)
{
    std::string out = SummaryClipboardText(table, {});
    for (const SummaryRow& row : table.rows)
        out += " " + std::to_string(row.fixture);
    return out + "\n";
}

} // namespace

class TestSummaries : public QObject {
    Q_OBJECT

private slots:
    // Singles without shot totals (0), halves (3), singles (10), pairs (6), and twin groups
    // (87: group 1 singles, group 2 pairs) with a fixture left without a result.
    void summariesGolden()
    {
        std::string out;
        for (int scheme : {0, 3, 10, 6, 87}) {
            FakeHost host;
            SeasonPtr s = GenerateSeason(scheme, 3, host);
            Recalculate(*s, host, false);
            s->fixtures[2]->result = 0;
            const TeamSummary t = BuildTeamSummary(*s, host);
            out += "== " + t.heading + "\n" + Rows(t.table) + t.played + "/" + t.won + "/" +
                   t.lost + " " + t.pointsScored + " " + t.pointsConceded + " " +
                   t.pointsScoredAverage + " " + t.pointsConcededAverage;
            if (t.showChalks)
                out += " | " + t.chalksScored + " " + t.chalksConceded + " " +
                       t.chalksScoredAverage + " " + t.chalksConcededAverage;
            out += "\n";
            for (std::size_t i = 0; i < s->players.size(); ++i) {
                Player& p = *s->players[i];
                if (scheme == 87)
                    p.group = std::uint16_t(1 + i % 2);
                const PlayerSummary ps = BuildPlayerSummary(*s, host, p);
                out += "- " + ps.heading + " (group " + std::to_string(p.group) + ")" +
                       (ps.deletable ? " deletable" : "") +
                       (ps.broughtForward ? " brought forward" : "") + "\n" + Rows(ps.table) +
                       ps.played + "/" + ps.won + "/" + ps.lost + "/" + ps.walkovers + " " +
                       ps.scored + " " + ps.conceded + " " + ps.net + " " + ps.scoredAverage + " " +
                       ps.concededAverage + " " + ps.netAverage + "\n";
            }
        }
        // The clipboard: selected rows in table order, each once; HTML escaped; tabs and line
        // ends inside a cell become spaces.
        SummaryTable table;
        table.columns = {{"A", 10}, {"", 10}};
        table.rows = {
            {{"x & <y>", "\"q'"}, 0}, {{"plain"}, 1}, {{"tab\tin\rname", "line\nend"}, 2}};
        for (const std::vector<int>& rows : {std::vector<int>{2, 0, 2, 7}, std::vector<int>{}})
            out += "== clipboard\n" + SummaryClipboardText(table, rows) + "\n" +
                   SummaryClipboardHtml(table, rows);
        TESSEL_COMPARE_GOLDEN("model/summaries.txt", out);
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
        QFETCH(bool, valid);
        FakeHost host;
        SeasonPtr s = MakeScoringSeason(host, 10, 2, 1, {"Ann Lee"});
        Player& ann = *s->players[0];
        ann.broughtFor = 7;
        ann.broughtAgainst = stored;
        bool flag = false;
        // The valid "for" field is stored only when "against" is valid too.
        const BroughtForwardField invalid =
            ApplyBroughtForward(*s, ann, "8", typed.toStdString(), flag);
        QVERIFY(invalid == (valid ? BroughtForwardField::None : BroughtForwardField::Against));
        QTEST(ann.broughtAgainst, "kept");
        QCOMPARE(ann.broughtFor, valid ? 8 : 7);
        QCOMPARE(flag, valid); // "for" changed from 7 to 8
        QCOMPARE(s->modified, flag);
    }
};

TESSEL_TEST(TestSummaries)
#include "tst_Summaries.moc"
