#include "AppState.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "SuggestNumbers.h"
#include "TestFiles.h"
#include "WheelCatalogue.h"
#include "WheelEntrySet.h"
#include "WheelGroup.h"
#include "WheelProof.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <set>

namespace
{
using Draws = std::vector<DrawRecord>;
const QList<int> NineBalls{3, 9, 17, 22, 30, 41, 45, 48, 49};

DrawRecord draw(std::array<int16_t, 7> numbers, int16_t bonus)
{
    DrawRecord r;
    r.numbers = numbers;
    r.bonus = bonus;
    return r;
}

// Reads a saved set back as bit masks over the group's positions; nothing when a record is not a
// wheel line: the line count, numbers of the group in ascending order, zeros everywhere else.
std::optional<std::vector<uint32_t>>
setMasks(const QByteArray& bytes, int lineSize, int lines, const std::vector<int>& group)
{
    if (bytes.size() != qsizetype(lines) * 28)
        return {};
    std::vector<uint32_t> masks;
    for (int r = 0; r < lines; ++r) {
        const QByteArray record = bytes.mid(qsizetype(r) * 28, 28);
        uint32_t mask = 0;
        for (int j = 0; j < lineSize; ++j) {
            const auto at = std::find(group.begin(), group.end(), RecordFile::get16(record, 12 + 2 * j));
            if (at == group.end() || (mask >> (at - group.begin())) != 0) // not the group's, or not ascending
                return {};
            mask |= uint32_t{1} << (at - group.begin());
        }
        QByteArray laidOut(28, '\0');
        RecordFile::put32(laidOut, 0, lines);
        laidOut.replace(12, 2 * lineSize, record.mid(12, 2 * lineSize));
        if (record != laidOut)
            return {};
        masks.push_back(mask);
    }
    return masks;
}
} // namespace

class tst_wheelentryset : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tally();
    void proposal();
    void readGroup();
    void savedSetKeepsTheGuarantee_data();
    void savedSetKeepsTheGuarantee();
    void failedPatternKeepsTheOldSet_data();
    void failedPatternKeepsTheOldSet();
    void failedWriteNamesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
};

void tst_wheelentryset::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The application folder of the tests sees the shipped pattern files as its "wheels" folder.
    QVERIFY(QFile::link(QStringLiteral(WHEELS_DIR), m_dir->filePath(QStringLiteral("wheels"))));
    m_state = AppState{};
    m_state.appFolder = m_dir->path();
}

void tst_wheelentryset::tally()
{
    // The last draw comes from a damaged history: 0, a negative number and numbers past any game.
    const Draws draws{
        draw({1, 2, 3, 4, 5, 6, 47}, 46), draw({1, 2, 3, 4, 5, 50, 0}, 46), draw({1, -3, 0, 120, 32767, 9, 44}, 45)};
    const std::vector<int> super7 = SuggestNumbers::tally(draws, 7, 47), lotto = SuggestNumbers::tally(draws, 6, 49);
    QVERIFY(super7.size() == 48 && lotto.size() == 50);
    QCOMPARE(super7[46], 0); // never the bonus
    QCOMPARE(super7[47], 1); // the seventh number counts for Super 7
    QCOMPARE(lotto[44], 0);  // but not for the 6/49 games
    QCOMPARE(lotto[9], 1);   // counting goes on past damaged numbers
}

