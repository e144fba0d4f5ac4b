#pragma once

#include <functional>

class QPrinter;
class QWidget;
class Host;
struct Season;
struct Preferences;

// The three printouts the print driver knows.
enum class PrintJobKind { MatchSheet = 0, PlayerSummary = 1, TeamResults = 2 };

// Shows the print dialog for printer and answers whether the user chose to
// print. teamResults offers page ranges. Tests replace the dialog with a
// function that sets the printer up (a PDF file, say) and says yes.
using PrintDialogRunner = std::function<bool(QWidget* owner, QPrinter& printer, bool teamResults)>;

// The dialog the desktop program uses (QPrintDialog).
bool RunPrintDialog(QWidget* owner, QPrinter& printer, bool teamResults);

// Prints one printout: the match sheet of fixture argument, the summary of
// the player ranked argument, or the team results. The owner window is
// disabled while the job runs. Returns 1 when the job printed or the user
// cancelled, 0 when printing failed (the caller tells the user). Printer
// failures are told through host as they happen.
int PrintJob(QWidget* owner, Host& host, Season& season, const Preferences& preferences,
             PrintJobKind kind, int argument, const PrintDialogRunner& runDialog = RunPrintDialog);
