// ResultsDownload: one run of the results downloader over the selected games, in table order. A
// game's history is fetched into memory, checked whole, and written in one go only once it passed
// and the player agreed; every other ending leaves the player's file exactly as it was.
#pragma once

#include "ResultsTransfer.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <vector>

class ResultsDownload : public QObject
{
    Q_OBJECT

public:
    // How the run talks to the player; the window answers through its message boxes.
    class Questions
    {
    public:
        virtual ~Questions() = default;
        // overwrites: Yes replaces the player's history, so No should be the safe default.
        virtual bool ask(const QString& question, bool overwrites) = 0;
        virtual void warn(const QString& message) = 0;
    };

    ResultsDownload(ResultsTransfer& transfer, Questions& questions, QObject* parent = nullptr);

    // Starts a run over the games (GameIds, fetched in the order given); false, after telling the
    // player, when there is none.
    bool start(const QString& appFolder, const QUrl& base, std::vector<int> gameIds, bool checkBeforeOverwriting);
    // Stops the transfer under way; the run then asks whether to go on with the other games.
    void cancel();
    bool isRunning() const;

signals:
    void statusChanged(const QString& text);
    void downloadingChanged(const QString& text);
    // 0..100, or -1 while the server has not said how long the file is.
    void progressChanged(int percent);
    // Why the last transfer or check failed, with the game's name ("" when a run starts): the
    // status texts say only that it failed.
    void detailChanged(const QString& text);
    void finished();

private:
    void beginGame();
    void transferFinished(bool ok, const QByteArray& body, const QString& error);
    // False when the player stopped the whole run.
    bool replace(const QByteArray& body);
    void nextGame();
    void failed(const QString& reason);
    void end(const QString& status);
    QString historyPath() const;

    ResultsTransfer& m_transfer;
    Questions& m_questions;
    QString m_appFolder;
    QUrl m_base;
    std::vector<int> m_games;
    size_t m_next = 0;
    int m_gameId = 0;
    int m_localCount = 0;
    bool m_checkBeforeOverwriting = true;
    bool m_failed = false;
    bool m_running = false;
};
