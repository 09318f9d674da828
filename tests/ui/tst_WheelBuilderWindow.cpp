#include "MainWindowFixture.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "UiDriver.h"
#include "WheelCatalogue.h"
#include "wheel6.h"
#include "wheel7.h"

#include <QComboBox>
#include <QFile>

#include <set>

namespace
{
QLineEdit* ballBox(QWidget* builder, int k)
{
    return builder->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(k));
}

// Retypes the first boxes, one text each.
void typeBalls(QWidget* builder, const QStringList& texts)
{
    for (int k = 0; k < texts.size(); ++k) {
        ballBox(builder, k)->clear();
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
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
        // 10, 11, 12 drawn three times, 13 and 14 twice, the rest once; the bonus 49 never counts.
        const QList<std::array<int16_t, 7>> draws{
            {10, 11, 12, 13, 14, 15}, {10, 11, 12, 13, 14, 16}, {10, 11, 12, 20, 21, 22}, {1, 2, 3, 4, 5, 6}};
        for (int i = 0; i < draws.size(); ++i)
            QVERIFY(ResultsFile::insertDraw(m_w->path("CAN1.rtl"), 1, 1 + i, 1, 2020, draws[i], 49));
        // Super 7: 40 is only ever the seventh number, 2 only the bonus.
        for (int day = 1; day <= 3; ++day)
            QVERIFY(ResultsFile::insertDraw(m_w->path("CAN7.rtl"), 2, day, 1, 2020, {10, 11, 12, 13, 14, 15, 40}, 2));
        m_printers = RecordingPrinter();
    }

    void cleanup()
    {
        FINISH_WINDOWS(m_w);
        m_w.reset();
    }

    void pick6Session()
    {
        QWidget* builder = open(1);
        QCOMPARE(builder->windowTitle(), "Pick 6 - Guaranteed Wheels");
        CLICK(builder, "Option9");
        auto* sizes = builder->findChild<QComboBox*>("Combo1");
        auto* lines = builder->findChild<QLineEdit*>("Text25");
        QCOMPARE(rowTexts(sizes->model()), QStringList({"9", "10", "11"}));
        QCOMPARE(visibleBalls(builder), QStringList({"1", "2", "3", "4", "10", "11", "12", "13", "14"}));
        QTest::keyClicks(lines, "99"); // the line count is the wheel's, not the player's to type
        QCOMPARE(lines->text(), "3");

        typeBalls(builder, {"07", "12.5", "x"}); // a number prints as a number, anything else as typed
        CLICK(builder, "Command2");
        QCOMPARE(m_printers.jobs.size(), std::size_t(1));
        QCOMPARE(m_printers.jobs.front().lines,
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
        QCOMPARE(m_w->prompts.last(), app + ": the printer is out of paper");

        typeBalls(builder, {"45", "07", "12.5", "3", "30", "41", "9", "17", "50"});
        CLICK(builder, "Command3");
        QCOMPARE(m_w->prompts.last(), app + "One or more of your numbers are out of range!");
        const QString set = m_w->path("National-6-4-3.lot");
        QVERIFY(!QFile::exists(set));
        typeBalls(builder, {"45", "07", "12.5", "3", "30", "41", "9", "17", "22"});
        CLICK(builder, "Command3");
        QCOMPARE(m_w->prompts.last(), app + "Done!");
        // Three lines over the group as typed.
        const auto saved = EntryFile::readAllLines(set).value_or(std::vector<EntryNumbers>{});
        QCOMPARE(saved.size(), size_t(3));
        std::set<int> used;
        for (const EntryNumbers& line : saved)
            used.insert(line.begin(), line.begin() + 6);
        QCOMPARE(used, (std::set<int>{3, 7, 9, 12, 17, 22, 30, 41, 45}));

        // A group of eleven: the old set of nine is kept on No and replaced on Yes.
        const QByteArray first = readFileBytes(set);
        chooseBalls(builder, "11");
        QCOMPARE(visibleBalls(builder).size(), 11);
        QCOMPARE(lines->text(), "6");
        m_w->prompts.answers << false << true;
        CLICK(builder, "Command3");
        QCOMPARE(m_w->prompts.last(),
                 app
                     + "You have already created one of thse wheels. Do you want to overwrite the existing entry with "
                       "this new entry?");
        QCOMPARE(m_w->prompts.noByDefault.last(), true);
        QCOMPARE(readFileBytes(set), first);
        CLICK(builder, "Command3");
        QCOMPARE(m_w->prompts.last(), app + "Done!");
        QCOMPARE(EntryFile::ReadEntryCount(set), std::optional<int>(6));
    }

    void super7Proposal()
    {
        QWidget* builder = open(2);
        QCOMPARE(builder->windowTitle(), "Super 7 - Guaranteed Wheels");
        QCOMPARE(rowTexts(builder->findChild<QComboBox*>("Combo1")->model()), QStringList({"8", "9", "10", "11"}));
        // The eight boxes show the seven numbers drawn and one random one (not 2 for this seed):
        // counting the bonus would show 2, ignoring the seventh number would leave 40 to chance.
        const QStringList balls = visibleBalls(builder);
        QCOMPARE(balls.size(), 8);
        for (const char* drawn : {"10", "11", "12", "13", "14", "15", "40"})
            QVERIFY2(balls.contains(drawn), qPrintable(balls.join(' ')));
        QVERIFY2(!balls.contains("2"), qPrintable(balls.join(' ')));
    }

    void withoutPrinterOrPatterns()
    {
        QWidget* builder = open(1, false, m_w->dir.path());
        QVERIFY(!builder->findChild<QWidget*>("Command2")->isEnabled());
        CLICK(builder, "Command3");
        QCOMPARE(m_w->prompts.shown.size(), 1);
        QVERIFY2(m_w->prompts.last().startsWith(app + "The wheel file cannot be found!\n\n" + m_w->path("wheels/")),
                 qPrintable(m_w->prompts.last()));
        QVERIFY(!QFile::exists(m_w->path("National-6-6-6.lot")));
    }

private:
    // The patterns come from the share folder (the source's data folder); the sets go to the
    // application folder.
    QWidget* open(int gameId, bool printer = true, const QString& share = QFileInfo(WHEELS_DIR).path())
    {
        AppState state;
        state.appFolder = m_w->dir.path();
        state.shareFolder = share;
        state.printerAvailable = printer;
        WheelCatalogue::setWheelContext(state, gameId, QDate(2026, 12, 5));
        QWidget* builder = gameId == 2
                               ? static_cast<QWidget*>(new wheel7(state, m_w->entries, m_printers, m_random, nullptr))
                               : new wheel6(state, m_w->entries, m_printers, m_random, nullptr);
        builder->show();
        return builder;
    }

    const QString app = QStringLiteral("Drawsmith Canada: ");
    std::unique_ptr<WindowFixture> m_w;
    RecordingPrinter m_printers;
    SeededRandom m_random{6};
};

QTEST_MAIN(tst_WheelBuilderWindow)
#include "tst_WheelBuilderWindow.moc"
