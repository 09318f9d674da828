// SuggestLines: computer-suggested entry lines. Position p of a line is the p-th main number of a
// randomly chosen past draw, so each position follows its spread in the history; a candidate is
// dropped when it repeats a number or shares too many numbers with a line already present.
// The caller owns the writing (each line is stored before the next is made) and the event loop.
#pragma once

#include "DrawRecord.h"
#include "EntryFile.h"
#include "RandomSource.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

enum class SuggestMode
{
    Total,     // make lines until the shown count reaches the number asked for
    Additional // make that many lines
};

struct SuggestRequest
{
    SuggestRequest(int gameId, double wanted, SuggestMode mode, int shownCount, const QDate& rulesDate)
        : gameId(gameId)
        , wanted(wanted)
        , mode(mode)
        , shownCount(shownCount)
        , rulesDate(rulesDate)
    {
    }

    int gameId;
    double wanted; // the number typed in the "Enter No" box (its leading value)
    SuggestMode mode;
    int shownCount; // lines the main window's count box shows
    // Lines keep to the numbers the game draws on this date (today); a null date, like any invalid
    // date, takes the game's newest rules.
    QDate rulesDate;
};

enum class SuggestEnd
{
    Refused,    // nothing was made; message says why
    Completed,  // every line asked for was made
    Cancelled,  // the user stopped the run; the lines made stay
    Exhausted,  // no further acceptable line turned up in a bounded number of attempts
    WriteFailed // storing a line failed; message holds the reason
};

struct SuggestOutcome
{
    SuggestEnd end = SuggestEnd::Refused;
    int added = 0;
    QString message; // empty for Completed and Cancelled
};

namespace Suggest
{
constexpr int MinimumDraws = 20;
constexpr int AdditionalLimit = 2500;
// While existing lines + wanted stay below this, a new line shares at most NarrowOverlap numbers
// with each line present; from there on at most WideOverlap.
constexpr int OverlapThreshold = 52;
constexpr int NarrowOverlap = 2;
constexpr int WideOverlap = 4;
// Failed candidates allowed for one line before the run gives up, and how often the caller's
// yield hook runs between candidates.
constexpr int MaxFailedAttempts = 200000;
constexpr int AttemptsPerYield = 4096;

// Stores one line; false (with the reason in error) stops the run.
using AppendLine = std::function<bool(const EntryNumbers&, QString* error)>;
// Lets the window process events; returns true when the user asked to stop.
using YieldHook = std::function<bool()>;

// Refusal texts, shown before anything is made.
QString noNumberText();
QString alreadyHaveText();
QString limitText();
QString tooFewDrawsText();
} // namespace Suggest

// existing: the lines of the entry file now (slot 6 is 0 for 6/49 lines). The random source is
// seeded once by the caller for the whole run.
SuggestOutcome SuggestLines(const std::vector<EntryNumbers>& existing,
                            const std::vector<DrawRecord>& draws,
                            const SuggestRequest& request,
                            RandomSource& random,
                            const Suggest::AppendLine& append,
                            const Suggest::YieldHook& yield);
