#include "gui/PrintJob.h"

#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <cmath>
#include <string>

#include "model/Host.h"
#include "model/Season.h"
#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "platform/PrintSetup.h"
#include "platform/Settings.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"
#include "render/TeamResultsPage.h"

namespace {

// Qt's print system gives no error codes of its own; the messages carry 0.
constexpr long kNoErrorCode = 0;

// Keeps the owner window disabled for the life of the job, whatever path
// the job leaves by.
class DisabledWhilePrinting {
public:
    explicit DisabledWhilePrinting(QWidget* owner) : owner_(owner)
    {
        if (owner_)
            owner_->setEnabled(false);
    }
    ~DisabledWhilePrinting()
    {
        if (owner_)
            owner_->setEnabled(true);
    }
    DisabledWhilePrinting(const DisabledWhilePrinting&) = delete;
    DisabledWhilePrinting& operator=(const DisabledWhilePrinting&) = delete;

private:
    QPointer<QWidget> owner_;
};

std::string PrinterError(const char* call, int reply)
{
    return "Error from printer (" + std::string(call) + ") Reply = " + std::to_string(reply) +
           ", Error = " + std::to_string(kNoErrorCode);
}

} // namespace

bool RunPrintDialog(QWidget* owner, QPrinter& printer, bool teamResults)
{
    QPrintDialog dialog(&printer, owner);
    // Copies and their collation are the printer's business: the dialog
    // offers both and QPrinter carries them out.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (teamResults) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(1, 1000);
    }
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

int PrintJob(QWidget* owner, Host& host, Season& season, const Preferences& preferences,
             PrintJobKind kind, int argument, const PrintDialogRunner& runDialog)
{
    const bool team = kind == PrintJobKind::TeamResults;
    QPrinter printer(QPrinter::HighResolution);
    // The grid reads best on landscape A4; the single-page printouts keep
    // whatever paper the printer is set up for.
    if (team) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
    }
    if (owner)
        printer.setDocName(owner->windowTitle().left(259));
    if (!runDialog(owner, printer, team))
        return 1;

    if (team && printer.pageLayout().orientation() != QPageLayout::Landscape) {
        const Answer answer = host.Ask(
            "Landscape mode is better for this printout. If you continue, the output will have "
            "to be squeezed to fit. Continue anyway?",
            "Print", Buttons::YesNo, Answer::No);
        if (answer != Answer::Yes)
            return 1;
    }

    DisabledWhilePrinting disabled(owner);

    QPainter painter;
    if (!painter.begin(&printer)) {
        host.ShowError("Error " + std::to_string(kNoErrorCode) + " from printer (StartDoc)");
        // The refused start is the job's last printer reply, reported at the
        // document's end like any other.
        host.ShowError(PrinterError("EndDoc", 0));
        return 0;
    }

    const int dpi = printer.resolution();
    PainterSurface surface(&painter, dpi, dpi, CreateGridFonts());
    const PrintableArea area = PrintableAreaOf(printer.pageLayout(), dpi);
    const int widthMm = area.widthMm;
    const int heightMm = area.heightMm;

    bool failed = false;
    bool pageRefused = false;
    bool anyPage = false;
    // Every page after the first starts with newPage(); a refusal there is the
    // page failing to end and the next to start.
    auto nextPage = [&]() {
        if (!anyPage) {
            anyPage = true;
            return true;
        }
        if (printer.newPage())
            return true;
        host.ShowError(PrinterError("EndPage", 0));
        failed = true;
        pageRefused = true;
        return false;
    };

    switch (kind) {
    case PrintJobKind::MatchSheet: {
        nextPage();
        const Fixture* fixture = season.FixtureAt(argument);
        if (!PrintMatchSheet(surface, host, season, fixture, widthMm, heightMm,
                             preferences.homeOnLeftPrinter != 0))
            failed = true;
        break;
    }
    case PrintJobKind::PlayerSummary:
        nextPage();
        if (!PrintPlayerSummary(surface, host, season, argument, widthMm, heightMm))
            failed = true;
        break;
    case PrintJobKind::TeamResults: {
        const TeamPrintOptions options = TeamPrintOptionsFrom(preferences);

        // The layout is planned before the first page so that "all pages"
        // means every page of this job, however many.
        const TeamPrintLayout planned = LayOutTeamResults(surface, season, area, options.minPrintScale);
        std::vector<PageRange> ranges;
        const bool allPages = printer.printRange() != QPrinter::PageRange;
        if (!allPages) {
            for (const auto& range : printer.pageRanges().toRangeList())
                ranges.push_back({range.from, range.to});
        }
        TeamPrintLayout layout;
        bool first = true;
        for (int page : TeamResultsPagesToPrint(ranges, allPages, planned.totalPages)) {
            if (!nextPage())
                break;
            PrintTeamResultsPage(surface, season, host, area, options, page, first, layout);
            first = false;
        }
        break;
    }
    }

    // A refused page is the last printer reply when the document ends, so
    // the end is reported as failed whether or not ending itself succeeds.
    if (!painter.end() || pageRefused) {
        host.ShowError(PrinterError("EndDoc", 0));
        failed = true;
    }
    return failed ? 0 : 1;
}
