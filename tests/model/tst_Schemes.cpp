#include "support/TestRegistry.h"
// The built-in league presets against tests/data/schemes.txt, a transcription of the leagues'
// rules typed independently of the program's table, field by field; what applying each scheme
// does to a season, as a golden file; the record's bytes; finding a scheme by name.
#include <QtTest>

#include <bit>
#include <fstream>
#include <map>
#include <sstream>

#include "model/SchemeTable.h"
#include "model/ScoringScheme.h"
#include "model/Season.h"
#include "support/FakeHost.h"
#include "support/Golden.h"

namespace {

std::string Trim(const std::string& s)
{
    const auto from = s.find_first_not_of(' ');
    const auto to = s.find_last_not_of(' ');
    return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
}

template <std::size_t N> std::array<char, N> Quoted(const std::string& cell)
{
    const std::string text = Trim(cell).substr(1, Trim(cell).size() - 2);
    std::array<char, N> field{};
    std::copy_n(text.begin(), std::min(N, text.size()), field.begin());
    return field;
}

// Index -> name and record (none for "custom").
std::map<int, std::pair<std::string, std::optional<ScoringScheme>>> ReadTranscription()
{
    std::ifstream in(TESSEL_TEST_DATA "/schemes.txt");
    std::map<std::string, std::uint32_t> bits;
    std::map<int, std::pair<std::string, std::optional<ScoringScheme>>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        if (line.rfind("flag ", 0) == 0) {
            std::string word, bit, name;
            words >> word >> bit >> name;
            bits[name] = std::uint32_t(std::stoul(bit, nullptr, 16));
            continue;
        }
        std::vector<std::string> cells;
        for (std::string cell; std::getline(words, cell, '|');)
            cells.push_back(cell);
        auto& row = rows[std::stoi(cells.at(0))];
        row.first = Trim(cells.at(1));
        if (Trim(cells.at(2)) == "custom")
            continue;
        ScoringScheme& s = row.second.emplace();
        s.groupSize = std::uint16_t(std::stoi(cells.at(2)));
        s.target = std::uint32_t(std::stoul(cells.at(3)));
        std::istringstream weights(cells.at(4));
        for (std::string w; weights >> w;)
            s.weight.at(std::size_t(std::stoi(w.substr(1)))) = std::stof(w.substr(w.find('=') + 1));
        s.totalLabel = Quoted<12>(cells.at(5));
        s.measureLabel = Quoted<8>(cells.at(6));
        std::istringstream(cells.at(7)) >> s.forWeight >> s.againstWeight >> s.walkoverCredit >>
            s.walkoverGames;
        std::istringstream(cells.at(8)) >> s.matchDecimals >> s.teamDecimals >> s.playerDecimals;
        std::istringstream flags(cells.at(9));
        for (std::string f; flags >> f;) {
            if (!bits.count(f))
                qFatal("schemes.txt: unknown flag %s", f.c_str());
            s.flags |= bits[f];
        }
        s.reservePenalty = std::uint32_t(std::stoul(cells.at(10)));
    }
    return rows;
}

// Every field as text, so that a difference shows by name.
QString Describe(const ScoringScheme& s)
{
    QString out = QStringLiteral("group %1 target %2 weights").arg(s.groupSize).arg(s.target);
    for (std::size_t w = 0; w < s.weight.size(); ++w)
        if (s.weight[w] != 0)
            out += QStringLiteral(" w%1=%2").arg(w).arg(double(s.weight[w]), 0, 'g', 9);
    out += " labels " + QByteArray(s.totalLabel.data(), 12).toHex() + " " +
           QByteArray(s.measureLabel.data(), 8).toHex();
    return out + QStringLiteral(" for/against/walkover %1 %2 %3 %4 decimals %5 %6 %7 flags %8 "
                                "reserve %9")
                     .arg(s.forWeight)
                     .arg(s.againstWeight)
                     .arg(s.walkoverCredit)
                     .arg(s.walkoverGames)
                     .arg(s.matchDecimals)
                     .arg(s.teamDecimals)
                     .arg(s.playerDecimals)
                     .arg(s.flags, 0, 16)
                     .arg(s.reservePenalty);
}

} // namespace

class TestSchemes : public QObject {
    Q_OBJECT

private slots:
    void everyField_data()
    {
        QTest::addColumn<int>("index");
        const auto rows = ReadTranscription();
        QCOMPARE(int(rows.size()), kSchemeCount);
        QCOMPARE(rows.rbegin()->first, kSchemeCount - 1);
        for (const auto& [index, row] : rows)
            QTest::newRow((std::to_string(index) + " " + row.first).c_str()) << index;
    }
    void everyField()
    {
        QFETCH(int, index);
        const auto [name, expected] = ReadTranscription().at(index);
        QCOMPARE(QString::fromUtf8(SchemeName(index)), QString::fromStdString(name));
        QCOMPARE(SchemeIndexExact(name), index);
        const ScoringScheme* actual = BuiltInScheme(index);
        QCOMPARE(bool(actual), bool(expected));
        if (expected) {
            QCOMPARE(Describe(*actual), Describe(*expected));
            QVERIFY(*actual == *expected); // the reserved bytes too
        }
    }

