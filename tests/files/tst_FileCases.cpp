#include "support/TestRegistry.h"
// Season files as they arrive from outside, one file a case under tests/data/files: binary
// files cut short, with values out of range, or from other versions (binary/), and text
// seasons of every layout and every mistake (text/). What each reads as, and what it says,
// is compared whole with a golden file.
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/BinaryFormat.h"
#include "files/TextImport.h"
#include "model/Dates.h"
#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/SeasonDump.h"

namespace {

std::vector<std::filesystem::path> Cases(const char* folder)
{
    std::vector<std::filesystem::path> paths;
    for (const auto& entry :
         std::filesystem::directory_iterator(TESSEL_TEST_DATA "/files/" + std::string(folder)))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

Bytes ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Messages(const FakeHost& host)
{
    std::string out;
    for (const auto& m : host.messages)
        out += " says \"" + m.title + "\" (icon " + std::to_string(int(m.icon)) + "): " + m.text +
               "\n";
    return out;
}

// Everything a reader stores beyond the statistics: names, dates, links and the scheme's bytes.
std::string Describe(const Season& s)
{
    const auto id = [](const Player* p) { return p ? std::to_string(p->id) : std::string("-"); };
    std::string out = DumpSeason(s) + " league \"" + s.leagueName + "\" division \"" + s.division +
                      "\" fixtures " + std::to_string(s.fixtureCount) + " players " +
                      std::to_string(s.playerCount) + "\n scheme ";
    for (std::uint8_t byte : SchemeToBytes(s.scheme)) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        out += hex;
    }
    for (const auto& f : s.fixtures) {
        const SystemTime t = DateToSystemTime(f->date);
        out += "\n " + std::to_string(t.year) + "-" + std::to_string(t.month) + "-" +
               std::to_string(t.day) + ":";
        for (const Game& g : f->games)
            out += " " + id(g.player) + "/" + id(g.secondPlayer) + "#" +
                   std::to_string(g.playerId) + " \"" + g.opponent + "\"";
    }
    out += "\n";
    for (const auto& p : s.players)
        out += " " + std::to_string(p->id) + " twin " + id(p->twin) + " surname at " +
               std::to_string(p->surnameAt) + "\n";
    return out;
}

} // namespace

class TestFileCases : public QObject {
    Q_OBJECT

private slots:
    // A refused file leaves nothing behind and says nothing (the caller tells the user). What
    // was read is written as a file that reads back the same (the golden says where not) and
    // writes again byte for byte.
    void binaryFiles()
    {
        std::string out;
        for (const auto& path : Cases("binary")) {
            const Bytes bytes = ReadAll(path);
            FakeHost host;
            SeasonPtr s = std::make_unique<Season>();
            const ReadStatus status = SeasonFromBytes(bytes.data(), bytes.size(), host, s);
            out += "== " + path.filename().string() +
                   (status == ReadStatus::Ok ? "\n" : ": refused\n") + Messages(host);
            QCOMPARE(bool(s), status == ReadStatus::Ok);
            if (!s)
                continue;
            const Bytes again = SeasonToBytes(*s);
            FakeHost quiet;
            SeasonPtr back;
            QCOMPARE(SeasonFromBytes(again.data(), again.size(), quiet, back), ReadStatus::Ok);
            QVERIFY2(SeasonToBytes(*back) == again, path.filename().string().c_str());
            const std::string changed = tessel::test::textMismatch(Describe(*s), Describe(*back));
            out += Describe(*s) +
                   (changed.empty() ? "" : " read again after writing, " + changed + "\n");
        }
        TESSEL_COMPARE_GOLDEN("files/binary-cases.txt", out);
    }

    // The layout-* files hold one season written in different ways.
    void textFiles()
    {
        std::string out, layout;
        for (const auto& path : Cases("text")) {
            const Bytes bytes = ReadAll(path);
            FakeHost host;
            SeasonPtr s = ImportTextSeason(bytes.data(), bytes.size(), host);
            QVERIFY2(host.waitDepth == 0 && host.waitCalls > 0,
                     "the wait cursor was not shown and put back");
            const std::string name = path.filename().string();
            out += "== " + name + (s ? "\n" : ": not imported\n") + Messages(host);
            if (!s)
                continue;
            out += Describe(*s);
            if (name.rfind("layout-", 0) == 0) {
                QVERIFY2(layout.empty() || Describe(*s) == layout, name.c_str());
                layout = Describe(*s);
            }
        }
        TESSEL_COMPARE_GOLDEN("files/text-cases.txt", out);
    }
};

TESSEL_TEST(TestFileCases)
#include "tst_FileCases.moc"
