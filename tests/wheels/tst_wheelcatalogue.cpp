#include "AppState.h"
#include "WheelCatalogue.h"
#include "WheelGroup.h"

#include <QTest>

Q_DECLARE_METATYPE(WheelBuilder)

class tst_wheelcatalogue : public QObject
{
    Q_OBJECT

private slots:
    void linesRequired_data();
    void linesRequired();
    void catalogueShape();
    void paths();
    void ordertheballs();
};

void tst_wheelcatalogue::linesRequired_data()
{
    QTest::addColumn<WheelBuilder>("builder");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("balls");
    QTest::addColumn<int>("lines"); // 0: not a wheel of the catalogue
    QTest::newRow("6-6-6 10, every 6 of 10") << WheelBuilder::Pick6 << 1 << 10 << 210;
    QTest::newRow("7-7-7 11, every 7 of 11") << WheelBuilder::Super7 << 1 << 11 << 330;
    QTest::newRow("6-4-3 12 not offered") << WheelBuilder::Pick6 << 9 << 12 << 0;
    QTest::newRow("Super7 type 6") << WheelBuilder::Super7 << 6 << 17 << 0;
    QTest::newRow("type 0") << WheelBuilder::Pick6 << 0 << 10 << 0;
}

void tst_wheelcatalogue::linesRequired()
{
    QFETCH(WheelBuilder, builder);
    QFETCH(int, type);
    QFETCH(int, balls);
    QFETCH(int, lines);
    QCOMPARE(WheelCatalogue::LinesRequired(builder, type, balls).value_or(0), lines);
}

void tst_wheelcatalogue::catalogueShape()
{
    const std::vector<Wheel> wheels = WheelCatalogue::allWheels();
    QCOMPARE(wheels.size(), std::size_t{73});
    const auto super7 = std::count_if(
        wheels.begin(), wheels.end(), [](const Wheel& w) { return w.kind->builder == WheelBuilder::Super7; });
    QCOMPARE(super7, 25);
    QCOMPARE(WheelCatalogue::GroupSizes(WheelBuilder::Pick6, 3), (std::vector<int>{10, 11, 12, 13, 14, 15, 16}));
    QVERIFY(WheelCatalogue::GroupSizes(WheelBuilder::Pick6, 11).empty());
    QCOMPARE(WheelCatalogue::openMenuKinds().size(), std::size_t{15});
    QCOMPARE(WheelCatalogue::kindForMenu(QStringLiteral("mnu654")), WheelCatalogue::kind(WheelBuilder::Pick6, 6));
    QVERIFY(!WheelCatalogue::kindForMenu(QStringLiteral("mnu999")));
}

void tst_wheelcatalogue::paths()
{
    QCOMPARE(WheelCatalogue::WheelFilePath(QStringLiteral("/app"), 7, 7, 3, 20),
             QStringLiteral("/app/wheels/7-7-3-20.whl"));
    AppState state;
    state.appFolder = QStringLiteral("/app");
    const QDate today(2026, 12, 5);
    QVERIFY(WheelCatalogue::setWheelContext(state, 6, today));
    const WheelKind* kind = WheelCatalogue::kind(WheelBuilder::Pick6, 9);
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *kind), QStringLiteral("/app/Ontario-6-4-3.lot"));
    // Lotto Max's sets take the numbers of today's range.
    QVERIFY(WheelCatalogue::setWheelContext(state, 8, QDate(2025, 12, 5)));
    QCOMPARE(int(state.wheelHighest), 50);
    QVERIFY(WheelCatalogue::setWheelContext(state, 8, today));
    QCOMPARE(int(state.wheelHighest), 52);
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *WheelCatalogue::kind(WheelBuilder::Super7, 4)),
             QStringLiteral("/app/LottoMax-7-7-4.lot"));
    QVERIFY(WheelCatalogue::setWheelContext(state, 2, today));
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *WheelCatalogue::kind(WheelBuilder::Super7, 3)),
             QStringLiteral("/app/Super7-7-7-5.lot"));
    // An unknown game leaves the context as it was.
    QVERIFY(!WheelCatalogue::setWheelContext(state, 0, today));
    QVERIFY(!WheelCatalogue::setWheelContext(state, 9, today));
    QCOMPARE(state.wheelGameWord, QStringLiteral("Super7"));
    QCOMPARE(int(state.wheelHighest), 47);
}

void tst_wheelcatalogue::ordertheballs()
{
    // Empty boxes read as 0 and sort first; a repeated number stays.
    QList<int> group{12, 5, 40, 0, 5, 1, 0};
    WheelGroup::ordertheballs(std::span<int>(group.data(), static_cast<std::size_t>(group.size())));
    QCOMPARE(group, (QList<int>{0, 0, 1, 5, 5, 12, 40}));
}

QTEST_GUILESS_MAIN(tst_wheelcatalogue)
#include "tst_wheelcatalogue.moc"
