#include "platform/TextSeasonFile.h"

#include <new>

#include "files/TextImport.h"
#include "model/Host.h"
#include "platform/FileIO.h"
#include "platform/SeasonFiles.h"

SeasonPtr ReadTextSeasonFile(Host& host, const QString& path)
{
    SeasonPtr season;
    try {
        const FileReadResult file = ReadWholeFile(path);
        if (file.status == FileReadStatus::Ok)
            season = ImportTextSeason(reinterpret_cast<const std::uint8_t*>(file.data.constData()),
                                      static_cast<std::size_t>(file.data.size()), host);
    } catch (const std::bad_alloc&) {
        season.reset();
        host.ShowMessage("Cannot allocate memory", "Memory error", MessageIcon::Exclamation);
    }
    host.AddRecentFile(PathToSeasonText(path));
    return season;
}
