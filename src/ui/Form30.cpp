#include "Form30.h"

#include "Printing.h"
#include "Prompt.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

Form30::Form30(const QString& appFolder, PrinterSystem& printers, QWidget* parent)
    : ChildWindow(parent)
    , m_appFolder(appFolder)
    , m_printers(printers)
{
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(tr("Printer Selection"));
    auto* column = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Select Printer"), this);
    group->setObjectName(QStringLiteral("selectPrinterGroup"));
    auto* groupColumn = new QVBoxLayout(group);
    m_combo = new QComboBox(group);
    m_combo->setObjectName(QStringLiteral("printerCombo"));
    m_combo->setMinimumWidth(260);
    groupColumn->addWidget(m_combo);
    column->addWidget(group);
    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    column->addWidget(closeButton, 0, Qt::AlignHCenter);

    const QStringList names = printers.printerNames();
    if (names.isEmpty()) {
        m_combo->addItem(tr("No Printer Available"));
    } else {
        // The printer shown is the one printing uses: the stored choice when it is installed,
        // otherwise the one start-up chose in its place.
        m_combo->addItems(names);
        m_combo->setCurrentIndex(std::max(0, static_cast<int>(names.indexOf(printers.currentPrinter()))));
    }
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void Form30::applyChoice()
{
    const QString chosen = m_combo->currentText();
    for (const QString& name : m_printers.printerNames()) {
        if (name != chosen)
            continue;
        m_printers.setCurrentPrinter(name);
        QString error;
        if (!storePrinter(m_appFolder, name, &error))
            Prompt::warn(this, error);
        emit printerChosen();
    }
}

void Form30::closeEvent(QCloseEvent* event)
{
    // Closing always applies the shown choice; there is no separate cancel.
    if (isVisible())
        applyChoice();
    ChildWindow::closeEvent(event);
}
