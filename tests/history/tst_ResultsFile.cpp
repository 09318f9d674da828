#include "DrawParser.h"
#include "DrawRules.h"
#include "FileBytes.h"
#include "GameCatalogue.h"
#include "RecordFile.h"
#include "ResultsFile.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{
using Main = std::array<int16_t, 7>;

// One expected record: count, position, date and the numbers.
QByteArray rec(int32_t count, int16_t pos, int16_t d, int16_t m, int16_t y, Main nums, int16_t bonus)
{
    return DrawRecord{count, pos, d, m, y, nums, bonus}.toBytes();
}

const Main a{1, 2, 3, 4, 5, 6, 0};
const Main b{7, 8, 9, 10, 11, 12, 0};
const Main c{13, 14, 15, 16, 17, 18, 0};
} // namespace

Q_DECLARE_METATYPE(Main)

class tst_ResultsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void insertIntoEmptyFile();
    void insertAfterBeforeAndBetween();
    void superSevenKeepsSeventhNumber();
    void deleteMiddleLeavesStaleRecord();
    void deleteFirstAndOnly();
    void fullFileRefusesInsert();
    void damagedFilesDoNotCrash();
    void listLines_data();
    void listLines();
    void typedDraw_data();
    void typedDraw();
    void offDayQuestions();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_ResultsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath("CAN1.rtl");
}

void tst_ResultsFile::insertIntoEmptyFile()
{
    QCOMPARE(ResultsFile::findDraw(m_path, 1, 1, 2003), std::optional<int>(0));
    QVERIFY(QFile::exists(m_path)); // a lookup leaves an empty file behind
    QCOMPARE(ResultsFile::insertDraw(m_path, 1, 14, 6, 2003, {3, 7, 12, 22, 30, 49, 0}, 15), std::optional<int>(1));
    // Little-endian: count (32 bits), position, day, month, year, seven numbers, bonus.
    QCOMPARE(fileBytes(m_path).toHex(' '),
             QByteArray("01 00 00 00 01 00 0e 00 06 00 d3 07 03 00 07 00 0c 00 16 00 1e 00 31 00 00 00 0f 00"));
}

void tst_ResultsFile::insertAfterBeforeAndBetween()
{
    QVERIFY(ResultsFile::insertDraw(m_path, 1, 10, 6, 2003, b, 40));
    // After every stored draw: appended, carrying the new count in its own count field.
    QCOMPARE(ResultsFile::insertDraw(m_path, 1, 20, 6, 2003, c, 41), std::optional<int>(2));
    QCOMPARE(fileBytes(m_path), rec(2, 1, 10, 6, 2003, b, 40) + rec(2, 2, 20, 6, 2003, c, 41));
    // Before every stored draw: everything moves up, record 1 takes the new draw and count 3.
    QCOMPARE(ResultsFile::insertDraw(m_path, 1, 1, 6, 2003, a, 42), std::optional<int>(1));
    QCOMPARE(fileBytes(m_path),
             rec(3, 1, 1, 6, 2003, a, 42) + rec(2, 2, 10, 6, 2003, b, 40) + rec(2, 3, 20, 6, 2003, c, 41));
    // Between: the new record is built on the record it displaces, keeping that record's count field.
    QCOMPARE(ResultsFile::insertDraw(m_path, 1, 15, 6, 2003, a, 43), std::optional<int>(3));
    QCOMPARE(fileBytes(m_path),
             rec(4, 1, 1, 6, 2003, a, 42) + rec(2, 2, 10, 6, 2003, b, 40) + rec(2, 3, 15, 6, 2003, a, 43)
                 + rec(2, 4, 20, 6, 2003, c, 41));
    // A second draw on an existing date goes after it.
    QCOMPARE(ResultsFile::insertDraw(m_path, 1, 10, 6, 2003, c, 44), std::optional<int>(3));
    QCOMPARE(ResultsFile::findDraw(m_path, 15, 6, 2003), std::optional<int>(4));
}

