#include "FixedClock.h"
#include "Form1.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QDate saturday(2026, 12, 5);
const QDate tuesday(2026, 12, 1);
const QString rangeMessage = QStringLiteral("Drawsmith Canada: One or more of your main numbers is not in the correct range");
const QString duplicateMessage = QStringLiteral("Drawsmith Canada: You have duplicate numbers");
} // namespace

class tst_Form2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storesSortedDrawAndShowsIt();
    void refusals_data();
    void refusals();
    void weekdayQuestion();
    void secondAddForShownDrawIsRefused();
    void closingByFrameStoresNothing();

private:
    QWidget* openAddResult();
    QString path() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FixedClock> m_clock;
    RecordingPrinter m_printers;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<Form1> m_main;
};

void tst_Form2::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock = std::make_unique<FixedClock>(saturday);
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_main = std::make_unique<Form1>(m_dir->path(), *m_clock, m_printers);
    m_main->startUp();
    m_main->show();
}

void tst_Form2::cleanup()
{
    m_main.reset();
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(" | ")));
    QVERIFY(m_prompts->answers.isEmpty());
    m_prompts.reset();
}

QString tst_Form2::path() const
{
    return m_dir->filePath(m_main->state().gameId == 2 ? "CAN7.rtl" : "CAN2.rtl");
}

QWidget* tst_Form2::openAddResult()
{
    QTest::mouseClick(m_main->findChild<QWidget*>("addDrawButton"), Qt::LeftButton);
    return openWindow("Form2");
}

void tst_Form2::storesSortedDrawAndShowsIt()
{
    QWidget* addResult = openAddResult();
    QVERIFY(addResult);
    QVERIFY(!m_main->isInputEnabled());
    QVERIFY(addResult->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!addResult->findChild<QLineEdit*>("numberBox8")->isVisible());
    typeBoxes(addResult, {"49", "12", "3", "30", "7", "22", "15"});
    CLICK(addResult, "addButton");
    QTRY_VERIFY(!openWindow("Form2"));
    QVERIFY(m_main->isInputEnabled());
    const auto draws = ResultsFile::readAll(path()).value();
    QCOMPARE(draws.size(), size_t(1));
    QCOMPARE(draws[0].numbers, (std::array<int16_t, 7>{3, 7, 12, 22, 30, 49, 0}));
    QCOMPARE(draws[0].bonus, int16_t(15));
    QCOMPARE(draws[0].day, int16_t(5));
    QVERIFY(m_main->isDrawShown());
    QCOMPARE(m_main->state().displayedNumbers[0], int16_t(3));
    QCOMPARE(m_main->state().displayedNumbers[6], int16_t(15));
    QCOMPARE(m_main->state().displayedRecord, int16_t(1));

    // Deleting right after adding removes exactly that draw.
    m_prompts->answers << true;
    CLICK(m_main, "deleteDrawButton");
    QVERIFY(!QFile::exists(path()));
    QVERIFY(m_prompts->shown.size() == 1);
}

void tst_Form2::refusals_data()
{
    QTest::addColumn<bool>("super7");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty box") << false << QStringList{"1", "2", "", "4", "5", "6", "7"} << rangeMessage;
    QTest::newRow("letters") << false << QStringList{"1", "2", "x", "4", "5", "6", "7"} << rangeMessage;
    QTest::newRow("bonus 50") << false << QStringList{"1", "2", "3", "4", "5", "6", "50"} << rangeMessage;
    QTest::newRow("beyond 16 bits") << false << QStringList{"1", "2", "3", "4", "5", "6", "70000"} << rangeMessage;
    QTest::newRow("bonus repeats") << false << QStringList{"1", "2", "3", "4", "5", "6", "6"} << duplicateMessage;
    QTest::newRow("7.5 rounds to 8") << false << QStringList{"1", "2", "3", "4", "5", "8", "7.5"} << duplicateMessage;
    QTest::newRow("super 7 with 48") << true << QStringList{"1", "2", "3", "4", "5", "6", "48", "9"} << rangeMessage;
    QTest::newRow("super 7 bonus repeats") << true << QStringList{"1", "2", "3", "4", "5", "6", "7", "1"}
                                           << duplicateMessage;
    QTest::newRow("6/49 takes 48") << false << QStringList{"1", "2", "3", "4", "5", "48", "9"} << QString();
}

void tst_Form2::refusals()
{
    QFETCH(bool, super7);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    if (super7) {
        QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
        m_prompts->answers << true; // a Saturday is not a Super 7 day
    }
    QWidget* addResult = openAddResult();
    QVERIFY(addResult);
    QCOMPARE(addResult->findChild<QLineEdit*>("numberBox8")->isVisible(), super7);
    typeBoxes(addResult, boxes);
    CLICK(addResult, "addButton");
    if (message.isEmpty()) {
        QTRY_VERIFY(!openWindow("Form2"));
        QCOMPARE(ResultsFile::readCount(path()), std::optional<int>(1));
        return;
    }
    QCOMPARE(m_prompts->last(), message);
    QVERIFY(openWindow("Form2")); // stays open with the player's text
    QCOMPARE(addResult->findChild<QLineEdit*>("numberBox1")->text(), boxes[0]);
    QCOMPARE(ResultsFile::readCount(path()), std::optional<int>(0));
    CLICK(addResult, "cancelButton");
    QVERIFY(m_main->isInputEnabled());
}

void tst_Form2::weekdayQuestion()
{
    m_main->setDrawDate(tuesday);
    m_prompts->answers << false;
    QVERIFY(!openAddResult());
    QCOMPARE(m_prompts->last(),
             QStringLiteral("Drawsmith Canada: This is not a Wednesday or Saturday Date. Do you want to proceed anyway?"));
    QVERIFY(m_main->isInputEnabled());

    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    m_prompts->answers << true;
    QWidget* addResult = openAddResult();
    QVERIFY(addResult);
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: This is not a Friday Date. Do you want to proceed anyway?"));
    typeBoxes(addResult, {"47", "1", "20", "33", "2", "9", "14", "5"});
    CLICK(addResult, "addButton");
    const auto draws = ResultsFile::readAll(path()).value();
    QCOMPARE(draws.at(0).numbers, (std::array<int16_t, 7>{1, 2, 9, 14, 20, 33, 47}));
    QCOMPARE(draws.at(0).bonus, int16_t(5));
    QCOMPARE(m_main->state().displayedNumbers[7], int16_t(5));
}

void tst_Form2::secondAddForShownDrawIsRefused()
{
    QVERIFY(ResultsFile::insertDraw(path(), 3, 5, 12, 2026, {1, 2, 3, 4, 5, 6, 0}, 7));
    m_main->setDrawDate(tuesday);
    m_main->setDrawDate(saturday);
    QVERIFY(!openAddResult());
    QCOMPARE(m_prompts->last(),
             QStringLiteral("Drawsmith Canada: There is already a draw result for this date and game. Delete the draw "
                            "first if you want to change it."));
}

void tst_Form2::closingByFrameStoresNothing()
{
    QWidget* addResult = openAddResult();
    typeBoxes(addResult, {"1", "2", "3", "4", "5", "6", "7"});
    addResult->close();
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(ResultsFile::readCount(path()), std::optional<int>(0));
}

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
