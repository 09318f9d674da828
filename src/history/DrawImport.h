// DrawImport: fills a game's history from a draw-history file, either in the lottery operator's
// published layout ("PRODUCT","DRAW NUMBER","SEQUENCE NUMBER","DRAW DATE","NUMBER DRAWN 1".. ,
// "BONUS NUMBER") or as plain rows of date, numbers and bonus. Rows are checked one by one against
// the game's rules on their own date, merged in date order exactly as adding each draw by hand
// would store it, and written in one go. The operator's rows of extra prize draws (a SEQUENCE
// NUMBER above 0, such as Lotto Max's MaxMillions) are no draws of the game: they are counted apart.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace DrawImport
{
// The largest file read: many times any real history, small enough to hold in memory.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// How many refused rows and conflicts the summary names.
constexpr int ProblemsNamed = 5;

struct Problem
{
    int line = 0;
    QString reason;
};

struct ImportedDraw
{
    int line = 0;
    int day = 0;
    int month = 0;
    int year = 0;
    std::array<int16_t, 7> numbers{}; // ascending; the seventh is 0 in 6/49 games
    int16_t bonus = 0;
};

struct Parsed
{
    std::vector<ImportedDraw> draws;
    int refused = 0;
    std::vector<Problem> firstRefused;
    int extraDraws = 0; // rows of extra prize draws, skipped
    // Every row names the game's own product: the file says it is this game's history.
    bool ownProduct = false;
};

struct Summary
{
    int added = 0;
    int alreadyPresent = 0;
    int conflicts = 0;
    int refused = 0;
    int extraDraws = 0;
    std::vector<Problem> firstRefused;
    std::vector<Problem> firstConflicts;
    bool cancelled = false;
};

struct Merged
{
    QByteArray history; // the new file, byte for byte
    Summary summary;
};

// Called now and then with the work done so far out of the total.
using Progress = std::function<void(int done, int total)>;
// Asks the player a question before the import goes on; true for Yes.
using Confirm = std::function<bool(const QString& question)>;

// The whole text of a draw-history file, refused when larger than MaxFileSize.
std::optional<QByteArray> readSource(const QString& path, QString* error = nullptr);

// Reads the rows of a file for the game. nullopt and error when the file as a whole is not a draw
// history of the game (an unknown layout, draws of another size, or rows whose product is another
// game's); empty when cancelled.
std::optional<Parsed> parse(const QByteArray& text,
                            int gameId,
                            const Progress& progress = {},
                            const bool* cancel = nullptr,
                            QString* error = nullptr);

// Adds the parsed draws to the history bytes. A draw already stored is skipped; a different draw
// on a stored date is a conflict and the stored draw stays. nullopt and error when the history
// would outgrow a file; summary.cancelled when cancel was set.
std::optional<Merged> merge(const QByteArray& history,
                            const Parsed& parsed,
                            int gameId,
                            const Progress& progress = {},
                            const bool* cancel = nullptr,
                            QString* error = nullptr);

// Imports a file into the history file at historyPath: the history is written once, and only when
// a draw was added and the import was not cancelled. A file that does not name the game's own
// product (a plain file, or a product the program does not know) is imported only when confirm
// answers Yes to importQuestion; No ends it as cancelled.
std::optional<Summary> importFile(const QString& sourcePath,
                                  const QString& historyPath,
                                  int gameId,
                                  const Confirm& confirm,
                                  const Progress& progress = {},
                                  const bool* cancel = nullptr,
                                  QString* error = nullptr);

// "Import 120 draws into Ontario 6/49?"
QString importQuestion(int draws, int gameId);

// The summary as the player reads it: the four counts (and the extra prize draws skipped, if any),
// then the first refused rows and conflicts.
QString summaryText(const Summary& summary);
} // namespace DrawImport
