#include <QtTest>

#include <algorithm>
#include <bit>
#include <cstring>

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
        QTest::newRow("league") << 1 << 45 << 65;
        QTest::newRow("division") << 2 << 114 << 18;
        QTest::newRow("player name") << 3 << int(kPlayersAt) + 16 << 34;
    }
    void textFieldWithoutNul()
    {
        QFETCH(int, which);
        QFETCH(int, offset);
        QFETCH(int, field);
        Bytes b = SeasonToBytes(*Build(0));
        std::fill_n(b.begin() + offset, field, std::uint8_t('y'));
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(b, host, s), ReadStatus::Ok);
        const std::string texts[] = {s->teamName, s->leagueName, s->division,
                                     s->PlayerById(0)->name};
        QCOMPARE(texts[which], std::string(std::size_t(field - 1), 'y'));
    }

    // Files from before 8.15 have no extension block: whatever follows the
    // records is not looked at.
    void extensionByVersion_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<bool>("extension");
        QTest::newRow("8.14") << 8 << 14 << false;
        QTest::newRow("8.15") << 8 << 15 << true;
        QTest::newRow("7.99") << 7 << 99 << false;
        QTest::newRow("9.0") << 9 << 0 << true;
    }
    void extensionByVersion()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(bool, extension);
        SeasonPtr s = BuildCustom(DivideByGames);
        AddExtensionContent(*s);
        Bytes b = SeasonToBytes(*s);
        Poke16(b, 4, std::uint32_t(major));
        Poke16(b, 6, std::uint32_t(minor));
        FakeHost host;
        SeasonPtr read;
        QCOMPARE(Read(b, host, read), ReadStatus::Ok);
        QCOMPARE(read->fixtures[0]->games[1].state, std::uint32_t(extension ? Pending : NotPlayed));
        QCOMPARE(read->PlayerById(3)->group, std::uint16_t(extension ? 2 : 0));
        QCOMPARE(read->fixtures[1]->games[0].secondPlayer,
                 extension ? read->PlayerById(2) : nullptr);
        QCOMPARE(read->scheme, extension ? s->scheme : ScoringScheme{});
        QCOMPARE(int(read->groupSpan[0]), extension ? 1 : 0);
    }

    void invalidScheme_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("message");
        QTest::newRow("88") << 88 << true;
        QTest::newRow("90") << 90 << true;
        QTest::newRow("-1") << 0xFFFF << true;
        QTest::newRow("87") << 87 << false;
        QTest::newRow("0") << 0 << false;
    }
    void invalidScheme()
    {
        QFETCH(int, index);
        QFETCH(bool, message);
        Bytes b = SeasonToBytes(*Build(kCannock));
        Poke16(b, 112, std::uint32_t(index));
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(b, host, s), ReadStatus::Ok);
        if (!message) {
            QVERIFY(host.messages.empty());
            QCOMPARE(int(s->schemeIndex), index);
            return;
        }
        QCOMPARE(host.messages.size(), std::size_t(1));
        QCOMPARE(host.messages[0].text,
                 std::string("Invalid scoring scheme (perhaps the file was saved by a later "
                             "version of Tessel). Aggregate scoring will be used."));
        QCOMPARE(host.messages[0].title, std::string("Open file error"));
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(s->schemeIndex, 0u);
        QCOMPARE(s->scheme, *LookupScheme(0, host));
    }

    void invalidFile_data()
    {
        QTest::addColumn<Bytes>("file");
        const Bytes good = SeasonToBytes(*Build(0));
        auto row = [](const char* name, Bytes b) { QTest::newRow(name) << b; };
        row("empty", Bytes{});
        row("151 bytes", Bytes(good.begin(), good.begin() + 151));
        Bytes b = good;
        Poke32(b, 0, 0x71123772);
        row("magic", b);
        b = good;
        Poke16(b, 8, 4);
        row("format revision 4", b);
        b = good;
        Poke16(b, 8, 6);
        row("format revision 6", b);
        b = good;
        Poke16(b, 10, 1);
        row("reserved word", b);
        b = good;
        Poke32(b, 148, std::uint32_t(good.size() + 1));
        row("main length beyond the end", b);
        row("team size 31", SeasonToBytes(*Build(0, 31, 2, 3)));
        row("201 players", SeasonToBytes(*Build(0, 4, 3, 201)));
        b = good;
        Poke16(b, kPlayersAt + 52 + 4, 0);
        row("two players with id 0", b);
        b = good;
        Poke16(b, kPlayersAt + 4 * 52 + 4, 5);
        row("id beyond the count", b);
        b = good;
        Poke16(b, 132, 4);
        row("more fixtures than records", b);
        b = Bytes(good.begin(), good.begin() + kMain - 1);
        Poke32(b, 148, 152);
        row("cut in the player records", b);
        b = Bytes(good.begin(), good.begin() + kGamesAt + 10);
        Poke32(b, 148, 152);
        row("cut in the game records", b);
        const Bytes custom = SeasonToBytes(*BuildCustom(DivideByGames));
        const std::uint32_t bad[] = {0x7FC00000, 0x7F800000, 0xFF800000};
        const char* names[] = {"Custom weight NaN", "Custom weight +inf", "Custom weight -inf"};
        for (int i = 0; i < 3; ++i) {
            b = custom;
            Poke32(b, kMain + 28 + 6 + 4 * std::size_t(5 + i), bad[i]);
            row(names[i], b);
        }
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
        Poke16(header, 4, 9);
        Poke16(header, 6, 19);
        Poke16(header, 8, 5);
        Poke32(header, 148, 152);
        QTest::newRow("152 bytes, no records") << header << 0 << 0;
        QTest::newRow("team size 30") << SeasonToBytes(*Build(0, 30, 2, 3)) << 2 << 3;
        QTest::newRow("200 players") << SeasonToBytes(*Build(0, 4, 3, 200)) << 3 << 200;
        Bytes b = SeasonToBytes(*Build(kCannock));
        Poke32(b, kMain + 28 + 6, 0x7FC00000);
        QTest::newRow("NaN in a built-in scheme's copy") << b << 3 << 5;
        b = SeasonToBytes(*Build(0));
        Poke32(b, 148, 152);
        Poke32(b, 134, 0);
        Poke32(b, 144, 77);
        QTest::newRow("offsets and main length not believed") << b << 3 << 5;
    }
    void acceptedFile()
    {
        QFETCH(Bytes, file);
        QFETCH(int, fixtures);
        QFETCH(int, players);
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(file, host, s), ReadStatus::Ok);
        QVERIFY(host.messages.empty());
        QCOMPARE(int(s->fixtures.size()), fixtures);
        QCOMPARE(int(s->players.size()), players);
        QCOMPARE(s->fixtureCount, fixtures);
        QCOMPARE(s->playerCount, players);
    }

    // The file cut at points in and after the extension block: each kind of
    // extra record is used only when all of it is there; a complete head
    // keeps a Custom season's parameters.
    void truncatedExtension_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("params");
        QTest::addColumn<bool>("games");
        QTest::addColumn<bool>("groups");
        QTest::newRow("no extension") << int(kMain) << false << false << false;
        QTest::newRow("cut in head length") << int(kMain) + 3 << false << false << false;
        QTest::newRow("cut in head") << int(kMain) + 173 << false << false << false;
        QTest::newRow("head only") << int(kGameExtrasAt) << true << false << false;
        QTest::newRow("cut in game extras") << int(kPlayerExtrasAt) - 1 << true << false << false;
        QTest::newRow("game extras only") << int(kPlayerExtrasAt) << true << true << false;
        QTest::newRow("cut in player extras") << int(kWhole) - 1 << true << true << false;
        QTest::newRow("complete") << int(kWhole) << true << true << true;
    }
    void truncatedExtension()
    {
        QFETCH(int, length);
        QFETCH(bool, params);
        QFETCH(bool, games);
        QFETCH(bool, groups);
        SeasonPtr s = BuildCustom(DivideByGames);
        AddExtensionContent(*s);
        Bytes b = SeasonToBytes(*s);
        b.resize(std::size_t(length));
        FakeHost host;
        SeasonPtr read;
        QCOMPARE(Read(b, host, read), ReadStatus::Ok);
        QVERIFY(host.messages.empty());
        QCOMPARE(read->scheme, params ? s->scheme : ScoringScheme{});
        QCOMPARE(int(read->groupSpan[0]), params ? 1 : 0);
        QCOMPARE(int(read->groupSpan[1]), params ? -1 : 0);
        QCOMPARE(read->gameTarget[0], params ? 15u : 0u);
        QCOMPARE(read->fixtures[0]->games[1].state, std::uint32_t(games ? Pending : NotPlayed));
        QCOMPARE(read->fixtures[1]->games[0].secondPlayer,
                 games ? read->PlayerById(2) : nullptr);
        QCOMPARE(read->PlayerById(3)->group, std::uint16_t(groups ? 2 : 0));
    }

    // Extension blocks as other versions might write them.
    void extensionHead_data()
    {
        QTest::addColumn<QList<uint>>("head"); // length, three sizes, three flags
        QTest::addColumn<bool>("state");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("group");
        using L = QList<uint>;
        QTest::newRow("as written") << L{174, 1, 4, 2, 0, 1, 1} << true << true << true;
        QTest::newRow("longer head read past") << L{200, 1, 4, 2, 0, 1, 1} << true << true << true;
        QTest::newRow("short head length is 174")
            << L{10, 1, 4, 2, 0, 1, 1} << true << true << true;
        QTest::newRow("fixture extras skipped") << L{174, 3, 4, 2, 1, 1, 1} << true << true << true;
        QTest::newRow("wider records") << L{174, 1, 7, 3, 0, 1, 1} << true << true << true;
        QTest::newRow("game records of 2 bytes")
            << L{174, 1, 2, 2, 0, 1, 1} << true << false << true;
        QTest::newRow("game records of 1 byte")
            << L{174, 1, 1, 2, 0, 1, 1} << false << false << true;
        QTest::newRow("player records of 1 byte")
            << L{174, 1, 4, 1, 0, 1, 1} << true << true << false;
        QTest::newRow("no game records, any size")
            << L{174, 1, 0xFFFFFFFF, 2, 0, 0, 1} << false << false << true;
        QTest::newRow("no player records") << L{174, 1, 4, 2, 0, 1, 0} << true << true << false;
        QTest::newRow("huge game records")
            << L{174, 1, 0xFFFFFFFF, 2, 0, 1, 1} << false << false << false;
        QTest::newRow("huge fixture records")
            << L{174, 0xFFFFFFFF, 4, 2, 0xFFFFFFFF, 1, 1} << false << false << false;
        QTest::newRow("huge head") << L{0xFFFFFFFF, 1, 4, 2, 0, 1, 1} << false << false << false;
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
        const std::size_t headBytes =
            std::max<std::size_t>(174, std::min<std::size_t>(head[0], 4096));
        b.resize(kMain + headBytes, 0xEE);
        for (int i = 0; i < 7; ++i)
            Poke32(b, kMain + 4 * std::size_t(i), head[i]);
        std::copy_n(written.begin() + kMain + 28, 146, b.begin() + kMain + 28);
        auto append = [&b](uint size, std::uint32_t first, std::uint32_t second) {
            if (size > 64)
                return;
            Bytes record(size, 0xEE);
            for (uint i = 0; i < size && i < 4; ++i)
                record[i] = std::uint8_t((i < 2 ? first : second) >> (8 * (i % 2)));
            b.insert(b.end(), record.begin(), record.end());
        };
        for (std::size_t f = 0; head[4] && f < 3; ++f)
            append(head[1], 0xEEEE, 0xEEEE);
        for (std::size_t f = 0; head[5] && f < 3; ++f) {
            for (const Game& g : s->fixtures[f]->games) {
                // A state beyond Pending (here the last game's) is ignored.
                const std::uint32_t state = &g == &s->fixtures[2]->games[3] ? 5 : g.state;
                append(head[2], state, g.secondPlayer ? g.secondPlayer->id : 0xFFFF);
            }
        }
        for (std::size_t p = 0; head[6] && p < 5; ++p)
            append(head[3], s->players[p]->group, 0);
        FakeHost host;
        SeasonPtr read;
        QCOMPARE(Read(b, host, read), ReadStatus::Ok);
        QCOMPARE(read->fixtures[0]->games[1].state, std::uint32_t(state ? Pending : NotPlayed));
        QCOMPARE(read->fixtures[2]->games[3].state, std::uint32_t(Played));
        QCOMPARE(read->fixtures[1]->games[0].secondPlayer,
                 second ? read->PlayerById(2) : nullptr);
        QCOMPARE(read->fixtures[1]->games[1].secondPlayer, nullptr);
        QCOMPARE(read->PlayerById(3)->group, std::uint16_t(group ? 2 : 0));
    }

    void playerIdNamingNoPlayer_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("one past the last") << 5;
        QTest::newRow("-1") << -1;
        QTest::newRow("32767") << 32767;
    }
    void playerIdNamingNoPlayer()
    {
        QFETCH(int, id);
        Bytes b = SeasonToBytes(*Build(0));
        Poke16(b, kGamesAt + 4, std::uint32_t(id) & 0xFFFF);
        Poke16(b, kGameExtrasAt + 2, std::uint32_t(id) & 0xFFFF);
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(b, host, s), ReadStatus::Ok);
        const Game& game = s->fixtures[0]->games[0];
        QCOMPARE(game.player, nullptr);
        QCOMPARE(game.secondPlayer, nullptr);
        QCOMPARE(int(game.playerId), id);
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
        QTest::newRow("OpponentAbsent") << int(OpponentAbsent) << true;
        QTest::newRow("Pending") << int(Pending) << true;
        QTest::newRow("PlayerAbsent") << int(PlayerAbsent) << false;
        QTest::newRow("NotPlayed") << int(NotPlayed) << false;
    }
    void playerOnlyWhereOneTakesPart()
    {
        QFETCH(int, state);
        QFETCH(bool, linked);
        FakeHost host;
        SeasonPtr original = Build(0);
        Game& game = original->fixtures[0]->games[0];
        game.state = std::uint32_t(state);
        game.player = original->PlayerById(0);
        game.playerId = 0;
        game.scoreFor = state == PlayerAbsent ? 0 : 21;
        game.scoreAgainst = state == PlayerAbsent ? 21 : 0;
        if (state == NotPlayed || state == Pending)
            game.scoreFor = game.scoreAgainst = 0;
        SeasonPtr s;
        QCOMPARE(Read(SeasonToBytes(*original), host, s), ReadStatus::Ok);
        QCOMPARE(s->fixtures[0]->games[0].player, linked ? s->PlayerById(0) : nullptr);
        QCOMPARE(int(s->fixtures[0]->games[0].playerId), 0);
    }

    // Out-of-range values become the field's neutral value, so that nothing
    // later can index a table with them.
    void oddValues_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("field"); // 1 venue, 2 game state (results are recalculated)
        QTest::addColumn<uint>("expected");
        QTest::newRow("venue 3") << 152 + 40 << 3 << 1 << 2u;
        QTest::newRow("venue -1") << 152 + 40 << 0xFFFF << 1 << 2u;
        QTest::newRow("state Pending in the record") << int(kGamesAt) + 40 << 4 << 2 << 4u;
        QTest::newRow("state 5") << int(kGamesAt) + 40 << 5 << 2 << 3u;
    }
    void oddValues()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(int, field);
        QFETCH(uint, expected);
        Bytes b = SeasonToBytes(*Build(0));
        Poke16(b, 4, 8); // 8.14: the game records' states stand
        Poke16(b, 6, 14);
        Poke16(b, std::size_t(offset), std::uint32_t(value));
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(b, host, s), ReadStatus::Ok);
        const Fixture& f = *s->fixtures[0];
        const std::uint32_t got[] = {f.result, f.venue, f.games[0].state};
        QCOMPARE(got[field], expected);
    }

    // The stored day is rebuilt as local midnight, standard time, with
    // out-of-range days and months rolled over.
    void dates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("wantYear");
        QTest::addColumn<int>("wantMonth");
        QTest::addColumn<int>("wantDay");
        QTest::newRow("summer") << 2023 << 7 << 15 << 2023 << 7 << 15;
        QTest::newRow("31 February") << 2023 << 2 << 31 << 2023 << 3 << 3;
        QTest::newRow("day 0") << 2024 << 3 << 0 << 2024 << 2 << 29;
        QTest::newRow("month 0") << 2023 << 0 << 10 << 2022 << 12 << 10;
        QTest::newRow("month 13") << 2023 << 13 << 1 << 2024 << 1 << 1;
        QTest::newRow("year 65535 is unsigned") << 65535 << 1 << 1 << 65535 << 1 << 1;
    }
    void dates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, wantYear);
        QFETCH(int, wantMonth);
        QFETCH(int, wantDay);
        Bytes b = SeasonToBytes(*Build(0));
        Poke16(b, 152 + 42, std::uint32_t(year));
        b[152 + 44] = std::uint8_t(day);
        b[152 + 45] = std::uint8_t(month);
        FakeHost host;
        SeasonPtr s;
        QCOMPARE(Read(b, host, s), ReadStatus::Ok);
        QCOMPARE(s->fixtures[0]->date, MakeLocalDate(wantYear, wantMonth, wantDay));
        const Bytes again = SeasonToBytes(*s);
        QCOMPARE(int(Peek16(again, 152 + 42)), wantYear);
        QCOMPARE(int(again[152 + 45]), wantMonth);
        QCOMPARE(int(again[152 + 44]), wantDay);
    }
};

QTEST_GUILESS_MAIN(TestBinaryReader)
#include "tst_BinaryReader.moc"
