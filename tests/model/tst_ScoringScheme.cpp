#include <QtTest>

#include <algorithm>
#include <bit>
#include <set>

#include "model/ScoringScheme.h"
#include "model/Season.h"
#include "support/FakeHost.h"

namespace {

const char* const kNotRecognised = "Scoring scheme not recognised; aggregate will be used";

template <std::size_t N>
std::array<char, N> Field(const QByteArray& text)
{
    std::array<char, N> field{};
    std::copy_n(text.constData(), std::min<std::size_t>(N, std::size_t(text.size())), field.begin());
    return field;
}

// A record where every field holds a value no other field holds, so a field
// written at the wrong offset or with the wrong byte order shows.
ScoringScheme DistinctScheme()
{
    ScoringScheme s;
    s.groupSize = 0x0102;
    s.target = 0x03040506;
    for (std::size_t i = 0; i < s.weight.size(); ++i)
        s.weight[i] = float(i) + 0.5f;
    s.reservePenalty = 0x0708090A;
    s.totalLabel = Field<12>(QByteArray("ABCDEFGHIJK"));
    s.forWeight = -2;
    s.againstWeight = 0x11121314;
    s.walkoverCredit = 0x15161718;
    s.walkoverGames = 0x191A1B1C;
    s.matchDecimals = 0x1D1E1F20;
    s.teamDecimals = 0x21222324;
    s.playerDecimals = 0x25262728;
    s.flags = 0x81828384;
    s.reserved1 = {0xA1, 0xA2, 0xA3, 0xA4};
    s.measureLabel = Field<8>(QByteArray("mnopqrs"));
    s.reserved2 = {0xB1, 0xB2, 0xB3, 0xB4};
    return s;
}

QByteArray Le32(std::uint32_t v)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
    return out;
}

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
    void layout_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        const ScoringScheme s = DistinctScheme();
        QTest::newRow("groupSize") << 0 << QByteArray("\x02\x01", 2);
        QTest::newRow("target at the odd offset") << 2 << Le32(s.target);
        QTest::newRow("w18") << 78 << Le32(std::bit_cast<std::uint32_t>(18.5f));
        QTest::newRow("reservePenalty") << 82 << Le32(s.reservePenalty);
        QTest::newRow("totalLabel") << 86 << QByteArray("ABCDEFGHIJK\0", 12);
        QTest::newRow("forWeight negative") << 98 << QByteArray("\xFE\xFF\xFF\xFF", 4);
        QTest::newRow("againstWeight") << 102 << Le32(0x11121314);
        QTest::newRow("walkoverCredit") << 106 << Le32(0x15161718);
        QTest::newRow("matchDecimals") << 114 << Le32(0x1D1E1F20);
        QTest::newRow("playerDecimals") << 122 << Le32(0x25262728);
        QTest::newRow("flags") << 126 << Le32(0x81828384);
        QTest::newRow("measureLabel") << 134 << QByteArray("mnopqrs\0", 8);
        QTest::newRow("reserved2 ends the record") << 142 << QByteArray("\xB1\xB2\xB3\xB4", 4);
    }
    void layout()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        const SchemeBytes image = SchemeToBytes(DistinctScheme());
        QCOMPARE(image.size(), std::size_t(146));
        QVERIFY(std::size_t(offset + bytes.size()) <= image.size());
        const QByteArray got(reinterpret_cast<const char*>(image.data()) + offset, bytes.size());
        QCOMPARE(got.toHex(' '), bytes.toHex(' '));
    }

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

    void tableRecords_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("target");
        QTest::addColumn<QByteArray>("weights");   // "w:value" pairs; all others 0
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<QByteArray>("measure");
        QTest::addColumn<QList<int>>("measureTerms");
        QTest::addColumn<QList<int>>("decimals");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("reservePenalty");
        const uint average = HideShotTotals | AveragePerMatch | DivideByGames;
        QTest::newRow("0 Aggregate") << 0 << 1 << 21 << QByteArray("0:1 2:1") << QByteArray(" Ave ")
                                     << QByteArray(" Ave ") << QList<int>{1, 1, 0, 0} << QList<int>{0, 1, 1}
                                     << average << 0;
        QTest::newRow("38 Furness") << 38 << 1 << 21 << QByteArray("4:1 6:1 9:2 10:1 11:3 12:2")
                                    << QByteArray(" Total ") << QByteArray("  Ave  ") << QList<int>{1, 1, 0, 0}
                                    << QList<int>{0, 0, 3}
                                    << uint(RankByWinsWithWalkovers | KeepHandicaps | EditBroughtForward |
                                            ShotRatioBroughtForward)
                                    << 0;
        QTest::newRow("87 Matlock Thursday") << 87 << 1 << 15 << QByteArray("0:1 2:1") << QByteArray(" Ave ")
                                             << QByteArray(" Ave ") << QList<int>{1, 0, 0, 0}
                                             << QList<int>{0, 1, 1} << uint(average | KeepHandicaps) << 0;
    }
    void tableRecords()
    {
        QFETCH(int, index);
        QFETCH(int, groupSize);
        QFETCH(int, target);
        QFETCH(QByteArray, weights);
        QFETCH(QByteArray, total);
        QFETCH(QByteArray, measure);
        QFETCH(QList<int>, measureTerms);
        QFETCH(QList<int>, decimals);
        QFETCH(uint, flags);
        QFETCH(int, reservePenalty);

        FakeHost host;
        const ScoringScheme* s = LookupScheme(index, host);
        QVERIFY(s);
        QVERIFY(host.messages.empty());
        QCOMPARE(int(s->groupSize), groupSize);
        QCOMPARE(int(s->target), target);
        std::array<float, kWeightCount> expected{};
        for (const QByteArray& pair : weights.split(' ')) {
            if (pair.isEmpty())
                continue;
            const QList<QByteArray> parts = pair.split(':');
            expected[std::size_t(parts[0].toInt())] = parts[1].toFloat();
        }
        for (std::size_t w = 0; w < expected.size(); ++w)
            QVERIFY2(s->weight[w] == expected[w], qPrintable(QStringLiteral("w%1 = %2").arg(w).arg(s->weight[w])));
        QCOMPARE(QByteArray::fromStdString(s->TotalLabel()), total);
        QCOMPARE(QByteArray::fromStdString(s->MeasureLabel()), measure);
        QCOMPARE((QList<int>{s->forWeight, s->againstWeight, s->walkoverCredit, s->walkoverGames}), measureTerms);
        QCOMPARE((QList<int>{s->matchDecimals, s->teamDecimals, s->playerDecimals}), decimals);
        QCOMPARE(uint(s->flags), flags);
        QCOMPARE(int(s->reservePenalty), reservePenalty);
        // Unused bytes of the fields stay zero, so the file image is reproducible.
        const SchemeBytes image = SchemeToBytes(*s);
        for (std::size_t i = 86 + std::size_t(total.size()); i < 98; ++i)
            QCOMPARE(int(image[i]), 0);
        for (std::size_t i = 130; i < 134; ++i)
            QCOMPARE(int(image[i]), 0);
        for (std::size_t i = 134 + std::size_t(measure.size()); i < 146; ++i)
            QCOMPARE(int(image[i]), 0);
    }

    void names_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("first") << 0 << QByteArray("Aggregate");
        QTest::newRow("Custom") << 64 << QByteArray("Custom");
        QTest::newRow("last") << 87 << QByteArray("Matlock Thursday League");
        QTest::newRow("past the end") << 88 << QByteArray();
        QTest::newRow("negative") << -1 << QByteArray();
    }
    void names()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, name);
        QCOMPARE(QByteArray::fromStdString(std::string(SchemeName(index))), name);
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
        const ScoringScheme custom = DistinctScheme();
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

QTEST_GUILESS_MAIN(TestScoringScheme)
#include "tst_ScoringScheme.moc"
