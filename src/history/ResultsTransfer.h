// ResultsTransfer: fetches one history file into memory and reports how the transfer goes in the
// downloader's own terms. The download run talks only to this interface; NetworkTransfer is the
// real one.
#pragma once

#include "DrawRecord.h"
#include "ResultsFile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

// The states shown in the downloader's status frame; the values are their codes.
enum class TransferStatus : int
{
    NoState = 0,
    LookingUp = 1,
    Connecting = 3,
    Sending = 5,
    Sent = 6,
    Receiving = 7,
    Error = 11,
    Completed = 12,
};

class ResultsTransfer : public QObject
{
    Q_OBJECT

public:
    // The largest body accepted: a history file holding the most draws a file can hold.
    static constexpr qint64 MaxBody = qint64(ResultsFile::MaxDraws) * DrawRecord::Size;

    using QObject::QObject;

    // Starts fetching; a transfer still running is dropped first. The outcome comes by finished().
    virtual void start(const QUrl& url) = 0;
    // Stops the running transfer; finished() follows with ok false and no error status.
    virtual void cancel() = 0;

signals:
    void statusChanged(int code);
    // total is -1 while the server has not said how long the body is.
    void progressed(qint64 received, qint64 total);
    // The body is complete only when ok; error says why not.
    void finished(bool ok, const QByteArray& body, const QString& error);
};
