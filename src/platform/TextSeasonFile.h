#pragma once

#include <QString>

#include "model/Season.h"

class Host;

// Imports the text season file at path. A file that cannot be opened or read
// (missing, unreadable, not a regular file, too large) gives "Cannot open
// file" with the path and the reason, and stays out of the recent files. A
// file that was read joins the recent files whatever the import made of it.
SeasonPtr ReadTextSeasonFile(Host& host, const QString& path);
