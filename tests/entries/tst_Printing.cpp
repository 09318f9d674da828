#include "Printing.h"
#include "RecordingPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void storedPrinter_data();
    void storedPrinter();
    void unwritablePrintDat();
    void readPrinterChoice_data();
    void readPrinterChoice();
    void listPrint();
};

void tst_Printing::storedPrinter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "HP LaserJet 4" << QByteArray("HP LaserJet 4") << "HP LaserJet 4";
    QTest::newRow("latin-1") << QString::fromUtf8("Bureau \u00e9t\u00e9") << QByteArray("Bureau \xe9t\xe9")
                             << QString::fromUtf8("Bureau \u00e9t\u00e9");
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
    QCOMPARE(readBytes(dir.filePath("print.dat")), QByteArray()); // created empty
    QVERIFY(storePrinter(dir.path(), name));
    QCOMPARE(readBytes(dir.filePath("print.dat")), head + QByteArray(255 - head.size(), ' '));
    QCOMPARE(readStoredPrinter(dir.path()), readBack);
}

void tst_Printing::unwritablePrintDat()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("notafolder")); // a folder that is a file stops root as well
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!storePrinter(blocker.fileName(), "HP", &error));
    QVERIFY2(error.contains("print.dat"), qPrintable(error));
    // Without a readable choice the printers are still found.
    RecordingPrinter printers;
    printers.names = QStringList{"HP", "Canon"};
    QVERIFY(ReadPrinterChoice(printers, blocker.fileName()));
    QCOMPARE(printers.current, QStringLiteral("Canon"));
}

void tst_Printing::readPrinterChoice_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("stored"); // null: no print.dat
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("available");
    QTest::newRow("first start, two printers") << QStringList{"HP", "Canon"} << QString() << "Canon" << true;
    QTest::newRow("stored met") << QStringList{"HP", "Canon", "Epson"} << "Canon"
                                << "Canon" << true;
    QTest::newRow("stored first") << QStringList{"HP", "Canon"} << "HP"
                                  << "HP" << true;
    QTest::newRow("stored gone") << QStringList{"HP", "Canon"} << "Brother"
                                 << "Canon" << true;
    QTest::newRow("empty names skipped") << QStringList{"", "HP", ""} << QString() << "HP" << true;
    QTest::newRow("only empty names") << QStringList{""} << "HP" << QString() << false;
    QTest::newRow("no printer") << QStringList{} << "HP" << QString() << false;
}

void tst_Printing::readPrinterChoice()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, stored);
    QFETCH(QString, current);
    QFETCH(bool, available);
    QTemporaryDir dir;
    if (!stored.isNull())
        QVERIFY(storePrinter(dir.path(), stored));
    const QByteArray before = readBytes(dir.filePath("print.dat"));
    RecordingPrinter printers;
    printers.names = installed;
    QCOMPARE(ReadPrinterChoice(printers, dir.path()), available);
    QCOMPARE(printers.current, current);
    // Start-up never writes print.dat; a missing one is created empty.
    QCOMPARE(readBytes(dir.filePath("print.dat")), stored.isNull() ? QByteArray() : before);
}

void tst_Printing::listPrint()
{
    const QString indent(16, ' ');
    QCOMPARE(listPrintLines({"03 11 19 27 38 45", "01 02 03 04 05 06 (5)"}),
             QStringList({"", "", "", indent + "03 11 19 27 38 45", indent + "01 02 03 04 05 06 (5)"}));
    QCOMPARE(listPrintLines({}), QStringList({"", "", ""}));
    const PageSetup setup = PreparePrinter();
    QVERIFY(setup.fontFamily == "Courier" && setup.pointSize == 10 && setup.paperSize == 9 && setup.orientation == 1);
}

QTEST_GUILESS_MAIN(tst_Printing)
#include "tst_Printing.moc"
