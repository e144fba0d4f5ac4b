#include "support/TestRegistry.h"
// Whole-season scoring and ranking under every scheme, on seasons made up from a seed:
// a golden file of every derived figure, and invariants that hold for any season.
#include <QtTest>

#include <set>

#include "model/Recalculate.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/SeasonDump.h"

class TestGeneratedSeasons : public QObject {
    Q_OBJECT

private slots:
    void everySchemeGolden()
    {
        std::string out;
        for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
            FakeHost host;
            SeasonPtr season = GenerateSeason(scheme, 1, host);
            Recalculate(*season, host, false);
            out += DumpSeason(*season);
        }
        TESSEL_COMPARE_GOLDEN("model/generated-seasons.txt", out);
    }

    void invariants()
    {
        for (unsigned seed = 2; seed < 6; ++seed) {
            for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
                FakeHost host;
                SeasonPtr season = GenerateSeason(scheme, seed, host);
                Recalculate(*season, host, false);
                const std::string once = DumpSeason(*season);
                Recalculate(*season, host, false);
                const std::string twice = tessel::test::textMismatch(once, DumpSeason(*season));
                QVERIFY2(twice.empty(), twice.c_str());             // nothing accumulates
                QVERIFY(host.waitCalls > 0 && host.waitDepth == 0); // the wait cursor restored
                const Season& s = *season;
                int won = 0, lost = 0, played = 0, shotsFor = 0;
                for (const auto& f : s.fixtures) {
                    played += f->result != 0;
                    won += f->result == 1;
                    lost += f->result == 3;
                    shotsFor += f->shotsFor;
                }
                QCOMPARE(s.matchesPlayed, played);
                QCOMPARE(s.matchesWon, won);
                QCOMPARE(s.matchesLost, lost);
                if (!s.scheme.Has(KeepHandicaps))
                    QCOMPARE(s.shotsFor, shotsFor);
                std::set<int> rows;
                for (const auto& p : s.players) {
                    QVERIFY(p->won + p->drawn <= p->played);
                    QVERIFY(p->played <= p->appearances);
                    QCOMPARE(p->homeAppearances + p->awayAppearances, int(p->appearances));
                    QCOMPARE(p->homePlayed + p->awayPlayed, int(p->played));
                    rows.insert(s.playerRow[p->id]);
                }
                QCOMPARE(int(rows.size()), s.playerCount); // one row each
            }
        }
    }
};

TESSEL_TEST(TestGeneratedSeasons)
#include "tst_GeneratedSeasons.moc"