void tst_ResultsFile::superSevenKeepsSeventhNumber()
{
    const Main seven{2, 9, 14, 20, 33, 41, 47};
    QVERIFY(ResultsFile::insertDraw(m_path, GameCatalogue::Super7, 7, 3, 2003, seven, 5));
    QVERIFY(ResultsFile::insertDraw(m_path, 1, 1, 3, 2003, a, 9)); // 6/49 draw built on a Super 7 buffer
    const auto draws = ResultsFile::readAll(m_path).value();
    QCOMPARE(draws.size(), size_t(2));
    QCOMPARE(draws[1].numbers, seven);
    QCOMPARE(draws[1].bonus, int16_t(5));
    QCOMPARE(draws[0].numbers[6], int16_t(47)); // the 6/49 writer leaves the seventh slot as the buffer held it
}

void tst_ResultsFile::deleteMiddleLeavesStaleRecord()
{
    for (int d = 1; d <= 5; ++d)
        QVERIFY(ResultsFile::insertDraw(m_path, 1, d, 1, 2004, a, static_cast<int16_t>(d + 10)));
    const QByteArray before = fileBytes(m_path);
    QVERIFY(ResultsFile::deleteDraw(m_path, 2));
    const auto draws = ResultsFile::readAll(m_path).value();
    QCOMPARE(draws.size(), size_t(4));
    const int days[] = {1, 3, 4, 5};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(draws[i].day, int16_t(days[i]));
        QCOMPARE(draws[i].position, int16_t(i + 1));
    }
    const QByteArray after = fileBytes(m_path);
    QCOMPARE(after.size(), 5 * 28);
    QCOMPARE(after.mid(4 * 28), before.mid(4 * 28)); // stale copy of the old record 5
    QCOMPARE(RecordFile::get32(after, 0), 4);
}

void tst_ResultsFile::deleteFirstAndOnly()
{
    QVERIFY(ResultsFile::insertDraw(m_path, 1, 1, 1, 2004, a, 20));
    QVERIFY(ResultsFile::insertDraw(m_path, 1, 2, 1, 2004, b, 21));
    QVERIFY(ResultsFile::deleteDraw(m_path, 1));
    QCOMPARE(fileBytes(m_path).left(28), rec(1, 1, 2, 1, 2004, b, 21));
    QVERIFY(ResultsFile::deleteDraw(m_path, 1));
    QVERIFY(!QFile::exists(m_path));
    QCOMPARE(ResultsFile::findDraw(m_path, 2, 1, 2004), std::optional<int>(0));
    QVERIFY(!ResultsFile::deleteDraw(m_path, 1)); // nothing left to delete
}

void tst_ResultsFile::fullFileRefusesInsert()
{
    QByteArray bytes(32767 * 28, '\0');
    RecordFile::put32(bytes, 0, 32767);
    QVERIFY(writeFileBytes(m_path, bytes));
    QString error;
    QVERIFY(!ResultsFile::insertDraw(m_path, 1, 1, 1, 2050, a, 9, &error));
    QVERIFY(error.contains("32767"));
    QCOMPARE(fileBytes(m_path), bytes);
}

void tst_ResultsFile::damagedFilesDoNotCrash()
{
    QVERIFY(writeFileBytes(m_path, rec(-7, 1, 1, 1, 2004, {0, 99, -4, 500, 5, 6, 0}, 1000) + QByteArray(10, '\x7f')));
    const auto draws = ResultsFile::readAll(m_path);
    QVERIFY(draws);
    QCOMPARE(draws->size(), size_t(2));
    QVERIFY(!(*draws)[0].listLine(1).isEmpty());
    QVERIFY(ResultsFile::findDraw(m_path, 9, 9, 2009));
    QVERIFY(ResultsFile::insertDraw(m_path, 1, 9, 9, 2009, a, 7));
    QCOMPARE(ResultsFile::readCount(m_path), std::optional<int>(3));
}

