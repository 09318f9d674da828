#include "BallInfo.h"
#include "DrawStatistics.h"
#include "RealDraws.h"
#include "SuggestLines.h"

#include <QTest>

using Lines = std::vector<EntryNumbers>;
using Draws = std::vector<DrawRecord>;
Q_DECLARE_METATYPE(SuggestEnd)
Q_DECLARE_METATYPE(SuggestMode)
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Draws)

namespace
{
const Draws Real = loadRealDraws();
const EntryNumbers Apart{44, 45, 46, 47, 48, 49}; // shares at most one number with a line of fixedDraws
const QDate Today(2026, 12, 5);                   // the rules the add window follows

Draws first(int count)
{
    return {Real.begin(), Real.begin() + count};
}

// 20 draws starting with 1..fixed (3 or 5); the other positions differ from draw to draw.
Draws fixedDraws(int fixed)
{
    Draws draws(20);
    for (int16_t i = 0; i < 20; ++i)
        draws[i].numbers = fixed == 5 ? EntryNumbers{1, 2, 3, 4, 5, int16_t(6 + i)}
                                      : EntryNumbers{1, 2, 3, int16_t(4 + i), int16_t(24 + i), int16_t(44 + i % 6)};
    return draws;
}

struct Run
{
    SuggestOutcome outcome;
    Lines made;
    int yields = 0;
};

// One run of the suggestions; the yield hook asks to stop at its stopAt-th call (never when 0),
// and with stopAt -1 no line can be stored.
Run suggest(const Lines& existing, const Draws& draws, const SuggestRequest& request, int stopAt = 0)
{
    Run run;
    SeededRandom random(2026);
    const auto append = [&](const EntryNumbers& line, QString* error) {
        if (stopAt < 0)
            *error = QStringLiteral("disk full");
        else
            run.made.push_back(line);
        return stopAt >= 0;
    };
    run.outcome = SuggestLines(existing, draws, request, random, append, [&] { return ++run.yields == stopAt; });
    return run;
}
} // namespace

class tst_DrawStatistics : public QObject
{
    Q_OBJECT

private slots:
    void countMainNumbers();
    void ballInfo_data();
    void ballInfo();
    void suggest_data();
    void suggest();
    void suggestedLottoMaxNumbers();
};

void tst_DrawStatistics::countMainNumbers()
{
    using DrawStatistics::countMainNumbers;
    // Super 7 counts its seventh field, 6/49 games do not; 0 and 48 lie outside the ranges.
    Draws draws(2);
    draws[0].numbers = {0, 2, 3, 4, 5, 6, 7};
    draws[1].numbers = {1, 2, 3, 4, 5, 48, 47};
    const auto s = countMainNumbers(draws, 2), l = countMainNumbers(draws, 5);
    QCOMPARE((QList{s.counts[1], s.counts[6], s.counts[46], s.damagedRecords}), (QList{2, 1, 1, 2}));
    QCOMPARE((QList{l.counts[6], l.counts[46], l.counts[47], l.damagedRecords}), (QList{0, 0, 1, 1}));
    // The last draw only; asking for more draws than there are counts them all and says so.
    const auto last = countMainNumbers(draws, 2, 1), more = countMainNumbers(draws, 2, 3);
    QVERIFY(last.firstRecord == 2 && last.drawsCounted == 1 && !last.lastDrawsExceed && last.counts[1] == 1);
    QVERIFY(more.drawsCounted == 2 && more.lastDrawsExceed && more.counts[1] == 2);
    // Lotto Max: 52 bars; a 51 is damage in a 2018 draw and a number drawn in 2026.
    for (int i = 0; i < 2; ++i)
        draws[i] = {0, 0, 5, 6, int16_t(i == 0 ? 2018 : 2026), {1, 2, 3, 4, 5, 6, 51}, 7};
    const auto max = countMainNumbers(draws, GameCatalogue::LottoMax);
    QCOMPARE((QList{int(max.counts.size()), max.counts[50], max.damagedRecords}), (QList{52, 1, 1}));
}

void tst_DrawStatistics::ballInfo_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("history"); // the first draws of the real history
    QTest::addColumn<int>("ball");
    QTest::addColumn<QStringList>("shown"); // main then bonus: date, times, since, expected
    // Ball 11 is a main number 523 times in the operator's own file.
    QTest::newRow("newest") << 1 << 4453 << 11 << QStringList{"23 SEP 2026", "523", "0", "545", "", "", "", "91"};
    QTest::newRow("empty") << 1 << 0 << 7 << QStringList{"Never", "0", "N/A", "1", "Never", "0", "N/A", "0"};
    // Expected counts past the 16-bit product: 6 x 32767 / 49 = 4012.29 and 32767 / 49 = 668.71.
    QTest::newRow("32767 draws") << 1 << 32767 << 7 << QStringList{"", "", "", "4012", "", "", "", "669"};
    // The real Lotto Max history: 503 draws of 7/49, 722 of 7/50 and 48 of 7/52. A ball expects
    // only from the draws whose range holds it: ball 52 7 x 48 / 52 = 6.46 and 48 / 52 = 0.92;
    // ball 50 adds 7 x 722 / 50 (107.54 and 15.36).
    const int max = GameCatalogue::LottoMax;
    QTest::newRow("lotto max 52") << max << 0 << 52
                                  << QStringList{"25 SEP 2026", "10", "0", "6", "2 JUN 2026", "1", "33", "1"};
    QTest::newRow("lotto max 50") << max << 0 << 50 << QStringList{"", "", "", "108", "", "", "", "15"};
}

