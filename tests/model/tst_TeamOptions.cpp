#include "support/TestRegistry.h"
#include <QtTest>

#include "model/FixtureList.h"
#include "model/Recalculate.h"
#include "model/SchemeTable.h"
#include "model/TeamOptions.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

const char* const kTargetQuestion =
    "Changing the score required to win a game will probably make all your results to date "
    "invalid. Do you wish to continue?";
const char* const kGroupQuestion =
    "Changing the way players play together in groups will probably make all your results to "
    "date invalid. Do you wish to continue?";

TeamFields Fields(const char* matches, const char* players, int scheme = 0,
                  const char* division = "Division 1")
{
    TeamFields f;
    f.teamName = "Crown Green";
    f.leagueName = "Valley League";
    f.division = division;
    f.matches = matches;
    f.players = players;
    f.scheme = scheme;
    return f;
}

QStringList Texts(const FakeHost& host)
{
    QStringList texts;
    for (const auto& m : host.messages)
        texts << QString::fromStdString(m.text);
    return texts;
}

// What an edit may change, for comparing a season before and after.
QString Snapshot(const Season& s)
{
    const SchemeBytes bytes = SchemeToBytes(s.scheme);
    QStringList parts{
        QString::fromStdString(s.teamName),
        QString::fromStdString(s.leagueName),
        QString::fromStdString(s.division),
        QString::number(s.schemeIndex),
        QString::number(s.homeHandicap),
        QString::number(s.modified),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex()};
    for (std::size_t i = 0; i < s.groupSpan.size(); ++i)
        parts << QString::number(s.groupSpan[i]) << QString::number(s.gameTarget[i]);
    return parts.join(QLatin1Char('|'));
}

QDate Shown(std::time_t date)
{
    const SystemTime day = ShownDay(date);
    return QDate(day.year, day.month, day.day);
}

} // namespace

class TestTeamOptions : public QObject {
    Q_OBJECT

private slots:
    void createSeason_data()
    {
        QTest::addColumn<QString>("matches");
        QTest::addColumn<QString>("players");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("division");
        QTest::addColumn<QString>("message");
        const QString ok;
        const QString division = QStringLiteral("Division 1");
        QTest::newRow("1 match of 1 player") << "1"
                                             << "1" << 0 << division << ok;
        QTest::newRow("100 matches of 30") << "100"
                                           << "30" << 0 << division << ok;
        QTest::newRow("12 matches of 8 pairs") << "12"
                                               << "8" << 6 << division << ok;
        QTest::newRow("0 matches") << "0"
                                   << "4" << 0 << division << "Invalid number of matches";
        QTest::newRow("101 matches") << "101"
                                     << "4" << 0 << division << "Invalid number of matches";
        QTest::newRow("no matches typed") << ""
                                          << "4" << 0 << division << "Invalid number of matches";
        QTest::newRow("2^32 + 1 matches") << "4294967297"
                                          << "4" << 0 << division << "Invalid number of matches";
        QTest::newRow("0 players") << "10"
                                   << "0" << 0 << division << "Invalid number of players in team";
        QTest::newRow("31 players") << "10"
                                    << "31" << 0 << division << "Invalid number of players in team";
        QTest::newRow("2^16 + 4 players")
            << "10"
            << "65540" << 0 << division << "Invalid number of players in team";
        QTest::newRow("5 players in pairs")
            << "10"
            << "5" << 6 << division << "Team size must be a multiple of 2";
        QTest::newRow("empty division") << "10"
                                        << "4" << 0 << QString() << "All fields must be filled in";
    }
    void createSeason()
    {
        QFETCH(QString, matches);
        QFETCH(QString, players);
        QFETCH(int, scheme);
        QFETCH(QString, division);
        QFETCH(QString, message);
        FakeHost host;
        const QByteArray m = matches.toLatin1(), p = players.toLatin1(), d = division.toLatin1();
        SeasonPtr s =
            CreateSeason(Fields(m.constData(), p.constData(), scheme, d.constData()), host);
        if (!message.isEmpty()) {
            QVERIFY(!s);
            QCOMPARE(Texts(host), QStringList{message});
            QCOMPARE(host.messages.front().title, std::string(kTeamOptionsTitle));
            return;
        }
        QVERIFY(s);
        QVERIFY(host.messages.empty());
        QCOMPARE(s->teamName, "Crown Green");
        QCOMPARE(s->division, "Division 1");
        QCOMPARE(s->fixtureCount, matches.toInt());
        QCOMPARE(int(s->teamSize), players.toInt());
        QCOMPARE(int(s->schemeIndex), scheme);
        QCOMPARE(s->scheme, *BuiltInScheme(scheme));
        QVERIFY(s->modified && s->untitled && s->layoutChanged);
        QCOMPARE(s->filePath, "Untitled");
        QCOMPARE(s->selectedFixture, -1);
        QCOMPARE(s->selectedPlayer, -1);
        QVERIFY(s->players.empty());
        QCOMPARE(s->playerCount, 0);
        QCOMPARE(s->fixtures.size(), std::size_t(s->fixtureCount));
        for (const auto& f : s->fixtures) {
            QCOMPARE(f->venue, std::uint32_t(Neutral));
            QCOMPARE(f->date, host.now);
            QVERIFY(f->opponent.empty());
            QCOMPARE(f->games.size(), std::size_t(s->teamSize));
            for (const Game& g : f->games) {
                QCOMPARE(g.state, std::uint32_t(NotPlayed));
                QVERIFY(!g.player);
            }
        }
    }

