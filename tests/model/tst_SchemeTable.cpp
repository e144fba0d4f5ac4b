#include "support/TestRegistry.h"
// The built-in league presets against tests/data/schemes.txt, a transcription of the
// leagues' rules typed independently of the program's table, field by field.
#include <QtTest>

#include <fstream>
#include <map>
#include <sstream>

#include "model/SchemeTable.h"
#include "model/ScoringScheme.h"

namespace {

struct Row {
    std::string name;
    bool custom = false;
    ScoringScheme scheme;
};

std::string Trim(const std::string& s)
{
    const auto from = s.find_first_not_of(' ');
    const auto to = s.find_last_not_of(' ');
    return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
}

template <std::size_t N>
std::array<char, N> Quoted(const std::string& cell)
{
    const std::string text = Trim(cell).substr(1, Trim(cell).size() - 2);
    std::array<char, N> field{};
    std::copy_n(text.begin(), std::min(N, text.size()), field.begin());
    return field;
}

std::map<int, Row> ReadTranscription()
{
    std::ifstream in(TESSEL_TEST_DATA "/schemes.txt");
    std::map<std::string, std::uint32_t> bits;
    std::map<int, Row> rows;
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
        Row row;
        const int index = std::stoi(cells.at(0));
        row.name = Trim(cells.at(1));
        if (Trim(cells.at(2)) == "custom") {
            row.custom = true;
            rows[index] = row;
            continue;
        }
        ScoringScheme& s = row.scheme;
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
        rows[index] = row;
    }
    return rows;
}

} // namespace

class TestSchemeTable : public QObject {
    Q_OBJECT

private slots:
    void transcriptionIsComplete()
    {
        const auto rows = ReadTranscription();
        QCOMPARE(int(rows.size()), kSchemeCount);
        QCOMPARE(rows.rbegin()->first, kSchemeCount - 1);
    }

    void everyField_data()
    {
        QTest::addColumn<int>("index");
        for (const auto& [index, row] : ReadTranscription())
            QTest::newRow((std::to_string(index) + " " + row.name).c_str()) << index;
    }
    void everyField()
    {
        QFETCH(int, index);
        const Row row = ReadTranscription().at(index);
        QCOMPARE(QString::fromUtf8(SchemeName(index)), QString::fromStdString(row.name));
        QCOMPARE(SchemeIndexExact(row.name), index);
        const ScoringScheme* actual = BuiltInScheme(index);
        if (row.custom) {
            QCOMPARE(actual, nullptr);
            return;
        }
        QVERIFY(actual);
        const ScoringScheme& e = row.scheme;
        const ScoringScheme& a = *actual;
        QCOMPARE(a.groupSize, e.groupSize);
        QCOMPARE(a.target, e.target);
        for (std::size_t w = 0; w < e.weight.size(); ++w)
            QVERIFY2(a.weight[w] == e.weight[w], qPrintable(QStringLiteral("w%1: %2, expected %3")
                                                                .arg(w)
                                                                .arg(a.weight[w])
                                                                .arg(e.weight[w])));
        QCOMPARE(a.reservePenalty, e.reservePenalty);
        QCOMPARE(QByteArray(a.totalLabel.data(), 12), QByteArray(e.totalLabel.data(), 12));
        QCOMPARE(QByteArray(a.measureLabel.data(), 8), QByteArray(e.measureLabel.data(), 8));
        QCOMPARE(a.forWeight, e.forWeight);
        QCOMPARE(a.againstWeight, e.againstWeight);
        QCOMPARE(a.walkoverCredit, e.walkoverCredit);
        QCOMPARE(a.walkoverGames, e.walkoverGames);
        QCOMPARE(a.matchDecimals, e.matchDecimals);
        QCOMPARE(a.teamDecimals, e.teamDecimals);
        QCOMPARE(a.playerDecimals, e.playerDecimals);
        QCOMPARE(QString::number(a.flags, 16), QString::number(e.flags, 16));
        QVERIFY(a == e); // the reserved bytes too
    }
};

TESSEL_TEST(TestSchemeTable)
#include "tst_SchemeTable.moc"
