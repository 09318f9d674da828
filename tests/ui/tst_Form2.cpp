#include "Form2.h"
#include "GameCatalogue.h"
#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QLineEdit>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");
}

// "Add Result", opened from the main window on the Saturday of the fixture.
class tst_Form2 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
        m_main = m_fx->start();
    }

    void cleanup()
    {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }

    void refusalEscapeThenEnter()
    {
        QWidget* addResult = openAddResult();
        QVERIFY(addResult);
        QVERIFY(!m_main->isInputEnabled());
        QVERIFY(!addResult->findChild<QLineEdit*>("numberBox8")->isVisible());
        TYPE_BOXES(addResult, {"1", "2", "3", "4", "5", "6", "6"});
        CLICK(addResult, "addButton");
        QCOMPARE(m_fx->prompts->last(), app + "You have duplicate numbers");
        QCOMPARE(m_fx->prompts->icons.last(), PromptIcon::Warning);
        QCOMPARE(addResult->findChild<QLineEdit*>("numberBox7")->text(), QStringLiteral("6"));
        QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Escape);
        QVERIFY(!openWindow("Form2"));
        QVERIFY(m_main->isInputEnabled());
        QCOMPARE(ResultsFile::readCount(m_fx->path("CAN2.rtl")), std::optional<int>(0));

        addResult = openAddResult();
        TYPE_BOXES(addResult, {"49", "12", "3", "30", "7", "22", "15"});
        QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Return); // Enter presses Add
        QTRY_VERIFY(!openWindow("Form2"));
        QVERIFY(m_main->isInputEnabled());
        const auto draws = ResultsFile::readAll(m_fx->path("CAN2.rtl")).value();
        QCOMPARE(draws.at(0).numbers, (std::array<int16_t, 7>{3, 7, 12, 22, 30, 49, 0}));
        QCOMPARE(draws.at(0).bonus, int16_t(15));
        QCOMPARE(m_main->state().displayedNumbers[6], int16_t(15));
        QVERIFY(!openAddResult()); // one draw per date and game
        QCOMPARE(m_fx->prompts->last(),
                 app
                     + "There is already a draw result for this date and game. Delete the draw first if you want to "
                       "change it.");
    }

    void weekdayQuestions()
    {
        m_main->setDrawDate(QDate(2026, 12, 1)); // a Tuesday
        m_fx->prompts->answers << false;
        QVERIFY(!openAddResult());
        QCOMPARE(m_fx->prompts->last(),
                 app + "This is not a Wednesday or Saturday Date. Do you want to proceed anyway?");

        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        m_fx->prompts->answers << true;
        QWidget* addResult = openAddResult();
        QVERIFY(addResult);
        QCOMPARE(m_fx->prompts->last(), app + "This is not a Friday Date. Do you want to proceed anyway?");
        TYPE_BOXES(addResult, {"47", "1", "20", "33", "2", "9", "14", "5"});
        CLICK(addResult, "addButton");
        const auto draws = ResultsFile::readAll(m_fx->path("CAN7.rtl")).value();
        QCOMPARE(draws.at(0).numbers, (std::array<int16_t, 7>{1, 2, 9, 14, 20, 33, 47}));
        QCOMPARE(m_main->state().displayedNumbers[7], int16_t(5));
    }

    // Lotto Max takes its bonus in the eighth box, and a number is held to the range of the picked
    // date: 1..49 until 10 May 2019, then 1..50.
    void lottoMaxRangeByDate()
    {
        const QString path = m_fx->path("CAN6.rtl");
        for (const QDate& date : {QDate(2019, 5, 10), QDate(2019, 5, 17)}) {
            auto* addResult = new Form2(GameCatalogue::LottoMax, path, date, m_main);
            addResult->show();
            QVERIFY(addResult->findChild<QLineEdit*>("numberBox8")->isVisible());
            TYPE_BOXES(addResult, {"50", "1", "20", "33", "2", "9", "14", "5"});
            CLICK(addResult, "addButton");
            QCOMPARE(addResult->isVisible(), date.day() == 10); // a refused draw keeps the window open
        }
        QCOMPARE(m_fx->prompts->shown,
                 QStringList{app + "One or more of your main numbers is not in the correct range"});
        const auto draws = ResultsFile::readAll(path).value();
        QCOMPARE(draws.size(), size_t(1));
        QCOMPARE(draws[0].numbers, (std::array<int16_t, 7>{1, 2, 9, 14, 20, 33, 50}));
        QCOMPARE(draws[0].bonus, int16_t(5));
    }

private:
    QWidget* openAddResult()
    {
        QTest::mouseClick(m_main->findChild<QWidget*>("addDrawButton"), Qt::LeftButton);
        return openWindow("Form2");
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
