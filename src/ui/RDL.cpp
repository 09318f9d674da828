#include "RDL.h"

#include "DownloadServer.h"
#include "GameCatalogue.h"
#include "Prompt.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// A group box holding one widget: the window's "Downloading", "Status" and "Progress" frames.
QGroupBox* frame(const QString& title, const QString& objectName, QWidget* content, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(objectName);
    auto* layout = new QVBoxLayout(group);
    content->setParent(group);
    layout->addWidget(content);
    return group;
}

QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    return b;
}
} // namespace

RDL::RDL(const QString& appFolder, QWidget* parent)
    : ChildWindow(parent)
    , m_appFolder(appFolder)
    , m_transfer(m_network)
    , m_download(m_transfer, *this)
{
    setObjectName(QStringLiteral("RDL"));
    setWindowTitle(tr("Results Downloader"));
    auto* column = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    column->setMenuBar(bar);
    buildMenus(bar);

    auto* gamesGroup = new QGroupBox(tr("Select/Deselect Result(s) To Be Downloaded"), this);
    gamesGroup->setObjectName(QStringLiteral("gamesGroup"));
    auto* grid = new QGridLayout(gamesGroup);
    for (int id = GameCatalogue::National; id <= GameCatalogue::LastGame; ++id) {
        auto* box = new QCheckBox(GameCatalogue::game(id).name, gamesGroup);
        box->setObjectName(QStringLiteral("gameCheckBox%1").arg(id));
        box->setChecked(id == GameCatalogue::National || id == GameCatalogue::Super7);
        grid->addWidget(box, (id - 1) / 2, (id - 1) % 2);
        m_games[id - 1] = box;
    }
    column->addWidget(gamesGroup);

    m_modem = new QCheckBox(tr("Disconnect Dial Modem when done"), this);
    m_modem->setObjectName(QStringLiteral("modemCheckBox"));
    // There is no dial-up on this platform: the connection check always finds the facility missing,
    // so the box is never offered.
    m_modem->hide();
    column->addWidget(m_modem);

    m_downloading = new QLineEdit;
    m_downloading->setObjectName(QStringLiteral("downloadingEdit"));
    m_downloading->setReadOnly(true);
    column->addWidget(frame(tr("Downloading"), QStringLiteral("downloadingGroup"), m_downloading, this));
    // The status texts are the transfer's own; the reason under them says what went wrong.
    auto* statusBox = new QWidget;
    auto* statusColumn = new QVBoxLayout(statusBox);
    statusColumn->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(statusBox);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_reason = new QLabel(statusBox);
    m_reason->setObjectName(QStringLiteral("reasonLabel"));
    for (QLabel* label : {m_status, m_reason}) {
        label->setWordWrap(true);
        label->setMinimumWidth(360);
        statusColumn->addWidget(label);
    }
    column->addWidget(frame(tr("Status"), QStringLiteral("statusGroup"), statusBox, this));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("downloadProgressBar"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    column->addWidget(frame(tr("Progress"), QStringLiteral("progressGroup"), m_progress, this));

    auto* buttons = new QHBoxLayout;
    m_downloadButton = button(tr("Download Results"), QStringLiteral("downloadButton"), this);
    m_downloadButton->setDefault(true);
    m_cancelButton = button(tr("Cancel"), QStringLiteral("cancelButton"), this);
    m_cancelButton->setEnabled(false);
    m_closeButton = button(tr("Close"), QStringLiteral("closeButton"), this);
    for (QPushButton* b : {m_downloadButton, m_cancelButton, m_closeButton})
        buttons->addWidget(b);
    column->addLayout(buttons);

    connect(m_downloadButton, &QPushButton::clicked, this, &RDL::downloadResults);
    connect(m_cancelButton, &QPushButton::clicked, &m_download, &ResultsDownload::cancel);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_download, &ResultsDownload::statusChanged, m_status, &QLabel::setText);
    connect(&m_download, &ResultsDownload::detailChanged, m_reason, &QLabel::setText);
    connect(&m_download, &ResultsDownload::downloadingChanged, m_downloading, &QLineEdit::setText);
    connect(&m_download, &ResultsDownload::progressChanged, this, &RDL::showProgress);
    connect(&m_download, &ResultsDownload::finished, this, [this] { setRunning(false); });
}