void tst_wheelentryset::proposal()
{
    // 10, 11, 12 drawn three times, 13 and 14 twice, the rest once, ties to the lower number; the
    // bonus 49 of every draw would lead if it were counted. No random number is needed.
    const Draws many{draw({10, 11, 12, 13, 14, 15, 0}, 49),
                     draw({10, 11, 12, 13, 14, 16, 0}, 49),
                     draw({10, 11, 12, 20, 21, 22, 0}, 49),
                     draw({30, 31, 32, 33, 34, 35, 0}, 49),
                     draw({36, 37, 38, 39, 40, 41, 0}, 49),
                     draw({42, 43, 44, 45, 46, 47, 0}, 49),
                     draw({1, 2, 3, 4, 5, 6, 0}, 49)};
    SeededRandom random(1);
    const SuggestNumbers::Proposal top = SuggestNumbers::propose(many, 6, 49, random);
    QCOMPARE(QList<int>(top.begin(), top.end()),
             (QList<int>{10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 15, 16, 20, 21, 22, 30, 31, 32, 33, 34, 35, 36, 37}));

    // Two draws without a common number: their twelve numbers ascending, then distinct random ones
    // within the game's range, for every seed.
    for (const auto& [lineSize, highest] : {std::pair<int, int16_t>{6, 49}, {7, 47}}) {
        const Draws two{draw({5, 12, 19, 26, 33, 40, 0}, 2), draw({1, 8, 15, 22, 29, highest, 0}, 3)};
        for (quint32 seed : {1u, 7u, 2024u}) {
            SeededRandom seeded(seed);
            const SuggestNumbers::Proposal proposal = SuggestNumbers::propose(two, lineSize, highest, seeded);
            const QList<int> drawn{1, 5, 8, 12, 15, 19, 22, 26, 29, 33, 40, highest};
            QCOMPARE(QList<int>(proposal.begin(), proposal.begin() + 12), drawn);
            QCOMPARE(std::set<int>(proposal.begin(), proposal.end()).size(), std::size_t(24));
            QVERIFY(std::all_of(proposal.begin(), proposal.end(), [&](int n) { return n >= 1 && n <= highest; }));
        }
    }
}

void tst_wheelentryset::readGroup()
{
    // "07" reads 7, "12.5" and "2.5" round to even; the group comes back sorted.
    const QStringList boxes{"45", "07", "12.5", " 3 ", "30", "41", "9", "17", "2.5"};
    QCOMPARE(WheelGroup::readGroup(boxes, 9, 49), std::optional(std::vector<int>{2, 3, 7, 9, 12, 17, 30, 41, 45}));
    const auto refusal = [](const QStringList& boxes, int groupSize, int highest) {
        QString message;
        return WheelGroup::readGroup(boxes, groupSize, highest, &message) ? QString() : message;
    };
    const QString same = QStringLiteral("One or more of your numbers are the same!");
    const QString range = QStringLiteral("One or more of your numbers are out of range!");
    QCOMPARE(refusal({"1", "", "3", "4", "", "6", "7"}, 7, 49), same); // two empty boxes are equal
    QCOMPARE(refusal({"1", "2", "3", "4", "", "6", "7"}, 7, 49), range);
    QCOMPARE(refusal({"1", "2", "3", "4", "50", "50", "7"}, 7, 49), same); // repeats are tested first
    QCOMPARE(refusal({"1", "2", "3", "4", "5", "6", "7", "48"}, 8, 47), range);
    QCOMPARE(refusal({"1", "2", "3", "4", "5", "6", "65539"}, 7, 49), range); // beyond 16 bits
}

void tst_wheelentryset::savedSetKeepsTheGuarantee_data()
{
    QTest::addColumn<int>("index");
    const std::vector<Wheel> wheels = WheelCatalogue::allWheels();
    for (std::size_t i = 0; i < wheels.size(); ++i)
        QTest::newRow(qPrintable(wheels[i].fileName())) << int(i);
}

