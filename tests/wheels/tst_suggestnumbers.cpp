#include "SuggestNumbers.h"

#include <QTest>

#include <algorithm>
#include <set>

using Draws = std::vector<DrawRecord>;

namespace
{
DrawRecord draw(std::array<int16_t, 7> numbers, int16_t bonus)
{
    DrawRecord r;
    r.numbers = numbers;
    r.bonus = bonus;
    return r;
}
} // namespace

class tst_suggestnumbers : public QObject
{
    Q_OBJECT

private slots:
    void tally();
    void proposal();
};

void tst_suggestnumbers::tally()
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

void tst_suggestnumbers::proposal()
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

QTEST_GUILESS_MAIN(tst_suggestnumbers)
#include "tst_suggestnumbers.moc"
