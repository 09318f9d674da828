#include "ResultsDownload.h"

#include "AppFolder.h"
#include "DownloadServer.h"
#include "DownloadTexts.h"
#include "DownloadedHistory.h"
#include "GameCatalogue.h"
#include "WholeFile.h"

#include <algorithm>

ResultsDownload::ResultsDownload(ResultsTransfer& transfer, Questions& questions, QObject* parent)
    : QObject(parent)
    , m_transfer(transfer)
    , m_questions(questions)
{
    connect(&m_transfer, &ResultsTransfer::statusChanged, this, [this](int code) {
        if (m_running)
            emit statusChanged(DownloadTexts::transferStatus(code));
    });
    connect(&m_transfer, &ResultsTransfer::progressed, this, [this](qint64 received, qint64 total) {
        if (m_running)
            emit progressChanged(total > 0 ? static_cast<int>(std::min<qint64>(100, received * 100 / total)) : -1);
    });
    connect(&m_transfer, &ResultsTransfer::finished, this, &ResultsDownload::transferFinished);
}

bool ResultsDownload::start(const QString& appFolder,
                            const QUrl& base,
                            std::vector<int> gameIds,
                            bool checkBeforeOverwriting)
{
    if (m_running)
        return false;
    std::erase_if(gameIds, [](int id) { return !GameCatalogue::isValidGame(id); });
    if (gameIds.empty()) {
        m_questions.warn(DownloadTexts::nothingSelected());
        return false;
    }
    m_appFolder = appFolder;
    m_base = base;
    m_games = std::move(gameIds);
    m_next = 0;
    m_checkBeforeOverwriting = checkBeforeOverwriting;
    m_failed = false;
    m_running = true;
    emit detailChanged({});
    beginGame();
    return true;
}

void ResultsDownload::cancel()
{
    if (m_running)
        m_transfer.cancel();
}

bool ResultsDownload::isRunning() const
{
    return m_running;
}

QString ResultsDownload::historyPath() const
{
    // The game's own file: nothing in the answer or the address chooses where bytes go.
    return AppFolder::pathOf(m_appFolder, GameCatalogue::game(m_gameId).resultsFile);
}

void ResultsDownload::beginGame()
{
    m_gameId = m_games[m_next];
    m_localCount = ResultsFile::readCount(historyPath()).value_or(0);
    emit progressChanged(0);
    emit downloadingChanged(DownloadTexts::downloading(m_gameId));
    m_transfer.start(DownloadServer::fileAddress(m_base, GameCatalogue::game(m_gameId).resultsFile));
}

void ResultsDownload::transferFinished(bool ok, const QByteArray& body, const QString& error)
{
    if (!m_running)
        return;
    if (!ok) {
        // An error page's bytes are no progress: a failed game's bar goes back to empty.
        emit progressChanged(0);
        failed(error);
        if (!m_questions.ask(DownloadTexts::failedQuestion(m_gameId), false))
            return end(DownloadTexts::stoppedAfterFailure());
        return nextGame();
    }
    emit progressChanged(100);
    if (!replace(body))
        return end(DownloadTexts::stoppedAfterCorrupt());
    nextGame();
}

bool ResultsDownload::replace(const QByteArray& body)
{
    QString reason;
    const auto history = DownloadedHistory::verify(body, m_gameId, &reason);
    if (!history) {
        failed(reason);
        return m_questions.ask(DownloadTexts::corruptQuestion(m_gameId), false);
    }
    if (m_checkBeforeOverwriting) {
        const DrawRecord& newest = history->newest;
        const QString question = m_localCount > history->count
                                     ? DownloadTexts::moreResultsQuestion(m_gameId)
                                     : DownloadTexts::replaceQuestion(m_gameId, newest.day, newest.month, newest.year);
        if (!m_questions.ask(question, true)) {
            emit statusChanged(DownloadTexts::cancelledUpdate(m_gameId));
            return true;
        }
    }
    QString error;
    if (!WholeFile::write(historyPath(), body, &error)) {
        failed(error);
        m_questions.warn(error);
    }
    return true;
}

void ResultsDownload::failed(const QString& reason)
{
    m_failed = true;
    emit detailChanged(DownloadTexts::messageName(m_gameId) + QStringLiteral(": ") + reason);
}

void ResultsDownload::nextGame()
{
    if (++m_next < m_games.size()) {
        // Later, so the finished transfer has fully unwound before the next one starts.
        QMetaObject::invokeMethod(this, &ResultsDownload::beginGame, Qt::QueuedConnection);
        return;
    }
    end(m_failed ? DownloadTexts::someFailed() : DownloadTexts::allDownloaded());
}

void ResultsDownload::end(const QString& status)
{
    m_running = false;
    emit statusChanged(status);
    emit finished();
}
