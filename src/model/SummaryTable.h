#pragma once

#include <string>
#include <vector>

// A table of a summary dialog as plain data: column titles with their widths
// in pixels, and rows of cells. Every text is UTF-8 (season text already
// decoded), ready for the widgets and the clipboard.

struct SummaryColumn {
    std::string title;
    int width = 0;
};

struct SummaryRow {
    std::vector<std::string> cells; // one per column
    int fixture = -1;               // the fixture the row was built from
};

struct SummaryTable {
    std::vector<SummaryColumn> columns;
    std::vector<SummaryRow> rows;
};

// The clipboard forms of a table: the header line, then the rows given by
// index (every row when none is given; indexes out of range are skipped, each
// row is copied once, in table order).
//
// Text: cells separated by tabs, lines by CR LF, no line break after the last
// line. Html: one <table> with the header as <th> cells, every cell escaped.
// A tab, CR or LF inside a cell becomes a space in both, so a cell never
// splits.
std::string SummaryClipboardText(const SummaryTable& table, const std::vector<int>& selected);
std::string SummaryClipboardHtml(const SummaryTable& table, const std::vector<int>& selected);
