#include "AppState.h"
#include "RandomSource.h"
#include "RecordFile.h"
#include "SuggestNumbers.h"
#include "TestFiles.h"
#include "WheelCatalogue.h"
#include "WheelEntrySet.h"
#include "WheelFile.h"
#include "WheelGroup.h"
#include "WheelProof.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <set>

Q_DECLARE_METATYPE(Wheel)

namespace
{
const QString Corrupt = QStringLiteral("Your wheel data file is corrupt");
const QString Missing = QStringLiteral("The wheel file cannot be found!");

// Everything a shipped pattern file must satisfy; returns the first broken promise, or "".
QString checkWheel(QByteArray text, const Wheel& wheel, std::vector<uint32_t>& lines)
{
    QBuffer device(&text);
    device.open(QIODevice::ReadOnly);
    const WheelKind& kind = *wheel.kind;
    QString error;
    const auto read = WheelFile::readLineMasks(device, kind.lineSize, wheel.balls, wheel.lines, &error);
    if (!read)
        return error;
    lines = *read;
    if (!device.atEnd())
        return QStringLiteral("more lines than the catalogue's %1").arg(wheel.lines);
    if (std::set<uint32_t>(lines.begin(), lines.end()).size() != lines.size())
        return QStringLiteral("a line appears twice");
    if (const auto miss = WheelProof::firstUncovered(lines, wheel.balls, kind.drawn, kind.match))
        return QStringLiteral("no line meets %1 of %2").arg(kind.match).arg(WheelProof::positionsText(*miss));
    return {};
}
} // namespace

class tst_wheelproof : public QObject
{
    Q_OBJECT

private slots:
    void patternFile_data();
    void patternFile();
    void setPaths();
    void proposal();
    void readGroup();

private:
    QTemporaryDir m_dir;
};

void tst_wheelproof::patternFile_data()
{
    QTest::addColumn<Wheel>("wheel");
    QTest::addColumn<QByteArray>("text");   // null: no pattern file
    QTest::addColumn<QString>("complaint"); // how the proof's complaint begins; "" for a sound file
    QTest::addColumn<QString>("saved");     // how saving it as an entry set ends; "" when not asked
    // Every shipped wheel keeps its promise: every K of its N numbers drawn meet a line in M.
    QByteArray s5612;
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        QFile file(QStringLiteral(WHEELS_DIR "/") + wheel.fileName());
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
        QTest::newRow(qPrintable(wheel.fileName())) << wheel << text << QString() << "Done!";
        s5612 = wheel.fileName() == "6-5-5-12.whl" ? text : s5612;
    }
    // The S(5,6,12) wheel meets every 5 of its 12 numbers in exactly one line, so any damage to a
    // line shows; 1..5 with a sixth other than 12 is no line of it. A null line is taken out.
    const Wheel s{WheelCatalogue::kind(WheelBuilder::Pick6, 5), 12, 132};
    const auto copy = [&](const char* name, int line, const QByteArray& text, const char* complaint, QString saved) {
        QList<QByteArray> lines = s5612.split('\n');
        if (text.isNull())
            lines.removeAt(line);
        else
            lines[line] = text;
        QTest::newRow(name) << s << lines.join('\n') << QString(complaint) << saved;
    };
    copy("written loosely", 0, "   1  2  3  4  5  12  \r", "", "Done!");
    copy("quoted", 0, "\"01 02 03 04 05 12\"", "", "Done!");
    copy("one line changed", 40, "01 02 03 04 05 06", "no line meets 5", "");
    copy("positions out of order", 3, "02 01 03 04 05 06", "Line 4: positions are not strictly ascending", "");
    copy("blank line", 0, "", "Line 1: position 1 is corrupt", Corrupt);
    copy("zero position", 1, "01 00 03 04 05 06", "Line 2: position 2 is corrupt", Corrupt);
    copy("comma ends the field", 0, "01 02 03,04 05 12", "Line 1: position 4 is corrupt", Corrupt);
    copy("position past the group", 0, "01 02 03 04 05 13", "Line 1: position 6 is corrupt", Corrupt);
    copy("position above 24", 2, "01 02 03 04 05 25", "Line 3: position 6 is unreadable", Missing);
    copy("last line missing", 131, QByteArray(), "Line 132 is missing", Missing);
    QTest::newRow("no pattern file") << s << QByteArray() << "Line 1 is missing" << Missing;
}

