#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"
#include "support/ScoringFixtures.h"

namespace {

Fixture& FixtureOf(Season& season, int index)
{
    return *season.fixtures.at(static_cast<std::size_t>(index));
}

Player& PlayerOf(Season& season, int position)
{
    return *season.players.at(static_cast<std::size_t>(position));
}

ScoringScheme CustomWeights(int weightIndex, float value)
{
    ScoringScheme scheme;
    scheme.groupSize = 1;
    scheme.target = 21;
    scheme.weight[static_cast<std::size_t>(weightIndex)] = value;
    scheme.forWeight = 1;
    scheme.againstWeight = 1;
    scheme.matchDecimals = 1;
    return scheme;
}

// One token per team position: "21-18" played, "W" a walkover to us (21-0),
// "A" a walkover to them (0-21), "-" left NotPlayed.
void PlayTokens(Fixture& f, const QByteArray& games)
{
    int i = 0;
    for (const QByteArray& token : games.split(' ')) {
        if (token == "W")
            SetGame(f, i, nullptr, 21, 0, OpponentAbsent);
        else if (token == "A")
            SetGame(f, i, nullptr, 0, 21, PlayerAbsent);
        else if (token != "-")
            SetGame(f, i, nullptr, token.split('-')[0].toInt(), token.split('-')[1].toInt());
        ++i;
    }
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void formatPoints_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("padded to three") << 0 << 5.0 << QByteArray("  5");
        QTest::newRow("wider than three") << 0 << 1234.0 << QByteArray("1234");
        QTest::newRow("tie to even down") << 0 << 2.5 << QByteArray("  2");
        QTest::newRow("one decimal") << 1 << 4.25 << QByteArray("4.2");
        QTest::newRow("half") << -1 << 4.5 << QByteArray("4\xBD");
        // Twice 2.75 is 5.5, which rounds to the even 6: no half sign.
        QTest::newRow("three quarters") << -1 << 2.75 << QByteArray("2");
        QTest::newRow("near a half") << -1 << 2.3 << QByteArray("2\xBD");
        QTest::newRow("negative half") << -1 << -0.5 << QByteArray("-1\xBD");
    }
    void formatPoints()
    {
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        Season season;
        season.scheme.matchDecimals = decimals;
        QCOMPARE(QByteArray::fromStdString(FormatPoints(season, value)), text);
    }