    void offeredSchemes()
    {
        const std::vector<int> offered = OfferedSchemes();
        QCOMPARE(offered.size(), std::size_t(kSchemeCount - 1));
        QCOMPARE(SchemeName(offered.front()), "Aggregate");
        std::vector<int> sorted = offered;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        QVERIFY(std::find(offered.begin(), offered.end(), kCustomScheme) == offered.end());
        // Ordered by name with ASCII letters folded, whatever the locale.
        for (std::size_t i = 1; i < offered.size(); ++i) {
            const QString a = QString::fromLatin1(SchemeName(offered[i - 1]).data()).toLower();
            const QString b = QString::fromLatin1(SchemeName(offered[i]).data()).toLower();
            QVERIFY2(a.toLatin1() < b.toLatin1(), qPrintable(a + QStringLiteral(" / ") + b));
        }
    }

    void readCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("value");
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("leading digits") << "12x4" << 12LL;
        QTest::newRow("leading zeros") << "0007" << 7LL;
        QTest::newRow("2^32 + 1") << "4294967297" << -1LL;
        QTest::newRow("many zeros then 5") << "000000000000000000005" << 5LL;
    }
    void readCount()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, value);
        QCOMPARE(ReadCount(text.toStdString()), value);
    }

    void editTeam_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1: nothing selected
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<int>("players");      // registered
        QTest::addColumn<QString>("division"); // typed
        QTest::addColumn<QString>("answers");  // Y / N in turn
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("outcome");
        const QString same = QStringLiteral("Div");
        const int refused = int(TeamEdit::Refused), unchanged = int(TeamEdit::Unchanged),
                  stored = int(TeamEdit::Stored);
        const QString target = QString::fromLatin1(kTargetQuestion);
        const QString group = QString::fromLatin1(kGroupQuestion);
        QTest::newRow("nothing changed")
            << 0 << 0 << 4 << 0 << same << "" << QStringList{} << unchanged;
        QTest::newRow("division renamed") << 0 << 0 << 4 << 0 << "Div 2"
                                          << "" << QStringList{} << stored;
        QTest::newRow("division emptied")
            << 0 << 1 << 4 << 0 << ""
            << "" << QStringList{"All fields must be filled in"} << refused;
        QTest::newRow("same group and target")
            << 0 << 1 << 4 << 0 << same << "" << QStringList{} << stored;
        QTest::newRow("target differs")
            << 0 << 4 << 4 << 0 << same << "Y" << QStringList{target} << stored;
        QTest::newRow("target declined")
            << 0 << 4 << 4 << 0 << same << "N" << QStringList{target} << refused;
        QTest::newRow("group differs")
            << 0 << 6 << 4 << 0 << same << "Y" << QStringList{group} << stored;
        QTest::newRow("both differ")
            << 0 << 7 << 4 << 0 << same << "YY" << QStringList{target, group} << stored;
        QTest::newRow("group declined") << 0 << 7 << 4 << 0 << "Div 2"
                                        << "YN" << QStringList{target, group} << refused;
        QTest::newRow("team size no multiple")
            << 0 << 6 << 3 << 0 << "Div 2"
            << "" << QStringList{"For this scoring scheme the team size must be a multiple of 2"}
            << refused;
        QTest::newRow("to pair-then-singles")
            << 0 << 73 << 4 << 0 << same << "Y" << QStringList{group} << stored;
        QTest::newRow("from pair-then-singles")
            << 73 << 0 << 4 << 0 << same << "Y" << QStringList{group} << stored;
        QTest::newRow("to twin groups")
            << 0 << 87 << 6 << 0 << same << "YY" << QStringList{target, group} << stored;
        QTest::newRow("from twin groups")
            << 87 << 4 << 6 << 0 << same << "Y" << QStringList{group} << stored;
        const QString twins = QStringLiteral(
            "Players are registered differently under this scoring scheme; change it before "
            "registering players");
        QTest::newRow("to twin groups, players")
            << 0 << 87 << 6 << 3 << same << "YY" << QStringList{twins} << refused;
        QTest::newRow("from twin groups, players")
            << 87 << 4 << 6 << 3 << same << "Y" << QStringList{twins} << refused;
        QTest::newRow("custom, nothing selected")
            << 64 << -1 << 4 << 0 << same << "" << QStringList{} << unchanged;
        QTest::newRow("custom renamed") << 64 << -1 << 4 << 0 << "Div 2"
                                        << "" << QStringList{} << stored;
    }
    void editTeam()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, teamSize);
        QFETCH(int, players);
        QFETCH(QString, division);
        QFETCH(QString, answers);
        QFETCH(QStringList, texts);
        QFETCH(int, outcome);
        FakeHost host;
        SeasonShape shape;
        shape.schemeIndex = from == kCustomScheme ? 6 : from;
        shape.teamSize = teamSize;
        shape.playerCount = players;
        SeasonPtr s = BuildSeason(shape, host);
        s->schemeIndex = std::uint32_t(from); // a custom season keeps its own copy
        Recalculate(*s, host, false);
        s->teamName = "Crown Green";
        s->leagueName = "Valley League";
        s->division = "Div";
        s->homeHandicap = 5;
        s->modified = false;
        const QString before = Snapshot(*s);
        for (QChar c : answers)
            host.answers.push_back(c == QLatin1Char('Y') ? Answer::Yes : Answer::No);

        TeamFields fields;
        fields.teamName = s->teamName;
        fields.leagueName = s->leagueName;
        fields.division = division.toStdString();
        fields.scheme = to;
        QCOMPARE(int(EditTeam(*s, host, fields)), outcome);
        QCOMPARE(Texts(host), texts);
        for (const auto& m : host.messages)
            QCOMPARE(m.title, std::string(kTeamOptionsTitle));
        if (outcome != int(TeamEdit::Stored)) {
            QCOMPARE(Snapshot(*s), before);
            return;
        }
        QVERIFY(s->modified);
        QCOMPARE(QString::fromStdString(s->division), division);
        const bool newScheme = to >= 0 && to != from;
        QCOMPARE(int(s->schemeIndex), newScheme ? to : from);
        QCOMPARE(s->homeHandicap, newScheme ? 0 : 5);
        if (newScheme)
            QCOMPARE(s->scheme, *BuiltInScheme(to));
    }

    // A long name read from a file survives OK without a change; a changed
    // one is cut to what the file holds.
    void editKeepsLongNames()
    {
        FakeHost host;
        SeasonPtr s = BuildSeason(SeasonShape{}, host);
        s->teamName = std::string(32, 'T');
        s->leagueName = std::string(64, 'L');
        s->division = std::string(17, 'D');
        TeamFields fields{s->teamName, s->leagueName, s->division, "", "", 0};
        QCOMPARE(EditTeam(*s, host, fields), TeamEdit::Unchanged);
        fields.teamName = std::string(40, 'X');
        QCOMPARE(EditTeam(*s, host, fields), TeamEdit::Stored);
        QCOMPARE(s->teamName, std::string(32, 'X'));
        QCOMPARE(s->leagueName.size(), std::size_t(64));
    }

    // Picked days come back as the same day, and a week on is the same
    // weekday, across both clock changes (the tests run in Europe/London).
    void pickedDays_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::newRow("clocks go forward") << QDate(2026, 3, 29);
        QTest::newRow("week before clocks go forward") << QDate(2026, 3, 22);
        QTest::newRow("clocks go back") << QDate(2026, 10, 25);
        QTest::newRow("week before clocks go back") << QDate(2026, 10, 18);
        QTest::newRow("midsummer") << QDate(2027, 6, 21);
        QTest::newRow("new year's eve") << QDate(2026, 12, 31);
    }
    void pickedDays()
    {
        QFETCH(QDate, day);
        const std::time_t stored = PickedDay(day.year(), day.month(), day.day());
        QCOMPARE(stored, MakeLocalDate(day.year(), day.month(), day.day()));
        QCOMPARE(Shown(stored), day);
        FixtureEntry entry;
        entry.date = stored;
        QCOMPARE(Shown(FollowingEntry(entry).date), day.addDays(7));
    }

    void fixtureList()
    {
        FakeHost host;
        SeasonPtr s = CreateSeason(Fields("3", "4"), host);
        QVERIFY(s);
        s->modified = false;

        FixtureEntry entry;
        QCOMPARE(StoreFixtureEntry(*s, host, entry), EntryResult::Refused);
        QCOMPARE(Texts(host), QStringList{"Opponent team required"});
        QCOMPARE(host.messages.front().title, "Error");
        QVERIFY(!s->modified);

        entry.opponent = "Ashton";
        entry.date = PickedDay(2027, 5, 1);
        entry.venue = Home;
        QCOMPARE(StoreFixtureEntry(*s, host, entry), EntryResult::Stored);
        QVERIFY(s->modified);
        // Finishing here leaves the others as they were made.
        QVERIFY(s->fixtures[1]->opponent.empty());
        QCOMPARE(s->fixtures[1]->venue, std::uint32_t(Neutral));
        QCOMPARE(s->fixtures[1]->date, host.now);

        entry = FollowingEntry(entry);
        QVERIFY(entry.opponent.empty());
        QCOMPARE(entry.venue, std::uint32_t(Away));
        entry.opponent = "Bury";
        QCOMPARE(StoreFixtureEntry(*s, host, entry), EntryResult::Stored);
        entry = FollowingEntry(entry);
        entry.opponent = "Crewe";
        QCOMPARE(StoreFixtureEntry(*s, host, entry), EntryResult::Last);
        entry = FollowingEntry(entry);
        entry.opponent = "Nobody";
        QCOMPARE(StoreFixtureEntry(*s, host, entry), EntryResult::Last);

        QStringList stored;
        for (const auto& f : s->fixtures)
            stored << QStringLiteral("%1 %2 %3")
                          .arg(QString::fromStdString(f->opponent),
                               QChar::fromLatin1("HAN"[f->venue]),
                               Shown(f->date).toString(Qt::ISODate));
        QCOMPARE(stored,
                 (QStringList{"Ashton H 2027-05-01", "Bury A 2027-05-08", "Crewe H 2027-05-15"}));
    }
};

TESSEL_TEST(TestTeamOptions)
#include "tst_TeamOptions.moc"