// Saves each wheel from its shipped pattern file onto a group the builder would propose (the real
// National 6/49 history, or a random Super 7 group) and proves from the saved set alone that every
// K numbers of the group drawn meet some line in at least M.
void tst_wheelentryset::savedSetKeepsTheGuarantee()
{
    QFETCH(int, index);
    const Wheel wheel = WheelCatalogue::allWheels()[std::size_t(index)];
    const WheelKind& kind = *wheel.kind;
    const bool super7 = kind.builder == WheelBuilder::Super7;
    static const std::vector<DrawRecord> realDraws = loadRealDraws();
    QVERIFY(WheelCatalogue::setWheelContext(m_state, super7 ? 2 : 1, QDate(2026, 12, 5)));
    // The group a player would most likely keep: the first N proposals, sorted.
    SeededRandom random(quint32(wheel.balls));
    const auto proposal = SuggestNumbers::propose(
        super7 ? std::vector<DrawRecord>{} : realDraws, kind.lineSize, super7 ? 47 : 49, random);
    std::vector<int> group(proposal.begin(), proposal.begin() + wheel.balls);
    std::sort(group.begin(), group.end());

    const QString setPath = WheelCatalogue::WheelEntrySetPath(m_state, kind);
    const QString pattern =
        WheelCatalogue::WheelFilePath(m_state.appFolder, kind.lineSize, kind.drawn, kind.match, wheel.balls);
    const auto result = WheelEntrySet::save(pattern, setPath, kind.lineSize, group, wheel.lines, [] { return false; });
    QCOMPARE(result.message, QStringLiteral("Done!"));

    const auto masks = setMasks(readFileBytes(setPath), kind.lineSize, wheel.lines, group);
    QVERIFY2(masks, "the saved set is not laid out as the wheel's lines");
    const auto miss = WheelProof::firstUncovered(*masks, wheel.balls, kind.drawn, kind.match);
    QVERIFY2(!miss, qPrintable(QStringLiteral("uncovered positions ") + WheelProof::positionsText(miss.value_or(0))));
}

void tst_wheelentryset::failedPatternKeepsTheOldSet_data()
{
    QTest::addColumn<QByteArray>("pattern"); // null: no pattern file
    QTest::addColumn<QString>("message");

    const QString corrupt = QStringLiteral("Your wheel data file is corrupt");
    const QString missing = QStringLiteral("The wheel file cannot be found!");
    QTest::newRow("zero in a middle line")
        << QByteArray("01 02 03 04 05 09\n01 02 00 04 05 06\n01 02 03 04 05 06\n") << corrupt;
    QTest::newRow("short file") << QByteArray("01 02 03 04 05 09\n01 02 03 04 05 06\n") << missing;
    QTest::newRow("position above 24") << QByteArray("01 02 03 04 05 09\n01 02 03 04 05 25\n01 02 03 04 05 06\n")
                                       << missing;
    QTest::newRow("no pattern file") << QByteArray() << missing;
}

void tst_wheelentryset::failedPatternKeepsTheOldSet()
{
    QFETCH(QByteArray, pattern);
    const QString patternPath = m_dir->filePath(QStringLiteral("pattern.whl"));
    if (!pattern.isNull())
        QVERIFY(writeFileBytes(patternPath, pattern));
    const QString setPath = m_dir->filePath(QStringLiteral("National-6-4-3.lot"));
    QByteArray old(5 * 28, '\7'); // five lines
    RecordFile::put32(old, 0, 5);
    QVERIFY(writeFileBytes(setPath, old));
    // Nothing is asked or written before the whole pattern is found sound.
    const std::vector<int> group(NineBalls.begin(), NineBalls.end());
    int asked = 0;
    const auto result = WheelEntrySet::save(patternPath, setPath, 6, group, 3, [&asked] { return ++asked > 0; });
    QCOMPARE(result.outcome, WheelEntrySet::Outcome::Failed);
    QFETCH(QString, message);
    QVERIFY2(result.message.startsWith(message + "\n\n" + patternPath + ": "), qPrintable(result.message));
    QCOMPARE(asked, 0);
    QCOMPARE(readFileBytes(setPath), old);
}

void tst_wheelentryset::failedWriteNamesTheFile()
{
    // A plain file where the folder should be: the set cannot be written.
    const QString blocker = m_dir->filePath(QStringLiteral("folder"));
    QVERIFY(writeFileBytes(blocker, "x"));
    const std::vector<int> group(NineBalls.begin(), NineBalls.end());
    const QString pattern = m_dir->filePath(QStringLiteral("wheels/6-4-3-9.whl"));
    const auto result = WheelEntrySet::save(pattern, blocker + "/National-6-4-3.lot", 6, group, 3, [] { return true; });
    QCOMPARE(result.outcome, WheelEntrySet::Outcome::Failed);
    // The pattern file was found: only the set's own failure is told.
    QVERIFY2(result.message.startsWith(blocker + "/National-6-4-3.lot: "), qPrintable(result.message));
}

QTEST_GUILESS_MAIN(tst_wheelentryset)
#include "tst_wheelentryset.moc"
