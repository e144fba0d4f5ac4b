#pragma once

#include <QString>

#include "model/Season.h"

class Host;

// Imports the text season file at path. A file that cannot be read gives null
// without a message (as a file without a Club section does); whatever the
// outcome, the path joins the recent files.
SeasonPtr ReadTextSeasonFile(Host& host, const QString& path);
