#include "support/TestRegistry.h"
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
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("inserted");
        QTest::addColumn<QString>("message");
        QTest::newRow("first") << 10 << 1 << true << QString();
        QTest::newRow("append") << 10 << 11 << true << QString();
        QTest::newRow("zero") << 10 << 0 << false << QString();
        QTest::newRow("two past the end") << 10 << 12 << false << QString();
        QTest::newRow("99 fixtures") << 99 << 100 << true << QString();
        QTest::newRow("100 fixtures") << 100 << 101 << false
                                      << "A season cannot hold more than 100 fixtures";
    }
    void insertPosition()
    {
        QFETCH(int, fixtures);
        QFETCH(int, position);
        QFETCH(bool, inserted);
        QFETCH(QString, message);
        FakeHost host;
        host.now = 1'700'000'000;
        SeasonPtr s = MakeSeason(host, fixtures, 3);
        QCOMPARE(InsertFixture(*s, host, position), inserted);
        QCOMPARE(host.Texts(), message.isEmpty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{message.toStdString()});
        QStringList expected = Numbered(fixtures);
        if (inserted)
            expected.insert(position - 1, QString());
        QCOMPARE(Opponents(*s), expected);
        QCOMPARE(s->fixtureCount, int(expected.size()));
        QCOMPARE(s->modified, inserted);
        if (!inserted)
            return;
        QVERIFY(s->layoutChanged);
        const Fixture& added = *s->fixtures[std::size_t(position - 1)];
        QCOMPARE(added.date, host.now);
        QCOMPARE(int(added.games.size()), 3);
        QCOMPARE(added.games[0].state, std::uint32_t(NotPlayed));
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

TESSEL_TEST(TestFixtureOps)
#include "tst_FixtureOps.moc"
