#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Settings.h"

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
        QTest::newRow("empty store") << kNoFile << kNoFile << 3;
        QTest::newRow("machine-wide only") << kNoFile << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("both: user wins")
            << QByteArray("MinGames=7\n") << QByteArray("MinGames=5\n") << 7;
        QTest::newRow("user zero still wins")
            << QByteArray("MinGames=0\n") << QByteArray("MinGames=5\n") << 0;
        QTest::newRow("int32 min")
            << QByteArray("MinGames=-2147483648\n") << kNoFile << int(-2147483647 - 1);
        QTest::newRow("int32 max") << QByteArray("MinGames=2147483647\n") << kNoFile << 2147483647;
        QTest::newRow("non-numeric user, machine")
            << QByteArray("MinGames=abc\n") << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("non-numeric both")
            << QByteArray("MinGames=x\n") << QByteArray("MinGames=y\n") << 3;
        QTest::newRow("trailing text")
            << QByteArray("MinGames=12abc\n") << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("too large")
            << QByteArray("MinGames=2147483648\n") << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("hexadecimal")
            << QByteArray("MinGames=0x10\n") << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("empty text") << QByteArray("MinGames=\n") << QByteArray("MinGames=5\n") << 5;
        QTest::newRow("other group only") << QByteArray("[Other]\nMinGames=9\n") << kNoFile << 3;
        QTest::newRow("explicit general group")
            << QByteArray("[General]\nMinGames=9\n") << kNoFile << 9;
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
        const QByteArray tnr("Times New Roman");
        QTest::newRow("empty store") << kNoFile << kNoFile << tnr << 32 << tnr;
        QTest::newRow("user") << QByteArray("FontName=Arial\n") << QByteArray("FontName=Courier\n")
                              << tnr << 32 << QByteArray("Arial");
        QTest::newRow("machine-wide")
            << kNoFile << QByteArray("FontName=Courier\n") << tnr << 32 << QByteArray("Courier");
        QTest::newRow("empty user falls back to machine")
            << QByteArray("FontName=\n") << QByteArray("FontName=Courier\n") << tnr << 32
            << QByteArray("Courier");
        QTest::newRow("empty user falls back to default")
            << QByteArray("FontName=\n") << kNoFile << tnr << 32 << tnr;
        QTest::newRow("empty machine-wide text is taken")
            << QByteArray("FontName=\n") << QByteArray("FontName=\n") << tnr << 32 << QByteArray();
        QTest::newRow("31 characters fit") << QByteArray("FontName=" + QByteArray(31, 'a') + "\n")
                                           << kNoFile << tnr << 32 << QByteArray(31, 'a');
        QTest::newRow("32 characters count as missing")
            << QByteArray("FontName=" + QByteArray(32, 'a') + "\n")
            << QByteArray("FontName=Courier\n") << tnr << 32 << QByteArray("Courier");
        QTest::newRow("default cut to capacity")
            << kNoFile << kNoFile << tnr << 6 << QByteArray("Times");
        QTest::newRow("capacity zero")
            << QByteArray("FontName=Arial\n") << kNoFile << tnr << 0 << QByteArray();
        // Capacities count characters, not UTF-8 bytes.
        QTest::newRow("accented fit by characters")
            << QByteArray("FontName=\xC3\xA9\xC3\xA9\xC3\xA9\n") << kNoFile << tnr << 4
            << QByteArray("\xC3\xA9\xC3\xA9\xC3\xA9");
        QTest::newRow("default not cut inside a character") << kNoFile << kNoFile
                                                            << QByteArray("a\xF0\x9F\x98\x80"
                                                                          "b")
                                                            << 3 << QByteArray("a\xF0\x9F\x98\x80");
        QTest::newRow("default cut before a wide character") << kNoFile << kNoFile
                                                             << QByteArray("a\xF0\x9F\x98\x80"
                                                                           "b")
                                                             << 2 << QByteArray("a");
        QTest::newRow("quoted text with comma")
            << QByteArray("FontName=\"Times, Bold\"\n") << kNoFile << tnr << 32
            << QByteArray("Times, Bold");
        QTest::newRow("list is not a text")
            << QByteArray("FontName=Times, Bold\n") << QByteArray("FontName=Courier\n") << tnr << 32
            << QByteArray("Courier");
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
        const std::string got =
            Store().ReadText(kSettingsKey, kFontNameSetting, defaultValue.toStdString(),
                             static_cast<std::size_t>(capacity));
        QCOMPARE(Utf8(got), expected);
    }

    void numbersRoundTrip_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("min") << int(-2147483647 - 1);
        QTest::newRow("max") << 2147483647;
    }
    void numbersRoundTrip()
    {
        QFETCH(int, value);
        Put(MachineRoot(), "MinGames=5\n");
        SettingsStore store = Store();
        QVERIFY(store.WriteNumber(kSettingsKey, kMinGamesSetting, value));
        QCOMPARE(store.ReadNumber(kSettingsKey, kMinGamesSetting, 3), value);
        // A fresh store sees it too: it reached the file.
        QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), value);
    }

    void textsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comma") << QByteArray("Times, Bold");
        QTest::newRow("spaces at the ends") << QByteArray("  padded ");
        QTest::newRow("quotes and backslash") << QByteArray("a \"b\" \\c");
        QTest::newRow("non-ASCII") << QByteArray("\xC3\x84rger \xE2\x82\xAC");
        QTest::newRow("at sign first") << QByteArray("@Variant(x)");
        QTest::newRow("equals and semicolon") << QByteArray("a=b;c");
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
        QVERIFY(Store().WriteNumber(kSettingsKey, kHighlightLossesSetting, 12));
        QVERIFY(Store().WriteText(kSettingsKey, kFontNameSetting, "Arial"));
        QFile machine(FileUnder(MachineRoot()));
        QVERIFY(machine.open(QIODevice::ReadOnly));
        QCOMPARE(machine.readAll(), QByteArray("MinGames=5\n"));
        QVERIFY(QFileInfo::exists(FileUnder(UserRoot())));
        // The other values already in the user's file are kept.
        QCOMPARE(Store().ReadNumber(kSettingsKey, kHighlightLossesSetting, 0), 12);
    }

    void emptyWrittenTextFallsBack()
    {
        Put(MachineRoot(), "FontName=Courier\n");
        QVERIFY(Store().WriteText(kSettingsKey, kFontNameSetting, ""));
        QCOMPARE(Utf8(Store().ReadText(kSettingsKey, kFontNameSetting, "Times New Roman", 32)),
                 QByteArray("Courier"));
    }

    void failedWrites_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("root is a file") << 0;
        QTest::newRow("organisation folder is a file") << 1;
        QTest::newRow("store file is a directory") << 2;
    }
    void failedWrites()
    {
        QFETCH(int, how);
        const QString root = UserRoot();
        if (how == 0) {
            QFile f(root);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (how == 1) {
            QVERIFY(QDir().mkpath(root));
            QFile f(root + QStringLiteral("/Orvane"));
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(FileUnder(root)));
        }
        SettingsStore store = Store();
        QVERIFY(!store.WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        QVERIFY(!store.WriteText(kSettingsKey, kFontNameSetting, "Arial"));
        // Readers stay silent and fall back.
        QCOMPARE(store.ReadNumber(kSettingsKey, kMinGamesSetting, 3), 3);
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

    void readOnlyStoreFile()
    {
        Put(UserRoot(), "MinGames=4\n");
        QFile::setPermissions(FileUnder(UserRoot()), QFile::ReadOwner);
        QFile::setPermissions(UserRoot() + QStringLiteral("/Orvane"),
                              QFile::ReadOwner | QFile::ExeOwner);
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(UserRoot() + QStringLiteral("/Orvane"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(FileUnder(UserRoot())).isWritable())
            QSKIP("permissions do not bind this user (running as root?)");
        QVERIFY(!Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
        QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), 4);
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

    void freeFunctionsUseTheCurrentStore()
    {
        SetSettingsStore(std::make_unique<SettingsStore>(UserRoot(), MachineRoot()));
        QVERIFY(WriteNumberSetting(kSettingsKey, kMinGamesSetting, 8));
        QVERIFY(WriteTextSetting(kSettingsKey, "File1", "/tmp/a.bwl"));
        QCOMPARE(ReadNumberSetting(kSettingsKey, kMinGamesSetting, 3), 8);
        QCOMPARE(Utf8(ReadTextSetting(kSettingsKey, "File1", "", 261)), QByteArray("/tmp/a.bwl"));
        QVERIFY(QFileInfo::exists(FileUnder(UserRoot())));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
