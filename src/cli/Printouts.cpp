#include "cli/Printouts.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

#include "model/Host.h"
#include "model/Season.h"
#include "platform/Cp1252.h"
#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "platform/PrintSetup.h"
#include "platform/Settings.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"
#include "render/TeamResultsPage.h"
#include "render/ResultsScreen.h"

namespace {

// A4 with a margin a printer could print into.
constexpr double kMarginMm = 8.0;
constexpr int kPdfDpi = 600;
// The scroll bars the results window keeps room for, in pixels.
constexpr int kScrollBarThickness = 17;


} // namespace

bool PrintToPdf(Season& season, Host& host, const Preferences& preferences, PrintKind kind,
                int index, bool landscape, const QString& path)
{
    // The questions the desktop program asks before these printouts.
    if (kind == PrintKind::Sheet) {
        if (Fixture* fixture = season.FixtureAt(index)) {
            // The sheet shows the handicap that applies at the fixture's venue.
            fixture->handicap = fixture->venue == Away ? season.awayHandicap : season.homeHandicap;
            if (fixture->result == 0 &&
                host.Ask("This match has not yet been played.\n"
                         "Do you want to print a blank result sheet?",
                         "Bowls results", Buttons::YesNo, Answer::Yes) != Answer::Yes)
                return false;
        }
    }
    if (kind == PrintKind::Team && !landscape) {
        // Asking for portrait is the Yes to this question.
        host.ShowMessage("Landscape mode is better for this printout. If you continue, the "
                         "output will have to be squeezed to fit. Continue anyway?",
                         "Print", MessageIcon::Question);
    }

    // The PDF is written to memory first, so that a failed printout never
    // leaves a half-written file behind.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!WritePdf(buffer, season, host, preferences, kind, index, landscape))
        return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        host.ShowError("Cannot write file");
        return false;
    }
    return true;
}

bool WritePdf(QIODevice& device, Season& season, Host& host, const Preferences& preferences,
              PrintKind kind, int index, bool landscape)
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
    const QPageLayout layout(QPageSize(QPageSize::A4),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                             QPageLayout::Millimeter);
    writer.setPageLayout(layout);

    QPainter painter;
    if (!painter.begin(&writer)) {
        host.ShowError("Cannot write file");
        return false;
    }
    PainterSurface surface(&painter, kPdfDpi, kPdfDpi, CreateGridFonts());
    const PrintableArea area = PrintableAreaOf(writer.pageLayout(), kPdfDpi);

    bool drawn = false;
    bool written = true;
    switch (kind) {
    case PrintKind::Team: {
        const TeamPrintOptions options = TeamPrintOptionsFrom(preferences);
        TeamPrintLayout plan;
        const int total = PrintTeamResultsPage(surface, season, host, area, options, 1, true, plan);
        for (int page = 2; page <= total && written; ++page) {
            written = writer.newPage();
            if (written)
                PrintTeamResultsPage(surface, season, host, area, options, page, false, plan);
        }
        drawn = true;
        break;
    }
    case PrintKind::Sheet:
        drawn = PrintMatchSheet(surface, host, season, season.FixtureAt(index), area.widthMm,
                                area.heightMm, preferences.homeOnLeftPrinter != 0);
        break;
    case PrintKind::Player:
        drawn = PrintPlayerSummary(surface, host, season, index, area.widthMm, area.heightMm);
        break;
    }
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        host.ShowError("Cannot write file");
        return false;
    }
    return true;
}
