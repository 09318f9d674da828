#include "AppState.h"
#include "WheelCatalogue.h"
#include "WheelGroup.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTest>

#include <numeric>

Q_DECLARE_METATYPE(WheelBuilder)

class tst_wheelcatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void kindTexts_data();
    void kindTexts();
    void linesRequired_data();
    void linesRequired();
    void catalogueShape();
    void openMenuOrder();
    void paths();
    void unknownGameLeavesContext();
    void ordertheballs_data();
    void ordertheballs();
};

void tst_wheelcatalogue::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_wheelcatalogue::kindTexts_data()
{
    QTest::addColumn<WheelBuilder>("builder");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shortForm");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("optionGroup");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("header");
    QTest::newRow("6-6-6") << WheelBuilder::Pick6 << 1 << "6-6-6"
                           << "Option1 Guarantee Match 6"
                           << "Any 6 from Group Picked"
                           << "mnu666"
                           << "Guarantee Match 6 if 6 Picked from Group"
                           << "-6-6-6.lot"
                           << "Guarantee Match 6 if any 6 drawn from the following number group:";
    QTest::newRow("6-5-4") << WheelBuilder::Pick6 << 6 << "6-5-4"
                           << "Option6 Guarantee Match 4"
                           << "Any 5 from Group Picked"
                           << "mnu654"
                           << "Guarantee Match 4 if 5 Picked from Group"
                           << "-6-5-4.lot"
                           << "Guarantee Match 4 if any 5 drawn from the following number group:";
    QTest::newRow("6-3-3") << WheelBuilder::Pick6 << 10 << "6-3-3"
                           << "Option10 Guarantee Match 3"
                           << "Any 3 from Group Picked"
                           << "mnu633"
                           << "Guarantee Match 3 if 3 Picked from Group"
                           << "-6-3-3.lot"
                           << "Guarantee Match 3 if any 3 drawn from the following number group:";
    QTest::newRow("7-7-5") << WheelBuilder::Super7 << 3 << "7-7-5"
                           << "Option3 Guarantee Match 5"
                           << "Any 7 from Group Picked"
                           << "mnu775"
                           << "Guarantee Match 5 if 7 Picked from Group"
                           << "-7-7-5.lot"
                           << "Guarantee Match 5 if any 7 drawn from the following number group:";
}

void tst_wheelcatalogue::kindTexts()
{
    QFETCH(WheelBuilder, builder);
    QFETCH(int, type);
    const WheelKind* kind = WheelCatalogue::kind(builder, type);
    QVERIFY(kind);
    QCOMPARE(kind->type, type);
    QTEST(kind->shortForm(), "shortForm");
    QTEST(kind->optionName + QLatin1Char(' ') + kind->optionCaption, "option");
    QTEST(kind->optionGroup, "optionGroup");
    QTEST(kind->menuName, "menuName");
    QTEST(kind->menuCaption, "menuCaption");
    QTEST(kind->entrySetSuffix, "suffix");
    QTEST(kind->guaranteeHeader, "header");
}

void tst_wheelcatalogue::linesRequired_data()
{
    QTest::addColumn<WheelBuilder>("builder");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("balls");
    QTest::addColumn<int>("lines"); // 0: not a wheel of the catalogue
    QTest::newRow("6-6-6 10") << WheelBuilder::Pick6 << 1 << 10 << 210;
    QTest::newRow("6-6-5 10") << WheelBuilder::Pick6 << 2 << 10 << 14;
    QTest::newRow("6-4-3 11") << WheelBuilder::Pick6 << 9 << 11 << 6;
    QTest::newRow("6-4-3 12 not offered") << WheelBuilder::Pick6 << 9 << 12 << 0;
    QTest::newRow("7-7-6 12") << WheelBuilder::Super7 << 2 << 12 << 52;
    QTest::newRow("7-7-7 11") << WheelBuilder::Super7 << 1 << 11 << 330;
    QTest::newRow("7-7-3 18 not offered") << WheelBuilder::Super7 << 5 << 18 << 0;
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
    QCOMPARE(WheelCatalogue::GroupSizes(WheelBuilder::Super7, 5), (std::vector<int>{17, 20}));
    QCOMPARE(WheelCatalogue::GroupSizes(WheelBuilder::Pick6, 3), (std::vector<int>{10, 11, 12, 13, 14, 15, 16}));
    QVERIFY(WheelCatalogue::GroupSizes(WheelBuilder::Pick6, 11).empty());
    for (const Wheel& w : wheels) {
        QCOMPARE(w.kind->lineSize, w.kind->builder == WheelBuilder::Super7 ? 7 : 6);
        QVERIFY(w.balls <= 24);
    }
}

