#include "support/TestRegistry.h"
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

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
    }

    void readOnlyFileIsNotReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("season.bwl"));
        QVERIFY(WriteRaw(path, "old"));
        QFile::setPermissions(path, QFile::ReadOwner);
        if (QFileInfo(path).isWritable())
            QSKIP("permissions do not bind this user (running as root?)");
        const FileWriteResult r = WriteFileAtomically(path, Pattern(100));
        QVERIFY(!r.ok);
        QCOMPARE(r.reason, qt_error_string(EACCES));
        QCOMPARE(ReadRaw(path), QByteArray("old"));
    }
};

TESSEL_TEST(TestFileIO)
#include "tst_FileIO.moc"
