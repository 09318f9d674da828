#include "EntrySet.h"
#include "Printing.h"
#include "RandomSource.h"
#include "RecordFile.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"
#include "WheelCatalogue.h"
#include "wheel6.h"
#include "wheel7.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QLineEdit* ballBox(QWidget* builder, int k)
{
    return builder->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(k));
}

// Retypes the first boxes, one text each.
void typeBalls(QWidget* builder, const QStringList& texts)
{
    for (int k = 0; k < texts.size(); ++k) {
        ballBox(builder, k)->selectAll();
        QTest::keyClick(ballBox(builder, k), Qt::Key_Delete);
        QTest::keyClicks(ballBox(builder, k), texts[k]);
    }
}

QStringList visibleBalls(QWidget* builder)
{
    QStringList texts;
    for (int k = 0; k < 24; ++k) {
        if (ballBox(builder, k)->isVisibleTo(builder))
            texts << ballBox(builder, k)->text();
    }
    return texts;
}

// Moves "No of Balls" to a size with the arrow keys, as a player does.
void chooseBalls(QWidget* builder, const QString& size)
{
    auto* combo = builder->findChild<QComboBox*>("Combo1");
    const int target = std::max(0, combo->findText(size));
    combo->setFocus();
    while (combo->currentIndex() < target)
        QTest::keyClick(combo, Qt::Key_Down);
}
} // namespace

// Both builders on their own: wheel6 over a National 6/49 history whose proposal is known, wheel7
// over a Super 7 history.
class tst_WheelBuilderWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void kindAndSize_data();
    void kindAndSize();
    void super7ProposalCountsTheSeventhNumber();
    void saveAndOverwrite();
    void fullSuper7WheelOfEleven();
    void missingPatternFile();
    void printCover();
    void withoutPrinter();

private:
    QWidget* open(int gameId, bool printer = true);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<EntrySet> m_entries;
    RecordingPrinter m_printers;
    SeededRandom m_random{6};
};

void tst_WheelBuilderWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::link(QStringLiteral(WHEELS_DIR), m_dir->filePath("wheels")));
    // 10, 11, 12 drawn three times, 13 and 14 twice, everything else once; the bonus 49 never counts.
    const QList<std::array<int16_t, 7>> draws{{10, 11, 12, 13, 14, 15},
                                              {10, 11, 12, 13, 14, 16},
                                              {10, 11, 12, 20, 21, 22},
                                              {30, 31, 32, 33, 34, 35},
                                              {36, 37, 38, 39, 40, 41},
                                              {42, 43, 44, 45, 46, 47},
                                              {1, 2, 3, 4, 5, 6}};
    for (int i = 0; i < draws.size(); ++i)
        QVERIFY(ResultsFile::insertDraw(m_dir->filePath("CAN1.rtl"), 1, 1 + i, 1, 2020, draws[i], 49));
    // Super 7: 40 is only ever the seventh number, 2 only the bonus.
    for (int day = 1; day <= 3; ++day)
        QVERIFY(ResultsFile::insertDraw(m_dir->filePath("CAN7.rtl"), 2, day, 1, 2020, {10, 11, 12, 13, 14, 15, 40}, 2));
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_entries = std::make_unique<EntrySet>();
    m_printers.jobs.clear();
}

void tst_WheelBuilderWindow::cleanup()
{
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_entries.reset();
    m_prompts.reset();
}

QWidget* tst_WheelBuilderWindow::open(int gameId, bool printer)
{
    AppState state;
    state.appFolder = m_dir->path();
    state.printerAvailable = printer;
    WheelCatalogue::setWheelContext(state, gameId);
    QWidget* builder = gameId == 2 ? static_cast<QWidget*>(new wheel7(state, *m_entries, m_printers, m_random, nullptr))
                                   : new wheel6(state, *m_entries, m_printers, m_random, nullptr);
    builder->show();
    return builder;
}

