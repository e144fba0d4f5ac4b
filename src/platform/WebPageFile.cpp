#include "platform/WebPageFile.h"

#include <new>

#include "model/Host.h"
#include "platform/FileIO.h"
#include "render/WebPage.h"

bool ExportWebPage(Host& host, const Season& season, const WebPageOptions& options, const QString& path)
{
    bool written = false;
    {
        WaitCursor wait(host);
        try {
            const std::string page = SeasonWebPage(season, host, options);
            written = WriteFileAtomically(path, QByteArrayView(page.data(), static_cast<qsizetype>(page.size())));
        } catch (const std::bad_alloc&) {
            written = false;
        }
    }
    if (!written)
        host.ShowError("Cannot write file\n" + path.toStdString());
    return written;
}
