// HistoryPageModel: one page of a history check's listing as a list model. Rows are made into
// text only when a view asks for them, so a page of 32,730 lines shows at once; rows gathered by
// a running check are announced in one insertion per call to sync().
#pragma once

#include <QAbstractListModel>

class HistoryCheck;

class HistoryPageModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit HistoryPageModel(int page, QObject* parent = nullptr);

    // Shows the page of this check (nullptr: an empty page). The check must outlive its use here.
    void setCheck(const HistoryCheck* check);
    // Announces the rows the check added to this page since the last call.
    void sync();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int availableRows() const;

    int m_page;
    const HistoryCheck* m_check = nullptr;
    int m_rows = 0;
};