void tst_WheelBuilderWindow::kindAndSize_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("balls");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QStringList>("boxes"); // empty: only their number is checked
    QTest::addColumn<QString>("lines");
    QTest::newRow("6/49 opens on 6-6-6 of 7")
        << 1 << ""
        << "" << QStringList{"7", "8", "9", "10"} << QStringList{"1", "2", "10", "11", "12", "13", "14"} << "7";
    QTest::newRow("6-4-3 opens on 9") << 1 << "Option9"
                                      << "" << QStringList{"9", "10", "11"}
                                      << QStringList{"1", "2", "3", "4", "10", "11", "12", "13", "14"} << "3";
    QTest::newRow("6-4-3 of 11") << 1 << "Option9"
                                 << "11" << QStringList{"9", "10", "11"}
                                 << QStringList{"1", "2", "3", "4", "5", "6", "10", "11", "12", "13", "14"} << "6";
    QTest::newRow("7-7-3 of 20") << 2 << "Option5"
                                 << "20" << QStringList{"17", "20"} << QStringList{} << "10";
    QTest::newRow("7-7-6 of 12") << 2 << "Option2"
                                 << "12" << QStringList{"9", "10", "11", "12", "13", "14"} << QStringList{} << "52";
}

void tst_WheelBuilderWindow::kindAndSize()
{
    QFETCH(int, game);
    QFETCH(QString, option);
    QFETCH(QString, balls);
    QFETCH(QStringList, boxes);
    QWidget* builder = open(game);
    QCOMPARE(builder->windowTitle(),
             game == 2 ? QStringLiteral("Super 7 - Guaranteed Wheels") : QStringLiteral("Pick 6 - Guaranteed Wheels"));
    if (!option.isEmpty()) {
        typeBalls(builder, {"33"}); // the player's edits give way to the next kind
        QTest::mouseClick(builder->findChild<QAbstractButton*>(option), Qt::LeftButton);
    }
    if (!balls.isEmpty())
        chooseBalls(builder, balls);
    auto* combo = builder->findChild<QComboBox*>("Combo1");
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemText(i);
    QTEST(offered, "sizes");
    if (boxes.isEmpty())
        QCOMPARE(visibleBalls(builder).size(), balls.toInt());
    else
        QCOMPARE(visibleBalls(builder), boxes);
    // The line count is the wheel's, not the player's to type.
    auto* lines = builder->findChild<QLineEdit*>("Text25");
    QTest::keyClicks(lines, "99");
    QTEST(lines->text(), "lines");
}

void tst_WheelBuilderWindow::super7ProposalCountsTheSeventhNumber()
{
    // The eight boxes show the seven numbers drawn and one random one (not 2 for this seed):
    // counting the bonus would show 2, ignoring the seventh number would leave 40 to chance.
    const QStringList balls = visibleBalls(open(2));
    QCOMPARE(balls.size(), 8);
    for (const char* drawn : {"10", "11", "12", "13", "14", "15", "40"})
        QVERIFY2(balls.contains(drawn), qPrintable(balls.join(' ')));
    QVERIFY2(!balls.contains("2"), qPrintable(balls.join(' ')));
}