void tst_DrawStatistics::ballInfo()
{
    QFETCH(int, gameId);
    QFETCH(int, history);
    QFETCH(int, ball);
    QFETCH(QStringList, shown);
    const Draws draws = gameId == GameCatalogue::LottoMax ? loadLottoMaxDraws()
                        : history <= 4453                 ? first(history)
                                                          : Draws(history);
    const BallInfo info = BallInfo::of(draws, gameId, ball);
    QStringList fields;
    for (const BallFigures* f : {&info.asMain, &info.asBonus}) {
        fields << f->dateLastDrawnText() << QString::number(f->timesDrawn) << f->drawsSinceText(info.drawCount)
               << QString::number(f->expected);
    }
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY2(shown[i].isEmpty() || fields[i] == shown[i], qPrintable(fields.join(QLatin1Char('|'))));
}

void tst_DrawStatistics::suggest_data()
{
    using E = SuggestEnd;
    const auto total = SuggestMode::Total, extra = SuggestMode::Additional;
    const Lines none;
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Lines>("existing");
    QTest::addColumn<SuggestMode>("mode");
    QTest::addColumn<double>("wanted");
    QTest::addColumn<E>("end");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("message"); // how it begins
    QTest::addColumn<int>("stopAt");
    const Draws real = first(100), three = fixedDraws(3), five = fixedDraws(5);
    QTest::newRow("nothing typed") << real << none << total << 0.0 << E::Refused << 0 << Suggest::noNumberText() << 0;
    QTest::newRow("total reached") << real << Lines(10, Apart) << total << 10.0 << E::Refused << 0
                                   << Suggest::alreadyHaveText() << 0;
    QTest::newRow("total ignores 2500") << real << Lines(2550, Apart) << total << 2560.0 << E::Completed << 10 << ""
                                        << 0;
    QTest::newRow("additional past 2500")
        << real << Lines(2000, Apart) << extra << 501.0 << E::Refused << 0 << Suggest::limitText() << 0;
    QTest::newRow("additional to 2500") << real << Lines(2000, Apart) << extra << 500.0 << E::Completed << 500 << ""
                                        << 0;
    QTest::newRow("19 draws") << first(19) << none << extra << 5.0 << E::Refused << 0 << Suggest::tooFewDrawsText()
                              << 0;
    QTest::newRow("20 draws") << first(20) << none << extra << 5.0 << E::Completed << 5 << "" << 0;
    QTest::newRow("cancelled") << Real << none << extra << 5.0 << E::Cancelled << 3 << "" << 3;
    QTest::newRow("write fails") << Real << none << extra << 5.0 << E::WriteFailed << 0 << "disk full" << -1;
    // 48 + 2: the second line is made at 49 + 2, still below 52, so it may not share 3 with the first.
    QTest::newRow("3 shared refused below 52")
        << three << Lines(48, Apart) << extra << 2.0 << E::Exhausted << 1 << "1 of 2" << 0;
    QTest::newRow("3 shared allowed at 52")
        << three << Lines(49, Apart) << extra << 2.0 << E::Completed << 2 << "" << 0;
    QTest::newRow("existing line refuses all")
        << five << Lines{{1, 2, 3, 4, 5, 49}} << extra << 60.0 << E::Exhausted << 0 << "0 of 60" << 0;
    // A damaged history's numbers out of range never make a line.
    Draws outOfRange(20, Real.back());
    for (DrawRecord& d : outOfRange)
        d.numbers[5] = 50;
    QTest::newRow("numbers out of range")
        << outOfRange << none << extra << 5.0 << E::Exhausted << 0
        << "0 of 5 lines were added. No further line was found in 200000 attempts" << 0;
}

void tst_DrawStatistics::suggest()
{
    QFETCH(Draws, draws);
    QFETCH(Lines, existing);
    QFETCH(SuggestMode, mode);
    QFETCH(double, wanted);
    QFETCH(SuggestEnd, end);
    QFETCH(int, added);
    QFETCH(QString, message);
    QFETCH(int, stopAt);
    const Run run = ::suggest(existing, draws, {1, wanted, mode, int(existing.size()), Today}, stopAt);
    QCOMPARE(run.outcome.end, end);
    QCOMPARE(run.outcome.added, added);
    QCOMPARE(int(run.made.size()), added);
    QVERIFY2(message.isEmpty() ? run.outcome.message.isEmpty() : run.outcome.message.startsWith(message),
             qPrintable(run.outcome.message));
}

void tst_DrawStatistics::suggestedLottoMaxNumbers()
{
    // Position p of a line is the p-th number of a past draw: the real history's seventh numbers
    // reach 52 from 14 April 2026, but no line may hold a number above 50 while the rules' date is before.
    for (const QDate& day : {QDate(2026, 4, 10), QDate(2026, 4, 14)}) {
        const Run max =
            ::suggest({}, loadLottoMaxDraws(), {GameCatalogue::LottoMax, 300, SuggestMode::Additional, 0, day});
        QCOMPARE(int(max.made.size()), 300);
        for (const EntryNumbers& line : max.made) // sorted, so the seventh number is the highest
            QVERIFY(std::is_sorted(line.begin(), line.end()) && line[6] <= (day.day() == 14 ? 52 : 50));
        QCOMPARE(std::any_of(max.made.begin(), max.made.end(), [](auto& line) { return line[6] > 50; }),
                 day.day() == 14);
    }
}

QTEST_GUILESS_MAIN(tst_DrawStatistics)
#include "tst_DrawStatistics.moc"
