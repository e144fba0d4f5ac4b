#include "support/TestRegistry.h"
#include <QtTest>

#include <algorithm>
#include <bit>
#include <cstring>

#include "SeasonFileBytes.h"
#include "model/Dates.h"
#include "model/Recalculate.h"

Q_DECLARE_METATYPE(Bytes)

using namespace binarytest;

namespace {

// Every person twice, once per group, as the two-group league registers them;
// "Dan Fox" has a namesake in group 0 as well.
SeasonPtr MatlockSeason()
{
    SeasonPtr s = Build(kMatlockThursday, 6, 3, 7);
    const char* names[] = {"Ann Lee", "Ann Lee", "Bob Ray", "Bob Ray",
                           "Dan Fox", "Dan Fox", "Dan Fox"};
    const std::uint16_t groups[] = {1, 2, 2, 1, 1, 2, 0};
    for (std::size_t i = 0; i < 7; ++i) {
        s->players[i]->name = names[i];
        s->players[i]->surnameAt = SplitName(names[i]);
        s->players[i]->group = groups[i];
    }
    return s;
}

} // namespace

class TestBinaryFormat : public QObject {
    Q_OBJECT

private slots:
    // Nobody played in a season without fixtures: the measure is 0 (not the
    // -0.0 of -41 x 0), stored as four zero bytes.
    void unplayedMeasureIsPlainZero()
    {
        SeasonPtr s;
        for (int scheme = 0; scheme < kSchemeCount && !s; ++scheme) {
            s = Build(scheme, 4, 0, 1);
            if (s->scheme.Has(DivideByGames) || s->scheme.Has(KeepHandicaps))
                s.reset();
        }
        QVERIFY(s);
        FakeHost host;
        Recalculate(*s, host, false);
        const Bytes b = SeasonToBytes(*s);
        QCOMPARE(Peek32(b, kHeaderBytes + 12), 0u);
    }

    // Texts longer than their fields come back cut to the field, never running into the next.
    void textFieldsAreCut()
    {
        SeasonPtr s = Build(0);
        const std::string text(80, 'x');
        for (std::string* field : {&s->teamName, &s->leagueName, &s->division,
                                   &s->fixtures[0]->opponent,
                                   &s->fixtures[0]->games[0].opponent, &s->players[0]->name})
            *field = text;
        FakeHost host;
        const SeasonPtr back = ReadOk(SeasonToBytes(*s), host);
        QVERIFY(back);
        QCOMPARE(back->teamName.size(), std::size_t(32));
        QCOMPARE(back->leagueName.size(), std::size_t(64));
        QCOMPARE(back->division.size(), std::size_t(17));
        QCOMPARE(back->fixtures[0]->opponent.size(), std::size_t(33));
        QCOMPARE(back->fixtures[0]->games[0].opponent.size(), std::size_t(33));
        QCOMPARE(back->PlayerById(0)->name.size(), std::size_t(33));
    }

    void broughtForward_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::newRow("largest") << 32767 << 32767;
        QTest::newRow("one too many") << 32768 << -32768;
        QTest::newRow("70000") << 70000 << 4464;
    }
    void broughtForward()
    {
        QFETCH(int, written);
        QFETCH(int, read);
        SeasonPtr s = Build(kBuryMetro);
        s->players[4]->broughtFor = written;
        s->players[4]->broughtAgainst = -written;
        FakeHost host;
        const SeasonPtr back = ReadOk(SeasonToBytes(*s), host);
        QVERIFY(back);
        QCOMPARE(back->PlayerById(4)->broughtFor, read);
        QCOMPARE(back->PlayerById(4)->broughtAgainst, std::int32_t(std::int16_t(-written)));
    }

    void twins()
    {
        FakeHost host;
        const SeasonPtr s = ReadOk(SeasonToBytes(*MatlockSeason()), host);
        QVERIFY(s);
        auto twin = [&](int i) -> Player* { return s->PlayerById(i)->twin; };
        auto at = [&](int i) { return s->PlayerById(i); };
        QCOMPARE(twin(0), at(1));
        QCOMPARE(twin(1), at(0));
        QCOMPARE(twin(2), at(3)); // linked from the group-1 record below it
        QCOMPARE(twin(3), at(2));
        // Several namesakes: each points at the group-1 player, which keeps the last.
        QCOMPARE(twin(4), at(6));
        QCOMPARE(twin(5), at(4));
        QCOMPARE(twin(6), at(4));
    }

};

TESSEL_TEST(TestBinaryFormat)
#include "tst_BinaryFormat.moc"