void tst_WheelBuilderWindow::saveAndOverwrite()
{
    QWidget* builder = open(1);
    CLICK(builder, "Option9");
    typeBalls(builder, {"45", "07", "12.5", "3", "30", "41", "9", "17", "22"});
    CLICK(builder, "Command3");
    QCOMPARE(m_prompts->last(), app + "Done!");
    const QString set = m_dir->filePath("National-6-4-3.lot");
    const QByteArray first = bytesOf(set);
    QCOMPARE(first.size(), 3 * 28);
    QList<int> used;
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(RecordFile::get32(first.mid(r * 28, 4), 0), 3);
        for (int j = 0; j < 6; ++j)
            used << RecordFile::get16(first.mid(r * 28, 28), 12 + 2 * j);
    }
    for (int n : {3, 7, 9, 12, 17, 22, 30, 41, 45})
        QVERIFY2(used.contains(n), qPrintable(QString::number(n)));

    // A group of eleven: the old set of nine is kept on No and replaced on Yes.
    chooseBalls(builder, "11");
    m_prompts->answers << false;
    CLICK(builder, "Command3");
    const QString question = QStringLiteral("You have already created one of thse wheels. Do you want to overwrite "
                                            "the existing entry with this new entry?");
    QCOMPARE(m_prompts->last(), app + question);
    QCOMPARE(m_prompts->noByDefault.last(), true);
    QCOMPARE(bytesOf(set), first);
    m_prompts->answers << true;
    CLICK(builder, "Command3");
    QCOMPARE(m_prompts->texts(), (QStringList{"Done!", question, question, "Done!"}));
    QCOMPARE(bytesOf(set).size(), 6 * 28);
}

void tst_WheelBuilderWindow::fullSuper7WheelOfEleven()
{
    QWidget* builder = open(2);
    chooseBalls(builder, "11");
    typeBalls(builder, {"47", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    CLICK(builder, "Command3");
    QCOMPARE(m_prompts->texts(), QStringList{"Done!"});
    const QByteArray set = bytesOf(m_dir->filePath("Super7-7-7-7.lot"));
    QCOMPARE(set.size(), 330 * 28);
    for (int r = 0; r < 330; ++r)
        QCOMPARE(RecordFile::get32(set.mid(r * 28, 4), 0), 330);
    // The seventh number has its place at offset 24; 47 is the group's largest and ends some line.
    QCOMPARE(RecordFile::get16(set.mid(329 * 28, 28), 24), int16_t(47));

    typeBalls(builder, {"48"});
    CLICK(builder, "Command3");
    QCOMPARE(m_prompts->texts().last(), QStringLiteral("One or more of your numbers are out of range!"));
}

void tst_WheelBuilderWindow::missingPatternFile()
{
    QVERIFY(QFile::remove(m_dir->filePath("wheels")));
    CLICK(open(1), "Command3");
    QCOMPARE(m_prompts->shown, QStringList{app + "The wheel file cannot be found!"});
    QVERIFY(!QFile::exists(m_dir->filePath("National-6-6-6.lot")));
}

void tst_WheelBuilderWindow::printCover()
{
    QWidget* builder = open(1);
    CLICK(builder, "Option9");
    typeBalls(builder, {"07", "12.5", "x"});
    CLICK(builder, "Command2");
    QCOMPARE(m_printers.jobs.size(), std::size_t(1));
    const RecordingPrinter::Job& job = m_printers.jobs.front();
    QCOMPARE(job.setup.fontFamily, PreparePrinter().fontFamily);
    QCOMPARE(job.lines,
             (QStringList{"",
                          "",
                          "Wheel for National 6/49",
                          QString(44, '-'),
                          "Guarantee Match 3 if any 4 drawn from the following number group:",
                          "",
                          " 7 12.5 x 4 10 11 12 13 14",
                          QString(60, '-'),
                          "",
                          "Number of Balls is 9",
                          "",
                          "Number of game entries required for coverage is 3",
                          "",
                          "File Maintenance Name: National-6-4-3.lot"}));

    m_printers.failJobs = true;
    CLICK(builder, "Command2");
    QCOMPARE(m_prompts->last(), app + ": the printer is out of paper");
}

void tst_WheelBuilderWindow::withoutPrinter()
{
    QWidget* builder = open(1, false);
    QVERIFY(!builder->findChild<QPushButton*>("Command2")->isEnabled());
    CLICK(builder, "Command3");
    QCOMPARE(m_prompts->last(), app + "Done!");
    QVERIFY(QFile::exists(m_dir->filePath("National-6-6-6.lot")));
}

QTEST_MAIN(tst_WheelBuilderWindow)
#include "tst_WheelBuilderWindow.moc"
