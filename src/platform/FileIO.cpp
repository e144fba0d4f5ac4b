#include "platform/FileIO.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

} // namespace

FileReadResult ReadWholeFile(const QString& path, qint64 limit)
{
    FileReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = FileReadStatus::CannotOpen;
        return result;
    }

    if (!file.isSequential()) {
        const qint64 size = file.size();
        if (size > limit) {
            result.status = FileReadStatus::TooLarge;
            return result;
        }
        result.data.reserve(size);
    }

    // Read in chunks rather than trusting size(): the file may change under us
    // and sequential devices report none.
    for (;;) {
        const qint64 room = limit - result.data.size();
        const qint64 want = std::min(kChunkBytes, room + 1); // one more byte reveals excess
        const qsizetype before = result.data.size();
        result.data.resize(before + want);
        const qint64 got = file.read(result.data.data() + before, want);
        if (got < 0) {
            result.data.clear();
            result.status = FileReadStatus::ReadFailed;
            return result;
        }
        result.data.resize(before + got);
        if (result.data.size() > limit) {
            result.data.clear();
            result.status = FileReadStatus::TooLarge;
            return result;
        }
        if (got == 0)
            break;
    }
    result.status = FileReadStatus::Ok;
    return result;
}

bool WriteAll(QIODevice& device, QByteArrayView data)
{
    const char* p = data.data();
    qint64 left = data.size();
    while (left > 0) {
        const qint64 n = device.write(p, std::min(left, kChunkBytes));
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

bool WriteFileAtomically(const QString& path, QByteArrayView data, qint64 writeLimit)
{
    QSaveFile file(path);
    // Never fall back to writing the target in place: that is exactly what
    // could leave a half-written season behind.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    bool ok = true;
    if (writeLimit >= 0 && writeLimit < data.size()) {
        // Write what the limit allows, then fail as a full disk would.
        WriteAll(file, data.first(writeLimit));
        ok = false;
    } else {
        ok = WriteAll(file, data);
    }

    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit(); // flushes, checks every earlier write, then renames
}
