#include "support/TestRegistry.h"
#include <QtTest>

#include <algorithm>

#include "SeasonFileBytes.h"
#include "model/Dates.h"

Q_DECLARE_METATYPE(Bytes)

using namespace binarytest;

// Files as they arrive from outside: cut short, mutated, from other versions.

class TestBinaryReader : public QObject {
    Q_OBJECT

private slots:
    // A field filled to its end with no NUL gives one character less than
    // its width, so it fits the field again when written.
    void textFieldWithoutNul_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("field");
        QTest::newRow("team") << 0 << 12 << 33;
        QTest::newRow("division") << 1 << 114 << 18;
        QTest::newRow("player name") << 2 << int(kPlayersAt) + 16 << 34;
    }
    void textFieldWithoutNul()
    {
        QFETCH(int, which);
        QFETCH(int, offset);
        QFETCH(int, field);
        Bytes b = SeasonToBytes(*Build(0));
        std::fill_n(b.begin() + offset, field, std::uint8_t('y'));
        FakeHost host;
        const SeasonPtr s = ReadOk(b, host);
        QVERIFY(s);
        const std::string texts[] = {s->teamName, s->division, s->PlayerById(0)->name};
        QCOMPARE(texts[which], std::string(std::size_t(field - 1), 'y'));
    }

    void invalidScheme_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("message");
        QTest::newRow("88") << 88 << true;
        QTest::newRow("90") << 90 << true;
        QTest::newRow("-1") << 0xFFFF << true;
        QTest::newRow("87") << 87 << false;
    }
    void invalidScheme()
    {
        QFETCH(int, index);
        QFETCH(bool, message);
        FakeHost host;
        const SeasonPtr s = ReadOk(Poked16(SeasonToBytes(*Build(kCannock)), 112, std::uint32_t(index)), host);
        QVERIFY(s);
        if (!message) {
            QVERIFY(host.messages.empty());
            QCOMPARE(int(s->schemeIndex), index);
            return;
        }
        QCOMPARE(host.Texts(), std::vector<std::string>{"Invalid scoring scheme (perhaps the file was saved by a "
                                                       "later version of Tessel). Aggregate scoring will be used."});
        QCOMPARE(host.messages[0].title, std::string("Open file error"));
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(s->schemeIndex, 0u);
        QCOMPARE(s->scheme, *LookupScheme(0, host));
    }

    void invalidFile_data()
    {
        QTest::addColumn<Bytes>("file");
        const Bytes good = SeasonToBytes(*Build(0));
        const Bytes custom = SeasonToBytes(*BuildCustom(DivideByGames));
        const std::size_t weight5 = kMain + 28 + 6 + 4 * 5;
        QTest::newRow("empty") << Bytes{};
        QTest::newRow("151 bytes") << Bytes(good.begin(), good.begin() + 151);
        QTest::newRow("magic") << Poked32(good, 0, 0x71123772);
        QTest::newRow("format revision 4") << Poked16(good, 8, 4);
        QTest::newRow("format revision 6") << Poked16(good, 8, 6);
        QTest::newRow("reserved word") << Poked16(good, 10, 1);
        QTest::newRow("main length beyond the end") << Poked32(good, 148, std::uint32_t(good.size() + 1));
        QTest::newRow("team size 31") << SeasonToBytes(*Build(0, 31, 2, 3));
        QTest::newRow("201 players") << SeasonToBytes(*Build(0, 4, 3, 201));
        QTest::newRow("two players with id 0") << Poked16(good, kPlayersAt + 52 + 4, 0);
        QTest::newRow("id beyond the count") << Poked16(good, kPlayersAt + 4 * 52 + 4, 5);
        QTest::newRow("more fixtures than records") << Poked16(good, 132, 4);
        QTest::newRow("cut in the player records")
            << Poked32(Bytes(good.begin(), good.begin() + kMain - 1), 148, 152);
        QTest::newRow("cut in the game records")
            << Poked32(Bytes(good.begin(), good.begin() + kGamesAt + 10), 148, 152);
        QTest::newRow("Custom weight NaN") << Poked32(custom, weight5, 0x7FC00000);
        QTest::newRow("Custom weight +inf") << Poked32(custom, weight5 + 4, 0x7F800000);
        QTest::newRow("Custom weight -inf") << Poked32(custom, weight5 + 8, 0xFF800000);
    }
    void invalidFile()
    {
        QFETCH(Bytes, file);
        FakeHost host;
        SeasonPtr s = std::make_unique<Season>();
        QCOMPARE(Read(file, host, s), ReadStatus::Invalid);
        QVERIFY(!s);
        QVERIFY(host.messages.empty());
    }

    void acceptedFile_data()
    {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        Bytes header(152, 0);
        Poke32(header, 0, 0x71123771);
        Poke16(header, 8, 5);
        Poke32(header, 148, 152);
        QTest::newRow("152 bytes, no records") << header << 0 << 0;
        QTest::newRow("team size 30") << SeasonToBytes(*Build(0, 30, 2, 3)) << 2 << 3;
        QTest::newRow("200 players") << SeasonToBytes(*Build(0, 4, 3, 200)) << 3 << 200;
        QTest::newRow("NaN in a built-in scheme's copy")
            << Poked32(SeasonToBytes(*Build(kCannock)), kMain + 28 + 6, 0x7FC00000) << 3 << 5;
        QTest::newRow("offsets and main length not believed")
            << Poked32(Poked32(Poked32(SeasonToBytes(*Build(0)), 148, 152), 134, 0), 144, 77) << 3 << 5;
    }
    void acceptedFile()
    {
        QFETCH(Bytes, file);
        QFETCH(int, fixtures);
        QFETCH(int, players);
        FakeHost host;
        const SeasonPtr s = ReadOk(file, host);
        QVERIFY(s);
        QVERIFY(host.messages.empty());
        QCOMPARE(int(s->fixtures.size()), fixtures);
        QCOMPARE(s->playerCount, players);
    }

    // Files before 8.15 have no extension block: what follows the records is
    // not looked at. Cut short, each kind of extra record is used only when
    // all of it is there; a complete head keeps a Custom season's parameters.
    void extensionUse_data()
    {
        QTest::addColumn<int>("minor"); // of version 8
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("params");
        QTest::addColumn<bool>("games");
        QTest::addColumn<bool>("groups");
        QTest::newRow("8.14") << 14 << int(kWhole) << false << false << false;
        QTest::newRow("no extension") << 15 << int(kMain) << false << false << false;
        QTest::newRow("cut in head length") << 15 << int(kMain) + 3 << false << false << false;
        QTest::newRow("cut in head") << 15 << int(kMain) + 173 << false << false << false;
        QTest::newRow("head only") << 15 << int(kGameExtrasAt) << true << false << false;
        QTest::newRow("cut in game extras") << 15 << int(kPlayerExtrasAt) - 1 << true << false << false;
        QTest::newRow("game extras only") << 15 << int(kPlayerExtrasAt) << true << true << false;
        QTest::newRow("cut in player extras") << 15 << int(kWhole) - 1 << true << true << false;
        QTest::newRow("complete") << 15 << int(kWhole) << true << true << true;
    }
    void extensionUse()
    {
        QFETCH(int, minor);
        QFETCH(int, length);
        QFETCH(bool, params);
        QFETCH(bool, games);
        QFETCH(bool, groups);
        SeasonPtr s = BuildCustom(DivideByGames);
        AddExtensionContent(*s);
        Bytes b = SeasonToBytes(*s);
        Poke16(b, 4, 8);
        Poke16(b, 6, std::uint32_t(minor));
        b.resize(std::size_t(length));
        FakeHost host;
        const SeasonPtr read = ReadOk(b, host);
        QVERIFY(read);
        QVERIFY(host.messages.empty());
        QCOMPARE(read->scheme, params ? s->scheme : ScoringScheme{});
        QCOMPARE(int(read->groupSpan[1]), params ? -1 : 0);
        QCOMPARE(read->gameTarget[0], params ? 15u : 0u);
        QCOMPARE(read->fixtures[0]->games[1].state, std::uint32_t(games ? Pending : NotPlayed));
        QCOMPARE(read->fixtures[1]->games[0].secondPlayer, games ? read->PlayerById(2) : nullptr);
        QCOMPARE(read->PlayerById(3)->group, std::uint16_t(groups ? 2 : 0));
    }

    // Extension blocks as other versions might write them: records of other
    // sizes, blocks left out, sizes that would run past any file.
    void extensionHead_data()
    {
        QTest::addColumn<QList<uint>>("head"); // length, three sizes, three flags
        QTest::addColumn<bool>("state");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("group");
        using L = QList<uint>;
        QTest::newRow("as written") << L{174, 1, 4, 2, 0, 1, 1} << true << true << true;
        QTest::newRow("short head length is 174") << L{10, 1, 4, 2, 0, 1, 1} << true << true << true;
        QTest::newRow("fixture extras skipped") << L{174, 3, 4, 2, 1, 1, 1} << true << true << true;
        QTest::newRow("game records of 1 byte") << L{174, 1, 1, 2, 0, 1, 1} << false << false << true;
        QTest::newRow("huge game records") << L{174, 1, 0xFFFFFFFF, 2, 0, 1, 1} << false << false << false;
    }
    void extensionHead()
    {
        QFETCH(QList<uint>, head);
        QFETCH(bool, state);
        QFETCH(bool, second);
        QFETCH(bool, group);
        SeasonPtr s = Build(kCannock);
        AddExtensionContent(*s);
        const Bytes written = SeasonToBytes(*s);
        Bytes b(written.begin(), written.begin() + kMain);
        b.resize(kMain + std::max<std::size_t>(174, head[0]), 0xEE);
        for (int i = 0; i < 7; ++i)
            Poke32(b, kMain + 4 * std::size_t(i), head[i]);
        std::copy_n(written.begin() + kMain + 28, 146, b.begin() + kMain + 28);
        // Each record: two 16-bit values, padded or cut to the record's size.
        auto append = [&b](uint size, std::uint32_t first, std::uint32_t second) {
            for (uint i = 0; size <= 64 && i < size; ++i)
                b.push_back(i >= 4 ? 0xEE : std::uint8_t((i < 2 ? first : second) >> (8 * (i % 2))));
        };
        for (std::size_t f = 0; head[4] && f < 3; ++f)
            append(head[1], 0xEEEE, 0xEEEE);
        for (std::size_t f = 0; f < 3; ++f)
            for (const Game& g : s->fixtures[f]->games) // a state beyond Pending is ignored
                append(head[2], &g == &s->fixtures[2]->games[3] ? 5 : g.state,
                       g.secondPlayer ? g.secondPlayer->id : 0xFFFF);
        for (std::size_t p = 0; p < 5; ++p)
            append(head[3], s->players[p]->group, 0);
        FakeHost host;
        const SeasonPtr read = ReadOk(b, host);
        QVERIFY(read);
        QCOMPARE(read->fixtures[0]->games[1].state, std::uint32_t(state ? Pending : NotPlayed));
        QCOMPARE(read->fixtures[2]->games[3].state, std::uint32_t(Played));
        QCOMPARE(read->fixtures[1]->games[0].secondPlayer, second ? read->PlayerById(2) : nullptr);
        QCOMPARE(read->fixtures[1]->games[1].secondPlayer, nullptr);
        QCOMPARE(read->PlayerById(3)->group, std::uint16_t(group ? 2 : 0));
    }

    void playerIdNamingNoPlayer_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("one past the last") << 5;
        QTest::newRow("-1") << -1;
    }
    void playerIdNamingNoPlayer()
    {
        QFETCH(int, id);
        Bytes b = SeasonToBytes(*Build(0));
        Poke16(b, kGamesAt + 4, std::uint32_t(id) & 0xFFFF);
        Poke16(b, kGameExtrasAt + 2, std::uint32_t(id) & 0xFFFF);
        FakeHost host;
        const SeasonPtr s = ReadOk(b, host);
        QVERIFY(s);
        const Game& game = s->fixtures[0]->games[0];
        QCOMPARE(game.player, nullptr);
        QCOMPARE(game.secondPlayer, nullptr);
        QCOMPARE(s->fixtures[0]->games[1].player, s->PlayerById(1));
        // The unresolved id goes back into the file as it came.
        QCOMPARE(Peek16(SeasonToBytes(*s), kGamesAt + 4), std::uint32_t(id) & 0xFFFF);
    }

    // A game stores id 0 when it has no player; only the states in which a
    // player of ours takes part name one.
    void playerOnlyWhereOneTakesPart_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("linked");
        QTest::newRow("Played") << int(Played) << true;
        QTest::newRow("Pending") << int(Pending) << true;
        QTest::newRow("PlayerAbsent") << int(PlayerAbsent) << false;
        QTest::newRow("NotPlayed") << int(NotPlayed) << false;
    }
    void playerOnlyWhereOneTakesPart()
    {
        QFETCH(int, state);
        QFETCH(bool, linked);
        SeasonPtr original = Build(0);
        Game& game = original->fixtures[0]->games[0];
        game.state = std::uint32_t(state);
        game.player = original->PlayerById(0);
        game.playerId = 0;
        game.scoreFor = state == Played ? 21 : 0;
        game.scoreAgainst = state == PlayerAbsent ? 21 : 0;
        FakeHost host;
        const SeasonPtr s = ReadOk(SeasonToBytes(*original), host);
        QVERIFY(s);
        QCOMPARE(s->fixtures[0]->games[0].player, linked ? s->PlayerById(0) : nullptr);
    }

    // Out-of-range values become the field's neutral value, so that nothing
    // later can index a table with them.
    void oddValues_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("field"); // 0 venue, 1 game state
        QTest::addColumn<uint>("expected");
        QTest::newRow("venue -1") << 152 + 40 << 0xFFFF << 0 << 2u;
        QTest::newRow("state Pending in the record") << int(kGamesAt) + 40 << 4 << 1 << 4u;
        QTest::newRow("state 5") << int(kGamesAt) + 40 << 5 << 1 << 3u;
    }
    void oddValues()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(int, field);
        QFETCH(uint, expected);
        Bytes b = SeasonToBytes(*Build(0));
        Poke32(b, 4, 8 | 14 << 16); // 8.14: the game records' states stand
        Poke16(b, std::size_t(offset), std::uint32_t(value));
        FakeHost host;
        const SeasonPtr s = ReadOk(b, host);
        QVERIFY(s);
        const std::uint32_t got[] = {s->fixtures[0]->venue, s->fixtures[0]->games[0].state};
        QCOMPARE(got[field], expected);
    }

    // The stored day is rebuilt as local midnight, standard time, with
    // out-of-range days and months rolled over.
    void dates_data()
    {
        QTest::addColumn<QList<int>>("stored"); // year, month, day
        QTest::addColumn<QList<int>>("wanted");
        QTest::newRow("31 February") << QList<int>{2023, 2, 31} << QList<int>{2023, 3, 3};
        QTest::newRow("day 0") << QList<int>{2024, 3, 0} << QList<int>{2024, 2, 29};
        QTest::newRow("month 13") << QList<int>{2023, 13, 1} << QList<int>{2024, 1, 1};
        QTest::newRow("year 65535 is unsigned") << QList<int>{65535, 1, 1} << QList<int>{65535, 1, 1};
    }
    void dates()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QList<int>, wanted);
        Bytes b = SeasonToBytes(*Build(0));
        Poke16(b, 152 + 42, std::uint32_t(stored[0]));
        b[152 + 45] = std::uint8_t(stored[1]);
        b[152 + 44] = std::uint8_t(stored[2]);
        FakeHost host;
        const SeasonPtr s = ReadOk(b, host);
        QVERIFY(s);
        QCOMPARE(s->fixtures[0]->date, MakeLocalDate(wanted[0], wanted[1], wanted[2]));
        const Bytes again = SeasonToBytes(*s);
        QCOMPARE((QList<int>{int(Peek16(again, 152 + 42)), again[152 + 45], again[152 + 44]}), wanted);
    }
};

TESSEL_TEST(TestBinaryReader)
#include "tst_BinaryReader.moc"
