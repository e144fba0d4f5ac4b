#include "support/TestRegistry.h"
#include <QtTest>

#include <algorithm>
#include <bit>

#include "model/ScoringScheme.h"
#include "model/Season.h"
#include "support/FakeHost.h"

namespace {

const char* const kNotRecognised = "Scoring scheme not recognised; aggregate will be used";

std::unique_ptr<Season> MakeSeason(std::uint32_t schemeIndex, int teamSize, int fixtures = 0)
{
    auto season = std::make_unique<Season>();
    season->schemeIndex = schemeIndex;
    season->teamSize = std::uint16_t(teamSize);
    for (int i = 0; i < fixtures; ++i)
        season->fixtures.push_back(std::make_unique<Fixture>());
    season->fixtureCount = fixtures;
    return season;
}

}  // namespace

class TestScoringScheme : public QObject {
    Q_OBJECT

private slots:
    void roundTripFromBytes()
    {
        // Every byte different, including the reserved words and the label
        // bytes after each NUL: a Custom scheme must come back byte for byte.
        SchemeBytes image{};
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = std::uint8_t(0x30 + i);
        image[86 + 3] = 0;   // total label "VWX" then bytes after the NUL
        image[134 + 2] = 0;  // measure label two bytes, then bytes after the NUL
        const ScoringScheme s = SchemeFromBytes(image.data());
        QCOMPARE(s.groupSize, std::uint16_t(0x3130));
        QCOMPARE(s.target, std::uint32_t(0x35343332));
        QCOMPARE(std::bit_cast<std::uint32_t>(s.weight[0]), std::uint32_t(0x39383736));
        QCOMPARE(s.reservePenalty, std::uint32_t(0x85848382));
        QCOMPARE(s.flags, std::uint32_t(0xB1B0AFAE));
        QCOMPARE(s.TotalLabel(), std::string("\x86\x87\x88"));
        QCOMPARE(s.MeasureLabel(), std::string("\xB6\xB7"));
        QVERIFY(SchemeToBytes(s) == image);
    }

