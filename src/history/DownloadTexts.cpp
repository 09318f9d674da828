#include "DownloadTexts.h"

#include "GameCatalogue.h"

#include <array>

namespace
{
const QString continueQuestion = QStringLiteral(" Do you want to continue downloading the other results?");
}

namespace DownloadTexts
{
QString messageName(int gameId)
{
    static const std::array<const char*, GameCatalogue::LastGame> names{
        "National 6/49", "Super 7", "Western", "BC", "Quebec", "Ontario", "Atlantic", "Lotto Max"};
    return GameCatalogue::isValidGame(gameId) ? QString::fromLatin1(names[gameId - 1]) : QString();
}

QString downloading(int gameId)
{
    return QStringLiteral("Downloading ") + messageName(gameId);
}

QString transferStatus(int code)
{
    static const std::array<const char*, 13> texts{
        "No state to report",
        "Looking up the IP address of the specified host computer",
        "Successfully found the IP address of the specified host computer",
        "Connecting to the host computer",
        "Successfully connected to the host computer",
        "Sending a request to the host computer",
        "Successfully sent the request",
        "Receiving a response from the host computer",
        "Successfully received a response from the host computer",
        "Disconnection from the host computer",
        "Successfully disconnected from the host computer",
        "An error occured in communicating with the host computer",
        "The request has completed and all data has been received",
    };
    if (code < 0 || code >= static_cast<int>(texts.size()))
        return QStringLiteral("Unknown state: ") + QString::number(code);
    return QString::fromLatin1(texts[code]);
}

QString nothingSelected()
{
    return QStringLiteral("Nothing selected for download!");
}

QString failedQuestion(int gameId)
{
    return QStringLiteral("The download failed or was cancelled for ") + messageName(gameId) + continueQuestion;
}

QString corruptQuestion(int gameId)
{
    return QStringLiteral("The download was corrupt for ") + messageName(gameId) + continueQuestion;
}

QString moreResultsQuestion(int gameId)
{
    return QStringLiteral("You seem to have more results in your history file for ") + messageName(gameId)
           + QStringLiteral(" than the downloaded ones. Do you still want to overwrite your current result history "
                            "with the downloaded result history.");
}

QString replaceQuestion(int gameId, int day, int month, int year)
{
    return QStringLiteral("Do you want to replace your current results for %1 with those up to %2/%3/%4")
        .arg(messageName(gameId))
        .arg(day)
        .arg(month)
        .arg(year);
}

QString cancelledUpdate(int gameId)
{
    return QStringLiteral("You cancelled the update for ") + messageName(gameId);
}

QString stoppedAfterFailure()
{
    return QStringLiteral("Download Failed or Was Cancelled. Some results may not have been updated.");
}

QString stoppedAfterCorrupt()
{
    return QStringLiteral("Download Failed. Some results may not have been updated.");
}

QString someFailed()
{
    return QStringLiteral("Some Selected Results Failed to Download.");
}

QString allDownloaded()
{
    return QStringLiteral("All Selected Results Downloaded Successfully.");
}
} // namespace DownloadTexts
