#include "support/TestRegistry.h"
#include <QtTest>

#include <algorithm>

#include "model/Dates.h"
#include "model/PlayerRegister.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"

namespace {

constexpr int kTwinScheme = 87;   // group 2 plays positions 0..5, group 1 the rest

// Fixtures "Opp 1", "Opp 2", ... on 1, 8, 15 May 2021; every game unplayed.
SeasonPtr MakeSeason(FakeHost& host, int scheme, const QStringList& names, int fixtures = 4,
                     int teamSize = 8)
{
    auto s = std::make_unique<Season>();
    s->schemeIndex = std::uint32_t(scheme);
    s->teamSize = std::uint16_t(teamSize);
    s->fixtureCount = fixtures;
    ApplyScheme(*s, host);
    if (!AllocateSeasonRecords(host, s))
        return nullptr;
    for (int i = 0; i < fixtures; ++i) {
        s->fixtures[std::size_t(i)]->opponent = "Opp " + std::to_string(i + 1);
        s->fixtures[std::size_t(i)]->date = MakeLocalDate(2021, 5, 1 + 7 * i);
    }
    for (const QString& name : names)
        if (!RegisterPlayerName(*s, host, name.toStdString()))
            return nullptr;
    return s;
}

Player* Find(const Season& s, const std::string& name, int group = 0)
{
    for (const auto& p : s.players)
        if (p->name == name && p->group == group)
            return p.get();
    return nullptr;
}

void Put(Season& s, int fixture, int position, Player* player, std::uint32_t state = Played)
{
    Game& g = s.fixtures[std::size_t(fixture)]->games[std::size_t(position)];
    g.player = player;
    g.playerId = std::int16_t(player->id);
    g.state = state;
    g.scoreFor = 21;
    g.scoreAgainst = 10;
    g.opponent = "X";
}

// Every record and every game's player, for "nothing changed" checks.
QString Snapshot(const Season& s)
{
    QString out;
    for (const auto& p : s.players)
        out += QStringLiteral("%1:%2:%3:%4 ").arg(p->id).arg(QString::fromStdString(p->name)).arg(p->group)
                   .arg(p->twin ? QString::fromStdString(p->twin->name) : QString());
    for (const auto& f : s.fixtures)
        for (const Game& g : f->games)
            out += g.player ? QStringLiteral("%1=%2 ").arg(g.playerId).arg(QString::fromStdString(g.player->name))
                            : QStringLiteral("- ");
    return out + QString::number(s.playerCount);
}

// Ids run densely from 0 and every game's id agrees with its record.
bool Consistent(const Season& s)
{
    std::vector<bool> seen(s.players.size());
    for (const auto& p : s.players) {
        if (p->id >= seen.size() || seen[p->id])
            return false;
        seen[p->id] = true;
    }
    if (s.playerCount != int(seen.size()))
        return false;
    for (const auto& f : s.fixtures)
        for (const Game& g : f->games)
            if (g.player && (g.playerId != g.player->id ||
                             std::none_of(s.players.begin(), s.players.end(),
                                          [&](const auto& p) { return p.get() == g.player; })))
                return false;
    return true;
}

int RowOf(const Season& s, const Player* player)
{
    for (std::size_t i = 0; i < s.players.size(); ++i)
        if (s.players[i].get() == player)
            return int(i);
    return -1;
}

} // namespace

