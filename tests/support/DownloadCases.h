// DownloadCases: the columns of a download test row, shared by the logic and window tests: what
// the loopback server answers, how the player answers, and what must come of it, with the
// downloader's questions and final statuses for National 6/49 as the player reads them.
#pragma once

#include "LoopbackHttpServer.h"

#include <QTest>

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
    QTest::addColumn<QString>("reason"); // why the game failed, shown beside the status; "" when it did not
}

struct DownloadCase
{
    LoopbackHttpServer::Answer answer;
    bool checkBefore = true;
    QList<bool> answers;
    QStringList questions;
    bool replaced = false;
    QString finalStatus;
    QString reason;
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
    get("reason", &c.reason);
    return c;
}

namespace DownloadMessages
{
inline const QString replaceNational =
    QStringLiteral("Do you want to replace your current results for National 6/49 with those up to 23/9/2026");
inline const QString failedNational = QStringLiteral(
    "The download failed or was cancelled for National 6/49 Do you want to continue downloading the other results?");
inline const QString corruptNational =
    QStringLiteral("The download was corrupt for National 6/49 Do you want to continue downloading the other results?");
inline const QString allDone = QStringLiteral("All Selected Results Downloaded Successfully.");
inline const QString someFailed = QStringLiteral("Some Selected Results Failed to Download.");
inline const QString stoppedFailed =
    QStringLiteral("Download Failed or Was Cancelled. Some results may not have been updated.");
inline const QString stoppedCorrupt = QStringLiteral("Download Failed. Some results may not have been updated.");
} // namespace DownloadMessages