// Then saved as the game's entry set onto a group of numbers: one record per pattern line holding
// the line count and the group's numbers at the line's positions, zeros elsewhere. A pattern found unsound leaves the
// old set as it was, without asking to replace it.
void tst_wheelproof::patternFile()
{
    QFETCH(Wheel, wheel);
    QFETCH(QByteArray, text);
    QFETCH(QString, saved);
    std::vector<uint32_t> lines;
    const QString broken = checkWheel(text, wheel, lines);
    QFETCH(QString, complaint);
    QVERIFY2(complaint.isEmpty() ? broken.isEmpty() : broken.startsWith(complaint), qPrintable(broken));
    if (saved.isEmpty())
        return;

    const WheelKind& kind = *wheel.kind;
    std::vector<int> group;
    for (int p = 0; p < wheel.balls; ++p)
        group.push_back(3 + 2 * p);
    const QString pattern = m_dir.filePath("pattern.whl"), set = m_dir.filePath("set.lot");
    QFile::remove(pattern);
    QVERIFY(text.isNull() || writeFileBytes(pattern, text));
    QByteArray old(5 * 28, '\7'); // five lines
    RecordFile::put32(old, 0, 5);
    QVERIFY(writeFileBytes(set, old));
    int asked = 0;
    const auto result = WheelEntrySet::save(pattern, set, kind.lineSize, group, wheel.lines, [&] { return ++asked; });
    QByteArray expected;
    for (const uint32_t line : lines) {
        QByteArray record(28, '\0');
        RecordFile::put32(record, 0, wheel.lines);
        for (int p = 0, j = 0; p < wheel.balls; ++p) {
            if (line >> p & 1)
                RecordFile::put16(record, 12 + 2 * j++, int16_t(group[p]));
        }
        expected += record;
    }
    const bool done = saved == "Done!";
    QVERIFY2(done ? result.message == saved : result.message.startsWith(saved + "\n\n" + pattern + ": "),
             qPrintable(result.message));
    QCOMPARE(asked, done ? 1 : 0);
    QCOMPARE(readFileBytes(set), done ? expected : old);
}

void tst_wheelproof::setPaths()
{
    // Lotto Max's sets take the numbers of today's range; an unknown game leaves the context as it was.
    AppState state;
    state.appFolder = QStringLiteral("/app");
    QVERIFY(WheelCatalogue::setWheelContext(state, 8, QDate(2025, 12, 5)) && state.wheelHighest == 50);
    QVERIFY(WheelCatalogue::setWheelContext(state, 8, QDate(2026, 12, 5)) && state.wheelHighest == 52);
    QVERIFY(!WheelCatalogue::setWheelContext(state, 9, QDate(2026, 12, 5)));
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *WheelCatalogue::kind(WheelBuilder::Super7, 4)),
             QStringLiteral("/app/LottoMax-7-7-4.lot"));

    // A plain file where the folder should be: the set cannot be written.
    const QString blocker = m_dir.filePath(QStringLiteral("folder"));
    QVERIFY(writeFileBytes(blocker, "x"));
    const QString pattern = QStringLiteral(WHEELS_DIR "/6-4-3-9.whl");
    const std::vector<int> group{3, 9, 17, 22, 30, 41, 45, 48, 49};
    const auto result = WheelEntrySet::save(pattern, blocker + "/National-6-4-3.lot", 6, group, 3, [] { return true; });
    QCOMPARE(result.outcome, WheelEntrySet::Outcome::Failed);
    // The pattern file was found: only the set's own failure is told.
    QVERIFY2(result.message.startsWith(blocker + "/National-6-4-3.lot: "), qPrintable(result.message));
}

void tst_wheelproof::proposal()
{
    // 11 drawn twice, then 10, 12 ... 15 and 20 once, ties to the lower number; neither the bonus 49,
    // the seventh number 44 nor a damaged number counts for a 6/49 game. The rest are distinct and random.
    const std::vector<DrawRecord> draws{{.numbers = {10, 11, 12, 13, 14, 15, 44}, .bonus = 49},
                                        {.numbers = {-3, 0, 11, 120, 20, 32767, 44}, .bonus = 49}};
    SeededRandom random(7);
    const SuggestNumbers::Proposal top = SuggestNumbers::propose(draws, 6, 49, random);
    QCOMPARE(QList<int>(top.begin(), top.begin() + 7), (QList<int>{11, 10, 12, 13, 14, 15, 20}));
    QCOMPARE(std::set<int>(top.begin(), top.end()).size(), std::size_t(24));
    QVERIFY(std::all_of(top.begin(), top.end(), [&](int n) { return n >= 1 && n <= 49; }));
}

void tst_wheelproof::readGroup()
{
    // "07" reads 7 and "12.5" rounds to even; the group comes back sorted.
    QCOMPARE(WheelGroup::readGroup({"45", "07", "12.5", " 3 ", "30", "41", "9"}, 7, 49),
             std::optional(std::vector<int>{3, 7, 9, 12, 30, 41, 45}));
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
    // Empty boxes read as 0 and sort first; a repeated number stays.
    std::vector<int> group{12, 5, 40, 0, 5, 1, 0};
    WheelGroup::ordertheballs(group);
    QCOMPARE(group, (std::vector<int>{0, 0, 1, 5, 5, 12, 40}));
}

QTEST_GUILESS_MAIN(tst_wheelproof)
#include "tst_wheelproof.moc"
