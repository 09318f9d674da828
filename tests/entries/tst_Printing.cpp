#include "Printing.h"
#include "RecordingPrinter.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// Failed writes of print.dat are in tst_WriteFailures.
class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void storedPrinter_data();
    void storedPrinter();
    void readPrinterChoice_data();
    void readPrinterChoice();
    void listPrint();
};

void tst_Printing::storedPrinter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("readBack");
    const QString summer = QString::fromUtf8("Bureau \u00e9t\u00e9");
    QTest::newRow("latin-1") << summer << QByteArray("Bureau \xe9t\xe9") << summer;
    QTest::newRow("blanks around") << "  PDF  " << QByteArray("  PDF") << "PDF";
    const QString longName = QString(250, 'p') + "abcdefghij";
    QTest::newRow("cut at 255") << longName << QByteArray(250, 'p') + "abcde" << longName.left(255);
}

void tst_Printing::storedPrinter()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, head);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    QCOMPARE(readStoredPrinter(dir.path()), QString());
    QCOMPARE(readFileBytes(dir.filePath("print.dat")), QByteArray()); // created empty
    QVERIFY(storePrinter(dir.path(), name));
    QCOMPARE(readFileBytes(dir.filePath("print.dat")), head + QByteArray(255 - head.size(), ' '));
    QCOMPARE(readStoredPrinter(dir.path()), readBack);
}

void tst_Printing::readPrinterChoice_data()
{
    QTest::addColumn<QString>("systemDefault");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("stored"); // null: no print.dat; "notafolder": print.dat cannot be read
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("current");
    const QStringList two{"HP", "Canon"};
    QTest::newRow("first start, two printers") << "HP" << two << QString() << true << "HP";
    QTest::newRow("first start, no default") << "" << two << QString() << true << "Canon";
    QTest::newRow("default not installed") << "Brother" << two << QString() << true << "Canon";
    QTest::newRow("stored met") << "HP" << QStringList{"HP", "Canon", "Epson"} << "Canon" << true << "Canon";
    QTest::newRow("stored first") << "Canon" << two << "HP" << true << "HP";
    QTest::newRow("stored gone") << "HP" << two << "Brother" << true << "Canon";
    QTest::newRow("print.dat unreadable") << "HP" << two << "notafolder" << true << "HP";
    QTest::newRow("empty names skipped") << "" << QStringList{"", "HP", ""} << QString() << true << "HP";
    QTest::newRow("no printer") << "" << QStringList{} << "HP" << false << QString();
}

void tst_Printing::readPrinterChoice()
{
    QFETCH(QString, systemDefault);
    QFETCH(QStringList, installed);
    QFETCH(QString, stored);
    QFETCH(bool, available);
    QFETCH(QString, current);
    QTemporaryDir tmp;
    // A folder that is really a file stops root as well.
    const QString dir = stored == "notafolder" ? tmp.filePath(stored) : tmp.path();
    QVERIFY(stored == "notafolder" ? writeFileBytes(dir, "x") : stored.isNull() || storePrinter(dir, stored));
    const QByteArray before = readFileBytes(tmp.filePath("print.dat"));
    RecordingPrinter printers;
    printers.names = installed;
    printers.defaultName = systemDefault;
    QCOMPARE(ReadPrinterChoice(printers, dir), available);
    QCOMPARE(printers.current, current);
    // Start-up never writes print.dat; a missing one is created empty.
    QCOMPARE(readFileBytes(tmp.filePath("print.dat")), stored.isNull() ? QByteArray() : before);
}

void tst_Printing::listPrint()
{
    const QString indent(16, ' ');
    QCOMPARE(listPrintLines({"03 11 19 27 38 45", "01 02 03 04 05 06 (5)"}),
             QStringList({"", "", "", indent + "03 11 19 27 38 45", indent + "01 02 03 04 05 06 (5)"}));
    QCOMPARE(listPrintLines({}), QStringList({"", "", ""}));
}

QTEST_GUILESS_MAIN(tst_Printing)
#include "tst_Printing.moc"
