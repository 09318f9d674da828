// NetworkTransfer: a ResultsTransfer over the program's QNetworkAccessManager. http and https
// (certificates verified), a few redirects but never from https down to http, a time limit while
// nothing moves, a deadline for the whole file, and no body larger than a full history file.
#pragma once

#include "ResultsTransfer.h"

#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

class NetworkTransfer : public ResultsTransfer
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 30000;
    // A server that keeps sending a byte now and then never falls silent; this ends it.
    static constexpr int DefaultDeadlineMs = 10 * 60 * 1000;
    static constexpr int MaxRedirects = 5;
    // What the reply may hold unread: the network waits while it is full, so an endless body
    // costs no more memory than the body kept.
    static constexpr qint64 ReadBufferSize = 64 * 1024;

    explicit NetworkTransfer(QNetworkAccessManager& network,
                             int timeoutMs = DefaultTimeoutMs,
                             int deadlineMs = DefaultDeadlineMs,
                             QObject* parent = nullptr);
    ~NetworkTransfer() override;

    void start(const QUrl& url) override;
    void cancel() override;

private:
    // Stops watching the current reply and hands it over; it deletes itself later.
    QNetworkReply* takeReply();
    void drop();
    void readBody();
    void refuse(const QString& reason);
    void finish();

    QNetworkAccessManager& m_network;
    int m_timeoutMs;
    QPointer<QNetworkReply> m_reply;
    // Restarted whenever something moves, across redirects too (Qt's own transfer timeout does
    // not follow a redirect).
    QTimer m_silence;
    QTimer m_deadline;
    QByteArray m_body;
    QString m_refusal;
    bool m_cancelled = false;
    bool m_receiving = false;
};
