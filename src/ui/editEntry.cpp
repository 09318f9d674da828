#include "editEntry.h"

#include "AppState.h"
#include "EntryFile.h"
#include "EntryLineText.h"
#include "Form1.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "Prompt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
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
    const bool super7 = GameCatalogue::isSuper7(state.gameId);
    auto* column = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("Selected Entry"), this);
    frame->setObjectName(QStringLiteral("selectedEntryGroup"));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 7; ++i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("numberBox%1").arg(i + 1));
        box->setFixedWidth(32);
        box->setMaxLength(5);
        grid->addWidget(box, 0, i);
        m_boxes[i] = box;
    }
    m_boxes[6]->setVisible(super7);
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
        for (int i = 0; i < GameCatalogue::mainCount(state.gameId); ++i)
            m_boxes[i]->setText(NumberText::twoDigits((*line)[i]));
    } else {
        Prompt::inform(&main, error);
    }

    connect(change, &QPushButton::clicked, this, &editEntry::ChangeLine);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void editEntry::ChangeLine()
{
    const int k = GameCatalogue::mainCount(m_state.gameId);
    QStringList texts;
    for (int i = 0; i < k; ++i)
        texts << m_boxes[i]->text();
    EntryNumbers sorted{};
    const int code = ValidateLine(texts, m_state.gameId, &sorted);
    if (code != 0) {
        Prompt::inform(this, validationMessage(code));
        return;
    }
    QString error;
    if (!EntryFile::ReplaceEntryLine(m_state.currentEntryFile, m_state.editIndex, sorted, m_state.gameId, &error)) {
        Prompt::inform(this, error);
        return;
    }
    m_main.replaceEntryRow(m_state.editIndex - 1, FormatEntryLine(sorted, m_state.gameId));
    close();
}

void editEntry::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