class TestPlayerRegister : public QObject {
    Q_OBJECT

private slots:
    void tidyName_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("spaces everywhere") << QByteArray("  Anne   Brown ") << QByteArray("Anne Brown");
        QTest::newRow("cut at 31") << QByteArray(40, 'a') << QByteArray(31, 'a');
        QTest::newRow("cut before tidying") << (QByteArray(30, 'a') + "  b") << QByteArray(30, 'a');
        QTest::newRow("tabs are not spaces") << QByteArray("A\tB") << QByteArray("A\tB");
    }
    void tidyName()
    {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, name);
        QCOMPARE(QByteArray::fromStdString(TidyPlayerName(typed.toStdString())), name);
    }

    void registerNames_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("records");   // "name/group", sorted
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("twice in one group")
            << 0 << QStringList{"Anne Brown", "Anne Brown"} << QStringList{"Anne Brown/0"}
            << QStringList{"Anne Brown is already registered"};
        QTest::newRow("case counts") << 0 << QStringList{"Anne Brown", "anne brown"}
                                     << QStringList{"Anne Brown/0", "anne brown/0"} << QStringList{};
        QTest::newRow("twin scheme registers both groups")
            << kTwinScheme << QStringList{"Anne Brown"} << QStringList{"Anne Brown/1", "Anne Brown/2"}
            << QStringList{};
        QTest::newRow("twin scheme twice")
            << kTwinScheme << QStringList{"Anne Brown", "Bob", "Anne Brown"}
            << QStringList{"Anne Brown/1", "Anne Brown/2", "Bob/1", "Bob/2"}
            << QStringList{"Anne Brown is already registered"};
    }
    void registerNames()
    {
        QFETCH(int, scheme);
        QFETCH(QStringList, names);
        QFETCH(QStringList, records);
        QFETCH(QStringList, messages);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, scheme, {});
        s->modified = s->layoutChanged = false;
        for (const QString& name : names)
            RegisterPlayerName(*s, host, name.toStdString());
        QStringList got;
        for (const auto& p : s->players)
            got << QStringLiteral("%1/%2").arg(QString::fromStdString(p->name)).arg(p->group);
        got.sort();
        QCOMPARE(got, records);
        QStringList shown;
        for (const auto& m : host.messages) {
            shown << QString::fromStdString(m.text);
            QCOMPARE(m.title, std::string("Register player"));
            QVERIFY(m.icon == MessageIcon::Exclamation);
        }
        QCOMPARE(shown, messages);
        QVERIFY(Consistent(*s));
        QVERIFY(s->modified && s->layoutChanged);
        for (const auto& p : s->players) {
            QCOMPARE(p->surnameAt, SplitName(p->name));
            if (scheme == kTwinScheme)
                QVERIFY(p->twin && p->twin->twin == p.get() && p->twin->name == p->name);
        }
    }

    void playerLimit_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("existing");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("refusal");   // empty when registered
        const QString full = QStringLiteral("A season cannot hold more than 200 players");
        QTest::newRow("199 then one") << 0 << 199 << QByteArray("New") << QString();
        QTest::newRow("200 then one") << 0 << 200 << QByteArray("New") << full;
        QTest::newRow("198 then a twin pair") << kTwinScheme << 198 << QByteArray("New") << QString();
        QTest::newRow("199 then a twin pair") << kTwinScheme << 199 << QByteArray("New") << full;
        // A name already taken is told as such before the room runs out.
        QTest::newRow("199 then a registered twin")
            << kTwinScheme << 199 << QByteArray("P7") << QStringLiteral("P7 is already registered");
    }
    void playerLimit()
    {
        QFETCH(int, scheme);
        QFETCH(int, existing);
        QFETCH(QByteArray, name);
        QFETCH(QString, refusal);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, scheme, {});
        const int group = scheme == kTwinScheme ? 1 : 0;
        for (int i = 0; i < existing; ++i) {
            std::string registered = "P";
            registered += std::to_string(i);
            QVERIFY(RegisterPlayer(*s, host, registered, group));
        }
        const QString before = Snapshot(*s);
        QCOMPARE(RegisterPlayerName(*s, host, name.toStdString()), refusal.isEmpty());
        if (refusal.isEmpty()) {
            QCOMPARE(s->playerCount, existing + (scheme == kTwinScheme ? 2 : 1));
            return;
        }
        QCOMPARE(host.Texts(), std::vector<std::string>{refusal.toStdString()});
        QCOMPARE(host.messages[0].title, std::string("Register player"));
        QCOMPARE(Snapshot(*s), before);   // not even the group 1 record
    }

    void commonFixture_data()
    {
        QTest::addColumn<int>("sourceState");
        QTest::addColumn<int>("targetState");
        QTest::addColumn<bool>("sameFixture");
        QTest::addColumn<bool>("refused");
        QTest::newRow("both played") << int(Played) << int(Played) << true << true;
        QTest::newRow("played and walkover") << int(Played) << int(OpponentAbsent) << true << true;
        QTest::newRow("pending does not count") << int(Played) << int(Pending) << true << false;
        QTest::newRow("absent does not count") << int(PlayerAbsent) << int(Played) << true << false;
    }
    void commonFixture()
    {
        QFETCH(int, sourceState);
        QFETCH(int, targetState);
        QFETCH(bool, sameFixture);
        QFETCH(bool, refused);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, 0, {"Anne Brown", "Ann Brown", "Cy"});
        Player* source = Find(*s, "Anne Brown");
        Player* target = Find(*s, "Ann Brown");
        Put(*s, 0, 0, source);
        Put(*s, 1, 2, source, std::uint32_t(sourceState));
        Put(*s, sameFixture ? 1 : 2, 5, target, std::uint32_t(targetState));
        Put(*s, 1, 3, Find(*s, "Cy"));
        QCOMPARE(CheckNoCommonFixture(*s, host, *source, *target), !refused);
        if (!refused) {
            QVERIFY(host.messages.empty());
            return;
        }
        QCOMPARE(host.Texts(), std::vector<std::string>{
                                   "Cannot rename Anne Brown to Ann Brown\nbecause they both played against\n"
                                   "Opp 2 on 8 May"});
        QCOMPARE(host.messages[0].title, std::string("Rename"));
        QVERIFY(host.messages[0].icon == MessageIcon::Exclamation);
    }

    void renameInPlace()
    {
        FakeHost host;
        SeasonPtr s = MakeSeason(host, kTwinScheme, {"Anne Brown", "Cy"});
        Player* source = Find(*s, "Anne Brown", 1);
        Player* twin = source->twin;
        Put(*s, 0, 6, source);
        s->modified = s->layoutChanged = false;
        QVERIFY(RenamePlayer(*s, host, *source, "Ann Browne") == RenameOutcome::Renamed);
        QCOMPARE(twin->name, std::string("Ann Browne"));
        QCOMPARE(int(twin->surnameAt), 4);
        QVERIFY(s->modified && s->layoutChanged);
        QCOMPARE(source->appearances, std::uint16_t(1));   // recalculated
        QCOMPARE(host.selections.at(0).playerRow, RowOf(*s, source));
        QVERIFY(host.messages.empty());
    }

    void renameRefused_data()
    {
        QTest::addColumn<QByteArray>("newName");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("same name") << QByteArray("Anne Brown") << QStringList{"You must supply a different name"};
        QTest::newRow("played together") << QByteArray("Cy")
                                         << QStringList{"Cannot rename Anne Brown to Cy\nbecause they both "
                                                        "played against\nOpp 1 on 1 May"};
    }
    void renameRefused()
    {
        QFETCH(QByteArray, newName);
        QFETCH(QStringList, messages);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, 0, {"Anne Brown", "Cy"});
        Put(*s, 0, 0, Find(*s, "Anne Brown"));
        Put(*s, 0, 1, Find(*s, "Cy"));
        const QString before = Snapshot(*s);
        QVERIFY(RenamePlayer(*s, host, *Find(*s, "Anne Brown"), newName.toStdString()) ==
                RenameOutcome::Refused);
        QStringList shown;
        for (const auto& m : host.messages) {
            shown << QString::fromStdString(m.text);
            QCOMPARE(m.title, std::string("Rename"));
        }
        QCOMPARE(shown, messages);
        QCOMPARE(Snapshot(*s), before);
        QVERIFY(host.selections.empty());
    }

    void merge()
    {
        FakeHost host;
        SeasonPtr s = MakeSeason(host, 0, {"Ann", "Bob", "Anne", "Cy", "Dee"});
        Player* source = Find(*s, "Anne");   // id 2
        Player* target = Find(*s, "Ann");    // id 0
        Player* cy = Find(*s, "Cy");         // id 3
        Player* dee = Find(*s, "Dee");       // id 4
        Put(*s, 0, 0, source);
        Put(*s, 1, 1, source, Pending);
        Put(*s, 2, 0, target);
        Put(*s, 0, 1, cy);
        Put(*s, 3, 7, dee, Pending);
        QVERIFY(RenamePlayer(*s, host, *source, "Ann") == RenameOutcome::Merged);
        QCOMPARE(Find(*s, "Anne"), nullptr);
        QCOMPARE(s->fixtures[0]->games[0].player, target);
        QCOMPARE(s->fixtures[1]->games[1].player, target);
        QCOMPARE(int(s->fixtures[1]->games[1].playerId), 0);
        // The ids above the removed one close the gap, in players and games.
        QCOMPARE(int(cy->id), 2);
        QCOMPARE(int(dee->id), 3);
        QCOMPARE(int(s->fixtures[0]->games[1].playerId), 2);
        QCOMPARE(int(s->fixtures[3]->games[7].playerId), 3);
        QVERIFY(Consistent(*s));
        QCOMPARE(int(target->appearances), 2);
        QCOMPARE(host.selections.back().playerRow, RowOf(*s, target));
    }

    void mergeTwins()
    {
        FakeHost host;
        SeasonPtr s = MakeSeason(host, kTwinScheme, {"Ann", "Anne", "Cy"});
        Player* source = Find(*s, "Anne", 1);
        Player* target = Find(*s, "Ann", 1);
        Player* sourcePair = source->twin;
        Player* targetPair = target->twin;
        Put(*s, 0, 6, source);
        Put(*s, 0, 0, sourcePair);
        Put(*s, 0, 1, Find(*s, "Cy", 2));
        Put(*s, 1, 2, targetPair);
        QVERIFY(RenamePlayer(*s, host, *source, "Ann") == RenameOutcome::Merged);
        QCOMPARE(s->playerCount, 4);
        QCOMPARE(s->fixtures[0]->games[6].player, target);
        QCOMPARE(s->fixtures[0]->games[0].player, targetPair);
        QCOMPARE(target->twin, targetPair);
        QVERIFY(Consistent(*s));
    }

    void mergeRefusedBeforeAnyChange_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("message");
        QTest::newRow("pairs played together")
            << 0 << "Cannot rename Anne to Ann\nbecause they both played against\nOpp 1 on 1 May";
        QTest::newRow("twin's games have nowhere to go")
            << 1 << "Cannot rename Anne to Ann\nbecause not all of the games of Anne can be moved";
    }
    void mergeRefusedBeforeAnyChange()
    {
        QFETCH(int, variant);
        QFETCH(QString, message);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, kTwinScheme, {"Anne"});
        Player* source = Find(*s, "Anne", 1);
        if (variant == 0) {
            QVERIFY(RegisterPlayerName(*s, host, "Ann"));
            Put(*s, 0, 2, Find(*s, "Ann", 2));
        } else {
            QVERIFY(RegisterPlayer(*s, host, "Ann", 1));   // no twin to take the pairs games
        }
        Put(*s, 1, 6, source);
        Put(*s, 0, 0, source->twin);
        const QString before = Snapshot(*s);
        QVERIFY(RenamePlayer(*s, host, *source, "Ann") == RenameOutcome::Refused);
        QCOMPARE(QString::fromStdString(host.messages.back().text), message);
        QCOMPARE(Snapshot(*s), before);
    }

    // Ids above the removed record(s) close the gap in players and games.
    void deleteRegistration_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("gameState");   // of a game naming P2 (its twin under 87); -1 none
        QTest::addColumn<bool>("deleted");
        QTest::newRow("no games") << 0 << -1 << true;
        QTest::newRow("played") << 0 << int(Played) << false;
        QTest::newRow("twins, no games") << kTwinScheme << -1 << true;
        QTest::newRow("twin chosen, not played") << kTwinScheme << int(Pending) << false;
    }
    void deleteRegistration()
    {
        QFETCH(int, scheme);
        QFETCH(int, gameState);
        QFETCH(bool, deleted);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, scheme, {"P0", "P1", "P2", "P3", "P4"});
        const int group = scheme == kTwinScheme ? 1 : 0;
        Player* doomed = Find(*s, "P2", group);
        Put(*s, 0, 6, Find(*s, "P3", group));
        Put(*s, 2, 7, Find(*s, "P4", group), Pending);   // chosen for a fixture not yet played
        Put(*s, 1, 1, Find(*s, "P1", group));
        if (gameState >= 0)
            Put(*s, 3, 3, group ? doomed->twin : doomed, std::uint32_t(gameState));
        s->fixtures[0]->games[6].secondPlayer = doomed;
        const QString before = Snapshot(*s);
        const int count = s->playerCount;
        QCOMPARE(DeleteRegistration(*s, *doomed), deleted);
        if (!deleted) {
            QCOMPARE(Snapshot(*s), before);
            return;
        }
        QCOMPARE(s->playerCount, count - (group ? 2 : 1));
        QCOMPARE(Find(*s, "P2", 0), nullptr);
        QCOMPARE(Find(*s, "P2", 2), nullptr);
        QCOMPARE(s->fixtures[0]->games[6].secondPlayer, nullptr);
        QVERIFY(Consistent(*s));
        QVERIFY(s->modified && s->layoutChanged);
        for (const auto& p : s->players)
            QVERIFY(!group || (p->twin && p->twin->twin == p.get()));
    }
};

TESSEL_TEST(TestPlayerRegister)
#include "tst_PlayerRegister.moc"