    // The leagues' worked examples, one fixture each.
    void fixturePoints_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("venue");
        QTest::addColumn<QByteArray>("games");
        QTest::addColumn<int>("awayHandicap");
        QTest::addColumn<double>("ours");
        QTest::addColumn<double>("theirs");
        QTest::addColumn<int>("result");      // -1: not checked
        QTest::addColumn<QByteArray>("text"); // empty: not checked
        const int H = Home, A = Away;
        QTest::newRow("Aggregate 21-18") << 0 << H << QByteArray("21-18 - - -") << 0 << 21.0 << 18.0
                                         << 1 << QByteArray(" 21- 18");
        // "Warrington & N Ches (Mon)": 5 won, 3 lost, 160-152; start 10 at home.
        const QByteArray w = "21-18 21-18 21-18 21-18 21-17 18-21 18-21 ";
        QTest::newRow("Warrington home, margin 8") << 20 << H << w + "19-21" << 0 << 5.0 << 6.0 << 3 << QByteArray();
        QTest::newRow("Warrington away, margin 8") << 20 << A << w + "19-21" << 0 << 8.0 << 3.0 << 1 << QByteArray();
        QTest::newRow("Warrington home, margin 10") << 20 << H << w + "21-21" << 0 << 6.0 << 4.0 << 1 << QByteArray();
        QTest::newRow("Warrington home, margin 11") << 20 << H << w + "22-21" << 0 << 8.0 << 2.0 << 1 << QByteArray();
        // "Airedale & Wharfedale": ten points shared by shot difference.
        QTest::newRow("Airedale d 25") << 44 << H << QByteArray("46-21") << 0 << 14.0 << 7.0 << -1 << QByteArray();
        QTest::newRow("Airedale d 10") << 44 << H << QByteArray("31-21") << 0 << 12.0 << 9.0 << -1 << QByteArray();
        QTest::newRow("Airedale d 11") << 44 << H << QByteArray("32-21") << 0 << 13.0 << 8.0 << -1 << QByteArray();
        QTest::newRow("Airedale d 100") << 44 << H << QByteArray("121-21") << 0 << 21.0 << 0.0 << -1 << QByteArray();
        QTest::newRow("Airedale d -25") << 44 << H << QByteArray("21-46") << 0 << 7.0 << 14.0 << -1 << QByteArray();
        // "Rotherham Friday doubles", LevelDrawFive: the away handicap at either venue.
        QTest::newRow("Rotherham level") << 56 << H << QByteArray("21-21 21-21") << 0 << 5.0 << 5.0 << -1 << QByteArray();
        QTest::newRow("Rotherham one up") << 56 << H << QByteArray("22-21 22-21") << 0 << 4.0 << 0.0 << -1 << QByteArray();
        QTest::newRow("Rotherham handicap 3, -3") << 56 << H << QByteArray("18-21 18-21") << 3 << 5.0 << 5.0 << -1 << QByteArray();
        // "Airedale & Wharfedale vets": score bands of every record.
        QTest::newRow("game band points") << 78 << H << QByteArray("21-15 18-10 W A 4-9") << 0 << 14.0 << 11.0 << -1 << QByteArray();
        // "Manchester indoor BA" (fours): undecided counts positions, not games.
        QTest::newRow("undecided positions") << 5 << H << QByteArray("21-15 21-15 21-15 21-15 18-18 18-18 18-18 18-18")
                                             << 0 << 9.0 << 7.0 << -1 << QByteArray();
        // "Stockport & district": halves shown as "½".
        QTest::newRow("Stockport away") << 3 << A << QByteArray("21-10 21-10 21-10 10-21") << 0 << 7.5 << 1.0
                                        << 1 << QByteArray("7\xBD-1");
        QTest::newRow("Stockport home") << 3 << H << QByteArray("21-10 21-10 21-10 10-21") << 0 << 6.0 << 1.5
                                        << 1 << QByteArray("6-1\xBD");
    }
    void fixturePoints()
    {
        QFETCH(int, scheme);
        QFETCH(int, venue);
        QFETCH(QByteArray, games);
        QFETCH(int, awayHandicap);
        QFETCH(double, ours);
        QFETCH(double, theirs);
        QFETCH(int, result);
        QFETCH(QByteArray, text);
        FakeHost host;
        auto season = MakeScoringSeason(host, scheme, int(games.count(' ')) + 1, 1);
        season->awayHandicap = awayHandicap;
        Fixture& f = FixtureOf(*season, 0);
        f.venue = std::uint32_t(venue);
        PlayTokens(f, games);
        ScoreFixture(*season, f, nullptr, true);
        QCOMPARE(f.pointsFor, ours);
        QCOMPARE(f.pointsAgainst, theirs);
        if (result >= 0)
            QCOMPARE(int(f.result), result);
        if (!text.isEmpty())
            QCOMPARE(QByteArray::fromStdString(f.resultText), text);
        QCOMPARE(season->matchesPlayed, 1);
        QCOMPARE(season->pointsFor, ours);
        QCOMPARE(season->pointsAgainst, theirs);
    }

    // "Bebbington & district": w9 2, w10 1, w11 2, w12 1, w13 1, w14 0.5.
    void twoLegs_data()
    {
        QTest::addColumn<int>("secondFor");
        QTest::addColumn<int>("secondAgainst");
        QTest::addColumn<QByteArray>("text");
        // Lost 60-70 after winning 80-60: aggregate 140-130.
        QTest::newRow("aggregate won") << 60 << 70 << QByteArray("1-2");
        QTest::newRow("aggregate level") << 60 << 80 << QByteArray("0\xBD-2\xBD");
        QTest::newRow("aggregate lost") << 50 << 90 << QByteArray("0-3");
    }
    void twoLegs()
    {
        QFETCH(int, secondFor);
        QFETCH(int, secondAgainst);
        QFETCH(QByteArray, text);
        FakeHost host;
        auto season = MakeScoringSeason(host, 9, 1, 2);
        Fixture& first = FixtureOf(*season, 0);
        Fixture& second = FixtureOf(*season, 1);
        first.venue = Away;
        first.opponent = "Bebbington Legion";
        second.opponent = "BEBBINGTON legion";
        SetScores(first, {{80, 60}});
        SetScores(second, {{secondFor, secondAgainst}});
        Recalculate(*season, host, false);
        QCOMPARE(second.returnLeg, &first);
        QVERIFY(!first.returnLeg);
        QCOMPARE(first.resultText, std::string("2-0"));
        QCOMPARE(QByteArray::fromStdString(second.resultText), text);
        QCOMPARE(int(second.result), 3);
    }

    // "North Derbyshire": 10 points off for a reserve, "(2)" after a space.
    void reservePenalty_data()
    {
        QTest::addColumn<QByteArray>("ourName");
        QTest::addColumn<QByteArray>("theirName");
        QTest::addColumn<double>("ours");
        QTest::addColumn<double>("theirs");
        QTest::newRow("our reserve") << QByteArray("A. Smith (2)") << QByteArray("B. Jones") << 11.0 << 15.0;
        QTest::newRow("no space before (2)") << QByteArray("A. Smith(2)") << QByteArray("B. Jones") << 21.0 << 15.0;
        QTest::newRow("their reserve") << QByteArray("A. Smith") << QByteArray("B. Jones (2)") << 21.0 << 5.0;
        QTest::newRow("(3) is no reserve") << QByteArray("A. Smith (3)") << QByteArray("B. Jones") << 21.0 << 15.0;
    }
    void reservePenalty()
    {
        QFETCH(QByteArray, ourName);
        QFETCH(QByteArray, theirName);
        QFETCH(double, ours);
        QFETCH(double, theirs);
        FakeHost host;
        auto season = MakeScoringSeason(host, 42, 2, 1, {ourName.toStdString()});
        Fixture& f = FixtureOf(*season, 0);
        SetGame(f, 0, &PlayerOf(*season, 0), 21, 15);
        f.games[0].opponent = theirName.toStdString();
        ScoreFixture(*season, f, nullptr, true);
        QCOMPARE(f.pointsFor, ours);
        QCOMPARE(f.pointsAgainst, theirs);
    }

    void reservePenaltyOnlyForCountedGames()
    {
        FakeHost host;
        auto season = MakeScoringSeason(host, 42, 3, 1, {"A. Smith (2)", "C. Brown (2)"});
        Fixture& f = FixtureOf(*season, 0);
        SetGame(f, 0, &PlayerOf(*season, 0), 21, 15);
        // Unplayed: charged on the record but not counted.
        SetGame(f, 1, &PlayerOf(*season, 1), 0, 0, Pending);
        // A walkover to the opponent has no player of ours, whoever the
        // record still names.
        SetGame(f, 2, &PlayerOf(*season, 1), 0, 21, PlayerAbsent);
        ScoreFixture(*season, f, nullptr, true);
        QCOMPARE(f.games[1].penaltyFor, 10);
        QCOMPARE(f.games[2].penaltyFor, 0);
        QCOMPARE(f.pointsFor, 21.0 - 10);
        QCOMPARE(f.pointsAgainst, 15.0 + 21);
        QCOMPARE(PlayerOf(*season, 1).appearances, std::uint16_t(0));

        // The editor's typed name stands in for the record's.
        const std::string typed = "A. Smith (2)";
        PlayerOf(*season, 0).name = "A. Smith";
        ReservePenalty(*season, f.games[0], Side::Theirs, &typed);
        QCOMPARE(f.games[0].penaltyAgainst, 10);
    }

    // Walkovers and games without a resolved player: who is credited with what.
    void walkoversAndCredits()
    {
        FakeHost host;
        auto season = MakeScoringSeason(host, 0, 5, 1, {"A. One", "B. Two", "C. Three"});
        Fixture& f = FixtureOf(*season, 0);
        f.venue = Away;
        SetGame(f, 0, &PlayerOf(*season, 0), 21, 0, OpponentAbsent);
        SetGame(f, 1, &PlayerOf(*season, 1), 0, 0, OpponentAbsent);
        SetGame(f, 2, &PlayerOf(*season, 2), 0, 21, PlayerAbsent);
        SetGame(f, 3, &PlayerOf(*season, 1), 21, 10);
        f.games[3].playerId = 0;   // stale id: the pointer decides
        SetGame(f, 4, nullptr, 21, 10);
        f.games[4].playerId = 0;   // no player named: nobody is credited
        ScoreFixture(*season, f, nullptr, true);
        const Player& one = PlayerOf(*season, 0);
        QCOMPARE(one.awayAppearances, std::uint16_t(1));
        QCOMPARE(one.played, std::uint16_t(0));
        QCOMPARE(f.games[1].state, std::uint32_t(NotPlayed));
        QCOMPARE(PlayerOf(*season, 1).appearances, std::uint16_t(1));
        QCOMPARE(PlayerOf(*season, 2).appearances, std::uint16_t(0));
        QCOMPARE(f.shotsFor, 21 + 42);
        QCOMPARE(f.shotsAgainst, 21 + 20);
    }

    void pairs()
    {
        FakeHost host;
        auto season = MakeScoringSeason(host, 6, 8, 1, {"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7"});
        Fixture& f = FixtureOf(*season, 0);
        for (int i = 0; i < 8; ++i)
            SetGame(f, i, &PlayerOf(*season, i), 21, 15);
        ScoreFixture(*season, f, nullptr, true);
        // A pair's game counts once but credits both players.
        QCOMPARE(f.shotsFor, 84);
        QCOMPARE(f.shotsAgainst, 60);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(PlayerOf(*season, i).won, std::uint16_t(1));
    }

    void notPlayedFixture()
    {
        FakeHost host;
        auto season = MakeScoringSeason(host, 0, 2, 1, {"A. One"});
        Fixture& f = FixtureOf(*season, 0);
        f.resultText = "stale";
        f.result = 1;
        SetGame(f, 0, &PlayerOf(*season, 0), 0, 0, Pending);
        SetGame(f, 1, nullptr, 21, 3, NotPlayed);
        RecordingDisplay display;
        ScoreFixture(*season, f, &display, true);
        QCOMPARE(f.result, 0u);
        QVERIFY(f.resultText.empty());
        QCOMPARE(f.pointsFor, 0.0);
        QCOMPARE(season->matchesPlayed, 0);
        QCOMPARE(display.cleared, 1);
        QCOMPARE(display.pointsShown, 0);
    }

    void editorDisplayAndHandicap()
    {
        // "Fazackerley Furnishings veterans": w9 2, w10 1, w11 3, w12 2, handicaps.
        FakeHost host;
        auto season = MakeScoringSeason(host, 54, 1, 1);
        Fixture& f = FixtureOf(*season, 0);
        SetScores(f, {{60, 63}});
        f.handicap = 5;       // the editor's own figure
        f.oppHandicap = 1;
        RecordingDisplay display;
        ScoreFixture(*season, f, &display, false);
        // 60 + 5 - (63 + 1) = 1 > 0: we win.
        QCOMPARE(display.theirShots, 63);
        QCOMPARE(display.ourPoints, std::string("  2"));
        QCOMPARE(display.theirPoints, std::string("  0"));
        QCOMPARE(f.result, 1u);

        // Recalculation reads the season's handicap for the venue instead.
        season->homeHandicap = 4;
        season->awayHandicap = 9;
        ScoreFixture(*season, f, nullptr, true);
        // 60 + 4 - 64 = 0: a drawn match, but the away side's draw is worth more.
        QCOMPARE(f.result, 3u);
        QCOMPARE(f.pointsFor, 1.0);
        QCOMPARE(f.pointsAgainst, 2.0);
        f.venue = Away;
        // Away: (63 + 1) - (60 + 9) = -5 below the start: the home side loses.
        ScoreFixture(*season, f, nullptr, true);
        QCOMPARE(f.pointsFor, 3.0);
        QCOMPARE(f.pointsAgainst, 0.0);
    }

    // 0.1 per shot: 0.1f * 3 in extended precision is not 0.3f; the stored
    // points compare the single-precision values. The result text holds at most
    // eleven characters.
    void customPointsAndText_data()
    {
        QTest::addColumn<float>("perShot");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("shotsFor");
        QTest::addColumn<int>("shotsAgainst");
        QTest::addColumn<double>("ours");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("single precision") << 0.1f << 1 << 3 << 1
            << double(static_cast<float>(3 * static_cast<long double>(0.1f))) << QByteArray("0.3-0.1");
        QTest::newRow("text cut at eleven") << 1.0f << 3 << 1234 << 5678 << 1234.0
                                            << QByteArray("1234.000-56");
    }
    void customPointsAndText()
    {
        QFETCH(float, perShot);
        QFETCH(int, decimals);
        QFETCH(int, shotsFor);
        QFETCH(int, shotsAgainst);
        QFETCH(double, ours);
        QFETCH(QByteArray, text);
        FakeHost host;
        ScoringScheme scheme = CustomWeights(0, perShot);
        scheme.weight[2] = perShot;
        scheme.matchDecimals = decimals;
        auto season = MakeCustomSeason(host, scheme, 1, 1);
        Fixture& f = FixtureOf(*season, 0);
        SetScores(f, {{shotsFor, shotsAgainst}});
        ScoreFixture(*season, f, nullptr, true);
        QCOMPARE(f.pointsFor, ours);
        QCOMPARE(season->pointsFor, ours);
        QCOMPARE(QByteArray::fromStdString(f.resultText), text);
    }
};

TESSEL_TEST(TestScoring)
#include "tst_Scoring.moc"
