#include "platform/SeasonFiles.h"
#include "platform/TextSeasonFile.h"

#include <QFileInfo>

#include <new>

#include "files/BinaryFormat.h"
#include "model/Host.h"
#include "model/Text.h"
#include "platform/FileIO.h"

std::string PathToSeasonText(const QString& path)
{
    return path.toUtf8().toStdString();
}

QString SeasonPathToQString(const std::string& filePath)
{
    return QString::fromUtf8(filePath.data(), static_cast<qsizetype>(filePath.size()));
}

bool IsTextSeasonPath(const QString& path)
{
    // Fold ASCII letters only: Unicode folding would let other characters
    // pass for these.
    static constexpr char16_t kSuffix[] = u".bwt";
    constexpr qsizetype n = 4;
    if (path.size() < n)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = path.at(path.size() - n + i).unicode();
        if (c >= 0x80 || FoldAscii(static_cast<char>(c)) != static_cast<char>(kSuffix[i]))
            return false;
    }
    return true;
}

namespace {

// Relative paths (from the command line) would mean something else once the
// working directory changed; the recent-files list outlives it.
QString AbsolutePath(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

void ShowOutOfMemory(Host& host)
{
    host.ShowOutOfMemory();
}

} // namespace

SeasonPtr OpenSeasonPath(Host& host, const QString& path, bool readOnly,
                         const TextSeasonReader& readText)
{
    // Text season files are imported, not read here.
    if (IsTextSeasonPath(path))
        return readText ? readText(host, path) : ReadTextSeasonFile(host, path);

    const QString absolute = AbsolutePath(path);
    try {
        FileReadResult file;
        {
            WaitCursor wait(host);
            file = ReadWholeFile(path, static_cast<qint64>(kLargestSeasonFileBytes));
        }
        switch (file.status) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::CannotOpen:
        case FileReadStatus::ReadFailed:
            host.ShowError(FileFailureText("Cannot open file", absolute, file.reason));
            return nullptr;
        case FileReadStatus::TooLarge:
            // Larger than any season the format can hold.
            host.ShowError(FileFailureText("Invalid file", absolute, file.reason));
            return nullptr;
        }

        SeasonPtr season;
        ReadStatus status = ReadStatus::Invalid;
        {
            WaitCursor wait(host);
            status = SeasonFromBytes(reinterpret_cast<const std::uint8_t*>(file.data.constData()),
                                     static_cast<std::size_t>(file.data.size()), host, season);
        }
        file.data = QByteArray();
        if (status == ReadStatus::OutOfMemory)
            return nullptr; // already reported by the reader
        if (status != ReadStatus::Ok || !season) {
            host.ShowError(FileFailureText("Invalid file", absolute, QString()));
            return nullptr;
        }
        season->filePath = PathToSeasonText(absolute);
        season->readOnly = readOnly;
        return season;
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(host);
        return nullptr;
    }
}

bool SaveSeason(Host& host, Season& season, bool saveAs,
                const std::function<QString()>& chooseSaveFile)
{
    QString path;
    if (season.untitled || saveAs || season.readOnly) {
        if (chooseSaveFile)
            path = chooseSaveFile();
        if (path.isEmpty())
            return false;
        path = AbsolutePath(path);
    } else {
        path = SeasonPathToQString(season.filePath);
        if (path.isEmpty())
            return false;
    }

    FileWriteResult written;
    {
        WaitCursor wait(host);
        if (!SeasonFitsFile(season)) {
            written.reason = QStringLiteral("the season is too large for a season file");
        } else {
            try {
                const Bytes bytes = SeasonToBytes(season);
                written = ReplaceFileKeepingBackup(
                    path, QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(bytes.size())));
            } catch (const std::bad_alloc&) {
                written.reason = QStringLiteral("not enough memory");
            }
        }
    }
    if (!written.ok) {
        host.ShowError(FileFailureText("Cannot write file", path, written.reason));
        return false;
    }

    // Only a file that now holds the season becomes the season's file.
    season.filePath = PathToSeasonText(path);
    host.AddRecentFile(season.filePath);
    season.modified = false;
    season.untitled = false;
    return true;
}

bool WriteOutputFile(Host& host, const QString& path, QByteArrayView data)
{
    const FileWriteResult written = WriteFileAtomically(path, data);
    if (!written.ok)
        host.ShowError(FileFailureText("Cannot write file", AbsolutePath(path), written.reason));
    return written.ok;
}
