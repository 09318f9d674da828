#include "SuggestNumbers.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <set>

namespace
{
DrawRecord draw(std::array<int16_t, 7> numbers, int16_t bonus)
{
    DrawRecord r;
    r.numbers = numbers;
    r.bonus = bonus;
    return r;
}

// Hands out the fractions a test lists, so the completion's draws and redraws are known.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> fractions)
        : m_fractions(std::move(fractions))
    {
    }
    int between(int low, int) override
    {
        return low;
    }
    double fraction() override
    {
        // Past the script, step through the range so a wrong redraw rule still ends.
        const double f = m_next < m_fractions.size() ? m_fractions[m_next] : (m_next % 49) / 49.0;
        ++m_next;
        return f;
    }
    qsizetype drawn() const
    {
        return m_next;
    }

private:
    QList<double> m_fractions;
    qsizetype m_next = 0;
};

// Fractions that turn into these numbers for the highest number 49.
QList<double> fractionsFor(const QList<int>& numbers)
{
    QList<double> fractions;
    for (int r : numbers)
        fractions << (r - 1 + 0.02) / 49.0;
    return fractions;
}
} // namespace

class tst_suggestnumbers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tally_data();
    void tally();
    void proposal_data();
    void proposal();
    void seededCompletionStaysDistinct();
};

void tst_suggestnumbers::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_suggestnumbers::tally_data()
{
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("count");
    QTest::newRow("bonus never counts") << 7 << 47 << 46 << 0;
    QTest::newRow("seventh number counts for Super 7") << 7 << 47 << 47 << 1;
    QTest::newRow("seventh slot ignored in 6/49") << 6 << 49 << 44 << 0;
    QTest::newRow("counting goes on past damaged numbers") << 6 << 49 << 9 << 1;
}

void tst_suggestnumbers::tally()
{
    QFETCH(int, lineSize);
    QFETCH(int, highest);
    QFETCH(int, number);
    // The last draw comes from a damaged history: 0, a negative number and numbers past any game.
    const std::vector<DrawRecord> draws{
        draw({1, 2, 3, 4, 5, 6, 47}, 46), draw({1, 2, 3, 4, 5, 50, 0}, 46), draw({1, -3, 0, 120, 32767, 9, 44}, 45)};
    const std::vector<int> counts = SuggestNumbers::tally(draws, lineSize, highest);
    QCOMPARE(counts.size(), std::size_t(highest + 1));
    QTEST(counts[std::size_t(number)], "count");
}

void tst_suggestnumbers::proposal_data()
{
    QTest::addColumn<QList<QList<int>>>("history"); // six numbers then the bonus
    QTest::addColumn<QList<double>>("fractions");
    QTest::addColumn<QList<int>>("expected");

    // 10, 11, 12 drawn three times, 13 and 14 twice, the rest once; the bonus 49 of every draw
    // would lead if it were counted.
    QTest::newRow("more than 24 numbers drawn")
        << QList<QList<int>>{{10, 11, 12, 13, 14, 15, 49},
                             {10, 11, 12, 13, 14, 16, 49},
                             {10, 11, 12, 20, 21, 22, 49},
                             {30, 31, 32, 33, 34, 35, 49},
                             {36, 37, 38, 39, 40, 41, 49},
                             {42, 43, 44, 45, 46, 47, 49},
                             {1, 2, 3, 4, 5, 6, 49}}
        << QList<double>{}
        << QList<int>{10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 15, 16, 20, 21, 22, 30, 31, 32, 33, 34, 35, 36, 37};

    // Twelve numbers, once each: ascending, then random ones. 1 and 49 are drawn again because
    // they are proposed already, and so is the second 25; 49 comes from the top of the range.
    QTest::newRow("two draws without a common number")
        << QList<QList<int>>{{5, 12, 19, 26, 33, 40, 2}, {1, 8, 15, 22, 29, 49, 3}}
        << fractionsFor({1, 49, 25, 25, 2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 16})
        << QList<int>{1, 5, 8, 12, 15, 19, 22, 26, 29, 33, 40, 49, 25, 2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 16};
}

void tst_suggestnumbers::proposal()
{
    QFETCH(QList<QList<int>>, history);
    QFETCH(QList<double>, fractions);
    QFETCH(QList<int>, expected);
    std::vector<DrawRecord> draws;
    for (const QList<int>& d : history)
        draws.push_back(
            draw({int16_t(d[0]), int16_t(d[1]), int16_t(d[2]), int16_t(d[3]), int16_t(d[4]), int16_t(d[5]), 0},
                 int16_t(d[6])));
    ScriptedRandom random(fractions);
    const SuggestNumbers::Proposal proposal = SuggestNumbers::propose(draws, 6, 49, random);
    QCOMPARE(QList<int>(proposal.begin(), proposal.end()), expected);
    QCOMPARE(random.drawn(), fractions.size());
}

void tst_suggestnumbers::seededCompletionStaysDistinct()
{
    const std::vector<DrawRecord> draws{draw({5, 12, 19, 26, 33, 40, 0}, 2), draw({1, 8, 15, 22, 29, 47, 0}, 3)};
    for (quint32 seed : {1u, 7u, 2024u}) {
        SeededRandom random(seed);
        const SuggestNumbers::Proposal proposal = SuggestNumbers::propose(draws, 7, 47, random);
        const QList<int> drawn{1, 5, 8, 12, 15, 19, 22, 26, 29, 33, 40, 47};
        QCOMPARE(QList<int>(proposal.begin(), proposal.begin() + 12), drawn);
        QCOMPARE(std::set<int>(proposal.begin(), proposal.end()).size(), std::size_t(24));
        QVERIFY(std::all_of(proposal.begin(), proposal.end(), [](int n) { return n >= 1 && n <= 47; }));
    }
}

QTEST_GUILESS_MAIN(tst_suggestnumbers)
#include "tst_suggestnumbers.moc"
