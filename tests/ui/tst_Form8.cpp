#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QFile>
#include <QListWidget>

// The import window opened from the main window's File menu.
class tst_Form8 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada)); // a French desktop
        m_fx = std::make_unique<MainWindowFixture>();
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "49 01 25 13 07 30\r\n03 11 24 30 41 49\r\n"));
        QVERIFY(writeFileBytes(m_fx->path("notes.TXT"), QByteArray("hel\0lo\n", 7)));
        m_main = m_fx->start();
        TRIGGER(m_main, "actionImportText");
        m_import = openWindow("Form8");
        QVERIFY(m_import);
        QVERIFY(!m_main->isInputEnabled());
    }

    void cleanup()
    {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }

    void importForDate_data()
    {
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<QString>("written");
        QTest::newRow("main window's entry date") << 0 << "Western05DEC2026.lot";
        QTest::newRow("another date") << 4 << "Western09DEC2026.lot";
    }

    void importForDate()
    {
        QFETCH(int, daysLater);
        auto* files = m_import->findChild<QListWidget*>("fileList");
        QCOMPARE(rowTexts(files), QStringList({"lines.txt", "notes.TXT"}));
        clickRow(files, 0);
        QCOMPARE(rowTexts(m_import->findChild<QListWidget*>("contentsList")),
                 QStringList({"49 01 25 13 07 30", "03 11 24 30 41 49"}));
        auto* date = m_import->findChild<QDateEdit*>("entryDateEdit");
        date->setDate(m_fx->today.addDays(daysLater));
        QVERIFY2(date->text().endsWith(" December 2026"), qPrintable(date->text())); // English, as everywhere
        CLICK(m_import, "validateButton");
        QCOMPARE(m_fx->prompts->last(), app + "Entry Valid - click Import to create entry");
        QVERIFY(offersImport());
        CLICK(m_import, "importButton");
        QCOMPARE(m_fx->prompts->last(), app + "Entry imported succsessfully");
        QVERIFY(!offersImport());
        CLICK(m_import, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());

        QFETCH(QString, written);
        QCOMPARE(EntryFile::ReadEntryCount(m_fx->path(written)), std::optional(2));
        // The main window shows the lines when they went into its own entry file.
        const QStringList shown{"01 07 13 25 30 49", "03 11 24 30 41 49"};
        QCOMPARE(rowTexts(m_main->findChild<QAbstractItemView*>("entryList")), daysLater == 0 ? shown : QStringList());
    }

    void refusals()
    {
        CLICK(m_import, "validateButton");
        QCOMPARE(m_fx->prompts->last(), app + "You have not selected a file");
        clickRow(m_import->findChild<QListWidget*>("fileList"), 1);
        CLICK(m_import, "validateButton");
        QCOMPARE(m_fx->prompts->last(),
                 app + "Your txt file is not valid\n\n" + m_fx->path("notes.TXT") + ": byte 4 is not text");

        // The main window's date already holds a line.
        QVERIFY(m_main->entrySet().append({1, 2, 3, 4, 5, 6, 0}));
        clickRow(m_import->findChild<QListWidget*>("fileList"), 0);
        CLICK(m_import, "validateButton");
        QCOMPARE(m_fx->prompts->last(),
                 app + "You already have a date entry for this date, please choose another date");
        QVERIFY(!offersImport());

        // A new date needs a new validation.
        auto* date = m_import->findChild<QDateEdit*>("entryDateEdit");
        date->setDate(m_fx->today.addDays(1));
        CLICK(m_import, "validateButton");
        QVERIFY(offersImport());
        date->setDate(m_fx->today.addDays(2));
        QVERIFY(!offersImport());

        // Changed after validation: the import refuses and writes nothing.
        CLICK(m_import, "validateButton");
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "03 11 24 30 41 49\n03 11 24 30 41 41\n"));
        CLICK(m_import, "importButton");
        QCOMPARE(m_fx->prompts->last(), app + "One or more of the balls in a line are the same!");
        QVERIFY(!QFile::exists(m_fx->path("Western07DEC2026.lot")));
    }

private:
    // "Import" shows in place of "Validate" only while a validation holds.
    bool offersImport() const
    {
        return m_import->findChild<QWidget*>("importButton")->isVisible()
               && !m_import->findChild<QWidget*>("validateButton")->isVisible();
    }

    const QString app = QStringLiteral("Drawsmith Canada: ");
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
    QWidget* m_import = nullptr;
};

QTEST_MAIN(tst_Form8)
#include "tst_Form8.moc"
