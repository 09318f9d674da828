#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace
{
const QDate saturday(2026, 12, 5);
const QDate tuesday(2026, 12, 1);
const QString duplicateMessage = QStringLiteral("Drawsmith Canada: You have duplicate numbers");
} // namespace

class tst_Form2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storesSortedDrawAndShowsIt();
    void refusalKeepsText();
    void weekdayQuestion();
    void secondAddForShownDrawIsRefused();
    void escapeStoresNothing();

private:
    QWidget* openAddResult();
    QString path() const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_Form2::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    m_main = m_fx->start();
}

void tst_Form2::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QString tst_Form2::path() const
{
    return m_fx->path(m_main->state().gameId == 2 ? "CAN7.rtl" : "CAN2.rtl");
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
    TYPE_BOXES(addResult, {"49", "12", "3", "30", "7", "22", "15"});
    QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Return); // Enter presses Add
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
    m_fx->prompts->answers << true;
    CLICK(m_main, "deleteDrawButton");
    QVERIFY(!QFile::exists(path()));
    QVERIFY(m_fx->prompts->shown.size() == 1);
}

void tst_Form2::refusalKeepsText()
{
    QWidget* addResult = openAddResult();
    QVERIFY(addResult);
    TYPE_BOXES(addResult, {"1", "2", "3", "4", "5", "6", "6"});
    CLICK(addResult, "addButton");
    QCOMPARE(m_fx->prompts->last(), duplicateMessage);
    QCOMPARE(m_fx->prompts->icons.last(), PromptIcon::Warning);
    QVERIFY(openWindow("Form2")); // stays open with the player's text
    QCOMPARE(addResult->findChild<QLineEdit*>("numberBox7")->text(), QStringLiteral("6"));
    QCOMPARE(ResultsFile::readCount(path()), std::optional<int>(0));
    CLICK(addResult, "cancelButton");
    QVERIFY(m_main->isInputEnabled());
}

void tst_Form2::weekdayQuestion()
{
    m_main->setDrawDate(tuesday);
    m_fx->prompts->answers << false;
    QVERIFY(!openAddResult());
    QCOMPARE(
        m_fx->prompts->last(),
        QStringLiteral("Drawsmith Canada: This is not a Wednesday or Saturday Date. Do you want to proceed anyway?"));
    QVERIFY(m_main->isInputEnabled());

    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    m_fx->prompts->answers << true;
    QWidget* addResult = openAddResult();
    QVERIFY(addResult);
    QCOMPARE(m_fx->prompts->last(),
             QStringLiteral("Drawsmith Canada: This is not a Friday Date. Do you want to proceed anyway?"));
    TYPE_BOXES(addResult, {"47", "1", "20", "33", "2", "9", "14", "5"});
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
    QCOMPARE(m_fx->prompts->last(),
             QStringLiteral("Drawsmith Canada: There is already a draw result for this date and game. Delete the draw "
                            "first if you want to change it."));
}

void tst_Form2::escapeStoresNothing()
{
    QWidget* addResult = openAddResult();
    TYPE_BOXES(addResult, {"1", "2", "3", "4", "5", "6", "7"});
    QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Escape);
    QVERIFY(!openWindow("Form2"));
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(ResultsFile::readCount(path()), std::optional<int>(0));
}

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
