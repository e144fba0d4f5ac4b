#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

class QIODevice;

// No file this program reads whole can honestly be this large (a full season
// is well under a megabyte); anything bigger is refused before it is read, so
// a hostile or mistaken choice (a disk image) cannot exhaust memory.
inline constexpr qint64 kMaxReadBytes = qint64(64) * 1024 * 1024;

enum class FileReadStatus {
    Ok,
    CannotOpen, // missing, not readable, not a regular file
    ReadFailed, // opened, but reading broke off
    TooLarge,   // more than the limit: cannot be one of our files
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::CannotOpen;
    QByteArray data;
    QString reason; // why it failed, in the system's words where it gave any
};

// Reads the file whole. Only regular files are read: a FIFO, a device or a
// directory is refused before anything could block on it. May throw
// std::bad_alloc.
FileReadResult ReadWholeFile(const QString& path, qint64 limit = kMaxReadBytes);

// Writes all of data to device, checking every write; false at the first
// write that falls short.
bool WriteAll(QIODevice& device, QByteArrayView data);

struct FileWriteResult {
    bool ok = false;
    QString reason; // empty on success
};

// Replaces the file at path with data, or leaves it exactly as it was.
//
// The bytes go to a new file beside the target, named by TemporarySaveName,
// every write checked to the last byte and flushed to the disk; only then is
// it renamed over the target. Nothing is ever written into the target itself.
// A missing target is created; an existing one keeps its permissions; a
// read-only one is not replaced. After a successful save, temporary files of
// earlier saves of the same target that a crash left behind are removed.
FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView data);

// The two halves of WriteFileAtomically, for saves that replace more than one
// file: Stage writes the bytes beside the target with every check above (the
// new file takes the permissions of permissionsOf when that is given, else
// those of the file it replaces); Commit renames it into place. A staged file
// that is never committed is removed again.
class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    FileWriteResult Stage(const QString& path, QByteArrayView data,
                          const QString& permissionsOf = {});
    FileWriteResult Commit();

private:
    QString target_;
    QString temporary_;
};

// "<path>.bak": where the previous content of a saved file is kept.
QString BackupPath(const QString& path);

// WriteFileAtomically, keeping what the file held before in BackupPath(path)
// (one generation, itself replaced atomically). The backup and the new file
// are both written in full before either is renamed into place; when the
// backup cannot be made, or its name is taken by anything but a regular file,
// nothing is changed and the reason says so. A file that does not exist yet
// gets no backup.
FileWriteResult ReplaceFileKeepingBackup(const QString& path, QByteArrayView data);

// ".<file name>.tessel-save-" followed by six letters or digits: a name no
// other program makes, so leftovers can be recognised and removed safely.
// The file name is shortened when the whole would not fit a directory entry.
QString TemporarySavePrefix(const QString& fileName);
bool IsTemporarySaveName(const QString& candidate, const QString& fileName);

// The text of a failed file operation: first the fixed message, then a line
// with the path and, when there is one, the reason.
std::string FileFailureText(std::string_view message, const QString& path, const QString& reason);

// The lowest level of every write the program makes to a file, replaceable so
// that tests can make it fail as a full disk does. Same contract as POSIX
// write(2); null restores the real one.
using RawWriteFunction = long (*)(int fd, const void* data, std::size_t size);
void SetRawWriteFunction(RawWriteFunction function);
