#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");

bool writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}
} // namespace

// The import window opened from the main window's File menu.
class tst_Form8 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importForDate_data();
    void importForDate();
    void refusals();

private:
    QWidget* openImport();
    bool offersImport() const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
    QWidget* m_import = nullptr;
};

void tst_Form8::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    QVERIFY(writeText(m_fx->path("lines.txt"), "49 01 25 13 07 30\r\n03 11 24 30 41 49\r\n"));
    QVERIFY(writeText(m_fx->path("notes.TXT"), "hello\n"));
    m_main = m_fx->start();
}

void tst_Form8::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QWidget* tst_Form8::openImport()
{
    [this] { TRIGGER(m_main, "actionImportText"); }();
    m_import = openWindow("Form8");
    return m_import;
}

bool tst_Form8::offersImport() const
{
    return m_import->findChild<QPushButton*>("importButton")->isVisible()
           && !m_import->findChild<QPushButton*>("validateButton")->isVisible();
}

void tst_Form8::importForDate_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::newRow("main window's entry date") << 0;
    QTest::newRow("another date") << 4;
}

void tst_Form8::importForDate()
{
    QFETCH(int, daysLater);
    QVERIFY(openImport());
    QVERIFY(!m_main->isInputEnabled());
    auto* files = m_import->findChild<QListWidget*>("fileList");
    QCOMPARE(files->count(), 2);
    QCOMPARE(files->item(0)->text(), "lines.txt");
    clickRow(files, 0);
    auto* contents = m_import->findChild<QListWidget*>("contentsList");
    QCOMPARE(contents->count(), 2);
    QCOMPARE(contents->item(0)->text(), "49 01 25 13 07 30");

    auto* date = m_import->findChild<QDateEdit*>("entryDateEdit");
    QCOMPARE(date->date(), m_fx->today);
    QCOMPARE(date->text(), "05 December 2026");
    date->setDate(m_fx->today.addDays(daysLater));
    QVERIFY(!offersImport());
    CLICK(m_import, "validateButton");
    QCOMPARE(m_fx->prompts->last(), app + "Entry Valid - click Import to create entry");
    QVERIFY(offersImport());
    CLICK(m_import, "importButton");
    QCOMPARE(m_fx->prompts->last(), app + "Entry imported succsessfully");
    QVERIFY(!offersImport());
    CLICK(m_import, "closeButton");
    QTRY_VERIFY(m_main->isInputEnabled());

    const QDate day = m_fx->today.addDays(daysLater);
    const QString written = m_fx->path(EntryFile::DatedEntryFileName(3, day.day(), day.month(), day.year()));
    QCOMPARE(EntryFile::ReadEntryCount(written), std::optional(2));
    QCOMPARE(m_main->entrySet().count(), daysLater == 0 ? 2 : 0);
    if (daysLater == 0)
        QCOMPARE(m_main->entrySet().index(0).data().toString(), "01 07 13 25 30 49");
}

void tst_Form8::refusals()
{
    QVERIFY(openImport());
    CLICK(m_import, "validateButton");
    QCOMPARE(m_fx->prompts->last(), app + "You have not selected a file");

    // The main window's date already holds a line.
    QVERIFY(m_main->entrySet().append({1, 2, 3, 4, 5, 6, 0}));
    clickRow(m_import->findChild<QListWidget*>("fileList"), 0);
    CLICK(m_import, "validateButton");
    QCOMPARE(m_fx->prompts->last(), app + "You already have a date entry for this date, please choose another date");
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
    QVERIFY(writeText(m_fx->path("lines.txt"), "03 11 24 30 41 49\n03 11 24 30 41 41\n"));
    CLICK(m_import, "importButton");
    QCOMPARE(m_fx->prompts->last(), app + "One or more of the balls in a line are the same!");
    QVERIFY(!offersImport());
    QVERIFY(!QFile::exists(m_fx->path("Western07DEC2026.lot")));

    CLICK(m_import, "closeButton");
    QCOMPARE(m_main->entrySet().count(), 1);
}

QTEST_MAIN(tst_Form8)
#include "tst_Form8.moc"