void tst_ResultsFile::listLines_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");
    QTest::newRow("6/49") << 1 << 1 << "00001 05 06 2003: 01 12 23 34 45 49 BB 07";
    QTest::newRow("record 12345") << 3 << 12345 << "12345 05 06 2003: 01 12 23 34 45 49 BB 07";
    QTest::newRow("super 7") << 2 << 9 << "00009 05 06 2003: 01 12 23 34 45 49 08 BB 07";
}

void tst_ResultsFile::listLines()
{
    QFETCH(int, gameId);
    QFETCH(int, position);
    QFETCH(QString, line);
    DrawRecord r = DrawRecord::fromBytes(rec(0, position, 5, 6, 2003, {1, 12, 23, 34, 45, 49, 8}, 7));
    QCOMPARE(r.listLine(gameId), line);
}

void tst_ResultsFile::typedDraw_data()
{
    const QString range = QStringLiteral("One or more of your main numbers is not in the correct range");
    const QString duplicate = QStringLiteral("You have duplicate numbers");
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<Main>("numbers");
    QTest::addColumn<int>("bonus");
    QTest::newRow("sorted, bonus kept") << 3 << QStringList{"49", "12", "3", "30", "7", "22", "15"} << QString()
                                        << Main{3, 7, 12, 22, 30, 49, 0} << 15;
    QTest::newRow("super 7") << 2 << QStringList{"47", "1", "20", "33", "2", "9", "14", "5"} << QString()
                             << Main{1, 2, 9, 14, 20, 33, 47} << 5;
    QTest::newRow("6/49 takes 48") << 1 << QStringList{"1", "2", "3", "4", "5", "48", "9"} << QString()
                                   << Main{1, 2, 3, 4, 5, 48, 0} << 9;
    QTest::newRow("empty box") << 3 << QStringList{"1", "2", "", "4", "5", "6", "7"} << range << Main{} << 0;
    QTest::newRow("bonus 50") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "50"} << range << Main{} << 0;
    QTest::newRow("beyond 16 bits") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "70000"} << range << Main{} << 0;
    QTest::newRow("range before repeats")
        << 3 << QStringList{"1", "1", "3", "4", "5", "6", "0"} << range << Main{} << 0;
    QTest::newRow("bonus repeats") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "6"} << duplicate << Main{} << 0;
    QTest::newRow("7.5 rounds to 8") << 3 << QStringList{"1", "2", "3", "4", "5", "8", "7.5"} << duplicate << Main{}
                                     << 0;
    QTest::newRow("super 7 with 48") << 2 << QStringList{"1", "2", "3", "4", "5", "6", "48", "9"} << range << Main{}
                                     << 0;
    QTest::newRow("super 7 bonus repeats")
        << 2 << QStringList{"1", "2", "3", "4", "5", "6", "7", "1"} << duplicate << Main{} << 0;
}

void tst_ResultsFile::typedDraw()
{
    QFETCH(int, gameId);
    QFETCH(QStringList, boxes);
    QFETCH(QString, refusal);
    QFETCH(Main, numbers);
    QFETCH(int, bonus);
    QString why;
    const auto draw = DrawParser::parse(boxes, gameId, QDate(2026, 12, 5), &why);
    QCOMPARE(why, refusal);
    QCOMPARE(draw.has_value(), refusal.isEmpty());
    if (!draw)
        return;
    QCOMPARE(draw->numbers, numbers);
    QCOMPARE(int(draw->bonus), bonus);
    QCOMPARE(QDate(draw->year, draw->month, draw->day), QDate(2026, 12, 5));
}

// Lotto Max drew on Fridays until 10 May 2019, then on Tuesdays and Fridays.
void tst_ResultsFile::offDayQuestions()
{
    QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 7)),
             "This is not a Friday Date. Do you want to proceed anyway?");
    QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 14)), QString());
    QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 15)),
             "This is not a Tuesday or Friday Date. Do you want to proceed anyway?");
}

QTEST_GUILESS_MAIN(tst_ResultsFile)
#include "tst_ResultsFile.moc"
