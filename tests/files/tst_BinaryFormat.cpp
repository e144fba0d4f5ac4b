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

void AddHandicaps(Season& s)
{
    s.homeHandicap = 12;
    s.awayHandicap = -7;
    s.fixtures[0]->oppHandicap = 5;
    s.fixtures[2]->oppHandicap = -100000;
    s.players[0]->broughtFor = 320;
    s.players[0]->broughtAgainst = -15;
    s.players[4]->broughtFor = -32768;
    s.players[4]->broughtAgainst = 32767;
}

} // namespace

class TestBinaryFormat : public QObject {
    Q_OBJECT

private slots:
    void header_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<qint64>("value");
        QTest::newRow("magic") << 0 << 4 << qint64(0x71123771);
        QTest::newRow("writer major") << 4 << 2 << qint64(9);
        QTest::newRow("format revision") << 8 << 2 << qint64(5);
        QTest::newRow("team size") << 110 << 2 << qint64(4);
        QTest::newRow("scheme index") << 112 << 2 << qint64(kCannock);
        QTest::newRow("fixture count") << 132 << 2 << qint64(3);
        QTest::newRow("player count") << 142 << 2 << qint64(5);
        QTest::newRow("main length") << 148 << 4 << qint64(1150);
        QTest::newRow("head length") << 1150 << 4 << qint64(174);
        QTest::newRow("game extra size") << 1158 << 4 << qint64(4);
        QTest::newRow("player extra size") << 1162 << 4 << qint64(2);
        QTest::newRow("fixture extras present") << 1166 << 4 << qint64(0);
        QTest::newRow("game extras present") << 1170 << 4 << qint64(1);
        QTest::newRow("scheme groupSize in head") << 1178 << 2 << qint64(1);
        QTest::newRow("scheme target in head") << 1180 << 4 << qint64(21);
    }
    void header()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(qint64, value);
        const SeasonPtr s = Build(kCannock);
        const Bytes b = SeasonToBytes(*s);
        QCOMPARE(b.size(), kWhole);
        QCOMPARE(kWhole, std::size_t(1382));
        const qint64 got =
            width == 2 ? Peek16(b, std::size_t(offset)) : Peek32(b, std::size_t(offset));
        QCOMPARE(got, value);
    }

    void keepHandicapsHeader()
    {
        SeasonPtr s = Build(kBuryMetro);
        s->homeHandicap = 7;
        s->awayHandicap = -3;
        const Bytes b = SeasonToBytes(*s);
        QCOMPARE(Peek32(b, 134), 7u);
        QCOMPARE(Peek32(b, 138), 0xFFFFFFFDu);
        QCOMPARE(Peek32(b, 144), 0u);
        QCOMPARE(Peek32(b, 148), 1150u);
    }

    void fixtureRecord_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::newRow("result text") << kCannock;
        QTest::newRow("opponent handicap") << kBuryMetro;
    }
    void fixtureRecord()
    {
        QFETCH(int, scheme);
        SeasonPtr s = Build(scheme);
        Fixture& f = *s->fixtures[1];
        f.result = 2;
        f.opponent = "Moore St John";
        f.venue = Away;
        // 00:30 summer time on 16 July is still 15 July in UTC.
        f.date = MakeLocalDate(2023, 7, 16) - 30 * 60;
        f.resultText = "4\xBD-2\xBD";
        f.oppHandicap = -12;
        const Bytes b = SeasonToBytes(*s);
        const std::size_t at = 152 + 62;
        QCOMPARE(Peek32(b, at), 0u);
        QCOMPARE(Peek16(b, at + 4), 2u);
        QCOMPARE(Field(b, at + 6, 34), QByteArray("Moore St John").leftJustified(34, '\0'));
        QCOMPARE(Peek16(b, at + 40), 1u);
        QCOMPARE(Peek16(b, at + 42), 2023u);
        QCOMPARE(int(b[at + 44]), 16);
        QCOMPARE(int(b[at + 45]), 7);
        if (scheme == kBuryMetro) {
            QCOMPARE(Peek32(b, at + 46), 0xFFFFFFF4u);
            QCOMPARE(Field(b, at + 50, 12), QByteArray(12, '\0'));
        } else {
            QCOMPARE(Field(b, at + 46, 16), QByteArray("4\xBD-2\xBD").leftJustified(16, '\0'));
        }
    }

    void gameRecord()
    {
        SeasonPtr s = Build(0);
        Game& pending = s->fixtures[0]->games[2];
        pending.state = Pending;
        pending.player = s->players[3].get();
        pending.playerId = 99; // stale: the reference wins
        pending.opponent = "Al Jones";
        pending.scoreFor = -1;
        pending.scoreAgainst = 300;
        pending.secondPlayer = s->players[4].get();
        Game& loose = s->fixtures[2]->games[3];
        loose.player = nullptr;
        loose.playerId = 7;
        const Bytes b = SeasonToBytes(*s);
        const std::size_t at = kGamesAt + 2 * 46;
        QCOMPARE(Peek32(b, at), 0u);
        QCOMPARE(Peek16(b, at + 4), 3u);
        QCOMPARE(Field(b, at + 6, 34), QByteArray("Al Jones").leftJustified(34, '\0'));
        QCOMPARE(Peek16(b, at + 40), 3u); // Pending as NotPlayed
        QCOMPARE(Peek16(b, at + 42), 0xFFFFu);
        QCOMPARE(Peek16(b, at + 44), 300u);
        QCOMPARE(Peek16(b, kGameExtrasAt + 2 * 4), 4u);
        QCOMPARE(Peek16(b, kGameExtrasAt + 2 * 4 + 2), 4u);
        QCOMPARE(Peek16(b, kGameExtrasAt + 3 * 4), unsigned(Played));
        QCOMPARE(Peek16(b, kGameExtrasAt + 3 * 4 + 2), 0u); // no second player
        QCOMPARE(Peek16(b, kGamesAt + 11 * 46 + 4), 7u);
    }

    void playerRecord_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<uint>("at6");
        QTest::addColumn<uint>("at8");
        QTest::addColumn<uint>("won");
        QTest::addColumn<float>("measure");
        QTest::newRow("statistics") << kCannock << 12u << 10u << 6u << 3.14159f;
        QTest::newRow("brought forward, low 16 bits")
            << kBuryMetro << 4464u << 0xFFFEu << 0u << 0.0f;
    }
    void playerRecord()
    {
        QFETCH(int, scheme);
        QFETCH(uint, at6);
        QFETCH(uint, at8);
        QFETCH(uint, won);
        QFETCH(float, measure);
        SeasonPtr s = Build(scheme);
        Player& p = *s->players[1];
        p.appearances = 12;
        p.played = 10;
        p.won = 6;
        p.measure = 3.14159;
        p.broughtFor = 70000;
        p.broughtAgainst = -2;
        p.name = "John Smith";
        p.surnameAt = 5;
        p.group = 2;
        const Bytes b = SeasonToBytes(*s);
        const std::size_t at = kPlayersAt + 52;
        QCOMPARE(Peek32(b, at), 0u);
        QCOMPARE(Peek16(b, at + 4), 1u);
        QCOMPARE(Peek16(b, at + 6), at6);
        QCOMPARE(Peek16(b, at + 8), at8);
        QCOMPARE(Peek16(b, at + 10), won);
        QCOMPARE(std::bit_cast<float>(Peek32(b, at + 12)), measure);
        QCOMPARE(Field(b, at + 16, 34), QByteArray("John Smith").leftJustified(34, '\0'));
        QCOMPARE(Peek16(b, at + 50), 5u);
        QCOMPARE(Peek16(b, kPlayerExtrasAt + 2), 2u);
    }

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

    // Over-long texts are cut to what their field holds with its NUL.
    void textFieldsAreCut_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("longest");
        QTest::newRow("team") << 0 << 12 << 33 << 32;
        QTest::newRow("result text") << 4 << 152 + 46 << 16 << 11;
        QTest::newRow("game opponent") << 5 << int(kGamesAt) + 6 << 34 << 33;
        QTest::newRow("player name") << 6 << int(kPlayersAt) + 16 << 34 << 33;
    }
    void textFieldsAreCut()
    {
        QFETCH(int, which);
        QFETCH(int, offset);
        QFETCH(int, field);
        QFETCH(int, longest);
        SeasonPtr s = Build(0);
        const std::string text(80, 'x');
        std::string* targets[] = {&s->teamName,
                                  &s->leagueName,
                                  &s->division,
                                  &s->fixtures[0]->opponent,
                                  &s->fixtures[0]->resultText,
                                  &s->fixtures[0]->games[0].opponent,
                                  &s->players[0]->name};
        *targets[which] = text;
        const Bytes b = SeasonToBytes(*s);
        QCOMPARE(Field(b, std::size_t(offset), std::size_t(field)),
                 QByteArray(longest, 'x').leftJustified(field, '\0'));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("aggregate") << 0;
        QTest::newRow("pending, second player, group") << 1;
        QTest::newRow("Matlock groups and twins") << 2;
        QTest::newRow("Bury Metro handicaps") << 3;
        QTest::newRow("Custom with KeepHandicaps") << 4;
        QTest::newRow("Custom without") << 5;
        QTest::newRow("no fixtures, no players") << 6;
        QTest::newRow("largest season") << 7;
    }
    void roundTrip()
    {
        QFETCH(int, kind);
        FakeHost host;
        SeasonPtr s = kind == 2   ? MatlockSeason()
                      : kind == 4 ? BuildCustom(KeepHandicaps | DivideByGames)
                      : kind == 5 ? BuildCustom(DivideByGames)
                      : kind == 6 ? Build(0, 4, 0, 0)
                      : kind == 7 ? BuildSeason(MaximalSeasonShape(), host)
                                  : Build(kind == 1 ? kCannock : kind == 3 ? kBuryMetro : 0);
        if (kind == 1 || kind == 5)
            AddExtensionContent(*s);
        if (kind == 3 || kind == 4)
            AddHandicaps(*s);
        // What the program saves is always recalculated, as every read is.
        Recalculate(*s, host, false);
        const Bytes first = SeasonToBytes(*s);
        const SeasonPtr read = ReadOk(first, host);
        QVERIFY(read);
        QVERIFY(host.messages.empty());
        // Handicaps, brought-forward shots, groups, states and player links
        // all reach the bytes, so equal bytes mean they all came back.
        QCOMPARE(SeasonToBytes(*read), first);
        QCOMPARE(read->scheme, s->scheme);
        QCOMPARE(read->groupSpan, s->groupSpan);
        QCOMPARE(read->homeHandicap, s->homeHandicap);
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

QTEST_GUILESS_MAIN(TestBinaryFormat)
#include "tst_BinaryFormat.moc"
