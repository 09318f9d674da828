// DownloadedHistory: the check a downloaded history must pass before it may replace the player's
// file. Every record is read, so an error page, a truncated body or one damaged record deep inside
// is refused, not only a body whose first number looks wrong.
#pragma once

#include "DrawRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace DownloadedHistory
{
struct Accepted
{
    int count = 0;
    DrawRecord newest; // the last draw, named in the replacement question
};

// The history when the body is one for the game; otherwise nullopt and, in reason, what is wrong.
std::optional<Accepted> verify(const QByteArray& body, int gameId, QString* reason = nullptr);
} // namespace DownloadedHistory
