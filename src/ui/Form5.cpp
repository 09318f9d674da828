#include "Form5.h"

#include "EntrySet.h"
#include "LineBoxes.h"
#include "Prompt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Form5::Form5(EntrySet& entries, const QString& title, QWidget* parent)
    : ChildWindow(parent)
    , m_entries(entries)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(title);
    auto* column = new QVBoxLayout(this);

    auto* manual = new QGroupBox(tr("Add Manual Entry"), this);
    manual->setObjectName(QStringLiteral("manualGroup"));
    auto* manualGrid = new QGridLayout(manual);
    m_boxes = new LineBoxes(entries.gameId(), manual);
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

    // The suggestion generator is not part of this release: its frame is shown but cannot be used.
    auto* suggested = new QGroupBox(tr("Add Computer Suggested Entries"), this);
    suggested->setObjectName(QStringLiteral("suggestedGroup"));
    auto* suggestedGrid = new QGridLayout(suggested);
    suggestedGrid->addWidget(new QLabel(tr("Enter No"), suggested), 0, 0);
    auto* count = new QLineEdit(suggested);
    count->setObjectName(QStringLiteral("suggestCountEdit"));
    count->setFixedWidth(50);
    suggestedGrid->addWidget(count, 0, 1);
    auto* total = new QRadioButton(tr("Total"), suggested);
    total->setObjectName(QStringLiteral("totalRadio"));
    total->setChecked(true);
    auto* additional = new QRadioButton(tr("Additional"), suggested);
    additional->setObjectName(QStringLiteral("additionalRadio"));
    suggestedGrid->addWidget(total, 0, 2);
    suggestedGrid->addWidget(additional, 0, 3);
    auto* suggestAdd = new QPushButton(tr("Add"), suggested);
    suggestAdd->setObjectName(QStringLiteral("suggestAddButton"));
    auto* suggestCancel = new QPushButton(tr("Cancel"), suggested);
    suggestCancel->setObjectName(QStringLiteral("suggestCancelButton"));
    suggestedGrid->addWidget(suggestAdd, 1, 2);
    suggestedGrid->addWidget(suggestCancel, 1, 3);
    suggested->setEnabled(false);
    suggested->setToolTip(tr("Computer-suggested lines are not available in this version."));
    column->addWidget(suggested);

    connect(add, &QPushButton::clicked, this, &Form5::AddManualLine);
    connect(clear, &QPushButton::clicked, m_boxes, &LineBoxes::clearFirstSix);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
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
