#include "DrawCheck.h"
#include "EntryLineText.h"
#include "RealDraws.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using Draw = std::array<int16_t, 9>;
Q_DECLARE_METATYPE(EntryNumbers)
Q_DECLARE_METATYPE(Draw)

class tst_DrawCheck : public QObject
{
    Q_OBJECT

private slots:
    void scoreLine_data();
    void scoreLine();
    void checkAgainstRealDraw();
};

void tst_DrawCheck::scoreLine_data()
{
    const Draw lotto{3, 11, 12, 14, 41, 43, 13, 44, 0}; // main in 0..5, bonus in 6; 7 is not used
    const Draw super7{1, 5, 9, 14, 22, 30, 47, 33, 0};  // main in 0..6, bonus in 7
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<EntryNumbers>("line");
    QTest::addColumn<int>("matches");
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QDate>("drawDate"); // a date only changes Lotto Max's prizes
    QTest::newRow("6") << 1 << lotto << EntryNumbers{43, 41, 14, 12, 11, 3, 0} << 6 << false << "(6)" << QDate();
    QTest::newRow("5+B") << 1 << lotto << EntryNumbers{3, 11, 12, 13, 14, 41, 0} << 5 << true << "(5+B)" << QDate();
    QTest::newRow("5") << 3 << lotto << EntryNumbers{1, 3, 11, 12, 14, 41, 0} << 5 << false << "(5)" << QDate();
    QTest::newRow("4+B") << 4 << lotto << EntryNumbers{1, 3, 11, 12, 13, 14, 0} << 4 << true << "(4)" << QDate();
    QTest::newRow("3+B") << 6 << lotto << EntryNumbers{1, 2, 3, 11, 12, 13, 0} << 3 << true << "(3)" << QDate();
    QTest::newRow("3") << 7 << lotto << EntryNumbers{1, 2, 4, 41, 43, 14, 0} << 3 << false << "(3)" << QDate();
    QTest::newRow("2+B") << 1 << lotto << EntryNumbers{1, 2, 4, 11, 12, 13, 0} << 2 << true << "" << QDate();
    QTest::newRow("slot 7 unused") << 1 << lotto << EntryNumbers{1, 2, 4, 5, 6, 44, 13} << 0 << false << "" << QDate();
    QTest::newRow("S7 7") << 2 << super7 << EntryNumbers{1, 5, 9, 14, 22, 30, 47} << 7 << false << "(7)" << QDate();
    QTest::newRow("S7 6+B") << 2 << super7 << EntryNumbers{1, 5, 9, 14, 22, 30, 33} << 6 << true << "(6+B)" << QDate();
    QTest::newRow("S7 6") << 2 << super7 << EntryNumbers{1, 2, 5, 9, 14, 22, 30} << 6 << false << "(6)" << QDate();
    QTest::newRow("S7 5+B") << 2 << super7 << EntryNumbers{1, 2, 5, 9, 14, 22, 33} << 5 << true << "(5)" << QDate();
    QTest::newRow("S7 4+B") << 2 << super7 << EntryNumbers{1, 2, 3, 5, 9, 14, 33} << 4 << true << "(4)" << QDate();
    QTest::newRow("S7 3+B") << 2 << super7 << EntryNumbers{1, 2, 3, 4, 5, 9, 33} << 3 << true << "(3+B)" << QDate();
    QTest::newRow("S7 3, position 6") << 2 << super7 << EntryNumbers{2, 3, 4, 6, 22, 30, 47} << 3 << false << "(3)"
                                      << QDate();
    // Lotto Max pays by the prize table of the draw's date: the bonus counts with five and four
    // numbers from 14 May 2019 on.
    const Draw max{2, 11, 17, 18, 22, 25, 39, 3, 0};
    const EntryNumbers fivePlusBonus{2, 3, 11, 17, 18, 22, 40};
    QTest::newRow("LM 5+B, 2018") << 8 << max << fivePlusBonus << 5 << true << "(5)" << QDate(2018, 6, 1);
    QTest::newRow("LM 5+B, last Friday of 7/49")
        << 8 << max << fivePlusBonus << 5 << true << "(5)" << QDate(2019, 5, 10);
    QTest::newRow("LM 5+B, first 7/50 draw") << 8 << max << fivePlusBonus << 5 << true << "(5+B)" << QDate(2019, 5, 14);
    QTest::newRow("LM 4+B, 2020") << 8 << max << EntryNumbers{2, 3, 11, 17, 18, 40, 41} << 4 << true << "(4+B)"
                                  << QDate(2020, 6, 5);
    QTest::newRow("S7 2+B") << 2 << super7 << EntryNumbers{1, 2, 3, 4, 5, 6, 33} << 2 << true << "" << QDate();
}

