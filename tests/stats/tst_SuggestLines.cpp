#include "GameCatalogue.h"
#include "RealDraws.h"
#include "SuggestLines.h"

#include <QTest>

#include <algorithm>
#include <set>

Q_DECLARE_METATYPE(SuggestEnd)
Q_DECLARE_METATYPE(std::vector<EntryNumbers>)

namespace
{
std::vector<DrawRecord> realDraws(int count)
{
    auto draws = loadRealDraws();
    draws.resize(count);
    return draws;
}

// The newest real draws as a player's lines.
std::vector<EntryNumbers> realLines(int count)
{
    const auto draws = loadRealDraws();
    std::vector<EntryNumbers> lines;
    for (auto d = draws.end() - count; d != draws.end(); ++d)
        lines.push_back(d->numbers);
    return lines;
}

struct Run
{
    SuggestOutcome outcome;
    std::vector<EntryNumbers> made;
    int yields = 0;
};

// One generator run; the yield hook asks to stop at its stopAt-th call (never when 0).
Run suggest(const std::vector<EntryNumbers>& existing,
            const std::vector<DrawRecord>& draws,
            const SuggestRequest& request,
            int stopAt = 0,
            bool writable = true)
{
    Run run;
    SeededRandom random(2026);
    const auto append = [&](const EntryNumbers& line, QString* error) {
        if (!writable)
            *error = QStringLiteral("disk full");
        else
            run.made.push_back(line);
        return writable;
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
    void limits_data();
    void limits();
    void linesFollowPositions();
    void overlapRules_data();
    void overlapRules();
    void stopsAndFailures_data();
    void stopsAndFailures();
};

void tst_SuggestLines::limits_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("existing");
    QTest::addColumn<bool>("total");
    QTest::addColumn<double>("wanted");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("nothing typed") << 100 << 0 << true << 0.0 << 0 << Suggest::noNumberText();
    QTest::newRow("total reached") << 100 << 10 << true << 10.0 << 0 << Suggest::alreadyHaveText();
    QTest::newRow("total above") << 100 << 10 << true << 12.0 << 2 << QString();
    QTest::newRow("total ignores 2500") << 100 << 2550 << true << 2560.0 << 10 << QString();
    QTest::newRow("additional past 2500") << 100 << 2000 << false << 501.0 << 0 << Suggest::limitText();
    QTest::newRow("additional to 2500") << 100 << 2000 << false << 500.0 << 500 << QString();
    QTest::newRow("19 draws") << 19 << 0 << false << 5.0 << 0 << Suggest::tooFewDrawsText();
    QTest::newRow("20 draws") << 20 << 0 << false << 5.0 << 5 << QString();
}

void tst_SuggestLines::limits()
{
    QFETCH(int, draws);
    QFETCH(int, existing);
    QFETCH(bool, total);
    QFETCH(double, wanted);
    QFETCH(int, added);
    QFETCH(QString, refusal);
    const SuggestRequest request{1, wanted, total ? SuggestMode::Total : SuggestMode::Additional, existing};
    const Run run = suggest(realLines(existing), realDraws(draws), request);
    QCOMPARE(run.outcome.end, refusal.isEmpty() ? SuggestEnd::Completed : SuggestEnd::Refused);
    QCOMPARE(run.outcome.added, added);
    QCOMPARE(int(run.made.size()), added);
    QCOMPARE(run.outcome.message, refusal);
}

void tst_SuggestLines::linesFollowPositions()
{
    // Super 7, so the seventh position is covered too. Each position keeps to its own band of
    // numbers, so sorting a line moves no number away from the position it was taken from.
    const int gameId = GameCatalogue::Super7;
    const int perLine = GameCatalogue::mainCount(gameId);
    const int band = GameCatalogue::highestNumber(gameId) / perLine;
    SeededRandom random(7);
    std::vector<DrawRecord> draws(200);
    std::vector<std::set<int16_t>> atPosition(perLine);
    for (DrawRecord& d : draws) {
        for (int p = 0; p < perLine; ++p)
            atPosition[p].insert(d.numbers[p] = static_cast<int16_t>(p * band + random.between(1, band)));
    }
    const Run run = suggest({}, draws, {gameId, 300, SuggestMode::Additional, 0});
    QCOMPARE(int(run.made.size()), 300);
    for (const EntryNumbers& line : run.made) {
        for (int p = 0; p < perLine; ++p)
            QVERIFY2(atPosition[p].count(line[p]), qPrintable(QString::number(line[p])));
    }
}

void tst_SuggestLines::overlapRules_data()
{
    QTest::addColumn<int>("fixed");
    QTest::addColumn<std::vector<EntryNumbers>>("existing");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("added");
    // Lines of 44..49 share at most one number with any candidate.
    const auto apart = [](int n) { return std::vector<EntryNumbers>(n, EntryNumbers{44, 45, 46, 47, 48, 49, 0}); };
    // 48 + 2: the second line is made at 49 + 2, still below 52, so it may not share 3 with the first.
    QTest::newRow("3 shared refused below 52") << 3 << apart(48) << 2 << 1;
    QTest::newRow("3 shared allowed at 52") << 3 << apart(49) << 2 << 2;
    QTest::newRow("5 shared refused") << 5 << apart(0) << 60 << 1;
    QTest::newRow("existing line refuses all") << 5 << std::vector<EntryNumbers>{{1, 2, 3, 4, 5, 49, 0}} << 60 << 0;
}

void tst_SuggestLines::overlapRules()
{
    QFETCH(int, fixed);
    QFETCH(std::vector<EntryNumbers>, existing);
    QFETCH(int, wanted);
    QFETCH(int, added);
    // Every draw starts with 1..fixed; the other positions differ from draw to draw.
    std::vector<DrawRecord> draws(20);
    for (int16_t i = 0; i < 20; ++i) {
        draws[i].numbers = fixed == 5 ? EntryNumbers{1, 2, 3, 4, 5, int16_t(6 + i), 0}
                                      : EntryNumbers{1, 2, 3, int16_t(4 + i), int16_t(24 + i), int16_t(44 + i % 6), 0};
    }
    const int shown = static_cast<int>(existing.size());
    const Run run = suggest(existing, draws, {1, double(wanted), SuggestMode::Additional, shown});
    QCOMPARE(run.outcome.end, added == wanted ? SuggestEnd::Completed : SuggestEnd::Exhausted);
    QCOMPARE(int(run.made.size()), added);
}

void tst_SuggestLines::stopsAndFailures_data()
{
    QTest::addColumn<std::vector<DrawRecord>>("draws");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<SuggestEnd>("end");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("message");
    const auto real = loadRealDraws();
    const std::vector<DrawRecord> same(20, real.back()); // one line, then nothing new
    std::vector<DrawRecord> outOfRange = same;
    for (DrawRecord& d : outOfRange)
        d.numbers[5] = 50;
    QTest::newRow("cancel after the third line") << real << 3 << true << SuggestEnd::Cancelled << 3 << "";
    QTest::newRow("cancel between attempts") << same << 2 << true << SuggestEnd::Cancelled << 1 << "";
    QTest::newRow("identical draws give out")
        << same << 0 << true << SuggestEnd::Exhausted << 1
        << "1 of 5 lines were added. No further line was found in 200000 attempts";
    QTest::newRow("numbers out of range") << outOfRange << 0 << true << SuggestEnd::Exhausted << 0 << "0 of 5 lines";
    QTest::newRow("write fails") << real << 0 << false << SuggestEnd::WriteFailed << 0 << "disk full";
}

void tst_SuggestLines::stopsAndFailures()
{
    QFETCH(std::vector<DrawRecord>, draws);
    QFETCH(int, stopAt);
    QFETCH(bool, writable);
    QFETCH(SuggestEnd, end);
    QFETCH(int, added);
    QFETCH(QString, message);
    const Run run = suggest({}, draws, {1, 5, SuggestMode::Additional, 0}, stopAt, writable);
    QCOMPARE(run.outcome.end, end);
    QCOMPARE(run.outcome.added, added);
    QCOMPARE(int(run.made.size()), added);
    QVERIFY2(run.outcome.message.left(message.size()) == message, qPrintable(run.outcome.message));
    if (end == SuggestEnd::Exhausted) // the window could process events all along
        QVERIFY(run.yields >= Suggest::MaxFailedAttempts / Suggest::AttemptsPerYield);
}

QTEST_GUILESS_MAIN(tst_SuggestLines)
#include "tst_SuggestLines.moc"
