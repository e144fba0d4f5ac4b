#pragma once

#include <functional>

#include "render/Printout.h"

class QPrinter;
class QString;
class QWidget;
class Host;
struct Season;
struct Preferences;

// The three printouts the print driver knows.
using PrintJobKind = PrintoutKind;

// Shows the print dialog for printer and answers whether the user chose to
// print. teamResults offers page ranges. Tests replace the dialog with a
// function that sets the printer up (a PDF file, say) and says yes.
using PrintDialogRunner = std::function<bool(QWidget* owner, QPrinter& printer, bool teamResults)>;

// The dialog the desktop program uses (QPrintDialog).
bool RunPrintDialog(QWidget* owner, QPrinter& printer, bool teamResults);

// Prints one printout: a match sheet, the summary of a player or the team
// results. The owner window is disabled while the job runs. Returns 1 when
// the job printed or the user cancelled, 0 when printing failed (the caller
// tells the user). Printer failures are told through host as they happen.
//
// For printing to a file the dialog proposes the season file's name with
// ".pdf", in pdfFolder when one is given and set, else beside the season
// file; a job written to a file leaves its folder in pdfFolder.
int PrintJob(QWidget* owner, Host& host, const Season& season, const Preferences& preferences,
             const Printout& printout, const PrintDialogRunner& runDialog = RunPrintDialog,
             QString* pdfFolder = nullptr);

// The same for the match sheet of the season's fixture argument, the summary
// of the player ranked argument, or the team results.
int PrintJob(QWidget* owner, Host& host, const Season& season, const Preferences& preferences,
             PrintJobKind kind, int argument, const PrintDialogRunner& runDialog = RunPrintDialog,
             QString* pdfFolder = nullptr);

// The file a printout of the season to a file is proposed as.
QString ProposedPdfPath(const Season& season, const QString& folder);
