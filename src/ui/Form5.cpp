#include "Form5.h"

#include "EntrySet.h"
#include "LineBoxes.h"
#include "NumberText.h"
#include "Prompt.h"
#include "ResultsFile.h"
#include "SuggestLines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

Form5::Form5(EntrySet& entries, const QString& title, const QString& historyPath, RandomSource& random, QWidget* parent)
    : ChildWindow(parent)
    , m_entries(entries)
    , m_historyPath(historyPath)
    , m_random(random)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(title);
    auto* column = new QVBoxLayout(this);

    auto* manual = new QGroupBox(tr("Add Manual Entry"), this);
    manual->setObjectName(QStringLiteral("manualGroup"));
    auto* manualGrid = new QGridLayout(manual);
    m_boxes = new LineBoxes(entries.gameId(), entries.rulesDate(), manual);
    manualGrid->addWidget(m_boxes, 0, 0, 1, 7);
    auto* add = new QPushButton(tr("Add"), manual);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    auto* clear = new QPushButton(tr("Clear"), manual);
    clear->setObjectName(QStringLiteral("clearButton"));
    auto* closeButton = new QPushButton(tr("Close"), manual);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    auto* manualButtons = new QHBoxLayout;
    manualButtons->addWidget(add);
    manualButtons->addWidget(clear);
    manualButtons->addWidget(closeButton);
    manualGrid->addLayout(manualButtons, 1, 0, 1, 7);
    column->addWidget(manual);

    auto* suggested = new QGroupBox(tr("Add Computer Suggested Entries"), this);
    suggested->setObjectName(QStringLiteral("suggestedGroup"));
    auto* suggestedGrid = new QGridLayout(suggested);
    suggestedGrid->addWidget(new QLabel(tr("Enter No"), suggested), 0, 0);
    m_suggestCount = new QLineEdit(suggested);
    m_suggestCount->setObjectName(QStringLiteral("suggestCountEdit"));
    m_suggestCount->setFixedWidth(50);
    suggestedGrid->addWidget(m_suggestCount, 0, 1);
    m_total = new QRadioButton(tr("Total"), suggested);
    m_total->setObjectName(QStringLiteral("totalRadio"));
    m_total->setChecked(true);
    auto* additional = new QRadioButton(tr("Additional"), suggested);
    additional->setObjectName(QStringLiteral("additionalRadio"));
    suggestedGrid->addWidget(m_total, 0, 2);
    suggestedGrid->addWidget(additional, 0, 3);
    auto* suggestAdd = new QPushButton(tr("Add"), suggested);
    suggestAdd->setObjectName(QStringLiteral("suggestAddButton"));
    suggestAdd->setDefault(true); // Enter in "Enter No" makes suggestions, not another manual line
    auto* suggestCancel = new QPushButton(tr("Cancel"), suggested);
    suggestCancel->setObjectName(QStringLiteral("suggestCancelButton"));
    suggestedGrid->addWidget(suggestAdd, 1, 2);
    suggestedGrid->addWidget(suggestCancel, 1, 3);
    column->addWidget(suggested);
    m_lockedWhileRunning = {add, clear, closeButton, suggestAdd};

    connect(add, &QPushButton::clicked, this, &Form5::AddManualLine);
    connect(clear, &QPushButton::clicked, m_boxes, &LineBoxes::clearFirstSix);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(suggestAdd, &QPushButton::clicked, this, &Form5::AddSuggestedLines);
    connect(suggestCancel, &QPushButton::clicked, this, [this] { m_stopRequest = true; });
}

void Form5::AddManualLine()
{
    const std::optional<EntryNumbers> sorted = m_boxes->validatedLine();
    if (!sorted)
        return;
    QString error;
    if (!m_entries.append(*sorted, &error))
        Prompt::warn(this, error);
}

void Form5::AddSuggestedLines()
{
    QString error;
    const auto draws = ResultsFile::readAll(m_historyPath, &error);
    if (!draws) {
        Prompt::warn(this, error);
        return;
    }
    const SuggestRequest request{m_entries.gameId(),
                                 NumberText::leadingValue(m_suggestCount->text()),
                                 m_total->isChecked() ? SuggestMode::Total : SuggestMode::Additional,
                                 m_entries.count(),
                                 m_entries.rulesDate()};
    // Cancel belongs to a run: one pressed while nothing ran does not stop the next.
    m_stopRequest = false;
    setRunning(true);
    // Lines go through the entry set a few at a time: each batch is on disk, then in the main list,
    // so the list grows while the run goes on without a disk write for every line.
    std::vector<EntryNumbers> pending;
    QElapsedTimer sinceWrite;
    sinceWrite.start();
    QString writeError;
    const auto write = [&] {
        const bool written = pending.empty() || m_entries.append(pending, &writeError).has_value();
        pending.clear();
        sinceWrite.restart();
        return written;
    };
    const auto append = [&](const EntryNumbers& line, QString*) {
        pending.push_back(line);
        return true;
    };
    const auto yield = [&] {
        if (sinceWrite.elapsed() >= 100 && !write())
            return true;
        QCoreApplication::processEvents();
        return std::exchange(m_stopRequest, false);
    };
    const std::vector<EntryNumbers> existing = m_entries.lines();
    const SuggestOutcome outcome = SuggestLines(existing, *draws, request, m_random, append, yield);
    write();
    setRunning(false);
    if (!writeError.isEmpty())
        Prompt::warn(this, writeError);
    else if (!outcome.message.isEmpty())
        Prompt::warn(this, outcome.message);
    if (std::exchange(m_closeAfterRun, false))
        close();
}

void Form5::setRunning(bool running)
{
    m_running = running;
    for (QPushButton* button : m_lockedWhileRunning)
        button->setEnabled(!running);
}

bool Form5::canClose()
{
    if (m_running) {
        m_stopRequest = true;
        m_closeAfterRun = true;
    }
    return !m_running;
}
