// Fuzz target for wheel pattern files: the input becomes a pattern file, a line size, a group and a
// number of lines. Line masks have exactly a line's bits, within the group, and a saved wheel set
// holds exactly its lines, each made of the group, or says why it could not be built.
#include "FuzzSupport.h"
#include "WheelEntrySet.h"
#include "WheelFile.h"

#include <QBuffer>

#include <bit>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in{data, size};
    const int lineSize = in.between(0, 8);
    const int balls = in.between(0, 26);
    const int lines = in.between(-1, 40);
    std::vector<int> group(in.between(0, 26)); // 3, 5, 7 ...: room for a wrong position between members
    for (size_t i = 0; i < group.size(); ++i)
        group[i] = 2 * static_cast<int>(i) + 3;
    const auto member = [&](int n) { return std::binary_search(group.begin(), group.end(), n); };
    in.take(4);
    QBuffer device;
    device.setData(in.rest());
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
    QString error;
    const auto masks = WheelFile::readLineMasks(device, lineSize, balls, lines, &error);
    FUZZ_CHECK(masks ? masks->size() == static_cast<size_t>(std::max(lines, 0)) : !error.isEmpty());
    for (uint32_t mask : masks.value_or(std::vector<uint32_t>()))
        FUZZ_CHECK(std::popcount(mask) == lineSize && (mask >> balls) == 0);

    device.seek(0);
    WheelEntrySet::Failure failure{};
    const std::optional<QByteArray> set = WheelEntrySet::build(device, lineSize, group, lines, &failure, &error);
    FUZZ_CHECK(set || (!error.isEmpty() && !WheelEntrySet::failureMessage(failure).isEmpty()));
    FUZZ_CHECK(!set
               || (set->size() == qsizetype(lines) * EntryFile::RecordLength && linesOf(*set).size() == size_t(lines)));
    for (const EntryNumbers& line : linesOf(set.value_or(QByteArray())))
        FUZZ_CHECK(std::all_of(line.begin(), line.begin() + lineSize, member)
                   && std::all_of(line.begin() + lineSize, line.end(), [](int n) { return n == 0; }));
    return 0;
}
