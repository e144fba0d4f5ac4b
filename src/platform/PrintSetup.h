#pragma once

#include <QPageLayout>

#include "render/Printout.h"
#include "render/TeamResultsPage.h"

struct Preferences;

// What the printouts need to know of a page and of the preferences, taken
// alike by the print job and by tessel-cli.

// The printable area of a page laid out as layout, at dpi device pixels per inch.
PrintableArea PrintableAreaOf(const QPageLayout& layout, int dpi);

// The team results printout's options from the preferences.
TeamPrintOptions TeamPrintOptionsFrom(const Preferences& preferences);

// Every printout's options from the preferences.
PrintoutOptions PrintoutOptionsFrom(const Preferences& preferences);
