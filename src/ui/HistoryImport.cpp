#include "HistoryImport.h"

#include "DrawImport.h"
#include "GameCatalogue.h"
#include "Prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

HistoryImport::HistoryImport(int gameId, const QString& historyPath, QWidget* parent)
    : ChildWindow(parent)
    , m_gameId(gameId)
    , m_historyPath(historyPath)
{
    setObjectName(QStringLiteral("HistoryImport"));
    setWindowTitle(tr("Import Draw History"));
    auto* column = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("importLabel"));
    column->addWidget(m_label);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("importProgressBar"));
    m_progress->setMinimumWidth(320);
    column->addWidget(m_progress);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    column->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { m_cancel = true; });
}

QString HistoryImport::chooseFile(QWidget* parent, int gameId, const QString& folder)
{
    return Prompt::openFileName(parent,
                                tr("Import Draw History for %1").arg(GameCatalogue::game(gameId).name),
                                folder,
                                tr("Draw histories (*.csv *.txt);;All files (*)"));
}

void HistoryImport::run(const QString& sourcePath)
{
    m_label->setText(tr("Importing %1 into the %2 history")
                         .arg(QFileInfo(sourcePath).fileName(), GameCatalogue::game(m_gameId).name));
    m_running = true;
    m_cancel = false;
    // Progress is drawn, and Cancel heard, each time the import reports.
    const auto progress = [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
        QCoreApplication::processEvents();
    };
    const auto confirm = [this](const QString& question) { return Prompt::confirmDestructive(this, question); };
    QString error;
    const auto summary =
        DrawImport::importFile(sourcePath, m_historyPath, m_gameId, confirm, progress, &m_cancel, &error);
    m_running = false;
    if (!summary)
        Prompt::warn(this, error);
    else if (summary->cancelled)
        Prompt::inform(this, tr("The import was cancelled. The draw history was not changed."));
    else
        Prompt::inform(this, DrawImport::summaryText(*summary));
    close();
}

bool HistoryImport::canClose()
{
    if (m_running)
        m_cancel = true;
    return !m_running;
}
