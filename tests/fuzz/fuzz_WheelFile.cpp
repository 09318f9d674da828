// Fuzz target for wheel pattern files: the input becomes a pattern file, a line size, a group and a
// number of lines. Every line read is made of group members, masks have exactly a line's bits
// inside the group, the reader ends on any text, and a line written as positions reads back as the
// same positions.
#include "FuzzSupport.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <QBuffer>

#include <algorithm>
#include <bit>
#include <vector>

namespace
{
void checkMasks(const QByteArray& text, int lineSize, int balls, int lines)
{
    QBuffer device;
    device.setData(text);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
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

void checkLines(const QByteArray& text, int lineSize, int groupSize)
{
    std::vector<int> group;
    for (int i = 1; i <= groupSize; ++i)
        group.push_back(2 * i + 1);
    QBuffer device;
    device.setData(text);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
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

void checkRoundTrip(uint32_t mask)
{
    mask &= (uint32_t{1} << WheelFile::MaxPosition) - 1;
    while (std::popcount(mask) > WheelFile::MaxLineSize)
        mask &= mask - 1;
    if (mask == 0)
        return;
    QBuffer device;
    device.setData((WheelProof::positionsText(mask) + QLatin1String("\r\n")).toLatin1());
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
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
    checkRoundTrip(mask);
    return 0;
}
