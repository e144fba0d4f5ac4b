#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/BinaryFormat.h"
#include "model/ScoringScheme.h"
#include "platform/FileIO.h"
#include "platform/SeasonFiles.h"
#include "support/FakeHost.h"

namespace {

// A small season: 2 fixtures of 2 games, 2 players.
SeasonPtr MakeSeason(FakeHost& host)
{
    auto season = std::make_unique<Season>();
    season->teamName = "Riverside";
    season->leagueName = "District League";
    season->division = "Two";
    season->teamSize = 2;
    season->fixtureCount = 2;
    season->playerCount = 2;
    season->schemeIndex = 0;
    ApplyScheme(*season, host);
    if (!AllocateSeasonRecords(host, season))
        return nullptr;
    season->players[0]->id = 0;
    season->players[0]->name = "A. Brown";
    season->players[1]->id = 1;
    season->players[1]->name = "C. D\xE9nis"; // Windows-1252 e acute
    season->fixtures[0]->opponent = "Hillside";
    season->modified = true;
    season->untitled = true;
    return season;
}

bool WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray ReadRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSeasonFiles : public QObject {
    Q_OBJECT

private slots:
    void textSeasonPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("text");
        QTest::newRow("lower") << QStringLiteral("/a/b.bwt") << true;
        QTest::newRow("upper") << QStringLiteral("C:/A/B.BWT") << true;
        QTest::newRow("mixed") << QStringLiteral("b.bWt") << true;
        QTest::newRow("only the suffix") << QStringLiteral(".bwt") << true;
        QTest::newRow("binary") << QStringLiteral("b.bwl") << false;
        QTest::newRow("no dot") << QStringLiteral("bwt") << false;
        QTest::newRow("dot in the wrong place") << QStringLiteral("b.bw.t") << false;
        QTest::newRow("longer suffix") << QStringLiteral("b.bwtx") << false;
        QTest::newRow("trailing space") << QStringLiteral("b.bwt ") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("fullwidth letters") << QStringLiteral("b.\uFF42\uFF57\uFF54") << false;
    }
    void textSeasonPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, text);
        QCOMPARE(IsTextSeasonPath(path), text);
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // written unless empty
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QStringLiteral("missing.bwl") << QByteArray()
                                 << QStringLiteral("Cannot open file");
        QTest::newRow("directory")
            << QStringLiteral("sub") << QByteArray() << QStringLiteral("Cannot open file");
        QTest::newRow("too short") << QStringLiteral("short.bwl") << QByteArray(151, '\0')
                                   << QStringLiteral("Invalid file");
        QTest::newRow("wrong magic") << QStringLiteral("magic.bwl") << QByteArray(2000, '\x55')
                                     << QStringLiteral("Invalid file");
        QTest::newRow("not a season")
            << QStringLiteral("notes.bwl") << QByteArray("Dear secretary, ...")
            << QStringLiteral("Invalid file");
    }
    void openFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        if (!contents.isEmpty())
            QVERIFY(WriteRaw(dir.filePath(name), contents));
        FakeHost host;
        const SeasonPtr season = OpenSeasonPath(host, dir.filePath(name), false);
        QVERIFY(!season);
        QCOMPARE(host.Texts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(host.messages[0].title, std::string(kDefaultErrorTitle));
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(host.waitDepth, 0);
    }

    void hugeFileIsInvalid()
    {
        // Refused by its size before a byte is read (the file is sparse).
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.bwl"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(kMaxReadBytes + 1));
        f.close();
        FakeHost host;
        QVERIFY(!OpenSeasonPath(host, path, false));
        QCOMPARE(host.Texts(), std::vector<std::string>{"Invalid file"});
        QCOMPARE(host.waitDepth, 0);
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("plain") << QStringLiteral("season.bwl") << false;
        QTest::newRow("read-only") << QStringLiteral("season.bwl") << true;
        QTest::newRow("non-ASCII path") << QStringLiteral("\u00C4rger \u20AC \u03A9.bwl") << false;
    }
    void saveAndReopen()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(season);

        int asked = 0;
        QVERIFY(SaveSeason(host, *season, false, [&] {
            ++asked;
            return path;
        }));
        QCOMPARE(asked, 1); // untitled: the path is asked for
        QVERIFY(!season->modified);
        QVERIFY(!season->untitled);
        QCOMPARE(QString::fromStdString(season->filePath), path);
        QCOMPARE(host.recentFiles, std::vector<std::string>{season->filePath});
        QVERIFY(host.messages.empty());
        QCOMPARE(host.waitDepth, 0);
        QVERIFY(host.waitCalls > 0);
        QCOMPARE(ReadRaw(path).size(), qsizetype(SeasonToBytes(*season).size()));

        FakeHost reader;
        const SeasonPtr back = OpenSeasonPath(reader, path, readOnly);
        QVERIFY(back);
        QVERIFY(reader.messages.empty());
        QCOMPARE(reader.waitDepth, 0);
        QVERIFY(reader.waitCalls > 0);
        // The whole path, exactly as chosen, whatever characters it holds.
        QCOMPARE(QString::fromUtf8(back->filePath.c_str()), path);
        QCOMPARE(back->readOnly, readOnly);
        QCOMPARE(back->teamName, season->teamName);
        QCOMPARE(int(back->players.size()), 2);
        QVERIFY(!back->modified);
        QVERIFY(!back->untitled);
    }

    void saveWritesToItsOwnPath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.bwl"));
        QVERIFY(WriteRaw(path, "old"));
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        season->untitled = false;
        season->filePath = path.toStdString();
        int asked = 0;
        QVERIFY(SaveSeason(host, *season, false, [&] {
            ++asked;
            return QString();
        }));
        QCOMPARE(asked, 0);
        QCOMPARE(ReadRaw(path),
                 QByteArray(reinterpret_cast<const char*>(SeasonToBytes(*season).data()),
                            qsizetype(SeasonToBytes(*season).size())));
        QCOMPARE(host.recentFiles, std::vector<std::string>{path.toStdString()});
    }

    void chooserIsAsked_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("asks");
        QTest::newRow("titled, save") << false << false << false << false;
        QTest::newRow("untitled") << true << false << false << true;
        QTest::newRow("read-only") << false << true << false << true;
        QTest::newRow("save as") << false << false << true << true;
    }
    void chooserIsAsked()
    {
        QFETCH(bool, untitled);
        QFETCH(bool, readOnly);
        QFETCH(bool, saveAs);
        QFETCH(bool, asks);
        QTemporaryDir dir;
        const QString own = dir.filePath(QStringLiteral("own.bwl"));
        const QString chosen = dir.filePath(QStringLiteral("chosen.bwl"));
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        season->untitled = untitled;
        season->readOnly = readOnly;
        season->filePath = own.toStdString();
        int asked = 0;
        QVERIFY(SaveSeason(host, *season, saveAs, [&] {
            ++asked;
            return chosen;
        }));
        QCOMPARE(asked, asks ? 1 : 0);
        QCOMPARE(QFileInfo::exists(chosen), asks);
        QCOMPARE(QFileInfo::exists(own), !asks);
        QCOMPARE(QString::fromStdString(season->filePath), asks ? chosen : own);
    }

    void saveAsCancelled_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("untitled") << true << false;
        QTest::newRow("save as") << false << true;
    }
    void saveAsCancelled()
    {
        QFETCH(bool, untitled);
        QFETCH(bool, saveAs);
        QTemporaryDir dir;
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        season->untitled = untitled;
        season->filePath =
            untitled ? "Untitled" : dir.filePath(QStringLiteral("own.bwl")).toStdString();
        const std::string before = season->filePath;
        QVERIFY(!SaveSeason(host, *season, saveAs, [] { return QString(); }));
        QVERIFY(season->modified);
        QCOMPARE(season->untitled, untitled);
        QCOMPARE(season->filePath, before);
        QVERIFY(host.messages.empty());
        QCOMPARE(host.waitCalls, 0);
        QVERIFY(host.recentFiles.empty());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void saveWithoutChooserOrPath()
    {
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(!SaveSeason(host, *season, false, {})); // untitled, no chooser
        season->untitled = false;
        season->filePath.clear();
        QVERIFY(!SaveSeason(host, *season, false, {}));
        QVERIFY(season->modified);
        QVERIFY(host.messages.empty());
        QCOMPARE(host.waitCalls, 0);
    }

    void saveFailure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing directory") << QStringLiteral("nowhere/s.bwl");
        QTest::newRow("directory is a file") << QStringLiteral("plain/s.bwl");
        QTest::newRow("target is a directory") << QStringLiteral("sub");
    }
    void saveFailure()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(WriteRaw(dir.filePath(QStringLiteral("plain")), "old"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString path = dir.filePath(name);
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(!SaveSeason(host, *season, true, [&] { return path; }));
        QCOMPARE(host.Texts(), std::vector<std::string>{"Cannot write file"});
        QCOMPARE(host.messages[0].title, std::string(kDefaultErrorTitle));
        QVERIFY(season->modified);
        QVERIFY(season->untitled);
        // The chosen name is kept, ready for the next attempt.
        QCOMPARE(QString::fromStdString(season->filePath), path);
        QVERIFY(host.recentFiles.empty());
        QCOMPARE(host.waitDepth, 0);
        QCOMPARE(ReadRaw(dir.filePath(QStringLiteral("plain"))), QByteArray("old"));
    }

    void saveIntoReadOnlyDirectory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.bwl"));
        QVERIFY(WriteRaw(path, "old"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(dir.path()).isWritable())
            QSKIP("permissions do not bind this user (running as root?)");
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        season->untitled = false;
        season->filePath = path.toStdString();
        QVERIFY(!SaveSeason(host, *season, false, {}));
        QCOMPARE(host.Texts(), std::vector<std::string>{"Cannot write file"});
        QVERIFY(season->modified);
        QCOMPARE(ReadRaw(path), QByteArray("old"));
        QCOMPARE(host.waitDepth, 0);
    }

    void relativePathBecomesAbsolute()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(SaveSeason(host, *season, false, [] { return QStringLiteral("rel.bwl"); }));
        const QString absolute = QDir(dir.path()).absoluteFilePath(QStringLiteral("rel.bwl"));
        QCOMPARE(QString::fromStdString(season->filePath), absolute);
        const SeasonPtr back = OpenSeasonPath(host, QStringLiteral("rel.bwl"), false);
        QVERIFY(back);
        QCOMPARE(QString::fromStdString(back->filePath), absolute);
    }

    void textFilesGoToTheImporter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("imported");
        QTest::newRow("lower") << QStringLiteral("league.bwt") << true;
        QTest::newRow("upper") << QStringLiteral("LEAGUE.BWT") << true;
        QTest::newRow("binary") << QStringLiteral("league.bwl") << false;
    }
    void textFilesGoToTheImporter()
    {
        QFETCH(QString, name);
        QFETCH(bool, imported);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        FakeHost host;
        QString seen;
        const SeasonPtr season = OpenSeasonPath(host, path, true, [&](Host&, const QString& p) {
            seen = p;
            auto s = std::make_unique<Season>();
            s->teamName = "imported";
            return s;
        });
        QCOMPARE(seen, imported ? path : QString());
        QCOMPARE(bool(season), imported);
        if (imported)
            QCOMPARE(season->teamName, std::string("imported"));
        else
            QCOMPARE(host.Texts(), std::vector<std::string>{"Cannot open file"});
        QCOMPARE(host.waitDepth, 0);
    }

    // The real import: a text file that cannot be read ends quietly, a good
    // one gives an untitled season; both paths join the recent files.
    void textImportThroughOpen()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.BWT"));
        FakeHost host;
        QVERIFY(!OpenSeasonPath(host, missing, false));
        QVERIFY(host.messages.empty());
        QCOMPARE(host.recentFiles, std::vector<std::string>{PathToSeasonText(missing)});

        const QString good = dir.filePath(QStringLiteral("club.bwt"));
        QVERIFY(WriteRaw(good, QByteArray("[Club]\n\"Riverside BC\" \"District\" \"Two\" \"1\" \"1\" \"Aggregate\"\n"
                                          "[Players]\n\"A. Brown\"\n[Matches]\n\"home\" \"Hillside\" \"3/5/2008\"\n"
                                          "\"A. Brown\" \"21\" \"E. Fox\" \"15\"\n")));
        const SeasonPtr season = OpenSeasonPath(host, good, false);
        QVERIFY(season);
        QVERIFY(host.messages.empty());
        QVERIFY(season->untitled);
        QCOMPARE(season->teamName, std::string("Riverside BC"));
        QCOMPARE(season->matchesWon, 1);
        QCOMPARE(host.recentFiles.back(), PathToSeasonText(good));
        QCOMPARE(host.waitDepth, 0);
    }
};

QTEST_GUILESS_MAIN(TestSeasonFiles)
#include "tst_SeasonFiles.moc"
