#include "WheelCatalogue.h"
#include "WheelCover.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTest>

class tst_wheelcover : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boxPrintText_data();
    void boxPrintText();
    void coverLines();
};

void tst_wheelcover::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_wheelcover::boxPrintText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::newRow("leading zero dropped") << "07"
                                          << "7";
    QTest::newRow("blanks dropped") << " 4 5 "
                                    << "45";
    QTest::newRow("fraction kept") << "12.5"
                                   << "12.5";
    QTest::newRow("trailing letters") << "12abc"
                                      << "12";
    QTest::newRow("negative") << "-3"
                              << "-3";
    QTest::newRow("point first") << ".5"
                                 << "0.5";
    QTest::newRow("not a number") << "  abc "
                                  << "abc";
    QTest::newRow("digit after a letter") << "x1"
                                          << "x1";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_wheelcover::boxPrintText()
{
    QFETCH(QString, text);
    QTEST(WheelCover::boxPrintText(text), "printed");
}

void tst_wheelcover::coverLines()
{
    const WheelKind& kind = *WheelCatalogue::kind(WheelBuilder::Super7, 3);
    WheelCoverData cover;
    cover.gameTitle = QStringLiteral("Super 7");
    cover.guaranteeHeader = kind.guaranteeHeader;
    cover.boxTexts = QStringList{"03", "9", "17", "22", "30", "41", "45", "x", "12.5", "1", "2", "4"};
    cover.groupSizeText = QStringLiteral(" 12 ");
    cover.lines = 6;
    cover.setFileName = QStringLiteral("Super7-7-7-5.lot");
    const QStringList expected{
        "",
        "",
        "Wheel for Super 7",
        "--------------------------------------------",
        "Guarantee Match 5 if any 7 drawn from the following number group:",
        "",
        " 3 9 17 22 30 41 45 x 12.5 1 2 4",
        "------------------------------------------------------------",
        "",
        "Number of Balls is 12",
        "",
        "Number of game entries required for coverage is 6",
        "",
        "File Maintenance Name: Super7-7-7-5.lot",
    };
    QCOMPARE(WheelCover::PrintCover(cover), expected);
}

QTEST_GUILESS_MAIN(tst_wheelcover)
#include "tst_wheelcover.moc"
