#include "platform/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kChunkBytes = qint64{64} * 1024;
constexpr int kRandomLetters = 6;
constexpr qsizetype kLongestEntryBytes = 255; // a directory entry, on every file system we meet

const QLatin1String kTemporaryMarker(".tessel-save-");

QString SystemReason(int error)
{
    return qt_error_string(error);
}

long RealWrite(int fd, const void* data, std::size_t size)
{
#ifdef Q_OS_UNIX
    return static_cast<long>(::write(fd, data, size));
#else
    Q_UNUSED(fd);
    Q_UNUSED(data);
    Q_UNUSED(size);
    errno = ENOSYS;
    return -1;
#endif
}

RawWriteFunction gRawWrite = RealWrite;

std::filesystem::path NativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool IsFolderRefusal(int error)
{
    return error == EACCES || error == EPERM;
}

} // namespace

void SetRawWriteFunction(RawWriteFunction function)
{
    gRawWrite = function ? function : RealWrite;
}

std::string FileFailureText(std::string_view message, const QString& path, const QString& reason)
{
    QString second = QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        second += QStringLiteral(": ") + reason;
    std::string text(message);
    text += '\n';
    text += second.toUtf8().toStdString();
    return text;
}

// ---------------------------------------------------------------- reading

namespace {

// Opens path for reading only when it is a regular file. The check is made on
// the opened handle, and the open itself cannot block, so a FIFO put in the
// file's place between a look and the open cannot hang the program.
bool OpenRegularFile(QFile& file, const QString& path, QString& reason)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = SystemReason(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason =
            S_ISDIR(info.st_mode) ? SystemReason(EISDIR) : QStringLiteral("not a regular file");
        ::close(fd);
        return false;
    }
    // Regular files never block; clearing the flag keeps reads ordinary.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        reason =
            info.isDir() ? QStringLiteral("it is a folder") : QStringLiteral("not a regular file");
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    return true;
#endif
}

} // namespace

FileReadResult ReadWholeFile(const QString& path, qint64 limit)
{
    FileReadResult result;
    QFile file;
    if (!OpenRegularFile(file, path, result.reason)) {
        result.status = FileReadStatus::CannotOpen;
        return result;
    }
    const qint64 size = file.size();
    if (size > limit) {
        result.status = FileReadStatus::TooLarge;
        result.reason = QStringLiteral("the file is too large");
        return result;
    }
    result.data.reserve(size);

    // Read in chunks rather than trusting size(): the file may change under us.
    for (;;) {
        const qint64 room = limit - result.data.size();
        const qint64 want = std::min(kChunkBytes, room + 1); // one more byte reveals excess
        const qsizetype before = result.data.size();
        result.data.resize(before + want);
        const qint64 got = file.read(result.data.data() + before, want);
        if (got < 0) {
            result.data.clear();
            result.status = FileReadStatus::ReadFailed;
            result.reason = file.errorString();
            return result;
        }
        result.data.resize(before + got);
        if (result.data.size() > limit) {
            result.data.clear();
            result.status = FileReadStatus::TooLarge;
            result.reason = QStringLiteral("the file is too large");
            return result;
        }
        if (got == 0)
            break;
    }
    result.status = FileReadStatus::Ok;
    return result;
}

// ---------------------------------------------------------------- writing

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

QString TemporarySavePrefix(const QString& fileName)
{
    QString name = fileName;
    const qsizetype extra = 1 + kTemporaryMarker.size() + kRandomLetters;
    while (!name.isEmpty() && QFile::encodeName(name).size() + extra > kLongestEntryBytes)
        name.chop(1);
    return QLatin1Char('.') + name + kTemporaryMarker;
}

