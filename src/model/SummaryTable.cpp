#include "model/SummaryTable.h"

#include <algorithm>

#include "model/Text.h"

namespace {

std::string Flattened(const std::string& cell)
{
    std::string out = cell;
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return out;
}

std::string Escaped(const std::string& cell)
{
    std::string out;
    out.reserve(cell.size());
    AppendHtmlEscaped(out, Flattened(cell));
    return out;
}

std::vector<const SummaryRow*> RowsToCopy(const SummaryTable& table,
                                          const std::vector<int>& selected)
{
    std::vector<const SummaryRow*> rows;
    if (selected.empty()) {
        for (const SummaryRow& row : table.rows)
            rows.push_back(&row);
        return rows;
    }
    std::vector<int> indexes = selected;
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int i : indexes)
        if (i >= 0 && static_cast<std::size_t>(i) < table.rows.size())
            rows.push_back(&table.rows[static_cast<std::size_t>(i)]);
    return rows;
}

// The cells of a row, one per column (missing cells are empty).
std::vector<std::string> CellsOf(const SummaryTable& table, const SummaryRow& row)
{
    std::vector<std::string> cells = row.cells;
    cells.resize(table.columns.size());
    return cells;
}

std::vector<std::string> Titles(const SummaryTable& table)
{
    std::vector<std::string> titles;
    for (const SummaryColumn& column : table.columns)
        titles.push_back(column.title);
    return titles;
}

} // namespace

std::string SummaryClipboardText(const SummaryTable& table, const std::vector<int>& selected)
{
    auto line = [](const std::vector<std::string>& cells) {
        std::string out;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += '\t';
            out += Flattened(cells[i]);
        }
        return out;
    };
    std::string text = line(Titles(table));
    for (const SummaryRow* row : RowsToCopy(table, selected))
        text += "\r\n" + line(CellsOf(table, *row));
    return text;
}

std::string SummaryClipboardHtml(const SummaryTable& table, const std::vector<int>& selected)
{
    auto line = [](const std::vector<std::string>& cells, const char* tag) {
        std::string out = "<tr>";
        for (const std::string& cell : cells)
            out += std::string("<") + tag + ">" + Escaped(cell) + "</" + tag + ">";
        return out + "</tr>\n";
    };
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n";
    html += line(Titles(table), "th");
    for (const SummaryRow* row : RowsToCopy(table, selected))
        html += line(CellsOf(table, *row), "td");
    return html + "</table>\n</body></html>\n";
}
