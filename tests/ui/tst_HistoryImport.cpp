#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QTimer>

// "File" > "Import Draw History…" from the main window, on the newest official draw's date.
class tst_HistoryImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cancelThenImport();

private:
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_HistoryImport::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    m_main = m_fx->start();
    QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
    m_main->setDrawDate(QDate(2026, 9, 23));
}

void tst_HistoryImport::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

void tst_HistoryImport::cancelThenImport()
{
    const QByteArray before = officialHistory(100);
    QVERIFY(writeFileBytes(m_fx->path("CAN1.rtl"), before));
    m_fx->prompts->fileNames << testDataPath("649-official.csv") << testDataPath("649-official.csv");
    // Cancel is pressed as soon as the import first lets the window take a click.
    QTimer::singleShot(0, this, [] {
        if (auto* import = openWindow("HistoryImport"))
            CLICK(import, "cancelButton");
    });
    TRIGGER(m_main, "actionImportDrawHistory");
    QCOMPARE(m_fx->prompts->last(), "Drawsmith Canada: The import was cancelled. The draw history was not changed.");
    QCOMPARE(readFileBytes(m_fx->path("CAN1.rtl")), before);
    QTRY_VERIFY(m_main->isInputEnabled());
    QVERIFY(!m_main->isDrawShown());

    m_fx->prompts->shown.clear();
    TRIGGER(m_main, "actionImportDrawHistory");
    QCOMPARE(m_fx->prompts->shown,
             (QStringList{"file: Import Draw History for National 6/49",
                          "Drawsmith Canada: Draws added: 4353\nDraws already present: 100\nConflicts (the stored "
                          "draw was kept): 0\nRows refused: 0"}));
    QCOMPARE(ResultsFile::readCount(m_fx->path("CAN1.rtl")), std::optional<int>(4453));
    QTRY_VERIFY(m_main->isInputEnabled());
    QVERIFY(m_main->isDrawShown()); // the newest draw, now in the history
}

QTEST_MAIN(tst_HistoryImport)
#include "tst_HistoryImport.moc"
