// LoopbackHttpServer: a small real HTTP/1.1 server on 127.0.0.1 for the downloader's tests. Each
// path gets a canned answer: a plain body, the same sent in chunks without a length, a body
// trickling in a byte at a time, a redirect, or silence (the connection is accepted and never
// answered).
#pragma once

#include <QHostAddress>
#include <QNetworkProxy>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <map>

class LoopbackHttpServer
{
public:
    enum class Mode
    {
        Plain,   // status, Content-Length and the whole body
        Chunked, // Transfer-Encoding: chunked, no length
        Silent,  // never answers
        Trickle, // the full length announced, then one byte every 20 ms
    };

    struct Answer
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Plain;
        QByteArray location; // sent as Location when set
    };

    LoopbackHttpServer()
    {
        // A proxy set up on the machine must not stand between the tests and this server.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        if (!m_server.listen(QHostAddress::LocalHost))
            qFatal("the loopback server cannot listen: %s", qPrintable(m_server.errorString()));
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                accept(socket);
        });
    }

    void serve(const QString& path, const Answer& answer)
    {
        m_answers[path] = answer;
    }

    QUrl address(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    // http://127.0.0.1:<port>/dwnld/
    QUrl base() const
    {
        return address(QStringLiteral("/dwnld/"));
    }

    // Paths requested so far, in order.
    QStringList requests;

private:
    void accept(QTcpSocket* socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray& pending = m_pending[socket];
            pending += socket->readAll();
            if (!pending.contains("\r\n\r\n"))
                return;
            const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
            m_pending.erase(socket);
            const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
            requests << path;
            const auto it = m_answers.find(path);
            answer(socket, it == m_answers.end() ? Answer{404, "<html><body>Not Found</body></html>", Mode::Plain, {}} : it->second);
        });
    }

    static QByteArray reason(int status)
    {
        return status == 200 ? "OK" : status == 302 ? "Found" : status == 404 ? "Not Found" : "Status";
    }

    static void answer(QTcpSocket* socket, const Answer& a)
    {
        if (a.mode == Mode::Silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + reason(a.status) + "\r\n"
                          + "Connection: close\r\nContent-Type: application/octet-stream\r\n";
        if (!a.location.isEmpty())
            head += "Location: " + a.location + "\r\n";
        if (a.mode == Mode::Chunked) {
            socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
            for (qsizetype at = 0; at < a.body.size(); at += 1000) {
                const QByteArray piece = a.body.mid(at, 1000);
                socket->write(QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n");
            }
            socket->write("0\r\n\r\n");
        } else {
            socket->write(head + "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n\r\n");
            if (a.mode == Mode::Trickle) {
                auto* drip = new QTimer(socket);
                QObject::connect(drip, &QTimer::timeout, socket, [socket, body = a.body, at = qsizetype(0)]() mutable {
                    if (at < body.size())
                        socket->write(body.mid(at++, 1));
                });
                drip->start(20);
                return;
            }
            socket->write(a.body);
        }
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    std::map<QString, Answer> m_answers;
    std::map<QTcpSocket*, QByteArray> m_pending;
};
