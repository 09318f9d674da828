#include "GameCatalogue.h"
#include "RealDraws.h"
#include "SuggestLines.h"

#include <QTest>

#include <set>

using Lines = std::vector<EntryNumbers>;
using Draws = std::vector<DrawRecord>;
Q_DECLARE_METATYPE(SuggestEnd)
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Draws)

namespace
{
// The date whose rules the lines follow, as the add window passes today.
const QDate Today(2026, 12, 5);

Draws realDraws(int count)
{
    static const Draws real = loadRealDraws();
    return {real.begin(), real.begin() + count};
}

// Lines of 44..49, which share at most one number with any line made from fixedDraws.
Lines apart(int count)
{
    return Lines(count, EntryNumbers{44, 45, 46, 47, 48, 49, 0});
}

// 20 draws starting with 1..fixed (3 or 5); the other positions differ from draw to draw.
Draws fixedDraws(int fixed)
{
    Draws draws(20);
    for (int16_t i = 0; i < 20; ++i) {
        draws[i].numbers = fixed == 5 ? EntryNumbers{1, 2, 3, 4, 5, int16_t(6 + i), 0}
                                      : EntryNumbers{1, 2, 3, int16_t(4 + i), int16_t(24 + i), int16_t(44 + i % 6), 0};
    }
    return draws;
}

struct Run
{
    SuggestOutcome outcome;
    Lines made;
    int yields = 0;
};

// One generator run; the yield hook asks to stop at its stopAt-th call (never when 0).
Run suggest(const Lines& existing, const Draws& draws, const SuggestRequest& request, int stopAt = 0)
{
    Run run;
    SeededRandom random(2026);
    const auto append = [&](const EntryNumbers& line, QString*) {
        run.made.push_back(line);
        return true;
    };
    const auto yield = [&] { return ++run.yields == stopAt; };
    run.outcome = SuggestLines(existing, draws, request, random, append, yield);
    return run;
}
} // namespace

class tst_SuggestLines : public QObject
{
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void linesFollowPositions();
    void cancelAndFailedWrite();
};

void tst_SuggestLines::runs_data()
{
    using E = SuggestEnd;
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Lines>("existing");
    QTest::addColumn<bool>("total"); // Total, or Additional
    QTest::addColumn<double>("wanted");
    QTest::addColumn<E>("end");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("message"); // how it begins
    const Draws real = realDraws(100);
    QTest::newRow("nothing typed") << real << Lines{} << true << 0.0 << E::Refused << 0 << Suggest::noNumberText();
    QTest::newRow("total reached") << real << apart(10) << true << 10.0 << E::Refused << 0
                                   << Suggest::alreadyHaveText();
    QTest::newRow("total ignores 2500") << real << apart(2550) << true << 2560.0 << E::Completed << 10 << "";
    QTest::newRow("additional past 2500")
        << real << apart(2000) << false << 501.0 << E::Refused << 0 << Suggest::limitText();
    QTest::newRow("additional to 2500") << real << apart(2000) << false << 500.0 << E::Completed << 500 << "";
    QTest::newRow("19 draws") << realDraws(19) << Lines{} << false << 5.0 << E::Refused << 0
                              << Suggest::tooFewDrawsText();
    QTest::newRow("20 draws") << realDraws(20) << Lines{} << false << 5.0 << E::Completed << 5 << "";
    // 48 + 2: the second line is made at 49 + 2, still below 52, so it may not share 3 with the first.
    const Draws three = fixedDraws(3), five = fixedDraws(5);
    QTest::newRow("3 shared refused below 52") << three << apart(48) << false << 2.0 << E::Exhausted << 1 << "1 of 2";
    QTest::newRow("3 shared allowed at 52") << three << apart(49) << false << 2.0 << E::Completed << 2 << "";
    QTest::newRow("5 shared refused") << five << Lines{} << false << 60.0 << E::Exhausted << 1 << "1 of 60";
    const Lines fiveShared{{1, 2, 3, 4, 5, 49, 0}};
    QTest::newRow("existing line refuses all") << five << fiveShared << false << 60.0 << E::Exhausted << 0 << "0 of 60";
    // Identical draws give one line, then nothing new; a damaged history's numbers out of range
    // never make a line.
    const Draws same(20, realDraws(4453).back());
    QTest::newRow("identical draws give out")
        << same << Lines{} << false << 5.0 << E::Exhausted << 1
        << "1 of 5 lines were added. No further line was found in 200000 attempts";
    Draws outOfRange = same;
    for (DrawRecord& d : outOfRange)
        d.numbers[5] = 50;
    QTest::newRow("numbers out of range") << outOfRange << Lines{} << false << 5.0 << E::Exhausted << 0 << "0 of 5";
}

