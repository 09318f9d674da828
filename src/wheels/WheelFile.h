// WheelFile: reads a wheel pattern file, one text line per entry line, each position pointing into
// the player's sorted group. The builders map each line onto the group while they save a wheel;
// the tests and tools read the same lines through here so they prove what the builders will use.
#pragma once

#include <QIODevice>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

enum class PatternStatus
{
    Ok,
    Corrupt,     // a position reads as 0 or points past the group
    ReadFailure, // no further line, or a position below 0 or above 24
};

struct PatternLine
{
    PatternStatus status = PatternStatus::ReadFailure;
    std::array<int, 7> numbers{}; // the first lineSize entries are the entry line, in pattern order
    int failedPosition = 0;       // 1-based field that failed; 0 when the line itself is missing
};

class WheelFile
{
public:
    // The builders hold 24 ball boxes, so no position can be larger.
    static constexpr int MaxPosition = 24;
    static constexpr int MaxLineSize = 7;

    // The device must be open for reading; it is read from its current position.
    explicit WheelFile(QIODevice& device);

    // Reads the next text field and turns its lineSize positions into numbers of sortedGroup
    // (ascending, sortedGroup[0] is position 1). A position between the group's size and 24 is
    // corrupt: it would put an empty ball box, 0, into a saved line.
    PatternLine ReadPatternLine(int lineSize, std::span<const int> sortedGroup);

    // True when no further text remains to be read.
    bool atEnd() const;

    // Reads the first `lines` lines of a wheel's pattern file as bit masks (position p is bit p-1),
    // checking that the positions of each line are strictly ascending. The error names the line.
    static std::optional<std::vector<uint32_t>>
    readLineMasks(QIODevice& device, int lineSize, int balls, int lines, QString* error = nullptr);
    static std::optional<std::vector<uint32_t>>
    readLineMasks(const QString& path, int lineSize, int balls, int lines, QString* error = nullptr);

private:
    std::optional<QString> nextField();

    QIODevice& m_device;
    QString m_rest; // text of the current line after a comma, read by the next field
    bool m_hasRest = false;
};
