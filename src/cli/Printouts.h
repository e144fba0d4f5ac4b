#pragma once

#include <QSize>
#include <QString>

#include "render/Printout.h"

class QIODevice;
struct Season;
class Host;
struct Preferences;

// Writes a printout of the season as an A4 PDF. index is the fixture (Sheet)
// or the player's ranked position (Player). The desktop program's questions
// come first: a blank sheet for an unplayed fixture (the default answer), and
// for team results in portrait the landscape question, which asking for
// portrait has answered Yes. False when the file could not be written or the
// printout could not be drawn (the user has been told).
bool PrintToPdf(Season& season, Host& host, const Preferences& preferences, PrintoutKind kind,
                int index, bool landscape, const QString& path);

// Draws the printout as a PDF into device, opening it first unless it is open.
// False, the user told, when the device cannot be opened, a page cannot be
// started, the document cannot be finished or the device reports an error;
// false too when the printout could not be drawn (the renderer has told the
// user). The questions of PrintToPdf are not asked here.
bool WritePdf(QIODevice& device, Season& season, Host& host, const Preferences& preferences,
              PrintoutKind kind, int index, bool landscape);

// Draws the results grid as the results window shows it (nothing selected,
// scrolled to the top left) into a PNG of the given pixel size.
bool RenderToPng(Season& season, Host& host, const Preferences& preferences, QSize size,
                 const QString& path);
