// Fuzz target for wheel pattern files: the input becomes a pattern file, a line size, a group and a
// number of lines. Every line read is made of group members, masks have exactly a line's bits
// inside the group, the reader ends on any text, a line written as positions reads back as the
// same positions, and a saved wheel set holds exactly its lines, each made of the group.
#include "EntryDamage.h"
#include "EntryFile.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "WheelEntrySet.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace
{
void checkMasks(const QByteArray& text, int lineSize, int balls, int lines)
{
    QBuffer device;
    openForReading(device, text);
    QString error;
    const std::optional<std::vector<uint32_t>> masks = WheelFile::readLineMasks(device, lineSize, balls, lines, &error);
    if (!masks) {
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    FUZZ_CHECK(balls >= 1 && balls <= WheelFile::MaxPosition);
    FUZZ_CHECK(masks->size() == static_cast<size_t>(std::max(lines, 0)));
    for (uint32_t mask : *masks)
        FUZZ_CHECK(std::popcount(mask) == lineSize && (mask >> balls) == 0);
}

// The group 3, 5, 7 ...: ascending, with room for a wrong position to land between members.
std::vector<int> oddGroup(int size)
{
    std::vector<int> group;
    for (int i = 1; i <= size; ++i)
        group.push_back(2 * i + 1);
    return group;
}

void checkLines(const QByteArray& text, int lineSize, int groupSize)
{
    const std::vector<int> group = oddGroup(groupSize);
    QBuffer device;
    openForReading(device, text);
    WheelFile file(device);
    // Every field takes at least one character, so the text runs out within this many reads.
    for (qsizetype reads = 0; reads <= text.size() + 1 && !file.atEnd(); ++reads) {
        const PatternLine line = file.ReadPatternLine(lineSize, group);
        FUZZ_CHECK(line.failedPosition >= 0 && line.failedPosition <= lineSize);
        if (line.status == PatternStatus::Ok) {
            FUZZ_CHECK(line.failedPosition == 0);
            for (int j = 0; j < lineSize; ++j)
                FUZZ_CHECK(std::binary_search(group.begin(), group.end(), line.numbers[j]));
        } else if (line.status == PatternStatus::Corrupt) {
            FUZZ_CHECK(line.failedPosition >= 1);
        } else if (line.failedPosition == 0) {
            FUZZ_CHECK(file.atEnd()); // a missing line means the text is used up
        }
    }
    FUZZ_CHECK(file.atEnd());
}

// A wheel saved over the group: one record per line, every line's numbers read in
// pattern order, a set the damage check finds sound when the group fits the game.
void checkSavedSet(const QByteArray& text, int lineSize, int groupSize, int lines)
{
    const std::vector<int> group = oddGroup(groupSize);
    QBuffer device;
    openForReading(device, text);
    WheelEntrySet::Failure failure{};
    QString detail;
    const std::optional<QByteArray> set = WheelEntrySet::build(device, lineSize, group, lines, &failure, &detail);
    if (!set) {
        FUZZ_CHECK(!detail.isEmpty() && !WheelEntrySet::failureMessage(failure).isEmpty());
        return;
    }
    FUZZ_CHECK(lineSize >= 1 && lineSize <= WheelFile::MaxLineSize && lines >= 1);
    const RecordFile file(EntryFile::RecordLength, *set);
    FUZZ_CHECK(set->size() == qsizetype(lines) * EntryFile::RecordLength && EntryFile::lineCount(file) == lines);
    device.seek(0);
    WheelFile pattern(device);
    for (int k = 1; k <= lines; ++k) {
        const PatternLine line = pattern.ReadPatternLine(lineSize, group);
        const EntryNumbers stored = EntryFile::lineOf(file, k);
        for (int j = 0; j < WheelFile::MaxLineSize; ++j)
            FUZZ_CHECK(stored[j] == (j < lineSize ? line.numbers[j] : 0));
    }
    const int gameId = lineSize == 7 ? GameCatalogue::Super7 : GameCatalogue::National;
    if (lineSize == GameCatalogue::mainCount(gameId) && group.back() <= GameCatalogue::highestEver(gameId))
        FUZZ_CHECK(EntryDamage::describe(file, gameId, {}).isEmpty());
}

void checkRoundTrip(uint32_t mask)
{
    mask &= (uint32_t{1} << WheelFile::MaxPosition) - 1;
    while (std::popcount(mask) > WheelFile::MaxLineSize)
        mask &= mask - 1;
    if (mask == 0)
        return;
    QBuffer device;
    openForReading(device, (WheelProof::positionsText(mask) + QLatin1String("\r\n")).toLatin1());
    const auto masks = WheelFile::readLineMasks(device, std::popcount(mask), WheelFile::MaxPosition, 1);
    FUZZ_CHECK(masks && masks->size() == 1 && masks->front() == mask);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int lineSize = in.between(0, 8);
    const int balls = in.between(0, 26);
    const int lines = in.between(-1, 40);
    const int groupSize = in.between(0, 26);
    uint32_t mask = 0;
    for (int i = 0; i < 4; ++i)
        mask = (mask << 8) | in.byte();
    const QByteArray text = in.rest();

    checkMasks(text, lineSize, balls, lines);
    if (lineSize >= 1 && lineSize <= WheelFile::MaxLineSize)
        checkLines(text, lineSize, groupSize);
    checkSavedSet(text, lineSize, groupSize, lines);
    checkRoundTrip(mask);
    return 0;
}
