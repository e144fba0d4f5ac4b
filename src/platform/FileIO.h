#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// No file this program reads whole can honestly be this large (a full season
// is well under a megabyte); anything bigger is refused before it is read, so
// a hostile or mistaken choice (a disk image, a device) cannot exhaust memory.
inline constexpr qint64 kMaxReadBytes = qint64(64) * 1024 * 1024;

enum class FileReadStatus {
    Ok,
    CannotOpen, // missing, not readable, a directory
    ReadFailed, // opened, but reading broke off
    TooLarge,   // more than the limit: cannot be one of our files
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::CannotOpen;
    QByteArray data;
};

// Reads the file whole. Devices without a size (pipes, character devices) are
// read up to the limit and refused past it. May throw std::bad_alloc.
FileReadResult ReadWholeFile(const QString& path, qint64 limit = kMaxReadBytes);

// Writes all of data to device, checking every write; false at the first
// write that falls short.
bool WriteAll(QIODevice& device, QByteArrayView data);

// Replaces the file at path with data, or leaves it untouched: the bytes go to
// a temporary file beside it, which takes the old file's place only when every
// write and the final flush succeeded. A missing file is created; a missing
// directory is a failure.
//
// writeLimit >= 0 makes the device refuse any byte past that many, as a full
// disk would; it exists so that the failure path can be exercised.
bool WriteFileAtomically(const QString& path, QByteArrayView data, qint64 writeLimit = -1);
