#include "gui/SummaryList.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

#include "model/SummaryTable.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QTreeWidget* CreateSummaryList(QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    return list;
}

void FillSummaryList(QTreeWidget* list, const SummaryTable& table)
{
    list->clear();
    QStringList titles;
    for (const SummaryColumn& column : table.columns)
        titles << FromUtf8(column.title);
    list->setColumnCount(static_cast<int>(titles.size()));
    list->setHeaderLabels(titles);
    QList<QTreeWidgetItem*> items;
    for (const SummaryRow& row : table.rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t c = 0; c < row.cells.size() && c < table.columns.size(); ++c)
            item->setText(static_cast<int>(c), FromUtf8(row.cells[c]));
        items << item;
    }
    list->addTopLevelItems(items);
    const double scale = list->logicalDpiX() / 96.0;
    for (int c = 0; c < list->columnCount(); ++c) {
        list->resizeColumnToContents(c);
        const int wanted =
            static_cast<int>(table.columns[static_cast<std::size_t>(c)].width * scale);
        list->setColumnWidth(c, std::max(list->columnWidth(c), wanted));
    }
}

void FitSummaryList(QTreeWidget* list, int height)
{
    int width = 2 * list->frameWidth() +
                list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    for (int c = 0; c < list->columnCount(); ++c)
        width += list->columnWidth(c);
    list->setMinimumSize(width, static_cast<int>(height * list->logicalDpiY() / 96.0));
}

std::vector<int> SelectedSummaryRows(const QTreeWidget* list)
{
    std::vector<int> rows;
    for (QTreeWidgetItem* item : list->selectedItems())
        rows.push_back(list->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CopySummaryList(const QTreeWidget* list, const SummaryTable& table)
{
    const std::vector<int> rows = SelectedSummaryRows(list);
    auto* data = new QMimeData;
    data->setText(FromUtf8(SummaryClipboardText(table, rows)));
    data->setHtml(FromUtf8(SummaryClipboardHtml(table, rows)));
    QGuiApplication::clipboard()->setMimeData(data);
}
