#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/FileIO.h"

namespace {

// Accepts `capacity` bytes, at most `chunk` per call, then fails.
class LimitedDevice : public QIODevice {
public:
    LimitedDevice(qint64 capacity, qint64 chunk) : capacity_(capacity), chunk_(chunk)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = capacity_ - written.size();
        if (room <= 0)
            return -1;
        const qint64 n = std::min({size, room, chunk_});
        written.append(data, n);
        return n;
    }

private:
    qint64 capacity_;
    qint64 chunk_;
};

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

} // namespace

class TestFileIO : public QObject {
    Q_OBJECT

private slots:
    void readWholeFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit"); // 0: the default
        QTest::addColumn<bool>("accepted");
        QTest::newRow("several chunks") << 200'003 << 0 << true;
        QTest::newRow("at the limit") << 1000 << 1000 << true;
        QTest::newRow("one over") << 1001 << 1000 << false;
        QTest::newRow("past a chunk") << 70'000 << 69'999 << false;
    }
    void readWholeFile()
    {
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f"));
        const QByteArray data = Pattern(size);
        QVERIFY(WriteRaw(path, data));
        const FileReadResult r = limit ? ReadWholeFile(path, limit) : ReadWholeFile(path);
        QCOMPARE(r.status, accepted ? FileReadStatus::Ok : FileReadStatus::TooLarge);
        QCOMPARE(r.data, accepted ? data : QByteArray());
    }

    void endlessDeviceIsRefused()
    {
        if (!QFile::exists(QStringLiteral("/dev/zero")))
            QSKIP("no /dev/zero here");
        const FileReadResult r = ReadWholeFile(QStringLiteral("/dev/zero"), 100'000);
        QCOMPARE(r.status, FileReadStatus::TooLarge);
        QVERIFY(r.data.isEmpty());
    }

    void writeAllChecksEveryWrite_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<bool>("ok");
        QTest::newRow("fits") << 100 << 100 << 1000 << true;
        QTest::newRow("fails after N") << 100 << 99 << 1000 << false;
        QTest::newRow("short writes then failure") << 100 << 50 << 7 << false;
        QTest::newRow("beyond one chunk") << 200'000 << 200'000 << 1 << true;
    }
    void writeAllChecksEveryWrite()
    {
        QFETCH(int, size);
        QFETCH(int, capacity);
        QFETCH(int, chunk);
        QFETCH(bool, ok);
        LimitedDevice device(capacity, chunk);
        const QByteArray data = Pattern(size);
        QCOMPARE(WriteAll(device, data), ok);
        if (ok)
            QCOMPARE(device.written, data);
    }

    void failureAfterNBytesKeepsOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("ok");
        QTest::newRow("nothing written") << 1000 << 0 << false;
        QTest::newRow("in the second chunk") << 200'000 << 65'539 << false;
        QTest::newRow("exactly enough") << 1000 << 1000 << true;
    }
    void failureAfterNBytesKeepsOldFile()
    {
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("season.bwl"));
        const QByteArray old("the old season, which must survive");
        QVERIFY(WriteRaw(path, old));
        const QByteArray data = Pattern(size);
        QCOMPARE(WriteFileAtomically(path, data, limit), ok);
        QCOMPARE(ReadRaw(path), ok ? data : old);
        // No temporary file is left behind either way.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("season.bwl")});
    }

    void unwritablePlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing directory") << QStringLiteral("nowhere/x.bwl");
        QTest::newRow("target is a directory") << QStringLiteral("sub");
    }
    void unwritablePlaces()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(!WriteFileAtomically(dir.filePath(name), Pattern(100)));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    void readOnlyPlaces_data()
    {
        QTest::addColumn<bool>("directory"); // else the file itself
        QTest::newRow("read-only directory") << true;
        QTest::newRow("read-only file") << false;
    }
    void readOnlyPlaces()
    {
        QFETCH(bool, directory);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("season.bwl"));
        QVERIFY(WriteRaw(path, "old"));
        const QString locked = directory ? dir.path() : path;
        QFile::setPermissions(locked, QFile::ReadOwner |
                                          (directory ? QFile::ExeOwner : QFile::Permissions()));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner |
                                              (directory ? QFile::ExeOwner : QFile::Permissions()));
        });
        if (QFileInfo(locked).isWritable())
            QSKIP("permissions do not bind this user (running as root?)");
        QVERIFY(!WriteFileAtomically(path, Pattern(100)));
        QCOMPARE(ReadRaw(path), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestFileIO)
#include "tst_FileIO.moc"
