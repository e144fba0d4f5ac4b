#include "support/TestRegistry.h"
// The binary season file as a whole: every scheme's generated season survives writing and
// reading unchanged, the example text seasons convert to the example binary ones, and what
// does not fit a field is cut or wrapped the same way every time.
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "files/BinaryFormat.h"
#include "files/TextImport.h"
#include "model/Recalculate.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/SeasonBuilder.h"
#include "support/SeasonDump.h"

namespace {

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

SeasonPtr WrittenAndRead(const Season& season)
{
    const Bytes bytes = SeasonToBytes(season);
    FakeHost host;
    SeasonPtr read;
    return SeasonFromBytes(bytes.data(), bytes.size(), host, read) == ReadStatus::Ok
               ? std::move(read)
               : nullptr;
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void everyScheme()
    {
        for (unsigned seed = 1; seed < 3; ++seed) {
            for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
                FakeHost host;
                SeasonPtr season = GenerateSeason(scheme, seed, host);
                Recalculate(*season, host, false);
                const Bytes bytes = SeasonToBytes(*season);
                SeasonPtr read;
                QCOMPARE(SeasonFromBytes(bytes.data(), bytes.size(), host, read), ReadStatus::Ok);
                Recalculate(*read, host, false);
                const std::string changed =
                    tessel::test::textMismatch(DumpSeason(*season), DumpSeason(*read));
                QVERIFY2(changed.empty(), changed.c_str());
                QVERIFY(SeasonToBytes(*read) == bytes);
                QVERIFY(host.messages.empty());
            }
        }
    }

    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("singles") << "stockport-singles";
        QTest::newRow("pairs") << "tameside-pairs";
    }
    void examples()
    {
        QFETCH(QString, name);
        const std::string base = std::string(TESSEL_EXAMPLES "/") + name.toStdString();
        FakeHost host;
        const Bytes text = ReadFile(base + ".bwt");
        SeasonPtr imported = ImportTextSeason(text.data(), text.size(), host);
        QVERIFY(imported);
        Recalculate(*imported, host, false);
        // The text season converts to exactly the binary example, which is what this version
        // writes again after reading it.
        const Bytes stored = ReadFile(base + ".bwl");
        QVERIFY(SeasonToBytes(*imported) == stored);
        SeasonPtr read;
        QCOMPARE(SeasonFromBytes(stored.data(), stored.size(), host, read), ReadStatus::Ok);
        Recalculate(*read, host, false);
        QVERIFY(SeasonToBytes(*read) == stored); // what this version wrote, it writes again
        TESSEL_COMPARE_GOLDEN("files/" + name.toStdString() + ".txt", DumpSeason(*read));
    }

    // Texts longer than their fields come back cut to the field, never running into the next;
    // counts beyond 16 bits wrap.
    void cutToTheField()
    {
        FakeHost host;
        SeasonPtr s = BuildSeason({70, 4, 3, 5}, host);
        for (std::string* field :
             {&s->teamName, &s->leagueName, &s->division, &s->fixtures[0]->opponent,
              &s->fixtures[0]->games[0].opponent, &s->players[0]->name})
            *field = std::string(80, 'x');
        s->players[1]->broughtFor = 32767;
        s->players[2]->broughtFor = 32768;
        s->players[3]->broughtFor = 70000;
        s->players[3]->broughtAgainst = -70000;
        const SeasonPtr back = WrittenAndRead(*s);
        QVERIFY(back);
        const std::vector<std::size_t> lengths{back->teamName.size(),
                                               back->leagueName.size(),
                                               back->division.size(),
                                               back->fixtures[0]->opponent.size(),
                                               back->fixtures[0]->games[0].opponent.size(),
                                               back->PlayerById(0)->name.size()};
        QCOMPARE(lengths, (std::vector<std::size_t>{32, 64, 17, 33, 33, 33}));
        QCOMPARE(back->PlayerById(1)->broughtFor, 32767);
        QCOMPARE(back->PlayerById(2)->broughtFor, -32768);
        QCOMPARE(back->PlayerById(3)->broughtFor, 4464);
        QCOMPARE(back->PlayerById(3)->broughtAgainst, -4464);
    }

    // Nobody played in a season without fixtures: the measure is 0 (not the -0.0 of -41 x 0),
    // stored as four zero bytes.
    void unplayedMeasureIsPlainZero()
    {
        SeasonPtr s;
        FakeHost host;
        for (int scheme = 0; scheme < kSchemeCount && !s; ++scheme) {
            s = BuildSeason({scheme, 4, 0, 1}, host);
            if (s->scheme.Has(DivideByGames) || s->scheme.Has(KeepHandicaps))
                s.reset();
        }
        QVERIFY(s);
        Recalculate(*s, host, false);
        const Bytes b = SeasonToBytes(*s);
        QVERIFY(std::all_of(b.begin() + kHeaderBytes + 12, b.begin() + kHeaderBytes + 16,
                            [](auto c) { return c == 0; }));
    }
};

TESSEL_TEST(TestRoundTrip)
#include "tst_RoundTrip.moc"
