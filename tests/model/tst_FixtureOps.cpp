#include <QtTest>

#include "model/Dates.h"
#include "model/FixtureOps.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"

namespace {

SeasonPtr MakeSeason(FakeHost& host, int fixtures, int teamSize = 4)
{
    auto s = std::make_unique<Season>();
    s->teamSize = std::uint16_t(teamSize);
    s->fixtureCount = fixtures;
    ApplyScheme(*s, host);
    if (!AllocateSeasonRecords(host, s))
        return nullptr;
    for (int i = 0; i < fixtures; ++i) {
        Fixture& f = *s->fixtures[std::size_t(i)];
        f.opponent = "Opp " + std::to_string(i + 1);
        f.date = MakeLocalDate(2021, 5, 1 + i);
        f.venue = Home;
        for (Game& g : f.games) {
            g.state = Played;
            g.scoreFor = 21;
        }
    }
    s->modified = s->layoutChanged = false;
    return s;
}

QStringList Opponents(const Season& s)
{
    QStringList names;
    for (const auto& f : s.fixtures)
        names << QString::fromStdString(f->opponent);
    return names;
}

QStringList Numbered(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Opp %1").arg(i);
    return names;
}

} // namespace

class TestFixtureOps : public QObject {
    Q_OBJECT

private slots:
    void insertPosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("inserted");
        QTest::newRow("first") << 1 << true;
        QTest::newRow("middle") << 5 << true;
        QTest::newRow("append") << 11 << true;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("two past the end") << 12 << false;
    }
    void insertPosition()
    {
        QFETCH(int, position);
        QFETCH(bool, inserted);
        FakeHost host;
        host.now = 1'700'000'000;
        SeasonPtr s = MakeSeason(host, 10, 3);
        QVERIFY(s);
        QCOMPARE(InsertFixture(*s, host, position), inserted);
        QVERIFY(host.messages.empty());
        QStringList expected = Numbered(10);
        if (!inserted) {
            QCOMPARE(s->fixtureCount, 10);
            QCOMPARE(Opponents(*s), expected);
            QVERIFY(!s->modified);
            return;
        }
        expected.insert(position - 1, QString());
        QCOMPARE(Opponents(*s), expected);
        QCOMPARE(s->fixtureCount, 11);
        QCOMPARE(int(s->fixtures.size()), 11);
        QVERIFY(s->modified && s->layoutChanged);
        const Fixture& added = *s->fixtures[std::size_t(position - 1)];
        QCOMPARE(added.venue, std::uint32_t(Neutral));
        QCOMPARE(added.date, host.now);
        QCOMPARE(added.result, 0u);
        QVERIFY(added.resultText.empty());
        QCOMPARE(int(added.games.size()), 3);
        for (const Game& g : added.games) {
            QCOMPARE(g.state, std::uint32_t(NotPlayed));
            QCOMPARE(g.player, nullptr);
            QCOMPARE(int(g.scoreFor), 0);
        }
    }

    void insertLimit_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<bool>("inserted");
        QTest::newRow("99 fixtures") << 99 << true;
        QTest::newRow("100 fixtures") << 100 << false;
    }
    void insertLimit()
    {
        QFETCH(int, fixtures);
        QFETCH(bool, inserted);
        FakeHost host;
        SeasonPtr s = MakeSeason(host, fixtures, 1);
        QCOMPARE(InsertFixture(*s, host, fixtures + 1), inserted);
        QCOMPARE(s->fixtureCount, inserted ? fixtures + 1 : fixtures);
        QCOMPARE(int(s->fixtures.size()), s->fixtureCount);
        if (!inserted) {
            QCOMPARE(host.Texts(), std::vector<std::string>{"A season cannot hold more than 100 fixtures"});
            QVERIFY(host.messages[0].icon == MessageIcon::Exclamation);
        }
    }

    void deleteFixture_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("answer");   // Answer when a question is expected
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        const int yes = int(Answer::Yes), no = int(Answer::No);
        QTest::newRow("negative index") << 3 << -1 << true << yes << false << QString() << QString();
        QTest::newRow("past the end") << 3 << 3 << true << yes << false << "Cannot find match to delete"
                                      << "Program error";
        QTest::newRow("only fixture") << 1 << 0 << true << yes << false << "Cannot delete last fixture"
                                      << "Delete";
        QTest::newRow("answered No") << 3 << 1 << true << no << false
                                     << "Do you want to delete this fixture? This action cannot be reversed"
                                     << "Delete?";
        QTest::newRow("answered Yes") << 3 << 1 << true << yes << true
                                      << "Do you want to delete this fixture? This action cannot be reversed"
                                      << "Delete?";
        QTest::newRow("first without asking") << 3 << 0 << false << yes << true << QString() << QString();
        QTest::newRow("one of two") << 2 << 1 << false << yes << true << QString() << QString();
    }
    void deleteFixture()
    {
        QFETCH(int, fixtures);
        QFETCH(int, index);
        QFETCH(bool, confirm);
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        QFETCH(QString, message);
        QFETCH(QString, title);
        FakeHost host;
        host.answers.push_back(Answer(answer));
        SeasonPtr s = MakeSeason(host, fixtures);
        s->selectedFixture = 0;
        QCOMPARE(DeleteFixture(*s, host, index, confirm), deleted);

        if (message.isEmpty()) {
            QVERIFY(host.messages.empty());
        } else {
            QCOMPARE(int(host.messages.size()), 1);
            QCOMPARE(QString::fromStdString(host.messages[0].text), message);
            QCOMPARE(QString::fromStdString(host.messages[0].title), title);
        }
        QStringList expected = Numbered(fixtures);
        if (!deleted) {
            QCOMPARE(Opponents(*s), expected);
            QCOMPARE(s->fixtureCount, fixtures);
            QCOMPARE(s->selectedFixture, 0);
            QVERIFY(!s->modified);
            return;
        }
        expected.removeAt(index);
        QCOMPARE(Opponents(*s), expected);
        QCOMPARE(s->fixtureCount, fixtures - 1);
        QCOMPARE(s->selectedFixture, -1);
        QVERIFY(s->modified && s->layoutChanged);
    }

    void deleteClearsReturnLegs()
    {
        FakeHost host;
        SeasonPtr s = MakeSeason(host, 3);
        Fixture* first = s->fixtures[0].get();
        s->fixtures[2]->returnLeg = first;
        s->fixtures[1]->returnLeg = s->fixtures[2].get();
        QVERIFY(DeleteFixture(*s, host, 0, false));
        QCOMPARE(s->fixtures[1]->returnLeg, nullptr);
        QCOMPARE(s->fixtures[0]->returnLeg, s->fixtures[1].get());
    }
};

QTEST_GUILESS_MAIN(TestFixtureOps)
#include "tst_FixtureOps.moc"
