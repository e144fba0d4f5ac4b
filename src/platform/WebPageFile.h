#pragma once

#include <QString>

struct Season;
class Host;
struct WebPageOptions;

// Writes the season's web page to path, atomically: on any failure the user
// is told "Cannot write file" (with the path) and an old file there is left
// as it was. The desktop program's Export web page and tessel-cli's export
// html both come here.
bool ExportWebPage(Host& host, const Season& season, const WebPageOptions& options,
                   const QString& path);
