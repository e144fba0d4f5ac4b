#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/BinaryFormat.h"
#include "platform/FileIO.h"
#include "platform/SeasonFiles.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

// A small new season: 2 fixtures of 2 games, 2 players, one with a
// Windows-1252 name.
SeasonPtr MakeSeason(FakeHost& host)
{
    SeasonPtr season = BuildSeason({0, 2, 2, 2}, host);
    season->players[1]->name = "C. D\xE9nis";
    season->modified = season->untitled = true;
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
        QTest::newRow("binary") << QStringLiteral("b.bwl") << false;
        QTest::newRow("dot in the wrong place") << QStringLiteral("b.bw.t") << false;
        QTest::newRow("longer suffix") << QStringLiteral("b.bwtx") << false;
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
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qint64>("size"); // -1: no file written
        QTest::addColumn<QString>("message");
        const QString cannotOpen = QStringLiteral("Cannot open file");
        const QString invalid = QStringLiteral("Invalid file");
        QTest::newRow("missing") << QStringLiteral("missing.bwl") << QByteArray() << qint64(-1) << cannotOpen;
        QTest::newRow("directory") << QStringLiteral("sub") << QByteArray() << qint64(-1) << cannotOpen;
        QTest::newRow("too short") << QStringLiteral("short.bwl") << QByteArray() << qint64(151) << invalid;
        QTest::newRow("not a season") << QStringLiteral("notes.bwl") << QByteArray("Dear secretary, ...")
                                      << qint64(19) << invalid;
        // Refused by its size before a byte is read (the file is sparse).
        QTest::newRow("huge") << QStringLiteral("huge.bwl") << QByteArray() << qint64(kMaxReadBytes + 1) << invalid;
    }
    void openFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(qint64, size);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        if (size >= 0) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size() && f.resize(size));
        }
        FakeHost host;
        QVERIFY(!OpenSeasonPath(host, dir.filePath(name), false));
        QCOMPARE(host.Texts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(host.messages[0].title, std::string(kDefaultErrorTitle));
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
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
        QCOMPARE(host.recentFiles, std::vector<std::string>{season->filePath});
        QVERIFY(host.messages.empty());
        QVERIFY(host.waitDepth == 0 && host.waitCalls > 0);
        const Bytes bytes = SeasonToBytes(*season);
        QCOMPARE(ReadRaw(path), QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));

        FakeHost reader;
        const SeasonPtr back = OpenSeasonPath(reader, path, readOnly);
        QVERIFY(back);
        QVERIFY(reader.messages.empty());
        QVERIFY(reader.waitDepth == 0 && reader.waitCalls > 0);
        // The whole path, exactly as chosen, whatever characters it holds.
        QCOMPARE(QString::fromUtf8(back->filePath.c_str()), path);
        QCOMPARE(back->readOnly, readOnly);
        QCOMPARE(back->players[1]->name, season->players[1]->name);
        QVERIFY(!back->modified && !back->untitled);
    }

    void chooser_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("titled, save") << false << false << false << false << false;
        QTest::newRow("untitled") << true << false << false << true << false;
        QTest::newRow("read-only") << false << true << false << true << false;
        QTest::newRow("save as") << false << false << true << true << false;
        QTest::newRow("untitled, cancelled") << true << false << false << true << true;
        QTest::newRow("save as, cancelled") << false << false << true << true << true;
    }
    void chooser()
    {
        QFETCH(bool, untitled);
        QFETCH(bool, readOnly);
        QFETCH(bool, saveAs);
        QFETCH(bool, asks);
        QFETCH(bool, cancel);
        QTemporaryDir dir;
        const QString own = dir.filePath(QStringLiteral("own.bwl"));
        const QString chosen = dir.filePath(QStringLiteral("chosen.bwl"));
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        season->untitled = untitled;
        season->readOnly = readOnly;
        season->filePath = own.toStdString();
        int asked = 0;
        const bool saved = SaveSeason(host, *season, saveAs, [&] {
            ++asked;
            return cancel ? QString() : chosen;
        });
        QCOMPARE(saved, !cancel);
        QCOMPARE(asked, asks ? 1 : 0);
        QCOMPARE(season->modified, cancel);
        QCOMPARE(season->untitled, cancel && untitled);
        QCOMPARE(QFileInfo::exists(chosen), asks && !cancel);
        QCOMPARE(QString::fromStdString(season->filePath), asks && !cancel ? chosen : own);
        // A cancelled save leaves nothing behind and does no work.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), cancel ? 0 : 1);
        QCOMPARE(host.recentFiles.size(), std::size_t(cancel ? 0 : 1));
        if (cancel)
            QCOMPARE(host.waitCalls, 0);
    }

    void saveFailure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing directory") << QStringLiteral("nowhere/s.bwl");
        QTest::newRow("target is a directory") << QStringLiteral("sub");
    }
    void saveFailure()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
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
