#include "EntrySet.h"
#include "Form5.h"
#include "GameCatalogue.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The add window over an entry set of its own, without the main window.
class tst_Form5 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void manualLine_data();
    void manualLine();
    void clearKeepsSeventhBox();
    void keyboard();
    void failedWriteChangesNothing();
    void suggestions_data();
    void suggestions();

private:
    Form5* open(int gameId, const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<EntrySet> m_entries;
    SeededRandom m_random{5};
};

void tst_Form5::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_entries = std::make_unique<EntrySet>();
}

void tst_Form5::cleanup()
{
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_entries.reset();
    m_prompts.reset();
}

Form5* tst_Form5::open(int gameId, const QString& name)
{
    m_entries->open(m_dir->filePath(name), gameId);
    auto* add = new Form5(*m_entries,
                          QStringLiteral("Standing Entry"),
                          m_dir->filePath(GameCatalogue::game(gameId).resultsFile),
                          m_random,
                          nullptr);
    add->show();
    return add;
}

void tst_Form5::manualLine_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("result");
    QTest::newRow("sorted") << QStringList{"45", "3", "27", "9", "18", "36"} << "03 09 18 27 36 45";
    QTest::newRow("rounded") << QStringList{"2.5", "3.5", "10", "11", "12", "13"} << "02 04 10 11 12 13";
    QTest::newRow("range wins last") << QStringList{"5", "5", "60", "2", "3", "4"}
                                     << "One or more of your numbers are out of range for the game!";
}

void tst_Form5::manualLine()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, result);
    Form5* add = open(3, QStringLiteral("StandWestern.lot"));
    TYPE_BOXES(add, boxes);
    CLICK(add, "addButton");
    if (!result.front().isDigit()) {
        QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: ") + result);
        QCOMPARE(m_entries->count(), 0);
        QCOMPARE(EntryFile::ReadEntryCount(m_entries->path()), std::optional<int>(0));
        return;
    }
    QCOMPARE(m_entries->index(0).data().toString(), result);
    QCOMPARE(EntryFile::ReadEntryCount(m_entries->path()), std::optional<int>(1));
    QCOMPARE(add->findChild<QLineEdit*>("numberBox1")->text(), boxes[0]); // boxes keep their text
    CLICK(add, "addButton");                                              // a repeated line is taken again
    QCOMPARE(m_entries->count(), 2);
}

void tst_Form5::clearKeepsSeventhBox()
{
    Form5* add = open(2, QStringLiteral("StandSuper7.lot"));
    TYPE_BOXES(add, {"1", "2", "3", "4", "5", "6", "47"});
    CLICK(add, "clearButton");
    QCOMPARE(add->findChild<QLineEdit*>("numberBox1")->text(), QString());
    QCOMPARE(add->findChild<QLineEdit*>("numberBox6")->text(), QString());
    QCOMPARE(add->findChild<QLineEdit*>("numberBox7")->text(), QStringLiteral("47"));
    TYPE_BOXES(add, {"7", "6", "5", "4", "3", "2", "1"});
    CLICK(add, "addButton");
    QCOMPARE(m_entries->index(0).data().toString(), QStringLiteral("01 02 03 04 05 06 07"));
}

void tst_Form5::keyboard()
{
    Form5* add = open(1, QStringLiteral("StandLotto.lot"));
    QSignalSpy closed(add, &ChildWindow::closed);
    TYPE_BOXES(add, {"1", "2", "3", "4", "5", "6"});
    QTest::keyClick(add->findChild<QLineEdit*>("numberBox6"), Qt::Key_Return);
    QCOMPARE(m_entries->count(), 1);
    QTest::keyClick(add->findChild<QLineEdit*>("numberBox6"), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
}

void tst_Form5::failedWriteChangesNothing()
{
    // A folder where the file should be cannot be written, whoever runs the test.
    QVERIFY(QDir(m_dir->path()).mkdir("StandBC.lot"));
    Form5* add = open(4, QStringLiteral("StandBC.lot"));
    m_prompts->shown.clear();
    TYPE_BOXES(add, {"1", "2", "3", "4", "5", "6"});
    CLICK(add, "addButton");
    QVERIFY2(m_prompts->last().contains("StandBC.lot"), qPrintable(m_prompts->last()));
    QCOMPARE(m_entries->count(), 0);
    QVERIFY(add->isVisible());
}

void tst_Form5::suggestions_data()
{
    QTest::addColumn<bool>("repetitive"); // 20 copies of one draw: one line, then nothing new
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stop"); // pressed as soon as the run lets events through
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("message");
    QTest::newRow("additional") << false << "2.5"
                                << "" << 2 << "";
    QTest::newRow("no further line") << true << "3"
                                     << "" << 1
                                     << "1 of 3 lines were added. No further line was found in 200000 attempts";
    QTest::newRow("cancel keeps the line made") << true << "5"
                                                << "suggestCancelButton" << 1 << "";
    QTest::newRow("closing stops, then closes") << true << "5"
                                                << "close" << 1 << "";
}

void tst_Form5::suggestions()
{
    QFETCH(bool, repetitive);
    QFETCH(QString, typed);
    QFETCH(QString, stop);
    QFETCH(int, lines);
    QFETCH(QString, message);
    const auto real = loadRealDraws();
    const auto draws = repetitive ? std::vector<DrawRecord>(20, real.back()) : real;
    QVERIFY(ResultsFile::writeAll(m_dir->filePath("CAN1.rtl"), draws));
    Form5* add = open(1, QStringLiteral("StandLotto.lot"));
    QSignalSpy closed(add, &ChildWindow::closed);
    CLICK(add, "suggestCancelButton"); // a Cancel while nothing runs stops no later run
    QTest::keyClicks(add->findChild<QLineEdit*>("suggestCountEdit"), typed);
    QTest::mouseClick(add->findChild<QRadioButton*>("additionalRadio"), Qt::LeftButton);
    if (stop == "close")
        QTimer::singleShot(0, add, &QWidget::close);
    else if (!stop.isEmpty())
        QTimer::singleShot(0, add, [&] { QTest::mouseClick(add->findChild<QPushButton*>(stop), Qt::LeftButton); });
    CLICK(add, "suggestAddButton");
    QCOMPARE(m_entries->count(), lines);
    QCOMPARE(EntryFile::ReadEntryCount(m_entries->path()), std::optional<int>(lines));
    QCOMPARE(m_prompts->texts().value(0).left(message.size()), message);
    m_prompts->shown.clear();
    QCOMPARE(closed.count(), stop == "close" ? 1 : 0);
    if (closed.isEmpty()) {
        for (const char* name : {"addButton", "clearButton", "closeButton", "suggestAddButton"})
            QVERIFY2(add->findChild<QPushButton*>(name)->isEnabled(), name);
    }
}

QTEST_MAIN(tst_Form5)
#include "tst_Form5.moc"
