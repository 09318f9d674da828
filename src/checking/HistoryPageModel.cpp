#include "HistoryPageModel.h"

#include "HistoryCheck.h"

HistoryPageModel::HistoryPageModel(int page, QObject* parent)
    : QAbstractListModel(parent)
    , m_page(page)
{
}

void HistoryPageModel::setCheck(const HistoryCheck* check)
{
    beginResetModel();
    m_check = check;
    m_rows = availableRows();
    endResetModel();
}

void HistoryPageModel::sync()
{
    const int rows = availableRows();
    if (rows <= m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

int HistoryPageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant HistoryPageModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !m_check || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_check->text(m_check->listing().page(m_page)[index.row()]);
}

int HistoryPageModel::availableRows() const
{
    return m_check ? static_cast<int>(m_check->listing().page(m_page).size()) : 0;
}