void tst_DrawCheck::scoreLine()
{
    QFETCH(int, gameId);
    QFETCH(Draw, draw);
    QFETCH(EntryNumbers, line);
    QFETCH(int, matches);
    QFETCH(bool, bonus);
    QFETCH(QString, label);
    QFETCH(QDate, drawDate);
    const LineScore score = ScoreLine(line, draw, GameCatalogue::period(gameId, drawDate));
    QCOMPARE(score.matches, matches);
    QCOMPARE(score.bonus, bonus);
    QCOMPARE(score.label, label);
}

void tst_DrawCheck::checkAgainstRealDraw()
{
    const std::vector<DrawRecord> draws = loadRealDraws();
    const auto real = std::find_if(draws.begin(), draws.end(), [](const DrawRecord& r) { return r.isOn(4, 1, 2003); });
    QVERIFY(real != draws.end());
    Draw shown{};
    std::copy_n(real->numbers.begin(), 6, shown.begin());
    shown[6] = real->bonus;
    // A line with that many main numbers (taken from the end, so out of order) and maybe the bonus,
    // filled up with numbers the draw did not hold.
    const auto line = [&](int main, bool withBonus) {
        EntryNumbers l{};
        int slot = 0;
        for (int i = 0; i < main; ++i)
            l[slot++] = shown[5 - i];
        if (withBonus)
            l[slot++] = shown[6];
        for (int16_t n = 1; slot < 6; ++n) {
            if (std::count(shown.begin(), shown.begin() + 7, n) == 0)
                l[slot++] = n;
        }
        return l;
    };
    const std::vector<EntryNumbers> lines{line(0, false), line(5, true), line(3, false), line(2, true), line(6, false)};
    QTemporaryDir dir;
    const QString file = dir.filePath("Nat64904JAN2003.lot");
    for (const EntryNumbers& l : lines)
        QVERIFY(EntryFile::AppendEntryLine(file, l, 1));
    const QByteArray before = readFileBytes(file);

    const auto result = checkEntryFile(file, shown, 1, QDate(2003, 1, 4));
    QVERIFY(result);
    QCOMPARE(result->winningRows, (std::vector<int>{1, 2, 4}));
    QCOMPARE(result->winningLines,
             QStringList({FormatEntryLine(lines[1], 1) + " (5+B)",
                          FormatWinningLine(lines[2], 1, "(3)"),
                          FormatWinningLine(lines[4], 1, "(6)")}));
    QCOMPARE(readFileBytes(file), before); // checking never changes the file

    QCOMPARE(FormatWinningLine({1, 5, 9, 14, 22, 30, 33}, 2, "(6+B)"), QStringLiteral("01 05 09 14 22 30 33 (6+B)"));

    // The shown draw's date picks the prize table: five numbers and the bonus before and after May 2019.
    const QString maxFile = dir.filePath("LottoMax01JUN2018.lot");
    QVERIFY(EntryFile::AppendEntryLine(maxFile, {2, 3, 11, 17, 18, 22, 40}, 8));
    const Draw max{2, 11, 17, 18, 22, 25, 39, 3, 0};
    QVERIFY(checkEntryFile(maxFile, max, 8, QDate(2018, 6, 1))->winningLines.value(0).endsWith(" (5)"));
    QVERIFY(checkEntryFile(maxFile, max, 8, QDate(2020, 6, 5))->winningLines.value(0).endsWith(" (5+B)"));
}

QTEST_GUILESS_MAIN(tst_DrawCheck)
#include "tst_DrawCheck.moc"
