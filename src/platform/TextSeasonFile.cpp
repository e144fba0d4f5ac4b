#include "platform/TextSeasonFile.h"

#include <QFileInfo>

#include <new>

#include "files/TextImport.h"
#include "model/Host.h"
#include "platform/FileIO.h"
#include "platform/SeasonFiles.h"

SeasonPtr ReadTextSeasonFile(Host& host, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    SeasonPtr season;
    try {
        FileReadResult file;
        {
            WaitCursor wait(host);
            file = ReadWholeFile(path);
        }
        if (file.status != FileReadStatus::Ok) {
            // Nothing was read: there is nothing to correct and reopen, so the
            // path stays out of the recent files.
            host.ShowError(FileFailureText("Cannot open file", absolute, file.reason));
            return nullptr;
        }
        season = ImportTextSeason(reinterpret_cast<const std::uint8_t*>(file.data.constData()),
                                  static_cast<std::size_t>(file.data.size()), host);
    } catch (const std::bad_alloc&) {
        season.reset();
        host.ShowOutOfMemory();
    }
    // Listed even when the contents failed, so that the corrected file is one
    // click away.
    host.AddRecentFile(PathToSeasonText(absolute));
    return season;
}
