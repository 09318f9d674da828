#include "NetworkTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace
{
QString tooLarge()
{
    return QStringLiteral("The file is too large: the server sent more than a history file can hold.");
}

QString silentText(int timeoutMs)
{
    return QStringLiteral("The server did not answer within %1 seconds.").arg(timeoutMs / 1000.0);
}

QString lateText(int deadlineMs)
{
    const QString time = deadlineMs < 60000 ? QStringLiteral("%1 seconds").arg(deadlineMs / 1000.0)
                                            : QStringLiteral("%1 minutes").arg(deadlineMs / 60000.0);
    return QStringLiteral("The server did not send the whole file within %1.").arg(time);
}

// Why a reply failed, in the player's words: the server's own answer when it gave one.
QString failureText(QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() < 400)
        return reply.errorString();
    const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    return QStringLiteral("The server replied %1.")
        .arg(QStringLiteral("%1 %2").arg(status.toInt()).arg(phrase).trimmed());
}
} // namespace

NetworkTransfer::NetworkTransfer(QNetworkAccessManager& network, int timeoutMs, int deadlineMs, QObject* parent)
    : ResultsTransfer(parent)
    , m_network(network)
    , m_timeoutMs(timeoutMs)
{
    m_silence.setSingleShot(true);
    m_silence.setInterval(timeoutMs);
    connect(&m_silence, &QTimer::timeout, this, [this] { refuse(silentText(m_timeoutMs)); });
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(deadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] { refuse(lateText(m_deadline.interval())); });
}

NetworkTransfer::~NetworkTransfer()
{
    drop();
}

QNetworkReply* NetworkTransfer::takeReply()
{
    m_silence.stop();
    m_deadline.stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    return reply;
}

void NetworkTransfer::drop()
{
    if (m_reply)
        takeReply()->abort();
}

void NetworkTransfer::start(const QUrl& url)
{
    drop();
    m_body.clear();
    m_refusal.clear();
    m_cancelled = false;
    m_receiving = false;

    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    emit statusChanged(static_cast<int>(TransferStatus::LookingUp));
    m_reply = m_network.get(request);
    QNetworkReply* reply = m_reply;
    reply->setReadBufferSize(ReadBufferSize);
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] {
        emit statusChanged(static_cast<int>(TransferStatus::Connecting));
    });
    connect(reply, &QNetworkReply::requestSent, this, [this] {
        emit statusChanged(static_cast<int>(TransferStatus::Sent));
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        // A redirect answer passes through here too; only the length of a body we keep matters.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxBody
            && !reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()) {
            refuse(tooLarge());
            return;
        }
        if (!m_receiving) {
            m_receiving = true;
            emit statusChanged(static_cast<int>(TransferStatus::Receiving));
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, &NetworkTransfer::readBody);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64, qint64 total) {
        // Chunked answers carry no length: the bytes actually held are the progress.
        emit progressed(m_body.size(), total > 0 ? total : -1);
    });
    connect(reply, &QNetworkReply::finished, this, &NetworkTransfer::finish);
    const auto restart = [this] { m_silence.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, this, restart);
    connect(reply, &QNetworkReply::readyRead, this, restart);
    connect(reply, &QNetworkReply::redirected, this, restart);
    m_silence.start();
    m_deadline.start();
}

void NetworkTransfer::cancel()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void NetworkTransfer::readBody()
{
    if (!m_reply)
        return;
    m_body += m_reply->read(MaxBody + 1 - m_body.size());
    if (m_body.size() > MaxBody)
        refuse(tooLarge());
}

void NetworkTransfer::refuse(const QString& reason)
{
    if (!m_reply || !m_refusal.isEmpty())
        return;
    m_refusal = reason;
    m_reply->abort();
}

void NetworkTransfer::finish()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = takeReply();
    if (reply->isOpen())
        m_body += reply->read(MaxBody + 1 - m_body.size());
    if (m_body.size() > MaxBody && m_refusal.isEmpty())
        m_refusal = tooLarge();

    const QByteArray body = std::exchange(m_body, {});
    if (reply->error() == QNetworkReply::NoError && m_refusal.isEmpty()) {
        emit statusChanged(static_cast<int>(TransferStatus::Completed));
        emit finished(true, body, {});
        return;
    }
    QString error = m_refusal;
    if (error.isEmpty() && reply->error() == QNetworkReply::OperationCanceledError && !m_cancelled)
        error = silentText(m_timeoutMs);
    if (error.isEmpty())
        error = m_cancelled ? QStringLiteral("The download was cancelled.") : failureText(*reply);
    // A cancelled transfer is the player's own doing, not a communication error.
    if (!m_cancelled)
        emit statusChanged(static_cast<int>(TransferStatus::Error));
    emit finished(false, {}, error);
}
