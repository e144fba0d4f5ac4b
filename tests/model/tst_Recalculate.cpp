#include "support/TestRegistry.h"
#include <QtTest>

#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"
#include "support/ScoringFixtures.h"

namespace {

// Fills the games of the first player of season, one fixture per game from
// fixture 0 on: "21-15h" played at home, "18-21a" away, "wh" / "wa" a
// walkover to us at home / away.
void PlayGames(Season& season, const QString& games)
{
    Player* player = season.players.at(0).get();
    int f = 0;
    for (const QString& token : games.split(' ', Qt::SkipEmptyParts)) {
        Fixture& fixture = *season.fixtures.at(static_cast<std::size_t>(f++));
        fixture.venue = token.endsWith('a') ? Away : Home;
        if (token.startsWith('w')) {
            SetGame(fixture, 0, player, int(season.gameTarget[0]), 0, OpponentAbsent);
            continue;
        }
        const QStringList scores = token.chopped(1).split('-');
        SetGame(fixture, 0, player, scores.at(0).toInt(), scores.at(1).toInt());
    }
}

int GameCount(const QString& games)
{
    return int(games.split(' ', Qt::SkipEmptyParts).size());
}

QStringList Names(const Season& season)
{
    QStringList names;
    for (const auto& p : season.players)
        names << QString::fromStdString(p->name);
    return names;
}

Player& Add(Season& season, const std::string& name, int appearances, int played, int won,
            double measure, int group = 0)
{
    auto player = std::make_unique<Player>();
    player->id = static_cast<std::uint16_t>(season.players.size());
    player->name = name;
    player->surnameAt = SplitName(name);
    player->appearances = static_cast<std::uint16_t>(appearances);
    player->played = static_cast<std::uint16_t>(played);
    player->won = static_cast<std::uint16_t>(won);
    player->measure = measure;
    player->group = static_cast<std::uint16_t>(group);
    season.players.push_back(std::move(player));
    season.playerCount = static_cast<std::int32_t>(season.players.size());
    return *season.players.back();
}

// The measure flags in the order in which the first present one decides.
const std::uint32_t kMeasureFlags[] = {
    BestSix,     AwayBandPoints,     WinMeritShotTieBreak, BandedAverage,
    WinMeritWalkoverTieBreak, WinRatioPlusShotRatio, ShotRatioBroughtForward,
    BandedAverageAway, ShotRatio, WinMerit, MarginPoints, BandPointsHomeAway, WalkoverPoints,
    0,   // none: the default measure
};

} // namespace

class TestRecalculate : public QObject {
    Q_OBJECT

private slots:
    void measure_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("games");
        QTest::addColumn<int>("extraFixtures");   // fixtures left unplayed
        QTest::addColumn<int>("broughtFor");
        QTest::addColumn<int>("broughtAgainst");
        QTest::addColumn<double>("measure");

