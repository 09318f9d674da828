#include "MainWindowFixture.h"
#include "UiDriver.h"

// The text import window opened from the main window's File menu, on a French desktop.
class tst_Form8 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH(m_fx);
    }

    void validateThenImport()
    {
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "49 01 25 13 07 30\r\n03 11 24 30 41 49\r\n"));
        QVERIFY(writeFileBytes(m_fx->path("notes.TXT"), QByteArray("hel\0lo\n", 7)));
        Form1* main = m_fx->start();
        TRIGGER(main, "actionImportText");
        m_import = openWindow("Form8");
        QVERIFY(m_import);
        QVERIFY(!main->isInputEnabled());
        CLICK(m_import, "validateButton");
        SAID(m_fx, "You have not selected a file");
        auto* files = m_import->findChild<QListWidget*>("fileList");
        QCOMPARE(rowTexts(files), QStringList({"lines.txt", "notes.TXT"}));
        clickRow(files, 1);
        CLICK(m_import, "validateButton");
        SAID(m_fx, "Your txt file is not valid\n\n" + m_fx->path("notes.TXT") + ": byte 4 is not text");

        clickRow(files, 0);
        QCOMPARE(rowTexts(m_import->findChild<QListWidget*>("contentsList")),
                 QStringList({"49 01 25 13 07 30", "03 11 24 30 41 49"}));
        auto* date = m_import->findChild<QDateEdit*>("entryDateEdit");
        QVERIFY2(date->text().endsWith(" December 2026"), qPrintable(date->text())); // English, as everywhere
        CLICK(m_import, "validateButton");
        SAID(m_fx, "Entry Valid - click Import to create entry");
        QVERIFY(offersImport());
        CLICK(m_import, "importButton");
        SAID(m_fx, "Entry imported succsessfully");
        QVERIFY(!offersImport());
        // The lines went into the main window's own entry file, so it shows them.
        QCOMPARE(rowTexts(main->findChild<QAbstractItemView*>("entryList")),
                 QStringList({"01 07 13 25 30 49", "03 11 24 30 41 49"}));
        CLICK(m_import, "validateButton");
        SAID(m_fx, "You already have a date entry for this date, please choose another date");
        QVERIFY(!offersImport());

        // A new date needs a new validation.
        date->setDate(m_fx->today.addDays(1));
        CLICK(m_import, "validateButton");
        QVERIFY(offersImport());
        date->setDate(m_fx->today.addDays(2));
        QVERIFY(!offersImport());
        // Changed after validation: the import refuses and writes nothing.
        CLICK(m_import, "validateButton");
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "03 11 24 30 41 49\n03 11 24 30 41 41\n"));
        CLICK(m_import, "importButton");
        SAID(m_fx, "One or more of the balls in a line are the same!");
        QVERIFY(!QFile::exists(m_fx->path("Western07DEC2026.lot")));
        CLICK(m_import, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
    }

private:
    // "Import" shows in place of "Validate" only while a validation holds.
    bool offersImport() const
    {
        return m_import->findChild<QWidget*>("importButton")->isVisible()
               && !m_import->findChild<QWidget*>("validateButton")->isVisible();
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    QWidget* m_import = nullptr;
};

QTEST_MAIN(tst_Form8)
#include "tst_Form8.moc"
