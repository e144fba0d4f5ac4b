#include "support/TestRegistry.h"
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/BinaryFormat.h"
#include "platform/FileIO.h"
#include "platform/SeasonFiles.h"
#include "support/FakeHost.h"
#include "support/FullDisk.h"
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

// A real file system of 1 MiB, mounted for the test when the test may mount
// (it runs as root), and filled to the last block on request.
struct TinyDisk {
    explicit TinyDisk(const QString& where) : path(where)
    {
        mounted = QDir().mkpath(path) &&
                  ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~TinyDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    void Fill()
    {
        const int fd = ::open(QFile::encodeName(path + QStringLiteral("/filler")).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        const std::vector<char> block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        for (char c = 'f'; ::write(fd, &c, 1) == 1;) {
        }
        ::close(fd);
    }
    QString path;
    bool mounted = false;
};

// Runs save with the folder read-only and the file writable. As root,
// permissions do not bind, so the save runs under an ordinary user's id.
bool SaveAsOrdinaryUser(const QString& folder, const QString& file, const std::function<bool()>& save)
{
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        ::chmod(QFile::encodeName(QFileInfo(folder).path()).constData(), 0755);
        if (::chown(QFile::encodeName(file).constData(), kNobody, kNobody) != 0)
            return true;
    }
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const auto restore = qScopeGuard([&] {
        if (root && ::seteuid(0) != 0)
            qFatal("cannot return to root");
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    });
    if (root && ::seteuid(kNobody) != 0)
        return true;
    return save();
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

    // Every way a file can fail to open, binary and text alike: each answers
    // at once with the message, the path and the reason, and nothing blocks.
    void openFailures_data()
    {
        QTest::addColumn<QString>("name");  // in the test's folder, or absolute
        QTest::addColumn<QString>("kind");  // none, file, folder, fifo
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<qint64>("size");   // the file is made this long (sparse)
        QTest::addColumn<QString>("text");  // the first line
        QTest::addColumn<QString>("reason"); // after the path; "-": no second line
        QTest::addColumn<bool>("listed");   // joins the recent files
        const QString cannotOpen = QStringLiteral("Cannot open file");
        const QString invalid = QStringLiteral("Invalid file");
        const QString missing = qt_error_string(ENOENT);
        const QString folder = qt_error_string(EISDIR);
        const QString special = QStringLiteral("not a regular file");
        const QString tooLarge = QStringLiteral("the file is too large");
        const QString none = QStringLiteral("none"), file = QStringLiteral("file");
        const QString fifo = QStringLiteral("fifo"), dir = QStringLiteral("folder");
        QTest::newRow("missing") << "missing.bwl" << none << QByteArray() << qint64(0) << cannotOpen << missing << false;
        QTest::newRow("folder") << "sub.bwl" << dir << QByteArray() << qint64(0) << cannotOpen << folder << false;
        QTest::newRow("FIFO") << "pipe.bwl" << fifo << QByteArray() << qint64(0) << cannotOpen << special << false;
        QTest::newRow("endless device") << "/dev/zero" << none << QByteArray() << qint64(0) << cannotOpen << special
                                        << false;
        QTest::newRow("too short") << "short.bwl" << file << QByteArray() << qint64(151) << invalid << QString()
                                   << false;
        QTest::newRow("not a season") << "notes.bwl" << file << QByteArray("Dear secretary, ...") << qint64(19)
                                      << invalid << QString() << false;
        // Larger than any season the format can describe: refused unread.
        QTest::newRow("huge") << "huge.bwl" << file << QByteArray() << qint64(kLargestSeasonFileBytes + 1)
                              << invalid << tooLarge << false;
        QTest::newRow("missing text") << "missing.BWT" << none << QByteArray() << qint64(0) << cannotOpen << missing
                                      << false;
        QTest::newRow("text folder") << "sub.bwt" << dir << QByteArray() << qint64(0) << cannotOpen << folder << false;
        QTest::newRow("text FIFO") << "pipe.bwt" << fifo << QByteArray() << qint64(0) << cannotOpen << special
                                   << false;
        QTest::newRow("text too large") << "big.bwt" << file << QByteArray() << qint64(kMaxReadBytes + 1)
                                        << cannotOpen << tooLarge << false;
        // Read, but wrong inside: listed, so that the corrected file is one click away.
        QTest::newRow("empty text") << "empty.bwt" << file << QByteArray() << qint64(0)
                                    << "Cannot find Club section" << "-" << true;
    }
    void openFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(qint64, size);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFETCH(bool, listed);
        QTemporaryDir dir;
        const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
        if (!QFileInfo::exists(path) && kind == QStringLiteral("none") && QDir::isAbsolutePath(name))
            QSKIP("no such device here");
        if (kind == QStringLiteral("folder"))
            QVERIFY(QDir(dir.path()).mkdir(name));
        if (kind == QStringLiteral("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QStringLiteral("file")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size() && f.resize(size));
        }
        FakeHost host;
        QVERIFY(!OpenSeasonPath(host, path, false));
        QCOMPARE(host.messages.size(), std::size_t(1));
        QString expected = text;
        if (reason != QStringLiteral("-"))
            expected += QLatin1Char('\n') + path + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
        QCOMPARE(QString::fromStdString(host.messages[0].text), expected);
        QCOMPARE(host.messages[0].title, reason == QStringLiteral("-") ? std::string("Data error")
                                                                       : std::string(kDefaultErrorTitle));
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(host.recentFiles.size(), std::size_t(listed ? 1 : 0));
        QCOMPARE(host.waitDepth, 0);
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("fixtures"); // 0: the small season
        QTest::newRow("plain") << QStringLiteral("season.bwl") << false << 0;
        QTest::newRow("read-only") << QStringLiteral("season.bwl") << true << 0;
        QTest::newRow("non-ASCII path") << QStringLiteral("\u00C4rger \u20AC \u03A9.bwl") << false << 0;
        // Over 64 MiB once saved: whatever the reader takes, it takes back.
        QTest::newRow("45,000 fixtures of 30") << QStringLiteral("big.bwl") << false << 45'000;
    }
    void saveAndReopen()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        QFETCH(int, fixtures);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        FakeHost host;
        SeasonPtr season = fixtures ? BuildSeason({0, kMaxTeamSize, fixtures, 2}, host) : MakeSeason(host);
        QVERIFY(season);
        season->modified = season->untitled = true;

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
        QCOMPARE(back->fixtures.size(), season->fixtures.size());
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

    // Every way a save can fail: the user is told where and why, the old file
    // is exactly as it was, nothing is left beside it, and the season keeps
    // its own path (a failed Save As adopts nothing).
    void saveFailures_data()
    {
        QTest::addColumn<QString>("place"); // where the file goes
        QTest::addColumn<int>("fixtures");  // of 30 positions; 0: the small season
        QTest::addColumn<QString>("reason");
        const QString full = qt_error_string(ENOSPC);
        QTest::newRow("missing folder") << "nowhere/s.bwl" << 0 << qt_error_string(ENOENT);
        QTest::newRow("a folder") << "sub" << 0 << qt_error_string(EISDIR);
        QTest::newRow("read-only folder") << "locked/s.bwl" << 0 << "the folder cannot be written to";
        QTest::newRow("full disk, small season") << "full:0" << 0 << full;
        QTest::newRow("full disk, large season") << "full:70000" << 100 << full;
        QTest::newRow("full tmpfs, small season") << "tmpfs" << 0 << full;
        QTest::newRow("full tmpfs, large season") << "tmpfs" << 100 << full;
        QTest::newRow("more fixtures than the file holds") << "s.bwl" << 65'536 << "the season is too large for a season file";
    }
    void saveFailures()
    {
        QFETCH(QString, place);
        QFETCH(int, fixtures);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        FakeHost host;
        SeasonPtr season = fixtures > kMaxFixtures ? BuildSeason({0, 1, 1, 1}, host)
                           : fixtures               ? BuildSeason({0, kMaxTeamSize, fixtures, 20}, host)
                                                    : MakeSeason(host);
        QVERIFY(season);
        while (season->fixtures.size() < std::size_t(fixtures))
            season->fixtures.push_back(std::make_unique<Fixture>(*season->fixtures[0]));
        const QString own = dir.filePath(QStringLiteral("own.bwl"));
        season->filePath = own.toStdString();
        season->modified = true;
        season->untitled = false;

        // The old file: as large as the new one, so that only a full disk stops it.
        const Bytes bytes = SeasonToBytes(*season);
        const QByteArray old(qsizetype(bytes.size()), 'o');
        QString folder = dir.path();
        QString target = dir.filePath(place);
        std::unique_ptr<TinyDisk> disk;
        std::unique_ptr<FullDisk> full;
        if (place == QStringLiteral("tmpfs")) {
            disk = std::make_unique<TinyDisk>(dir.filePath(QStringLiteral("disk")));
            if (!disk->mounted)
                QSKIP("cannot mount a tmpfs here");
            folder = disk->path;
            target = disk->path + QStringLiteral("/s.bwl");
        } else if (place.startsWith(QStringLiteral("full:"))) {
            target = dir.filePath(QStringLiteral("s.bwl"));
            full = std::make_unique<FullDisk>(place.mid(5).toLongLong());
        } else if (place.startsWith(QStringLiteral("locked/"))) {
            folder = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        }
        const bool oldExists = !place.startsWith(QStringLiteral("nowhere")) && place != QStringLiteral("sub");
        if (oldExists) {
            QFile f(target); // written past any full disk of the test
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size() && f.flush());
        }
        if (disk)
            disk->Fill();

        bool saved = true;
        if (place.startsWith(QStringLiteral("locked/"))) {
            // The file may be written, its folder not: still nothing is written in place.
            saved = SaveAsOrdinaryUser(folder, target, [&] {
                return SaveSeason(host, *season, true, [&] { return target; });
            });
        } else {
            saved = SaveSeason(host, *season, true, [&] { return target; });
        }
        QVERIFY(!saved);
        // With an old file, the first thing written is its backup.
        if (oldExists && fixtures <= kMaxFixtures)
            reason = QStringLiteral("the backup %1.bak could not be written: %2").arg(QFileInfo(target).fileName(), reason);
        QCOMPARE(host.Texts(), std::vector<std::string>{
                                   FileFailureText("Cannot write file", target, reason)});
        QVERIFY(!QFileInfo::exists(target + QStringLiteral(".bak")));
        QCOMPARE(host.messages[0].title, std::string(kDefaultErrorTitle));
        QCOMPARE(QString::fromStdString(season->filePath), own);
        QVERIFY(season->modified);
        QVERIFY(host.recentFiles.empty());
        QCOMPARE(host.waitDepth, 0);
        if (oldExists)
            QVERIFY(ReadRaw(target) == old);
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString& entry : left)
            QVERIFY2(!entry.contains(QStringLiteral("tessel-save")), qPrintable(entry));
    }

    // The previous content of a saved file is kept as <file>.bak, one
    // generation; when the backup cannot be made, or the new file cannot be
    // written after it, the file and the old backup stay exactly as they were.
    void backupOnSave_data()
    {
        QTest::addColumn<QString>("before"); // the file's old content; "" for none
        QTest::addColumn<QString>("backup"); // what stands at <file>.bak: "", "file", "folder", "link"
        QTest::addColumn<int>("room");       // bytes the disk takes; -1: no limit
        QTest::addColumn<QString>("reason"); // "" when the save succeeds
        QTest::newRow("first save: no backup") << "" << "" << -1 << "";
        QTest::newRow("previous bytes kept") << "old" << "" << -1 << "";
        QTest::newRow("older backup replaced") << "old" << "file" << -1 << "";
        QTest::newRow("a folder in the backup's place") << "old" << "folder" << -1
                                                        << "the backup s.bwl.bak is not a regular file";
        QTest::newRow("a link in the backup's place") << "old" << "link" << -1
                                                      << "the backup s.bwl.bak is not a regular file";
        QTest::newRow("disk full at the backup") << "old" << "file" << 2
                                                 << QStringLiteral("the backup s.bwl.bak could not be written: ") + qt_error_string(ENOSPC);
        QTest::newRow("disk full at the new file") << "old" << "file" << 3 + 10 << qt_error_string(ENOSPC);
    }
    void backupOnSave()
    {
        QFETCH(QString, before);
        QFETCH(QString, backup);
        QFETCH(int, room);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("s.bwl"));
        const QString bak = target + QStringLiteral(".bak");
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        if (!before.isEmpty())
            QVERIFY(WriteRaw(target, before.toLatin1()));
        if (backup == u"file")
            QVERIFY(WriteRaw(bak, "older"));
        if (backup == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("s.bwl.bak")));
        if (backup == u"link")
            QVERIFY(WriteRaw(elsewhere, "linked") && QFile::link(elsewhere, bak));

        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        bool saved = false;
        {
            std::unique_ptr<FullDisk> full;
            if (room >= 0)
                full = std::make_unique<FullDisk>(room);
            saved = SaveSeason(host, *season, true, [&] { return target; });
        }
        QCOMPARE(saved, reason.isEmpty());
        const Bytes bytes = SeasonToBytes(*season);
        const QByteArray now(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        if (saved) {
            QVERIFY(host.Texts().empty());
            QVERIFY(ReadRaw(target) == now);
            QCOMPARE(QFileInfo::exists(bak), !before.isEmpty());
            if (!before.isEmpty())
                QCOMPARE(ReadRaw(bak), before.toLatin1());
            return;
        }
        QCOMPARE(host.Texts(), std::vector<std::string>{FileFailureText("Cannot write file", target, reason)});
        QCOMPARE(ReadRaw(target), before.toLatin1());
        if (backup == u"file")
            QCOMPARE(ReadRaw(bak), QByteArray("older"));
        QCOMPARE(QFileInfo(bak).isDir(), backup == u"folder");
        QCOMPARE(QFileInfo(bak).isSymLink(), backup == u"link");
        if (backup == u"link")
            QCOMPARE(ReadRaw(elsewhere), QByteArray("linked"));
        for (const QString& entry : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(!entry.contains(QStringLiteral("tessel-save")), qPrintable(entry));
    }

    // Saves that a crash cut short leave a temporary file; the next save of the
    // same file removes exactly those, and nothing that merely looks alike.
    void leftoversOfEarlierSaves()
    {
        QTemporaryDir dir;
        const QString prefix = TemporarySavePrefix(QStringLiteral("s.bwl"));
        const QStringList leftovers{prefix + QStringLiteral("a1B2c3"), prefix + QStringLiteral("ZZZZZZ")};
        const QStringList others{prefix + QStringLiteral("a1B2c"), prefix + QStringLiteral("a1B2c3d"),
                                 prefix + QStringLiteral("a1-2c3"), QStringLiteral("s.bwl.a1B2c3"),
                                 TemporarySavePrefix(QStringLiteral("t.bwl")) + QStringLiteral("a1B2c3")};
        for (const QString& name : leftovers + others)
            QVERIFY(WriteRaw(dir.filePath(name), "x"));
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(SaveSeason(host, *season, true, [&] { return dir.filePath(QStringLiteral("s.bwl")); }));
        QStringList expected = others;
        expected << QStringLiteral("s.bwl");
        expected.sort();
        QStringList found = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, expected);
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


    // The real import: a good text file gives an untitled season and joins
    // the recent files.
    void textImportThroughOpen()
    {
        QTemporaryDir dir;
        FakeHost host;
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
        QCOMPARE(host.recentFiles, std::vector<std::string>{PathToSeasonText(good)});
        QCOMPARE(host.waitDepth, 0);
    }
};

TESSEL_TEST(TestSeasonFiles)
#include "tst_SeasonFiles.moc"
