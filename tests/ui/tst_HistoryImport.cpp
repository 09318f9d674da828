#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QRadioButton>
#include <QTimer>

// "File" > "Import Draw History…" from the main window.
class tst_HistoryImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void officialFileFillsTheHistory();
    void cancelWritesNothing();
    void fileOfAnotherGameIsRefused();
    void chooserCancelled();

private:
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_HistoryImport::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    m_main = m_fx->start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_main->setDrawDate(QDate(2026, 9, 23));
}

void tst_HistoryImport::cleanup()
{
    QVERIFY2(m_fx->prompts->drained(), qPrintable(m_fx->prompts->unexpected.join(" | ")));
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

void tst_HistoryImport::officialFileFillsTheHistory()
{
    QVERIFY(!m_main->isDrawShown());
    m_fx->prompts->fileNames << testDataPath("649-official.csv");
    TRIGGER(m_main, "actionImportDrawHistory");
    QCOMPARE(m_fx->prompts->shown,
             (QStringList{"file: Import Draw History for National 6/49",
                          "Drawsmith Canada: Draws added: 4453\nDraws already present: 0\nConflicts (the stored draw "
                          "was kept): 0\nRows refused: 0"}));
    QCOMPARE(ResultsFile::readCount(m_fx->path("CAN1.rtl")), std::optional<int>(4453));
    QTRY_VERIFY(m_main->isInputEnabled());
    QVERIFY(m_main->isDrawShown());
}

void tst_HistoryImport::cancelWritesNothing()
{
    const QByteArray before = officialHistory(100);
    QVERIFY(writeFileBytes(m_fx->path("CAN1.rtl"), before));
    // Cancel is pressed as soon as the import first lets the window take a click.
    bool pressed = false;
    QTimer::singleShot(0, this, [&pressed] {
        if (auto* import = openWindow("HistoryImport")) {
            CLICK(import, "cancelButton");
            pressed = true;
        }
    });
    m_fx->prompts->fileNames << testDataPath("649-official.csv");
    TRIGGER(m_main, "actionImportDrawHistory");
    QVERIFY(pressed);
    QCOMPARE(m_fx->prompts->last(), "Drawsmith Canada: The import was cancelled. The draw history was not changed.");
    QCOMPARE(readFileBytes(m_fx->path("CAN1.rtl")), before);
    QTRY_VERIFY(m_main->isInputEnabled());
}

void tst_HistoryImport::fileOfAnotherGameIsRefused()
{
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    m_fx->prompts->fileNames << testDataPath("649-official.csv");
    TRIGGER(m_main, "actionImportDrawHistory");
    QCOMPARE(m_fx->prompts->last(), "Drawsmith Canada: This file holds draws of 6 numbers; Super 7 draws 7.");
    QCOMPARE(m_fx->prompts->icons.last(), PromptIcon::Warning);
    QCOMPARE(ResultsFile::readCount(m_fx->path("CAN7.rtl")), std::optional<int>(0));
}

void tst_HistoryImport::chooserCancelled()
{
    m_fx->prompts->fileNames << QString();
    TRIGGER(m_main, "actionImportDrawHistory");
    QCOMPARE(m_fx->prompts->shown, QStringList{"file: Import Draw History for National 6/49"});
    QVERIFY(!openWindow("HistoryImport"));
}

QTEST_MAIN(tst_HistoryImport)
#include "tst_HistoryImport.moc"