bool IsTemporarySaveName(const QString& candidate, const QString& fileName)
{
    const QString prefix = TemporarySavePrefix(fileName);
    if (candidate.size() != prefix.size() + kRandomLetters || !candidate.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < candidate.size(); ++i) {
        const char16_t c = candidate.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

namespace {

QString RandomLetters()
{
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString s;
    for (int i = 0; i < kRandomLetters; ++i)
        s += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return s;
}

// Leftovers of saves that a crash or a power cut interrupted.
void RemoveLeftovers(const QFileInfo& target)
{
    QDir dir = target.absoluteDir();
    const QString name = target.fileName();
    const QStringList entries =
        dir.entryList(QStringList{TemporarySavePrefix(name) + QLatin1Char('*')},
                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (IsTemporarySaveName(entry, name))
            QFile::remove(dir.filePath(entry));
    }
}

// The renamed entry lives in the directory: it is on the disk only when the
// directory is. A failure here changes nothing for the user, so it is not one.
void SyncDirectory(const QString& directory)
{
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(directory);
#endif
}

#ifdef Q_OS_UNIX

// Creates the temporary file beside the target, writes, flushes and closes
// it, every call checked. On failure the temporary file is gone again.
bool WriteTemporary(const QString& tempPath, QByteArrayView data, const struct stat* old,
                    QString& reason, bool& nameTaken)
{
    nameTaken = false;
    const QByteArray native = QFile::encodeName(tempPath);
    const int fd =
        ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        const int error = errno;
        nameTaken = error == EEXIST;
        reason = IsFolderRefusal(error) ? QStringLiteral("the folder cannot be written to")
                                        : SystemReason(error);
        return false;
    }
    auto fail = [&](int error) {
        reason = SystemReason(error);
        ::close(fd);
        ::unlink(native.constData());
        return false;
    };
    if (old != nullptr) {
        // The replacement keeps what the old file's owner allowed.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only the owner's own id can be kept; that is no reason to fail.
        }
        if (::fchmod(fd, old->st_mode & 07777) != 0)
            return fail(errno);
    }
    const char* p = data.data();
    std::size_t left = static_cast<std::size_t>(data.size());
    while (left > 0) {
        const long n = gRawWrite(fd, p, std::min<std::size_t>(left, kChunkBytes));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n == 0 ? ENOSPC : errno);
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        // Some file systems report a full disk only now.
        reason = SystemReason(errno);
        ::unlink(native.constData());
        return false;
    }
    return true;
}

#else

bool WriteTemporary(const QString& tempPath, QByteArrayView data, const void*, QString& reason,
                    bool& nameTaken)
{
    QFile file(tempPath);
    nameTaken = false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        nameTaken = QFileInfo::exists(tempPath);
        reason = file.errorString();
        return false;
    }
    if (!WriteAll(file, data) || !file.flush()) {
        reason = file.errorString();
        file.close();
        file.remove();
        return false;
    }
    file.close();
    return true;
}

#endif

} // namespace

StagedFile::~StagedFile()
{
    if (!temporary_.isEmpty())
        QFile::remove(temporary_);
}

FileWriteResult StagedFile::Stage(const QString& path, QByteArrayView data,
                                  const QString& permissionsOf)
{
    FileWriteResult result;
    const QFileInfo target(path);
    const QString directory = target.absolutePath();
    const QString name = target.fileName();
    if (name.isEmpty()) {
        result.reason = SystemReason(EISDIR);
        return result;
    }
    if (!QFileInfo(directory).isDir()) {
        result.reason = SystemReason(ENOENT);
        return result;
    }

#ifdef Q_OS_UNIX
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        result.reason = SystemReason(EISDIR);
        return result;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        result.reason = QStringLiteral("not a regular file");
        return result;
    }
    // A file its owner made read-only is not replaced behind the owner's back.
    if (exists && ::faccessat(AT_FDCWD, QFile::encodeName(target.absoluteFilePath()).constData(),
                              W_OK, AT_EACCESS) != 0) {
        result.reason = SystemReason(errno);
        return result;
    }
    struct stat model {};
    const struct stat* keep = exists ? &old : nullptr;
    if (!permissionsOf.isEmpty() &&
        ::stat(QFile::encodeName(permissionsOf).constData(), &model) == 0)
        keep = &model;
