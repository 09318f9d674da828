#include "editEntry.h"

#include "AppState.h"
#include "EntryFile.h"
#include "EntryLineText.h"
#include "Form1.h"
#include "LineBoxes.h"
#include "Prompt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

editEntry::editEntry(AppState& state, Form1& main)
    : QWidget(&main, Qt::Window)
    , m_state(state)
    , m_main(main)
{
    setObjectName(QStringLiteral("editEntry"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Edit Entry"));
    auto* column = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Selected Entry"), this);
    frame->setObjectName(QStringLiteral("selectedEntryGroup"));
    auto* grid = new QGridLayout(frame);
    m_boxes = new LineBoxes(state.gameId, frame);
    grid->addWidget(m_boxes, 0, 0, 1, 6);
    auto* change = new QPushButton(tr("Change"), frame);
    change->setObjectName(QStringLiteral("changeButton"));
    auto* cancel = new QPushButton(tr("Cancel"), frame);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    grid->addWidget(change, 1, 0, 1, 3);
    grid->addWidget(cancel, 1, 3, 1, 3);
    column->addWidget(frame);
    adjustSize(); // narrower without the seventh box

    QString error;
    const auto line = EntryFile::ReadEntryLine(state.currentEntryFile, state.editIndex, &error);
    if (line) {
        m_boxes->showLine(*line);
    } else {
        Prompt::inform(&main, error);
    }

    connect(change, &QPushButton::clicked, this, &editEntry::ChangeLine);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void editEntry::ChangeLine()
{
    const std::optional<EntryNumbers> sorted = m_boxes->validatedLine();
    if (!sorted)
        return;
    QString error;
    if (!EntryFile::ReplaceEntryLine(m_state.currentEntryFile, m_state.editIndex, *sorted, m_state.gameId, &error)) {
        Prompt::inform(this, error);
        return;
    }
    m_main.replaceEntryRow(m_state.editIndex - 1, FormatEntryLine(*sorted, m_state.gameId));
    close();
}

void editEntry::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
