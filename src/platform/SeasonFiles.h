#pragma once

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
// Failures are reported through host ("Cannot open file", "Invalid file", the
// allocation message) and give null. The wait cursor is shown while the file
// is read and decoded.
SeasonPtr OpenSeasonPath(Host& host, const QString& path, bool readOnly,
                         const TextSeasonReader& readText = {});

// Saves the season. An untitled or read-only season, or saveAs, asks
// chooseSaveFile for a path (empty: cancelled, false); the chosen path becomes
// the season's at once. The file is replaced atomically: on any failure the
// user is told "Cannot write file", the old file is untouched, the season stays
// modified and the result is false. On success the path joins the recent files
// and modified and untitled are cleared.
bool SaveSeason(Host& host, Season& season, bool saveAs,
                const std::function<QString()>& chooseSaveFile);
