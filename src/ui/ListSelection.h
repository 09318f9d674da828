// ListSelection: choosing and reading the rows of a one-column list view's selection quickly, as the
// entry list may hold tens of thousands of lines with thousands of them winning.
#pragma once

#include <QItemSelection>
#include <QList>

#include <vector>

class QItemSelectionModel;

namespace ListSelection
{
// Consecutive rows as one range each, so thousands of rows are selected in one step.
QItemSelection ofRows(const QAbstractItemModel& model, const std::vector<int>& rows);
// The selected rows, ascending.
QList<int> selectedRows(const QItemSelectionModel& selection);
} // namespace ListSelection
