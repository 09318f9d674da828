#include "AppState.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "SuggestNumbers.h"
#include "WheelCatalogue.h"
#include "WheelEntrySet.h"
#include "WheelGroup.h"
#include "WheelProof.h"

#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace
{
const QList<int> NineBalls{3, 9, 17, 22, 30, 41, 45, 48, 49};

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The group a player would most likely keep: the first N proposals, sorted.
std::vector<int> proposedGroup(const std::vector<DrawRecord>& draws, int lineSize, int highest, int balls)
{
    SeededRandom random(static_cast<quint32>(balls));
    const SuggestNumbers::Proposal proposal = SuggestNumbers::propose(draws, lineSize, highest, random);
    std::vector<int> group(proposal.begin(), proposal.begin() + balls);
    std::sort(group.begin(), group.end());
    return group;
}

// Reads a saved set back as bit masks over the group's positions, checking every record's layout;
// returns "" and fills masks, or the first fault.
QString
setMasks(const QByteArray& bytes, int lineSize, int lines, const std::vector<int>& group, std::vector<uint32_t>* masks)
{
    if (bytes.size() != qsizetype(lines) * 28)
        return QStringLiteral("%1 bytes for %2 lines").arg(bytes.size()).arg(lines);
    for (int r = 0; r < lines; ++r) {
        const QByteArray record = bytes.mid(qsizetype(r) * 28, 28);
        if (RecordFile::get32(record, 0) != lines)
            return QStringLiteral("record %1 counts %2").arg(r + 1).arg(RecordFile::get32(record, 0));
        if (record.mid(4, 8) != QByteArray(8, '\0')
            || record.mid(12 + 2 * lineSize) != QByteArray(16 - 2 * lineSize, '\0'))
            return QStringLiteral("record %1 has stray bytes").arg(r + 1);
        uint32_t mask = 0;
        int previous = 0;
        for (int j = 0; j < lineSize; ++j) {
            const int number = RecordFile::get16(record, 12 + 2 * j);
            const auto at = std::find(group.begin(), group.end(), number);
            if (at == group.end() || number <= previous)
                return QStringLiteral("record %1 holds %2 out of place").arg(r + 1).arg(number);
            previous = number;
            mask |= uint32_t{1} << (at - group.begin());
        }
        masks->push_back(mask);
    }
    return {};
}
} // namespace

class tst_wheelentryset : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readGroup_data();
    void readGroup();
    void savedSetKeepsTheGuarantee_data();
    void savedSetKeepsTheGuarantee();
    void failedPatternKeepsTheOldSet_data();
    void failedPatternKeepsTheOldSet();
    void failedWriteNamesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    std::vector<DrawRecord> m_realDraws;
};

void tst_wheelentryset::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    m_realDraws = loadRealDraws();
}

void tst_wheelentryset::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The application folder of the tests sees the shipped pattern files as its "wheels" folder.
    QVERIFY(QFile::link(QStringLiteral(WHEELS_DIR), m_dir->filePath(QStringLiteral("wheels"))));
    m_state = AppState{};
    m_state.appFolder = m_dir->path();
}

void tst_wheelentryset::readGroup_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<QString>("message");

    const QString same = QStringLiteral("One or more of your numbers are the same!");
    const QString range = QStringLiteral("One or more of your numbers are out of range!");
    QTest::newRow("leading zero, half to even, sorted")
        << QStringList{"45", "07", "12.5", " 3 ", "30", "41", "9", "17", "2.5"} << 9 << 49
        << QList<int>{2, 3, 7, 9, 12, 17, 30, 41, 45} << QString();
    QTest::newRow("two empty boxes") << QStringList{"1", "", "3", "4", "", "6", "7"} << 7 << 49 << QList<int>{} << same;
    QTest::newRow("one empty box") << QStringList{"1", "2", "3", "4", "", "6", "7"} << 7 << 49 << QList<int>{} << range;
    QTest::newRow("not a number") << QStringList{"1", "2", "3", "4", "abc", "6", "7"} << 7 << 49 << QList<int>{}
                                  << range;
    QTest::newRow("duplicates before range")
        << QStringList{"1", "2", "3", "4", "50", "50", "7"} << 7 << 49 << QList<int>{} << same;
    QTest::newRow("48 in Super 7") << QStringList{"1", "2", "3", "4", "5", "6", "7", "48"} << 8 << 47 << QList<int>{}
                                   << range;
    QTest::newRow("beyond 16 bits") << QStringList{"1", "2", "3", "4", "5", "6", "65539"} << 7 << 49 << QList<int>{}
                                    << range;
}

