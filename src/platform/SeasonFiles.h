#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

#include "model/Season.h"

class Host;

// Season::filePath holds the path as UTF-8, whole and absolute: it only ever
// serves messages (which are UTF-8), the recent-files list and saving again,
// and UTF-8 gives back exactly the path that was chosen, whatever characters
// it holds.
std::string PathToSeasonText(const QString& path);
QString SeasonPathToQString(const std::string& filePath);

// Whether the name ends in ".bwt" in any ASCII case: a text season file.
bool IsTextSeasonPath(const QString& path);

// Reads a text season file (the importer lives elsewhere). Returns the season
// or null, having told the user why.
using TextSeasonReader = std::function<SeasonPtr(Host& host, const QString& path)>;

// Opens the season file at path. A text season file goes to readText when one
// is given, else to the text import (ReadTextSeasonFile).
// Only regular files are opened, and never with a wait: a FIFO or a device is
// "Cannot open file". Failures are reported through host ("Cannot open file",
// "Invalid file" with the path and the reason on a second line, the
// allocation message) and give null. The wait cursor is shown while the file
// is read and decoded.
SeasonPtr OpenSeasonPath(Host& host, const QString& path, bool readOnly,
                         const TextSeasonReader& readText = {});

// Saves the season. An untitled or read-only season, or saveAs, asks
// chooseSaveFile for a path (empty: cancelled, false). The file is replaced
// atomically: on any failure the user is told "Cannot write file" with the
// path and the reason, the old file is untouched, the season keeps its path
// and stays modified, and the result is false. On success the chosen path
// becomes the season's, joins the recent files, and modified and untitled are
// cleared.
bool SaveSeason(Host& host, Season& season, bool saveAs,
                const std::function<QString()>& chooseSaveFile);

// Writes an output file (a printout, a picture, a page) atomically; on failure
// tells the user "Cannot write file" with the path and the reason, and the
// old file is untouched.
bool WriteOutputFile(Host& host, const QString& path, QByteArrayView data);
