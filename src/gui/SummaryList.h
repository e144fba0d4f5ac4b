#pragma once

#include <vector>

class QTreeWidget;
class QWidget;
struct SummaryTable;

// The report-style lists of the summary dialogs: columns that do not sort,
// whole rows selected (several at once with Shift and Ctrl), no tree
// decoration.
QTreeWidget* CreateSummaryList(QWidget* parent);

// Replaces the list's columns and rows with the table's. Columns are at least
// their table width (pixels at 96 dpi, scaled to the screen) and wide enough
// for their contents.
void FillSummaryList(QTreeWidget* list, const SummaryTable& table);

// Makes the list at least wide enough for every column beside a vertical
// scroll bar, and height pixels (at 96 dpi) high.
void FitSummaryList(QTreeWidget* list, int height);

// The rows selected in the list, in order.
std::vector<int> SelectedSummaryRows(const QTreeWidget* list);

// Puts the header and the selected rows (every row when none is selected) on
// the clipboard, as plain text and as an HTML table.
void CopySummaryList(const QTreeWidget* list, const SummaryTable& table);