void RDL::buildMenus(QMenuBar* bar)
{
    QMenu* check = bar->addMenu(tr("&Check Before Overwriting"));
    check->setObjectName(QStringLiteral("mnuCheckBeforeOverwriting"));
    auto* answers = new QActionGroup(check);
    m_checkYes = check->addAction(tr("&Yes"));
    m_checkYes->setObjectName(QStringLiteral("actionCheckYes"));
    QAction* no = check->addAction(tr("&No"));
    no->setObjectName(QStringLiteral("actionCheckNo"));
    for (QAction* a : {m_checkYes, no}) {
        a->setCheckable(true);
        answers->addAction(a);
    }
    m_checkYes->setChecked(true);

    QMenu* server = bar->addMenu(tr("&Server"));
    server->setObjectName(QStringLiteral("mnuServer"));
    m_serverAddress = server->addAction(tr("&Change Server Address…"));
    m_serverAddress->setObjectName(QStringLiteral("actionChangeServerAddress"));
    connect(m_serverAddress, &QAction::triggered, this, &RDL::changeServerAddress);
}

bool RDL::canClose()
{
    return !m_download.isRunning();
}

void RDL::downloadResults()
{
    std::vector<int> games;
    for (int id = GameCatalogue::National; id <= GameCatalogue::LastGame; ++id) {
        if (m_games[id - 1]->isChecked())
            games.push_back(id);
    }
    QString error;
    auto base = DownloadServer::baseAddress(m_appFolder, &error);
    if (!base) {
        // A damaged download.ini must not send the player to a server they never chose.
        Prompt::warn(this, error);
        base = askServerAddress(QString::fromLatin1(DownloadServer::DefaultBaseAddress));
        if (!base)
            return;
    }
    setRunning(true);
    if (!m_download.start(m_appFolder, *base, games, m_checkYes->isChecked()))
        setRunning(false);
}

void RDL::changeServerAddress()
{
    const auto stored = DownloadServer::baseAddress(m_appFolder);
    askServerAddress(stored ? DownloadServer::addressText(*stored)
                            : QString::fromLatin1(DownloadServer::DefaultBaseAddress));
}

std::optional<QUrl> RDL::askServerAddress(QString text)
{
    // A refused address comes back as typed, to be corrected rather than typed again.
    for (;;) {
        text = Prompt::askText(this, tr("Web folder holding the history files (http:// or https://):"), text);
        if (text.isEmpty())
            return std::nullopt;
        QString error;
        if (DownloadServer::setBaseAddress(m_appFolder, text, &error))
            return DownloadServer::parseBaseAddress(text);
        Prompt::warn(this, error);
    }
}

void RDL::showProgress(int percent)
{
    // A server that gives no length still shows that bytes are arriving.
    if (percent < 0) {
        m_progress->setRange(0, 0);
        return;
    }
    m_progress->setRange(0, 100);
    m_progress->setValue(percent);
}

void RDL::setRunning(bool running)
{
    m_downloadButton->setEnabled(!running);
    m_closeButton->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_serverAddress->setEnabled(!running);
    if (!running && m_progress->maximum() == 0)
        showProgress(0);
}

bool RDL::ask(const QString& question, bool overwrites)
{
    if (overwrites)
        return Prompt::confirmDestructive(this, question);
    // Only a failure asks whether to go on; its reason helps the player decide.
    return Prompt::askYesNo(
        this, m_reason->text().isEmpty() ? question : question + QStringLiteral("\n\n") + m_reason->text());
}

void RDL::warn(const QString& message)
{
    Prompt::warn(this, message);
}
