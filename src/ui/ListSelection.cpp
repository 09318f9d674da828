#include "ListSelection.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace ListSelection
{
QItemSelection ofRows(const QAbstractItemModel& model, const std::vector<int>& rows)
{
    QItemSelection selection;
    for (size_t i = 0; i < rows.size();) {
        size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(model.index(rows[i], 0), model.index(rows[j], 0));
        i = j + 1;
    }
    return selection;
}

QList<int> selectedRows(const QItemSelectionModel& selection)
{
    // The list has one column, so each selected index is a row. (selectedRows() tests every row
    // against every range: seconds for thousands of scattered winning rows.)
    QList<int> rows;
    for (const QModelIndex& index : selection.selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}
} // namespace ListSelection
