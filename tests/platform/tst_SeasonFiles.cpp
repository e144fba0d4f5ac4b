#include "support/TestRegistry.h"
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>
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

QByteArray Pattern(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 31 + i / 251) & 0xFF);
    return data;
}

bool WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray ReadRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QByteArray Saved(const Season& season)
{
    const Bytes bytes = SeasonToBytes(season);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// No temporary file of a save is left in folder.
bool NoTemporaries(const QString& folder)
{
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (entry.contains(QStringLiteral("tessel-save")))
            return false;
    return true;
}

// Runs save with the folder read-only and the file writable. As root,
// permissions do not bind, so the save runs under an ordinary user's id.
bool SaveAsOrdinaryUser(const QString& folder, const QString& file,
                        const std::function<bool()>& save)
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
    // Reading stops one byte past the limit.
    void readLimits()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f"));
        const struct {
            int size, limit; // limit 0: the default
        } reads[] = {{200'003, 0}, {1000, 1000}, {1001, 1000}, {70'000, 69'999}};
        for (const auto& r : reads) {
            QVERIFY(WriteRaw(path, Pattern(r.size)));
            const bool ok = r.limit == 0 || r.size <= r.limit;
            const FileReadResult got = r.limit ? ReadWholeFile(path, r.limit) : ReadWholeFile(path);
            QCOMPARE(got.status, ok ? FileReadStatus::Ok : FileReadStatus::TooLarge);
            QCOMPARE(got.data, ok ? Pattern(r.size) : QByteArray());
        }
    }

    // The replacement keeps the old file's permissions; a read-only file is
    // not replaced at all.
    void replacementKeepsPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("season.bwl"));
        QVERIFY(WriteRaw(path, "old"));
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, mode));
        QVERIFY(WriteFileAtomically(path, Pattern(100)).ok);
        QCOMPARE(ReadRaw(path), Pattern(100));
        const auto userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFile::permissions(path) & ~userBits, mode);

        QFile::setPermissions(path, QFile::ReadOwner);
        if (QFileInfo(path).isWritable())
            QSKIP("permissions do not bind this user (running as root?)");
        const FileWriteResult r = WriteFileAtomically(path, "new");
        QVERIFY(!r.ok);
        QCOMPARE(r.reason, qt_error_string(EACCES));
        QCOMPARE(ReadRaw(path), Pattern(100));
    }

    // Every way a file can fail to open, binary and text alike: each answers
    // at once with the message, the path and the reason, and nothing blocks.
    void openFailures_data()
    {
        QTest::addColumn<QString>("name"); // in the test's folder, or absolute
        QTest::addColumn<QString>("kind"); // none, file (sparse, size long), letter, folder, fifo
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("text");   // the first line
        QTest::addColumn<QString>("reason"); // after the path; "-": no second line
        QTest::addColumn<bool>("listed");    // joins the recent files
        const QString open = QStringLiteral("Cannot open file"),
                      bad = QStringLiteral("Invalid file");
        const QString missing = qt_error_string(ENOENT), folder = qt_error_string(EISDIR);
        const QString special = QStringLiteral("not a regular file");
        const QString tooLarge = QStringLiteral("the file is too large");
        const auto row = [](const char* tag, const char* name, const char* kind, qint64 size,
                            const QString& text, const QString& reason, bool listed = false) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(kind) << size
                               << text << reason << listed;
        };
        row("missing", "missing.bwl", "none", 0, open, missing);
        row("folder", "sub.bwl", "folder", 0, open, folder);
        row("FIFO", "pipe.bwl", "fifo", 0, open, special);
        row("endless device", "/dev/zero", "none", 0, open, special);
        row("too short", "short.bwl", "file", 151, bad, QString());
        row("not a season", "notes.bwl", "letter", 0, bad, QString());
        // Larger than any season the format can describe: refused unread.
        row("huge", "huge.bwl", "file", qint64(kLargestSeasonFileBytes + 1), bad, tooLarge);
        row("missing text", "missing.BWT", "none", 0, open, missing);
        row("text folder", "sub.bwt", "folder", 0, open, folder);
        row("text FIFO", "pipe.bwt", "fifo", 0, open, special);
        row("text too large", "big.bwt", "file", kMaxReadBytes + 1, open, tooLarge);
        // Read, but wrong inside: listed, so that the corrected file is one click away.
        row("empty text", "EMPTY.BWT", "file", 0, QStringLiteral("Cannot find Club section"),
            QStringLiteral("-"), true);
    }
    void openFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFETCH(bool, listed);
        QTemporaryDir dir;
        const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
        if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(name));
        if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == u"letter")
            QVERIFY(WriteRaw(path, "Dear secretary, ..."));
        if (kind == u"file") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(size));
        }
        FakeHost host;
        QVERIFY(!OpenSeasonPath(host, path, false));
        QCOMPARE(host.messages.size(), std::size_t(1));
        if (reason != u"-")
            text += u'\n' + path + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
        QCOMPARE(QString::fromStdString(host.messages[0].text), text);
        QCOMPARE(host.messages[0].title,
                 std::string(reason == u"-" ? "Data error" : kDefaultErrorTitle));
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
        QTest::newRow("non-ASCII path")
            << QStringLiteral("\u00C4rger \u20AC \u03A9.bwl") << false << 0;
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
        SeasonPtr season =
            fixtures ? BuildSeason({0, kMaxTeamSize, fixtures, 2}, host) : MakeSeason(host);
        season->modified = season->untitled = true;
        QVERIFY(SaveSeason(host, *season, false, [&] { return path; }));
        QCOMPARE(host.recentFiles, std::vector<std::string>{season->filePath});
        QVERIFY(host.messages.empty());
        QVERIFY(host.waitDepth == 0 && host.waitCalls > 0);
        QCOMPARE(ReadRaw(path), Saved(*season));

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

    // Which saves ask for a path, and what a cancelled one leaves (nothing).
    void chooser_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("titled, save") << false << false << false << false;
        QTest::newRow("untitled") << true << false << false << false;
        QTest::newRow("read-only") << false << true << false << false;
        QTest::newRow("save as") << false << false << true << false;
        QTest::newRow("untitled, cancelled") << true << false << false << true;
        QTest::newRow("save as, cancelled") << false << false << true << true;
    }
    void chooser()
    {
        QFETCH(bool, untitled);
        QFETCH(bool, readOnly);
        QFETCH(bool, saveAs);
        QFETCH(bool, cancel);
        const bool asks = untitled || readOnly || saveAs;
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
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), cancel ? 0 : 1);
        QCOMPARE(host.recentFiles.size(), std::size_t(cancel ? 0 : 1));
        if (cancel)
            QCOMPARE(host.waitCalls, 0);
    }

    // Saving over an old file keeps its bytes as <file>.bak (one generation).
    // Every way a save can fail: the user is told where and why, the file and
    // an older backup stay exactly as they were, no temporary file is left,
    // and the season keeps its own path (a failed Save As adopts nothing).
    void saveOverAnOldFile_data()
    {
        QTest::addColumn<QString>("place");  // where the file goes
        QTest::addColumn<bool>("old");       // an old file, as large as the new, stands there
        QTest::addColumn<QString>("backup"); // what stands at <file>.bak: "", file, folder, link
        QTest::addColumn<QString>("full");   // the disk fills: "", at the start, in the
                                             // backup or in the new file
        QTest::addColumn<int>("fixtures");   // of 30 positions; 0: the small season
        QTest::addColumn<QString>("reason"); // "" when the save succeeds
        const QString full = qt_error_string(ENOSPC);
        const QString bak = QStringLiteral("the backup s.bwl.bak could not be written: ") + full;
        const QString notRegular = QStringLiteral("the backup s.bwl.bak is not a regular file");
        const auto row = [](const char* tag, const char* place, bool old, const char* backup,
                            const char* fills, int fixtures, const QString& reason) {
            QTest::newRow(tag) << QString::fromLatin1(place) << old << QString::fromLatin1(backup)
                               << QString::fromLatin1(fills) << fixtures << reason;
        };
        row("first save: no backup", "s.bwl", false, "", "", 0, {});
        row("previous bytes kept", "s.bwl", true, "", "", 0, {});
        row("older backup replaced", "s.bwl", true, "file", "", 0, {});
        row("missing folder", "nowhere/s.bwl", false, "", "", 0, qt_error_string(ENOENT));
        row("a folder", "s.bwl", false, "", "", 0, qt_error_string(EISDIR));
        row("read-only folder", "locked/s.bwl", true, "", "", 0,
            QStringLiteral(
                "the backup s.bwl.bak could not be written: the folder cannot be written to"));
        row("a folder in the backup's place", "s.bwl", true, "folder", "", 0, notRegular);
        row("a link in the backup's place", "s.bwl", true, "link", "", 0, notRegular);
        row("full at the start", "s.bwl", true, "", "start", 0, bak);
        row("full in the backup", "s.bwl", true, "file", "backup", 0, bak);
        row("full in the backup, large season", "s.bwl", true, "", "backup", 100, bak);
        row("full in the new file", "s.bwl", true, "file", "new", 0, full);
        row("more fixtures than the file holds", "s.bwl", true, "", "", 65'536,
            QStringLiteral("the season is too large for a season file"));
    }
    void saveOverAnOldFile()
    {
        QFETCH(QString, place);
        QFETCH(bool, old);
        QFETCH(QString, backup);
        QFETCH(QString, full);
        QFETCH(int, fixtures);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FakeHost host;
        SeasonPtr season = fixtures > kMaxFixtures ? BuildSeason({0, 1, 1, 1}, host)
                           : fixtures ? BuildSeason({0, kMaxTeamSize, fixtures, 20}, host)
                                      : MakeSeason(host);
        while (season->fixtures.size() < std::size_t(fixtures))
            season->fixtures.push_back(std::make_unique<Fixture>(*season->fixtures[0]));
        const QString own = dir.filePath(QStringLiteral("own.bwl"));
        season->filePath = own.toStdString();
        season->untitled = false;
        season->modified = true;
        const QByteArray now = Saved(*season);
        const QByteArray before(std::max<qsizetype>(now.size(), 1), 'o');

        QString folder = dir.path();
        if (place.contains(u'/'))
            folder = dir.filePath(place.section(u'/', 0, 0));
        if (place.startsWith(u"locked"))
            QVERIFY(QDir().mkdir(folder));
        const QString target = folder + QStringLiteral("/s.bwl");
        const QString bak = target + QStringLiteral(".bak");
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        if (old)
            QVERIFY(WriteRaw(target, before));
        else if (reason == qt_error_string(EISDIR))
            QVERIFY(QDir().mkdir(target));
        if (backup == u"file")
            QVERIFY(WriteRaw(bak, "older"));
        if (backup == u"folder")
            QVERIFY(QDir().mkdir(bak));
        if (backup == u"link")
            QVERIFY(WriteRaw(elsewhere, "linked") && QFile::link(elsewhere, bak));

        const auto save = [&] { return SaveSeason(host, *season, true, [&] { return target; }); };
        bool saved = false;
        if (place.startsWith(u"locked")) {
            // The file may be written, its folder not: still nothing is written in place.
            saved = SaveAsOrdinaryUser(folder, target, save);
        } else {
            const qsizetype room = full == u"start"    ? 0
                                   : full == u"backup" ? before.size() / 2
                                   : full == u"new"    ? before.size() + now.size() / 2
                                                       : qsizetype(1) << 40;
            const FullDisk disk(room);
            saved = save();
        }
        QCOMPARE(saved, reason.isEmpty());
        QCOMPARE(host.waitDepth, 0);
        QVERIFY(NoTemporaries(folder));
        if (saved) {
            QVERIFY(host.messages.empty());
            QVERIFY(ReadRaw(target) == now);
            QCOMPARE(ReadRaw(bak), old ? before : QByteArray("<unreadable>"));
            QCOMPARE(host.recentFiles, std::vector<std::string>{target.toStdString()});
            QCOMPARE(QString::fromStdString(season->filePath), target);
            return;
        }
        QCOMPARE(host.Texts(),
                 std::vector<std::string>{FileFailureText("Cannot write file", target, reason)});
        QCOMPARE(host.messages[0].title, std::string(kDefaultErrorTitle));
        QCOMPARE(QString::fromStdString(season->filePath), own);
        QVERIFY(season->modified);
        QVERIFY(host.recentFiles.empty());
        if (old)
            QVERIFY(ReadRaw(target) == before);
        QCOMPARE(QFileInfo::exists(bak), !backup.isEmpty());
        if (backup == u"file")
            QCOMPARE(ReadRaw(bak), QByteArray("older"));
        QCOMPARE(QFileInfo(bak).isDir(), backup == u"folder");
        QCOMPARE(QFileInfo(bak).isSymLink(), backup == u"link");
        if (backup == u"link")
            QCOMPARE(ReadRaw(elsewhere), QByteArray("linked"));
    }

    // Saves that a crash cut short leave a temporary file; the next save of the
    // same file removes exactly those, and nothing that merely looks alike.
    void leftoversOfEarlierSaves()
    {
        QTemporaryDir dir;
        const QString prefix = TemporarySavePrefix(QStringLiteral("s.bwl"));
        QStringList others{prefix + QStringLiteral("a1B2c"), prefix + QStringLiteral("a1B2c3d"),
                           prefix + QStringLiteral("a1-2c3"), QStringLiteral("s.bwl.a1B2c3"),
                           TemporarySavePrefix(QStringLiteral("t.bwl")) + QStringLiteral("a1B2c3")};
        for (const QString& name : others + QStringList{prefix + QStringLiteral("a1B2c3"),
                                                        prefix + QStringLiteral("ZZZZZZ")})
            QVERIFY(WriteRaw(dir.filePath(name), "x"));
        FakeHost host;
        SeasonPtr season = MakeSeason(host);
        QVERIFY(
            SaveSeason(host, *season, true, [&] { return dir.filePath(QStringLiteral("s.bwl")); }));
        others << QStringLiteral("s.bwl");
        others.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), others);
    }
};

TESSEL_TEST(TestSeasonFiles)
#include "tst_SeasonFiles.moc"
