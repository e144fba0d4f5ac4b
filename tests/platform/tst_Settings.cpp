#include "support/TestRegistry.h"
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>

#include "platform/PrintSetup.h"
#include "platform/Settings.h"
#include "support/FullDisk.h"
#include "support/Golden.h"

namespace {

// Marks a store that has no file at all, as opposed to an empty one.
const QByteArray kNoFile = QByteArrayLiteral("<no file>");

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString Root(bool user) const { return dir_->filePath(user ? u"user"_qs : u"machine"_qs); }
    QString File(bool user = true) const
    {
        return Root(user) + QStringLiteral("/Orvane/Tessel.conf");
    }
    SettingsStore Store() const { return SettingsStore(Root(true), Root(false)); }

    // Writes the store files by hand, as another program or an administrator would.
    void Put(const QByteArray& user, const QByteArray& machine = kNoFile)
    {
        for (bool isUser : {true, false}) {
            const QByteArray& ini = isUser ? user : machine;
            if (ini == kNoFile)
                continue;
            QVERIFY(QDir().mkpath(QFileInfo(File(isUser)).path()));
            QFile f(File(isUser));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ini) == ini.size());
        }
        SetSettingsStore(std::make_unique<SettingsStore>(Root(true), Root(false)));
    }
    // What each reader makes of the store, a line each.
    std::string Answers() const
    {
        const Preferences p = LoadPreferences();
        const GridFontSettings f = LoadGridFontSettings();
        const std::string font =
            Store().ReadText(kSettingsKey, kFontNameSetting, "Times New Roman", 32);
        const std::string fontIn4 =
            Store().ReadText(kSettingsKey, kFontNameSetting, "Times New Roman", 4);
        return QStringLiteral("  number %1 | text %2 | in 4 characters %3\n"
                              "  preferences %4 %5 %6 %7 %8 | on paper %9 %10\n"
                              "  grid font %11 %12 %13 %14\n")
            .arg(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3))
            .arg(QString::fromStdString(font), QString::fromStdString(fontIn4))
            .arg(p.minGames)
            .arg(p.homeOnLeftScreen)
            .arg(p.homeOnLeftPrinter)
            .arg(p.highlightLosses)
            .arg(p.minPrintScale)
            .arg(TeamPrintOptionsFrom(p).grid.minGames)
            .arg(MinGamesForRanking(p.minGames))
            .arg(QString::fromStdString(f.faceName))
            .arg(f.height)
            .arg(f.weight)
            .arg(int(f.italic))
            .toStdString();
    }
    QByteArray Contents() const
    {
        QFile f(File());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : kNoFile;
    }

private slots:
    void init()
    {
        // A fresh directory per case: Qt caches parsed INI files by name.
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        SetSettingsStore(nullptr);
        dir_.reset();
    }

    // The cases of tests/data/platform/settings.txt: "== name", then the lines
    // of the store files ("user: ..." or "machine: ...", a bare "user:" for an
    // empty file); below each case, every reader's answer. The user's value wins
    // over the machine's, which wins over the default; a value that is not what
    // was asked for counts as missing.
    void readers()
    {
        QFile file(QStringLiteral(TESSEL_TEST_DATA "/platform/settings.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        lines << "==";
        std::string out;
        QByteArray ini[2];
        bool given[2] = {false, false};
        for (const QByteArray& line : lines) {
            const int which = line.startsWith("user:") ? 0 : line.startsWith("machine:") ? 1 : -1;
            if (which >= 0) {
                const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
                ini[which] += value.isEmpty() ? value : value + '\n';
                given[which] = true;
                out += line.toStdString() + '\n';
            }
            if (!line.startsWith("=="))
                continue;
            if (!out.empty()) {
                Put(given[0] ? ini[0] : kNoFile, given[1] ? ini[1] : kNoFile);
                out += Answers();
                init();
            }
            if (line.size() > 2)
                out += line.toStdString() + '\n';
            ini[0] = ini[1] = {};
            given[0] = given[1] = false;
        }
        TESSEL_COMPARE_GOLDEN("platform/settings-read.txt", out);
    }

    void defaultNotCutInsideACharacter()
    {
        QCOMPARE(Store().ReadText(kSettingsKey, kFontNameSetting, "a\360\237\230\200b", 3),
                 std::string("a\xF0\x9F\x98\x80"));
    }

    // Writes go to the user's file only, keep what else it holds, and read back.
    void writesRoundTrip()
    {
        Put(kNoFile, "MinGames=5\n");
        QVERIFY(Store().WriteNumber(kSettingsKey, kHighlightLossesSetting, INT_MIN));
        for (const char* text : {"Times, Bold", "a \"b\" \\c", "\xC3\x84rger \xE2\x82\xAC"}) {
            QVERIFY(Store().WriteText(kSettingsKey, "File1", text));
            QCOMPARE(Store().ReadText(kSettingsKey, "File1", "default", 261), std::string(text));
        }
        QFile machine(File(false));
        QVERIFY(machine.open(QIODevice::ReadOnly));
        QCOMPARE(machine.readAll(), QByteArray("MinGames=5\n"));
        QCOMPARE(Store().ReadNumber(kSettingsKey, kHighlightLossesSetting, 0), INT_MIN);
        QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 0), 5);
    }

    // A failed write says so and leaves the file as it was: where the store
    // cannot be, on a full disk, and when Qt would rewrite an unparsable file
    // in its own form, dropping what it could not parse.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("root is a file") << "root" << kNoFile;
        QTest::newRow("store file is a folder") << "folder" << kNoFile;
        QTest::newRow("full disk")
            << "full" << QByteArray("[General]\nFontName=Arial\nMinGames=4\n");
        QTest::newRow("unparsable") << "" << QByteArray("[broken\nMinGames=4\n");
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(QString, blocker);
        QFETCH(QByteArray, before);
        Put(before);
        QFile f(Root(true));
        QVERIFY(blocker != u"root" || f.open(QIODevice::WriteOnly));
        QVERIFY(blocker != u"folder" || QDir().mkpath(File()));
        {
            std::unique_ptr<FullDisk> full;
            if (blocker == u"full")
                full = std::make_unique<FullDisk>(0);
            QVERIFY(!Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
            QVERIFY(!Store().WriteText(kSettingsKey, kFontNameSetting, "Courier"));
        }
        QCOMPARE(Contents(), before);
        if (blocker == u"full") {
            QVERIFY(Store().WriteNumber(kSettingsKey, kMinGamesSetting, 5));
            QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), 5);
            QCOMPARE(Store().ReadText(kSettingsKey, kFontNameSetting, "", 32),
                     std::string("Arial"));
        } else if (blocker != u"") {
            QCOMPARE(Store().ReadNumber(kSettingsKey, kMinGamesSetting, 3), 3);
        }
    }
};

TESSEL_TEST(TestSettings)
#include "tst_Settings.moc"