void tst_wheelcatalogue::openMenuOrder()
{
    QStringList names;
    for (const WheelKind* kind : WheelCatalogue::openMenuKinds())
        names << kind->menuName;
    QCOMPARE(names.join(QLatin1Char(' ')),
             QStringLiteral("mnu777 mnu776 mnu775 mnu774 mnu773 mnu666 mnu665 mnu664 mnu663 mnu655 mnu654 mnu653 "
                            "mnu644 mnu643 mnu633"));
    const WheelKind* kind = WheelCatalogue::kindForMenu(QStringLiteral("mnu654"));
    QVERIFY(kind);
    QCOMPARE(kind->type, 6);
    QVERIFY(!WheelCatalogue::kindForMenu(QStringLiteral("mnu999")));
}

void tst_wheelcatalogue::paths()
{
    QCOMPARE(WheelCatalogue::WheelFileName(6, 6, 5, 10), QStringLiteral("6-6-5-10.whl"));
    QCOMPARE(WheelCatalogue::WheelFilePath(QStringLiteral("/app"), 7, 7, 3, 20),
             QStringLiteral("/app/wheels/7-7-3-20.whl"));

    AppState state;
    state.appFolder = QStringLiteral("/app");
    QVERIFY(WheelCatalogue::setWheelContext(state, 6));
    const WheelKind* kind = WheelCatalogue::kind(WheelBuilder::Pick6, 9);
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *kind), QStringLiteral("/app/Ontario-6-4-3.lot"));
    QVERIFY(WheelCatalogue::setWheelContext(state, 2));
    QCOMPARE(WheelCatalogue::WheelEntrySetPath(state, *WheelCatalogue::kind(WheelBuilder::Super7, 3)),
             QStringLiteral("/app/Super7-7-7-5.lot"));
}

void tst_wheelcatalogue::unknownGameLeavesContext()
{
    AppState state;
    QVERIFY(WheelCatalogue::setWheelContext(state, 1));
    QVERIFY(!WheelCatalogue::setWheelContext(state, 0));
    QVERIFY(!WheelCatalogue::setWheelContext(state, 8));
    QCOMPARE(state.wheelGameWord, QStringLiteral("National"));
    QCOMPARE(int(state.wheelHighest), 49);
}

void tst_wheelcatalogue::ordertheballs_data()
{
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<QList<int>>("sorted");
    QTest::newRow("reversed") << QList<int>{45, 41, 30, 22, 17, 9, 3} << QList<int>{3, 9, 17, 22, 30, 41, 45};
    QTest::newRow("mixed with duplicate") << QList<int>{12, 5, 40, 5, 1} << QList<int>{1, 5, 5, 12, 40};
    QTest::newRow("empty boxes read as 0") << QList<int>{7, 0, 3, 0} << QList<int>{0, 0, 3, 7};
    QTest::newRow("one") << QList<int>{8} << QList<int>{8};
}

void tst_wheelcatalogue::ordertheballs()
{
    QFETCH(QList<int>, group);
    WheelGroup::ordertheballs(std::span<int>(group.data(), static_cast<std::size_t>(group.size())));
    QTEST(group, "sorted");
}

QTEST_GUILESS_MAIN(tst_wheelcatalogue)
#include "tst_wheelcatalogue.moc"
