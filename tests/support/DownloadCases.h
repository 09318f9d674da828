// DownloadCases: the columns of a download test row, shared by the logic and window tests: what
// the loopback server answers, how the player answers, and what must come of it.
#pragma once

#include "LoopbackHttpServer.h"

#include <QTest>

Q_DECLARE_METATYPE(LoopbackHttpServer::Mode)

inline void addDownloadColumns()
{
    QTest::addColumn<int>("status");                    // the server's HTTP status
    QTest::addColumn<LoopbackHttpServer::Mode>("mode"); // how it sends the body
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("checkBefore");      // "Check Before Overwriting"
    QTest::addColumn<QList<bool>>("answers");   // the player's Yes/No answers
    QTest::addColumn<QStringList>("questions"); // the questions that must be asked
    QTest::addColumn<bool>("replaced");         // the history becomes the body
    QTest::addColumn<QString>("finalStatus");
}

struct DownloadCase
{
    LoopbackHttpServer::Answer answer;
    bool checkBefore = true;
    QList<bool> answers;
    QStringList questions;
    bool replaced = false;
    QString finalStatus;
};

// The current row, as QFETCH would read its columns one by one.
inline DownloadCase fetchDownloadCase()
{
    const auto get = [](const char* column, auto* out) {
        using T = std::remove_pointer_t<decltype(out)>;
        *out = *static_cast<T*>(QTest::qData(column, qMetaTypeId<T>()));
    };
    DownloadCase c;
    get("status", &c.answer.status);
    get("mode", &c.answer.mode);
    get("body", &c.answer.body);
    get("checkBefore", &c.checkBefore);
    get("answers", &c.answers);
    get("questions", &c.questions);
    get("replaced", &c.replaced);
    get("finalStatus", &c.finalStatus);
    return c;
}
