#include "editEntry.h"

#include "EntrySet.h"
#include "LineBoxes.h"
#include "Prompt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

editEntry::editEntry(EntrySet& entries, int row, const EntryNumbers& line, QWidget* parent)
    : ChildWindow(parent)
    , m_entries(entries)
    , m_row(row)
{
    setObjectName(QStringLiteral("editEntry"));
    setWindowTitle(tr("Edit Entry"));
    auto* column = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Selected Entry"), this);
    frame->setObjectName(QStringLiteral("selectedEntryGroup"));
    auto* grid = new QGridLayout(frame);
    m_boxes = new LineBoxes(entries.gameId(), entries.rulesDate(), frame);
    grid->addWidget(m_boxes, 0, 0, 1, 6);
    auto* change = new QPushButton(tr("Change"), frame);
    change->setObjectName(QStringLiteral("changeButton"));
    change->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), frame);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    grid->addWidget(change, 1, 0, 1, 3);
    grid->addWidget(cancel, 1, 3, 1, 3);
    column->addWidget(frame);
    adjustSize(); // narrower without the seventh box
    m_boxes->showLine(line);

    connect(&entries, &QAbstractItemModel::modelReset, this, [this] { m_reread = true; });
    connect(change, &QPushButton::clicked, this, &editEntry::ChangeLine);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void editEntry::ChangeLine()
{
    const std::optional<EntryNumbers> sorted = m_boxes->validatedLine();
    if (!sorted)
        return;
    QString error;
    if (!m_entries.replace(m_row, *sorted, &error)) {
        Prompt::warn(this, error);
        // A file changed outside the program is shown afresh; the line chosen may be gone from it.
        if (m_reread)
            close();
        return;
    }
    close();
}