void tst_wheelentryset::readGroup()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, groupSize);
    QFETCH(int, highest);
    QFETCH(QList<int>, group);
    QString message;
    const auto read = WheelGroup::readGroup(boxes, groupSize, highest, &message);
    QTEST(message, "message");
    QCOMPARE(read ? QList<int>(read->begin(), read->end()) : QList<int>{}, group);
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
    QVERIFY(WheelCatalogue::setWheelContext(m_state, super7 ? 2 : 1));
    const std::vector<int> group =
        super7 ? proposedGroup({}, 7, 47, wheel.balls) : proposedGroup(m_realDraws, 6, 49, wheel.balls);

    const QString setPath = WheelCatalogue::WheelEntrySetPath(m_state, kind);
    const auto result = WheelEntrySet::save(
        WheelCatalogue::WheelFilePath(m_state.appFolder, kind.lineSize, kind.drawn, kind.match, wheel.balls),
        setPath,
        kind.lineSize,
        group,
        wheel.lines,
        [] { return false; });
    QCOMPARE(result.message, QStringLiteral("Done!"));

    std::vector<uint32_t> masks;
    const QString fault = setMasks(readBytes(setPath), kind.lineSize, wheel.lines, group, &masks);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const auto miss = WheelProof::firstUncovered(masks, wheel.balls, kind.drawn, kind.match);
    QVERIFY2(!miss, qPrintable(QStringLiteral("uncovered positions ") + WheelProof::positionsText(miss.value_or(0))));
}

void tst_wheelentryset::failedPatternKeepsTheOldSet_data()
{
    QTest::addColumn<QByteArray>("pattern"); // null: no pattern file
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("detail");

    const QString corrupt = QStringLiteral("Your wheel data file is corrupt");
    const QString missing = QStringLiteral("The wheel file cannot be found!");
    QTest::newRow("zero in a middle line") << QByteArray("01 02 03 04 05 09\n01 02 00 04 05 06\n01 02 03 04 05 06\n")
                                           << 6 << corrupt << "line 2, position 3";
    QTest::newRow("position past the group") << QByteArray("01 02 03 04 05 09\n01 02 03 04 05 06\n01 02 03 04 05 10\n")
                                             << 6 << corrupt << "line 3, position 6";
    QTest::newRow("six fields for Super 7")
        << QByteArray("01 02 03 04 05 06 07\n01 02 03 04 05 06\n01 02 03 04 05 06 09\n") << 7 << corrupt
        << "line 2, position 7";
    QTest::newRow("short file") << QByteArray("01 02 03 04 05 09\n01 02 03 04 05 06\n") << 6 << missing
                                << "line 3 is missing";
    QTest::newRow("position above 24") << QByteArray("01 02 03 04 05 09\n01 02 03 04 05 25\n01 02 03 04 05 06\n") << 6
                                       << missing << "line 2, position 6";
    QTest::newRow("negative position") << QByteArray("-1 02 03 04 05 09\n") << 6 << missing << "line 1, position 1";
    QTest::newRow("no pattern file") << QByteArray() << 6 << missing << "";
}

void tst_wheelentryset::failedPatternKeepsTheOldSet()
{
    QFETCH(QByteArray, pattern);
    QFETCH(int, lineSize);
    const QString patternPath = m_dir->filePath(QStringLiteral("pattern.whl"));
    if (!pattern.isNull())
        QVERIFY(writeBytes(patternPath, pattern));
    const QString setPath = m_dir->filePath(QStringLiteral("National-6-4-3.lot"));
    QByteArray old(5 * 28, '\0');
    RecordFile::put32(old, 0, 5);
    old[20] = 7;
    QVERIFY(writeBytes(setPath, old));

    const std::vector<int> group(NineBalls.begin(), NineBalls.end());
    WheelEntrySet::Failure failure{};
    QString detail;
    QVERIFY(!WheelEntrySet::build(patternPath, lineSize, group, 3, &failure, &detail));
    if (!pattern.isNull())
        QTEST(detail, "detail");

    int asked = 0;
    const auto result = WheelEntrySet::save(patternPath, setPath, lineSize, group, 3, [&asked] {
        ++asked;
        return true;
    });
    QCOMPARE(result.outcome, WheelEntrySet::Outcome::Failed);
    QTEST(result.message, "message");
    QCOMPARE(asked, 0);
    QCOMPARE(readBytes(setPath), old);
}

void tst_wheelentryset::failedWriteNamesTheFile()
{
    // A plain file where the folder should be: the set cannot be written.
    const QString blocker = m_dir->filePath(QStringLiteral("folder"));
    QVERIFY(writeBytes(blocker, "x"));
    const std::vector<int> group(NineBalls.begin(), NineBalls.end());
    const auto result = WheelEntrySet::save(m_dir->filePath(QStringLiteral("wheels/6-4-3-9.whl")),
                                            blocker + QStringLiteral("/National-6-4-3.lot"),
                                            6,
                                            group,
                                            3,
                                            [] { return true; });
    QCOMPARE(result.outcome, WheelEntrySet::Outcome::Failed);
    QVERIFY2(result.message.startsWith(QStringLiteral("The wheel file cannot be found!\n\n")),
             qPrintable(result.message));
    QVERIFY2(result.message.contains(QStringLiteral("National-6-4-3.lot: ")), qPrintable(result.message));
}

QTEST_GUILESS_MAIN(tst_wheelentryset)
#include "tst_wheelentryset.moc"
