#include "gui/PrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <string>

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

QString ProposedPdfPath(const Season& season, const QString& folder)
{
    const QFileInfo file(SeasonPathToQString(season.filePath));
    QString name =
        season.untitled ? Cp1252ToQString(season.teamName).trimmed() : file.completeBaseName();
    // A team name may hold characters no file name can.
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("print");
    QString dir = folder;
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = season.untitled ? QDir::homePath() : file.absolutePath();
    return QDir(dir).filePath(name + QStringLiteral(".pdf"));
}

int PrintJob(QWidget* owner, Host& host, const Season& season, const Preferences& preferences,
             PrintJobKind kind, int argument, const PrintDialogRunner& runDialog,
             QString* pdfFolder)
{
    return PrintJob(owner, host, season, preferences, Printout{kind, argument, nullptr}, runDialog,
                    pdfFolder);
}

int PrintJob(QWidget* owner, Host& host, const Season& season, const Preferences& preferences,
             const Printout& printout, const PrintDialogRunner& runDialog, QString* pdfFolder)
{
    const bool team = printout.kind == PrintoutKind::TeamResults;
    QPrinter printer(QPrinter::HighResolution);
    // The dialog offers this file for printing to a file. Naming a file
    // turns the printer into a PDF writer, so the default printer is chosen
    // again where there is one; the dialog keeps the name for its file choice.
    printer.setOutputFileName(ProposedPdfPath(season, pdfFolder ? *pdfFolder : QString()));
    if (!QPrinterInfo::defaultPrinter().isNull())
        printer.setOutputFormat(QPrinter::NativeFormat);
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

    if (team && printer.pageLayout().orientation() != QPageLayout::Landscape &&
        !ContinueTeamResultsInPortrait(host, false))
        return 1;

    DisabledWhilePrinting disabled(owner);

    // A printout to a PDF file is drawn into a file of our own first and then
    // saved over the chosen one like any file the program writes: Qt's PDF
    // output checks none of its writes.
    const QString pdfTarget =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (pdfFolder && !pdfTarget.isEmpty())
        *pdfFolder = QFileInfo(pdfTarget).absolutePath();
    QTemporaryDir pdfStage;
    if (!pdfTarget.isEmpty())
        printer.setOutputFileName(pdfStage.filePath(QStringLiteral("printout.pdf")));

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

    std::vector<PageRange> ranges;
    const bool allPages = printer.printRange() != QPrinter::PageRange;
    if (!allPages) {
        for (const auto& range : printer.pageRanges().toRangeList())
            ranges.push_back({range.from, range.to});
    }
    // A refusal of newPage() is the page failing to end and the next to start.
    bool pageRefused = false;
    const bool drawn = DrawPrintout(surface, season, host, area, PrintoutOptionsFrom(preferences),
                                    printout, ranges, allPages, [&]() {
                                        if (printer.newPage())
                                            return true;
                                        host.ShowError(PrinterError("EndPage", 0));
                                        pageRefused = true;
                                        return false;
                                    });
    bool failed = !drawn || pageRefused;

    // A refused page is the last printer reply when the document ends, so
    // the end is reported as failed whether or not ending itself succeeds.
    if (!painter.end() || pageRefused) {
        host.ShowError(PrinterError("EndDoc", 0));
        failed = true;
    }
    if (!failed && !pdfTarget.isEmpty()) {
        const FileReadResult pdf = ReadWholeFile(printer.outputFileName());
        // The document's last line is written last: without it, some of the
        // writes before it failed.
        if (pdf.status != FileReadStatus::Ok || !pdf.data.endsWith("%%EOF\n")) {
            host.ShowError(FileFailureText("Cannot write file", pdfTarget,
                                           pdf.reason.isEmpty()
                                               ? QStringLiteral("the printout could not be made")
                                               : pdf.reason));
            failed = true;
        } else if (!WriteOutputFile(host, pdfTarget, pdf.data)) {
            failed = true;
        }
    }
    return failed ? 0 : 1;
}