    // Each scheme applied to seasons of several sizes whose copy of the record, groups and
    // handicaps are stale: what is complained of, the record the season ends with, the groups
    // and targets, the handicaps. Custom keeps its copy and takes its group size from it.
    void applyGolden()
    {
        std::string out = "scheme size (copy's group size): said | group/target by "
                          "name and by season | record | spans/targets | handicaps\n";
        ScoringScheme stale;
        stale.groupSize = 2;
        stale.target = 17;
        stale.weight[3] = 1.5f;
        stale.flags = 0x81828384;
        for (int index = -1; index <= kSchemeCount + 1; ++index) {
            for (int size : {5, 6, 7, 10}) {
                for (int copyGroup : {0, 2, 65535}) {
                    if (copyGroup && index != kCustomScheme)
                        continue;
                    FakeHost host;
                    Season s;
                    s.schemeIndex = std::uint32_t(index);
                    s.teamSize = std::uint16_t(size);
                    s.scheme = stale;
                    s.scheme.groupSize = std::uint16_t(copyGroup);
                    s.groupSpan.fill(5);
                    s.groupSpan[0] = 2, s.groupSpan[1] = s.groupSpan[2] = -1, s.groupSpan[3] = 0;
                    s.homeHandicap = 7;
                    s.awayHandicap = -3;
                    s.fixtures.push_back(std::make_unique<Fixture>());
                    s.fixtures[0]->oppHandicap = 10;
                    const std::string sizes = std::to_string(SchemeGroupSize(index)) + "/" +
                                              std::to_string(SchemeTarget(index)) + " " +
                                              std::to_string(SchemeGroupSize(index, &s)) + "/" +
                                              std::to_string(SchemeTarget(index, &s));
                    const ScoringScheme given = s.scheme;
                    ApplyScheme(s, host);
                    int record = 0;
                    while (record < kSchemeCount &&
                           !(BuiltInScheme(record) && *BuiltInScheme(record) == s.scheme))
                        ++record;
                    out += std::to_string(index) + " " + std::to_string(size) + " (" +
                           std::to_string(copyGroup) + "):";
                    for (const auto& m : host.messages)
                        out += " [" + m.title + "] " + m.text;
                    out += " | " + sizes + " | " +
                           (record < kSchemeCount ? std::to_string(record)
                            : s.scheme == given   ? "copy"
                                                  : "other") +
                           " |";
                    for (int i = 0; i < size; ++i)
                        out += " " + std::to_string(s.groupSpan[std::size_t(i)]) + "/" +
                               std::to_string(s.gameTarget[std::size_t(i)]);
                    out += " rest " + std::to_string(s.gameTarget[std::size_t(size)]) + " | " +
                           std::to_string(s.homeHandicap) + " " + std::to_string(s.awayHandicap) +
                           " " + std::to_string(s.fixtures[0]->oppHandicap) + "\n";
                    QCOMPARE(s.schemeIndex, std::uint32_t(index));
                    for (std::size_t i = std::size_t(size); i < s.groupSpan.size(); ++i) {
                        QCOMPARE(int(s.groupSpan[i]), -1);
                        QCOMPARE(s.gameTarget[i], s.gameTarget[std::size_t(size)]);
                    }
                }
            }
        }
        // Only ASCII letters fold (not punctuation one bit away, not accented letters); no prefix
        // matches; a NUL is part of the name.
        out += "== names: exact, ignoring case\n";
        const std::string_view names[] = {"Aggregate",
                                          "cUSTOM",
                                          "St Helens",
                                          "st helens churches",
                                          "Aggregate ",
                                          std::string_view("Aggregate\0 15", 13),
                                          "altrincham \x06 south manchester",
                                          "\xC1ggregate"};
        for (std::string_view name : names)
            out += std::string(name) + ": " + std::to_string(SchemeIndexExact(name)) + " " +
                   std::to_string(SchemeIndexIgnoringCase(name)) + "\n";
        TESSEL_COMPARE_GOLDEN("model/schemes-applied.txt", out);
    }

    void roundTripFromBytes()
    {
        // Every byte different, including the reserved words and the label bytes after each
        // NUL: a Custom scheme must come back byte for byte.
        SchemeBytes image{};
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = std::uint8_t(0x30 + i);
        image[86 + 3] = 0;  // total label "VWX" then bytes after the NUL
        image[134 + 2] = 0; // measure label two bytes, then bytes after the NUL
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
};

TESSEL_TEST(TestSchemes)
#include "tst_Schemes.moc"