void tst_SuggestLines::runs()
{
    QFETCH(Draws, draws);
    QFETCH(Lines, existing);
    QFETCH(bool, total);
    QFETCH(double, wanted);
    QFETCH(SuggestEnd, end);
    QFETCH(int, added);
    QFETCH(QString, message);
    const SuggestMode mode = total ? SuggestMode::Total : SuggestMode::Additional;
    const Run run = suggest(existing, draws, {1, wanted, mode, int(existing.size()), Today});
    QCOMPARE(run.outcome.end, end);
    QCOMPARE(run.outcome.added, added);
    QCOMPARE(int(run.made.size()), added);
    const QString& shown = run.outcome.message;
    QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.startsWith(message), qPrintable(shown));
    if (end == SuggestEnd::Exhausted) // the window could process events all along
        QVERIFY(run.yields >= Suggest::MaxFailedAttempts / Suggest::AttemptsPerYield);
}

void tst_SuggestLines::linesFollowPositions()
{
    // Super 7, so the seventh position is covered too. Position p of every draw holds a number of
    // the p-th band of six (1-6, 7-12 ... 37-42), so sorting a line moves no number away from the
    // position it was taken from.
    SeededRandom random(7);
    Draws draws(200);
    std::vector<std::set<int16_t>> atPosition(7);
    for (DrawRecord& d : draws) {
        for (int p = 0; p < 7; ++p)
            atPosition[p].insert(d.numbers[p] = int16_t(6 * p + random.between(1, 6)));
    }
    const Run run = suggest({}, draws, {GameCatalogue::Super7, 300, SuggestMode::Additional, 0, Today});
    QCOMPARE(int(run.made.size()), 300);
    for (const EntryNumbers& line : run.made) {
        for (int p = 0; p < 7; ++p)
            QVERIFY2(atPosition[p].count(line[p]), qPrintable(QString::number(line[p])));
    }

    // Lotto Max from its real history: no number above 50 while the rules' date is before 14 April 2026.
    for (const QDate& day : {QDate(2026, 4, 10), QDate(2026, 4, 14)}) {
        const Run max =
            suggest({}, loadLottoMaxDraws(), {GameCatalogue::LottoMax, 300, SuggestMode::Additional, 0, day});
        QCOMPARE(int(max.made.size()), 300);
        const auto highest =
            std::max_element(max.made.begin(), max.made.end(), [](auto& a, auto& b) { return a[6] < b[6]; });
        QCOMPARE((*highest)[6] > 50, day.day() == 14);
    }
}

void tst_SuggestLines::cancelAndFailedWrite()
{
    const SuggestRequest five{1, 5, SuggestMode::Additional, 0, Today};
    const Run run = suggest({}, realDraws(4453), five, 3); // cancelled at the third chance to process events
    QVERIFY(run.outcome.end == SuggestEnd::Cancelled && run.outcome.added == 3 && run.made.size() == 3);

    const auto failing = [](const EntryNumbers&, QString* error) {
        *error = QStringLiteral("disk full");
        return false;
    };
    SeededRandom random(1);
    const SuggestOutcome failed = SuggestLines({}, realDraws(4453), five, random, failing, [] { return false; });
    QVERIFY(failed.end == SuggestEnd::WriteFailed && failed.added == 0);
    QCOMPARE(failed.message, QStringLiteral("disk full"));
}

QTEST_GUILESS_MAIN(tst_SuggestLines)
#include "tst_SuggestLines.moc"
