#include "platform/PrintSetup.h"

#include <QRect>
#include <QRectF>
#include <cmath>

#include "platform/Settings.h"

PrintableArea PrintableAreaOf(const QPageLayout& layout, int dpi)
{
    const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
    const QRect pixels = layout.paintRectPixels(dpi);
    PrintableArea area;
    area.widthMm = static_cast<int>(std::floor(mm.width()));
    area.heightMm = static_cast<int>(std::floor(mm.height()));
    area.widthPixels = pixels.width();
    area.heightPixels = pixels.height();
    area.dpi = dpi;
    return area;
}

TeamPrintOptions TeamPrintOptionsFrom(const Preferences& preferences)
{
    TeamPrintOptions options;
    options.grid.minGames = MinGamesForRanking(preferences.minGames);
    options.grid.highlightLosses = static_cast<int>(preferences.highlightLosses);
    options.minPrintScale = static_cast<int>(std::lround(preferences.minPrintScale * 100.0));
    return options;
}

PrintoutOptions PrintoutOptionsFrom(const Preferences& preferences)
{
    PrintoutOptions options;
    options.team = TeamPrintOptionsFrom(preferences);
    options.homeOnLeft = preferences.homeOnLeftPrinter != 0;
    return options;
}
