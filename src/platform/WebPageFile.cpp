#include "platform/WebPageFile.h"

#include <QFileInfo>

#include <new>

#include "model/Host.h"
#include "platform/FileIO.h"
#include "render/WebPage.h"

bool ExportWebPage(Host& host, const Season& season, const WebPageOptions& options,
                   const QString& path)
{
    FileWriteResult written;
    {
        WaitCursor wait(host);
        try {
            const std::string page = SeasonWebPage(season, host, options);
            written = WriteFileAtomically(
                path, QByteArrayView(page.data(), static_cast<qsizetype>(page.size())));
        } catch (const std::bad_alloc&) {
            written.reason = QStringLiteral("not enough memory");
        }
    }
    if (!written.ok)
        host.ShowError(FileFailureText("Cannot write file", QFileInfo(path).absoluteFilePath(),
                                       written.reason));
    return written.ok;
}
