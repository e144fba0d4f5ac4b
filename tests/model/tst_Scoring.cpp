#include "support/TestRegistry.h"
// Scoring and ranking: the leagues' worked examples (tests/data/model/worked-examples.txt), then
// the rules a generated season seldom meets.
#include <QtTest>

#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "model/ScoringScheme.h"

#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/ScoringFixtures.h"
#include "support/SeasonDump.h"

namespace {

QStringList DataLines(const QString& name)
{
    QFile file(QStringLiteral(TESSEL_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    return lines;
}

// "21-18" played, "W" / "A" a walkover to us / to them, "-" not played.
void Play(Season& season, Fixture& f, int position, const QString& token, Player* player = nullptr)
{
    const int own = int(season.gameTarget[std::size_t(position)]);
    const int target = own ? own : 21;
    if (token == u"W")
        SetGame(f, position, player, target, 0, OpponentAbsent);
    else if (token == u"A")
        SetGame(f, position, player, 0, target, PlayerAbsent);
    else if (token != u"-")
        SetGame(f, position, player, token.section(u'-', 0, 0).toInt(),
                token.section(u'-', 1).toInt());
}

// One game a fixture for the first player: "21-15h" at home, "18-21a" away, "wh" a walkover.
void PlayGames(Season& season, const QStringList& games)
{
    for (int f = 0; f < games.size(); ++f) {
        Fixture& fixture = *season.fixtures[std::size_t(f)];
        fixture.venue = games[f].endsWith(u'a') ? Away : Home;
        Play(season, fixture, 0, games[f].startsWith(u'w') ? u"W"_qs : games[f].chopped(1),
             season.players[0].get());
    }
}

// A player from "name:appearances:played:won:measure[:group]".
Player& Add(Season& season, const QString& fields)
{
    const QStringList f = fields.split(u':');
    auto player = std::make_unique<Player>();
    player->id = std::uint16_t(season.players.size());
    player->name = f[0].toStdString();
    player->surnameAt = SplitName(player->name);
    player->appearances = std::uint16_t(f[1].toInt());
    player->played = std::uint16_t(f[2].toInt());
    player->won = std::uint16_t(f[3].toInt());
    player->measure = f[4].toDouble();
    player->group = std::uint16_t(f.value(5).toInt());
    season.players.push_back(std::move(player));
    season.playerCount = std::int32_t(season.players.size());
    return *season.players.back();
}

QString Names(const Season& season)
{
    QStringList names;
    for (const auto& p : season.players)
        names << QString::fromStdString(p->name);
    return names.join(u',');
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QString>("line");
        for (const QString& line : DataLines(QStringLiteral("model/worked-examples.txt")))
            QTest::newRow(qPrintable(line.section(u'|', -1).trimmed())) << line;
    }
    void workedExamples()
    {
        QFETCH(QString, line);
        const QStringList part = line.split(u'|');
        const QStringList head = part[0].split(u' ', Qt::SkipEmptyParts);
        const QStringList want = part[2].split(u'"');
        const QStringList figures = want[0].split(u' ', Qt::SkipEmptyParts);
        FakeHost host;
        if (head[0] == u"fixture") {
            const QStringList fixtures = part[1].split(u';');
            const int size = int(fixtures[0].split(u' ', Qt::SkipEmptyParts).size()) - 1;
            auto season = MakeScoringSeason(host, head[1].toInt(), size, int(fixtures.size()));
            season->awayHandicap = head[2].toInt();
            for (int f = 0; f < fixtures.size(); ++f) {
                QStringList tokens = fixtures[f].split(u' ', Qt::SkipEmptyParts);
                Fixture& fixture = *season->fixtures[std::size_t(f)];
                fixture.venue = std::uint32_t(QStringLiteral("HAN").indexOf(tokens.takeFirst()));
                fixture.opponent = f % 2 ? "OAK lane" : "Oak Lane";
                for (int p = 0; p < tokens.size(); ++p)
                    Play(*season, fixture, p, tokens[p]);
            }
            Recalculate(*season, host, false);
            const Fixture& last = *season->fixtures.back();
            QCOMPARE(last.pointsFor, figures[0].toDouble());
            QCOMPARE(last.pointsAgainst, figures[1].toDouble());
            if (fixtures.size() == 1)
                QCOMPARE(season->pointsFor, last.pointsFor);
            if (figures.size() > 2)
                QCOMPARE(int(last.result), figures[2].toInt());
            if (want.size() > 1)
                QCOMPARE(QString::fromLatin1(last.resultText.c_str()), want[1]);
            return;
        }
        QStringList games;
        for (const QString& token : part[1].split(u' ', Qt::SkipEmptyParts))
            for (int n = token.contains(u'*') ? token.section(u'*', 0, 0).toInt() : 1; n > 0; --n)
                games << token.section(u'*', -1);
        auto season = MakeScoringSeason(host, head[1].toInt(), 1,
                                        int(games.size()) + head[2].toInt(), {"A. Player", "B."});
        season->players[0]->broughtFor = head[3].toInt();
        season->players[0]->broughtAgainst = head[4].toInt();
        PlayGames(*season, games);
        // Twice: a second run starts again from the games (pro rata scales them).
        Recalculate(*season, host, false);
        Recalculate(*season, host, false);
        QCOMPARE(season->PlayerById(0)->measure, figures[0].toDouble());
    }

    // Corners of the scoring one fixture at a time, each followed by the whole season: reserves
    // ("(2)" after a space, on either side; charged only on counted games; a typed name), who
    // is credited with walkovers and games without a resolved player, the editor's boxes and
    // handicaps, single-precision points and a result text cut at eleven characters.
    void cornersGolden()
    {
        std::string out;
        struct Boxes : ScoreDisplay {
            std::string* out;
            void ShowPoints(const std::string& o, const std::string& t) override
            {
                *out += "  boxes points [" + o + "] [" + t + "]\n";
            }
            void ShowShots(int o, int t) override
            {
                *out += "  boxes shots " + std::to_string(o) + " " + std::to_string(t) + "\n";
            }
            void Clear() override { *out += "  boxes cleared\n"; }
        } boxes;
        boxes.out = &out;
        FakeHost host;
        // "North Derbyshire": 10 points off for a reserve.
        for (auto [ours, theirs] : {std::pair{"A. Smith (2)", "B. Jones"},
                                    {"A. Smith(2)", "B"},
                                    {"A. Smith", "B. Jones (2)"},
                                    {"A. Smith (3)", "B"}}) {
            auto season = MakeScoringSeason(host, 42, 2, 1, {ours});
            SetGame(*season->fixtures[0], 0, season->players[0].get(), 21, 15);
            season->fixtures[0]->games[0].opponent = theirs;
            ScoreFixture(*season, *season->fixtures[0], nullptr, true);
            out += "== " + std::string(ours) + " v " + theirs + "\n" + DumpSeason(*season);
        }
        auto season = MakeScoringSeason(host, 42, 3, 1, {"A. Smith (2)", "C. Brown (2)"});
        Fixture* f = season->fixtures[0].get();
        SetGame(*f, 0, season->players[0].get(), 21, 15);
        SetGame(*f, 1, season->players[1].get(), 0, 0, Pending);
        SetGame(*f, 2, season->players[1].get(), 0, 21, PlayerAbsent);
        ScoreFixture(*season, *f, nullptr, true);
        season->players[0]->name = "A. Smith";
        const std::string typed = "A. Smith (2)"; // the editor's typed name
        ReservePenalty(*season, f->games[0], Side::Theirs, &typed);
        out += "== reserves charged, pending, absent; typed name charged to them\n" +
               DumpSeason(*season);

        season = MakeScoringSeason(host, 0, 5, 1, {"A. One", "B. Two", "C. Three"});
        f = season->fixtures[0].get();
        SetGame(*f, 0, season->players[0].get(), 21, 0, OpponentAbsent);
        SetGame(*f, 1, season->players[1].get(), 0, 0, OpponentAbsent);
        SetGame(*f, 2, season->players[2].get(), 0, 21, PlayerAbsent);
        SetGame(*f, 3, season->players[1].get(), 21, 10);
        f->games[3].playerId = 0; // stale id: the pointer decides
        SetGame(*f, 4, nullptr, 21, 10);
        for (Venue venue : {Home, Away}) { // the editor's running totals credit nobody
            f->venue = venue;
            ScoreFixture(*season, *f, nullptr, false);
            out += "== walkovers, totals only, venue " + std::to_string(venue) + "\n" +
                   DumpSeason(*season);
        }
        ScoreFixture(*season, *f, nullptr, true);
        out += "== walkovers and credits\n" + DumpSeason(*season);

        // "Fazackerley Furnishings veterans": w9 2, w10 1, w11 3, w12 2, handicaps.
        season = MakeScoringSeason(host, 54, 2, 1);
        f = season->fixtures[0].get();
        f->resultText = "stale";
        f->result = 1;
        out += "== handicaps: nothing played, the editor's figures, home, away\n";
        ScoreFixture(*season, *f, &boxes, false);
        out += DumpSeason(*season);
        SetScores(*f, {{60, 63}});
        f->handicap = 5;
        f->oppHandicap = 1;
        ScoreFixture(*season, *f, &boxes, false);
        out += DumpSeason(*season);
        season->homeHandicap = 4; // recalculation reads the season's, by venue
        season->awayHandicap = 9;
        ScoreFixture(*season, *f, nullptr, true);
        out += DumpSeason(*season);
        f->venue = Away;
        ScoreFixture(*season, *f, nullptr, true);
        out += DumpSeason(*season);

        ScoringScheme scheme;
        scheme.groupSize = 1;
        scheme.target = 21;
        scheme.forWeight = scheme.againstWeight = 1;
        for (auto [perShot, decimals, ours, theirs] :
             {std::tuple{0.1f, 1, 3, 1}, {1.f, 3, 1234, 5678}}) {
            scheme.weight[0] = scheme.weight[2] = perShot;
            scheme.matchDecimals = decimals;
            season = MakeCustomSeason(host, scheme, 1, 1);
            SetScores(*season->fixtures[0], {{ours, theirs}});
            ScoreFixture(*season, *season->fixtures[0], nullptr, true);
            out += "== custom, " + std::to_string(perShot) + " a shot\n" + DumpSeason(*season);
        }
        TESSEL_COMPARE_GOLDEN("model/scoring-corners.txt", out);
    }

    // Which of two flags decides the measure, for every pair of flags that change it alone, on
    // a custom scheme.
    void measurePriorityGolden()
    {
        const auto measure = [](std::uint32_t flags) {
            FakeHost host;
            ScoringScheme scheme;
            scheme.groupSize = 1;
            scheme.target = 21;
            scheme.forWeight = scheme.againstWeight = 1;
            scheme.flags = flags;
            const QStringList games = {"21-10a", "21-15h", "9-21h",  "wh",
                                       "20-21a", "21-3a",  "17-21h", "21-19h"};
            auto season = MakeCustomSeason(host, scheme, 1, int(games.size()), {"A. Player"});
            PlayGames(*season, games);
            Recalculate(*season, host, false);
            return season->players[0]->measure;
        };
        std::vector<std::uint32_t> flags;
        std::string out = "none: " + QByteArray::number(measure(0), 'g', 17).toStdString() + "\n";
        for (int bit = 0; bit < 32; ++bit)
            if (measure(1u << bit) != measure(0)) {
                flags.push_back(1u << bit);
                out += QByteArray::number(1u << bit, 16).toStdString() + ": " +
                       QByteArray::number(measure(1u << bit), 'g', 17).toStdString() + "\n";
            }
        for (std::size_t i = 0; i < flags.size(); ++i)
            for (std::size_t j = i + 1; j < flags.size(); ++j) {
                const double both = measure(flags[i] | flags[j]);
                out += QByteArray::number(flags[i], 16).toStdString() + " with " +
                       QByteArray::number(flags[j], 16).toStdString() + ": " +
                       (both == measure(flags[i])   ? "the first"
                        : both == measure(flags[j]) ? "the second"
                                                    : "neither") +
                       "\n";
            }
        TESSEL_COMPARE_GOLDEN("model/measure-priority.txt", out);
    }

    // Rankings, name order, return legs, and a player id beyond the row table.
    void orderGolden()
    {
        std::string out = "== players name:appearances:played:won:measure[:group], flags, "
                          "MinGames, minimum: order, the selection's row\n";
        const QString four = "Ann Zed:3:3:1:1,Bob Young:2:2:1:9,Cy Xu:0:0:0:-205,Di Wu:5:5:1:-100";
        const QString wins = "A:5:5:5:10,B:6:4:4:50,C:7:3:3:40";
        const QString groups = "Zoe Walker:9:9:9:99:2,Al Never:0:0:0:-40,John Smith:4:4:2:3:1,"
                               "Bo Walkover:1:0:0:-40,Adam Smith:4:4:2:3:1,Cy Plays:3:1:0:-40";
        for (auto [players, flags, minGames, minimum] :
             {std::tuple{four, 0u, 3, kSortReadMinGames},
              {four, 0u, 1, kSortReadMinGames},
              {four, 0u, 0, kSortReadMinGames},
              {four, 0u, 3, kNoMinimum},
              {four, 0u, 3, 4},
              {four, 0u, 3, kSortNamesOnly},
              {four, 0u, 3, kSortByNameMinimum},
              {wins, 0u, 3, 1},
              {wins, std::uint32_t(RankByWins), 3, 1},
              {wins, std::uint32_t(RankByWinsWithWalkovers), 3, 1},
              {wins, std::uint32_t(RankByWins | RankByWinsWithWalkovers), 3, 1},
              {groups, 0u, 3, kNoMinimum},
              {groups, 0u, 3, kSortNamesOnly}}) {
            FakeHost host;
            host.minGames = minGames;
            Season season;
            season.scheme.flags = flags;
            for (const QString& fields : players.split(u','))
                Add(season, fields);
            season.selectedPlayer = 0; // the selection follows the first player
            SortPlayers(season, host, minimum);
            out += players.left(12).toStdString() + "... " + std::to_string(flags) + " " +
                   std::to_string(minGames) + " " + std::to_string(minimum) + ": " +
                   Names(season).toStdString();
            for (const auto& s : host.selections)
                out += " | " + std::to_string(s.fixture) + " " + std::to_string(s.playerRow);
            out += "\n";
            for (std::size_t p = 0; p < season.players.size(); ++p)
                QCOMPARE(int(season.playerRow[season.players[p]->id]), int(p));
        }
        out += "== names compared\n";
        for (auto [a, b] : {std::pair{"Smith (2)", "Smith"},
                            {"Smith (2)", "Smith (3)"},
                            {"Smith(2)", "Smith"},
                            {"Adam", "Adams"},
                            {"abc", "ABC"},
                            {"\xC9mile", "Adam"},
                            {" (x)", ""}}) {
            out += std::string(a) + " ? " + b + ": " + std::to_string(CompareNames(a, b)) + "\n";
            QCOMPARE(CompareNames(b, a), -CompareNames(a, b));
        }
        // Home and away meetings pair up, the opponent's case ignored (ASCII letters only); a
        // neutral venue never pairs; stale pairings go.
        out += "== return legs by scheme: fixture -> its first leg\n";
        for (int scheme : {9, 19, 10}) {
            FakeHost host;
            auto season = MakeScoringSeason(host, scheme, 1, 7);
            const Venue venues[] = {Home, Away, Home, Neutral, Away, Home, Away};
            const char* const names[] = {"Oak", "oak", "OAK", "Oak", "Oak", "\xC9lan", "\xE9lan"};
            out += std::to_string(scheme) + ":";
            for (std::size_t i = 0; i < 7; ++i) {
                season->fixtures[i]->venue = venues[i];
                season->fixtures[i]->opponent = names[i];
                season->fixtures[i]->returnLeg = season->fixtures[0].get(); // stale
            }
            Recalculate(*season, host, false);
            for (std::size_t i = 0; i < 7; ++i)
                for (std::size_t j = 0; j < 7; ++j)
                    if (season->fixtures[i]->returnLeg == season->fixtures[j].get())
                        out += " " + std::to_string(i) + "->" + std::to_string(j);
            out += "\n";
        }
        FakeHost host;
        auto season = MakeScoringSeason(host, 0, 1, 1, {"A. Player", "B. Other"});
        season->players[1]->id = 250;
        season->playerRow.fill(77);
        SetGame(*season->fixtures[0], 0, season->players[1].get(), 21, 10);
        Recalculate(*season, host, false);
        const Player& first = *season->players[0];
        out += "== id 250: " + first.name + " played " + std::to_string(first.played) +
               " measure " + std::to_string(first.measure) + " rows " +
               std::to_string(season->playerRow[0]) + " " + std::to_string(season->playerRow[1]) +
               " " + std::to_string(season->playerRow[199]) + "\n";
        TESSEL_COMPARE_GOLDEN("model/orders.txt", out);
    }
};

TESSEL_TEST(TestScoring)
#include "tst_Scoring.moc"
