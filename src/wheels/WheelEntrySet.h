// WheelEntrySet: a wheel saved as the game's entry set, every line of the wheel's pattern file mapped
// onto the player's sorted group. The whole pattern is read and checked before anything is asked or
// written, and the set is replaced in one write, so a save leaves either the complete new set or the
// old one untouched: a partial set would promise a guarantee its lines do not give.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace WheelEntrySet
{
enum class Failure
{
    Corrupt,   // a position reads as 0 or points past the group
    CannotRead // pattern missing or short, a position outside 0..24, or a file failure
};

enum class Outcome
{
    Saved,
    Declined, // the player kept the existing set
    Failed
};

struct SaveResult
{
    Outcome outcome;
    QString message; // "Done!", the failure's message, or "" when declined
};

// The set's bytes: one 28-byte record per line; each holds the line count at offset 0 and the line's
// numbers, in pattern order, from offset 12; every other byte is 0. The first `lines` pattern lines
// are used and must all be sound.
std::optional<QByteArray> build(QIODevice& pattern,
                                int lineSize,
                                std::span<const int> sortedGroup,
                                int lines,
                                Failure* failure = nullptr,
                                QString* detail = nullptr);
std::optional<QByteArray> build(const QString& patternPath,
                                int lineSize,
                                std::span<const int> sortedGroup,
                                int lines,
                                Failure* failure = nullptr,
                                QString* detail = nullptr);

// "Your wheel data file is corrupt" or "The wheel file cannot be found!".
QString failureMessage(Failure failure);

// Lines of the set saved at path; 0 when there is none. The file is not created.
std::optional<int> savedLines(const QString& setPath, QString* error = nullptr);

// "Save Wheel" once the group has been read: builds the set, asks confirmOverwrite when a set of
// this kind already holds lines, and writes it whole. A failed write keeps the old set. Every
// failure message names the file and the reason; a pattern file's failure is preceded by the
// wheel file's own message.
SaveResult save(const QString& patternPath,
                const QString& setPath,
                int lineSize,
                std::span<const int> sortedGroup,
                int lines,
                const std::function<bool()>& confirmOverwrite);
} // namespace WheelEntrySet