        // "Bebbington & district", margins 10, 8, 8, 5, 3, 1, -4.
        QTest::newRow("best six")
            << 9 << "21-11a 21-13h 21-13h 21-16h 21-18h 21-20h 17-21h" << 0 << 0 << 0 << 35.0;
        // "Black Horse BC".
        QTest::newRow("away band points")
            << 85 << "21-5a 20-21a 16-21a 15-21a 21-19h 20-21h" << 0 << 0 << 0 << 15.0;
        // "Bolton & district".
        QTest::newRow("win merit, shot tie-break")
            << 61 << "21-10a 21-15h 10-21h" << 0 << 0 << 0 << 5.000113043478261;
        // "Clough Hall BC".
        QTest::newRow("banded average")
            << 46 << "21-5a 20-21a 21-5h 20-21h 15-21a 9-21h" << 0 << 0 << 0 << 4.5;
        // "Coventry & district".
        QTest::newRow("win merit, walkover tie-break")
            << 59 << "21-10a 21-19h wh wa" << 0 << 0 << 0 << 5.102899998426437;
        // "Formby & district".
        QTest::newRow("win ratio plus shot ratio")
            << 50 << "21-15h 21-15h 8-20h" << 0 << 0 << 0 << 1.6666666269302368;
        // "Furness": walkovers count at full score once the season is over.
        QTest::newRow("brought forward, season open")
            << 38 << "21-10h wh" << 1 << 100 << 50 << 2.0166666507720947;
        QTest::newRow("brought forward, season over")
            << 38 << "21-10h wh" << 0 << 100 << 50 << 2.366666555404663;
        // "Knypersley BC".
        QTest::newRow("banded average, away scale")
            << 63 << "21-5a 20-21a 16-21a 12-21a 8-21a 4-21a 3-21a 21-5h" << 0 << 0 << 0 << 3.625;
        // "Maltby & district", "Bolton Parks vets" (target 15).
        QTest::newRow("shot ratio") << 58 << "21-15h 21-15a 9-20h" << 0 << 0 << 0
                                    << 1.0199999809265137;
        QTest::newRow("shot ratio, nothing against") << 58 << "21-0h" << 2 << 0 << 0 << 64.0;
        // "Turton": a win away and two at home, whatever the scores.
        QTest::newRow("win merit") << 68 << "21-20a 21-0h 25-24h 10-21a" << 0 << 0 << 0 << 7.0;
        // "RSJC": -1, 0, 0, 2, 2, 3 and an away loss by 11 (-1 + 1).
        QTest::newRow("margin points")
            << 45 << "14-21h 15-21h 21-21h 22-21h 21-10h 21-9h 10-21a" << 0 << 0 << 0 << 6.0;
        // "Deers Leap BC" and "Selly Park BC".
        QTest::newRow("band points home and away")
            << 79 << "20-21a 17-21a 15-21a 14-21a 21-9a 21-10a 9-21h 21-9h 21-10h 20-21h" << 0
            << 0 << 0 << 19.0;
        // "Kearsley Park BC" (target 15).
        QTest::newRow("walkover points")
            << 80 << "wh 15-10a 10-15a 9-15a 15-14h 14-14h" << 0 << 0 << 0 << 7.0;
        // "Aggregate": (60 - 56) / 3 in single precision.
        QTest::newRow("average") << 0 << "21-15h 18-21a 21-20h" << 0 << 0 << 0
                                 << 1.3333333730697632;
        QTest::newRow("average, no game") << 0 << "wh" << 0 << 0 << 0 << -40.0;
        // "Shropshire premier": net shots, not divided.
        QTest::newRow("net shots") << 18 << "21-15h 10-21a" << 0 << 0 << 0 << -5.0;
        // "North Derbyshire ladies": a walkover is worth 10 shots and one game.
        QTest::newRow("walkover credit") << 40 << "21-11h wh" << 0 << 0 << 0 << 10.0;
        // "Mid-Cheshire": net shots per game scaled to appearances, home and away.
        QTest::newRow("pro rata") << 25 << "21-15h wh 10-21a" << 0 << 0 << 0 << 1.0;
        // "Congleton": shots for only.
        QTest::newRow("shots for") << 23 << "21-15h 10-21a" << 0 << 0 << 0 << 31.0;
    }
    void measure()
    {
        QFETCH(int, scheme);
        QFETCH(QString, games);
        QFETCH(int, extraFixtures);
        QFETCH(int, broughtFor);
        QFETCH(int, broughtAgainst);
        QFETCH(double, measure);
        FakeHost host;
        auto season = MakeScoringSeason(host, scheme, 1, GameCount(games) + extraFixtures,
                                        {"A. Player", "B. Other"});
        PlayGames(*season, games);
        season->players[0]->broughtFor = broughtFor;
        season->players[0]->broughtAgainst = broughtAgainst;
        // Twice: a second run starts again from the games (pro rata scales them).
        Recalculate(*season, host, false);
        Recalculate(*season, host, false);
        QCOMPARE(season->PlayerById(0)->measure, measure);
    }

    // A custom scheme with two measure flags: the earlier in the order decides.
    void measurePriority_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<double>("measure");
        // Values of each measure alone for the games used below.
        const double alone[] = {32, 23, 10.000118181818182, 5.142857142857143, 10.10300000011921,
                                1.753246784210205, 1.3727272748947144, 5.285714285714286,
                                1.1818181276321411, 10, 11, 15, 12, 20};
        const std::size_t n = std::size(kMeasureFlags);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i; j < n; ++j)
                QTest::addRow("%zu and %zu", i, j)
                    << (kMeasureFlags[i] | kMeasureFlags[j]) << alone[i];
        QTest::addRow("second band points flag") << std::uint32_t(BandPointsHomeAway2) << 15.0;
    }
    void measurePriority()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(double, measure);
        FakeHost host;
        ScoringScheme scheme;
        scheme.groupSize = 1;
        scheme.target = 21;
        scheme.forWeight = scheme.againstWeight = 1;
        scheme.flags = flags;
        const QString games = "21-10a 21-15h 9-21h wh 20-21a 21-3a 17-21h 21-19h";
        auto season = MakeCustomSeason(host, scheme, 1, GameCount(games), {"A. Player"});
        PlayGames(*season, games);
        Recalculate(*season, host, false);
        QCOMPARE(season->players[0]->measure, measure);
    }

    // "Stockport & district" in a season of 20 fixtures: the average plus the
    // appearances, at most 18.
    void addAppearances_data()
    {
        QTest::addColumn<int>("appearances");
        QTest::addColumn<double>("measure");
        QTest::newRow("12") << 12 << 6.0 + 12;
        QTest::newRow("18") << 18 << 6.0 + 18;
        QTest::newRow("19") << 19 << 6.0 + 18;
    }
    void addAppearances()
    {
        QFETCH(int, appearances);
        QFETCH(double, measure);
        FakeHost host;
        auto season = MakeScoringSeason(host, 3, 1, 20, {"A. Player"});
        QStringList games;
        for (int i = 0; i < appearances; ++i)
            games << "21-15h";
        PlayGames(*season, games.join(' '));
        Recalculate(*season, host, false);
        QCOMPARE(season->players[0]->measure, measure);
    }

    void teamTotals_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<double>("pointsFor");
        QTest::addColumn<double>("pointsAgainst");
        QTest::addColumn<double>("teamAverage");
        // Shots 42-33 and 20-22 in two of three fixtures, 2 games won in the
        // first, 1 won and 1 lost in the second.
        QTest::newRow("aggregate per match") << 0 << 62.0 << 55.0 << (42.0 + 20) / 2;
        QTest::newRow("points total") << 18 << 4.0 + 1 << 0.0 + 3 << 5.0;
    }
    void teamTotals()
    {
        QFETCH(int, scheme);
        QFETCH(double, pointsFor);
        QFETCH(double, pointsAgainst);
        QFETCH(double, teamAverage);
        FakeHost host;
        auto season = MakeScoringSeason(host, scheme, 2, 3);
        SetScores(*season->fixtures[0], {{21, 15}, {21, 18}});
        SetScores(*season->fixtures[1], {{10, 21}, {10, 1}});
        Recalculate(*season, host, false);
        QCOMPARE(season->matchesPlayed, 2);
        QCOMPARE(season->matchesLost, 1);
        QCOMPARE(season->shotsFor, 62);
        QCOMPARE(season->shotsAgainst, 55);
        QCOMPARE(season->pointsFor, pointsFor);
        QCOMPARE(season->pointsAgainst, pointsAgainst);
        QCOMPARE(season->teamAverage, teamAverage);
        // Nothing accumulates over a second run.
        Recalculate(*season, host, false);
        QCOMPARE(season->pointsFor, pointsFor);
        QCOMPARE(host.waitCalls, 2);
        QCOMPARE(host.waitDepth, 0);
    }

    void returnLegPairing_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QList<int>>("legs");   // returnLeg index per fixture, -1 none
        QTest::newRow("two-leg bonus") << 9 << QList<int>{-1, 0, -1, -1, 2, -1, -1};
        QTest::newRow("w13 only") << 19 << QList<int>{-1, 0, -1, -1, 2, -1, -1};
        QTest::newRow("no two-leg weights") << 10 << QList<int>{-1, -1, -1, -1, -1, -1, -1};
    }
    void returnLegPairing()
    {
        QFETCH(int, scheme);
        QFETCH(QList<int>, legs);
        FakeHost host;
        auto season = MakeScoringSeason(host, scheme, 1, 7);
        const struct { Venue venue; const char* opponent; } fixtures[] = {
            {Home, "Oak"}, {Away, "oak"}, {Home, "OAK"}, {Neutral, "Oak"}, {Away, "Oak"},
            {Home, "\xC9lan"}, {Away, "\xE9lan"}};
        for (std::size_t i = 0; i < std::size(fixtures); ++i) {
            season->fixtures[i]->venue = fixtures[i].venue;
            season->fixtures[i]->opponent = fixtures[i].opponent;
            season->fixtures[i]->returnLeg = season->fixtures[0].get();   // stale
        }
        Recalculate(*season, host, false);
        for (int i = 0; i < legs.size(); ++i) {
            const Fixture* leg = season->fixtures[std::size_t(i)]->returnLeg;
            const Fixture* expected = legs[i] < 0 ? nullptr : season->fixtures[std::size_t(legs[i])].get();
            QCOMPARE(leg, expected);
        }
    }

    // Ann 3 appearances, measure 1; Bob 2, measure 9; Cy none; Di 5, -100.
    void minimum_data()
    {
        QTest::addColumn<int>("minGames");   // the preference
        QTest::addColumn<int>("minimum");    // what SortPlayers is given
        QTest::addColumn<QStringList>("order");
        const QString ann = "Ann Zed", bob = "Bob Young", cy = "Cy Xu", di = "Di Wu";
        QTest::newRow("MinGames 3") << 3 << kSortReadMinGames << QStringList{ann, di, bob, cy};
        QTest::newRow("MinGames 1") << 1 << kSortReadMinGames << QStringList{bob, ann, di, cy};
        // No minimum: Cy's -42 ranks above Di's -100.
        QTest::newRow("MinGames 0") << 0 << kSortReadMinGames << QStringList{bob, ann, cy, di};
        QTest::newRow("no minimum") << 3 << kNoMinimum << QStringList{bob, ann, cy, di};
        QTest::newRow("minimum 4") << 3 << 4 << QStringList{di, bob, ann, cy};
        QTest::newRow("names only") << 3 << kSortNamesOnly << QStringList{di, cy, bob, ann};
        QTest::newRow("by name") << 3 << kSortByNameMinimum << QStringList{di, bob, ann, cy};
    }
    void minimum()
    {
        QFETCH(int, minGames);
        QFETCH(int, minimum);
        QFETCH(QStringList, order);
        FakeHost host;
        host.minGames = minGames;
        Season season;
        Add(season, "Ann Zed", 3, 3, 1, 1.0);
        Add(season, "Bob Young", 2, 2, 1, 9.0);
        Add(season, "Cy Xu", 0, 0, 0, -205.0);
        Add(season, "Di Wu", 5, 5, 1, -100.0);
        season.selectedPlayer = 0;   // the selection follows Ann
        SortPlayers(season, host, minimum);
        QCOMPARE(Names(season), order);
        for (std::size_t p = 0; p < season.players.size(); ++p)
            QCOMPARE(int(season.playerRow[season.players[p]->id]), int(p));
        QCOMPARE(host.selections.size(), std::size_t(1));
        QCOMPARE(host.selections[0].playerRow, int(order.indexOf("Ann Zed")));
        QCOMPARE(host.selections[0].fixture, -1);
    }

    void rankingRules_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<QStringList>("order");
        // A: 5 wins of 5, measure 10; B: 4 wins of 4 and 2 walkovers, measure
        // 50; C: 3 wins of 3 and 4 walkovers, measure 40.
        QTest::newRow("measure") << std::uint32_t(0) << QStringList{"B", "C", "A"};
        QTest::newRow("wins") << std::uint32_t(RankByWins) << QStringList{"A", "B", "C"};
        QTest::newRow("wins with walkovers")
            << std::uint32_t(RankByWinsWithWalkovers) << QStringList{"C", "B", "A"};
        QTest::newRow("wins, then with walkovers")
            << std::uint32_t(RankByWins | RankByWinsWithWalkovers) << QStringList{"A", "B", "C"};
    }
    void rankingRules()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(QStringList, order);
        FakeHost host;
        Season season;
        season.scheme.flags = flags;
        Add(season, "A", 5, 5, 5, 10.0);
        Add(season, "B", 6, 4, 4, 50.0);
        Add(season, "C", 7, 3, 3, 40.0);
        SortPlayers(season, host, 1);
        QCOMPARE(Names(season), order);
    }

    void groupsAndTieBreaks()
    {
        FakeHost host;
        Season season;
        Add(season, "Zoe Walker", 9, 9, 9, 99.0, 2);
        Add(season, "Al Never", 0, 0, 0, -40.0);
        Add(season, "John Smith", 4, 4, 2, 3.0, 1);
        Add(season, "Bo Walkover", 1, 0, 0, -40.0);
        Add(season, "Adam Smith", 4, 4, 2, 3.0, 1);
        Add(season, "Cy Plays", 3, 1, 0, -40.0);
        SortPlayers(season, host, kNoMinimum);
        // Group 0 first: games played before walkovers only before nothing;
        // equal Smiths by whole name.
        QCOMPARE(Names(season), (QStringList{"Cy Plays", "Bo Walkover", "Al Never", "Adam Smith",
                                             "John Smith", "Zoe Walker"}));
        SortPlayers(season, host, kSortNamesOnly);
        QCOMPARE(Names(season), (QStringList{"Al Never", "Cy Plays", "Bo Walkover", "Adam Smith",
                                             "John Smith", "Zoe Walker"}));
    }

    void compareNames_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("reserve suffix ends the name") << QByteArray("Smith (2)") << QByteArray("Smith") << 0;
        QTest::newRow("two suffixes") << QByteArray("Smith (2)") << QByteArray("Smith (3)") << 0;
        QTest::newRow("no space, no end") << QByteArray("Smith(2)") << QByteArray("Smith") << 1;
        QTest::newRow("shorter first") << QByteArray("Adam") << QByteArray("Adams") << -1;
        QTest::newRow("capital first") << QByteArray("abc") << QByteArray("ABC") << 1;
        QTest::newRow("signed bytes") << QByteArray("\xC9mile") << QByteArray("Adam") << -1;
        QTest::newRow("bracket at start") << QByteArray(" (x)") << QByteArray("") << 0;
    }
    void compareNames()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(int, order);
        QCOMPARE(CompareNames(a.toStdString(), b.toStdString()), order);
        QCOMPARE(CompareNames(b.toStdString(), a.toStdString()), -order);
    }

    void playerIdsBeyondTheTable()
    {
        FakeHost host;
        auto season = MakeScoringSeason(host, 0, 1, 1, {"A. Player", "B. Other"});
        season->players[1]->id = 250;
        season->playerRow.fill(77);
        SetGame(*season->fixtures[0], 0, season->players[1].get(), 21, 10);
        Recalculate(*season, host, false);
        const Player& other = *season->players[0];
        QCOMPARE(other.name, std::string("B. Other"));
        QCOMPARE(other.played, std::uint16_t(1));
        QCOMPARE(other.measure, 11.0);
        QCOMPARE(int(season->playerRow[0]), 1);
        QCOMPARE(int(season->playerRow[199]), 77);
    }
};

TESSEL_TEST(TestRecalculate)
#include "tst_Recalculate.moc"
