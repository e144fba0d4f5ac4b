#include "cli/Printouts.h"

#include <QBuffer>
#include <QFileDevice>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "model/Host.h"
#include "model/Season.h"
#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "platform/PrintSetup.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"
#include "render/Printout.h"
#include "render/ResultsScreen.h"

namespace {

// A4 with a margin a printer could print into.
constexpr double kMarginMm = 8.0;
constexpr int kPdfDpi = 600;
// The scroll bars the results window keeps room for, in pixels.
constexpr int kScrollBarThickness = 17;

} // namespace

bool PrintToPdf(Season& season, Host& host, const Preferences& preferences, PrintoutKind kind,
                int index, bool landscape, const QString& path)
{
    // The questions the desktop program asks before these printouts; asking
    // for portrait is the Yes to the landscape one.
    if (kind == PrintoutKind::MatchSheet) {
        Fixture* fixture = season.FixtureAt(index);
        if (fixture && !PrepareStoredMatchSheet(season, host, *fixture))
            return false;
    }
    if (kind == PrintoutKind::TeamResults && !landscape)
        ContinueTeamResultsInPortrait(host, true);

    // The PDF is written to memory first, so that a failed printout never
    // leaves a half-written file behind.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!WritePdf(buffer, season, host, preferences, kind, index, landscape))
        return false;

    return WriteOutputFile(host, path, pdf);
}

bool WritePdf(QIODevice& device, Season& season, Host& host, const Preferences& preferences,
              PrintoutKind kind, int index, bool landscape)
{
    if (!device.isOpen() && !device.open(QIODevice::WriteOnly)) {
        host.ShowError("Cannot write file");
        return false;
    }
    QPdfWriter writer(&device);
    writer.setResolution(kPdfDpi);
    writer.setCreator(QStringLiteral("Tessel"));
    writer.setTitle(season.teamName.empty() ? QStringLiteral("Tessel")
                                            : Cp1252ToQString(season.teamName));
    const QPageLayout layout(
        QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    writer.setPageLayout(layout);

    QPainter painter;
    if (!painter.begin(&writer)) {
        host.ShowError("Cannot write file");
        return false;
    }
    PainterSurface surface(&painter, kPdfDpi, kPdfDpi, CreateGridFonts());
    const PrintableArea area = PrintableAreaOf(writer.pageLayout(), kPdfDpi);

    bool written = true;
    const bool drawn = DrawPrintout(surface, season, host, area, PrintoutOptionsFrom(preferences),
                                    Printout{kind, index, nullptr}, {}, true,
                                    [&writer, &written] { return written = writer.newPage(); });
    if (!painter.end())
        written = false;
    // The PDF engine notices a failing file only now and then; ask the file.
    if (const auto* file = qobject_cast<const QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        written = false;
    if (!written) {
        host.ShowError("Cannot write file");
        return false;
    }
    return drawn;
}

bool RenderToPng(Season& season, Host& host, const Preferences& preferences, QSize size,
                 const QString& path)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterSurface surface(&painter, CreateGridFonts());
        season.firstFixture = 0;
        season.firstPlayer = 0;
        season.selectedFixture = -1;
        season.selectedPlayer = -1;
        ScreenArea area;
        area.width = std::max(0, size.width() - kScrollBarThickness);
        area.height = std::max(0, size.height() - kScrollBarThickness);
        area.horizontalBarHeight = kScrollBarThickness;
        area.verticalBarWidth = kScrollBarThickness;
        PaintResultsWindow(surface, season, host, area, TeamPrintOptionsFrom(preferences).grid);
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
            host.ShowError(FileFailureText("Cannot write file", path,
                                           QStringLiteral("the picture could not be encoded")));
            return false;
        }
    }
    return WriteOutputFile(host, path, png);
}
