#include "support/TestRegistry.h"
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>

#include "platform/PrintSetup.h"
#include "platform/Settings.h"
#include "support/FullDisk.h"

namespace {

// Marks a store that has no file at all, as opposed to an empty one.
const QByteArray kNoFile = QByteArrayLiteral("<no file>");

QByteArray Utf8(std::string_view s)
{
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString UserRoot() const { return dir_->filePath(QStringLiteral("user")); }
    QString MachineRoot() const { return dir_->filePath(QStringLiteral("machine")); }
    static QString FileUnder(const QString& root)
    {
        return root + QStringLiteral("/Orvane/Tessel.conf");
    }

    // Writes a store file by hand, as another program or an administrator would.
    static void Put(const QString& root, const QByteArray& ini)
    {
        if (ini == kNoFile)
            return;
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Orvane")));
        QFile f(FileUnder(root));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(ini), ini.size());
    }

    SettingsStore Store() const { return SettingsStore(UserRoot(), MachineRoot()); }

private slots:
    void init()
    {
        // A fresh directory per case: Qt caches parsed INI files by name.
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup()
    {
        SetSettingsStore(nullptr);
        dir_.reset();
    }

    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<int>("expected"); // default is 3
        using B = QByteArray;
        const B five("MinGames=5\n");
        QTest::newRow("empty store") << kNoFile << kNoFile << 3;
        QTest::newRow("machine-wide only") << kNoFile << five << 5;
        QTest::newRow("both: user wins") << B("MinGames=7\n") << five << 7;
        QTest::newRow("user zero still wins") << B("MinGames=0\n") << five << 0;
        QTest::newRow("non-numeric user, machine") << B("MinGames=abc\n") << five << 5;
        QTest::newRow("trailing text") << B("MinGames=12abc\n") << five << 5;
        QTest::newRow("unsigned beyond int, bit for bit") << B("MinGames=4294967295\n") << five << -1;
        QTest::newRow("beyond 32 bits") << B("MinGames=4294967296\n") << five << 5;
        QTest::newRow("empty text") << B("MinGames=\n") << five << 5;
        QTest::newRow("other group only") << B("[Other]\nMinGames=9\n") << kNoFile << 3;
    }
    void readNumber()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, machine);
        QFETCH(int, expected);
        Put(UserRoot(), user);
        Put(MachineRoot(), machine);
        QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), expected);
    }

    void readText_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<QByteArray>("defaultValue");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("expected");
        using B = QByteArray;
        const B tnr("Times New Roman"), courier("FontName=Courier\n"), wide("a\xF0\x9F\x98\x80" "b");
        QTest::newRow("empty store") << kNoFile << kNoFile << tnr << 32 << tnr;
        QTest::newRow("user") << B("FontName=Arial\n") << courier << tnr << 32 << B("Arial");
        QTest::newRow("empty user falls back to machine") << B("FontName=\n") << courier << tnr << 32 << B("Courier");
        QTest::newRow("empty user falls back to default") << B("FontName=\n") << kNoFile << tnr << 32 << tnr;
        QTest::newRow("31 characters fit") << B("FontName=" + B(31, 'a') + "\n") << kNoFile << tnr << 32 << B(31, 'a');
        QTest::newRow("32 characters count as missing")
            << B("FontName=" + B(32, 'a') + "\n") << courier << tnr << 32 << B("Courier");
        // Capacities count characters, not UTF-8 bytes.
        QTest::newRow("accented fit by characters")
            << B("FontName=\xC3\xA9\xC3\xA9\xC3\xA9\n") << kNoFile << tnr << 4 << B("\xC3\xA9\xC3\xA9\xC3\xA9");
        QTest::newRow("default not cut inside a character") << kNoFile << kNoFile << wide << 3 << B("a\xF0\x9F\x98\x80");
        QTest::newRow("list is not a text") << B("FontName=Times, Bold\n") << courier << tnr << 32 << B("Courier");
    }
    void readText()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, machine);
        QFETCH(QByteArray, defaultValue);
        QFETCH(int, capacity);
        QFETCH(QByteArray, expected);
        Put(UserRoot(), user);
        Put(MachineRoot(), machine);
        QCOMPARE(Utf8(Store().ReadText(kSettingsKey, kFontNameSetting, defaultValue.toStdString(),
                                       static_cast<std::size_t>(capacity))),
                 expected);
    }

    void textsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comma") << QByteArray("Times, Bold");
        QTest::newRow("quotes and backslash") << QByteArray("a \"b\" \\c");
        QTest::newRow("non-ASCII") << QByteArray("\xC3\x84rger \xE2\x82\xAC");
    }
    void textsRoundTrip()
    {
        QFETCH(QByteArray, text);
        QVERIFY(Store().WriteText(kSettingsKey, "File1", text.toStdString()));
        QCOMPARE(Utf8(Store().ReadText(kSettingsKey, "File1", "default", 261)), text);
    }

    void writesGoToUserOnly()
    {
        Put(MachineRoot(), "MinGames=5\n");
        QVERIFY(Store().WriteNumber(kSettingsKey, kHighlightLossesSetting, -2147483647 - 1));
        QVERIFY(Store().WriteText(kSettingsKey, kFontNameSetting, "Arial"));
        QFile machine(FileUnder(MachineRoot()));
        QVERIFY(machine.open(QIODevice::ReadOnly));
        QCOMPARE(machine.readAll(), QByteArray("MinGames=5\n"));
        QVERIFY(QFileInfo::exists(FileUnder(UserRoot())));
        // The other values already in the user's file are kept, the smallest number intact.
        QCOMPARE(Store().ReadNumber(kSettingsKey, kHighlightLossesSetting, 0), -2147483647 - 1);
    }

    void failedWrites_data()
    {
        QTest::addColumn<bool>("rootIsAFile"); // else the store file is a directory
        QTest::newRow("root is a file") << true;
        QTest::newRow("store file is a directory") << false;
    }
    void failedWrites()
    {
        QFETCH(bool, rootIsAFile);
        QFile f(UserRoot());
        QVERIFY(rootIsAFile ? f.open(QIODevice::WriteOnly) : QDir().mkpath(FileUnder(UserRoot())));
        SettingsStore store = Store();
        QVERIFY(!store.WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        QVERIFY(!store.WriteText(kSettingsKey, kFontNameSetting, "Arial"));
        // Readers stay silent and fall back.
        QCOMPARE(store.ReadNumber(kSettingsKey, kMinGamesSetting, 3), 3);
    }

    void fullDiskKeepsTheOldFile()
    {
        const QByteArray before("[General]\nFontName=Arial\nMinGames=4\n");
        Put(UserRoot(), before);
        {
            const FullDisk full(0);
            QVERIFY(!Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        }
        QFile f(FileUnder(UserRoot()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), 5);
        QCOMPARE(Store().ReadText(kSettingsKey, kFontNameSetting, "", 32), std::string("Arial"));
    }

    void unparsableUserFileIsNotRewritten()
    {
        // Qt would rewrite it in its own form, dropping what it could not parse.
        const QByteArray broken("[broken\nMinGames=4\n");
        Put(UserRoot(), broken);
        QVERIFY(!Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        QFile f(FileUnder(UserRoot()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), broken);
    }

    void preferences_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<uint>("minGames");
        QTest::addColumn<uint>("homeOnLeftScreen");
        QTest::addColumn<uint>("homeOnLeftPrinter");
        QTest::addColumn<uint>("highlightLosses");
        QTest::addColumn<double>("minPrintScale");
        QTest::newRow("defaults") << kNoFile << kNoFile << 3u << 0u << 1u << 0u << 0.70;
        QTest::newRow("user values")
            << QByteArray("MinGames=5\nHomeOnLeftScreen=1\nHomeOnLeftPrinter=0\n"
                          "HighlightLosses=12\nMinPrintScale=85\n")
            << kNoFile << 5u << 1u << 0u << 12u << 0.85;
        QTest::newRow("mixed layers")
            << QByteArray("HomeOnLeftScreen=abc\nMinPrintScale=50\n")
            << QByteArray("HomeOnLeftScreen=1\nMinGames=6\n") << 6u << 1u << 1u << 0u << 0.50;
        // MinGames is unsigned and never reset; the print scale keeps to 1..100 %.
        QTest::newRow("unsigned MinGames, scale 1")
            << QByteArray("MinGames=3000000000\nMinPrintScale=1\n") << kNoFile << 3000000000u << 0u << 1u
            << 0u << 0.01;
        QTest::newRow("scale 100") << QByteArray("MinPrintScale=100\n") << kNoFile << 3u << 0u << 1u << 0u << 1.0;
        QTest::newRow("scale 0") << QByteArray("MinPrintScale=0\n") << kNoFile << 3u << 0u << 1u << 0u << 0.70;
        QTest::newRow("scale 101") << QByteArray("MinPrintScale=101\n") << kNoFile << 3u << 0u << 1u << 0u << 0.70;
        QTest::newRow("scale -100") << QByteArray("MinPrintScale=-100\n") << kNoFile << 3u << 0u << 1u << 0u
                                    << 0.70;
    }
    void preferences()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, machine);
        Put(UserRoot(), user);
        Put(MachineRoot(), machine);
        SetSettingsStore(std::make_unique<SettingsStore>(UserRoot(), MachineRoot()));
        const Preferences p = LoadPreferences();
        QTEST(uint(p.minGames), "minGames");
        QTEST(uint(p.homeOnLeftScreen), "homeOnLeftScreen");
        QTEST(uint(p.homeOnLeftPrinter), "homeOnLeftPrinter");
        QTEST(uint(p.highlightLosses), "highlightLosses");
        QTEST(p.minPrintScale, "minPrintScale");
    }

    // The printed team results rank players with the MinGames the screen
    // uses: a stored value beyond the largest int is the largest int, never
    // a negative "no minimum".
    void minGamesOnPaper_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<int>("minGames");
        QTest::newRow("zero") << QByteArray("MinGames=0\n") << 0;
        QTest::newRow("largest int") << QByteArray("MinGames=2147483647\n") << INT_MAX;
        QTest::newRow("2^31") << QByteArray("MinGames=-2147483648\n") << INT_MAX;
        QTest::newRow("2^32 - 1") << QByteArray("MinGames=-1\n") << INT_MAX;
    }
    void minGamesOnPaper()
    {
        QFETCH(QByteArray, user);
        Put(UserRoot(), user);
        SetSettingsStore(std::make_unique<SettingsStore>(UserRoot(), MachineRoot()));
        const Preferences p = LoadPreferences();
        QTEST(TeamPrintOptionsFrom(p).grid.minGames, "minGames");
        QTEST(MinGamesForRanking(p.minGames), "minGames");
    }

    void gridFont_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("face");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("defaults") << kNoFile << QByteArray("Times New Roman") << -40 << 400
                                  << false;
        QTest::newRow("stored")
            << QByteArray("FontName=Arial\nFontHeight=50\nFontWeight=700\nFontItalic=1\n")
            << QByteArray("Arial") << 50 << 700 << true;
        const QByteArray tnr("Times New Roman");
        // Heights -1000..-10 and 10..1000, weights 1..1000; anything else is the default.
        const struct { const char* name; int height, weight, readHeight, readWeight; } sizes[] = {
            {"smallest", -10, 1, -10, 1},       {"largest", -1000, 1000, -1000, 1000},
            {"cell 10", 10, 400, 10, 400},      {"cell 1000", 1000, 400, 1000, 400},
            {"-9, weight 0", -9, 0, -40, 400},  {"9, weight 1001", 9, 1001, -40, 400},
            {"-1001", -1001, 400, -40, 400},    {"1001", 1001, 400, -40, 400},
            {"0", 0, 400, -40, 400},            {"-2000", -2000, 400, -40, 400},
            {"largest int", 2147483647, -5, -40, 400},
        };
        for (const auto& r : sizes)
            QTest::newRow(r.name) << ("FontHeight=" + QByteArray::number(r.height) + "\nFontWeight=" +
                                      QByteArray::number(r.weight) + "\n")
                                  << tnr << r.readHeight << r.readWeight << false;
        QTest::newRow("italic reads the low byte only")
            << QByteArray("FontItalic=256\n") << QByteArray("Times New Roman") << -40 << 400
            << false;
    }
    void gridFont()
    {
        QFETCH(QByteArray, user);
        Put(UserRoot(), user);
        SetSettingsStore(std::make_unique<SettingsStore>(UserRoot(), MachineRoot()));
        const GridFontSettings f = LoadGridFontSettings();
        QTEST(Utf8(f.faceName), "face");
        QTEST(int(f.height), "height");
        QTEST(int(f.weight), "weight");
        QTEST(f.italic, "italic");
    }

};

TESSEL_TEST(TestSettings)
#include "tst_Settings.moc"
