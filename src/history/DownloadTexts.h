// DownloadTexts: every message and status text of the results downloader, in one place, with the
// short game names its messages use.
#pragma once

#include <QString>

namespace DownloadTexts
{
// "National 6/49", "Super 7", "Western", "BC", "Quebec", "Ontario", "Atlantic", "Lotto Max".
QString messageName(int gameId);
// "Downloading " and the game's message name.
QString downloading(int gameId);

// The status shown for a state the transfer reports (codes of TransferStatus).
QString transferStatus(int code);

QString nothingSelected();
QString failedQuestion(int gameId);
QString corruptQuestion(int gameId);
QString moreResultsQuestion(int gameId);
// The date of the newest downloaded draw is written d/m/yyyy.
QString replaceQuestion(int gameId, int day, int month, int year);
QString cancelledUpdate(int gameId);

// The endings of a download run.
QString stoppedAfterFailure(); // a failed transfer, and the player stopped the run
QString stoppedAfterCorrupt(); // a corrupt history, and the player stopped the run
QString someFailed();
QString allDownloaded();
} // namespace DownloadTexts
