#include "Printing.h"
#include "RecordingPrinter.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The printer chosen at start-up from print.dat and the printers installed. Failed writes of
// print.dat are in tst_WriteFailures.
class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void readPrinterChoice_data()
    {
        QTest::addColumn<QString>("systemDefault");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("stored");  // null: no print.dat; "notafolder": print.dat cannot be read
        QTest::addColumn<QString>("current"); // null: no printer to print on
        const QString office = QString::fromUtf8("Bureau \u00e9t\u00e9");
        const QStringList two{"HP", office};
        QTest::newRow("first start, two printers") << "HP" << two << QString() << "HP";
        QTest::newRow("first start, no default") << "" << two << QString() << office;
        QTest::newRow("default not installed") << "Brother" << two << QString() << office;
        QTest::newRow("stored met") << "HP" << QStringList{"HP", office, "Epson"} << office << office;
        QTest::newRow("stored gone") << "HP" << two << "Brother" << office;
        QTest::newRow("print.dat unreadable") << "HP" << two << "notafolder"
                                              << "HP";
        QTest::newRow("empty names skipped") << "" << QStringList{"", "HP", ""} << QString() << "HP";
        QTest::newRow("no printer") << "" << QStringList{} << "HP" << QString();
    }

    void readPrinterChoice()
    {
        QFETCH(QString, systemDefault);
        QFETCH(QStringList, installed);
        QFETCH(QString, stored);
        QFETCH(QString, current);
        QTemporaryDir tmp;
        // A folder that is really a file stops root as well.
        const QString dir = stored == "notafolder" ? tmp.filePath(stored) : tmp.path();
        QVERIFY(stored == "notafolder" ? writeFileBytes(dir, "x") : stored.isNull() || storePrinter(dir, stored));
        const QByteArray before = readFileBytes(tmp.filePath("print.dat"));
        // print.dat holds the name in Latin-1, padded with blanks to 255 bytes.
        if (!stored.isNull() && dir == tmp.path())
            QCOMPARE(before, stored.toLatin1().leftJustified(255, ' '));
        RecordingPrinter printers;
        printers.names = installed;
        printers.defaultName = systemDefault;
        QCOMPARE(ReadPrinterChoice(printers, dir), !current.isNull());
        QCOMPARE(printers.current, current);
        // Start-up never writes print.dat; a missing one is created empty.
        QCOMPARE(readFileBytes(tmp.filePath("print.dat")), stored.isNull() ? QByteArray() : before);
    }
};

QTEST_GUILESS_MAIN(tst_Printing)
#include "tst_Printing.moc"