    void lookup_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("complains");   // and falls back to aggregate
        QTest::newRow("Custom has no record") << 64 << false;
        QTest::newRow("88") << 88 << true;
        QTest::newRow("-1") << -1 << true;
    }
    void lookup()
    {
        QFETCH(int, index);
        QFETCH(bool, complains);
        FakeHost host, quiet;
        const ScoringScheme* s = LookupScheme(index, host);
        QCOMPARE(s, complains ? LookupScheme(0, quiet) : nullptr);
        QCOMPARE(int(host.messages.size()), complains ? 1 : 0);
        QCOMPARE(SchemeName(index).empty(), complains);
        if (complains) {
            QCOMPARE(host.messages[0].text, std::string(kNotRecognised));
            QCOMPARE(host.messages[0].title, std::string("Program error"));
            QVERIFY(host.messages[0].icon == MessageIcon::Exclamation);
        }
    }

    void applyGroups_data()
    {
        QTest::addColumn<uint>("index");
        QTest::addColumn<int>("teamSize");
        QTest::addColumn<int>("copyGroupSize");   // the season's own copy, before
        QTest::addColumn<QList<int>>("before");   // groupSpan before, from position 0
        QTest::addColumn<QList<int>>("spans");    // positions 0..teamSize-1; the rest must be -1
        QTest::addColumn<QList<int>>("targets");  // leading positions; the rest take restTarget
        QTest::addColumn<int>("restTarget");
        QTest::addColumn<bool>("complains");
        QTest::newRow("pairs, 7: last pair clipped") << 6u << 7 << 0 << QList<int>{}
                                                     << QList<int>{1, -1, 1, -1, 1, -1, 0} << QList<int>{} << 21
                                                     << false;
        QTest::newRow("fours, 6") << 5u << 6 << 0 << QList<int>{} << QList<int>{3, -1, -1, -1, 1, -1}
                                  << QList<int>{} << 0 << false;
        QTest::newRow("Matlock Thursday, 10")
            << 87u << 10 << 0 << QList<int>{} << QList<int>{1, -1, 1, -1, 1, -1, 0, 0, 0, 0}
            << QList<int>{21, 21, 21, 21, 21} << 15 << false;
        QTest::newRow("Matlock Thursday, 5: third pair clipped")
            << 87u << 5 << 0 << QList<int>{} << QList<int>{1, -1, 1, -1, 0} << QList<int>{21, 21, 21, 21, 21}
            << 15 << false;
        QTest::newRow("St Helens Churches, 6") << 73u << 6 << 0 << QList<int>{} << QList<int>{1, -1, 0, 0, 0, 0}
                                               << QList<int>{} << 21 << false;
        QTest::newRow("Custom, groupSize 0 keeps its spans")
            << 64u << 6 << 0 << QList<int>{2, -1, -1, 0, 3, -1, 0, 0} << QList<int>{2, -1, -1, 0, 1, -1}
            << QList<int>{} << 17 << false;
        QTest::newRow("Custom, pairs from the copy")
            << 64u << 5 << 2 << QList<int>{0, 0, 0, 0, 0} << QList<int>{1, -1, 1, -1, 0} << QList<int>{} << 17
            << false;
        QTest::newRow("Custom, groupSize too big for a span")
            << 64u << 4 << 65535 << QList<int>{} << QList<int>{3, -1, -1, -1} << QList<int>{} << 17 << false;
        QTest::newRow("unknown 88 uses aggregate") << 88u << 3 << 0 << QList<int>{} << QList<int>{0, 0, 0}
                                                   << QList<int>{} << 21 << true;
    }
    void applyGroups()
    {
        QFETCH(uint, index);
        QFETCH(int, teamSize);
        QFETCH(int, copyGroupSize);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, spans);
        QFETCH(QList<int>, targets);
        QFETCH(int, restTarget);
        QFETCH(bool, complains);

        auto season = MakeSeason(index, teamSize);
        season->scheme.groupSize = std::uint16_t(copyGroupSize);
        season->scheme.target = 17;
        season->groupSpan.fill(5);   // a stale layout that must not survive
        for (int i = 0; i < before.size(); ++i)
            season->groupSpan[std::size_t(i)] = std::int16_t(before[i]);
        FakeHost host;
        ApplyScheme(*season, host);

        QCOMPARE(int(host.messages.size()), complains ? 1 : 0);
        QCOMPARE(season->schemeIndex, std::uint32_t(index));
        for (std::size_t i = 0; i < std::size_t(kMaxTeamSize); ++i) {
            QCOMPARE(int(season->groupSpan[i]), int(i) < spans.size() ? spans[int(i)] : -1);
            QCOMPARE(int(season->gameTarget[i]), int(i) < targets.size() ? targets[int(i)] : restTarget);
        }
    }

    // A change of scheme replaces the season's copy (Custom keeps its own) and
    // clears every handicap.
    void applyReplacesRecord_data()
    {
        QTest::addColumn<uint>("index");
        QTest::addColumn<int>("expectedFrom");   // -1: the copy stays as it was
        QTest::newRow("Custom keeps its copy") << 64u << -1;
        QTest::newRow("built-in replaces the copy") << 70u << 70;
        QTest::newRow("unknown takes aggregate") << 200u << 0;
    }
    void applyReplacesRecord()
    {
        QFETCH(uint, index);
        QFETCH(int, expectedFrom);
        auto season = MakeSeason(index, 2, 3);
        ScoringScheme custom;
        custom.groupSize = 2;
        custom.weight[3] = 1.5f;
        custom.flags = 0x81828384;
        season->scheme = custom;
        season->homeHandicap = 7;
        season->awayHandicap = -3;
        for (auto& f : season->fixtures)
            f->oppHandicap = 10;
        FakeHost host;
        ApplyScheme(*season, host);
        FakeHost quiet;
        const ScoringScheme& expected = expectedFrom < 0 ? custom : *LookupScheme(expectedFrom, quiet);
        QVERIFY(SchemeToBytes(season->scheme) == SchemeToBytes(expected));
        QCOMPARE(season->homeHandicap, 0);
        QCOMPARE(season->awayHandicap, 0);
        for (const auto& f : season->fixtures)
            QCOMPARE(f->oppHandicap, 0);
    }

    void groupSizeAndTarget_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("withSeason");
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("target");
        QTest::newRow("fours, no fixed target") << 5 << false << 4 << 0;
        QTest::newRow("Custom without season") << 64 << false << 0 << 0;
        QTest::newRow("out of range from the season") << 88 << true << 3 << 11;
    }
    void groupSizeAndTarget()
    {
        QFETCH(int, index);
        QFETCH(bool, withSeason);
        QFETCH(int, groupSize);
        QFETCH(int, target);
        Season season;
        season.scheme.groupSize = 3;
        season.scheme.target = 11;
        const Season* passed = withSeason ? &season : nullptr;
        QCOMPARE(SchemeGroupSize(index, passed), groupSize);
        QCOMPARE(int(SchemeTarget(index, passed)), target);
    }

    void nameLookup_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("ignoringCase");
        QTest::newRow("exact") << QByteArray("Aggregate") << 0 << 0;
        QTest::newRow("custom") << QByteArray("cUSTOM") << 88 << 64;
        QTest::newRow("shorter name not a prefix match") << QByteArray("St Helens") << 72 << 72;
        QTest::newRow("longer name") << QByteArray("st helens churches") << 88 << 73;
        QTest::newRow("trailing space") << QByteArray("Aggregate ") << 88 << 88;
        QTest::newRow("embedded NUL") << QByteArray("Aggregate\0 15", 13) << 88 << 88;
        // Only ASCII letters fold: punctuation one bit away must not match.
        QTest::newRow("ampersand vs 0x06") << QByteArray("altrincham \x06 south manchester") << 88 << 88;
        // Accented letters are neither folded nor stripped.
        QTest::newRow("0xC1 for A") << QByteArray("\xC1ggregate") << 88 << 88;
    }
    void nameLookup()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, exact);
        QFETCH(int, ignoringCase);
        const std::string_view name(text.constData(), std::size_t(text.size()));
        QCOMPARE(SchemeIndexExact(name), exact);
        QCOMPARE(SchemeIndexIgnoringCase(name), ignoringCase);
    }
};

TESSEL_TEST(TestScoringScheme)
#include "tst_ScoringScheme.moc"
