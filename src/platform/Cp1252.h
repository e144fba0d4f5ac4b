#pragma once

#include <QString>

#include <string>
#include <string_view>

// Season text (Windows-1252 bytes) at the Qt boundary. Every one of the 256
// bytes has a character, so bytes -> QString -> bytes gives the bytes back.

QString Cp1252ToQString(std::string_view text);

// Characters without a Windows-1252 byte become '?', one per character (a
// surrogate pair counts as one character, a lone surrogate too).
std::string QStringToCp1252(const QString& text);

// Whether every character of text has a Windows-1252 byte.
bool FitsCp1252(const QString& text);