#else
    Q_UNUSED(permissionsOf);
    if (target.isDir()) {
        result.reason = QStringLiteral("it is a folder");
        return result;
    }
    if (target.exists() && !target.isWritable()) {
        result.reason = QStringLiteral("the file is read-only");
        return result;
    }
    const void* keep = nullptr;
#endif

    const QString prefix = QDir(directory).filePath(TemporarySavePrefix(name));
    QString tempPath;
    bool written = false;
    for (int attempt = 0; attempt < 100 && !written; ++attempt) {
        tempPath = prefix + RandomLetters();
        bool nameTaken = false;
        written = WriteTemporary(tempPath, data, keep, result.reason, nameTaken);
        if (!written && !nameTaken)
            return result;
    }
    if (!written)
        return result;
    target_ = target.absoluteFilePath();
    temporary_ = tempPath;
    result.ok = true;
    result.reason.clear();
    return result;
}

FileWriteResult StagedFile::Commit()
{
    FileWriteResult result;
    if (temporary_.isEmpty()) {
        result.reason = QStringLiteral("nothing was written");
        return result;
    }
    std::error_code error;
    std::filesystem::rename(NativePath(temporary_), NativePath(target_), error);
    if (error) {
        result.reason = QString::fromStdString(error.message());
        return result; // the destructor removes the temporary file
    }
    temporary_.clear();
    const QFileInfo target(target_);
    SyncDirectory(target.absolutePath());
    RemoveLeftovers(target);
    result.ok = true;
    return result;
}

FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView data)
{
    StagedFile staged;
    const FileWriteResult result = staged.Stage(path, data);
    return result.ok ? staged.Commit() : result;
}

QString BackupPath(const QString& path)
{
    return path + QStringLiteral(".bak");
}

FileWriteResult ReplaceFileKeepingBackup(const QString& path, QByteArrayView data)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QString backup = BackupPath(target);
    const QString backupName = QFileInfo(backup).fileName();
    FileWriteResult result;
#ifdef Q_OS_UNIX
    struct stat entry {};
    // Only a file's content is kept; with nothing there yet, or a folder,
    // there is nothing to keep, and the write itself says what is wrong.
    if (::stat(QFile::encodeName(target).constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return WriteFileAtomically(target, data);
    // A link, folder, pipe or device in the backup's place is not ours to replace.
    const bool backupIsOdd =
        ::lstat(QFile::encodeName(backup).constData(), &entry) == 0 && !S_ISREG(entry.st_mode);
#else
    if (!QFileInfo(target).isFile())
        return WriteFileAtomically(target, data);
    const QFileInfo backupInfo(backup);
    const bool backupIsOdd =
        backupInfo.isSymLink() || (backupInfo.exists() && !backupInfo.isFile());
#endif
    if (backupIsOdd) {
        result.reason = QStringLiteral("the backup %1 is not a regular file").arg(backupName);
        return result;
    }

    // Both files are written in full before either takes its place, so a
    // failure of either leaves the old file and the old backup as they were.
    const FileReadResult previous = ReadWholeFile(target);
    if (previous.status != FileReadStatus::Ok) {
        result.reason =
            QStringLiteral("the backup %1 could not be made: %2").arg(backupName, previous.reason);
        return result;
    }
    StagedFile stagedBackup;
    result = stagedBackup.Stage(backup, previous.data, target);
    if (!result.ok) {
        result.reason =
            QStringLiteral("the backup %1 could not be written: %2").arg(backupName, result.reason);
        return result;
    }
    StagedFile stagedFile;
    result = stagedFile.Stage(target, data);
    if (!result.ok)
        return result;
    result = stagedBackup.Commit();
    if (!result.ok) {
        result.reason =
            QStringLiteral("the backup %1 could not be written: %2").arg(backupName, result.reason);
        return result;
    }
    return stagedFile.Commit();
}
